// Painting a grown fill area: colour, texture or gradient, with a soft rim.
#include "colvane/canvas/flood_fill.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "colvane/canvas/blend_row.h"

namespace {

constexpr uint8_t kInArea = kFillMaskArea;

#define FILL_INLINE inline __attribute__((always_inline))

// The pixels of box (right and bottom exclusive) as a repaint rectangle.
inline ChangedRect Changed(const ClipRect& box) {
  if (box.left >= box.right || box.top >= box.bottom) return {};
  return {1, box.left, box.top, box.right - 1, box.bottom - 1};
}

// w[x] = 128 for an area pixel, 16 per area neighbour (of eight) for any other; the mask rows
// are those of the row above, the row and the row below. Returns the OR of all weights in bits
// 0-7 and their AND in bits 8-15 (128 there: every pixel is in the area).
FILL_INLINE unsigned WeighBytes(const uint8_t* __restrict up, const uint8_t* __restrict m,
                                const uint8_t* __restrict down, uint8_t* __restrict w, int count) {
  uint8_t any = 0, all = 128;
  for (int x = 0; x < count; ++x) {
    // Twice the number of area neighbours (kInArea is 2).
    uint8_t twice = static_cast<uint8_t>(
        (up[x - 1] & kInArea) + (up[x] & kInArea) + (up[x + 1] & kInArea) + (m[x - 1] & kInArea) +
        (m[x + 1] & kInArea) + (down[x - 1] & kInArea) + (down[x] & kInArea) + (down[x + 1] & kInArea));
    uint8_t v = (m[x] & kInArea) ? 128 : static_cast<uint8_t>(twice * 8);
    w[x] = v;
    any |= v;
    all &= v;
  }
  return any | (static_cast<unsigned>(all) << 8);
}

// Compiled for any processor and once more for AVX2, chosen once at run time; both give the
// same bytes (COLVANE_FILL_NO_AVX2 builds only the first).
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__)) && !defined(COLVANE_FILL_NO_AVX2)
__attribute__((target("avx2"))) unsigned WeighBytesAvx2(const uint8_t* up, const uint8_t* m,
                                                        const uint8_t* down, uint8_t* w, int count) {
  return WeighBytes(up, m, down, w, count);
}
unsigned WeighRowBytes(const uint8_t* up, const uint8_t* m, const uint8_t* down, uint8_t* w, int count) {
  static const bool avx2 = __builtin_cpu_supports("avx2");
  return avx2 ? WeighBytesAvx2(up, m, down, w, count) : WeighBytes(up, m, down, w, count);
}
#else
unsigned WeighRowBytes(const uint8_t* up, const uint8_t* m, const uint8_t* down, uint8_t* w, int count) {
  return WeighBytes(up, m, down, w, count);
}
#endif

// The part of row y the clip allows: pixels [0, *end) of the row, filtered by the returned
// byte mask (null = all of them). *end is 0 when the row lies outside the clip.
const uint8_t* ClipRow(const ClipMask& clip, const PixelView& canvas, int y, int* end) {
  if (y < 0 || y >= clip.Height() || y >= canvas.height) {
    *end = 0;
    return nullptr;
  }
  *end = std::min(clip.Width(), canvas.width);
  return clip.Row(y);
}

