// Conversions between layout, screen and paper coordinates.
#include "colvane/frame/blit.h"
#include "colvane/shell/app_state.h"

void LayoutToScreen(POINT* p) {
  p->x += App().screenOriginX;
  p->y += App().screenOriginY;
}

void ScreenToLayout(POINT* p) {
  p->x -= App().screenOriginX;
  p->y -= App().screenOriginY;
}

void PaperToScreen(POINT* p) {
  p->x += App().paperOriginX;
  p->y += App().paperOriginY;
}

void ScreenToPaper(POINT* p) {
  p->x -= App().paperOriginX;
  p->y -= App().paperOriginY;
}

void RepaintLayoutRect(HWND window, const RECT* layoutRect) {
  POINT a{layoutRect->left, layoutRect->top}, b{layoutRect->right, layoutRect->bottom};
  LayoutToScreen(&a);
  LayoutToScreen(&b);
  RECT r{a.x, a.y, b.x, b.y};
  InvalidateRect(window, &r, FALSE);
  UpdateWindow(window);
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
