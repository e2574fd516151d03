// Stroke walker.
#include "colvane/canvas/stroke_walker.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "colvane/canvas/dab_modes.h"

namespace {

// Upper bound of dabs per segment: far beyond any mouse move, it only stops absurd input.
constexpr int64_t kMaxDabsPerWalk = 1 << 22;
// Dab centres beyond this are off every canvas (and would not fit an int).
constexpr double kFar = 1e9;

ChangedRect RepaintRect(const DabMasks& masks, const ClipMask& clip, int x0, int y0, int x1, int y1) {
  ChangedRect rect;
  int64_t width = clip.Width(), height = clip.Height();
  if (width <= 0 || height <= 0) return rect;
  int64_t margin = masks.margin;
  auto cut = [](int64_t v, int64_t limit) { return static_cast<int>(std::clamp<int64_t>(v, 0, limit - 1)); };
  rect.left = cut(static_cast<int64_t>(std::min(x0, x1)) - margin - 1, width);
  rect.top = cut(static_cast<int64_t>(std::min(y0, y1)) - margin - 1, height);
  rect.right = cut(static_cast<int64_t>(std::max(x0, x1)) + margin + 2, width);
  rect.bottom = cut(static_cast<int64_t>(std::max(y0, y1)) + margin + 2, height);
  rect.changed = 1;
  return rect;
}

}  // namespace

ChangedRect Walk(StrokeState* state, const DabMasks& masks, const StrokeTarget& target, int x0, int y0,
                 int x1, int y1) {
  if (target.pictureModified) *target.pictureModified = true;
  ChangedRect rect;
  if (!target.clip) return rect;
  rect = RepaintRect(masks, *target.clip, x0, y0, x1, y1);

  if (x0 == x1 && y0 == y1) {
    // One dab on the point itself, whether or not its centre is inside: the dab clips each pixel.
    state->firstDab = 1;
    Dab(state, masks, target, x0, y0);
    state->carried = 0;
  } else {
    double dx = static_cast<double>(x1) - x0, dy = static_cast<double>(y1) - y0;
    double len = std::sqrt(dx * dx + dy * dy);
    double spacing = masks.spacing;
    if (len + state->carried < spacing) {
      state->carried += len;
      state->lastX = x1;
      state->lastY = y1;
      return ChangedRect();
    }
    // Dab k lies k spacings along the path from the point `carried` behind (x0, y0). Size 0 has
    // no spacing to step by, and its masks paint nothing: the segment only repaints.
    if (spacing > 0) {
      double count = std::floor((state->carried + len) / spacing);
      int64_t n = static_cast<int64_t>(std::min(count, static_cast<double>(kMaxDabsPerWalk)));
      double sx = dx * spacing / len, sy = dy * spacing / len;
      double bx = x0 - dx * state->carried / len, by = y0 - dy * state->carried / len;
      state->firstDab = 1;
      for (int64_t k = 1; k <= n; ++k) {
        double cx = k * sx + bx, cy = k * sy + by;
        if (std::fabs(cx) < kFar && std::fabs(cy) < kFar &&
            target.clip->Contains(static_cast<int>(cx), static_cast<int>(cy)))
          Dab(state, masks, target, cx, cy);
      }
      state->carried = state->carried + len - n * spacing;
    } else {
      state->carried = 0;
    }
  }
  state->lastX = x1;
  state->lastY = y1;
  return rect;
}
