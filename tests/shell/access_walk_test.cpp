// Walking the screen by keys and switches: areas, nearest targets, pointer steps, the scanner.
#include <gtest/gtest.h>

#include "colvane/shell/switch_scan.h"
#include "colvane/shell/target_walk.h"

TEST(TargetWalk, StepsToAreasThatHaveTargets) {
  const int counts[] = {0, 3, 0, 2, 0};
  struct Case { int current, step, want; };
  const Case cases[] = {
      {-1, +1, 1}, {-1, -1, 3}, {1, +1, 3}, {3, +1, 1},  // wraps past the empty ones
      {1, -1, 3},  {3, -1, 1},  {7, +1, 1}, {0, +1, 1},  // out of range starts afresh
  };
  for (const Case& c : cases) EXPECT_EQ(StepArea(counts, 5, c.current, c.step), c.want) << c.current << " " << c.step;
  const int none[] = {0, 0};
  EXPECT_EQ(StepArea(none, 2, 0, +1), -1);
  EXPECT_EQ(StepArea(none, 0, -1, +1), -1);
}

TEST(TargetWalk, ArrowsFindTheNearestTargetThatWay) {
  // A 3 x 2 grid of boxes, and one wide button below the middle, a little to the right.
  const WalkRect r[] = {{0, 0, 10, 10},  {20, 0, 30, 10},  {40, 0, 50, 10},
                        {0, 20, 10, 30}, {20, 20, 30, 30}, {40, 20, 50, 30}, {22, 50, 60, 60}};
  struct Case { int from; WalkDirection d; int want; };
  const Case cases[] = {
      {0, WalkDirection::kRight, 1}, {1, WalkDirection::kRight, 2}, {2, WalkDirection::kRight, 2},  // the edge stays
      {2, WalkDirection::kLeft, 1},  {0, WalkDirection::kDown, 3},  {3, WalkDirection::kUp, 0},
      {4, WalkDirection::kDown, 6},  {3, WalkDirection::kDown, 6},  {6, WalkDirection::kUp, 5},  // nearer ahead
      {0, WalkDirection::kUp, 0},    {5, WalkDirection::kLeft, 4},  {9, WalkDirection::kLeft, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(NearestTarget(r, 7, c.from, c.d), c.want) << c.from;
  EXPECT_EQ(NearestTarget(r, 0, 0, WalkDirection::kUp), 0);
}

TEST(TargetWalk, PointerAcceleratesAndStaysInside) {
  const int steps[] = {1, 1, 1, 1, 2, 2, 4, 4, 8, 8, 16, 16, 16};
  for (int i = 0; i < 13; ++i) EXPECT_EQ(PointerStep(i), steps[i]) << i;
  const WalkRect paper{10, 20, 110, 70};
  struct Case { int x, y; WalkDirection d; int step, wantX, wantY; };
  const Case cases[] = {{50, 40, WalkDirection::kRight, 16, 66, 40}, {105, 40, WalkDirection::kRight, 16, 109, 40},
                        {12, 40, WalkDirection::kLeft, 16, 10, 40},   {50, 25, WalkDirection::kUp, 8, 50, 20},
                        {50, 65, WalkDirection::kDown, 8, 50, 69}};
  for (const Case& c : cases) {
    int x = c.x, y = c.y;
    MovePoint(&x, &y, c.d, c.step, paper);
    EXPECT_EQ(x, c.wantX);
    EXPECT_EQ(y, c.wantY);
  }
}

TEST(SwitchScan, OneSwitchStepsByTimeAndIgnoresQuickPresses) {
  const ScanSettings one{1, 1000, 300};
  ScanState s;
  BeginScanPhase(&s, ScanPhase::kAreas, 4, 5000);
  struct Step { bool key; uint32_t at; ScanOutcome want; int index; };
  const Step steps[] = {
      {false, 5999, ScanOutcome::kNothing, 0}, {false, 6000, ScanOutcome::kStepped, 1},
      {false, 8500, ScanOutcome::kStepped, 3},   // a late tick catches up
      {false, 9000, ScanOutcome::kStepped, 0},   // wraps
      {true, 10400, ScanOutcome::kChosen, 1},    // the press chooses what is highlighted then
      {true, 10600, ScanOutcome::kNothing, 1},   // a bounce within the accept time
      {true, 10700, ScanOutcome::kChosen, 1},
  };
  for (const Step& st : steps) {
    EXPECT_EQ(st.key ? ScanKey(&s, one, 0, st.at) : ScanTime(&s, one, st.at), st.want) << st.at;
    EXPECT_EQ(s.index, st.index) << st.at;
  }
  // The tick count wraps round.
  BeginScanPhase(&s, ScanPhase::kRows, kScanRows, 0xFFFFFF00u);
  EXPECT_EQ(ScanTime(&s, one, 0x00000300u), ScanOutcome::kStepped);
  EXPECT_EQ(s.index, 1);
}

TEST(SwitchScan, TwoSwitchesStepAndChooseAndOffDoesNothing) {
  const ScanSettings two{2, 1000, 300}, off{0, 1000, 300};
  ScanState s;
  BeginScanPhase(&s, ScanPhase::kTargets, 3, 0);
  EXPECT_EQ(ScanTime(&s, two, 50000), ScanOutcome::kNothing);
  const int keys[] = {0, 0, 0, 0};
  for (int k : keys) EXPECT_EQ(ScanKey(&s, two, k, 1), ScanOutcome::kStepped);
  EXPECT_EQ(s.index, 1);
  EXPECT_EQ(ScanKey(&s, two, 1, 1), ScanOutcome::kChosen);
  EXPECT_EQ(ScanKey(&s, off, 0, 1), ScanOutcome::kNothing);
  BeginScanPhase(&s, ScanPhase::kAreas, 0, 0);
  EXPECT_EQ(ScanKey(&s, two, 1, 1), ScanOutcome::kNothing);  // nothing to choose
}

TEST(SwitchScan, SpotsDirectionsAndLengths) {
  EXPECT_EQ(ScanSpot(0, 20, 0, 480), 12);
  EXPECT_EQ(ScanSpot(19, 20, 0, 480), 468);
  EXPECT_EQ(ScanSpot(0, 0, 7, 9), 7);
  const int want[8][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
  for (int i = 0; i < 8; ++i) {
    int dx = 9, dy = 9;
    ScanDirection(i, &dx, &dy);
    EXPECT_EQ(dx, want[i][0]);
    EXPECT_EQ(dy, want[i][1]);
  }
  EXPECT_EQ(ScanLength(0), 16);
  EXPECT_EQ(ScanLength(kScanLengths - 1), 512);
}
