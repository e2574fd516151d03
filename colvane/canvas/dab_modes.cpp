// The dab of each freehand mode. Every mode walks the same visible cells of one mask, a row at a
// time; a painter per mode says what a row of weighted cells does to its pixels. All blends are
// in 128ths with integer maths:
//   new = (old * (128 - w) + paint * w) >> 7
// where a stroke texture first scales the weight: w = (grain * w) >> 7. Grain bytes run up to 255,
// so a scaled weight is capped at the full 128: past it the blend would overshoot the paint
// colour and wrap the byte.
#include "colvane/canvas/dab_modes.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "colvane/canvas/blend_row.h"
#include "colvane/canvas/marker_ink.h"
#include "colvane/canvas/texture_files.h"
#include "colvane/canvas/toothpaste_shading.h"

namespace {

#define DAB_GRAIN_INLINE inline __attribute__((always_inline))

// Dab centres further out than this are treated as off the canvas (keeps the maths in int).
constexpr double kFarAway = 1 << 24;

struct DabJob {
  const uint8_t* mask = nullptr;
  const DabSpan* spans = nullptr;
  int dim = 0;
  int left = 0, top = 0;          // canvas position of mask cell (0, 0)
  int r0 = 0, r1 = 0, c0 = 0, c1 = 0;  // cells that fall on the canvas
  int shift = 1;                  // mask weight >> shift is the dab weight
  PixelView canvas;
  const ClipMask* clip = nullptr;
  const uint8_t* grain = nullptr;  // the wide grain (rows of 128); null: no stroke texture
  int width = 0;                   // pixels in a canvas row
  bool maskSpare = false;          // 64 readable bytes follow the last mask
};

// One mask row's run of cells that lie on the canvas: its pixels, its weights (0 outside the
// clip), and where it lies.
struct DabRun {
  uint8_t* px;
  const uint8_t* w;
  int count;
  int y, x;   // canvas position of the first cell
  int r, c;   // mask position of the first cell
  int width;  // pixels in the canvas row
};

// The grain under `count` cells from column x on, wrapping at the 64-wide grain row: a pointer
// into the wide grain (two copies of each row side by side) when the run fits in 64, else a copy
// in `out`.
DAB_GRAIN_INLINE const uint8_t* GrainRun(const uint8_t* wide, int y, int x, int count, uint8_t* out) {
  const uint8_t* row = wide + (y & (kTextureSide - 1)) * 2 * kTextureSide;
  const int tx = x & (kTextureSide - 1);
  if (count <= kTextureSide) return row + tx;
  for (int i = 0; i < count;) {
    int t = (x + i) & (kTextureSide - 1);
    int n = std::min(kTextureSide - t, count - i);
    std::memcpy(out + i, row + t, static_cast<size_t>(n));
    i += n;
  }
  return out;
}

// The row loops are small and hot: inlined into each compiled variant.
#define DAB_INLINE inline __attribute__((always_inline))
#define DAB_INLINE_LAMBDA __attribute__((always_inline))

// Cell weight: w = min((grain · w) >> 7, 128), 0 outside the clip. Weights are at most 128 and
// grain bytes 255, so 16 bits hold every product.
template <bool kClip, bool kGrain>
DAB_INLINE uint8_t Weigh(uint8_t mask, int shift, const uint8_t* grain, const uint8_t* inside, int i) {
  uint16_t v = static_cast<uint16_t>(mask >> shift);
  if (kGrain) v = std::min<uint16_t>(static_cast<uint16_t>(grain[i] * v) >> 7, 128);
  if (kClip) v = inside[i] ? v : 0;
  return static_cast<uint8_t>(v);
}

// 64 ones then 64 zeros: kKeep + 64 - n keeps the first n of 64 bytes.
constexpr struct KeepBytes {
  uint8_t b[128];
  constexpr KeepBytes() : b() {
    for (int i = 0; i < 64; ++i) b[i] = 0xFF;
  }
} kKeep;

// Weighs each mask row's cells on the canvas and hands rows with any weight to the painter.
// A run of up to 64 cells is weighed as exactly 64 (cells past the run kept at 0), so the loop
// has a fixed length; that reads up to 64 bytes past the run in the mask (DabMasks keeps that
// many spare), the grain (two copies of its row) and the clip row (only where it has them).
// The job is copied into locals first: the byte stores into the canvas could alias anything
// read through a reference, which would then be read again for every row.
template <bool kClip, bool kGrain, class Painter>
DAB_INLINE void PaintRows(const DabJob& job, Painter& painter) {
  const DabJob j = job;
  uint8_t w[kMaxDabDim + 64], grainCopy[kMaxDabDim];
  const int shift = j.shift;
  const uint8_t* const clipRow0 = kClip ? j.clip->Row(0) : nullptr;
  const ptrdiff_t clipWidth = j.clip->Width();
  for (int r = j.r0; r < j.r1; ++r) {
    const DabSpan span = j.spans[r];
    const int cb = std::max<int>(j.c0, span.begin), ce = std::min<int>(j.c1, span.end);
    if (cb >= ce) continue;
    const int y = j.top + r, x = j.left + cb, n = ce - cb;
    const uint8_t* __restrict m = j.mask + r * j.dim + cb;
    const uint8_t* __restrict inside = kClip ? clipRow0 + y * clipWidth + x : nullptr;
    const uint8_t* __restrict grain = kGrain ? GrainRun(j.grain, y, x, n, grainCopy) : nullptr;
    uint8_t any = 0;
    if (n <= 64 && j.maskSpare && (!kClip || x + 64 <= clipWidth)) {
      const uint8_t* __restrict keep = kKeep.b + 64 - n;
      for (int i = 0; i < 64; ++i) {
        w[i] = Weigh<kClip, kGrain>(m[i] & keep[i], shift, grain, inside, i);
        any |= w[i];
      }
    } else {
      for (int i = 0; i < n; ++i) {
        w[i] = Weigh<kClip, kGrain>(m[i], shift, grain, inside, i);
        any |= w[i];
      }
    }
    if (any) painter.Row(DabRun{j.canvas.Row(y) + 3 * x, w, n, y, x, r, cb, j.width});
  }
}

template <class Painter>
DAB_INLINE void PaintAll(const DabJob& j, Painter& painter) {
  const bool clip = !j.clip->IsAll();
  if (j.grain)
    clip ? PaintRows<true, true>(j, painter) : PaintRows<false, true>(j, painter);
  else
    clip ? PaintRows<true, false>(j, painter) : PaintRows<false, false>(j, painter);
}

// Compiled for any processor and, where the compiler can, once more for AVX2; the choice is made
// at run time and both give the same bytes (COLVANE_BLEND_NO_AVX2 builds only the first).
template <class Painter>
void PaintPlain(const DabJob& j, Painter& painter) {
  PaintAll(j, painter);
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__)) && !defined(COLVANE_BLEND_NO_AVX2)
template <class Painter>
__attribute__((target("avx2"))) void PaintAvx2(const DabJob& j, Painter& painter) {
  PaintAll(j, painter);
}
template <class Painter>
void Paint(const DabJob& j, Painter& painter) {
  static const bool avx2 = __builtin_cpu_supports("avx2");
  avx2 ? PaintAvx2(j, painter) : PaintPlain(j, painter);
}
#else
template <class Painter>
void Paint(const DabJob& j, Painter& painter) {
  PaintPlain(j, painter);
}
#endif

