// The running cartoons without their bitmaps: frames, paths, the canvas edge, removal and hits.
#include <gtest/gtest.h>

#include "colvane/library/cartoon_table.h"

TEST(CartoonTable, FramesOfA96PixelStripCycle) {
  CartoonTable t;
  const int i = t.Add(1, 1, 32, 96, 40);
  ASSERT_EQ(i, 0);
  t.Place(i, CartoonPoint{100, 100});
  std::vector<int> frames, lefts;
  for (int k = 0; k < 7; ++k) {
    const CartoonStep s = AdvanceCartoon(&t.At(i), 640, 480);
    ASSERT_TRUE(s.draw);
    frames.push_back(s.frame);
    lefts.push_back(FrameLeft(t.At(i), s.frame));
  }
  EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 0, 1, 2, 0}));
  EXPECT_EQ(lefts, (std::vector<int>{0, 32, 64, 0, 32, 64, 0}));
  // Centred on its point: left = x - W/2, top = y - h/2.
  const CartoonRect r = FrameRect(t.At(i), CartoonPoint{100, 100});
  EXPECT_EQ(r.left, 84);
  EXPECT_EQ(r.top, 80);
  EXPECT_EQ(r.right, 116);
  EXPECT_EQ(r.bottom, 120);
}

TEST(CartoonTable, WalksItsPathInALoopAndSkipsPointsBeyondTheCanvas) {
  CartoonTable t;
  const int i = t.Add(1, 2, 10, 40, 10);
  t.SetPath(i, {{10, 10}, {640, 50}, {30, 480}, {50, 50}});
  std::vector<bool> drawn;
  std::vector<int> frames;
  for (int k = 0; k < 5; ++k) {
    const CartoonStep s = AdvanceCartoon(&t.At(i), 640, 480);
    drawn.push_back(s.draw);
    frames.push_back(s.frame);
    if (s.draw) {
      EXPECT_EQ(s.at.x, t.At(i).drawnAt.x);
    }
  }
  EXPECT_EQ(drawn, (std::vector<bool>{true, false, false, true, true}));
  // Not drawn, yet the frame still advanced: the fourth point shows frame 3.
  EXPECT_EQ(frames[3], 3);
  EXPECT_EQ(frames[4], 0);  // back to the first point and the first frame
  // The area shown covers where it was and where it is.
  const CartoonStep s = AdvanceCartoon(&t.At(i), 640, 480);  // (640, 50): not drawn
  EXPECT_FALSE(s.draw);
  t.SetPath(i, {{100, 100}, {120, 100}});
  AdvanceCartoon(&t.At(i), 640, 480);
  const CartoonStep moved = AdvanceCartoon(&t.At(i), 640, 480);
  EXPECT_EQ(moved.area.left, 95);
  EXPECT_EQ(moved.area.right, 125);
}

TEST(CartoonTable, RemovingTheFirstOfThreeKeepsTheOthersWithTheirOwnNames) {
  CartoonTable t;
  t.Place(t.Add(1, 1, 10, 20, 10), CartoonPoint{1, 1});
  t.Place(t.Add(1, 5, 10, 20, 10), CartoonPoint{2, 2});
  t.SetPath(t.Add(2, 3, 10, 30, 10), {{3, 3}, {4, 4}});
  t.Remove(0);
  ASSERT_EQ(t.Count(), 2);
  EXPECT_EQ(t.At(0).group, 1);
  EXPECT_EQ(t.At(0).number, 5);
  EXPECT_EQ(t.At(1).group, 2);
  EXPECT_EQ(t.At(1).number, 3);
  EXPECT_EQ(t.At(1).path.size(), 2u);
  const std::vector<CartoonRecord> r = t.Records();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].number, 5);
  EXPECT_EQ(r[1].path[1].x, 4);
  t.Remove(5);   // out of range: nothing
  t.Remove(-1);
  EXPECT_EQ(t.Count(), 2);
}

TEST(CartoonTable, TenAtMostAndOnlyUsableStrips) {
  CartoonTable t;
  EXPECT_EQ(t.Add(1, 1, 0, 96, 10), -1);    // no frame width
  EXPECT_EQ(t.Add(1, 1, 100, 96, 10), -1);  // a frame wider than the strip
  EXPECT_EQ(t.Add(1, 1, 32, 96, 0), -1);
  for (int k = 0; k < kCartoonLimit; ++k) EXPECT_EQ(t.Add(1, k, 32, 96, 10), k);
  EXPECT_TRUE(t.Full());
  EXPECT_EQ(t.Add(1, 11, 32, 96, 10), -1);
}

TEST(CartoonTable, HitTestFindsTheEarliestOfOverlappingCartoons) {
  CartoonTable t;
  t.Add(1, 1, 40, 40, 40);  // taken, not placed: never hit
  t.Place(t.Add(1, 2, 40, 80, 40), CartoonPoint{100, 100});
  t.Place(t.Add(1, 3, 40, 80, 40), CartoonPoint{110, 100});
  EXPECT_EQ(t.HitTest(CartoonPoint{105, 100}), 1);
  EXPECT_EQ(t.HitTest(CartoonPoint{125, 100}), 2);
  EXPECT_EQ(t.HitTest(CartoonPoint{80, 80}), 1);    // the top-left corner is inside
  EXPECT_EQ(t.HitTest(CartoonPoint{130, 100}), -1);  // the right edge is not
  t.Remove(1);
  EXPECT_EQ(t.HitTest(CartoonPoint{105, 100}), 1);
  // A walking cartoon is hit where it goes next.
  CartoonTable w;
  w.SetPath(w.Add(1, 1, 10, 10, 10), {{0, 0}, {300, 300}});
  AdvanceCartoon(&w.At(0), 640, 480);
  EXPECT_EQ(w.HitTest(CartoonPoint{300, 300}), 0);
  EXPECT_EQ(w.HitTest(CartoonPoint{0, 0}), -1);
}

TEST(CartoonTable, ExtremePointsNeitherWrapNorLeaveTheCanvas) {
  CartoonTable t;
  t.SetPath(t.Add(1, 1, 64, 64, 64), {{2147483647, 2147483647}, {-2147483647 - 1, 5}});
  EXPECT_EQ(t.HitTest(CartoonPoint{0, 0}), -1);
  EXPECT_FALSE(AdvanceCartoon(&t.At(0), 640, 480).draw);
  const CartoonStep s = AdvanceCartoon(&t.At(0), 640, 480);  // far left: "drawn", wholly off
  EXPECT_TRUE(CutToCanvas(s.area, 640, 480).Empty());
  const CartoonRect cut = CutToCanvas(CartoonRect{-10, -10, 700, 500}, 640, 480);
  EXPECT_EQ(cut.left, 0);
  EXPECT_EQ(cut.top, 0);
  EXPECT_EQ(cut.right, 640);
  EXPECT_EQ(cut.bottom, 480);
  EXPECT_TRUE(CutToCanvas(CartoonRect{640, 0, 700, 10}, 640, 480).Empty());
}
