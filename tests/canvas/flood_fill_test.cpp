// Flood fill: the area grown from a seed, the rim, the texture and the gradients.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <deque>
#include <random>

#include "colvane/canvas/flood_fill.h"
#include "tests/canvas/paint_test_support.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0, kRed = 0x0000FF;
const uint32_t kFg = MakeColour(250, 10, 100), kBg = MakeColour(0, 200, 30);
const int kSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

// Rows written as strings: '#' black, anything else white.
TestCanvas FromRows(const std::vector<const char*>& rows) {
  TestCanvas c(static_cast<int>(strlen(rows[0])), static_cast<int>(rows.size()));
  for (int y = 0; y < c.view.height; ++y)
    for (int x = 0; x < c.view.width; ++x)
      if (rows[y][x] == '#') c.Set(x, y, kBlack);
  return c;
}

// (old·(128 − w) + fill·w) >> 7, and trunc(bg·t + fg·(1 − t)), per channel.
uint32_t Blend(uint32_t old, uint32_t fill, int w) {
  auto ch = [w](int o, int f) { return static_cast<uint8_t>((o * (128 - w) + f * w) >> 7); };
  return MakeColour(ch(RedOf(old), RedOf(fill)), ch(GreenOf(old), GreenOf(fill)), ch(BlueOf(old), BlueOf(fill)));
}
uint32_t Mix(double t) {
  auto ch = [t](int f, int b) { return static_cast<uint8_t>(static_cast<int>(b * t + f * (1 - t))); };
  return MakeColour(ch(RedOf(kFg), RedOf(kBg)), ch(GreenOf(kFg), GreenOf(kBg)), ch(BlueOf(kFg), BlueOf(kBg)));
}

void ExpectArea(const FillState& fill, const TestCanvas& c, uint32_t inside) {
  for (int y = 0; y < c.view.height; ++y)
    for (int x = 0; x < c.view.width; ++x)
      ASSERT_EQ(InFillArea(fill, x, y), c.Get(x, y) == inside ? 1 : 0) << x << "," << y;
}

TEST(FloodFill, OneColourCanvasTakesTheColourEverywhere) {
  TestCanvas c(40, 30, Grey(128));
  FillState fill;
  ChangedRect r = FillAtPoint(&fill, &c.view, c.all, 17, 11, kRed, nullptr);
  EXPECT_EQ(r.right, 39);
  EXPECT_EQ(r.bottom, 29);
  EXPECT_TRUE(c.Changed(kRed).empty());
}

TEST(FloodFill, FirstAndLastRowsSpreadNoFurther) {
  TestCanvas c = FromRows({"....#...", "........", "........", "...#...."});
  FillState fill;
  FillAtPoint(&fill, &c.view, c.all, 1, 0, kRed, nullptr);  // only x 0..3 of row 0
  FillAtPoint(&fill, &c.view, c.all, 6, 3, kRed, nullptr);  // only x 4..7 of row 3
  EXPECT_EQ(c.Changed(kWhite), (std::vector<std::string>{"0,0", "1,0", "2,0", "3,0", "4,0", "3,3", "4,3",
                                                          "5,3", "6,3", "7,3"}));
  // From row 1 the fill reaches row 0, whose span does not come back down past the wall.
  TestCanvas d = FromRows({"........", "...#....", "########", "........"});
  ASSERT_EQ(GrowFillArea(&fill, d.view, d.all, 1, 1), 1);
  for (int x = 0; x < 8; ++x) {
    EXPECT_TRUE(InFillArea(fill, x, 0)) << x;
    EXPECT_EQ(InFillArea(fill, x, 1), x < 3) << x;
  }
}

TEST(FloodFill, EveryToothOfACombIsReachedFromItsBar) {
  // One-pixel teeth one pixel apart, each touching only the bar: a scan that skips a pixel
  // loses a tooth. The bar above fills the teeth downward, the bar below upward.
  for (int barBelow = 0; barBelow < 2; ++barBelow) {
    std::vector<const char*> rows = {"##########################################",
                                     "..........................................",
                                     ".#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#",
                                     ".#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#",
                                     "##########################################"};
    if (barBelow) std::swap(rows[1], rows[3]);
    TestCanvas c = FromRows(rows);
    FillState fill;
    ASSERT_EQ(GrowFillArea(&fill, c.view, c.all, 20, barBelow ? 3 : 1), 1);
    ExpectArea(fill, c, kWhite);
  }
}

