// Dab mask construction.
#include "colvane/canvas/dab_masks.h"

#include <algorithm>
#include <cmath>

// Edge width: the pencil keeps a one-pixel rim, toothpaste and the soft eraser a fifth of the
// size, everything else a third; never below one pixel.
static double EdgeWidth(int strokeSize, int drawingMode) {
  if (drawingMode == kModePencil) return 1.0;
  if (drawingMode == kModeToothpaste || drawingMode == kModeSoftEraser)
    return std::max(0.2 * strokeSize, 1.0);
  return std::max(strokeSize * 0.3333333333333333, 1.0);
}

void SetStrokeSize(DabMasks* m, int strokeSize, int drawingMode) {
  int s = std::clamp(strokeSize, 0, kMaxStrokeSize);
  int half = s >> 1;
  m->strokeSize = s;
  m->radius = half;
  m->margin = std::max(half + 1, 2);
  m->edge = EdgeWidth(s, drawingMode);
  m->builtForMode = drawingMode;
  m->spacing = drawingMode == kModeToothpaste ? s * 0.0625 : s * 0.125;
  m->dim = 2 * (m->margin + 1);

  const int dim = m->dim;
  const double outer = m->radius;
  const double inner = outer - m->edge;
  const double edge2 = m->edge * m->edge;
  m->weights.assign(static_cast<size_t>(64) * dim * dim + kMaskSpare, 0);
  m->spans.assign(static_cast<size_t>(64) * dim, DabSpan());

  // A disc of full weight out to h - E, fading quadratically to 0 at h:
  //   w = 128                          d <= inner
  //   w = trunc(128 (outer - d)^2 / E^2)  inner < d < outer
  //   w = 0                            d >= outer
  for (int py = 0; py < 8; ++py) {
    for (int px = 0; px < 8; ++px) {
      int index = px + 8 * py;
      uint8_t* mask = m->weights.data() + static_cast<size_t>(index) * dim * dim;
      DabSpan* spans = m->spans.data() + static_cast<size_t>(index) * dim;
      double cy = m->margin + 1 + py * 0.125;
      double cx = m->margin + 1 + px * 0.125;
      for (int r = 0; r < dim; ++r) {
        int first = dim, last = -1;
        for (int c = 0; c < dim; ++c) {
          double d = std::sqrt((c - cx) * (c - cx) + (r - cy) * (r - cy));
          int32_t w = 0;
          if (d <= inner)
            w = 128;
          else if (d < outer)
            w = static_cast<int32_t>(128.0 * (outer - d) * (outer - d) / edge2);
          if (drawingMode == kModeToothpaste) w >>= 1;
          mask[r * dim + c] = static_cast<uint8_t>(w);
          if (w != 0) {
            first = std::min(first, c);
            last = c;
          }
        }
        if (last >= 0) spans[r] = {static_cast<int16_t>(first), static_cast<int16_t>(last + 1)};
      }
      // Size 1 has a radius of 0, so the disc above is empty; a tool set to it would paint
      // nothing. It lays the one pixel under the dab's centre instead: a one-pixel line.
      if (s == 1) {
        const int centre = m->margin + 1;
        mask[centre * dim + centre] = static_cast<uint8_t>(drawingMode == kModeToothpaste ? 64 : 128);
        spans[centre] = {static_cast<int16_t>(centre), static_cast<int16_t>(centre + 1)};
      }
    }
  }
}
