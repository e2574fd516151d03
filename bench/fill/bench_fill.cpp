// Speed of the flood fill and the picture effects on a 640 x 480 canvas, beside OpenCV's
// floodFill and filter2D doing the same work and a plain copy of the canvas. Each fill and effect
// is checked once against the bytes the plain per-pixel code gave.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

#include "colvane/canvas/effects.h"
#include "colvane/canvas/flood_fill.h"
#include "bench/support/output_check.h"

#ifdef COLVANE_HAVE_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace {

constexpr int kW = 640, kH = 480, kStride = 1920;
constexpr uint32_t kRed = 0x0000FF, kWhite = 0xFFFFFF, kBlack = 0;

struct Canvas {
  std::vector<uint8_t> bytes = std::vector<uint8_t>(static_cast<size_t>(kStride) * kH);
  PixelView view{bytes.data(), kW, kH, kStride};
  Canvas() = default;
  Canvas(const Canvas& o) : bytes(o.bytes) {}
  void Set(int x, int y, uint32_t c) {
    uint8_t* p = view.At(x, y);
    p[0] = BlueOf(c);
    p[1] = GreenOf(c);
    p[2] = RedOf(c);
  }
};

Canvas Uniform(uint32_t colour) {
  Canvas c;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) c.Set(x, y, colour);
  return c;
}

// A perfect maze over the whole canvas: passages `corridor` pixels wide between walls `wall`
// pixels wide. With 1 and 1 the fill must wind through every one-pixel corridor and dead end
// (the hardest case for any scanline fill); 6 and 2 is closer to a maze a child paints.
Canvas Maze(int corridor, int wall) {
  Canvas c = Uniform(kBlack);
  const int pitch = corridor + wall;
  const int cx = (kW - wall) / pitch, cy = (kH - wall) / pitch;
  auto open = [&c](int x0, int y0, int w, int h) {
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) c.Set(x, y, kWhite);
  };
  std::vector<uint8_t> seen(static_cast<size_t>(cx) * cy, 0);
  std::vector<std::pair<int, int>> stack{{0, 0}};
  std::mt19937 rng(1);
  seen[0] = 1;
  open(wall, wall, corridor, corridor);
  while (!stack.empty()) {
    auto [x, y] = stack.back();
    std::pair<int, int> next[4];
    int n = 0;
    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (auto& d : steps) {
      int nx = x + d[0], ny = y + d[1];
      if (nx >= 0 && ny >= 0 && nx < cx && ny < cy && !seen[static_cast<size_t>(ny) * cx + nx]) next[n++] = {nx, ny};
    }
    if (n == 0) {
      stack.pop_back();
      continue;
    }
    auto [nx, ny] = next[rng() % n];
    seen[static_cast<size_t>(ny) * cx + nx] = 1;
    // The cell and the gap in the wall between the two cells.
    open(wall + nx * pitch, wall + ny * pitch, corridor, corridor);
    open(wall + std::min(x, nx) * pitch, wall + std::min(y, ny) * pitch,
         nx != x ? pitch + corridor : corridor, ny != y ? pitch + corridor : corridor);
    stack.push_back({nx, ny});
  }
  return c;
}

Canvas Photo() {
  Canvas c;
  std::mt19937 rng(2);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) c.Set(x, y, MakeColour(static_cast<uint8_t>(x + (rng() & 15)), static_cast<uint8_t>(y), static_cast<uint8_t>(x ^ y)));
  return c;
}

ClipMask WholeCanvas() {
  ClipMask m;
  m.SetAll(kW, kH);
  return m;
}

void RequireCanvas(const char* what, const Canvas& c, uint64_t expected) {
  RequireOutput(what, c.bytes.data(), c.bytes.size(), expected);
}

// ---- the plain copy: the floor every whole-canvas pass is measured against ----

void BM_CanvasCopy(benchmark::State& state) {
  Canvas src = Photo(), dst;
  for (auto _ : state) {
    std::memcpy(dst.bytes.data(), src.bytes.data(), src.bytes.size());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CanvasCopy);

// ---- flood fill ----

// The whole canvas alternately red and white: the area stays the whole canvas, nothing to restore.
void BM_FillUniform(benchmark::State& state) {
  Canvas c = Uniform(kWhite);
  ClipMask clip = WholeCanvas();
  FillState fill;
  FillAtPoint(&fill, &c.view, clip, 320, 240, kRed, nullptr);
  RequireCanvas("uniform fill", c, 0x0b5c120d397bb383ull);
  int i = 0;
  for (auto _ : state) {
    FillAtPoint(&fill, &c.view, clip, 320, 240, (++i & 1) ? kRed : kWhite, nullptr);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FillUniform);

// The maze is restored before each fill (the rim changes the walls); the copy is in the time.
void BM_FillMaze(benchmark::State& state) {
  Canvas maze = Maze(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))), c = maze;
  ClipMask clip = WholeCanvas();
  FillState fill;
  FillAtPoint(&fill, &c.view, clip, static_cast<int>(state.range(1)), static_cast<int>(state.range(1)), kRed, nullptr);
  RequireCanvas("maze fill", c, state.range(0) == 1 ? 0xe93b2e7d75259966ull : 0xf544056fd7885f3full);
  for (auto _ : state) {
    std::memcpy(c.bytes.data(), maze.bytes.data(), maze.bytes.size());
    FillAtPoint(&fill, &c.view, clip, static_cast<int>(state.range(1)), static_cast<int>(state.range(1)), kRed, nullptr);
    benchmark::ClobberMemory();
  }
  int area = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) area += InFillArea(fill, x, y);
  state.counters["area"] = area;
}
BENCHMARK(BM_FillMaze)->Args({1, 1})->Args({6, 2});

