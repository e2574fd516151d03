// Shapes: vertices, outlines laid with dabs, region fills and the ellipse.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "colvane/canvas/shapes.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0;

struct Picture {
  std::vector<uint8_t> bytes;
  PixelView view;
  Picture(int w, int h, uint32_t colour) : bytes(static_cast<size_t>(Stride24(w)) * h) {
    view = {bytes.data(), w, h, Stride24(w)};
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        uint8_t* p = view.At(x, y);
        p[0] = BlueOf(colour);
        p[1] = GreenOf(colour);
        p[2] = RedOf(colour);
      }
  }
  Picture(const Picture& o) : bytes(o.bytes), view(o.view) { view.bits = bytes.data(); }
  uint32_t Get(int x, int y) const {
    const uint8_t* p = view.At(x, y);
    return MakeColour(p[2], p[1], p[0]);
  }
};

ClipMask All(int w, int h) {
  ClipMask m;
  m.SetAll(w, h);
  return m;
}

TEST(ShapeVertices, FourPointedStarHasTheListedVertices) {
  CanvasPoint v[kMaxShapeVertices];
  ASSERT_EQ(ShapeVertices(5, {100, 100}, {100, 0}, v), 8);
  const CanvasPoint expected[8] = {{100, 0}, {117, 82}, {200, 100}, {117, 117},
                                   {99, 200}, {82, 117}, {0, 99},   {82, 82}};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(v[i].x, expected[i].x) << i;
    EXPECT_EQ(v[i].y, expected[i].y) << i;
  }
}

TEST(ShapeVertices, AnchorOnThePointGivesNoPolygon) {
  CanvasPoint v[kMaxShapeVertices];
  for (int shape = 2; shape <= 6; ++shape) EXPECT_EQ(ShapeVertices(shape, {50, 60}, {50, 60}, v), 0) << shape;
  EXPECT_EQ(ShapeVertices(1, {50, 60}, {50, 60}, v), 4);
  EXPECT_EQ(ShapeVertices(0, {50, 60}, {70, 60}, v), 0);
  EXPECT_EQ(ShapeVertices(7, {50, 60}, {70, 60}, v), 0);
}

TEST(ShapeVertices, CountsRadiiAndTheDragRectangle) {
  CanvasPoint v[kMaxShapeVertices];
  ASSERT_EQ(ShapeVertices(1, {10, 20}, {30, 5}, v), 4);
  EXPECT_EQ(v[1].x, 10);
  EXPECT_EQ(v[1].y, 5);
  EXPECT_EQ(v[3].x, 30);
  EXPECT_EQ(v[3].y, 20);
  const int counts[7] = {0, 4, 3, 5, 6, 8, 10};
  const CanvasPoint a{300, 200}, p{380, 140};  // r = 100
  for (int shape = 2; shape <= 6; ++shape) {
    ASSERT_EQ(ShapeVertices(shape, a, p, v), counts[shape]);
    EXPECT_EQ(v[0].x, p.x);
    EXPECT_EQ(v[0].y, p.y);
    for (int k = 1; k < counts[shape]; ++k) {
      double r = std::hypot(v[k].x - a.x, v[k].y - a.y);
      double want = shape == 5 && k % 2 ? 25 : (shape == 6 && k % 2 ? 38.1966 : 100);
      EXPECT_NEAR(r, want, 1.5) << shape << " " << k;
    }
  }
  // Increasing angles turn clockwise on the screen: the triangle's next vertex from a point
  // straight above the anchor lies to the right.
  ShapeVertices(2, {0, 0}, {0, -60}, v);
  EXPECT_GT(v[1].x, 0);
}

// Records every dab the outline lays.
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

TEST(PolygonOutline, StartsWithOneTexturedDabAtVertexZero) {
  Dabs dabs;
  const CanvasPoint tri[3] = {{10, 10}, {12, 10}, {11, 11}};
  double carried = 5;
  // Spacing far longer than the whole outline: the only dab is the one at vertex 0.
  DrawPolygonOutline(tri, 3, 50, &carried, All(100, 100), dabs.Sink());
  ASSERT_EQ(dabs.laid.size(), 1u);
  EXPECT_EQ(dabs.laid[0].x, 10);
  EXPECT_EQ(dabs.laid[0].y, 10);
  EXPECT_EQ(dabs.laid[0].textured, 1);
  EXPECT_NEAR(carried, 2 + 2 * std::sqrt(2.0), 1e-9);
}

