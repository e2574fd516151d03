// The one screen-layout record.
#include "colvane/frame/screen_layout.h"

namespace {
ScreenLayout screen;
}

const ScreenLayout& Screen() { return screen; }
void SetScreenLayout(const ScreenLayout& layout) { screen = layout; }

bool IsOnPaperPoint(const ScreenLayout& s, int x, int y) {
  return x >= 0 && y >= 0 && x < s.paperWidth && y < s.paperHeight;
}

ScreenLayout MakeScreenLayout(const ScreenGeometry& g, int paperX, int paperY) {
  ScreenLayout s;
  s.wideLayout = g.wideLayout;
  s.screenOriginX = g.screenOriginX;
  s.screenOriginY = g.screenOriginY;
  s.paperWidth = g.paperWidth;
  s.paperHeight = g.paperHeight;
  s.paperOriginX = g.screenOriginX + paperX;
  s.paperOriginY = g.screenOriginY + paperY;
  return s;
}
