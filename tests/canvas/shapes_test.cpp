// Shapes: vertices, outlines laid with dabs, region fills and the ellipse.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "colvane/canvas/shapes.h"
#include "tests/canvas/paint_test_support.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0;

TEST(ShapeVertices, FourPointedStarHasTheListedVertices) {
  CanvasPoint v[kMaxShapeVertices];
  ASSERT_EQ(ShapeVertices(5, {100, 100}, {100, 0}, v), 8);
  const int expected[8][2] = {{100, 0}, {117, 82}, {200, 100}, {117, 117}, {99, 200}, {82, 117}, {0, 99}, {82, 82}};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(v[i].x, expected[i][0]) << i;
    EXPECT_EQ(v[i].y, expected[i][1]) << i;
  }
}

TEST(ShapeVertices, CountsRadiiAndTheDegenerateCases) {
  CanvasPoint v[kMaxShapeVertices];
  for (int shape = 2; shape <= 6; ++shape) EXPECT_EQ(ShapeVertices(shape, {50, 60}, {50, 60}, v), 0);
  EXPECT_EQ(ShapeVertices(1, {50, 60}, {50, 60}, v), 4);  // the drag rectangle is always 4
  EXPECT_EQ(ShapeVertices(7, {50, 60}, {70, 60}, v), 0);
  const int counts[7] = {0, 4, 3, 5, 6, 8, 10};
  const CanvasPoint a{300, 200}, p{380, 140};  // r = 100
  for (int shape = 2; shape <= 6; ++shape) {
    ASSERT_EQ(ShapeVertices(shape, a, p, v), counts[shape]);
    for (int k = 1; k < counts[shape]; ++k) {
      double want = k % 2 && shape == 5 ? 25 : (k % 2 && shape == 6 ? 38.1966 : 100);
      EXPECT_NEAR(std::hypot(v[k].x - a.x, v[k].y - a.y), want, 1.5) << shape << " " << k;
    }
  }
  ShapeVertices(2, {0, 0}, {0, -60}, v);  // increasing angles turn clockwise on the screen
  EXPECT_GT(v[1].x, 0);
}

struct Dabs {
  struct One {
    double x, y;
    int textured;
  };
  std::vector<One> laid;
  DabSink Sink() {
    return {[](void* c, double x, double y, int t) { static_cast<Dabs*>(c)->laid.push_back({x, y, t}); }, this};
  }
};

TEST(PolygonOutline, OneTexturedDabAtVertexZeroThenDabsAtTheSpacing) {
  Dabs dabs;
  TestCanvas c(100, 100);
  const CanvasPoint tri[3] = {{10, 10}, {12, 10}, {11, 11}};
  double carried = 5;
  DrawPolygonOutline(tri, 3, 50, &carried, c.all, dabs.Sink());  // spacing longer than the outline
  ASSERT_EQ(dabs.laid.size(), 1u);
  EXPECT_EQ(dabs.laid[0].x, 10);
  EXPECT_EQ(dabs.laid[0].textured, 1);
  EXPECT_NEAR(carried, 2 + 2 * std::sqrt(2.0), 1e-9);
  // A square of perimeter 40 at spacing 3: 13 more dabs, the distance carried across corners.
  dabs.laid.clear();
  const CanvasPoint square[4] = {{10, 10}, {20, 10}, {20, 20}, {10, 20}};
  DrawPolygonOutline(square, 4, 3, &carried, c.all, dabs.Sink());
  ASSERT_EQ(dabs.laid.size(), 14u);
  EXPECT_NEAR(carried, 1, 1e-9);
  const double expected[13][2] = {{13, 10}, {16, 10}, {19, 10}, {20, 12}, {20, 15}, {20, 18}, {19, 20},
                                  {16, 20}, {13, 20}, {10, 20}, {10, 17}, {10, 14}, {10, 11}};
  for (int i = 0; i < 13; ++i) {
    EXPECT_NEAR(dabs.laid[i + 1].x, expected[i][0], 1e-9) << i;
    EXPECT_NEAR(dabs.laid[i + 1].y, expected[i][1], 1e-9) << i;
    EXPECT_EQ(dabs.laid[i + 1].textured, 0);
  }
}

TEST(PolygonOutline, NoDabsOutsideTheClipEvenForFarEdges) {
  Dabs dabs;
  const CanvasPoint shape[3] = {{-1000000000, 5}, {1000000000, 5}, {5, 1000000000}};
  ClipMask clip;
  clip.SetRects(64, 48, {{0, 0, 64, 48}});
  double carried = 0;
  DrawPolygonOutline(shape, 3, 0.5, &carried, clip, dabs.Sink());
  ASSERT_GE(dabs.laid.size(), 128u);  // row 5 crossed at half-pixel steps
  for (size_t i = 1; i < dabs.laid.size(); ++i)
    ASSERT_TRUE(clip.Contains(static_cast<int>(dabs.laid[i].x), static_cast<int>(dabs.laid[i].y)));
}

TEST(PolygonOutline, BrushDabsPaintAlongTheEdges) {
  TestCanvas c(64, 64);
  DabMasks masks;
  SetStrokeSize(&masks, 6, 25);
  StrokeState state;
  BrushOutline brush{&state, &masks, {}};
  brush.target.canvas = c.view;
  brush.target.clip = &c.all;
  brush.target.drawingMode = 25;
  brush.target.foreground = kBlack;
  const CanvasPoint square[4] = {{10, 10}, {50, 10}, {50, 50}, {10, 50}};
  double carried = 0;
  DrawPolygonOutline(square, 4, masks.spacing, &carried, c.all, BrushOutlineDab(&brush));
  for (int i = 10; i <= 50; i += 5) EXPECT_LT(RedOf(c.Get(i, 10)), 128) << i;
  EXPECT_EQ(c.Get(30, 30), kWhite);
  EXPECT_EQ(c.Get(30, 2), kWhite);
}

