// The 64 anti-aliased round dab masks of the current stroke size, one per sub-pixel phase, and
// the size-dependent stroke settings (radius, margin, edge width, spacing).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "colvane/ids.h"


// Largest stroke size the masks are built for; larger sizes are built at this size.
constexpr int kMaxStrokeSize = 256;
// Side of the largest mask: 2 (R + 1) with R = (kMaxStrokeSize >> 1) + 1.
constexpr int kMaxDabDim = 2 * ((kMaxStrokeSize >> 1) + 2);

// Columns [begin, end) of one mask row that carry a weight.
struct DabSpan {
  int16_t begin = 0;
  int16_t end = 0;
};

// Bytes kept after the last mask, so a row loop may read a whole block past a row's end.
constexpr size_t kMaskSpare = 64;

struct DabMasks {
  int strokeSize = 0;   // S
  double radius = 0;    // h = S >> 1
  int margin = 2;       // R = max(h + 1, 2): the dab's placement offset and the repaint margin
  int dim = 6;          // D = 2 (R + 1): masks are D x D
  double edge = 1.0;    // E: width of the soft rim
  double spacing = 0;   // distance between dabs along a stroke
  int builtForMode = 0; // the drawing mode the masks were built for
  // 64 masks of D x D weights 0..128, row-major, mask px + 8 * py for phase (px / 8, py / 8),
  // then kMaskSpare zeros.
  std::vector<uint8_t> weights;
  std::vector<DabSpan> spans;  // 64 x D: the non-zero columns of each mask row
};

// Rebuilds the masks and settings for stroke size S (clamped to 0..kMaxStrokeSize) as the given
// drawing mode uses them.
void SetStrokeSize(DabMasks* masks, int strokeSize, int drawingMode);

inline const uint8_t* DabMask(const DabMasks& m, int index) {
  return m.weights.data() + static_cast<size_t>(index) * m.dim * m.dim;
}
inline const DabSpan* DabSpans(const DabMasks& m, int index) {
  return m.spans.data() + static_cast<size_t>(index) * m.dim;
}
