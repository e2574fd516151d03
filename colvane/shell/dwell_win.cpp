// The dwell clicker's driver: a timer samples the cursor, the clicker decides, and the main
// window receives the press, moves and release as if the left button had made them.
#include "colvane/shell/dwell_win.h"

#include <cmath>
#include <memory>

#include "colvane/canvas/tool_dispatch_win.h"
#include "colvane/files/file_box_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/layout/policy_win.h"
#include "colvane/panels/colour_panel_win.h"
#include "colvane/shell/dwell_clicker.h"

namespace {

constexpr UINT_PTR kDwellTimer = 0xD0E1;  // far from the main window's numbered timers
constexpr UINT kDwellTickMs = 40;
constexpr int kRestingSize = 24;  // the resting place, a square in the client's bottom-right corner
constexpr int kRingRadius = 17, kRingPen = 7;

struct Dwell {
  std::unique_ptr<DwellClicker> clicker;  // null while dwell clicking is off
  POINT last{-1, -1};                     // the last sample, for moves while a press is held
  int ring = -1;                          // the ring shown: how full, or -1
  POINT ringAt{0, 0};
};
Dwell dwell;

RECT RestingPlace(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return RECT{client.right - kRestingSize, client.bottom - kRestingSize, client.right, client.bottom};
}

RECT RingBounds(POINT at) {
  const int r = kRingRadius + kRingPen;
  return RECT{at.x - r, at.y - r, at.x + r + 1, at.y + r + 1};
}

// What the press just made picks something up, to be carried until the next dwell: a stroke on
// the paper, a picture from the library or the file box, the size bar's thumb.
bool PressPickedUp(HWND window) {
  return (GetCapture() == window && CanvasToolDrags()) || CursorHeld() || SizeBarDragging() || FileBoxCarrying();
}

void ShowRing(HWND window, int ring, POINT at) {
  if (ring == dwell.ring && (ring < 0 || (at.x == dwell.ringAt.x && at.y == dwell.ringAt.y))) return;
  if (dwell.ring >= 0) {
    RECT old = RingBounds(dwell.ringAt);
    InvalidateRect(window, &old, FALSE);
  }
  dwell.ring = ring;
  dwell.ringAt = at;
  if (ring >= 0) {
    RECT now = RingBounds(at);
    InvalidateRect(window, &now, FALSE);
  }
}

void CALLBACK DwellTick(HWND window, UINT, UINT_PTR, DWORD now) {
  if (!dwell.clicker) return;
  POINT screen;
  GetCursorPos(&screen);
  // A message box or dialog above the window has the pointer: nothing is pressed through it.
  if (!IsWindowEnabled(window) || WindowFromPoint(screen) != window) {
    ShowRing(window, -1, dwell.ringAt);
    return;
  }
  POINT p = screen;
  ScreenToClient(window, &p);
  const RECT rest = RestingPlace(window);
  DwellClicker& clicker = *dwell.clicker;
  const DwellStep step = clicker.Step(now, DwellPoint{p.x, p.y}, PtInRect(&rest, p) != 0);
  const LPARAM at = MAKELPARAM(p.x, p.y);
  if (clicker.holding() && (p.x != dwell.last.x || p.y != dwell.last.y))
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, at);
  dwell.last = p;
  switch (step.action) {
    case DwellAction::kNone:
      break;
    case DwellAction::kPress:
      SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
      if (PressPickedUp(window))
        clicker.Hold();
      else
        SendMessageA(window, WM_LBUTTONUP, 0, at);
      break;
    case DwellAction::kRelease:
      SendMessageA(window, WM_LBUTTONUP, 0, at);
      break;
    case DwellAction::kToggle:
      InvalidateRect(window, &rest, FALSE);
      break;
  }
  // A ring shows once the pointer has rested for a tick, so a moving pointer draws none.
  ShowRing(window, step.ringPermille > 0 ? step.ringPermille : -1, p);
}

// A circle of the ring, from twelve o'clock clockwise over `permille` of the turn.
void RingArc(HDC dc, POINT at, int permille, COLORREF colour, int width) {
  constexpr int kSteps = 48;
  const int n = kSteps * permille / 1000;
  if (n <= 0) return;
  POINT points[kSteps + 1];
  for (int i = 0; i <= n; ++i) {
    const double a = 2 * 3.14159265358979 * i / kSteps;
    points[i] = POINT{at.x + static_cast<LONG>(std::lround(kRingRadius * std::sin(a))),
                      at.y - static_cast<LONG>(std::lround(kRingRadius * std::cos(a)))};
  }
  HPEN pen = CreatePen(PS_SOLID, width, colour);
  {
    SelectedObject selected(dc, pen);
    Polyline(dc, points, n + 1);
  }
  DeleteObject(pen);
}

bool DwellShown() { return dwell.clicker != nullptr; }

// A dark band under a light track, so the ring reads on any picture; the filled part in orange.
void PaintDwell(HWND window, HDC dc) {
  const RECT rest = RestingPlace(window);
  HBRUSH back = CreateSolidBrush(RGB(40, 40, 40));
  FillRect(dc, &rest, back);
  DeleteObject(back);
  const bool active = dwell.clicker->active();
  HBRUSH dot = CreateSolidBrush(active ? RGB(255, 160, 0) : RGB(150, 150, 150));
  {
    SelectedObject brush(dc, dot);
    SelectedObject pen(dc, GetStockObject(WHITE_PEN));
    const int inset = active ? 4 : 7;
    Ellipse(dc, rest.left + inset, rest.top + inset, rest.right - inset, rest.bottom - inset);
  }
  DeleteObject(dot);
  if (dwell.ring < 0) return;
  RingArc(dc, dwell.ringAt, 1000, RGB(30, 30, 30), kRingPen);
  RingArc(dc, dwell.ringAt, 1000, RGB(235, 235, 235), kRingPen - 4);
  RingArc(dc, dwell.ringAt, dwell.ring, RGB(255, 140, 0), kRingPen - 2);
}

}  // namespace

void StartDwell(HWND window) {
  const int restMs = PolicyNumber(CurrentPolicy(), PolicyKey::kDwellMs);
  if (restMs <= 0) return;
  int radius = PolicyNumber(CurrentPolicy(), PolicyKey::kDwellRadius);
  if (radius <= 0) radius = PolicyKeyDescription(PolicyKey::kDwellRadius).absent;  // 0 is "unset"
  dwell.clicker = std::make_unique<DwellClicker>(restMs, radius);
  SetTimer(window, kDwellTimer, kDwellTickMs, DwellTick);
  RECT rest = RestingPlace(window);
  InvalidateRect(window, &rest, FALSE);
}

void FreeDwell(HWND window) {
  if (!dwell.clicker) return;
  KillTimer(window, kDwellTimer);
  dwell.clicker.reset();
  dwell.ring = -1;
}

const ScreenArea kDwellArea = {"dwell", DwellShown, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, PaintDwell, nullptr, false, nullptr, nullptr, false};
