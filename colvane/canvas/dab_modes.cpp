// The dab of each freehand mode. Every mode walks the same visible cells of one mask; a painter
// per mode says what a cell does to its pixel. All blends are in 128ths with integer maths:
//   new = (old * (128 - w) + paint * w) >> 7
// where a stroke texture first scales the weight: w = (grain * w) >> 7. Grain bytes run up to 255,
// so a scaled weight is capped at the full 128: past it the blend would overshoot the paint
// colour and wrap the byte.
#include "colvane/canvas/dab_modes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "colvane/canvas/texture_files.h"
#include "colvane/canvas/toothpaste_shading.h"

namespace {

// Dab centres further out than this are treated as off the canvas (keeps the maths in int).
constexpr double kFarAway = 1 << 24;

struct DabJob {
  const int32_t* mask = nullptr;
  const DabSpan* spans = nullptr;
  int dim = 0;
  int left = 0, top = 0;          // canvas position of mask cell (0, 0)
  int r0 = 0, r1 = 0, c0 = 0, c1 = 0;  // cells that fall on the canvas
  int shift = 1;                  // mask weight >> shift is the dab weight
  PixelView canvas;
  const ClipMask* clip = nullptr;
};

// Visits every cell that lies on the canvas, inside the clip, with a non-zero dab weight.
template <bool kClip, class Painter>
void PaintCells(const DabJob& j, Painter& painter) {
  for (int r = j.r0; r < j.r1; ++r) {
    const DabSpan span = j.spans[r];
    int cb = std::max<int>(j.c0, span.begin), ce = std::min<int>(j.c1, span.end);
    if (cb >= ce) continue;
    int y = j.top + r;
    const int32_t* weights = j.mask + r * j.dim;
    uint8_t* row = j.canvas.Row(y);
    const uint8_t* inside = kClip ? j.clip->Row(y) : nullptr;
    painter.BeginRow(y, r);
    for (int c = cb; c < ce; ++c) {
      int x = j.left + c;
      if (kClip && !inside[x]) continue;
      int w = weights[c] >> j.shift;
      if (w == 0) continue;
      painter.Pixel(row + 3 * x, w, x, c);
    }
  }
}

template <class Painter>
void Paint(const DabJob& j, Painter& painter) {
  if (j.clip->IsAll())
    PaintCells<false>(j, painter);
  else
    PaintCells<true>(j, painter);
}

inline void Blend(uint8_t* p, int w, int b, int g, int r) {
  p[0] = static_cast<uint8_t>((p[0] * (128 - w) + b * w) >> 7);
  p[1] = static_cast<uint8_t>((p[1] * (128 - w) + g * w) >> 7);
  p[2] = static_cast<uint8_t>((p[2] * (128 - w) + r * w) >> 7);
}

// One colour for the whole dab (pencil, brush, water brush, airbrush, soft eraser, small
// toothpaste), optionally grained. With w = 128 and no grain this is a plain copy.
template <bool kTexture>
struct ColourPainter {
  int b, g, r;
  const uint8_t* grain;
  const uint8_t* grainRow = nullptr;
  void BeginRow(int y, int) {
    if (kTexture) grainRow = grain + (y & 63) * kTextureSide;
  }
  void Pixel(uint8_t* p, int w, int x, int) {
    if (kTexture) w = std::min((grainRow[x & 63] * w) >> 7, 128);
    Blend(p, w, b, g, r);
  }
};

// The area picture tiled from the canvas origin (picture eraser), optionally grained.
template <bool kTexture>
struct AreaPainter {
  const PixelView* area;
  const uint8_t* grain;
  const int* columnOffset;  // 3 * ((left + c) mod area width), per mask column
  const uint8_t* areaRow = nullptr;
  const uint8_t* grainRow = nullptr;
  void BeginRow(int y, int) {
    areaRow = area->Row(y % area->height);
    if (kTexture) grainRow = grain + (y & 63) * kTextureSide;
  }
  void Pixel(uint8_t* p, int w, int x, int c) {
    if (kTexture) w = std::min((grainRow[x & 63] * w) >> 7, 128);
    const uint8_t* a = areaRow + columnOffset[c];
    Blend(p, w, a[0], a[1], a[2]);
  }
};

// Toothpaste above radius 5: each cell has its shaded colour from the cache; never grained.
struct ShadePainter {
  const uint32_t* cache;
  int dim;
  const uint32_t* cacheRow = nullptr;
  void BeginRow(int, int r) { cacheRow = cache + static_cast<size_t>(r) * dim; }
  void Pixel(uint8_t* p, int w, int, int c) {
    uint32_t colour = cacheRow[c];
    Blend(p, w, BlueOf(colour), GreenOf(colour), RedOf(colour));
  }
};

// Marker ink multiplies the paper: with a = w / 512, each channel becomes
//   trunc(255 * (old / 255) * ((ink / 255) * a + 1 - a))
// so black stays black and crossing strokes keep darkening. Never grained.
struct MarkerPainter {
  double factor[129][3];  // per dab weight: blue, green, red factors
  const double* over255;
  void BeginRow(int, int) {}
  void Pixel(uint8_t* p, int w, int, int) {
    const double* f = factor[w];
    for (int k = 0; k < 3; ++k) p[k] = static_cast<uint8_t>(255.0 * over255[p[k]] * f[k]);
  }
};

const double* Over255Table() {
  static const std::array<double, 256> table = [] {
    std::array<double, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = i / 255.0;
    return t;
  }();
  return table.data();
}

void PaintMarker(const DabJob& j, uint32_t ink) {
  MarkerPainter painter;
  double inkBgr[3] = {BlueOf(ink) / 255.0, GreenOf(ink) / 255.0, RedOf(ink) / 255.0};
  int maxWeight = 128 >> j.shift;
  for (int w = 0; w <= maxWeight; ++w) {
    double a = w * 0.001953125;
    for (int k = 0; k < 3; ++k) painter.factor[w][k] = inkBgr[k] * a + 1 - a;
  }
  painter.over255 = Over255Table();
  Paint(j, painter);
}

void PaintColour(const DabJob& j, uint32_t colour, const uint8_t* grain) {
  if (grain) {
    ColourPainter<true> painter{BlueOf(colour), GreenOf(colour), RedOf(colour), grain};
    Paint(j, painter);
  } else {
    ColourPainter<false> painter{BlueOf(colour), GreenOf(colour), RedOf(colour), nullptr};
    Paint(j, painter);
  }
}

void PaintArea(const DabJob& j, const PixelView& area, const uint8_t* grain) {
  if (!area.bits || area.width <= 0 || area.height <= 0) return;
  int columnOffset[kMaxDabDim];
  for (int c = j.c0; c < j.c1; ++c) columnOffset[c] = 3 * ((j.left + c) % area.width);
  if (grain) {
    AreaPainter<true> painter{&area, grain, columnOffset};
    Paint(j, painter);
  } else {
    AreaPainter<false> painter{&area, nullptr, columnOffset};
    Paint(j, painter);
  }
}

// Fills the toothpaste colour of every cell for a dab whose cell (0, 0) lies at (left, top) and
// whose exact centre is (x, y); the following dabs of the walk reuse it.
void FillShadeCache(StrokeState* state, const DabMasks& masks, uint32_t colour, int left, int top,
                    double x, double y) {
  HueAndSaturation(colour, &state->hue, &state->saturation);
  int dim = masks.dim;
  state->shadeCache.resize(static_cast<size_t>(dim) * dim);
  for (int r = 0; r < dim; ++r)
    for (int c = 0; c < dim; ++c)
      state->shadeCache[static_cast<size_t>(r) * dim + c] =
          ShadeToothpaste(left + c - x, top + r - y, masks.radius, state->hue, state->saturation);
}

}  // namespace

