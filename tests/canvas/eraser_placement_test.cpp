// The square eraser's swept shape and wipe, and the placing of a sticker through its mask.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "colvane/canvas/placement.h"
#include "colvane/canvas/square_eraser.h"
#include "tests/canvas/paint_test_support.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0;

TEST(SquareEraser, HalfSizeAndStraightSweeps) {
  EXPECT_EQ(SquareHalfSize(0), 1);
  EXPECT_EQ(SquareHalfSize(1), 1);
  EXPECT_EQ(SquareHalfSize(3), 2);
  EXPECT_EQ(SquareHalfSize(48), 24);
  CanvasPoint v[6];
  ASSERT_EQ(SweptSquare({20, 30}, {20, 30}, 5, v), 4);  // a click: one square
  EXPECT_EQ(v[0].x, 15);
  EXPECT_EQ(v[0].y, 25);
  EXPECT_EQ(v[2].x, 25);
  EXPECT_EQ(v[2].y, 35);
  ASSERT_EQ(SweptSquare({40, 30}, {20, 30}, 5, v), 4);  // horizontal: one rectangle
  EXPECT_EQ(v[0].x, 15);
  EXPECT_EQ(v[2].x, 45);
  ClipRect outline = SquareOutline({2, 478}, 5, 640, 480);  // held to 0 .. 640 and 0 .. 480
  EXPECT_EQ(outline.left, 0);
  EXPECT_EQ(outline.bottom, 480);
}

// Inside or on the edge of a convex polygon.
bool InConvex(const CanvasPoint* v, int n, double x, double y) {
  int sign = 0;
  for (int i = 0; i < n; ++i) {
    const CanvasPoint &a = v[i], &b = v[(i + 1) % n];
    double cross = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
    int s = (cross > 0) - (cross < 0);
    if (s && sign && s != sign) return false;
    if (s) sign = s;
  }
  return true;
}

TEST(SquareEraser, DiagonalMovesSweepAHexagonWithoutGaps) {
  const int k = 4, moves[5][2] = {{9, 5}, {-9, 5}, {9, -5}, {-2, -7}, {1, 1}};
  for (const auto& m : moves) {
    const CanvasPoint from{30, 30}, to{30 + m[0], 30 + m[1]};
    CanvasPoint v[6];
    ASSERT_EQ(SweptSquare(from, to, k, v), 6);
    // Every vertex is a corner of one of the two squares...
    for (const CanvasPoint& p : v) {
      bool ofFrom = std::abs(p.x - from.x) == k && std::abs(p.y - from.y) == k;
      bool ofTo = std::abs(p.x - to.x) == k && std::abs(p.y - to.y) == k;
      EXPECT_TRUE(ofFrom || ofTo) << m[0] << "," << m[1];
    }
    // ...and every pixel of every square along the way, sampled at its centre, lies inside.
    for (int step = 0; step <= 20; ++step) {
      double cx = from.x + m[0] * step / 20.0, cy = from.y + m[1] * step / 20.0;
      for (double y = cy - k + 0.5; y < cy + k; y += 1)
        for (double x = cx - k + 0.5; x < cx + k; x += 1)
          ASSERT_TRUE(InConvex(v, 6, x, y)) << m[0] << "," << m[1] << " at " << x << "," << y;
    }
  }
}

TEST(SquareEraser, WipeTakesTheBackgroundInsideSweptAndClip) {
  TestCanvas c(30, 20, kBlack);
  ClipMask swept, clip, none;
  swept.SetRects(30, 20, {{5, 5, 15, 15}, {15, 8, 25, 18}});
  clip.SetRects(30, 20, {{0, 0, 20, 20}});
  const uint32_t background = MakeColour(10, 200, 30);
  ChangedRect r = WipeSwept(&c.view, clip, swept, background);
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.bottom, 17);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x)
      ASSERT_EQ(c.Get(x, y), swept.Contains(x, y) && clip.Contains(x, y) ? background : kBlack) << x << "," << y;
  none.SetRects(30, 20, {});
  EXPECT_FALSE(WipeSwept(&c.view, clip, none, background).changed);
}

