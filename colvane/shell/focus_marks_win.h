// What keys and switches show on the screen: a ring round a target or round a whole area, a
// crosshair on the paper, the scanner's lines and a stroke to come. Drawn last in the composition.
#pragma once
#include <windows.h>

#include "colvane/frame/screen_area_win.h"

// Where a ring goes now: round target `target` of area `area` (-1: the rectangle round all its
// targets), with their names for the log; false when that is nowhere now.
using RingFinder = bool (*)(int area, int target, RECT* ring, const char** areaName, const char** targetName);

struct FocusMarks {
  RingFinder findRing = nullptr;
  int area = -1;    // a ring round this area's target...
  int target = -1;  // ... or, at -1, round each of its targets
  bool cross = false;
  POINT crossAt{0, 0};
  int rowY = -1, columnX = -1;  // the scanner's lines across `lineBounds`; -1: none
  RECT lineBounds{0, 0, 0, 0};
  bool segment = false;
  POINT from{0, 0}, to{0, 0};
};
// All points and rectangles in layout coordinates. Each change repaints the screen and says
// where the focus went in the debug output, for logs and tests.
void ShowFocusMarks(HWND window, const FocusMarks& marks);
void HideFocusMarks(HWND window);
bool FocusMarksShown();

extern const ScreenArea kFocusMarksArea;
