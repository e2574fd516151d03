// Flood fill: the area grown from a seed, the rim, the texture and the gradients.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <deque>
#include <random>
#include <vector>

#include "colvane/canvas/flood_fill.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0, kRed = 0x0000FF;

// A bottom-up 24-bit picture owned by the test.
struct Picture {
  std::vector<uint8_t> bytes;
  PixelView view;
  Picture(int w, int h, uint32_t colour) : bytes(static_cast<size_t>(Stride24(w)) * h) {
    view = {bytes.data(), w, h, Stride24(w)};
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) Set(x, y, colour);
  }
  Picture(const Picture& o) : bytes(o.bytes), view(o.view) { view.bits = bytes.data(); }
  Picture& operator=(const Picture& o) {
    bytes = o.bytes;
    view = o.view;
    view.bits = bytes.data();
    return *this;
  }
  void Set(int x, int y, uint32_t c) {
    uint8_t* p = view.At(x, y);
    p[0] = BlueOf(c);
    p[1] = GreenOf(c);
    p[2] = RedOf(c);
  }
  uint32_t Get(int x, int y) const { return ReadPixelColour(view, x, y); }
  // Rows written as strings, '#' = black, anything else = white.
  static Picture FromRows(const std::vector<const char*>& rows) {
    Picture p(static_cast<int>(strlen(rows[0])), static_cast<int>(rows.size()), kWhite);
    for (int y = 0; y < p.view.height; ++y)
      for (int x = 0; x < p.view.width; ++x)
        if (rows[y][x] == '#') p.Set(x, y, kBlack);
    return p;
  }
};

ClipMask All(const Picture& p) {
  ClipMask m;
  m.SetAll(p.view.width, p.view.height);
  return m;
}

// (old·(128 − w) + fill·w) >> 7 on every channel.
uint32_t Blend(uint32_t old, uint32_t fill, int w) {
  auto ch = [w](int o, int f) { return static_cast<uint8_t>((o * (128 - w) + f * w) >> 7); };
  return MakeColour(ch(RedOf(old), RedOf(fill)), ch(GreenOf(old), GreenOf(fill)),
                    ch(BlueOf(old), BlueOf(fill)));
}

// The area the fill must find, by a different route: a pixel-by-pixel search in which every
// pixel may step sideways to a similar pixel, and up or down only from rows 1 .. H − 2.
std::vector<uint8_t> ExpectedArea(const PixelView& v, int sx, int sy) {
  std::vector<uint8_t> in(static_cast<size_t>(v.width) * v.height, 0);
  uint32_t seed = ReadPixelColour(v, sx, sy);
  std::deque<std::pair<int, int>> todo{{sx, sy}};
  in[static_cast<size_t>(sy) * v.width + sx] = 1;
  while (!todo.empty()) {
    auto [x, y] = todo.front();
    todo.pop_front();
    const int steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (auto& s : steps) {
      if (s[1] != 0 && (y < 1 || y > v.height - 2)) continue;
      int nx = x + s[0], ny = y + s[1];
      if (!v.Inside(nx, ny) || in[static_cast<size_t>(ny) * v.width + nx]) continue;
      if (ColourDistance(ReadPixelColour(v, nx, ny), seed) > kFillTolerance) continue;
      in[static_cast<size_t>(ny) * v.width + nx] = 1;
      todo.push_back({nx, ny});
    }
  }
  return in;
}

TEST(FloodFill, OneColourCanvasTakesTheColourEverywhere) {
  Picture p(40, 30, 0x808080);
  ClipMask clip = All(p);
  FloodFill fill;
  ChangedRect r = FillAtPoint(&fill, &p.view, clip, 17, 11, kRed, nullptr);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, 39);
  EXPECT_EQ(r.bottom, 29);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(p.Get(x, y), kRed) << x << "," << y;
}

TEST(FloodFill, FirstAndLastRowsSpreadNoFurther) {
  // A seed on the first or last row fills only its own run.
  Picture p = Picture::FromRows({"....#...",
                                 "........",
                                 "........",
                                 "...#...."});
  ClipMask clip = All(p);
  FloodFill fill;
  FillAtPoint(&fill, &p.view, clip, 1, 0, kRed, nullptr);
  for (int x = 0; x < 8; ++x) EXPECT_EQ(p.Get(x, 0), x < 4 ? kRed : (x == 4 ? kBlack : kWhite)) << x;
  for (int x = 0; x < 8; ++x) EXPECT_EQ(p.Get(x, 1), kWhite) << x;
  FillAtPoint(&fill, &p.view, clip, 6, 3, kRed, nullptr);
  for (int x = 0; x < 8; ++x) EXPECT_EQ(p.Get(x, 3), x > 3 ? kRed : (x == 3 ? kBlack : kWhite)) << x;
  for (int x = 0; x < 8; ++x) EXPECT_EQ(p.Get(x, 2), kWhite) << x;
}