TEST(ClipArtDrop, MaskDecidesOpacity) {
  // A 4 x 1 black sticker; mask white, grey, pure blue, black.
  TestCanvas picture(4, 1, kBlack), mask(4, 1, kWhite), c(10, 3);
  mask.Set(1, 0, Grey(128));
  mask.Set(2, 0, MakeColour(0, 0, 255));
  mask.Set(3, 0, kBlack);
  ChangedRect r = DropClipArt(&c.view, c.all, picture.view, mask.view, {5, 1});  // top-left (3, 1)
  EXPECT_EQ(r.left, 3);
  EXPECT_EQ(r.right, 6);
  EXPECT_EQ(c.Get(3, 1), kBlack);
  EXPECT_EQ(c.Get(4, 1), Grey(126));  // (255 × 127 + 0 × 128) >> 8
  EXPECT_EQ(c.Get(5, 1), kWhite);
  EXPECT_EQ(c.Get(6, 1), kWhite);
}

TEST(ClipArtDrop, PartlyOffTheCanvasDropsTheVisiblePart) {
  TestCanvas picture(4, 4), mask(4, 4), c(6, 5);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) picture.Set(x, y, MakeColour(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 9));
  ChangedRect r = DropClipArt(&c.view, c.all, picture.view, mask.view, {0, 0});
  EXPECT_EQ(r.right, 1);
  EXPECT_EQ(r.bottom, 1);
  EXPECT_EQ(c.Get(0, 0), picture.Get(2, 2));
  EXPECT_EQ(c.Get(1, 1), picture.Get(3, 3));
  EXPECT_EQ(c.Get(2, 0), kWhite);
  EXPECT_FALSE(DropClipArt(&c.view, c.all, picture.view, mask.view, {-3, 2}).changed);
  EXPECT_FALSE(DropClipArt(&c.view, c.all, picture.view, mask.view, {8, 2}).changed);
  // Random drops and clips: nothing outside the clip changes.
  std::mt19937 rng(3);
  for (int round = 0; round < 200; ++round) {
    const int w = 1 + rng() % 12, h = 1 + rng() % 12, l = rng() % 20, t = rng() % 16;
    TestCanvas pic(w, h, kBlack), msk(w, h), canvas(20, 16);
    for (int i = 0; i < w * h; ++i) msk.Set(i % w, i / w, rng() & 0xFFFFFF);
    ClipMask clip;
    clip.SetRects(20, 16, {{l, t, l + 1 + int(rng() % 10), t + 1 + int(rng() % 10)}});
    DropClipArt(&canvas.view, clip, pic.view, msk.view, {int(rng() % 40) - 10, int(rng() % 36) - 10});
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 20; ++x)
        if (!clip.Contains(x, y)) {
          ASSERT_EQ(canvas.Get(x, y), kWhite);
        }
  }
}

TEST(DragPreview, WorkAreaAndTheBlitHeldToTheCanvas) {
  // A 20 x 10 picture moved from (5, 5) to (8, 6) by the top-left corner.
  DragPreview plan = PlanDragPreview({8, 6}, {5, 5}, 20, 10, 640, 480);
  ASSERT_TRUE(plan.shown);
  EXPECT_EQ(plan.work.left, -5);
  EXPECT_EQ(plan.work.right, 18);
  EXPECT_EQ(plan.work.bottom, 11);
  EXPECT_EQ(plan.picture.x, 3);
  EXPECT_EQ(plan.picture.y, 1);
  EXPECT_EQ(plan.target.left, 0);
  EXPECT_EQ(plan.source.x, 5);
  plan = PlanDragPreview({638, 470}, {630, 470}, 20, 10, 640, 480);
  EXPECT_EQ(plan.target.right, 640);
  EXPECT_EQ(plan.target.bottom, 475);
  EXPECT_FALSE(PlanDragPreview({700, 100}, {700, 100}, 20, 10, 640, 480).shown);
  EXPECT_FALSE(PlanDragPreview({-30, 100}, {-30, 100}, 20, 10, 640, 480).shown);
}

}  // namespace