void Dab(StrokeState* state, const DabMasks& masks, const StrokeTarget& target, double x, double y) {
  const int mode = target.drawingMode;
  const PixelView& canvas = target.canvas;
  bool drawable = !masks.weights.empty() && canvas.bits && target.clip && std::isfinite(x) &&
                  std::isfinite(y) && std::fabs(x) < kFarAway && std::fabs(y) < kFarAway;
  if (!drawable) {
    state->firstDab = 0;
    return;
  }

  // Paint colour: the water brush picks up the pixel under its centre before changing anything;
  // a centre off the canvas picks up nothing and the dab is skipped.
  uint32_t colour = target.foreground;
  if (mode == kModeWaterBrush) {
    int cx = static_cast<int>(x), cy = static_cast<int>(y);
    if (!canvas.Inside(cx, cy)) {
      state->firstDab = 0;
      return;
    }
    const uint8_t* p = canvas.At(cx, cy);
    colour = MakeColour(p[2], p[1], p[0]);
  } else if (mode == kModeSoftEraser) {
    colour = target.background;
  }

  double fx = std::floor(x), fy = std::floor(y);
  DabJob j;
  j.dim = masks.dim;
  j.left = static_cast<int>(fx) - masks.margin - 1;
  j.top = static_cast<int>(fy) - masks.margin - 1;
  int px = std::clamp(static_cast<int>((x - fx) * 8), 0, 7);
  int py = std::clamp(static_cast<int>((y - fy) * 8), 0, 7);
  j.mask = DabMask(masks, px + 8 * py);
  j.spans = DabSpans(masks, px + 8 * py);
  j.shift = mode == kModePencil ? 0 : (mode == kModeAirbrush ? 3 : 1);
  j.canvas = canvas;
  j.clip = target.clip;

  bool shaded = mode == kModeToothpaste && masks.radius > 5.0;
  size_t cells = static_cast<size_t>(j.dim) * j.dim;
  if (shaded && (state->firstDab || state->shadeCache.size() != cells))
    FillShadeCache(state, masks, colour, j.left, j.top, x, y);

  int width = std::min(canvas.width, target.clip->Width());
  int height = std::min(canvas.height, target.clip->Height());
  j.c0 = std::max(0, -j.left);
  j.c1 = std::min(j.dim, width - j.left);
  j.r0 = std::max(0, -j.top);
  j.r1 = std::min(j.dim, height - j.top);
  state->firstDab = 0;
  if (j.c0 >= j.c1 || j.r0 >= j.r1) return;

  const StrokeTexture* texture = target.texture;
  const uint8_t* grain = (texture && texture->on) ? texture->grain : nullptr;
  switch (mode) {
    case kModeMarker:
      PaintMarker(j, colour);
      break;
    case kModeToothpaste:
      if (shaded) {
        ShadePainter painter{state->shadeCache.data(), j.dim};
        Paint(j, painter);
      } else {
        PaintColour(j, colour, nullptr);
      }
      break;
    case kModePictureEraser:
      if (target.areaPicture) PaintArea(j, *target.areaPicture, grain);
      break;
    default:
      PaintColour(j, colour, grain);
      break;
  }
}
