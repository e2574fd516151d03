// The screen, composed back to front into one kept offscreen bitmap: a paint recomposes only the
// rectangles the window was told changed, and shows only those; what nobody damaged stays as it
// was composed.
#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/offscreen_win.h"
#include "colvane/frame/palette_scope_win.h"
#include "colvane/frame/screen_area_win.h"

namespace {

HDC kept = nullptr;  // a slot of the offscreen pool, held from paint to paint
int keptWidth = 0, keptHeight = 0;

// The kept composition at the client's size; a new one holds nothing yet.
HDC KeptComposition(HDC paintDc, int width, int height, bool* fresh) {
  *fresh = false;
  if (kept && keptWidth == width && keptHeight == height) return kept;
  FreeKeptComposition();
  kept = AcquireOffscreen(paintDc, width, height);
  if (!kept) return nullptr;
  keptWidth = width;
  keptHeight = height;
  *fresh = true;
  return kept;
}

bool Meets(const RECT& a, const RECT& b) {
  RECT common;
  return IntersectRect(&common, &a, &b) != 0;
}

bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// The shown rows that cover their bounds whole, looked at once per composed rectangle.
struct Cover {
  int row;
  RECT rect;  // layout coordinates
};
int FindCovers(ScreenAreas areas, Cover* covers, int capacity) {
  int n = 0;
  for (int j = 0; j < areas.count && n < capacity; ++j) {
    const ScreenArea& area = *areas.rows[j];
    if (area.coversBounds && area.bounds && area.paint && AreaShown(area)) covers[n++] = Cover{j, area.bounds()};
  }
  return n;
}

// The covers of rows above row `below` that meet `layout`: nothing of that row shows there. -1
// when one of them holds all of `layout`.
int CoversAbove(const Cover* covers, int count, int below, const RECT& layout, RECT* out) {
  int n = 0;
  for (int k = 0; k < count && covers[k].row < below; ++k) {
    if (Contains(covers[k].rect, layout)) return -1;
    if (Meets(covers[k].rect, layout)) out[n++] = covers[k].rect;
  }
  return n;
}

// A row painted with what covers it above left out of its clipping.
void PaintUncovered(HWND window, HDC dc, const ScreenArea& area, const RECT* covers, int count) {
  if (count == 0) {
    area.paint(window, dc);
    return;
  }
  const int saved = SaveDC(dc);
  for (int k = 0; k < count; ++k) {
    POINT a{covers[k].left, covers[k].top}, b{covers[k].right, covers[k].bottom};
    LayoutToScreen(&a);
    LayoutToScreen(&b);
    ExcludeClipRect(dc, a.x, a.y, b.x, b.y);
  }
  area.paint(window, dc);
  RestoreDC(dc, saved);
}

// The rows shown bottom-up, each held inside `rect` (client coordinates): the meta region keeps a
// row that sets its own clipping inside it too. A row is left out where a row above covers it.
void ComposeRect(HWND window, HDC dc, ScreenAreas areas, const RECT& rect) {
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  SetMetaRgn(dc);
  POINT a{rect.left, rect.top}, b{rect.right, rect.bottom};
  ScreenToLayout(&a);
  ScreenToLayout(&b);
  const RECT layout{a.x, a.y, b.x, b.y};
  Cover covers[4];
  const int coverCount = FindCovers(areas, covers, 4);
  for (int i = areas.count - 1; i >= 0; --i) {
    const ScreenArea& area = *areas.rows[i];
    if (!area.paint || !AreaShown(area)) continue;
    if (area.bounds && !Meets(area.bounds(), layout)) continue;
    RECT above[4];
    const int count = CoversAbove(covers, coverCount, i, layout, above);
    if (count >= 0) PaintUncovered(window, dc, area, above, count);
  }
  RestoreDC(dc, saved);
}

}  // namespace

void PaintScreen(HWND window, HDC paintDc, ScreenAreas areas, const RECT* rects, int count) {
  RECT client;
  GetClientRect(window, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  PaletteScope onScreen(paintDc, ScreenPalette());
  bool fresh = false;
  HDC dc = KeptComposition(paintDc, client.right, client.bottom, &fresh);
  if (!dc) return;
  if (fresh) {
    rects = &client;  // nothing is kept yet: all of it
    count = 1;
  }
  {
    PaletteScope offPalette(dc, ScreenPalette());
    CompositionScope composing;
    for (int i = 0; i < count; ++i) {
      RECT r;
      if (IntersectRect(&r, &rects[i], &client)) ComposeRect(window, dc, areas, r);
    }
  }
  for (int i = 0; i < count; ++i) {
    RECT r;
    if (IntersectRect(&r, &rects[i], &client))
      BitBlt(paintDc, r.left, r.top, r.right - r.left, r.bottom - r.top, dc, r.left, r.top, SRCCOPY);
  }
}

void ComposeScreen(HWND window, HDC paintDc, ScreenAreas areas) {
  RECT client;
  GetClientRect(window, &client);
  PaintScreen(window, paintDc, areas, &client, 1);
}

void FreeKeptComposition() {
  if (kept) ReleaseOffscreen(kept);
  kept = nullptr;
  keptWidth = keptHeight = 0;
}

void DamageScreen(HWND window, const RECT& layoutRect) {
  POINT a{layoutRect.left, layoutRect.top}, b{layoutRect.right, layoutRect.bottom};
  LayoutToScreen(&a);
  LayoutToScreen(&b);
  const RECT r{a.x, a.y, b.x, b.y};
  if (r.right > r.left && r.bottom > r.top) InvalidateRect(window, &r, FALSE);
}

void DamageWholeScreen(HWND window) { InvalidateRect(window, nullptr, FALSE); }