// Every painter blends its run toward a row of colours; they differ in where the colours come
// from. With w = 128 a pixel takes the colour itself. The colour row sits between margins of
// kSlack bytes, so the blend may run on over whole 32-byte blocks.
constexpr int kSlack = 32;
struct BlendScratch {
  uint8_t colourBytes[kSlack + 3 * kMaxDabDim + kSlack];
  uint8_t spread[3 * kMaxDabDim + kSlack];
  uint8_t* Colours() { return colourBytes + kSlack; }
};

// Runs a byte operation px = op(px, colour byte, weight) over the run, its weights spread over
// each pixel's three bytes, in whole 32-byte blocks so the loop has no ragged end: the block
// window is widened with zero weights (for which every operation writes the byte back as it
// was) to the right, or to the left where the canvas row ends; a row too short for that takes
// the exact length.
template <class Op>
DAB_INLINE void RunBytes(const DabRun& run, const uint8_t* colours, uint8_t* __restrict wb, Op op) {
  const int bytes = 3 * run.count;
  int window = (bytes + 31) & ~31;
  const int after = 3 * (run.width - run.x);
  int lead = window > after ? window - after : 0;
  if (lead > 3 * run.x) {
    window = bytes;
    lead = 0;
  } else {
    std::memset(wb, 0, 32);
    std::memset(wb + window - 32, 0, 32);
  }
  const uint8_t* __restrict w = run.w;
  uint8_t* __restrict spread = wb + lead;
  for (int x = 0; x < run.count; ++x) {
    spread[3 * x] = w[x];
    spread[3 * x + 1] = w[x];
    spread[3 * x + 2] = w[x];
  }
  uint8_t* __restrict px = run.px - lead;
  const uint8_t* __restrict c = colours - lead;
  if (window == bytes) {
    for (int i = 0; i < bytes; ++i) px[i] = op(px[i], c[i], wb[i]);
    return;
  }
  for (int b = 0; b < window; b += 32)
    for (int i = b; i < b + 32; ++i) px[i] = op(px[i], c[i], wb[i]);
}