TEST(FloodFill, RowOneReachesRowZeroButRowZeroDoesNotComeBack) {
  // The white run right of the wall on row 1 touches the filled row 0 only, so it stays white.
  Picture p = Picture::FromRows({"........",
                                 "...#....",
                                 "########",
                                 "........"});
  ClipMask clip = All(p);
  FloodFill fill;
  ASSERT_EQ(GrowFillArea(&fill, p.view, clip, 1, 1), 1);
  for (int x = 0; x < 8; ++x) EXPECT_TRUE(InFillArea(fill, x, 0)) << x;
  for (int x = 0; x < 3; ++x) EXPECT_TRUE(InFillArea(fill, x, 1)) << x;
  for (int x = 3; x < 8; ++x) EXPECT_FALSE(InFillArea(fill, x, 1)) << x;
  for (int x = 0; x < 8; ++x) EXPECT_FALSE(InFillArea(fill, x, 3)) << x;
}

TEST(FloodFill, EveryToothOfACombIsReachedFromItsBar) {
  // One-pixel teeth one pixel apart, each touching only the bar: a scan that skips one pixel
  // loses a tooth. The bar on top fills the teeth downward, the bar below them upward.
  for (int barBelow = 0; barBelow < 2; ++barBelow) {
    std::vector<const char*> rows = {"##########################################",
                                     "..........................................",
                                     ".#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#",
                                     ".#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#",
                                     "##########################################"};
    if (barBelow) std::swap(rows[1], rows[3]);
    Picture p = Picture::FromRows(rows);
    ClipMask clip = All(p);
    FloodFill fill;
    ASSERT_EQ(GrowFillArea(&fill, p.view, clip, 20, barBelow ? 3 : 1), 1);
    for (int y = 1; y < 4; ++y)
      for (int x = 0; x < p.view.width; ++x)
        ASSERT_EQ(InFillArea(fill, x, y), p.Get(x, y) == kWhite ? 1 : 0) << x << "," << y;
  }
}

TEST(FloodFill, ToleranceIs32PerChannel) {
  // A ring 32 away from the inside in every channel leaks; 33 in one channel holds.
  const uint32_t leaky = MakeColour(223, 223, 223), tight = MakeColour(222, 255, 255);
  for (uint32_t ring : {leaky, tight}) {
    Picture p(9, 9, kWhite);
    for (int i = 2; i <= 6; ++i) {
      p.Set(i, 2, ring);
      p.Set(i, 6, ring);
      p.Set(2, i, ring);
      p.Set(6, i, ring);
    }
    ClipMask clip = All(p);
    FloodFill fill;
    ASSERT_EQ(GrowFillArea(&fill, p.view, clip, 4, 4), 1);
    EXPECT_EQ(InFillArea(fill, 0, 0), ring == leaky);
    EXPECT_EQ(InFillArea(fill, 2, 4), ring == leaky);
    EXPECT_TRUE(InFillArea(fill, 3, 3));
  }
  EXPECT_EQ(ColourDistance(MakeColour(10, 200, 50), MakeColour(40, 167, 60)), 33);
}

TEST(FloodFill, RimTakesSixteenthsPerFilledNeighbour) {
  // (0, 0) is black inside the area's box with 3 area neighbours: 48/128 of the colour.
  // (6, 1) has 8 area neighbours and takes the colour fully. Outside the box nothing blends.
  Picture p = Picture::FromRows({"#.......",
                                 "......#.",
                                 "........",
                                 "########",
                                 "........"});
  ClipMask clip = All(p);
  FloodFill fill;
  const uint32_t colour = MakeColour(200, 100, 50);
  ChangedRect r = FillAtPoint(&fill, &p.view, clip, 3, 1, colour, nullptr);
  EXPECT_EQ(r.bottom, 2);
  EXPECT_EQ(p.Get(0, 0), Blend(kBlack, colour, 48));
  EXPECT_EQ(p.Get(6, 1), colour);
  EXPECT_EQ(p.Get(3, 2), colour);
  EXPECT_EQ(p.Get(3, 3), kBlack);  // below the box: never smoothed
  EXPECT_EQ(p.Get(3, 4), kWhite);
}

