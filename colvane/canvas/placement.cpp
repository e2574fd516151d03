// Clip-art drop and the drag preview's rectangles.
#include "colvane/canvas/placement.h"

#include <algorithm>
#include <cstdint>

namespace {

inline int Hold(int64_t v) {
  return static_cast<int>(std::min<int64_t>(std::max<int64_t>(v, INT32_MIN), INT32_MAX));
}

}  // namespace

ChangedRect DropClipArt(PixelView* canvas, const ClipMask& clip, const PixelView& picture,
                        const PixelView& mask, CanvasPoint at) {
  const int w = std::min(picture.width, mask.width), h = std::min(picture.height, mask.height);
  if (w <= 0 || h <= 0 || !picture.bits || !mask.bits) return {};
  const int64_t width = std::min(canvas->width, clip.Width());
  const int64_t height = std::min(canvas->height, clip.Height());
  const int64_t left = static_cast<int64_t>(at.x) - (picture.width >> 1);
  const int64_t top = static_cast<int64_t>(at.y) - (picture.height >> 1);
  // Picture columns and rows that land on the canvas.
  const int c0 = static_cast<int>(std::max<int64_t>(-left, 0));
  const int r0 = static_cast<int>(std::max<int64_t>(-top, 0));
  const int c1 = static_cast<int>(std::min<int64_t>(w, width - left));
  const int r1 = static_cast<int>(std::min<int64_t>(h, height - top));
  if (c0 >= c1 || r0 >= r1) return {};
  for (int r = r0; r < r1; ++r) {
    const int y = static_cast<int>(top + r);
    const uint8_t* pictureRow = picture.Row(r);
    const uint8_t* maskRow = mask.Row(r);
    uint8_t* canvasRow = canvas->Row(y);
    for (int c = c0; c < c1; ++c) {
      const int x = static_cast<int>(left + c);
      if (!clip.Contains(x, y)) continue;
      const int a = MaskOpacity(maskRow + 3 * c);
      if (a == 0) continue;
      const uint8_t* src = pictureRow + 3 * c;
      uint8_t* dst = canvasRow + 3 * x;
      if (a == 255) {
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
        continue;
      }
      // new = (canvas × (255 − a) + picture × a) >> 8
      for (int k = 0; k < 3; ++k) dst[k] = static_cast<uint8_t>((dst[k] * (255 - a) + src[k] * a) >> 8);
    }
  }
  return {1, static_cast<int>(left + c0), static_cast<int>(top + r0), static_cast<int>(left + c1 - 1),
          static_cast<int>(top + r1 - 1)};
}

DragPreview PlanDragPreview(CanvasPoint at, CanvasPoint last, int w, int h, int canvasWidth,
                            int canvasHeight) {
  DragPreview plan{};
  const int64_t nx = static_cast<int64_t>(at.x) - (w >> 1), ny = static_cast<int64_t>(at.y) - (h >> 1);
  const int64_t ox = static_cast<int64_t>(last.x) - (w >> 1), oy = static_cast<int64_t>(last.y) - (h >> 1);
  const int64_t left = std::min(nx, ox), top = std::min(ny, oy);
  const int64_t right = std::max(nx, ox) + w, bottom = std::max(ny, oy) + h;
  if (nx >= canvasWidth || ny >= canvasHeight || right < 0 || bottom < 0) return plan;
  plan.shown = 1;
  plan.work = {Hold(left), Hold(top), Hold(right), Hold(bottom)};
  plan.picture = {Hold(nx - left), Hold(ny - top)};
  const int64_t tl = left < 1 ? 0 : left, tt = top < 1 ? 0 : top;
  plan.target = {Hold(tl), Hold(tt), Hold(std::min<int64_t>(right, canvasWidth)),
                 Hold(std::min<int64_t>(bottom, canvasHeight))};
  plan.source = {Hold(tl - left), Hold(tt - top)};
  return plan;
}