// The blend toward the colour (see BlendRowBody).
DAB_INLINE void BlendRun(const DabRun& run, const uint8_t* colours, uint8_t* __restrict wb) {
  RunBytes(run, colours, wb, [](uint8_t p, uint8_t c, uint8_t w) DAB_INLINE_LAMBDA {
    return static_cast<uint8_t>(p + (static_cast<int16_t>(w * (c - p)) >> 7));
  });
}

// One colour for the whole dab (pencil, brush, water brush, airbrush, soft eraser, small
// toothpaste): the colour row is laid out once.
struct ColourPainter {
  BlendScratch s;
  ColourPainter(uint32_t colour, int dim) {
    uint8_t* c = s.Colours();
    for (int i = 0; i < dim; ++i) {
      c[3 * i] = BlueOf(colour);
      c[3 * i + 1] = GreenOf(colour);
      c[3 * i + 2] = RedOf(colour);
    }
  }
  DAB_INLINE void Row(const DabRun& run) { BlendRun(run, s.Colours(), s.spread); }
};

// The area picture tiled from the canvas origin (picture eraser).
struct AreaPainter {
  BlendScratch s;
  const PixelView* area;
  DAB_INLINE void Row(const DabRun& run) {
    const uint8_t* row = area->Row(run.y % area->height);
    for (int i = 0; i < run.count;) {
      int tx = (run.x + i) % area->width;
      int n = std::min(area->width - tx, run.count - i);
      std::memcpy(s.Colours() + 3 * i, row + 3 * tx, static_cast<size_t>(n) * 3);
      i += n;
    }
    BlendRun(run, s.Colours(), s.spread);
  }
};

// Toothpaste above radius 5: each cell has its shaded colour (blue, green, red) from the cache.
struct ShadePainter {
  BlendScratch s;
  const uint8_t* cache;
  int dim;
  DAB_INLINE void Row(const DabRun& run) {
    std::memcpy(s.Colours(), cache + 3 * (static_cast<size_t>(run.r) * dim + run.c), static_cast<size_t>(run.count) * 3);
    BlendRun(run, s.Colours(), s.spread);
  }
};

