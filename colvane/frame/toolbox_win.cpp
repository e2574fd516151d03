// The toolbox: two pages of tool buttons with hover, press and selection animations, and the
// page button that turns between them, with hover and pressed looks of its own. Tools act on
// press, the page button on release.
#include <cstdio>
#include <initializer_list>

#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/filmstrip_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/screen_area_win.h"
#include "colvane/frame/toolbox_win.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/media/sound_effects_win.h"

namespace {

struct PageButton {
  StripRecord look;      // drawn whole on the page and played on release
  StripRecord pressed;   // its first frame shows on press
  StripRecord hover;     // played while the pointer is over it, as a tool's hover state
  RECT hit{0, 0, 0, 0};
};

struct ToolName {
  const char* name;
  int id;
};
const ToolName kPage1[] = {{"BRUSH", cmd::kBrush},  {"PENC", cmd::kPencil},   {"MAC", cmd::kMarker},
                           {"CAND", cmd::kCandle},  {"CHALK", cmd::kChalk},   {"JET", cmd::kSpray},
                           {"FLOOD", cmd::kFill},   {"RUBBER", cmd::kEraser}, {"POLYG", cmd::kShapes},
                           {"ROPE", cmd::kRope},    {"DRILL", cmd::kAbsorber}, {"ENLARGE", cmd::kEffects}};
const ToolName kPage2[] = {{"TYPER", cmd::kTypewriter}, {"MAGIC", cmd::kMagicStamp}};
constexpr int kPage1Count = 12, kPage2Count = 2;
constexpr int kNone = 99;

ShelfButton page1[kPage1Count], page2[kPage2Count];
PageButton pageButtons[2];            // [0] on page 1 (command 1009), [1] on page 2 (1010)
int selected[2] = {0, -1};            // selected tool of page 1 / page 2, -1 none
int hovered = kNone;
bool hoverCursorSet = false;
bool pageButtonPressed[2] = {false, false};
int toolboxPage = 1;       // the page shown: 1 or 2

int CurrentPage() { return toolboxPage == 2 ? 2 : 1; }
ShelfButton* Buttons(int page) { return page == 2 ? page2 : page1; }
int ButtonCount(int page) { return page == 2 ? kPage2Count : kPage1Count; }

// Keys TOOL122<v>M / S / H on page 1 and TOOL221<v>M / S / H on page 2.
void LoadPageButton(HWND window, PageButton* b, int page) {
  char key[40], width[40], origin[40];
  StripRecord* states[3] = {&b->look, &b->pressed, &b->hover};
  const char* letters[3] = {"M", "S", "H"};
  for (int s = 0; s < 3; ++s) {
    std::snprintf(key, sizeof(key), "TOOL%d2%s%s%s", page, page == 1 ? "2" : "1", VariantDigit(), letters[s]);
    std::snprintf(width, sizeof(width), "%sW", key);
    std::snprintf(origin, sizeof(origin), "%sORG", key);
    LoadStrip(window, states[s], "CARTOON", key, width, origin);
  }
  const StripRecord& l = b->look;
  SetRect(&b->hit, l.origin.x, l.origin.y, l.origin.x + l.frameWidth, l.origin.y + l.height);
}

// Index of the tool under a point on the page, kPageButton for the page button, -1 for none.
constexpr int kPageButton = 100;
int ButtonAt(int page, POINT p) {
  ShelfButton* buttons = Buttons(page);
  for (int i = 0; i < ButtonCount(page); ++i)
    if (PtInRect(&buttons[i].hit, p)) return i;
  if (PtInRect(&pageButtons[page - 1].hit, p)) return kPageButton;
  return -1;
}

// The hover state and hit rectangle of a tool or of the page button; null for no button.
const StripRecord* HoverOf(int page, int index) {
  if (index == kPageButton) return &pageButtons[page - 1].hover;
  return index >= 0 && index < ButtonCount(page) ? &Buttons(page)[index].hover : nullptr;
}
const RECT* HitOf(int page, int index) {
  if (index == kPageButton) return &pageButtons[page - 1].hit;
  return index >= 0 && index < ButtonCount(page) ? &Buttons(page)[index].hit : nullptr;
}

void SetHandCursor(HWND window) {
  if (!CursorHeld()) SetClassCursor(window, ToolCursor(kIconGrab));
}

void PlayStrip(HWND window, const StripRecord& s, int first, int count, int interruptible,
               const RECT* area, UINT message) {
  PlayFilmstrip(window, &s, first, count, s.origin, ScreenPalette(), s.forward, interruptible, area, message);
}

}  // namespace

