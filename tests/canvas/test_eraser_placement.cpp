// The square eraser's swept shape and wipe, and the placing of a sticker through its mask.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "colvane/canvas/placement.h"
#include "colvane/canvas/square_eraser.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0;

struct Picture {
  std::vector<uint8_t> bytes;
  PixelView view;
  Picture(int w, int h, uint32_t colour) : bytes(static_cast<size_t>(Stride24(w)) * h) {
    view = {bytes.data(), w, h, Stride24(w)};
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) Set(x, y, colour);
  }
  Picture(const Picture& o) : bytes(o.bytes), view(o.view) { view.bits = bytes.data(); }
  void Set(int x, int y, uint32_t c) {
    uint8_t* p = view.At(x, y);
    p[0] = BlueOf(c);
    p[1] = GreenOf(c);
    p[2] = RedOf(c);
  }
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

TEST(SquareEraser, HalfSizeFollowsTheSizeValue) {
  EXPECT_EQ(SquareHalfSize(0), 1);
  EXPECT_EQ(SquareHalfSize(1), 1);
  EXPECT_EQ(SquareHalfSize(2), 1);
  EXPECT_EQ(SquareHalfSize(3), 2);
  EXPECT_EQ(SquareHalfSize(48), 24);
}

TEST(SquareEraser, StraightMovesAndClicksSweepARectangle) {
  CanvasPoint v[6];
  ASSERT_EQ(SweptSquare({20, 30}, {20, 30}, 5, v), 4);
  EXPECT_EQ(v[0].x, 15);
  EXPECT_EQ(v[0].y, 25);
  EXPECT_EQ(v[2].x, 25);
  EXPECT_EQ(v[2].y, 35);
  ASSERT_EQ(SweptSquare({40, 30}, {20, 30}, 5, v), 4);
  EXPECT_EQ(v[0].x, 15);
  EXPECT_EQ(v[2].x, 45);
  ASSERT_EQ(SweptSquare({20, 10}, {20, 30}, 2, v), 4);
  EXPECT_EQ(v[0].y, 8);
  EXPECT_EQ(v[2].y, 32);
}

// Inside or on the edge of a convex polygon.
bool InConvex(const CanvasPoint* v, int n, double x, double y) {
  int sign = 0;
  for (int i = 0; i < n; ++i) {
    const CanvasPoint& a = v[i];
    const CanvasPoint& b = v[(i + 1) % n];
    double cross = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
    int s = cross > 0 ? 1 : (cross < 0 ? -1 : 0);
    if (s == 0) continue;
    if (sign == 0) sign = s;
    if (s != sign) return false;
  }
  return true;
}

TEST(SquareEraser, DiagonalMovesSweepAHexagonWithoutGaps) {
  const int k = 4;
  for (auto [dx, dy] : {std::pair{9, 5}, std::pair{-9, 5}, std::pair{9, -5}, std::pair{-2, -7}, std::pair{1, 1}}) {
    CanvasPoint from{30, 30}, to{30 + dx, 30 + dy};
    CanvasPoint v[6];
    ASSERT_EQ(SweptSquare(from, to, k, v), 6);
    // Convex, and every corner of both squares lies in it: it is their hull.
    for (int i = 0; i < 6; ++i) {
      const CanvasPoint &a = v[i], &b = v[(i + 1) % 6], &c = v[(i + 2) % 6];
      double cross = static_cast<double>(b.x - a.x) * (c.y - b.y) - static_cast<double>(b.y - a.y) * (c.x - b.x);
      double first = static_cast<double>(v[1].x - v[0].x) * (v[2].y - v[1].y) -
                     static_cast<double>(v[1].y - v[0].y) * (v[2].x - v[1].x);
      EXPECT_GE(cross * first, 0) << dx << "," << dy << " vertex " << i;
    }
    // Every pixel of every square on the way, sampled at its centre, is inside.
    for (int step = 0; step <= 20; ++step) {
      double cx = from.x + dx * step / 20.0, cy = from.y + dy * step / 20.0;
      for (double y = cy - k + 0.5; y < cy + k; y += 1)
        for (double x = cx - k + 0.5; x < cx + k; x += 1)
          ASSERT_TRUE(InConvex(v, 6, x, y)) << dx << "," << dy << " at " << x << "," << y;
    }
  }
}

TEST(SquareEraser, OutlineIsHeldToTheCanvasIncludingItsSize) {
  ClipRect r = SquareOutline({2, 478}, 5, 640, 480);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 473);
  EXPECT_EQ(r.right, 7);
  EXPECT_EQ(r.bottom, 480);
}

TEST(SquareEraser, WipeTakesTheBackgroundInsideSweptAndClip) {
  Picture p(30, 20, kBlack);
  ClipMask swept, clip;
  swept.SetRects(30, 20, {{5, 5, 15, 15}, {15, 8, 25, 18}});
  clip.SetRects(30, 20, {{0, 0, 20, 20}});
  const uint32_t background = MakeColour(10, 200, 30);
  ChangedRect r = WipeSwept(&p.view, clip, swept, background);
  EXPECT_TRUE(r.changed);
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.bottom, 17);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x)
      ASSERT_EQ(p.Get(x, y), swept.Contains(x, y) && clip.Contains(x, y) ? background : kBlack) << x << "," << y;
  ClipMask none;
  none.SetRects(30, 20, {});
  EXPECT_FALSE(WipeSwept(&p.view, clip, none, background).changed);
}

