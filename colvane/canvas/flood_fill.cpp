// Flood fill: span region growing and the three area paintings.
#include "colvane/canvas/flood_fill.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// The pixels of box (right and bottom exclusive) as a repaint rectangle.
inline ChangedRect Changed(const ClipRect& box) {
  if (box.left >= box.right || box.top >= box.bottom) return {};
  return {1, box.left, box.top, box.right - 1, box.bottom - 1};
}

// Per-channel acceptance range around the seed colour: a pixel is similar when every byte v
// satisfies lo <= v <= lo + span, tested as one unsigned compare per channel.
struct Similar {
  uint8_t lo[3];
  uint8_t span[3];
  bool operator()(const uint8_t* p) const {
    return static_cast<uint8_t>(p[0] - lo[0]) <= span[0] &&
           static_cast<uint8_t>(p[1] - lo[1]) <= span[1] &&
           static_cast<uint8_t>(p[2] - lo[2]) <= span[2];
  }
};

Similar SimilarTo(const uint8_t* seed) {
  Similar s;
  for (int c = 0; c < 3; ++c) {
    int lo = std::max(seed[c] - kFillTolerance, 0);
    int hi = std::min(seed[c] + kFillTolerance, 255);
    s.lo[c] = static_cast<uint8_t>(lo);
    s.span[c] = static_cast<uint8_t>(hi - lo);
  }
  return s;
}

// Mask byte of canvas pixel (x, y); the mask has a zero border one pixel wide.
inline uint8_t* MaskAt(FloodFill* fill, int x, int y) {
  return &fill->mask[static_cast<size_t>(y + 1) * (fill->width + 2) + (x + 1)];
}

// The maximal run of similar pixels on row y through x (x itself is similar).
FillSpan GrowSpan(const uint8_t* row, int width, int x, int y, const Similar& similar) {
  int right = x;
  while (right < width - 1 && similar(row + 3 * (right + 1))) ++right;
  int left = x;
  while (left > 0 && similar(row + 3 * (left - 1))) --left;
  return {left, right, y};
}

// Spans are marked in the mask when they are pushed rather than when they are taken off the
// stack. Spans are always maximal runs, so a run is either wholly marked or wholly unmarked, and
// marking early only stops the same run from being pushed twice: the area is the same.
void PushSpan(FloodFill* fill, const FillSpan& s) {
  std::memset(MaskAt(fill, s.left, s.y), 1, static_cast<size_t>(s.right - s.left + 1));
  fill->rect.left = std::min(fill->rect.left, s.left);
  fill->rect.right = std::max(fill->rect.right, s.right + 1);
  fill->rect.top = std::min(fill->rect.top, s.y);
  fill->rect.bottom = std::max(fill->rect.bottom, s.y + 1);
  fill->pending.push_back(s);
}

// Next x at or left of `x` (down to `left`) whose mask byte is 0, or left - 1 when none.
// Marked stretches are skipped eight bytes at a time.
int SkipMarked(const uint8_t* mask, int x, int left) {
  const uint64_t ones = 0x0101010101010101ull;
  while (x >= left) {
    if (x - 7 >= left) {
      uint64_t word;
      std::memcpy(&word, mask + x - 7, 8);
      if (word == ones) {
        x -= 8;
        continue;
      }
    }
    if (mask[x] == 0) return x;
    --x;
  }
  return x;
}

// Scans row ny under (or over) the span from its right end to its left end, pushing every
// unmarked run of similar pixels that touches it.
void ScanRow(FloodFill* fill, const PixelView& canvas, const FillSpan& s, int ny,
             const Similar& similar) {
  const uint8_t* row = canvas.Row(ny);
  const uint8_t* mask = MaskAt(fill, 0, ny);
  int x = s.right;
  while (x >= s.left) {
    x = SkipMarked(mask, x, s.left);
    if (x < s.left) break;
    if (similar(row + 3 * x)) {
      FillSpan grown = GrowSpan(row, canvas.width, x, ny, similar);
      PushSpan(fill, grown);
      x = grown.left - 1;
    } else {
      --x;
    }
  }
}

// Clears the mask bytes the previous fill set (all of them lie in its box).
void ClearMask(FloodFill* fill, int width, int height) {
  size_t size = static_cast<size_t>(width + 2) * (height + 2);
  if (fill->width != width || fill->height != height || fill->mask.size() != size) {
    fill->width = width;
    fill->height = height;
    fill->mask.assign(size, 0);
    return;
  }
  const ClipRect& r = fill->rect;
  for (int y = r.top; y < r.bottom; ++y)
    std::memset(MaskAt(fill, r.left, y), 0, static_cast<size_t>(r.right - r.left));
}

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

// new = (old * (128 - w) + colour * w) >> 7, per channel.
inline void BlendRim(uint8_t* p, uint32_t colour, int w) {
  p[0] = static_cast<uint8_t>((p[0] * (128 - w) + BlueOf(colour) * w) >> 7);
  p[1] = static_cast<uint8_t>((p[1] * (128 - w) + GreenOf(colour) * w) >> 7);
  p[2] = static_cast<uint8_t>((p[2] * (128 - w) + RedOf(colour) * w) >> 7);
}

inline void Store(uint8_t* p, uint32_t colour) {
  p[0] = BlueOf(colour);
  p[1] = GreenOf(colour);
  p[2] = RedOf(colour);
}

