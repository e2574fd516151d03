// The "not now" card, drawn over everything in the program's own colours.
#include "colvane/frame/notice_card_win.h"

#include <string>

#include "colvane/frame/coords_win.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/screen_area_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/ids.h"

namespace {

struct NoticeCard {
  bool shown = false;
  std::string text;
  int serial = 0;
};
NoticeCard card;

// The card in layout coordinates, in the middle of the layout.
RECT CardRect() {
  const int width = Screen().wideLayout ? 800 : 640, height = Screen().wideLayout ? 600 : 480;
  return RECT{width / 2 - 200, height / 2 - 85, width / 2 + 200, height / 2 + 85};
}

RECT OnScreen(RECT r) {
  POINT a{r.left, r.top}, b{r.right, r.bottom};
  LayoutToScreen(&a);
  LayoutToScreen(&b);
  return RECT{a.x, a.y, b.x, b.y};
}

// A smiling sun: the card is about waiting, never about a mistake.
void DrawSun(HDC dc, int cx, int cy) {
  HBRUSH sun = CreateSolidBrush(RGB(255, 204, 40));
  HPEN rim = CreatePen(PS_SOLID, 3, RGB(232, 128, 24));
  {
    SelectedObject brush(dc, sun), pen(dc, rim);
    for (int i = 0; i < 8; ++i) {
      static const int kDx[8] = {0, 21, 30, 21, 0, -21, -30, -21}, kDy[8] = {-30, -21, 0, 21, 30, 21, 0, -21};
      MoveToEx(dc, cx + kDx[i] * 2 / 3, cy + kDy[i] * 2 / 3, nullptr);
      LineTo(dc, cx + kDx[i] * 6 / 5, cy + kDy[i] * 6 / 5);
    }
    Ellipse(dc, cx - 22, cy - 22, cx + 22, cy + 22);
  }
  HBRUSH eye = CreateSolidBrush(RGB(90, 50, 20));
  HPEN smile = CreatePen(PS_SOLID, 3, RGB(90, 50, 20));
  {
    SelectedObject brush(dc, eye), pen(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, cx - 9, cy - 9, cx - 3, cy - 2);
    Ellipse(dc, cx + 3, cy - 9, cx + 9, cy - 2);
    SelectObject(dc, smile);
    Arc(dc, cx - 11, cy - 6, cx + 11, cy + 13, cx - 10, cy + 4, cx + 10, cy + 4);
  }
  DeleteObject(sun);
  DeleteObject(rim);
  DeleteObject(eye);
  DeleteObject(smile);
}

// The card with its edge, whose pen reaches past the card's rectangle.
RECT Bounds() {
  RECT r = CardRect();
  InflateRect(&r, 4, 4);
  return r;
}

void Paint(HWND, HDC dc) {
  const RECT r = OnScreen(CardRect());
  HBRUSH paper = CreateSolidBrush(RGB(255, 250, 232));
  HPEN edge = CreatePen(PS_SOLID, 5, RGB(236, 140, 40));
  {
    SelectedObject brush(dc, paper), pen(dc, edge);
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 36, 36);
  }
  DeleteObject(paper);
  DeleteObject(edge);
  DrawSun(dc, r.left + 56, (r.top + r.bottom) / 2);
  HFONT font = CreateFontA(-22, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
  {
    SelectedObject held(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(70, 40, 20));
    RECT text{r.left + 100, r.top + 16, r.right - 20, r.bottom - 16};
    RECT measure = text;
    DrawTextA(dc, card.text.c_str(), -1, &measure, DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
    const int height = measure.bottom - measure.top;
    if (height < text.bottom - text.top) text.top += (text.bottom - text.top - height) / 2;
    DrawTextA(dc, card.text.c_str(), -1, &text, DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
  }
  DeleteObject(font);
}

void Repaint(HWND window) {
  const RECT r = CardRect();
  RepaintLayoutRect(window, &r);
}

// Any press while the card shows puts it away and goes no further.
bool Press(HWND window, POINT) {
  ++card.serial;
  HideNoticeCard(window);
  return true;
}
bool Swallow(HWND, POINT) { return true; }
bool Shown() { return card.shown; }

int Targets(AreaTarget* out, int capacity) {
  int n = 0;
  AddTarget(out, capacity, &n, CardRect(), "card");
  return n;
}

}  // namespace

void ShowNoticeCard(HWND window, const char* text) {
  card.shown = true;
  card.text = text;
  ++card.serial;
  SetTimer(window, timer::kNoticeCard, timer::kNoticeCardMs, nullptr);
  Repaint(window);
}

void HideNoticeCard(HWND window) {
  if (!card.shown) return;
  card.shown = false;
  KillTimer(window, timer::kNoticeCard);
  DamageWholeScreen(window);
  UpdateWindow(window);
}

bool NoticeCardShown() { return card.shown; }
int NoticeCardSerial() { return card.serial; }
void NoticeCardTimer(HWND window) { HideNoticeCard(window); }

const ScreenArea kNoticeCardArea = {"notice card", Shown, nullptr, Press, Swallow, Swallow, Press, Swallow,
                                    nullptr, Paint, nullptr, false, Targets, Bounds, false};