TEST(RegionFill, OnlyPixelsInBothRegionAndClip) {
  TestCanvas c(20, 10);
  ClipMask region, clip, empty;
  region.SetRects(20, 10, {{2, 2, 12, 8}});
  clip.SetRects(20, 10, {{8, 0, 20, 10}});
  EXPECT_TRUE(FillRegion(&c.view, clip, region, kBlack).changed);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(c.Get(x, y), region.Contains(x, y) && clip.Contains(x, y) ? kBlack : kWhite);
  empty.SetRects(20, 10, {});
  EXPECT_FALSE(FillRegion(&c.view, clip, empty, kBlack).changed);
}

TEST(Ellipse, HollowRingAtSizesOneAndTwoIsHalfWidthOne) {
  for (int size : {1, 2, 4}) {
    TestCanvas c(60, 60);
    DrawEllipse(&c.view, c.all, {10, 10, 30, 30, size, 0, kBlack});
    // Centre (20, 20), radius 10, half width 1: along the row D = |x − 30|.
    for (int x : {29, 30, 31}) EXPECT_EQ(c.Get(x, 20), kBlack) << size << " " << x;
    EXPECT_EQ(c.Get(32, 20), Grey(211)) << size;  // D = 2: 106/128 of the old pixel
    EXPECT_EQ(c.Get(33, 20), kWhite) << size;
    EXPECT_EQ(c.Get(27, 20), kWhite) << size;
    EXPECT_EQ(c.Get(20, 20), kWhite) << size;
  }
}

TEST(Ellipse, FringeHalfwayTakesAboutHalfTheColour) {
  TestCanvas c(60, 60);
  DrawEllipse(&c.view, c.all, {10, 10, 30, 30, 4, 0, kBlack});
  // (30, 26) lies sqrt(136) = 11.66 from the centre: 0.66 into the 1.2-pixel fringe.
  EXPECT_NEAR(RedOf(c.Get(30, 26)), 128, 15);
  EXPECT_LT(RedOf(c.Get(29, 25)), RedOf(c.Get(30, 26)));
}

TEST(Ellipse, FilledEllipseStaysInsideTheClip) {
  TestCanvas c(60, 60);
  ClipMask clip;
  clip.SetRects(60, 60, {{0, 0, 20, 60}});
  EXPECT_TRUE(DrawEllipse(&c.view, clip, {5, 5, 35, 25, 3, 1, kBlack}).changed);
  for (int y = 0; y < 60; ++y)
    for (int x = 20; x < 60; ++x) ASSERT_EQ(c.Get(x, y), kWhite);
  EXPECT_EQ(c.Get(19, 15), kBlack);
  EXPECT_EQ(c.Get(1, 1), kWhite);
}

TEST(Ellipse, FlatBoxesDrawStraightSoftLines) {
  TestCanvas c(60, 60);
  DrawEllipse(&c.view, c.all, {20, 10, 20, 30, 4, 0, kBlack});  // rx = 0
  for (int y = 10; y <= 30; ++y) ASSERT_EQ(c.Get(20, y), kBlack) << y;
  EXPECT_EQ(c.Get(21, 20), kBlack);
  EXPECT_EQ(c.Get(22, 20), Grey(211));
  EXPECT_EQ(c.Get(23, 20), kWhite);
  EXPECT_EQ(c.Get(20, 33), kWhite);
  DrawEllipse(&c.view, c.all, {10, 45, 50, 45, 4, 1, kBlack});  // ry = 0, filled
  for (int x = 10; x <= 50; ++x) ASSERT_EQ(c.Get(x, 45), kBlack) << x;
  EXPECT_EQ(c.Get(30, 48), kWhite);
  DrawEllipse(&c.view, c.all, {45, 20, 45, 20, 20, 0, kBlack});  // a click: a dot of radius 9
  EXPECT_EQ(c.Get(53, 20), kBlack);
  EXPECT_EQ(c.Get(56, 20), kWhite);
}

// Random boxes (flat ones included), sizes and clips: nothing outside the clip or the returned
// rectangle changes.
TEST(EllipseProperty, StaysInsideClipAndRectangle) {
  std::mt19937 rng(5);
  for (int round = 0; round < 300; ++round) {
    TestCanvas c(48, 40);
    ClipMask clip = c.all;
    int l = rng() % 48, t = rng() % 40;
    if (round % 2) clip.SetRects(48, 40, {{l, t, l + 1 + int(rng() % 30), t + 1 + int(rng() % 30)}});
    auto coord = [&rng](int n) { return static_cast<int>(rng() % (n + 40)) - 20; };
    int x0 = coord(48), y0 = coord(40), x1 = rng() % 4 ? coord(48) : x0, y1 = rng() % 4 ? coord(40) : y0;
    ChangedRect r = DrawEllipse(&c.view, clip, {x0, y0, x1, y1, int(rng() % 50), int(rng() % 2), kBlack});
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 48; ++x)
        if (!clip.Contains(x, y) || !r.changed || x < r.left || x > r.right || y < r.top || y > r.bottom) {
          ASSERT_EQ(c.Get(x, y), kWhite) << round << ": " << x << "," << y;
        }
  }
}

}  // namespace
