// Where things lie on this screen: the layout variant, the screen origin of the layout and the
// paper's origin and shown size. Set once at start-up from the real screen; read everywhere.
#pragma once

#include "colvane/layout/layout_values.h"

struct ScreenLayout {
  int wideLayout = 1;  // 1: the "800" layout; 0: the "640" layout
  int screenOriginX = 0, screenOriginY = 0;
  int paperWidth = 640, paperHeight = 480;
  int paperOriginX = 0, paperOriginY = 0;  // screen coordinates of the paper's top-left pixel
};

const ScreenLayout& Screen();
// Start-up (and tests that stand in for it) set the record; nothing else changes it.
void SetScreenLayout(const ScreenLayout& layout);
// The record for a screen of geometry g whose layout puts the paper's top-left at layout point
// (paperX, paperY), a point read within the screen's reach (LayoutReach).
ScreenLayout MakeScreenLayout(const ScreenGeometry& g, int paperX, int paperY);
// A paper point (screen minus the paper origin) that lies on the shown paper.
bool IsOnPaperPoint(const ScreenLayout& s, int x, int y);
