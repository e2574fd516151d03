#include "colvane/library/library_shelf_win.h"

#include <cstdio>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/clip_art_win.h"
#include "colvane/canvas/tool_select_win.h"
#include "colvane/frame/blit_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/toolbox_win.h"
#include "colvane/frame/wait_cursor_win.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/library/cartoons_win.h"
#include "colvane/library/library_page_win.h"
#include "colvane/media/sound_effects_win.h"

namespace {

struct CategoryButton {
  int id = 0;
  StripRecord hover;     // *name*M
  StripRecord plain;     // *name*S
  StripRecord select;    // *name*C: the drawer opening; its last frame is the selected look
  RECT hit{0, 0, 0, 0};  // layout coordinates
};

struct ButtonName {
  const char* name;
  int id;
};
const ButtonName kButtons[] = {{"DIAGRAM", 7009}, {"LANDSCAPE", 7010}, {"PERSON", 7000}, {"DIANAS", 7001},
                               {"INSECT", 7002},  {"PLANE", 7003},     {"CLOUD", 7004},  {"HOUSE", 7005},
                               {"LEAVE", 7006},   {"BIRD", 7007},      {"FILM", 7008}};
constexpr int kButtonCount = sizeof(kButtons) / sizeof(kButtons[0]);
constexpr int kNone = 99;

CategoryButton buttons[kButtonCount];
int selected = -1;  // survives page turns
int hovered = kNone;
bool hoverCursorSet = false;

bool Shown() { return LibraryShown() && !DeskCovered(); }

void LoadButton(HWND window, CategoryButton* b, const ButtonName& n) {
  const char* v = VariantDigit();
  char key[40], width[40], origin[40], area[40];
  StripRecord* states[3] = {&b->hover, &b->plain, &b->select};
  const char* letters[3] = {"M", "S", "C"};
  for (int s = 0; s < 3; ++s) {
    std::snprintf(key, sizeof(key), "%s%s", n.name, letters[s]);
    std::snprintf(width, sizeof(width), "%s%sW", n.name, letters[s]);
    std::snprintf(origin, sizeof(origin), "%s%s%sORG", n.name, letters[s], v);
    LoadStrip(window, states[s], "CARTOON", key, width, origin);
  }
  std::snprintf(area, sizeof(area), "%sA%s", n.name, v);
  GetLayoutRect("CARTOON", area, 0, 0, 0, 0, &b->hit);
  b->id = n.id;
}

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
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

}  // namespace

void LoadLibraryButtons(HWND window) {
  for (int i = 0; i < kButtonCount; ++i) LoadButton(window, &buttons[i], kButtons[i]);
  hovered = kNone;
  hoverCursorSet = false;
}

void FreeLibraryButtons() {
  for (CategoryButton& b : buttons) {
    FreeStrip(&b.hover);
    FreeStrip(&b.plain);
    FreeStrip(&b.select);
  }
}

void PaintLibraryShelf(HWND window, HDC dc) {
  if (!LibraryShown()) return;
  const FrameArt& f = Frame();
  const SIZE tray = BitmapSize(f.lib);
  BlitPart(window, dc, f.lib, f.glibCord, tray.cx, tray.cy, POINT{0, 0}, ScreenPalette());
  if (selected >= 0 && !DeskCovered()) {
    const StripRecord& s = buttons[selected].select;
    DrawStripFrame(window, dc, &s, -1, 1, s.origin, ScreenPalette());
  }
}

bool LibraryShelfHover(HWND window, POINT p) {
  if (!Shown()) return false;
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

bool LibraryShelfPress(HWND window, POINT p) {
  if (!Shown()) return false;
  const int at = ButtonAt(p);
  if (at < 0 || at == selected) return false;
  PlaySoundEffect("BOOK");
  if (selected >= 0) Play(window, buttons[selected].plain, 0, 1, 1, nullptr, WM_LBUTTONDOWN);
  Play(window, buttons[at].plain, 0, 1, 1, nullptr, WM_LBUTTONDOWN);
  selected = -1;
  Repaint(window);
  const StripRecord& drawer = buttons[at].select;
  Play(window, drawer, 0, 0, 0, nullptr, WM_LBUTTONDOWN);
  selected = at;
  hovered = kNone;
  SetLibraryPagePosition(drawer.origin);
  SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(buttons[at].id), 0);
  return true;
}

void TurnToLibrary(HWND window) {
  PlaySoundEffect("MOVE");
  SelectToolIcon(window, kIconArrow);
  Session().choice.drawingMode = kModeEffectsPanel;  // no canvas tool on the library page
  {
    WaitCursor wait(window);
    SetLibraryShown(true);
    SetDeskTurnToTools(window, true, ToolboxPage());
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
  SetDeskTurnToTools(window, false, ToolboxPage());
  FreeLibraryButtons();
  FreeLibraryPage();
  FreeClipArtPicture();
  RemovePickedCartoon(window);
  HoldCursor(false);
}
