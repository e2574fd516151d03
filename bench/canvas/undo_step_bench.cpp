// What a change costs when undo keeps steps: closing it as a step (a stroke's band, the whole
// picture, nothing changed), one step back and forward; the one-step toggle's full copy as the peer.
#include <benchmark/benchmark.h>

#include <cstring>

#include "colvane/canvas/canvas_image.h"

namespace {

// A 40-pixel-high horizontal stroke from x = 100 to 500, a different grey each time.
void Stroke(CanvasImage* canvas, int n) {
  PixelView v = CanvasView(*canvas);
  for (int y = 200; y < 240; ++y) std::memset(v.At(100, y), n & 0xFF, 400 * 3);
}

void WholePicture(CanvasImage* canvas, int n) {
  std::memset(canvas->canvasImage.Data() + kBitmapHeaderSize, n & 0xFF, canvas->canvasImage.size - kBitmapHeaderSize);
}

void Change(benchmark::State& state, int steps, void (*paint)(CanvasImage*, int)) {
  CanvasImage canvas;
  OpenPictureBytes(&canvas, nullptr, 0);
  SetUndoStepLimit(&canvas, steps);
  int n = 0;
  for (auto _ : state) {
    if (paint) paint(&canvas, ++n);
    TakeUndoSnapshot(&canvas);
    benchmark::DoNotOptimize(canvas.history.bytes);
  }
}

void BM_ToggleSnapshotAfterStroke(benchmark::State& s) { Change(s, 1, Stroke); }
void BM_StepAfterStroke(benchmark::State& s) { Change(s, 20, Stroke); }
void BM_StepAfterWholePicture(benchmark::State& s) { Change(s, 20, WholePicture); }
void BM_StepAfterNothing(benchmark::State& s) { Change(s, 20, nullptr); }

void BM_StrokeBackAndForward(benchmark::State& state) {
  CanvasImage canvas;
  OpenPictureBytes(&canvas, nullptr, 0);
  SetUndoStepLimit(&canvas, 20);
  Stroke(&canvas, 1);
  for (auto _ : state) {
    UndoCanvas(&canvas);
    RedoCanvas(&canvas);
  }
}

BENCHMARK(BM_ToggleSnapshotAfterStroke);
BENCHMARK(BM_StepAfterStroke);
BENCHMARK(BM_StepAfterWholePicture);
BENCHMARK(BM_StepAfterNothing);
BENCHMARK(BM_StrokeBackAndForward);

}  // namespace
