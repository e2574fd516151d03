// The library page on the screen: loading a category's page, drawing it, and taking its items.
#include "colvane/frame/screen_area_win.h"
#include "colvane/library/library_page_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/clip_art_win.h"
#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/message_box_win.h"
#include "colvane/frame/toolbox_win.h"
#include "colvane/frame/wait_cursor_win.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/library/cartoons_win.h"
#include "colvane/library/library_catalogue.h"
#include "colvane/media/sound_effects_win.h"

namespace {

struct LibraryPage {
  const Category* category = nullptr;
  int page = 1;
  int pageCount = 1;
  HBITMAP picture = nullptr;   // the page as shown
  HBITMAP pressed = nullptr;   // the page with every control pressed
  POINT at{0, 0};              // layout point of the page picture
  RECT slots[kMaxItemsPerPage]{};
  RECT back{0, 0, 0, 0}, forward{0, 0, 0, 0};
  bool backPressed = false, forwardPressed = false;
  bool hoverShown = false;
};

LibraryPage page;
PictureKeeper pictureKeeper;

void FreePictures() {
  if (page.picture) DeleteObject(page.picture);
  if (page.pressed) DeleteObject(page.pressed);
  page.picture = page.pressed = nullptr;
}

// The pressed look of a page button's rectangle (layout coordinates), from the pressed picture.
void ShowPressedPart(HWND window, const RECT& r) {
  if (!page.pressed) return;
  BlitPartToWindow(window, page.pressed, POINT{r.left, r.top}, r.right - r.left, r.bottom - r.top,
                   POINT{r.left - page.at.x, r.top - page.at.y}, ScreenPalette());
}

void LoadPage(HWND window) {
  FreePictures();
  const Category& c = *page.category;
  const char* v = VariantDigit();
  char key[kItemKeySize + 16];
  wsprintfA(key, "GPAGEUPRC%s", v);
  GetLayoutRect("DETAILTOOL", key, 0, 0, 0, 0, &page.back);
  wsprintfA(key, "GPAGEDOWNRC%s", v);
  GetLayoutRect("DETAILTOOL", key, 0, 0, 0, 0, &page.forward);
  page.pageCount = PageCountOf(static_cast<int>(GetLayoutInt(c.section, "PSD", kDefaultPageCount)), true);
  if (page.page > page.pageCount) page.page = page.pageCount;
  for (int i = 0; i < kMaxItemsPerPage; ++i) {
    page.slots[i] = RECT{0, 0, 0, 0};
    if (i >= c.itemsPerPage) continue;
    wsprintfA(key, "%s%s%d", c.slotKey, v, i + 1);
    GetLayoutRect("DETAILTOOL", key, 0, 0, 0, 0, &page.slots[i]);
  }
  PageKey(page.page, key);
  page.picture = LoadLayoutBitmap(window, c.section, key);
  PressedPageKey(page.page, key);
  page.pressed = LoadLayoutBitmap(window, c.section, key);
}

int SlotAt(POINT p) {
  if (!page.category) return -1;
  for (int i = 0; i < page.category->itemsPerPage; ++i)
    if (PtInRect(&page.slots[i], p)) return i;
  return -1;
}

// The layout value of item `slot` of the page shown, as a full path; false for an empty slot.
bool ItemPath(int slot, char* path) {
  char key[kItemKeySize], value[81] = "";
  ItemKey(page.page, slot + 1, key);
  GetLayoutString(page.category->section, key, "", value, sizeof(value));
  if (!value[0]) return false;
  AssetPath(value, path);
  return path[0] != '\0';
}

void TakeSticker(HWND window, const char* stem) {
  HoldCursor(PickUpSticker(window, stem) != 0);
}

void TakeCartoon(HWND window, int slot, const char* strip) {
  RemovePickedCartoon(window);
  char key[kItemKeySize];
  FrameWidthKey(page.page, slot + 1, key);
  const int width = static_cast<int>(GetLayoutInt(page.category->section, key, 0));
  const int index = LoadCartoon(window, strip, width, page.page, slot + 1);
  SetPickedCartoon(index);
  if (index < 0) ShowProgramMessageA(window, "Are you nuts?", "Warning", MB_OK | MB_ICONQUESTION);
  HoldCursor(index >= 0);
  ChooseDrawingMode(&Session(), kModeCartoon);
}

void TakeSamplePicture(HWND window, const char* path) {
  WaitCursor wait(window);
  if (pictureKeeper.before) pictureKeeper.before(window);
  OpenCanvasPicture(window, path);
  DamageWholeScreen(window);
  UpdateWindow(window);
  MarkPictureChanged(&Session().canvas);
  if (pictureKeeper.after) pictureKeeper.after(window);
}

bool PressPageButton(HWND window, const RECT& r, bool* pressed, int command) {
  ShowPressedPart(window, r);
  *pressed = true;
  RemovePickedCartoon(window);
  SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0);
  return true;
}

}  // namespace

