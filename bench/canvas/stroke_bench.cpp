// A 100-pixel stroke at the largest size (S = 52) in every dab mode, alone and inside a freehand
// selection; libmypaint laying the same number of dabs of the same radius on its own surface as a
// peer reference; a copy of the whole canvas as the floor. Each stroke's bytes are checked once
// against those the plain per-pixel dabs gave.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <tuple>
#include <vector>

extern "C" {
#include <mypaint-fixed-tiled-surface.h>
#include <mypaint-surface.h>
}

#include "colvane/canvas/canvas_image.h"
#include "colvane/canvas/magic_stamp.h"
#include "colvane/canvas/stroke_walker.h"
#include "colvane/canvas/texture_files.h"
#include "bench/support/output_check.h"

namespace {

constexpr int kSize = 52;
constexpr int kStartX = 250, kEndX = 350, kY = 200;

// The rectangles GDI gives for a freehand polygon: one per scan line (even-odd spans of a wobbly
// closed outline around the middle of the canvas), so the mask is built the way the program
// builds it.
std::vector<ClipRect> FreehandRects() {
  std::vector<std::pair<double, double>> outline;
  for (int i = 0; i < 90; ++i) {
    double a = i * 2 * M_PI / 90;
    double r = 140 + 25 * std::sin(5 * a) + 10 * std::cos(11 * a);
    outline.push_back({300 + 1.4 * r * std::cos(a), 200 + r * std::sin(a)});
  }
  std::vector<ClipRect> rects;
  for (int y = 0; y < 480; ++y) {
    std::vector<double> xs;
    double sy = y + 0.5;
    for (size_t i = 0; i < outline.size(); ++i) {
      auto [x0, y0] = outline[i];
      auto [x1, y1] = outline[(i + 1) % outline.size()];
      if ((y0 <= sy) != (y1 <= sy)) xs.push_back(x0 + (sy - y0) * (x1 - x0) / (y1 - y0));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2)
      rects.push_back({static_cast<int>(std::lround(xs[i])), y, static_cast<int>(std::lround(xs[i + 1])), y + 1});
  }
  return rects;
}

struct Studio {
  CanvasImage canvas;
  ClipMask whole, freehand;
  StrokeTexture texture;
  Block areaBlock;
  PixelView area;
  MagicStamp stamp;