TEST(FloodFill, LoneSeedPaintsOnlyItself) {
  Picture p = Picture::FromRows({"###",
                                 "#.#",
                                 "###"});
  ClipMask clip = All(p);
  FloodFill fill;
  ChangedRect r = FillAtPoint(&fill, &p.view, clip, 1, 1, kRed, nullptr);
  EXPECT_EQ(r.right, r.left);
  EXPECT_EQ(r.bottom, r.top);
  EXPECT_EQ(p.Get(1, 1), kRed);
  EXPECT_EQ(p.Get(0, 0), kBlack);
  EXPECT_EQ(p.Get(1, 0), kBlack);
}

TEST(FloodFill, SeedOutsideTheClipOrCanvasDoesNothing) {
  Picture p(10, 10, kWhite);
  ClipMask clip;
  clip.SetRects(10, 10, {{2, 2, 5, 5}});
  FloodFill fill;
  EXPECT_FALSE(FillAtPoint(&fill, &p.view, clip, 7, 7, kRed, nullptr).changed);
  EXPECT_FALSE(FillAtPoint(&fill, &p.view, clip, -1, 3, kRed, nullptr).changed);
  EXPECT_FALSE(FillAtPoint(&fill, &p.view, clip, 3, 10, kRed, nullptr).changed);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(p.Get(x, y), kWhite);
}

TEST(FloodFill, AreaGrowsBeyondTheClipButOnlyTheClipChanges) {
  Picture p(12, 8, kWhite);
  ClipMask clip;
  clip.SetRects(12, 8, {{2, 2, 6, 5}});
  FloodFill fill;
  ChangedRect r = FillAtPoint(&fill, &p.view, clip, 3, 3, kRed, nullptr);
  EXPECT_EQ(r.right, 11);  // the area is the whole canvas
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 12; ++x) ASSERT_EQ(p.Get(x, y), clip.Contains(x, y) ? kRed : kWhite);
}

TEST(FloodFill, TextureIsTiledFromTheCanvasOrigin) {
  Picture texture(3, 2, 0);
  const uint32_t tile[2][3] = {{0x010203, 0x040506, 0x070809}, {0x0A0B0C, 0x0D0E0F, 0x101112}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) texture.Set(x, y, tile[y][x]);
  Picture p(7, 5, kWhite);
  ClipMask clip = All(p);
  FloodFill fill;
  FillAtPoint(&fill, &p.view, clip, 4, 2, kRed, &texture.view);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) ASSERT_EQ(p.Get(x, y), tile[y % 2][x % 3]) << x << "," << y;
  // A texture without pixels (its file failed to load) paints the colour.
  PixelView empty;
  FillAtPoint(&fill, &p.view, clip, 4, 2, kRed, &empty);
  EXPECT_EQ(p.Get(0, 0), kRed);
}

// Each channel: trunc(background·t + foreground·(1 − t)).
uint32_t Mix(uint32_t fg, uint32_t bg, double t) {
  auto ch = [t](int f, int b) { return static_cast<uint8_t>(static_cast<int>(b * t + f * (1 - t))); };
  return MakeColour(ch(RedOf(fg), RedOf(bg)), ch(GreenOf(fg), GreenOf(bg)), ch(BlueOf(fg), BlueOf(bg)));
}

const uint32_t kFg = MakeColour(250, 10, 100), kBg = MakeColour(0, 200, 30);

TEST(FloodFillGradient, ClickWithoutDragIsRadialFromThePress) {
  Picture p(11, 11, kWhite);
  ClipMask clip = All(p);
  FloodFill fill;
  GradientFill(&fill, &p.view, clip, {5, 5, 5, 5, kFg, kBg});
  const double L = std::sqrt(50.0);
  EXPECT_EQ(p.Get(5, 5), kFg);
  EXPECT_EQ(p.Get(0, 0), kBg);
  EXPECT_EQ(p.Get(10, 10), kBg);
  EXPECT_EQ(p.Get(10, 5), Mix(kFg, kBg, 5 / L));
  EXPECT_EQ(p.Get(3, 7), Mix(kFg, kBg, std::sqrt(8.0) / L));
}