bool LibraryCommand(HWND window, int id) {
  if (id < cmd::kLibraryFirst || id > cmd::kLibraryLast) return false;
  if (const Category* c = CategoryOf(id)) {
    page.category = c;
    page.page = 1;
  } else if (!page.category) {
    return true;  // paging with no category open
  } else if (id == cmd::kLibraryPageBack) {
    page.page = PreviousLibraryPage(page.page, page.pageCount);
  } else {
    page.page = NextLibraryPage(page.page, page.pageCount);
  }
  LoadPage(window);
  DamageWholeScreen(window);
  UpdateWindow(window);
  PlaySoundEffect(ToolSound());
  return true;
}

int LibraryPageNumber() { return page.category ? page.page : 0; }
const char* LibrarySection() { return page.category ? page.category->section : nullptr; }

void SetLibraryPagePosition(POINT layout) { page.at = layout; }

namespace {

bool Shown() { return LibraryShown() && !DeskCovered() && page.category; }

void Paint(HWND window, HDC dc) {
  if (!page.picture) return;
  const SIZE s = BitmapSize(page.picture);
  BlitPart(window, dc, page.picture, page.at, s.cx, s.cy, POINT{0, 0}, ScreenPalette());
  for (const RECT* r : {page.backPressed ? &page.back : nullptr, page.forwardPressed ? &page.forward : nullptr})
    if (r && page.pressed)
      BlitPart(window, dc, page.pressed, POINT{r->left, r->top}, r->right - r->left, r->bottom - r->top,
               POINT{r->left - page.at.x, r->top - page.at.y}, ScreenPalette());
}

bool Hover(HWND window, POINT p) {
  const bool slot = SlotAt(p) >= 0;
  if (!slot && !PtInRect(&page.back, p) && !PtInRect(&page.forward, p)) {
    page.hoverShown = false;
    return false;
  }
  if (!page.hoverShown && !CursorHeld()) SetClassCursor(window, ToolCursor(slot ? kIconHand : kIconGrab));
  page.hoverShown = true;
  return true;
}

bool Press(HWND window, POINT p) {
  if (PtInRect(&page.forward, p)) return PressPageButton(window, page.forward, &page.forwardPressed, cmd::kLibraryPageForward);
  if (PtInRect(&page.back, p)) return PressPageButton(window, page.back, &page.backPressed, cmd::kLibraryPageBack);
  const int slot = SlotAt(p);
  if (slot < 0) return false;
  char path[MAX_PATH];
  if (!ItemPath(slot, path)) return true;  // an empty slot holds nothing to take
  switch (page.category->kind) {
    case ItemKind::kSticker: TakeSticker(window, path); break;
    case ItemKind::kCartoon: TakeCartoon(window, slot, path); break;
    case ItemKind::kSamplePicture: TakeSamplePicture(window, path); break;
  }
  return true;
}

bool Release(HWND window, POINT) {
  if (page.backPressed || page.forwardPressed) {
    page.backPressed = page.forwardPressed = false;
    DamageWholeScreen(window);
  }
  // A sticker stays in hand until it is dropped on the picture; a cartoon must be placed at once.
  if (PickedCartoon() >= 0) {
    RemovePickedCartoon(window);
    HoldCursor(false);
  }
  return false;
}

// A cartoon has to be carried onto the paper; a sticker stays in hand after its click.
int Targets(AreaTarget* out, int capacity) {
  static const char* const kNames[kMaxItemsPerPage] = {"item 1", "item 2", "item 3", "item 4", "item 5", "item 6"};
  if (!page.category) return 0;
  const TargetUse use = page.category->kind == ItemKind::kCartoon ? TargetUse::kCarry : TargetUse::kClick;
  int n = 0;
  for (int i = 0; i < page.category->itemsPerPage && i < kMaxItemsPerPage; ++i)
    AddTarget(out, capacity, &n, page.slots[i], kNames[i], use);
  AddTarget(out, capacity, &n, page.back, "back");
  AddTarget(out, capacity, &n, page.forward, "forward");
  return n;
}

}  // namespace

const ScreenArea kLibraryPageArea = {"library page", Shown, Hover, Press, Release, nullptr, nullptr, nullptr,
                                     nullptr, Paint, LibraryCommand, false, Targets, nullptr, false};

void FreeLibraryPage() {
  FreePictures();
  page = LibraryPage{};
}

void SetPictureKeeper(const PictureKeeper& keeper) { pictureKeeper = keeper; }