// Visits every pixel of `box` the clip allows: area pixels take colourAt(x, y); other pixels
// with n > 0 of their eight neighbours in the area take 16·n/128 of it. The mask is only read,
// so the order of the visit does not matter.
template <class ColourAt>
void PaintArea(const FloodFill& fill, PixelView* canvas, const ClipMask& clip, const ClipRect& box,
               ColourAt colourAt) {
  const size_t mw = static_cast<size_t>(fill.width) + 2;
  for (int y = box.top; y < box.bottom; ++y) {
    int end;
    const uint8_t* allowed = ClipRow(clip, *canvas, y, &end);
    int right = std::min(box.right, end);
    const uint8_t* m = &fill.mask[static_cast<size_t>(y + 1) * mw + 1];
    const uint8_t* up = m - mw;
    const uint8_t* down = m + mw;
    uint8_t* row = canvas->Row(y);
    for (int x = box.left; x < right; ++x) {
      if (allowed && !allowed[x]) continue;
      uint8_t* p = row + 3 * x;
      if (m[x]) {
        Store(p, colourAt(x, y));
        continue;
      }
      int n = up[x - 1] + up[x] + up[x + 1] + m[x - 1] + m[x + 1] + down[x - 1] + down[x] +
              down[x + 1];
      if (n > 0) BlendRim(p, colourAt(x, y), 16 * n);
    }
  }
}

// How far along the gradient a pixel lies, from the gesture and the (inclusive) box.
struct GradientFrame {
  enum Kind { kRadial, kVertical, kHorizontal, kSlanted } kind;
  double length;      // L
  double slope;       // m of a slanted drag
  double norm;        // sqrt(m² + 1)
  int ax, ay;         // the start corner of a slanted drag
  int left, top, right, bottom;
  int x0, y0, x1, y1;
};

GradientFrame MakeGradientFrame(const GradientGesture& g, int left, int top, int right,
                                int bottom) {
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
  return MakeColour(mix(RedOf(fg), RedOf(bg)), mix(GreenOf(fg), GreenOf(bg)),
                    mix(BlueOf(fg), BlueOf(bg)));
}

bool HasPixels(const PixelView* v) {
  return v && v->bits && v->width > 0 && v->height > 0;
}

}  // namespace

int ColourDistance(uint32_t a, uint32_t b) {
  int dr = std::abs(RedOf(a) - RedOf(b));
  int dg = std::abs(GreenOf(a) - GreenOf(b));
  int db = std::abs(BlueOf(a) - BlueOf(b));
  return std::max(dr, std::max(dg, db));
}

int GrowFillArea(FloodFill* fill, const PixelView& canvas, const ClipMask& clip, int x, int y) {
  if (!canvas.Inside(x, y) || !clip.Contains(x, y)) return 0;
  ClearMask(fill, canvas.width, canvas.height);
  fill->pending.clear();
  Similar similar = SimilarTo(canvas.At(x, y));
  fill->rect = {x, y, x + 1, y + 1};
  PushSpan(fill, GrowSpan(canvas.Row(y), canvas.width, x, y, similar));
  while (!fill->pending.empty()) {
    FillSpan s = fill->pending.back();
    fill->pending.pop_back();
    // Spans on the first and the last row spread no further.
    if (s.y < 1 || s.y > canvas.height - 2) continue;
    ScanRow(fill, canvas, s, s.y - 1, similar);
    ScanRow(fill, canvas, s, s.y + 1, similar);
  }
  return 1;
}

int InFillArea(const FloodFill& fill, int x, int y) {
  if (x < 0 || y < 0 || x >= fill.width || y >= fill.height) return 0;
  return fill.mask[static_cast<size_t>(y + 1) * (fill.width + 2) + (x + 1)];
}

void PaintFillColour(const FloodFill& fill, PixelView* canvas, const ClipMask& clip, uint32_t colour) {
  PaintArea(fill, canvas, clip, fill.rect, [colour](int, int) { return colour; });
}

void PaintFillTexture(const FloodFill& fill, PixelView* canvas, const ClipMask& clip,
                      const PixelView& texture) {
  PaintArea(fill, canvas, clip, fill.rect, [&texture](int x, int y) {
    return ReadPixelColour(texture, x % texture.width, y % texture.height);
  });
}

ChangedRect PaintFillGradient(const FloodFill& fill, PixelView* canvas, const ClipMask& clip,
                              const GradientGesture& gesture) {
  ClipRect box = fill.rect;
  if (!clip.IsAll()) {
    ClipRect b = clip.Bounds();
    box = {std::max(box.left, b.left), std::max(box.top, b.top), std::min(box.right, b.right),
           std::min(box.bottom, b.bottom)};
    if (box.left >= box.right || box.top >= box.bottom) return {};
  }
  GradientFrame frame = MakeGradientFrame(gesture, box.left, box.top, box.right - 1, box.bottom - 1);
  PaintArea(fill, canvas, clip, box, [&frame, &gesture](int x, int y) {
    return GradientColour(gesture.foreground, gesture.background, GradientPosition(frame, x, y));
  });
  return Changed(box);
}

ChangedRect FillAtPoint(FloodFill* fill, PixelView* canvas, const ClipMask& clip, int x, int y,
                        uint32_t colour, const PixelView* texture) {
  if (!GrowFillArea(fill, *canvas, clip, x, y)) return {};
  if (HasPixels(texture))
    PaintFillTexture(*fill, canvas, clip, *texture);
  else
    PaintFillColour(*fill, canvas, clip, colour);
  return Changed(fill->rect);
}

ChangedRect GradientFill(FloodFill* fill, PixelView* canvas, const ClipMask& clip,
                         const GradientGesture& gesture) {
  if (!GrowFillArea(fill, *canvas, clip, gesture.x0, gesture.y0)) return {};
  return PaintFillGradient(*fill, canvas, clip, gesture);
}