TEST(FloodFillGradient, VerticalDragSpansTheAreaHeight) {
  for (int down = 0; down < 2; ++down) {
    Picture p(6, 10, kWhite);
    ClipMask clip = All(p);
    FloodFill fill;
    // The drag length does not matter, only its direction.
    GradientGesture g = down ? GradientGesture{2, 4, 2, 5, kFg, kBg} : GradientGesture{2, 5, 2, 1, kFg, kBg};
    GradientFill(&fill, &p.view, clip, g);
    for (int y = 0; y < 10; ++y) {
      double t = (down ? y : 9 - y) / 9.0;
      EXPECT_EQ(p.Get(0, y), Mix(kFg, kBg, t)) << y;
      EXPECT_EQ(p.Get(5, y), Mix(kFg, kBg, t)) << y;
    }
  }
}

TEST(FloodFillGradient, HorizontalDragAndOnePixelWideArea) {
  Picture p = Picture::FromRows({"##.##....",
                                 "##.##....",
                                 "##.##....",
                                 "##.##...."});
  ClipMask clip = All(p);
  FloodFill fill;
  // One column wide: L = 0, so the whole area takes the foreground colour.
  GradientFill(&fill, &p.view, clip, {2, 1, 7, 1, kFg, kBg});
  for (int y = 0; y < 4; ++y) EXPECT_EQ(p.Get(2, y), kFg) << y;
  // Right to left over columns 5..8: the press side is the right.
  GradientFill(&fill, &p.view, clip, {7, 2, 6, 2, kFg, kBg});
  for (int x = 5; x < 9; ++x) EXPECT_EQ(p.Get(x, 0), Mix(kFg, kBg, (8 - x) / 3.0)) << x;
}

TEST(FloodFillGradient, SlantedDragRunsCornerToCorner) {
  Picture p(8, 6, kWhite);
  ClipMask clip = All(p);
  FloodFill fill;
  GradientFill(&fill, &p.view, clip, {1, 1, 3, 2, kFg, kBg});
  EXPECT_EQ(p.Get(0, 0), kFg);
  EXPECT_EQ(p.Get(7, 5), kBg);
  // Along the drag's direction colour moves toward the background; across it, it stays.
  const double m = 0.5, norm = std::sqrt(1.25), L = (7 + 5 * m) / norm;
  EXPECT_EQ(p.Get(4, 0), Mix(kFg, kBg, 4 / norm / L));
  EXPECT_EQ(p.Get(2, 2), Mix(kFg, kBg, 3 / norm / L));
}

TEST(FloodFillGradient, ClipCutsTheGradientBox) {
  Picture p(20, 4, kWhite);
  ClipMask clip;
  clip.SetRects(20, 4, {{5, 0, 15, 4}});
  FloodFill fill;
  ChangedRect r = GradientFill(&fill, &p.view, clip, {6, 1, 9, 1, kFg, kBg});
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.right, 14);
  EXPECT_EQ(p.Get(5, 0), kFg);
  EXPECT_EQ(p.Get(14, 3), kBg);
  EXPECT_EQ(p.Get(4, 0), kWhite);
  EXPECT_EQ(p.Get(15, 0), kWhite);
}

TEST(FloodFillGradient, RimBlendsWithTheGradientAtThePixel) {
  Picture p = Picture::FromRows({"#....",
                                 ".....",
                                 "....."});
  ClipMask clip = All(p);
  FloodFill fill;
  GradientFill(&fill, &p.view, clip, {4, 1, 4, 1, kFg, kBg});
  const double L = std::sqrt(17.0);
  EXPECT_EQ(p.Get(0, 0), Blend(kBlack, Mix(kFg, kBg, L / L), 48));
}