  Studio() {
    OpenPictureBytes(&canvas, nullptr, 0);
    whole.SetAll(640, 480);
    freehand.SetRects(640, 480, FreehandRects());
    std::vector<uint8_t> grain(kTextureBytes);
    for (size_t i = 0; i < grain.size(); ++i) grain[i] = static_cast<uint8_t>(40 + (i * 2654435761u >> 24) % 88);
    LoadTextureBytes(&texture, grain.data(), grain.size());
    AllocatePicture24(&areaBlock, 97, 61);
    area = Picture24View(areaBlock);
    for (int y = 0; y < area.height; ++y)
      for (int x = 0; x < area.width * 3; ++x) area.Row(y)[x] = static_cast<uint8_t>(x * 5 + y * 3);
    std::vector<uint8_t> frames(3 * kStampFrameBytes);
    for (size_t i = 0; i < frames.size(); ++i) frames[i] = static_cast<uint8_t>(i * 7);
    LoadStampBytes(&stamp, frames.data(), frames.size());
  }
};

Studio& TheStudio() {
  static Studio studio;
  return studio;
}

StrokeTarget MakeTarget(Studio& s, const CanvasImage& canvas, int mode, bool textured, bool freehand) {
  StrokeTarget target;
  target.canvas = CanvasView(canvas);
  target.clip = freehand ? &s.freehand : &s.whole;
  target.drawingMode = mode;
  target.foreground = 0x3050C0;
  target.background = 0xF0F0F0;
  target.texture = textured ? &s.texture : nullptr;
  target.areaPicture = &s.area;
  return target;
}

// Hash of a patterned canvas after the benchmark's stroke, a slanted one across it and one
// running off the bottom-left corner, as the per-pixel dabs painted it.
struct StrokeHash {
  int mode, textured, freehand;
  uint64_t hash;
};
constexpr StrokeHash kStrokeHashes[] = {
    {kModePencil, 1, 0, 0x6b941f1ed1019803ull},
    {kModePencil, 1, 1, 0x712b9fe47bd4cadaull},
    {kModeBrush, 1, 0, 0x64b702898bd4e79cull},
    {kModeBrush, 0, 0, 0x1d5c3773db56a973ull},
    {kModeBrush, 1, 1, 0x0aa9f2dd6a46fb4cull},
    {kModeBrush, 0, 1, 0x46af7e31777d66ddull},
    {kModeWaterBrush, 1, 0, 0xf3713925b73abddaull},
    {kModeWaterBrush, 1, 1, 0x65d7cfb8fcb29fe5ull},
    {kModeMarker, 0, 0, 0x36df3e63fe5fe88aull},
    {kModeMarker, 0, 1, 0x7f49bd94446aa3edull},
    {kModeToothpaste, 0, 0, 0x7c65a44b6615a2d5ull},
    {kModeToothpaste, 0, 1, 0xa7cdd47afa28f92aull},
    {kModeAirbrush, 1, 0, 0x5b0544cc904dcda0ull},
    {kModeAirbrush, 1, 1, 0x1dabb3db46751ae6ull},
    {kModeSoftEraser, 1, 0, 0xdb76cac72227186eull},
    {kModeSoftEraser, 1, 1, 0xbac4cf020d931625ull},
    {kModePictureEraser, 1, 0, 0xa2f96a8361db04d2ull},
    {kModePictureEraser, 1, 1, 0x1d863ac19fe6d77dull},
};

void CheckStrokeOnce(Studio& s, const DabMasks& masks, int mode, bool textured, bool freehand) {
  static std::set<std::tuple<int, bool, bool>> checked;
  if (!checked.insert({mode, textured, freehand}).second) return;
  CanvasImage canvas;
  OpenPictureBytes(&canvas, nullptr, 0);
  PixelView view = CanvasView(canvas);
  for (int y = 0; y < view.height; ++y)
    for (int x = 0; x < view.width * 3; ++x) view.Row(y)[x] = static_cast<uint8_t>(x * 7 + y * 13 + (x * y >> 5));
  StrokeTarget target = MakeTarget(s, canvas, mode, textured, freehand);
  StrokeState state;
  const int strokes[3][4] = {{kStartX, kY, kEndX, kY}, {200, 120, 420, 300}, {40, 430, -20, 500}};
  for (const auto& k : strokes) {
    BeginStroke(&state, masks, target, k[0], k[1]);
    ContinueStroke(&state, masks, target, k[2], k[3]);
  }
  uint64_t expected = 0;
  for (const StrokeHash& h : kStrokeHashes)
    if (h.mode == mode && h.textured == textured && h.freehand == freehand) expected = h.hash;
  RequireOutput("stroke", view.bits, static_cast<size_t>(view.stride) * view.height, expected);
  ReleaseCanvasImage(&canvas);
}

// args: drawing mode, textured (0/1), freehand selection (0/1)
void BM_Stroke(benchmark::State& st) {
  Studio& s = TheStudio();
  int mode = static_cast<int>(st.range(0));
  DabMasks masks;
  SetStrokeSize(&masks, kSize, mode);
  CheckStrokeOnce(s, masks, mode, st.range(1) != 0, st.range(2) != 0);
  StrokeState state;
  StrokeTarget target = MakeTarget(s, s.canvas, mode, st.range(1) != 0, st.range(2) != 0);
  int dabs = 0;
  for (auto _ : st) {
    BeginStroke(&state, masks, target, kStartX, kY);
    ChangedRect r = ContinueStroke(&state, masks, target, kEndX, kY);
    benchmark::DoNotOptimize(r);
  }
  dabs = 1 + static_cast<int>(100 / masks.spacing);
  st.counters["dabs"] = dabs;
}

void StrokeArgs(benchmark::internal::Benchmark* b) {
  for (int mode : {kModePencil, kModeBrush, kModeWaterBrush, kModeMarker, kModeToothpaste, kModeAirbrush,
                   kModeSoftEraser, kModePictureEraser}) {
    bool grained = mode != kModeMarker && mode != kModeToothpaste;
    for (int clip : {0, 1}) {
      if (grained) b->Args({mode, 1, clip});
      if (mode == kModeBrush || !grained) b->Args({mode, 0, clip});
    }
  }
  b->ArgNames({"mode", "texture", "freehand"});
  b->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_Stroke)->Apply(StrokeArgs);

// The magic stamp dragged over the same 100 pixels: one frame per 6.5 pixels, as many as dabs.
void BM_MagicStampDrag(benchmark::State& st) {
  Studio& s = TheStudio();
  const ClipMask& clip = st.range(0) ? s.freehand : s.whole;
  for (auto _ : st)
    for (int i = 0; i < 16; ++i) PaintMagicStamp(&s.stamp, CanvasView(s.canvas), clip, kStartX - 64 + i * 6, kY - 64, nullptr);
}
BENCHMARK(BM_MagicStampDrag)->Arg(0)->Arg(1)->ArgName("freehand")->Unit(benchmark::kMicrosecond);

// Building the 64 masks when a tool or size is chosen.
void BM_SetStrokeSize(benchmark::State& st) {
  DabMasks masks;
  for (auto _ : st) SetStrokeSize(&masks, kSize, kModeBrush);
}
BENCHMARK(BM_SetStrokeSize)->Unit(benchmark::kMicrosecond);

// libmypaint laying the brush's 16 dabs (radius 26, a third of it soft, half opacity) along the
// same 100 pixels of a 640 x 480 surface, rendered at the end of the stroke.
void BM_LibMyPaintDabs(benchmark::State& st) {
  MyPaintFixedTiledSurface* surface = mypaint_fixed_tiled_surface_new(640, 480);
  MyPaintSurface* s = mypaint_fixed_tiled_surface_interface(surface);
  int dabs = static_cast<int>(st.range(0));
  double spacing = 100.0 / (dabs - 1);
  for (auto _ : st) {
    mypaint_surface_begin_atomic(s);
    for (int i = 0; i < dabs; ++i)
      mypaint_surface_draw_dab(s, kStartX + i * spacing, kY, kSize / 2.0f, 0.19f, 0.31f, 0.75f, 0.5f, 0.67f, 1.0f,
                               1.0f, 0.0f, 0.0f, 0.0f);
    MyPaintRectangle roi;
    mypaint_surface_end_atomic(s, &roi);
    benchmark::DoNotOptimize(roi);
  }
  mypaint_surface_unref(s);
}
BENCHMARK(BM_LibMyPaintDabs)->Arg(16)->Arg(31)->ArgName("dabs")->Unit(benchmark::kMicrosecond);

// The floor: one copy of the whole canvas (what an undo snapshot costs).
void BM_CanvasCopy(benchmark::State& st) {
  Studio& s = TheStudio();
  std::vector<uint8_t> copy(s.canvas.canvasImage.size);
  for (auto _ : st) {
    std::memcpy(copy.data(), s.canvas.canvasImage.Data(), copy.size());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CanvasCopy)->Unit(benchmark::kMicrosecond);

}  // namespace