TEST(PolygonOutline, DabsFollowTheEdgesAtTheSpacingAcrossCorners) {
  Dabs dabs;
  const CanvasPoint square[4] = {{10, 10}, {20, 10}, {20, 20}, {10, 20}};
  double carried = 0;
  DrawPolygonOutline(square, 4, 3, &carried, All(100, 100), dabs.Sink());
  // Perimeter 40: 13 dabs along it after the first, 1 pixel carried at the end.
  ASSERT_EQ(dabs.laid.size(), 14u);
  EXPECT_NEAR(carried, 1, 1e-9);
  const double expected[][2] = {{13, 10}, {16, 10}, {19, 10}, {20, 12}, {20, 15}, {20, 18},
                                {19, 20}, {16, 20}, {13, 20}, {10, 20}, {10, 17}, {10, 14}, {10, 11}};
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
  ASSERT_GT(dabs.laid.size(), 100u);
  for (size_t i = 1; i < dabs.laid.size(); ++i)
    ASSERT_TRUE(clip.Contains(static_cast<int>(dabs.laid[i].x), static_cast<int>(dabs.laid[i].y)))
        << dabs.laid[i].x << "," << dabs.laid[i].y;
  // The row y = 5 crossed from left to right: 128 dabs at half-pixel steps between x = 0 and 64.
  size_t onRow = 0;
  for (const auto& d : dabs.laid) onRow += d.y == 5;
  EXPECT_GE(onRow, 127u);
}

TEST(PolygonOutline, BrushDabsPaintAlongTheEdges) {
  Picture p(64, 64, kWhite);
  ClipMask clip = All(64, 64);
  DabMasks masks;
  SetStrokeSize(&masks, 6, 25);
  StrokeState state;
  BrushOutline brush{&state, &masks, {}};
  brush.target.canvas = p.view;
  brush.target.clip = &clip;
  brush.target.drawingMode = 25;
  brush.target.foreground = kBlack;
  const CanvasPoint square[4] = {{10, 10}, {50, 10}, {50, 50}, {10, 50}};
  double carried = 0;
  DrawPolygonOutline(square, 4, masks.spacing, &carried, clip, BrushOutlineDab(&brush));
  for (int i = 10; i <= 50; i += 5) {
    EXPECT_LT(RedOf(p.Get(i, 10)), 128) << i;
    EXPECT_LT(RedOf(p.Get(50, i)), 128) << i;
  }
  EXPECT_EQ(p.Get(30, 30), kWhite);
  EXPECT_EQ(p.Get(30, 2), kWhite);
}

TEST(RegionFill, OnlyPixelsInBothRegionAndClip) {
  Picture p(20, 10, kWhite);
  ClipMask region, clip;
  region.SetRects(20, 10, {{2, 2, 12, 8}});
  clip.SetRects(20, 10, {{8, 0, 20, 10}});
  ChangedRect r = FillRegion(&p.view, clip, region, kBlack);
  EXPECT_TRUE(r.changed);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x)
      ASSERT_EQ(p.Get(x, y), region.Contains(x, y) && clip.Contains(x, y) ? kBlack : kWhite) << x << "," << y;
  ClipMask empty;
  empty.SetRects(20, 10, {});
  EXPECT_FALSE(FillRegion(&p.view, clip, empty, kBlack).changed);
}

TEST(Ellipse, HollowRingAtSizesOneAndTwoIsHalfWidthOne) {
  for (int size : {1, 2, 4}) {
    Picture p(60, 60, kWhite);
    DrawEllipse(&p.view, All(60, 60), {10, 10, 30, 30, size, 0, kBlack});
    // Centre (20, 20), radius 10, half width 1: D = |x − 30| along the row.
    EXPECT_EQ(p.Get(29, 20), kBlack) << size;
    EXPECT_EQ(p.Get(30, 20), kBlack) << size;
    EXPECT_EQ(p.Get(31, 20), kBlack) << size;
    EXPECT_EQ(p.Get(32, 20), MakeColour(211, 211, 211)) << size;  // D = 2: w = 106 of the old
    EXPECT_EQ(p.Get(33, 20), kWhite) << size;
    EXPECT_EQ(p.Get(27, 20), kWhite) << size;
    EXPECT_EQ(p.Get(20, 20), kWhite) << size;
    EXPECT_EQ(p.Get(20, 9), kBlack) << size;
  }
}