// Paints the pixels of `box` the clip allows. Each pixel gets a weight in 128ths: 128 in the
// area, 16 per area neighbour (of eight) outside it, 0 outside the clip; then
//   new = (old·(128 − w) + colour·w) >> 7
// per channel, which leaves w = 0 pixels as they are and gives w = 128 pixels the colour. The
// mask is only read, so the order of the visit does not matter. `colours(y, x0, x1, w, c)`
// fills c[3x .. 3x + 2] (blue, green, red) for each x in [x0, x1) with w[x] > 0.
template <class Colours>
void PaintArea(const FillState& fill, PixelView* canvas, const ClipMask& clip, const ClipRect& box,
               std::vector<uint8_t>* colourRow, Colours colours) {
  const int width = fill.width;
  std::vector<uint8_t> weight(static_cast<size_t>(width)), weightBytes(static_cast<size_t>(width) * 3);
  uint8_t* __restrict w = weight.data();
  uint8_t* c = colourRow->data();
  for (int y = box.top; y < box.bottom; ++y) {
    int end;
    const uint8_t* allowed = ClipRow(clip, *canvas, y, &end);
    const int x0 = box.left, x1 = std::min(box.right, end);
    if (x0 >= x1) continue;
    unsigned reduced = WeighRowBytes(FillMaskRow(fill, y - 1) + x0, FillMaskRow(fill, y) + x0,
                                     FillMaskRow(fill, y + 1) + x0, w + x0, x1 - x0);
    uint8_t any = static_cast<uint8_t>(reduced), all = static_cast<uint8_t>(reduced >> 8);
    if (allowed) {
      any = 0;
      for (int x = x0; x < x1; ++x) {
        w[x] = allowed[x] ? w[x] : 0;
        any |= w[x];
      }
      all = 0;
    }
    if (!any) continue;
    colours(y, x0, x1, w, c);
    uint8_t* px = canvas->Row(y) + 3 * x0;
    if (all)
      std::memcpy(px, c + 3 * x0, static_cast<size_t>(x1 - x0) * 3);  // the row is all area
    else
      BlendRow(px, c + 3 * x0, w + x0, weightBytes.data(), x1 - x0);
  }
}

// A row of one colour in pixel byte order.
std::vector<uint8_t> ColourRow(int width, uint32_t colour) {
  std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
  for (int x = 0; x < width; ++x) {
    row[3 * x] = BlueOf(colour);
    row[3 * x + 1] = GreenOf(colour);
    row[3 * x + 2] = RedOf(colour);
  }
  return row;
}

// How far along the gradient a pixel lies, from the gesture and the (inclusive) box.
struct GradientFrame {
  enum Kind { kRadial, kVertical, kHorizontal, kSlanted } kind;
  double length;  // L
  double slope;   // m of a slanted drag
  double norm;    // sqrt(m² + 1)
  int ax, ay;     // the start corner of a slanted drag
  int left, top, right, bottom;
  int x0, y0, x1, y1;
};

GradientFrame MakeGradientFrame(const GradientGesture& g, int left, int top, int right, int bottom) {
  GradientFrame f{};
  f.left = left;
  f.top = top;
  f.right = right;
  f.bottom = bottom;
  f.x0 = g.x0;
  f.y0 = g.y0;
  f.x1 = g.x1;
  f.y1 = g.y1;
  if (g.x0 == g.x1 && g.y0 == g.y1) {
    f.kind = GradientFrame::kRadial;
    const int cx[2] = {left, right}, cy[2] = {top, bottom};
    for (int i = 0; i < 2; ++i)
      for (int j = 0; j < 2; ++j) {
        double dx = static_cast<double>(cx[i]) - g.x0, dy = static_cast<double>(cy[j]) - g.y0;
        f.length = std::max(f.length, std::sqrt(dx * dx + dy * dy));
      }
  } else if (g.x0 == g.x1) {
    f.kind = GradientFrame::kVertical;
    f.length = bottom - top;
  } else if (g.y0 == g.y1) {
    f.kind = GradientFrame::kHorizontal;
    f.length = right - left;
  } else {
    f.kind = GradientFrame::kSlanted;
    f.slope = (static_cast<double>(g.y0) - g.y1) / (static_cast<double>(g.x0) - g.x1);
    f.norm = std::sqrt(f.slope * f.slope + 1);
    f.ax = g.x0 < g.x1 ? left : right;
    int bx = g.x0 < g.x1 ? right : left;
    f.ay = g.y0 < g.y1 ? top : bottom;
    int by = g.y0 < g.y1 ? bottom : top;
    f.length = std::fabs((f.ax - bx) + (f.ay - by) * f.slope) / f.norm;
  }
  return f;
}

// t in 0..1: 0 at the press side, 1 at the far side.
double GradientPosition(const GradientFrame& f, int px, int py) {
  if (f.length == 0) return 0;
  double t = 0;
  switch (f.kind) {
    case GradientFrame::kRadial: {
      double dx = static_cast<double>(px) - f.x0, dy = static_cast<double>(py) - f.y0;
      t = std::sqrt(dx * dx + dy * dy) / f.length;
      break;
    }
    case GradientFrame::kVertical:
      t = (f.y0 < f.y1 ? py - f.top : f.bottom - py) / f.length;
      break;
    case GradientFrame::kHorizontal:
      t = (f.x0 < f.x1 ? px - f.left : f.right - px) / f.length;
      break;
    case GradientFrame::kSlanted:
      t = std::fabs((f.ax - px) + (f.ay - py) * f.slope) / f.norm / f.length;
      break;
  }
  return std::min(t, 1.0);
}