TEST(FloodFill, ToleranceIs32PerChannel) {
  // A ring 32 away from the inside in every channel leaks; 33 in one channel holds.
  for (uint32_t ring : {Grey(223), MakeColour(222, 255, 255)}) {
    TestCanvas c(9, 9);
    for (int i = 2; i <= 6; ++i) c.Set(i, 2, ring), c.Set(i, 6, ring), c.Set(2, i, ring), c.Set(6, i, ring);
    FillState fill;
    ASSERT_EQ(GrowFillArea(&fill, c.view, c.all, 4, 4), 1);
    EXPECT_EQ(InFillArea(fill, 0, 0), ring == Grey(223));
  }
}

TEST(FloodFill, RimTakesSixteenthsPerFilledNeighbour) {
  // (0, 0) lies in the area's box with 3 area neighbours: 48/128 of the colour; (6, 1) has 8
  // and takes it fully. Below the box nothing blends.
  TestCanvas c = FromRows({"#.......", "......#.", "........", "########", "........"});
  FillState fill;
  const uint32_t colour = MakeColour(200, 100, 50);
  EXPECT_EQ(FillAtPoint(&fill, &c.view, c.all, 3, 1, colour, nullptr).bottom, 2);
  EXPECT_EQ(c.Get(0, 0), Blend(kBlack, colour, 48));
  EXPECT_EQ(c.Get(6, 1), colour);
  EXPECT_EQ(c.Get(3, 3), kBlack);
  // A lone seed paints itself only: its box holds no rim pixel.
  TestCanvas lone = FromRows({"###", "#.#", "###"});
  FillAtPoint(&fill, &lone.view, lone.all, 1, 1, kRed, nullptr);
  EXPECT_EQ(lone.Changed(kBlack), std::vector<std::string>{"1,1"});
}

TEST(FloodFill, ClipLimitsWhatChangesNotTheArea) {
  TestCanvas c(12, 8);
  ClipMask clip;
  clip.SetRects(12, 8, {{2, 2, 6, 5}});
  FillState fill;
  EXPECT_FALSE(FillAtPoint(&fill, &c.view, clip, 7, 7, kRed, nullptr).changed);  // seed outside
  EXPECT_FALSE(FillAtPoint(&fill, &c.view, clip, -1, 3, kRed, nullptr).changed);
  EXPECT_EQ(FillAtPoint(&fill, &c.view, clip, 3, 3, kRed, nullptr).right, 11);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 12; ++x) ASSERT_EQ(c.Get(x, y), clip.Contains(x, y) ? kRed : kWhite) << x << "," << y;
}

TEST(FloodFill, TextureIsTiledFromTheCanvasOrigin) {
  TestCanvas texture(3, 2);
  for (int i = 0; i < 6; ++i) texture.Set(i % 3, i / 3, 0x010203u * (i + 1));
  TestCanvas c(7, 5);
  FillState fill;
  FillAtPoint(&fill, &c.view, c.all, 4, 2, kRed, &texture.view);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) ASSERT_EQ(c.Get(x, y), texture.Get(x % 3, y % 2)) << x << "," << y;
  PixelView missing;  // a texture that failed to load: the colour instead
  FillAtPoint(&fill, &c.view, c.all, 4, 2, kRed, &missing);
  EXPECT_EQ(c.Get(0, 0), kRed);
}

TEST(FloodFillGradient, ClickWithoutDragIsRadialFromThePress) {
  TestCanvas c(11, 11);
  FillState fill;
  GradientFill(&fill, &c.view, c.all, {5, 5, 5, 5, kFg, kBg});
  const double L = std::sqrt(50.0);  // to the farthest corner
  EXPECT_EQ(c.Get(5, 5), kFg);
  EXPECT_EQ(c.Get(0, 0), kBg);
  EXPECT_EQ(c.Get(3, 7), Mix(std::sqrt(8.0) / L));
}