// Random pictures of a few near colours, random seeds (some off the canvas) and random clips:
// the area is the expected one, nothing outside the clip or the area's box changes.
TEST(FloodFillProperty, RandomPicturesSeedsAndClips) {
  std::mt19937 rng(20240607);
  const uint32_t palette[] = {0x808080, 0x9F9F9F, 0xA0A0A0, 0x607070, 0x000000, 0x8080A1};
  FloodFill fill;  // reused: every fill must clear what the previous one left
  for (int round = 0; round < 300; ++round) {
    // Every third round: a larger picture of noise near the percolation threshold, whose areas
    // wind through long marked and unmarked stretches.
    bool noise = round % 3 == 2;
    int w = 1 + rng() % (noise ? 160 : 40), h = 1 + rng() % (noise ? 90 : 30);
    Picture p(w, h, 0);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        p.Set(x, y, noise ? (rng() % 100 < 62 ? palette[0] : palette[4]) : palette[rng() % (round % 2 ? 6 : 3)]);
    Picture before = p;
    ClipMask clip;
    if (rng() % 2) {
      clip.SetAll(w, h);
    } else {
      std::vector<ClipRect> rects;
      for (int i = rng() % 4; i >= 0; --i) {
        int l = static_cast<int>(rng() % (w + 4)) - 2, t = static_cast<int>(rng() % (h + 4)) - 2;
        rects.push_back({l, t, l + static_cast<int>(rng() % w) + 1, t + static_cast<int>(rng() % h) + 1});
      }
      clip.SetRects(w, h, rects);
    }
    int sx = static_cast<int>(rng() % (w + 2)) - 1, sy = static_cast<int>(rng() % (h + 2)) - 1;
    ChangedRect r;
    if (rng() % 3 == 0) {
      int ex = static_cast<int>(rng() % w), ey = static_cast<int>(rng() % h);
      r = GradientFill(&fill, &p.view, clip, {sx, sy, ex, ey, kFg, kBg});
    } else {
      r = FillAtPoint(&fill, &p.view, clip, sx, sy, kRed, nullptr);
    }
    bool seeded = before.view.Inside(sx, sy) && clip.Contains(sx, sy);
    if (seeded) {
      std::vector<uint8_t> expected = ExpectedArea(before.view, sx, sy);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          ASSERT_EQ(InFillArea(fill, x, y), expected[static_cast<size_t>(y) * w + x])
              << "round " << round << " at " << x << "," << y;
    }
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        bool inBox = r.changed && x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
        if (!clip.Contains(x, y) || !inBox) {
          ASSERT_EQ(p.Get(x, y), before.Get(x, y)) << "round " << round << " at " << x << "," << y;
        }
      }
  }
}

// A perfect maze: one-pixel passages (white) between one-pixel walls (black), one path between
// any two passage pixels, so a fill that skips a single pixel loses a whole branch.
Picture Maze(int cellsX, int cellsY, std::mt19937& rng) {
  Picture p(2 * cellsX + 1, 2 * cellsY + 1, kBlack);
  std::vector<uint8_t> seen(static_cast<size_t>(cellsX) * cellsY, 0);
  std::vector<std::pair<int, int>> stack{{0, 0}};
  seen[0] = 1;
  p.Set(1, 1, kWhite);
  while (!stack.empty()) {
    auto [cx, cy] = stack.back();
    std::vector<std::pair<int, int>> next;
    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (auto& d : steps) {
      int nx = cx + d[0], ny = cy + d[1];
      if (nx >= 0 && ny >= 0 && nx < cellsX && ny < cellsY && !seen[static_cast<size_t>(ny) * cellsX + nx])
        next.push_back({nx, ny});
    }
    if (next.empty()) {
      stack.pop_back();
      continue;
    }
    auto [nx, ny] = next[rng() % next.size()];
    seen[static_cast<size_t>(ny) * cellsX + nx] = 1;
    p.Set(cx + nx + 1, cy + ny + 1, kWhite);  // the wall between the two cells
    p.Set(2 * nx + 1, 2 * ny + 1, kWhite);
    stack.push_back({nx, ny});
  }
  return p;
}

TEST(FloodFillProperty, PerfectMazesFillEveryPassage) {
  std::mt19937 rng(11);
  FloodFill fill;
  for (int round = 0; round < 40; ++round) {
    Picture p = Maze(1 + rng() % 60, 1 + rng() % 40, rng);
    ClipMask clip = All(p);
    int sx, sy;
    do {
      sx = rng() % p.view.width;
      sy = rng() % p.view.height;
    } while (p.Get(sx, sy) != kWhite);
    ASSERT_EQ(GrowFillArea(&fill, p.view, clip, sx, sy), 1);
    for (int y = 0; y < p.view.height; ++y)
      for (int x = 0; x < p.view.width; ++x)
        ASSERT_EQ(InFillArea(fill, x, y), p.Get(x, y) == kWhite ? 1 : 0) << "round " << round << " at " << x << "," << y;
  }
}

}  // namespace
