// The library's shelf on the screen: its category buttons, their animations and the turn to the tools.
#include "colvane/frame/screen_area_win.h"
#include "colvane/library/library_shelf_win.h"

#include <cstdio>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/clip_art_win.h"
#include "colvane/canvas/tool_select_win.h"
#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/filmstrip_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/toolbox_win.h"
#include "colvane/frame/wait_cursor_win.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/library/cartoons_win.h"
#include "colvane/library/library_catalogue.h"
#include "colvane/library/library_page_win.h"
#include "colvane/media/sound_effects_win.h"

namespace {

constexpr int kButtonCount = kCategoryCount;  // one per category, in the catalogue's order
constexpr int kNone = 99;

ShelfButton buttons[kButtonCount];  // a category's selection strip is its drawer opening
StripRecord chosen[kButtonCount];   // the button's look while its page is open; owned here
int selected = -1;  // survives page turns
int hovered = kNone;
bool hoverCursorSet = false;

int ButtonAt(POINT p) {
  for (int i = 0; i < kButtonCount; ++i)
    if (PtInRect(&buttons[i].hit, p)) return i;
  return -1;
}

void Play(HWND window, const StripRecord& s, int first, int count, int interruptible, const RECT* area,
          UINT message) {
  PlayFilmstrip(window, &s, first, count, s.origin, ScreenPalette(), s.forward, interruptible, area, message);
}

void Repaint(HWND window) {
  DamageWholeScreen(window);
  UpdateWindow(window);
}

}  // namespace

void LoadLibraryButtons(HWND window) {
  for (int i = 0; i < kButtonCount; ++i) {
    LoadShelfButton(window, &buttons[i], kCategories[i].button, kCategories[i].Command());
    char key[40], width[40], origin[40];
    std::snprintf(key, sizeof(key), "%sP", kCategories[i].button);
    std::snprintf(width, sizeof(width), "%sPW", kCategories[i].button);
    std::snprintf(origin, sizeof(origin), "%sP%sORG", kCategories[i].button, VariantDigit());
    LoadStrip(window, &chosen[i], "CARTOON", key, width, origin);
  }
  hovered = kNone;
  hoverCursorSet = false;
}

void FreeLibraryButtons() {
  for (ShelfButton& b : buttons) FreeShelfButton(&b);
  for (StripRecord& s : chosen) FreeStrip(&s);
}

namespace {

bool Shown() { return LibraryShown() && !DeskCovered(); }

void Paint(HWND window, HDC dc) {
  const FrameArt& f = Frame();
  const SIZE tray = BitmapSize(f.lib);
  BlitPart(window, dc, f.lib, f.glibCord, tray.cx, tray.cy, POINT{0, 0}, ScreenPalette());
  if (selected >= 0) {
    const StripRecord& s = buttons[selected].select;
    DrawStripFrame(window, dc, &s, -1, 1, s.origin, ScreenPalette());
    DrawStripFrame(window, dc, &chosen[selected], 0, 1, chosen[selected].origin, ScreenPalette());
  }
}

bool Hover(HWND window, POINT p) {
  bool hoverEnded = false;
  if (hoverCursorSet && hovered >= 0 && hovered < kButtonCount && !PtInRect(&buttons[hovered].hit, p) &&
      hovered != selected) {
    Play(window, buttons[hovered].hover, 0, 1, 0, nullptr, WM_MOUSEMOVE);
    hoverEnded = true;
  }
  const int at = ButtonAt(p);
  if (at < 0 || at == selected) {
    hoverCursorSet = false;
    hovered = kNone;
    return false;
  }
  if (at != hovered || hoverEnded) {
    if (!CursorHeld()) SetClassCursor(window, ToolCursor(kIconGrab));
    hovered = at;
    Play(window, buttons[at].hover, 0, 0, 1, &buttons[at].hit, WM_MOUSEMOVE);
  }
  if (!hoverCursorSet && !CursorHeld()) SetClassCursor(window, ToolCursor(kIconGrab));
  hoverCursorSet = true;
  return true;
}

bool Press(HWND window, POINT p) {
  const int at = ButtonAt(p);
  if (at < 0 || at == selected) return false;
  PlaySoundEffect("BOOK");
  if (selected >= 0) Play(window, buttons[selected].plain, 0, 1, 1, nullptr, WM_LBUTTONDOWN);
  Play(window, buttons[at].plain, 0, 1, 1, nullptr, WM_LBUTTONDOWN);
  selected = -1;
  Repaint(window);
  const StripRecord& drawer = buttons[at].select;
  Play(window, drawer, 0, 0, 0, nullptr, WM_LBUTTONDOWN);
  Play(window, chosen[at], 0, 1, 0, nullptr, WM_LBUTTONDOWN);
  selected = at;
  hovered = kNone;
  SetLibraryPagePosition(drawer.origin);
  SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(buttons[at].id), 0);
  return true;
}

int Targets(AreaTarget* out, int capacity) {
  int n = 0;
  for (int i = 0; i < kButtonCount; ++i) AddTarget(out, capacity, &n, buttons[i].hit, kCategories[i].button);
  return n;
}

}  // namespace

const ScreenArea kLibraryShelfArea = {"library shelf", Shown, Hover, Press, nullptr, nullptr, nullptr, nullptr,
                                      nullptr, Paint, nullptr, false, Targets, nullptr, false};

void TurnToLibrary(HWND window) {
  PlaySoundEffect("MOVE");
  ChooseTool(window, kModeEffectsPanel, kIconArrow);  // no canvas tool on the library page
  {
    WaitCursor wait(window);
    SetLibraryShown(true);
    LoadDeskPageTurnButton(window, ToolboxPage());
    FreeToolbox();
    LoadLibraryButtons(window);
    if (selected >= 0) {
      SetLibraryPagePosition(buttons[selected].select.origin);
      LibraryCommand(window, buttons[selected].id);  // the category chosen last opens again
    }
    Repaint(window);
  }
}

void TurnToTools(HWND window) {
  PlaySoundEffect("MOVE");
  WaitCursor wait(window);
  SetLibraryShown(false);
  LoadDeskPageTurnButton(window, ToolboxPage());
  FreeLibraryButtons();
  FreeLibraryPage();
  FreeClipArtPicture();
  RemovePickedCartoon(window);
  HoldCursor(false);
}
