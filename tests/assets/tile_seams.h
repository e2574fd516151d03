// Whether a texture tile's opposite edges continue each other: laid side by side, the step from
// its last column to its first (and from its last row to its first) must look like the steps
// inside it. Two measures, each compared with the roughest boundary inside the tile:
// - hard steps: rows where two flat runs meet with a jump (drawn edges inside are anti-aliased,
//   so a seam through a flat area, like a brick whose halves differ, stands out);
// - the summed jump across the boundary (a seam through soft noise stands out this way).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

struct TileImage {
  int w = 0, h = 0, channels = 1;
  std::vector<uint8_t> v;  // rows top-down, `channels` bytes a pixel
  int At(int x, int y, int k) const {
    x = ((x % w) + w) % w;
    y = ((y % h) + h) % h;
    return v[(static_cast<size_t>(y) * w + x) * channels + k];
  }
  // The largest channel difference between two pixels.
  int Diff(int x0, int y0, int x1, int y1) const {
    int d = 0;
    for (int k = 0; k < channels; ++k) d = std::max(d, std::abs(At(x0, y0, k) - At(x1, y1, k)));
    return d;
  }
};

struct BoundaryRoughness {
  int hardSteps = 0;  // lines where flat runs meet with a jump above kHardStep
  int64_t jump = 0;   // summed largest-channel difference across the boundary
};

constexpr int kHardStep = 6, kFlat = 2;

// The boundary between column b and b + 1 (vertical) or row b and b + 1, wrapping at the edge.
inline BoundaryRoughness Roughness(const TileImage& t, int b, bool vertical) {
  BoundaryRoughness r;
  int along = vertical ? t.h : t.w;
  for (int i = 0; i < along; ++i) {
    auto d = [&](int a, int c) { return vertical ? t.Diff(a, i, c, i) : t.Diff(i, a, i, c); };
    int step = d(b, b + 1);
    r.jump += step;
    if (step > kHardStep && d(b - 1, b) <= kFlat && d(b + 1, b + 2) <= kFlat) ++r.hardSteps;
  }
  return r;
}

// Empty when the tile repeats without a seam; otherwise which edge shows one, and how.
inline std::string SeamReport(const TileImage& t) {
  std::string report;
  for (bool vertical : {true, false}) {
    int n = vertical ? t.w : t.h;
    BoundaryRoughness inner, edge = Roughness(t, n - 1, vertical);
    for (int b = 0; b + 1 < n; ++b) {
      BoundaryRoughness r = Roughness(t, b, vertical);
      inner.hardSteps = std::max(inner.hardSteps, r.hardSteps);
      inner.jump = std::max(inner.jump, r.jump);
    }
    const char* which = vertical ? "left/right" : "top/bottom";
    if (edge.hardSteps > inner.hardSteps)
      report += std::string(which) + " edges meet in " + std::to_string(edge.hardSteps) +
                " hard steps (inside at most " + std::to_string(inner.hardSteps) + "); ";
    if (edge.jump > inner.jump)
      report += std::string(which) + " edges jump by " + std::to_string(edge.jump) + " (inside at most " +
                std::to_string(inner.jump) + "); ";
  }
  return report;
}
