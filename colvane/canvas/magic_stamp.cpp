// Magic stamp painting. Stamp pixels are bytes red, green, blue, alpha; alpha blends in 255ths:
//   alpha 0: unchanged; 255: the stamp's colour; else new = (old * (255 - a) + stamp * a) >> 8
#include "colvane/canvas/magic_stamp.h"

#include <algorithm>

ChangedRect PaintMagicStamp(MagicStamp* stamp, const PixelView& canvas, const ClipMask& clip, int x, int y,
                            bool* pictureModified) {
  ChangedRect rect;
  if (stamp->frameCount <= 0 || stamp->frames.Empty() || !canvas.bits) return rect;
  if (x >= canvas.width || y >= canvas.height || x <= -kStampSide || y <= -kStampSide) return rect;

  int width = std::min(canvas.width, clip.Width());
  int height = std::min(canvas.height, clip.Height());
  if (pictureModified) *pictureModified = true;
  rect.left = std::max(x, 0);
  rect.top = std::max(y, 0);
  rect.right = std::min(x + kStampSide, width - 1);
  rect.bottom = std::min(y + kStampSide, height - 1);
  rect.changed = rect.left <= rect.right && rect.top <= rect.bottom;

  int frame = stamp->frameIndex;
  if (frame < 0 || frame >= stamp->frameCount) frame = 0;
  const uint8_t* pixels = stamp->frames.Data() + static_cast<size_t>(frame) * kStampFrameBytes;
  int r0 = std::max(0, -y), r1 = std::min(kStampSide, height - y);
  int c0 = std::max(0, -x), c1 = std::min(kStampSide, width - x);
  for (int r = r0; r < r1; ++r) {
    int cy = y + r;
    uint8_t* row = canvas.Row(cy);
    const uint8_t* inside = clip.Row(cy);
    const uint8_t* s = pixels + static_cast<size_t>(r) * kStampSide * 4;
    for (int c = c0; c < c1; ++c) {
      int cx = x + c;
      if (inside && !inside[cx]) continue;
      const uint8_t* sp = s + c * 4;
      int a = sp[3];
      if (a == 0) continue;
      uint8_t* p = row + 3 * cx;
      if (a == 255) {
        p[0] = sp[2];
        p[1] = sp[1];
        p[2] = sp[0];
      } else {
        p[0] = static_cast<uint8_t>((p[0] * (255 - a) + sp[2] * a) >> 8);
        p[1] = static_cast<uint8_t>((p[1] * (255 - a) + sp[1] * a) >> 8);
        p[2] = static_cast<uint8_t>((p[2] * (255 - a) + sp[0] * a) >> 8);
      }
    }
  }
  stamp->frameIndex = (frame + 1) % stamp->frameCount;
  return rect;
}
