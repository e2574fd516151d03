// The square eraser's geometry and wipe.
#include "colvane/canvas/square_eraser.h"

#include <algorithm>
#include <cstdint>

int SquareHalfSize(int sizeValue) {
  return std::max(static_cast<int>((static_cast<int64_t>(sizeValue) + 1) / 2), 1);
}

namespace {

// v + d held to the int range (points may come from anywhere on the screen).
inline int Offset(int v, int64_t d) {
  int64_t r = v + d;
  return static_cast<int>(std::min<int64_t>(std::max<int64_t>(r, INT32_MIN), INT32_MAX));
}

}  // namespace

int SweptSquare(CanvasPoint from, CanvasPoint to, int k, CanvasPoint* out) {
  if (from.x == to.x || from.y == to.y) {
    int left = Offset(std::min(from.x, to.x), -k), top = Offset(std::min(from.y, to.y), -k);
    int right = Offset(std::max(from.x, to.x), k), bottom = Offset(std::max(from.y, to.y), k);
    out[0] = {left, top};
    out[1] = {right, top};
    out[2] = {right, bottom};
    out[3] = {left, bottom};
    return 4;
  }
  // sx, sy: the direction of the move. The hull runs from the start square's back corner along
  // its two neighbouring corners to the end square's front corner and its two neighbours.
  int64_t sx = to.x > from.x ? k : -k, sy = to.y > from.y ? k : -k;
  out[0] = {Offset(from.x, -sx), Offset(from.y, -sy)};  // back corner of the start square
  out[1] = {Offset(from.x, sx), Offset(from.y, -sy)};
  out[2] = {Offset(to.x, sx), Offset(to.y, -sy)};
  out[3] = {Offset(to.x, sx), Offset(to.y, sy)};        // front corner of the end square
  out[4] = {Offset(to.x, -sx), Offset(to.y, sy)};
  out[5] = {Offset(from.x, -sx), Offset(from.y, sy)};
  return 6;
}

ClipRect SquareOutline(CanvasPoint centre, int k, int width, int height) {
  auto hold = [](int64_t v, int bound) {
    return static_cast<int>(std::min<int64_t>(std::max<int64_t>(v, 0), bound));
  };
  const int64_t cx = centre.x, cy = centre.y;
  return {hold(cx - k, width), hold(cy - k, height), hold(cx + k, width), hold(cy + k, height)};
}

ChangedRect WipeSwept(PixelView* canvas, const ClipMask& clip, const ClipMask& swept,
                      uint32_t background) {
  return FillRegion(canvas, clip, swept, background);
}