void LoadShelfButton(HWND window, ShelfButton* b, const char* name, int id) {
  const char* v = VariantDigit();
  char key[40], width[40], origin[40], area[40];
  StripRecord* states[3] = {&b->hover, &b->plain, &b->select};
  const char* letters[3] = {"M", "S", "C"};
  for (int s = 0; s < 3; ++s) {
    std::snprintf(key, sizeof(key), "%s%s", name, letters[s]);
    std::snprintf(width, sizeof(width), "%s%sW", name, letters[s]);
    std::snprintf(origin, sizeof(origin), "%s%s%sORG", name, letters[s], v);
    LoadStrip(window, states[s], "CARTOON", key, width, origin);
  }
  std::snprintf(area, sizeof(area), "%sA%s", name, v);
  GetLayoutRect("CARTOON", area, 0, 0, 0, 0, &b->hit);
  b->id = id;
}

void FreeShelfButton(ShelfButton* b) {
  FreeStrip(&b->hover);
  FreeStrip(&b->plain);
  FreeStrip(&b->select);
}

int ToolboxPage() { return CurrentPage(); }

void LoadToolbox(HWND window) {
  for (int i = 0; i < kPage1Count; ++i) LoadShelfButton(window, &page1[i], kPage1[i].name, kPage1[i].id);
  for (int i = 0; i < kPage2Count; ++i) LoadShelfButton(window, &page2[i], kPage2[i].name, kPage2[i].id);
  LoadPageButton(window, &pageButtons[0], 1);
  LoadPageButton(window, &pageButtons[1], 2);
}

void FreeToolbox() {
  for (ShelfButton* set : {page1, page2}) {
    int n = set == page1 ? kPage1Count : kPage2Count;
    for (int i = 0; i < n; ++i) FreeShelfButton(&set[i]);
  }
  for (PageButton& b : pageButtons) {
    FreeStrip(&b.look);
    FreeStrip(&b.pressed);
    FreeStrip(&b.hover);
  }
}

