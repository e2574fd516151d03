// The focus marks: their one state, and their painting over everything else.
#include "colvane/frame/screen_area_win.h"
#include "colvane/shell/focus_marks_win.h"

#include <cstdio>

#include "colvane/frame/coords_win.h"

namespace {

bool shown = false;
FocusMarks marks;

const COLORREF kInner = RGB(0, 0, 0), kOuter = RGB(255, 255, 255);

bool RingRect(int target, RECT* ring, const char** areaName = nullptr, const char** targetName = nullptr) {
  const char* unused;
  return marks.findRing && marks.findRing(marks.area, target, ring, areaName ? areaName : &unused,
                                          targetName ? targetName : &unused);
}

void Fill(HDC dc, RECT r, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);  // a solid fill without a brush
}

// A band `width` wide just inside `outer`.
void Band(HDC dc, const RECT& outer, int width, COLORREF colour) {
  Fill(dc, RECT{outer.left, outer.top, outer.right, outer.top + width}, colour);
  Fill(dc, RECT{outer.left, outer.bottom - width, outer.right, outer.bottom}, colour);
  Fill(dc, RECT{outer.left, outer.top, outer.left + width, outer.bottom}, colour);
  Fill(dc, RECT{outer.right - width, outer.top, outer.right, outer.bottom}, colour);
}

RECT OnScreen(RECT r) {
  POINT a{r.left, r.top}, b{r.right, r.bottom};
  LayoutToScreen(&a);
  LayoutToScreen(&b);
  return RECT{a.x, a.y, b.x, b.y};
}

// Three black pixels round the rectangle, two white ones round those: seen on any background.
void Ring(HDC dc, const RECT& layout) {
  RECT r = OnScreen(layout);
  InflateRect(&r, 5, 5);
  Band(dc, r, 2, kOuter);
  InflateRect(&r, -2, -2);
  Band(dc, r, 3, kInner);
}

// A bar of black three pixels thick in a white edge.
void Bar(HDC dc, RECT layout) {
  RECT r = OnScreen(layout);
  InflateRect(&r, 1, 1);
  Fill(dc, r, kOuter);
  InflateRect(&r, -1, -1);
  Fill(dc, r, kInner);
}

void Segment(HDC dc, POINT from, POINT to) {
  LayoutToScreen(&from);
  LayoutToScreen(&to);
  const int saved = SaveDC(dc);
  const COLORREF colours[2] = {kOuter, kInner};
  const int widths[2] = {5, 3};
  for (int i = 0; i < 2; ++i) {
    HPEN pen = CreatePen(PS_SOLID, widths[i], colours[i]);
    HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    SelectObject(dc, previous);
    DeleteObject(pen);
  }
  RestoreDC(dc, saved);
}

void Paint(HWND, HDC dc) {
  const int saved = SaveDC(dc);
  RECT ring;
  if (marks.target >= 0) {
    if (RingRect(marks.target, &ring)) Ring(dc, ring);
  } else {  // a whole area: a ring round each of its targets
    for (int i = 0; RingRect(i, &ring); ++i) Ring(dc, ring);
  }
  const RECT& b = marks.lineBounds;
  if (marks.rowY >= 0) Bar(dc, RECT{b.left, marks.rowY - 1, b.right, marks.rowY + 2});
  if (marks.columnX >= 0) Bar(dc, RECT{marks.columnX - 1, b.top, marks.columnX + 2, b.bottom});
  if (marks.segment) Segment(dc, marks.from, marks.to);
  if (marks.cross) {
    const POINT c = marks.crossAt;
    Bar(dc, RECT{c.x - 12, c.y - 1, c.x - 3, c.y + 2});
    Bar(dc, RECT{c.x + 4, c.y - 1, c.x + 13, c.y + 2});
    Bar(dc, RECT{c.x - 1, c.y - 12, c.x + 2, c.y - 3});
    Bar(dc, RECT{c.x - 1, c.y + 4, c.x + 2, c.y + 13});
  }
  RestoreDC(dc, saved);
}

bool Shown() { return shown; }

void Tell() {
  char line[160];
  RECT r{0, 0, 0, 0};
  const char *area = "-", *name = "";
  if (!RingRect(marks.target, &r, &area, &name)) area = "-", name = "";
  std::snprintf(line, sizeof(line), "colvane focus: %s|%s|%ld %ld %ld %ld|%ld %ld|%d %d|\n", area, name, r.left, r.top,
                r.right, r.bottom, marks.cross ? marks.crossAt.x : -1L, marks.cross ? marks.crossAt.y : -1L, marks.rowY,
                marks.columnX);
  OutputDebugStringA(line);
}

}  // namespace

void ShowFocusMarks(HWND window, const FocusMarks& next) {
  marks = next;
  shown = true;
  Tell();
  DamageWholeScreen(window);
}

void HideFocusMarks(HWND window) {
  if (!shown) return;
  shown = false;
  DamageWholeScreen(window);
}

bool FocusMarksShown() { return shown; }

const ScreenArea kFocusMarksArea = {"focus", Shown, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                    nullptr, Paint, nullptr, false, nullptr, nullptr, false};
