// One picture saved the way the program saves it: temporary file, flush to the disk, move over
// the old picture. The child waits for this when leaving a picture.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "colvane/canvas/canvas_image.h"
#include "colvane/files/picture_file.h"

static void BM_SavePictureWithFlush(benchmark::State& state) {
  CanvasImage canvas;
  MakeBlankPage(&canvas);
  char pattern[] = "/tmp/colvane-bench-XXXXXX";
  const std::string path = std::string(mkdtemp(pattern)) + "/Sample1.sam";
  for (auto _ : state) {
    canvas.canvasImage.Data()[100] ^= 1;
    benchmark::DoNotOptimize(
        WritePictureFile(PlatformPictureSeam(), path.c_str(), canvas.canvasImage.Data(), canvas.canvasImage.size));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kPictureFileSize));
}
BENCHMARK(BM_SavePictureWithFlush)->Unit(benchmark::kMillisecond);