namespace {

bool Shown() { return !LibraryShown() && !DeskCovered(); }

void Paint(HWND window, HDC dc) {
  const int page = CurrentPage();
  const FrameArt& f = Frame();
  HBITMAP tray = page == 2 && f.tool1 ? f.tool1 : f.tool;
  const SIZE traySize = BitmapSize(tray);
  BlitPart(window, dc, tray, f.toolCord, traySize.cx, traySize.cy, POINT{0, 0}, ScreenPalette());
  const PageButton& b = pageButtons[page - 1];
  if (b.look.bitmap) {
    SIZE s = BitmapSize(b.look.bitmap);
    BlitPart(window, dc, b.look.bitmap, b.look.origin, s.cx, s.cy, POINT{0, 0}, ScreenPalette());
  }
  for (int p = 1; p <= 2; ++p) {
    int i = selected[p - 1];
    if (i < 0 || p != page) continue;
    const StripRecord& s = Buttons(p)[i].select;
    DrawStripFrame(window, dc, &s, -1, 1, s.origin, ScreenPalette());
  }
}

// The tray with its page button and the chosen tool's look, as Paint draws them.
RECT Bounds() {
  const int page = CurrentPage();
  const FrameArt& f = Frame();
  HBITMAP tray = page == 2 && f.tool1 ? f.tool1 : f.tool;
  const SIZE traySize = BitmapSize(tray);
  RECT all{f.toolCord.x, f.toolCord.y, f.toolCord.x + traySize.cx, f.toolCord.y + traySize.cy};
  const auto add = [&all](POINT at, int width, int height) {
    const RECT r{at.x, at.y, at.x + width, at.y + height};
    UnionRect(&all, &all, &r);
  };
  const PageButton& b = pageButtons[page - 1];
  if (b.look.bitmap) add(b.look.origin, BitmapSize(b.look.bitmap).cx, BitmapSize(b.look.bitmap).cy);
  const int i = selected[page - 1];
  if (i >= 0) {
    const StripRecord& strip = Buttons(page)[i].select;
    add(strip.origin, strip.frameWidth, strip.height);
  }
  return all;
}

bool Hover(HWND window, POINT p) {
  const int page = CurrentPage();
  bool hoverEnded = false;
  const RECT* left = HitOf(page, hovered);
  if (hoverCursorSet && left && !PtInRect(left, p) && hovered != selected[page - 1]) {
    PlayStrip(window, *HoverOf(page, hovered), 0, 1, 0, nullptr, WM_MOUSEMOVE);
    hoverEnded = true;
  }
  const int at = ButtonAt(page, p);
  if (at < 0 || at == selected[page - 1]) {
    hoverCursorSet = false;
    hovered = kNone;
    return 0;
  }
  if (at != hovered || hoverEnded) {
    SetHandCursor(window);
    hovered = at;
    PlayStrip(window, *HoverOf(page, at), 0, 0, 1, HitOf(page, at), WM_MOUSEMOVE);
  }
  if (!hoverCursorSet) {
    SetHandCursor(window);
    hoverCursorSet = true;
  }
  return 1;
}

bool Press(HWND window, POINT p) {
  const int page = CurrentPage();
  const int at = ButtonAt(page, p);
  if (at < 0 || at == selected[page - 1]) return 0;
  PlaySoundEffect("Select");
  ShelfButton* buttons = Buttons(page);
  const int previous = selected[page - 1];
  if (previous >= 0) PlayStrip(window, buttons[previous].plain, 0, 1, 1, nullptr, WM_LBUTTONDOWN);
  if (at == kPageButton) {
    const StripRecord& pressed = pageButtons[page - 1].pressed;
    PlayStrip(window, pressed, 0, 1, 1, nullptr, WM_LBUTTONDOWN);
    pageButtonPressed[page - 1] = true;
    return 1;
  }
  PlayStrip(window, buttons[at].plain, 0, 1, 1, nullptr, WM_LBUTTONDOWN);
  const RECT before = Bounds();  // with the look of the tool chosen until now
  selected[0] = selected[1] = -1;
  DamageScreen(window, before);
  UpdateWindow(window);
  PlayStrip(window, buttons[at].select, 0, 0, 0, nullptr, WM_LBUTTONDOWN);
  selected[page - 1] = at;
  hovered = kNone;
  SendMessageA(window, WM_COMMAND, buttons[at].id, 0);
  return 1;
}

bool Release(HWND window, POINT) {
  const int page = CurrentPage();
  if (!pageButtonPressed[page - 1]) return 0;
  pageButtonPressed[page - 1] = false;
  PlayStrip(window, pageButtons[page - 1].look, 0, 0, 0, nullptr, WM_LBUTTONUP);
  SendMessageA(window, WM_COMMAND, page == 1 ? cmd::kToolboxPage2 : cmd::kToolboxPage1, 0);
  return 1;
}

int Targets(AreaTarget* out, int capacity) {
  const int page = CurrentPage();
  const ToolName* names = page == 2 ? kPage2 : kPage1;
  int n = 0;
  for (int i = 0; i < ButtonCount(page); ++i) AddTarget(out, capacity, &n, *HitOf(page, i), names[i].name);
  AddTarget(out, capacity, &n, *HitOf(page, kPageButton), "page");
  return n;
}

}  // namespace

const ScreenArea kToolboxArea = {"toolbox", Shown, Hover, Press, Release, nullptr, nullptr, nullptr, nullptr,
                                 Paint, nullptr, false, Targets, Bounds, false};

void ShowToolboxPage(HWND window, int page) {
  const RECT before = Bounds();
  toolboxPage = page == 2 ? 2 : 1;
  SetDeskPageTurn(window, toolboxPage);  // the fold played at the next turn; nothing shown changes
  hovered = kNone;
  hoverCursorSet = false;
  DamageScreen(window, before);
  DamageScreen(window, Bounds());
  UpdateWindow(window);
}
