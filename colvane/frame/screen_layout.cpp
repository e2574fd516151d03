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