#ifdef COLVANE_HAVE_OPENCV
// Same pixels as an OpenCV image (its rows run the other way, which changes nothing here).
cv::Mat AsMat(Canvas& c) { return cv::Mat(kH, kW, CV_8UC3, c.bytes.data(), kStride); }

// Fixed range of 32 in every channel around the seed, 4-connected: the same test as ours.
int OpenCvFill(cv::Mat& m, int x, int y, uint32_t colour) {
  return cv::floodFill(m, cv::Point(x, kH - 1 - y), cv::Scalar(BlueOf(colour), GreenOf(colour), RedOf(colour)), nullptr,
                cv::Scalar(32, 32, 32), cv::Scalar(32, 32, 32), 4 | cv::FLOODFILL_FIXED_RANGE);
}

// OpenCV runs on one thread, as the program does.
const int kOneThread = (cv::setNumThreads(1), 1);

void BM_OpenCvFillUniform(benchmark::State& state) {
  Canvas c = Uniform(kWhite);
  cv::Mat m = AsMat(c);
  int i = 0;
  for (auto _ : state) {
    OpenCvFill(m, 320, 240, (++i & 1) ? kRed : kWhite);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_OpenCvFillUniform);

void BM_OpenCvFillMaze(benchmark::State& state) {
  Canvas maze = Maze(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))), c = maze;
  cv::Mat m = AsMat(c);
  int area = 0;
  for (auto _ : state) {
    std::memcpy(c.bytes.data(), maze.bytes.data(), maze.bytes.size());
    area = OpenCvFill(m, static_cast<int>(state.range(1)), static_cast<int>(state.range(1)), kRed);
    benchmark::ClobberMemory();
  }
  state.counters["area"] = area;
}
BENCHMARK(BM_OpenCvFillMaze)->Args({1, 1})->Args({6, 2});
#endif

// ---- picture effects ----

void BM_Effect(benchmark::State& state) {
  Canvas snapshot = Photo(), canvas;
  ClipMask clip = WholeCanvas();
  int effect = static_cast<int>(state.range(0));
  // Blur, sharpen, emboss as the per-pixel 3 x 3 sums gave them.
  const uint64_t expected[4] = {0, 0x84ddadb672b6942dull, 0xa2739480bb088849ull, 0x80fe81a921c1f2ffull};
  ApplyPictureEffect(effect, &canvas.view, snapshot.view, clip);
  RequireCanvas("effect", canvas, expected[effect]);
  for (auto _ : state) {
    ApplyPictureEffect(effect, &canvas.view, snapshot.view, clip);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Effect)->Arg(kEffectBlur)->Arg(kEffectSharpen)->Arg(kEffectEmboss);

#ifdef COLVANE_HAVE_OPENCV
void BM_OpenCvFilter2D(benchmark::State& state) {
  Canvas snapshot = Photo(), canvas;
  cv::Mat src = AsMat(snapshot), dst = AsMat(canvas);
  int effect = static_cast<int>(state.range(0));
  cv::Mat kernel;
  double delta = 0;
  if (effect == kEffectBlur) {
    kernel = (cv::Mat_<float>(3, 3) << 10, 30, 10, 30, 96, 30, 10, 30, 10) / 256.0f;
  } else if (effect == kEffectSharpen) {
    kernel = (cv::Mat_<float>(3, 3) << 0, -1, 0, -1, 5, -1, 0, -1, 0);
  } else {
    kernel = (cv::Mat_<float>(3, 3) << -1, 0, 0, 0, 0, 0, 0, 0, 1);
    delta = 128;
  }
  for (auto _ : state) {
    cv::filter2D(src, dst, -1, kernel, cv::Point(-1, -1), delta, cv::BORDER_REPLICATE);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_OpenCvFilter2D)->Arg(kEffectBlur)->Arg(kEffectSharpen)->Arg(kEffectEmboss);
#endif

}  // namespace