// Each channel: trunc(background·t + foreground·(1 − t)).
uint32_t GradientColour(uint32_t fg, uint32_t bg, double t) {
  auto mix = [t](uint8_t f, uint8_t b) {
    return static_cast<uint8_t>(static_cast<int>(b * t + f * (1 - t)));
  };
  return MakeColour(mix(RedOf(fg), RedOf(bg)), mix(GreenOf(fg), GreenOf(bg)), mix(BlueOf(fg), BlueOf(bg)));
}

bool HasPixels(const PixelView* v) { return v && v->bits && v->width > 0 && v->height > 0; }

}  // namespace

void PaintFillColour(const FillState& fill, PixelView* canvas, const ClipMask& clip, uint32_t colour) {
  std::vector<uint8_t> row = ColourRow(fill.width, colour);
  PaintArea(fill, canvas, clip, fill.rect, &row, [](int, int, int, const uint8_t*, uint8_t*) {});
}

// The texture is tiled from the canvas origin: pixel (x, y) takes texel (x mod tw, y mod th).
void PaintFillTexture(const FillState& fill, PixelView* canvas, const ClipMask& clip,
                      const PixelView& texture) {
  std::vector<uint8_t> row(static_cast<size_t>(fill.width) * 3);
  PaintArea(fill, canvas, clip, fill.rect, &row,
            [&texture](int y, int x0, int x1, const uint8_t*, uint8_t* c) {
              const uint8_t* tex = texture.Row(y % texture.height);
              for (int x = x0; x < x1;) {
                int tx = x % texture.width;
                int n = std::min(texture.width - tx, x1 - x);
                std::memcpy(c + 3 * x, tex + 3 * tx, static_cast<size_t>(n) * 3);
                x += n;
              }
            });
}

ChangedRect PaintFillGradient(const FillState& fill, PixelView* canvas, const ClipMask& clip,
                              const GradientGesture& gesture) {
  ClipRect box = fill.rect;
  if (!clip.IsAll()) {
    ClipRect b = clip.Bounds();
    box = {std::max(box.left, b.left), std::max(box.top, b.top), std::min(box.right, b.right),
           std::min(box.bottom, b.bottom)};
    if (box.left >= box.right || box.top >= box.bottom) return {};
  }
  GradientFrame frame = MakeGradientFrame(gesture, box.left, box.top, box.right - 1, box.bottom - 1);
  std::vector<uint8_t> row(static_cast<size_t>(fill.width) * 3);
  PaintArea(fill, canvas, clip, box, &row,
            [&frame, &gesture](int y, int x0, int x1, const uint8_t* w, uint8_t* c) {
              for (int x = x0; x < x1; ++x) {
                if (!w[x]) continue;
                uint32_t colour =
                    GradientColour(gesture.foreground, gesture.background, GradientPosition(frame, x, y));
                c[3 * x] = BlueOf(colour);
                c[3 * x + 1] = GreenOf(colour);
                c[3 * x + 2] = RedOf(colour);
              }
            });
  return Changed(box);
}

ChangedRect FillAtPoint(FillState* fill, PixelView* canvas, const ClipMask& clip, int x, int y,
                        uint32_t colour, const PixelView* texture) {
  if (!GrowFillArea(fill, *canvas, clip, x, y)) return {};
  if (HasPixels(texture))
    PaintFillTexture(*fill, canvas, clip, *texture);
  else
    PaintFillColour(*fill, canvas, clip, colour);
  return Changed(fill->rect);
}

ChangedRect GradientFill(FillState* fill, PixelView* canvas, const ClipMask& clip,
                         const GradientGesture& gesture) {
  if (!GrowFillArea(fill, *canvas, clip, gesture.x0, gesture.y0)) return {};
  return PaintFillGradient(*fill, canvas, clip, gesture);
}