TEST(Ellipse, FringeHalfwayTakesAboutHalfTheColour) {
  Picture p(60, 60, kWhite);
  DrawEllipse(&p.view, All(60, 60), {10, 10, 30, 30, 4, 0, kBlack});
  // (30, 26) lies sqrt(136) = 11.66 from the centre: D − hw = 0.66 of the 1.2-pixel fringe.
  int grey = RedOf(p.Get(30, 26));
  EXPECT_GT(grey, 110);
  EXPECT_LT(grey, 150);
  // The fringe fades outward.
  EXPECT_LT(RedOf(p.Get(29, 25)), grey);
}

TEST(Ellipse, FilledEllipseStaysInsideTheClip) {
  Picture p(60, 60, kWhite);
  ClipMask clip;
  clip.SetRects(60, 60, {{0, 0, 20, 60}});
  ChangedRect r = DrawEllipse(&p.view, clip, {5, 5, 35, 25, 3, 1, kBlack});
  EXPECT_TRUE(r.changed);
  for (int y = 0; y < 60; ++y)
    for (int x = 20; x < 60; ++x) ASSERT_EQ(p.Get(x, y), kWhite) << x << "," << y;
  EXPECT_EQ(p.Get(15, 15), kBlack);  // inside: filled
  EXPECT_EQ(p.Get(19, 15), kBlack);
  EXPECT_EQ(p.Get(1, 1), kWhite);
}

TEST(Ellipse, FlatBoxesDrawStraightSoftLines) {
  Picture p(60, 60, kWhite);
  DrawEllipse(&p.view, All(60, 60), {20, 10, 20, 30, 4, 0, kBlack});  // rx = 0
  for (int y = 10; y <= 30; ++y) ASSERT_EQ(p.Get(20, y), kBlack) << y;
  EXPECT_EQ(p.Get(19, 20), kBlack);
  EXPECT_EQ(p.Get(21, 20), kBlack);
  EXPECT_EQ(p.Get(22, 20), MakeColour(211, 211, 211));
  EXPECT_EQ(p.Get(23, 20), kWhite);
  EXPECT_EQ(p.Get(20, 33), kWhite);

  Picture q(60, 60, kWhite);
  DrawEllipse(&q.view, All(60, 60), {10, 40, 50, 40, 4, 1, kBlack});  // ry = 0, filled
  for (int x = 10; x <= 50; ++x) ASSERT_EQ(q.Get(x, 40), kBlack) << x;
  EXPECT_EQ(q.Get(30, 41), kBlack);
  EXPECT_EQ(q.Get(30, 43), kWhite);

  Picture d(60, 60, kWhite);
  DrawEllipse(&d.view, All(60, 60), {30, 30, 30, 30, 20, 0, kBlack});  // a click: a dot of radius 9
  EXPECT_EQ(d.Get(30, 30), kBlack);
  EXPECT_EQ(d.Get(38, 30), kBlack);
  EXPECT_EQ(d.Get(41, 30), kWhite);
}

// Random boxes, sizes and clips, degenerate ones included: nothing outside the clip or the
// returned rectangle changes.
TEST(EllipseProperty, StaysInsideClipAndRectangle) {
  std::mt19937 rng(5);
  for (int round = 0; round < 300; ++round) {
    Picture p(48, 40, kWhite);
    Picture before = p;
    ClipMask clip;
    if (round % 2) {
      clip.SetAll(48, 40);
    } else {
      int l = rng() % 48, t = rng() % 40;
      clip.SetRects(48, 40, {{l, t, l + 1 + static_cast<int>(rng() % 30), t + 1 + static_cast<int>(rng() % 30)}});
    }
    auto coord = [&rng](int n) { return static_cast<int>(rng() % (n + 40)) - 20; };
    int x0 = coord(48), y0 = coord(40);
    int x1 = rng() % 4 == 0 ? x0 : coord(48), y1 = rng() % 4 == 0 ? y0 : coord(40);
    ChangedRect r = DrawEllipse(&p.view, clip, {x0, y0, x1, y1, static_cast<int>(rng() % 50), static_cast<int>(rng() % 2), kBlack});
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 48; ++x) {
        bool inRect = r.changed && x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
        if (!clip.Contains(x, y) || !inRect) {
          ASSERT_EQ(p.Get(x, y), kWhite) << round << ": " << x << "," << y;
        }
      }
  }
}

}  // namespace