TEST(FloodFillGradient, StraightDragsSpanTheAreaWhateverTheirLength) {
  for (int down = 0; down < 2; ++down) {
    TestCanvas c(6, 10);
    FillState fill;
    GradientFill(&fill, &c.view, c.all, down ? GradientGesture{2, 4, 2, 5, kFg, kBg} : GradientGesture{2, 5, 2, 1, kFg, kBg});
    for (int y = 0; y < 10; ++y) EXPECT_EQ(c.Get(5, y), Mix((down ? y : 9 - y) / 9.0)) << y;
  }
  TestCanvas c = FromRows({"##.##....", "##.##....", "##.##...."});
  FillState fill;
  GradientFill(&fill, &c.view, c.all, {2, 1, 7, 1, kFg, kBg});  // one column wide: L = 0
  for (int y = 0; y < 3; ++y) EXPECT_EQ(c.Get(2, y), kFg);
  GradientFill(&fill, &c.view, c.all, {7, 1, 6, 1, kFg, kBg});  // leftward over columns 5..8
  for (int x = 5; x < 9; ++x) EXPECT_EQ(c.Get(x, 0), Mix((8 - x) / 3.0)) << x;
}

TEST(FloodFillGradient, SlantedDragAndClipBox) {
  TestCanvas c(8, 6);
  FillState fill;
  GradientFill(&fill, &c.view, c.all, {1, 1, 3, 2, kFg, kBg});  // m = 0.5
  const double norm = std::sqrt(1.25), L = 9.5 / norm;
  EXPECT_EQ(c.Get(0, 0), kFg);
  EXPECT_EQ(c.Get(7, 5), kBg);
  EXPECT_EQ(c.Get(2, 2), Mix(3 / norm / L));
  // With a clip the gradient spans the clip's box only.
  TestCanvas d(20, 4);
  ClipMask clip;
  clip.SetRects(20, 4, {{5, 0, 15, 4}});
  ChangedRect r = GradientFill(&fill, &d.view, clip, {6, 1, 9, 1, kFg, kBg});
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.right, 14);
  EXPECT_EQ(d.Get(5, 0), kFg);
  EXPECT_EQ(d.Get(14, 3), kBg);
  // Rim pixels blend with the gradient's colour at their own place.
  TestCanvas e = FromRows({"#....", ".....", "....."});
  GradientFill(&fill, &e.view, e.all, {4, 1, 4, 1, kFg, kBg});
  EXPECT_EQ(e.Get(0, 0), Blend(kBlack, kBg, 48));
}

// The area the fill must find, by another route: pixel by pixel, sideways always, up or down
// only from rows 1 .. H − 2.
std::vector<uint8_t> ExpectedArea(const PixelView& v, int sx, int sy) {
  std::vector<uint8_t> in(static_cast<size_t>(v.width) * v.height, 0);
  uint32_t seed = ReadPixelColour(v, sx, sy);
  std::deque<std::pair<int, int>> todo{{sx, sy}};
  in[static_cast<size_t>(sy) * v.width + sx] = 1;
  while (!todo.empty()) {
    auto [x, y] = todo.front();
    todo.pop_front();
    for (const auto& d : kSteps) {
      const int dx = d[0], dy = d[1], nx = x + dx, ny = y + dy;
      if ((dy && (y < 1 || y > v.height - 2)) || !v.Inside(nx, ny) || in[static_cast<size_t>(ny) * v.width + nx] ||
          ColourDistance(ReadPixelColour(v, nx, ny), seed) > kFillTolerance)
        continue;
      in[static_cast<size_t>(ny) * v.width + nx] = 1;
      todo.push_back({nx, ny});
    }
  }
  return in;
}

