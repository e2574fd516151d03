// Desk buttons and the paper bitmap: loading, drawing, and the buttons' hover, press and release.
#include "colvane/frame/desk_win.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>

#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/filmstrip_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/paper_overlay_win.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"

namespace {
PaperArt paper;
int paperType = 0;
DeskButton desk[6];
int pressedSlot = -1;  // the desk button pressed and not yet released
bool handShown = false;  // the hand cursor is set for a desk button
bool covered = false;  // the file box lies over the desk

struct DeskKeys {
  int id;
  const char* up;       // state 1
  const char* down;     // state 2
  const char* anim;     // state 4 (animation), or null
  const char* area;
};
const DeskKeys kDesk[6] = {
    {cmd::kToLibrary, "T2LD", "T2LU", "T2LC", "T2LUCORD"},
    {cmd::kNewPicture, "NEWD", "NEWU", nullptr, "NEWCORD"},
    {cmd::kExit, "EXITD", "EXITU", nullptr, "EXITCORD"},
    {cmd::kFilePage, "FILEPAGEUU", "FILEPAGEUD", nullptr, "FILEPAGECORD"},
    {cmd::kUndo, "UNDOU", "UNDOD", nullptr, "UNDOCORD"},
    {cmd::kPaper, nullptr, nullptr, nullptr, "PAPERCORD"},
};
// Slot 0 on the library page: the way back, its fold played in reverse.
const DeskKeys kReturnTurn = {cmd::kToTools, "L2TD", "L2TU", "L2TC", "L2TUCORD"};
bool libraryShown = false;  // the library lies where the toolbox was

const DeskKeys& KeysOf(int slot) { return slot == 0 && libraryShown ? kReturnTurn : kDesk[slot]; }

void FreePaperBitmap() {
  for (HBITMAP* b : {&paper.bitmap, &paper.image, &paper.mask}) {
    if (*b) DeleteObject(*b);
    *b = nullptr;
  }
}

void LoadPaperBitmap(HWND window) {
  FreePaperBitmap();
  char key[16];
  std::snprintf(key, sizeof(key), "%s%d", VariantDigit(), paperType + 1);
  paper.bitmap = LoadLayoutBitmap(window, "PAPERTYPE", key);
  paper.size = BitmapSize(paper.bitmap);
  MakeTransparentPair(window, paper.bitmap, ScreenPalette(), RGB(255, 0, 0), &paper.image, &paper.mask);
  FindPaperCovers(&paper);
  SetOverlaidPaper(covered ? nullptr : &paper);
}

// The page-turn animation of slot 0: the fold of toolbox page 2 has its own strip, key T2LC<v>2.
void LoadPageTurnStrip(HWND window, int toolboxPage) {
  const char* v = VariantDigit();
  const char* anim = KeysOf(0).anim;
  char key[40], widthKey[40], originKey[40];
  std::snprintf(key, sizeof(key), "%s%s%s", anim, v, toolboxPage == 2 ? "2" : "");
  std::snprintf(widthKey, sizeof(widthKey), "%sW%s", anim, v);
  std::snprintf(originKey, sizeof(originKey), "%sCORD%s", anim, v);
  FreeStrip(&desk[0].states[2]);
  LoadStrip(window, &desk[0].states[2], "CARTOON", key, widthKey, originKey);
  desk[0].states[2].forward = libraryShown ? 0 : 1;
}
// Desk buttons never take a point on the paper.
bool OnPaper(POINT layout) {
  POINT paperPoint = layout;
  LayoutToScreen(&paperPoint);
  ScreenToPaper(&paperPoint);
  return IsOnPaper(paperPoint) != 0;
}

int SlotAt(POINT layout) {
  for (int slot = 0; slot < 6; ++slot)
    if (PtInRect(&desk[slot].hit, layout)) return slot;
  return -1;
}

void DrawState(HWND window, int slot, int state) {
  const StripRecord& s = desk[slot].states[state];
  SIZE size = BitmapSize(s.bitmap);
  BlitPartToWindow(window, s.bitmap, s.origin, size.cx, size.cy, POINT{0, 0}, ScreenPalette());
}

// One desk button's looks, hit rectangle and, for slot 0, its page-turn strip.
void LoadDeskButton(HWND window, int slot, int toolboxPage) {
  const char* v = VariantDigit();
  const DeskKeys& k = KeysOf(slot);
  DeskButton& b = desk[slot];
  for (StripRecord& s : b.states) FreeStrip(&s);
  b.id = k.id;
  char key[40], areaKey[40];
  if (k.anim) LoadPageTurnStrip(window, toolboxPage);
  std::snprintf(areaKey, sizeof(areaKey), "%s%s", k.area, v);
  POINT at;
  GetLayoutPoint("CARTOON", areaKey, 0, 0, &at);
  for (int s = 0; s < 2; ++s) {
    const char* name = s == 0 ? k.up : k.down;
    if (!name) continue;
    if (slot == 0) std::snprintf(key, sizeof(key), "%s%s", name, v);
    else std::snprintf(key, sizeof(key), "%s", name);
    LoadStrip(window, &b.states[s], "CARTOON", key, nullptr, nullptr);
    b.states[s].frameWidth = BitmapSize(b.states[s].bitmap).cx;  // one whole picture
    b.states[s].origin = at;
  }
  SIZE pressed = BitmapSize(b.states[1].bitmap);
  if (k.id == cmd::kPaper) pressed = SIZE{55, 46};
  SetRect(&b.hit, at.x, at.y, at.x + pressed.cx, at.y + pressed.cy);
  if (k.id == cmd::kPaper) paper.position = at;
}

}  // namespace

