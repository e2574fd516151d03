// The grown-ups' sheet: every control in reach and apart, and the steps of its values.
#include "colvane/shell/grown_ups_sheet.h"

#include <gtest/gtest.h>

namespace {

bool Overlap(const SheetRect& a, const SheetRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(GrownUpsSheet, ControlsAreLargeApartAndOnTheSheet) {
  const std::vector<SheetControl>& controls = SheetControls();
  for (size_t i = 0; i < controls.size(); ++i) {
    const SheetRect& r = controls[i].rect;
    EXPECT_GE(r.right - r.left, 24) << i;
    EXPECT_GE(r.bottom - r.top, 24) << i;
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= kSheetWidth && r.bottom <= kSheetHeight) << i;
    EXPECT_EQ(SheetControlAt((r.left + r.right) / 2, (r.top + r.bottom) / 2), &controls[i]) << i;
    for (size_t j = i + 1; j < controls.size(); ++j) EXPECT_FALSE(Overlap(r, controls[j].rect)) << i << " " << j;
  }
  // Every key but the switch keys (read only) can be changed on the sheet.
  for (int k = 0; k < kPolicyKeyCount; ++k) {
    const PolicyKey key = static_cast<PolicyKey>(k);
    bool reached = key == PolicyKey::kSwitchKeys;
    for (const SheetControl& c : controls) reached |= c.key == key;
    EXPECT_TRUE(reached) << PolicyKeyDescription(key).name;
  }
}

TEST(GrownUpsSheet, Steps) {
  struct Case {
    PolicyKey key;
    int from, direction, to;
  } cases[] = {
      {PolicyKey::kNoQuit, 0, 0, 1},
      {PolicyKey::kNoQuit, 1, 0, 0},
      {PolicyKey::kUndoSteps, 1, -1, 1},  // never below the toggle
      {PolicyKey::kUndoSteps, 20, +1, 20},
      {PolicyKey::kUndoSteps, 4, +1, 5},
      {PolicyKey::kPrintsPerDay, 0, +1, 1},
      {PolicyKey::kPrintsPerDay, 1, -1, 0},  // back to any number
      {PolicyKey::kMinutesBetweenPrints, 0, +1, 5},
      {PolicyKey::kMinutesBetweenPrints, 5, -1, 0},
      {PolicyKey::kDwellMs, 0, +1, 300},
      {PolicyKey::kDwellMs, 300, -1, 0},  // off again
      {PolicyKey::kScanMs, 250, -1, 250},  // the scan never stops
      {PolicyKey::kSwitches, 2, +1, 2},
  };
  for (const Case& c : cases) {
    PolicyValue v;
    v.number = c.from;
    v.unreadable = true;
    const PolicyValue next = StepPolicyValue(c.key, v, c.direction);
    EXPECT_EQ(next.number, c.to) << PolicyKeyDescription(c.key).name << " from " << c.from;
    EXPECT_EQ(next.source, PolicySource::kUser);
    EXPECT_FALSE(next.unreadable);
  }
}

}  // namespace
