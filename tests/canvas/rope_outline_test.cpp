// The selection's outline: each edge pixel once, walked clockwise along the edge, and dashes by
// distance along it that stay short and regular on slants as well as across and down.
#include "colvane/canvas/rope_outline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace {

// A clip of a width x height area holding the pixels inside(x, y) says are in.
template <class Inside>
ClipMask Shape(int width, int height, Inside inside) {
  std::vector<ClipRect> rects;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (inside(x, y)) rects.push_back({x, y, x + 1, y + 1});
  ClipMask clip;
  clip.SetRects(width, height, rects);
  return clip;
}

std::set<std::pair<int, int>> EdgeOf(const ClipMask& c) {
  std::set<std::pair<int, int>> edge;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (c.Contains(x, y) && (!c.Contains(x - 1, y) || !c.Contains(x + 1, y) || !c.Contains(x, y - 1) ||
                               !c.Contains(x, y + 1)))
        edge.insert({x, y});
  return edge;
}

// Lengths of the runs of light (dash index 0..3) and dark pixels along the walk.
std::vector<int> DashRuns(const std::vector<OutlinePixel>& outline, int phase) {
  std::vector<int> runs;
  bool last = false;
  for (size_t i = 0; i < outline.size(); ++i) {
    bool light = DashIndex(outline[i].along, phase) < 4;
    if (i == 0 || light != last) runs.push_back(0);
    ++runs.back();
    last = light;
  }
  return runs;
}

TEST(RopeOutline, RectangleIsOneClockwiseRingOfEvenDashesThatMarchOnePixelAStep) {
  ClipMask clip = Shape(40, 30, [](int x, int y) { return x >= 10 && x < 30 && y >= 10 && y < 20; });
  std::vector<OutlinePixel> outline = TraceOutline(clip);
  ASSERT_EQ(outline.size(), 56u);
  EXPECT_EQ(outline[0].x, 10);
  EXPECT_EQ(outline[0].y, 10);
  EXPECT_EQ(outline[1].x, 11);  // along the top edge first: clockwise
  std::set<std::pair<int, int>> listed;
  for (size_t i = 0; i < outline.size(); ++i) {
    listed.insert({outline[i].x, outline[i].y});
    EXPECT_FLOAT_EQ(outline[i].along, static_cast<float>(i));
  }
  EXPECT_EQ(listed, EdgeOf(clip));
  for (int run : DashRuns(outline, 0)) EXPECT_EQ(run, 4);
  // One step later every pixel shows what the pixel behind it showed.
  for (size_t i = 1; i < outline.size(); ++i)
    EXPECT_EQ(DashIndex(outline[i].along, 1) < 4, DashIndex(outline[i - 1].along, 0) < 4) << i;
}

// The rope's own slanted edges: a diamond's four sides run at 45 degrees both ways, where a
// pattern fixed to the screen shows one colour for a whole side. Along the walk every dash is
// 4 / sqrt 2, so 2 or 3 pixels, on all four sides.
TEST(RopeOutline, DiagonalEdgesAreDashedAsEvenlyAsStraightOnes) {
  ClipMask clip = Shape(80, 80, [](int x, int y) { return std::abs(x - 40) + std::abs(y - 40) <= 30; });
  std::vector<OutlinePixel> outline = TraceOutline(clip);
  std::set<std::pair<int, int>> listed;
  for (const OutlinePixel& p : outline) listed.insert({p.x, p.y});
  EXPECT_EQ(listed.size(), outline.size());
  EXPECT_EQ(listed, EdgeOf(clip));
  for (int phase = 0; phase < 8; ++phase) {
    std::vector<int> runs = DashRuns(outline, phase);
    ASSERT_GT(runs.size(), 30u);
    // the first and last run meet where the walk closes
    for (size_t i = 1; i + 1 < runs.size(); ++i) EXPECT_TRUE(runs[i] == 2 || runs[i] == 3) << "phase " << phase << " run " << i;
  }
  // Each side is walked as a diagonal: consecutive pixels one diagonal step apart.
  for (size_t i = 1; i < outline.size(); ++i) {
    EXPECT_EQ(std::abs(outline[i].x - outline[i - 1].x), 1) << i;
    EXPECT_EQ(std::abs(outline[i].y - outline[i - 1].y), 1) << i;
  }
}

// Two pieces, one with a hole, and a thin neck: every edge pixel once, and every walk steps to
// a neighbouring pixel, or (starting beside an earlier walk) carries that walk's distance on.
TEST(RopeOutline, PiecesHolesAndNecksListEveryEdgePixelOnce) {
  ClipMask clip = Shape(60, 40, [](int x, int y) {
    bool ring = x >= 2 && x < 20 && y >= 2 && y < 20 && !(x >= 8 && x < 14 && y >= 8 && y < 14);
    bool blob = std::hypot(x - 40, y - 25) <= 9;
    bool neck = y == 25 && x >= 20 && x < 31;
    return ring || blob || neck;
  });
  std::vector<OutlinePixel> outline = TraceOutline(clip);
  std::set<std::pair<int, int>> listed;
  for (const OutlinePixel& p : outline) listed.insert({p.x, p.y});
  EXPECT_EQ(listed.size(), outline.size());
  EXPECT_EQ(listed, EdgeOf(clip));
  for (size_t i = 1; i < outline.size(); ++i) {
    int dx = std::abs(outline[i].x - outline[i - 1].x), dy = std::abs(outline[i].y - outline[i - 1].y);
    if (dx <= 1 && dy <= 1) {
      EXPECT_NEAR(outline[i].along - outline[i - 1].along, dx + dy == 2 ? std::sqrt(2.0f) : 1.0f, 1e-4) << i;
    }
  }
}

TEST(RopeOutline, NoSelectionHasNoOutline) {
  ClipMask all;
  all.SetAll(640, 480);
  EXPECT_TRUE(TraceOutline(all).empty());
  ClipMask none;
  none.SetRects(640, 480, {});
  EXPECT_TRUE(TraceOutline(none).empty());
}

}  // namespace