int CurrentPaperType() { return paperType; }

void LoadDesk(HWND window, int toolboxPage) {
  for (int slot = 0; slot < 6; ++slot) LoadDeskButton(window, slot, toolboxPage);
  paperType = static_cast<int>(GetSettingInt("DESKTOP", "PAPERTYPEID", 0) % 10u);  // any stored value maps to 0..9
  LoadPaperBitmap(window);
}

void NextPaperType(HWND window) {
  paperType = (paperType + 1) % 10;
  const SIZE old = paper.size;
  LoadPaperBitmap(window);
  // Papers of different shapes: repaint what either covers.
  RECT area{paper.position.x, paper.position.y, paper.position.x + std::max(old.cx, paper.size.cx),
            paper.position.y + std::max(old.cy, paper.size.cy)};
  RepaintLayoutRect(window, &area);
  char value[16];
  wsprintfA(value, "%d", paperType);
  SetSettingString("DESKTOP", "PAPERTYPEID", value);
}

void SetDeskPageTurn(HWND window, int toolboxPage) { LoadPageTurnStrip(window, toolboxPage); }

bool LibraryShown() { return libraryShown; }
void SetLibraryShown(bool shown) { libraryShown = shown; }

void LoadDeskPageTurnButton(HWND window, int toolboxPage) { LoadDeskButton(window, 0, toolboxPage); }
void CoverDesk(bool c) {
  covered = c;
  SetOverlaidPaper(covered ? nullptr : &paper);
}
bool DeskCovered() { return covered; }

void FreeDesk() {
  for (DeskButton& b : desk)
    for (StripRecord& s : b.states) FreeStrip(&s);
  FreePaperBitmap();
}

namespace {

bool Uncovered() { return !covered; }

void PaintDesk(HWND window, HDC dc) {
  for (int slot = 0; slot < 6; ++slot) {
    const StripRecord& up = desk[slot].states[0];
    if (up.bitmap) DrawStripFrame(window, dc, &up, 0, 1, up.origin, ScreenPalette());
  }
}

RECT PaperBounds() {
  return RECT{paper.position.x, paper.position.y, paper.position.x + paper.size.cx, paper.position.y + paper.size.cy};
}

void PaintPaper(HWND window, HDC dc) {
  if (paper.bitmap) {
    // The paper covers everything beneath its shape; its red pixels let the frame show.
    POINT at = paper.position;
    LayoutToScreen(&at);
    BlitPaperPart(dc, paper, at.x, at.y, paper.size.cx, paper.size.cy, 0, 0);
  }
}

bool Hover(HWND window, POINT layout) {
  if (OnPaper(layout) || SlotAt(layout) < 0) {
    handShown = false;
    return 0;
  }
  if (!handShown && !CursorHeld()) SetClassCursor(window, ToolCursor(kIconGrab));
  handShown = true;
  return 1;
}

bool Press(HWND window, POINT layout) {
  if (OnPaper(layout)) return 0;
  int slot = SlotAt(layout);
  if (slot < 0) return 0;
  pressedSlot = slot;
  DrawState(window, slot, 1);
  return 1;
}

bool Release(HWND window, POINT layout) {
  if (OnPaper(layout)) return 0;
  int slot = SlotAt(layout);
  if (slot < 0) slot = pressedSlot;
  if (slot < 0) return 0;
  DrawState(window, slot, 0);
  if (slot == pressedSlot && PtInRect(&desk[slot].hit, layout)) {
    const DeskButton& b = desk[slot];
    if (slot == 0 && (b.id == cmd::kToLibrary || b.id == cmd::kToTools)) {
      const StripRecord& anim = b.states[2];
      PlayFilmstrip(window, &anim, 0, 0, anim.origin, ScreenPalette(), anim.forward, 0, nullptr,
                    WM_LBUTTONUP);
    }
    PostMessageA(window, WM_COMMAND, b.id, 0);
  }
  pressedSlot = -1;
  return 1;
}

// The undo button's right press asks to go forward again; the dispatcher ignores it when undo
// keeps one step only.
bool OnUndo(POINT layout) {
  if (OnPaper(layout)) return false;
  const int slot = SlotAt(layout);
  return slot >= 0 && desk[slot].id == cmd::kUndo;
}

bool RightPress(HWND window, POINT layout) {
  if (!OnUndo(layout)) return false;
  PostMessageA(window, WM_COMMAND, cmd::kRedo, 0);
  return true;
}

// A quick second click on undo is one more step back when undo keeps steps (the toggle, which
// would only swap back, ignores it as before).
bool DoubleClick(HWND window, POINT layout) {
  if (!OnUndo(layout)) return false;
  PostMessageA(window, WM_COMMAND, cmd::kUndoAgain, 0);
  return true;
}

int Targets(AreaTarget* out, int capacity) {
  static const char* const kNames[6] = {"page turn", "new", "exit", "file box", "undo", "paper type"};
  int n = 0;
  for (int slot = 0; slot < 6; ++slot) AddTarget(out, capacity, &n, desk[slot].hit, kNames[slot]);
  return n;
}

}  // namespace

const ScreenArea kDeskArea = {"desk", Uncovered, Hover, Press, Release, DoubleClick, RightPress, RightPress, nullptr,
                              PaintDesk, nullptr, true, Targets, nullptr, false};
const ScreenArea kPaperArea = {"paper", Uncovered, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               PaintPaper, nullptr, false, nullptr, PaperBounds, false};
