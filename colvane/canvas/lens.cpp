// The magnifying lens.
#include "colvane/canvas/lens.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// trunc() of a double already limited to the int range.
inline int Trunc(double v) {
  return static_cast<int>(std::max(-2147483648.0, std::min(v, 2147483647.0)));
}

// Snapshot pixel at (x, y) with the position held to the picture.
inline const uint8_t* Sample(const PixelView& v, int x, int y) {
  x = std::min(std::max(x, 0), v.width - 1);
  y = std::min(std::max(y, 0), v.height - 1);
  return v.At(x, y);
}

// One lens pixel at offset (dx, dy) from the centre, r² <= R0². The sphere bends the ray so that
// the source lies closer to the centre: u = |dx|·h / z with z = sqrt(R1² − r²); at r = R0 the
// source is the pixel itself. Near and far samples are blended with weights in 128ths.
void LensPixel(const PixelView& src, const LensShape& lens, int cx, int cy, int dx, int dy,
               uint8_t* out) {
  if (dx == 0 && dy == 0) {
    const uint8_t* p = Sample(src, cx, cy);
    for (int c = 0; c < 3; ++c) out[c] = p[c];
    return;
  }
  double r2 = static_cast<double>(dx) * dx + static_cast<double>(dy) * dy;
  double z = std::sqrt(lens.sphereRadius * lens.sphereRadius - r2);
  double u = std::abs(dx) * lens.depth / z, v = std::abs(dy) * lens.depth / z;
  int ix = Trunc(u), iy = Trunc(v);
  double fx = u - ix, fy = v - iy;
  int sx = dx > 0 ? 1 : -1, sy = dy > 0 ? 1 : -1;  // zero or negative offsets step to the minus side
  int nearX = cx + sx * ix, farX = cx + sx * (ix + 1);
  int nearY = cy + sy * iy, farY = cy + sy * (iy + 1);
  if (dx == 0) {
    int w = Trunc((1 - fy) * 128);
    const uint8_t* n = Sample(src, cx, nearY);
    const uint8_t* f = Sample(src, cx, farY);
    for (int c = 0; c < 3; ++c) out[c] = static_cast<uint8_t>((n[c] * w + f[c] * (128 - w)) >> 7);
    return;
  }
  if (dy == 0) {
    int w = Trunc((1 - fx) * 128);
    const uint8_t* n = Sample(src, nearX, cy);
    const uint8_t* f = Sample(src, farX, cy);
    for (int c = 0; c < 3; ++c) out[c] = static_cast<uint8_t>((n[c] * w + f[c] * (128 - w)) >> 7);
    return;
  }
  int w00 = Trunc((1 - fx) * (1 - fy) * 128);
  int w10 = Trunc(fx * (1 - fy) * 128);
  int w01 = Trunc((1 - fx) * fy * 128);
  int w11 = 128 - w00 - w10 - w01;
  const uint8_t* p00 = Sample(src, nearX, nearY);
  const uint8_t* p10 = Sample(src, farX, nearY);
  const uint8_t* p01 = Sample(src, nearX, farY);
  const uint8_t* p11 = Sample(src, farX, farY);
  for (int c = 0; c < 3; ++c)
    out[c] = static_cast<uint8_t>((p00[c] * w00 + p10[c] * w10 + p01[c] * w01 + p11[c] * w11) >> 7);
}

}  // namespace

int MakeLensShape(int imageHeight, int size, int strength, LensShape* shape) {
  if (size <= 0) return 0;
  // Far beyond any size bar value; keeps every offset of a lens on the picture in int range.
  size = std::min(size, 1 << 16);
  strength = std::min(std::max(strength, -100), 100);
  double r0 = static_cast<double>(imageHeight) * size / 96;
  double r1 = r0 * 202 / (strength + 101);
  if (r0 <= 0 || r0 > r1) return 0;
  *shape = {r0, r1, std::sqrt(r1 * r1 - r0 * r0)};
  return 1;
}

ChangedRect ApplyLens(PixelView* canvas, const PixelView& snapshot, const ClipMask& clip, int cx,
                      int cy, int strength, int size) {
  LensShape lens;
  if (!MakeLensShape(snapshot.height, size, strength, &lens)) return {};
  int width = std::min(canvas->width, snapshot.width);
  int height = std::min(canvas->height, snapshot.height);
  if (width <= 0 || height <= 0) return {};
  int left = std::max(Trunc(cx - lens.radius - 1), 0);
  int top = std::max(Trunc(cy - lens.radius - 1), 0);
  int right = std::min(Trunc(cx + lens.radius + 1), width - 1);
  int bottom = std::min(Trunc(cy + lens.radius + 1), height - 1);
  if (left > right || top > bottom) return {};
  double r0squared = lens.radius * lens.radius;
  for (int x = left; x <= right; ++x)
    for (int y = top; y <= bottom; ++y) {
      if (!clip.Contains(x, y)) continue;
      // 64-bit offsets: the click may lie far off the picture.
      int64_t dx = static_cast<int64_t>(x) - cx, dy = static_cast<int64_t>(y) - cy;
      uint8_t* out = canvas->At(x, y);
      if (static_cast<double>(dx * dx + dy * dy) > r0squared) {
        const uint8_t* p = snapshot.At(x, y);
        for (int c = 0; c < 3; ++c) out[c] = p[c];
        continue;
      }
      LensPixel(snapshot, lens, cx, cy, static_cast<int>(dx), static_cast<int>(dy), out);
    }
  return {1, left, top, right, bottom};
}
