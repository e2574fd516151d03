// The grown-ups' screen as plain geometry and values: where each control lies on its 640 x 480
// sheet, what a press on it does to a policy value. Pure, so the sheet's reach and steps are
// tested without a window.
#pragma once
#include <string>
#include <vector>

#include "colvane/layout/policy.h"

struct SheetRect {
  int left, top, right, bottom;
};
inline bool SheetRectHolds(const SheetRect& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

enum class SheetAction { kToggle, kLess, kMore, kChangeFolder, kUsualFolder, kKeep, kCancel, kEnd };

struct SheetControl {
  SheetRect rect;
  SheetAction action;
  PolicyKey key;  // kCount for the buttons at the bottom
};

// One line of the sheet: a key, its words, where its label and value are drawn.
struct SheetLine {
  PolicyKey key;
  const char* label;
  SheetRect labelRect, valueRect;
};

constexpr int kSheetWidth = 640, kSheetHeight = 480;

const std::vector<SheetLine>& SheetLines();
const std::vector<SheetControl>& SheetControls();
// Where the faults are listed.
SheetRect SheetFaultRect();
// The control under a sheet point, or null.
const SheetControl* SheetControlAt(int x, int y);

// The value after a press on less or more (direction -1 or +1) or on a toggle (0). A number
// whose key reads 0 as "off" goes down to 0 below its lowest value; the others stop there.
PolicyValue StepPolicyValue(PolicyKey key, const PolicyValue& value, int direction);
// The value as the sheet shows it ("Off", "Any", "On", a number, the folder or "Usual place").
std::string ShownPolicyValue(PolicyKey key, const PolicyValue& value);