// Random pictures (a few near colours, or noise near the percolation threshold), random seeds
// on and off the canvas, random clips: the area is the expected one and nothing outside the
// clip or the returned box changes. One FillState serves all: each fill clears the last.
TEST(FloodFillProperty, RandomPicturesSeedsAndClips) {
  std::mt19937 rng(20240607);
  const uint32_t palette[] = {Grey(128), Grey(159), Grey(160), 0x607070, kBlack, 0x8080A1};
  FillState fill;
  for (int round = 0; round < 300; ++round) {
    const bool noise = round % 3 == 2;
    const int w = 1 + rng() % (noise ? 160 : 40), h = 1 + rng() % (noise ? 90 : 30);
    TestCanvas c(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        c.Set(x, y, noise ? palette[rng() % 100 < 62 ? 0 : 4] : palette[rng() % (round % 2 ? 6 : 3)]);
    TestCanvas before(w, h);
    before.bytes = c.bytes;
    ClipMask clip = c.all;
    if (rng() % 2) {
      std::vector<ClipRect> rects;
      for (int i = rng() % 4; i >= 0; --i) {
        int l = static_cast<int>(rng() % (w + 4)) - 2, t = static_cast<int>(rng() % (h + 4)) - 2;
        rects.push_back({l, t, l + static_cast<int>(rng() % w) + 1, t + static_cast<int>(rng() % h) + 1});
      }
      clip.SetRects(w, h, rects);
    }
    const int sx = static_cast<int>(rng() % (w + 2)) - 1, sy = static_cast<int>(rng() % (h + 2)) - 1;
    ChangedRect r = rng() % 3 ? FillAtPoint(&fill, &c.view, clip, sx, sy, kRed, nullptr)
                              : GradientFill(&fill, &c.view, clip, {sx, sy, int(rng() % w), int(rng() % h), kFg, kBg});
    if (before.view.Inside(sx, sy) && clip.Contains(sx, sy)) {
      std::vector<uint8_t> expected = ExpectedArea(before.view, sx, sy);
      for (int i = 0; i < w * h; ++i) ASSERT_EQ(InFillArea(fill, i % w, i / w), expected[i]) << "round " << round;
    }
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (!clip.Contains(x, y) || !r.changed || x < r.left || x > r.right || y < r.top || y > r.bottom) {
          ASSERT_EQ(c.Get(x, y), before.Get(x, y)) << "round " << round << " at " << x << "," << y;
        }
  }
}

// Perfect mazes of one-pixel passages: one path between any two passage pixels, so a fill that
// skips a single pixel loses a whole branch.
TEST(FloodFillProperty, PerfectMazesFillEveryPassage) {
  std::mt19937 rng(11);
  FillState fill;
  for (int round = 0; round < 40; ++round) {
    const int cw = 1 + rng() % 60, chh = 1 + rng() % 40;
    TestCanvas c(2 * cw + 1, 2 * chh + 1, kBlack);
    std::vector<uint8_t> seen(static_cast<size_t>(cw) * chh, 0);
    std::vector<std::pair<int, int>> stack{{0, 0}};
    seen[0] = 1;
    c.Set(1, 1, kWhite);
    while (!stack.empty()) {
      auto [x, y] = stack.back();
      std::vector<std::pair<int, int>> next;
      for (const auto& d : kSteps)
        if (x + d[0] >= 0 && y + d[1] >= 0 && x + d[0] < cw && y + d[1] < chh && !seen[(y + d[1]) * cw + x + d[0]])
          next.push_back({x + d[0], y + d[1]});
      if (next.empty()) {
        stack.pop_back();
        continue;
      }
      auto [nx, ny] = next[rng() % next.size()];
      seen[ny * cw + nx] = 1;
      c.Set(x + nx + 1, y + ny + 1, kWhite);  // the wall between the cells
      c.Set(2 * nx + 1, 2 * ny + 1, kWhite);
      stack.push_back({nx, ny});
    }
    ASSERT_EQ(GrowFillArea(&fill, c.view, c.all, 2 * (rng() % cw) + 1, 2 * (rng() % chh) + 1), 1);
    ExpectArea(fill, c, kWhite);
  }
}

}  // namespace
