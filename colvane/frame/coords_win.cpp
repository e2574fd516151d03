// Conversions between layout, screen and paper coordinates, and the palette every blit realises.
#include "colvane/frame/coords_win.h"

#include "colvane/frame/screen_area_win.h"
#include "colvane/frame/screen_layout.h"

namespace {
HPALETTE screenPalette = nullptr;  // borrowed: the shell owns the palette
}  // namespace

HPALETTE ScreenPalette() { return screenPalette; }
void SetScreenPalette(HPALETTE palette) { screenPalette = palette; }

bool IsOnPaper(POINT paper) { return IsOnPaperPoint(Screen(), paper.x, paper.y); }

void LayoutToScreen(POINT* p) {
  p->x += Screen().screenOriginX;
  p->y += Screen().screenOriginY;
}

void ScreenToLayout(POINT* p) {
  p->x -= Screen().screenOriginX;
  p->y -= Screen().screenOriginY;
}

void PaperToScreen(POINT* p) {
  p->x += Screen().paperOriginX;
  p->y += Screen().paperOriginY;
}

void ScreenToPaper(POINT* p) {
  p->x -= Screen().paperOriginX;
  p->y -= Screen().paperOriginY;
}

void RepaintLayoutRect(HWND window, const RECT* layoutRect) {
  DamageScreen(window, *layoutRect);
  UpdateWindow(window);
}

RECT ShownPaperRect() {
  const ScreenLayout& s = Screen();
  const int left = s.paperOriginX - s.screenOriginX, top = s.paperOriginY - s.screenOriginY;
  return RECT{left, top, left + s.paperWidth, top + s.paperHeight};
}

SIZE BitmapSize(HBITMAP bitmap) {
  SIZE s{0, 0};
  BITMAP bm{};
  if (bitmap && GetObjectA(bitmap, sizeof(bm), &bm)) {
    s.cx = bm.bmWidth;
    s.cy = bm.bmHeight;
  }
  return s;
}