TEST(ClipArtDrop, MaskDecidesOpacity) {
  // A 4 x 1 sticker, black picture; mask white, grey, pure blue, black.
  Picture picture(4, 1, kBlack), mask(4, 1, kWhite);
  mask.Set(1, 0, MakeColour(128, 128, 128));
  mask.Set(2, 0, MakeColour(0, 0, 255));
  mask.Set(3, 0, kBlack);
  Picture canvas(10, 3, kWhite);
  ChangedRect r = DropClipArt(&canvas.view, All(10, 3), picture.view, mask.view, {5, 1});
  // Top-left (5 − 2, 1 − 0).
  EXPECT_EQ(r.left, 3);
  EXPECT_EQ(r.right, 6);
  EXPECT_EQ(canvas.Get(3, 1), kBlack);
  EXPECT_EQ(canvas.Get(4, 1), MakeColour(126, 126, 126));  // (255 × 127 + 0 × 128) >> 8
  EXPECT_EQ(canvas.Get(5, 1), kWhite);
  EXPECT_EQ(canvas.Get(6, 1), kWhite);
  EXPECT_EQ(MaskOpacity(mask.view.At(1, 0)), 128);
}

TEST(ClipArtDrop, PartlyOffTheCanvasDropsTheVisiblePart) {
  Picture picture(4, 4, 0), mask(4, 4, kWhite);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) picture.Set(x, y, MakeColour(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 9));
  Picture canvas(6, 5, kWhite);
  ChangedRect r = DropClipArt(&canvas.view, All(6, 5), picture.view, mask.view, {0, 0});
  ASSERT_TRUE(r.changed);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, 1);
  EXPECT_EQ(r.bottom, 1);
  EXPECT_EQ(canvas.Get(0, 0), picture.Get(2, 2));
  EXPECT_EQ(canvas.Get(1, 1), picture.Get(3, 3));
  EXPECT_EQ(canvas.Get(2, 0), kWhite);
  EXPECT_FALSE(DropClipArt(&canvas.view, All(6, 5), picture.view, mask.view, {-3, 2}).changed);
  EXPECT_FALSE(DropClipArt(&canvas.view, All(6, 5), picture.view, mask.view, {8, 2}).changed);
}

TEST(ClipArtDrop, RandomDropsStayInTheClip) {
  std::mt19937 rng(3);
  for (int round = 0; round < 200; ++round) {
    int w = 1 + rng() % 12, h = 1 + rng() % 12;
    Picture picture(w, h, kBlack), mask(w, h, 0);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) mask.Set(x, y, rng() & 0xFFFFFF);
    Picture canvas(20, 16, kWhite);
    ClipMask clip;
    int l = rng() % 20, t = rng() % 16;
    clip.SetRects(20, 16, {{l, t, l + 1 + static_cast<int>(rng() % 10), t + 1 + static_cast<int>(rng() % 10)}});
    CanvasPoint at{static_cast<int>(rng() % 40) - 10, static_cast<int>(rng() % 36) - 10};
    DropClipArt(&canvas.view, clip, picture.view, mask.view, at);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 20; ++x)
        if (!clip.Contains(x, y)) {
          ASSERT_EQ(canvas.Get(x, y), kWhite);
        }
  }
}

TEST(DragPreview, WorkAreaAndTheBlitHeldToTheCanvas) {
  // A 20 x 10 picture moved from (5, 5) to (8, 6) near the top-left corner.
  DragPreview plan = PlanDragPreview({8, 6}, {5, 5}, 20, 10, 640, 480);
  ASSERT_TRUE(plan.shown);
  EXPECT_EQ(plan.work.left, -5);
  EXPECT_EQ(plan.work.top, 0);
  EXPECT_EQ(plan.work.right, 18);
  EXPECT_EQ(plan.work.bottom, 11);
  EXPECT_EQ(plan.picture.x, 3);
  EXPECT_EQ(plan.picture.y, 1);
  EXPECT_EQ(plan.target.left, 0);
  EXPECT_EQ(plan.target.top, 0);
  EXPECT_EQ(plan.source.x, 5);
  EXPECT_EQ(plan.source.y, 0);
  plan = PlanDragPreview({638, 470}, {630, 470}, 20, 10, 640, 480);
  EXPECT_EQ(plan.target.right, 640);
  EXPECT_EQ(plan.target.bottom, 475);
  EXPECT_FALSE(PlanDragPreview({700, 100}, {700, 100}, 20, 10, 640, 480).shown);
  EXPECT_FALSE(PlanDragPreview({-30, 100}, {-30, 100}, 20, 10, 640, 480).shown);
}

}  // namespace
