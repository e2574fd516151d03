// A 100-pixel stroke at the largest size (S = 52) in every dab mode, alone and inside a freehand
// selection; libmypaint laying the same number of dabs of the same radius on its own surface as a
// peer reference; a copy of the whole canvas as the floor.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

extern "C" {
#include <mypaint-fixed-tiled-surface.h>
#include <mypaint-surface.h>
}

#include "colvane/canvas/canvas_image.h"
#include "colvane/canvas/magic_stamp.h"
#include "colvane/canvas/stroke_walker.h"
#include "colvane/canvas/texture_files.h"

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

// args: drawing mode, textured (0/1), freehand selection (0/1)
void BM_Stroke(benchmark::State& st) {
  Studio& s = TheStudio();
  int mode = static_cast<int>(st.range(0));
  DabMasks masks;
  SetStrokeSize(&masks, kSize, mode);
  StrokeState state;
  StrokeTarget target;
  target.canvas = CanvasView(s.canvas);
  target.clip = st.range(2) ? &s.freehand : &s.whole;
  target.drawingMode = mode;
  target.foreground = 0x3050C0;
  target.background = 0xF0F0F0;
  target.texture = st.range(1) ? &s.texture : nullptr;
  target.areaPicture = &s.area;
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
