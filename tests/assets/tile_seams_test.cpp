// The seam measure on hand-made tiles: a ramp that jumps back at the edge, a brick across the
// edge whose two halves differ, and the same brick whole.
#include "tests/assets/tile_seams.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TileImage Grey(int w, int h, int (*value)(int x, int y)) {
  TileImage t;
  t.w = w, t.h = h, t.channels = 1;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) t.v.push_back(static_cast<uint8_t>(value(x, y)));
  return t;
}

// A 64 x 64 wall: mortar 200, one brick in rows 20..40 across the left/right edge with its
// columns 56..63 at `right` and 0..7 at `left`; its rim pixels are half mortar (anti-aliased).
TileImage Wall(int left, int right) {
  TileImage t;
  t.w = t.h = 64, t.channels = 3;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      int v = 200;
      bool rows = y >= 20 && y <= 40, rim = y == 19 || y == 41;
      int shade = x >= 56 ? right : left;
      if ((x >= 56 || x <= 7) && rows) v = shade;
      if ((x >= 56 || x <= 7) && rim) v = (shade + 200) / 2;
      if ((x == 55 || x == 8) && (rows || rim)) v = (shade + 200) / 2;
      for (int k = 0; k < 3; ++k) t.v.push_back(static_cast<uint8_t>(v));
    }
  return t;
}

TEST(TileSeams, ARampJumpsBackAtItsEdge) {
  TileImage ramp = Grey(64, 64, [](int x, int) { return x * 4; });
  std::string report = SeamReport(ramp);
  EXPECT_NE(report.find("left/right edges jump"), std::string::npos) << report;
  EXPECT_EQ(report.find("top/bottom"), std::string::npos) << report;
  TileImage wave = Grey(64, 64, [](int x, int y) {
    return static_cast<int>(128 + 100 * std::sin(x * M_PI / 32) * std::cos(y * M_PI / 16));
  });
  EXPECT_EQ("", SeamReport(wave));
}

TEST(TileSeams, ABrickWhoseHalvesDifferShowsASeam) {
  std::string report = SeamReport(Wall(150, 120));
  EXPECT_NE(report.find("left/right edges meet in 23 hard steps"), std::string::npos) << report;
  EXPECT_EQ(report.find("top/bottom"), std::string::npos) << report;
  EXPECT_EQ("", SeamReport(Wall(150, 150)));
}

}  // namespace