// Marker ink multiplies the paper: with a = w / 512, each channel becomes
//   trunc(255 * (old / 255) * ((ink / 255) * a + 1 - a))
// so black stays black and crossing strokes keep darkening. Where its integer form gives the
// table's bytes for this ink, the rows run on vectors (the colour row holds 255 - ink);
// otherwise each byte is looked up by weight, channel and old byte.
struct MarkerPainter {
  BlendScratch s;
  const uint8_t* table;
  bool arithmetic;
  MarkerPainter(const StrokeState& state, int dim)
      : table(state.markerTable.data()), arithmetic(state.markerArithmetic) {
    const uint32_t ink = state.markerInk;
    uint8_t* c = s.Colours();
    for (int i = 0; i < dim; ++i) {
      c[3 * i] = static_cast<uint8_t>(255 - BlueOf(ink));
      c[3 * i + 1] = static_cast<uint8_t>(255 - GreenOf(ink));
      c[3 * i + 2] = static_cast<uint8_t>(255 - RedOf(ink));
    }
  }
  DAB_INLINE void Row(const DabRun& run) {
    if (arithmetic) {
      RunBytes(run, s.Colours(), s.spread, [](uint8_t p, uint8_t d, uint8_t w) DAB_INLINE_LAMBDA {
        return MarkerByte(p, static_cast<uint16_t>(w * d));
      });
      return;
    }
    MarkerRowByTable(table, run.w, run.px, run.count);
  }
};

// Fills the toothpaste colour of every cell for a dab whose cell (0, 0) lies at (left, top) and
// whose exact centre is (x, y); the following dabs of the walk reuse it.
void FillShadeCache(StrokeState* state, const DabMasks& masks, uint32_t colour, int left, int top,
                    double x, double y) {
  HueAndSaturation(colour, &state->hue, &state->saturation);
  int dim = masks.dim;
  state->shadeCache.resize(static_cast<size_t>(dim) * dim * 3);
  uint8_t* cell = state->shadeCache.data();
  for (int r = 0; r < dim; ++r)
    for (int c = 0; c < dim; ++c, cell += 3) {
      uint32_t shade = ShadeToothpaste(left + c - x, top + r - y, masks.radius, state->hue, state->saturation);
      cell[0] = BlueOf(shade);
      cell[1] = GreenOf(shade);
      cell[2] = RedOf(shade);
    }
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
  if (shaded && (state->firstDab || state->shadeCache.size() != 3 * cells))
    FillShadeCache(state, masks, colour, j.left, j.top, x, y);

  int width = std::min(canvas.width, target.clip->Width());
  int height = std::min(canvas.height, target.clip->Height());
  j.width = canvas.width;
  j.maskSpare = masks.weights.size() >= 64 * cells + kMaskSpare;
  j.c0 = std::max(0, -j.left);
  j.c1 = std::min(j.dim, width - j.left);
  j.r0 = std::max(0, -j.top);
  j.r1 = std::min(j.dim, height - j.top);
  state->firstDab = 0;
  if (j.c0 >= j.c1 || j.r0 >= j.r1) return;

  const StrokeTexture* texture = target.texture;
  const uint8_t* grain = (texture && texture->on) ? texture->wide : nullptr;
  switch (mode) {
    case kModeMarker: {
      const int maxWeight = 128 >> j.shift;
      if (state->markerTable.empty() || state->markerInk != colour || state->markerMaxWeight != maxWeight)
        FillMarkerTable(state, colour, maxWeight);
      MarkerPainter painter(*state, j.dim);
      Paint(j, painter);
      break;
    }
    case kModeToothpaste:
      if (shaded) {
        ShadePainter painter;
        painter.cache = state->shadeCache.data();
        painter.dim = j.dim;
        Paint(j, painter);
      } else {
        ColourPainter painter(colour, j.dim);
        Paint(j, painter);
      }
      break;
    case kModePictureEraser: {
      const PixelView* area = target.areaPicture;
      if (!area || !area->bits || area->width <= 0 || area->height <= 0) break;
      j.grain = grain;
      AreaPainter painter;
      painter.area = area;
      Paint(j, painter);
      break;
    }
    default: {
      j.grain = grain;
      ColourPainter painter(colour, j.dim);
      Paint(j, painter);
      break;
    }
  }
}
