// The cartoons on the screen: their sprites, the tick that plays and walks them, placing and removing.
#include "colvane/library/cartoons_win.h"

#include <cstring>
#include <utility>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/clip_art_win.h"
#include "colvane/frame/bitmap_file_win.h"
#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/filmstrip_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/file_bytes.h"
#include "colvane/frame/paper_overlay_win.h"
#include "colvane/frame/screen_bitmap_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/library/library_catalogue.h"

namespace {

struct CartoonArt {
  HBITMAP sprite = nullptr;  // the strip, black where it is transparent
  HBITMAP mask = nullptr;    // monochrome: white where transparent
};

CartoonTable table;
CartoonArt art[kCartoonLimit];  // at the same index as the table's cartoons
int picked = -1;
bool timerRunning = false;
bool paused = false;
bool busy = false;
bool removedSinceFile = false;
// A cartoon file far larger than ten walking paths could need is not a cartoon file of ours.
constexpr size_t kCartoonFileLimit = 16u << 20;

void FreeArt(CartoonArt* a) {
  if (a->sprite) DeleteObject(a->sprite);
  if (a->mask) DeleteObject(a->mask);
  *a = CartoonArt{};
}

void StartTimer(HWND window) {
  if (timerRunning || paused) return;
  timerRunning = SetTimer(window, timer::kCartoons, timer::kCartoonsMs, nullptr) != 0;
}

void StopTimer(HWND window) {
  KillTimer(window, timer::kCartoons);
  timerRunning = false;
}

// A frame of the strip at (x, y) of a DC: mask first (what lies under its transparent part
// stays), then the sprite into the hole.
void DrawFrame(HWND window, HDC target, const CartoonArt& a, const Cartoon& c, int frame, int x, int y) {
  BlitTransparentPair(window, target, a.sprite, a.mask, ScreenPalette(), x, y, c.frameWidth, c.height,
                      FrameLeft(c, frame), 0);
}

// The frame last shown: the tick counts one past it.
int ShownFrame(const Cartoon& c) {
  const int count = FrameCount(c);
  if (count <= 0) return 0;
  return c.frame <= 0 ? 0 : (c.frame - 1) % count;
}

void DrawPreviewFrame(HDC work, int x, int y, void* context) {
  const int index = *static_cast<const int*>(context);
  if (index < 0 || index >= table.Count()) return;
  DrawFrame(nullptr, work, art[index], table.At(index), 0, x, y);
}

void PreviewHook(HWND window, POINT at, POINT last) {
  if (picked < 0 || picked >= table.Count()) return;
  const Cartoon& c = table.At(picked);
  int index = picked;
  ShowDragPreview(window, at, last, c.frameWidth, c.height, DrawPreviewFrame, &index);
}

void DragEndHook(HWND window, POINT at, bool place) {
  if (place && picked >= 0 && picked < table.Count()) {
    PlaceCartoon(window, picked, at);
    picked = -1;
  } else {
    RemovePickedCartoon(window);
  }
  HoldCursor(false);
}

bool EraseHook(HWND window, POINT paper) {
  const int hit = CartoonAt(paper);
  if (hit < 0) return false;
  RemoveCartoon(window, hit);
  return true;
}

// The canvas's top-left in layout coordinates, where the paper art may lie over it.
POINT CanvasLayoutOrigin() {
  const ScreenLayout& s = Screen();
  return POINT{s.paperOriginX - s.screenOriginX, s.paperOriginY - s.screenOriginY};
}

// Messages that came while the timer fired are served first (the busy flag drops the timer's own).
void PumpMessages(HWND window) {
  MSG m;
  while (PeekMessageA(&m, window, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

bool TickMayDraw() { return !paused && !DeskCovered() && !FilmstripPlaying(); }

}  // namespace

int LoadCartoon(HWND window, const char* stripPath, int frameWidth, int group, int number) {
  if (table.Full() || frameWidth <= 0 || !stripPath || !stripPath[0]) return -1;
  if (GetFileAttributesA(stripPath) == INVALID_FILE_ATTRIBUTES) return -1;
  HBITMAP strip = LoadBitmapFile(window, stripPath, ScreenPalette());
  if (!strip) return -1;
  const SIZE size = BitmapSize(strip);
  CartoonArt a;
  MakeTransparentPair(window, strip, ScreenPalette(), RGB(255, 0, 0), &a.sprite, &a.mask);
  DeleteObject(strip);
  const int index = a.sprite && a.mask ? table.Add(group, number, frameWidth, size.cx, size.cy) : -1;
  if (index < 0) {
    FreeArt(&a);
    return -1;
  }
  art[index] = a;
  return index;
}

void PlaceCartoon(HWND window, int index, POINT paper) {
  if (index < 0 || index >= table.Count()) return;
  table.Place(index, CartoonPoint{paper.x, paper.y});
  StartTimer(window);
}

void RemoveCartoon(HWND window, int index) {
  if (index < 0 || index >= table.Count()) return;
  if (!table.At(index).path.empty()) removedSinceFile = true;
  FreeArt(&art[index]);
  for (int i = index; i + 1 < table.Count(); ++i) art[i] = art[i + 1];
  art[table.Count() - 1] = CartoonArt{};
  table.Remove(index);
  if (picked == index) picked = -1;
  else if (picked > index) --picked;
  if (table.Count() == 0) StopTimer(window);
}

void RemoveAllCartoons(HWND window) {
  StopTimer(window);
  for (int i = 0; i < table.Count(); ++i) FreeArt(&art[i]);
  table.Clear();
  picked = -1;
}

int CartoonCount() { return table.Count(); }
const CartoonTable& Cartoons() { return table; }
HBITMAP CartoonSprite(int index) { return index >= 0 && index < table.Count() ? art[index].sprite : nullptr; }
HBITMAP CartoonMask(int index) { return index >= 0 && index < table.Count() ? art[index].mask : nullptr; }
int CartoonAt(POINT paper) { return table.HitTest(CartoonPoint{paper.x, paper.y}); }

void SetPickedCartoon(int index) { picked = index; }
int PickedCartoon() { return picked; }

void RemovePickedCartoon(HWND window) {
  const int index = picked;
  picked = -1;
  if (index >= 0 && index < table.Count() && table.At(index).path.empty()) RemoveCartoon(window, index);
}

bool CartoonsBusy() { return busy; }

void PauseCartoons(HWND window) {
  StopTimer(window);
  paused = true;
}

void ResumeCartoons(HWND window) {
  paused = false;
  if (table.Count() > 0) StartTimer(window);
}

namespace {

// The tick composes into a bitmap of the paper's size kept from tick to tick: a new one costs more
// to make and to touch for the first time than the tick's drawing.
HDC tickDc = nullptr;
HBITMAP tickBitmap = nullptr;
HGDIOBJ tickDefault = nullptr;
int tickWidth = 0, tickHeight = 0;

void FreeTickDc() {
  if (tickDc) {
    SelectObject(tickDc, tickDefault);
    DeleteDC(tickDc);
  }
  if (tickBitmap) DeleteObject(tickBitmap);
  tickDc = nullptr;
  tickBitmap = nullptr;
  tickWidth = tickHeight = 0;
}

HDC TickDc(HDC screen, int width, int height) {
  if (tickDc && tickWidth == width && tickHeight == height) return tickDc;
  FreeTickDc();
  tickBitmap = CreateScreenBitmap(screen, width, height);
  tickDc = tickBitmap ? CreateCompatibleDC(screen) : nullptr;
  if (!tickDc) {
    FreeTickDc();
    return nullptr;
  }
  tickDefault = SelectObject(tickDc, tickBitmap);
  tickWidth = width;
  tickHeight = height;
  return tickDc;
}

}  // namespace

void CartoonTick(HWND window) {
  if (busy || table.Count() == 0) return;
  busy = true;
  PumpMessages(window);
  HBITMAP canvas = CanvasBitmap();
  // What the messages did may have ended the tick's reason to draw.
  if (!IsWindow(window) || !canvas || table.Count() == 0 || !TickMayDraw()) {
    busy = false;
    return;
  }
  const ScreenLayout& s = Screen();
  const int wc = s.paperWidth, hc = s.paperHeight;
  CartoonStep steps[kCartoonLimit];
  const int count = table.Count() < kCartoonLimit ? table.Count() : kCartoonLimit;
  for (int i = 0; i < count; ++i) steps[i] = AdvanceCartoon(&table.At(i), wc, hc);
  HDC screen = GetDC(window);
  HDC compose = TickDc(screen, wc, hc);
  MemoryDc source(screen);  // one DC lent to every blit of the tick: making one costs more than a blit
  if (compose && source) {
    // Only what changed is shown, so only that needs the picture under it.
    {
      SelectedObject picture(source, canvas);
      for (int i = 0; i < count; ++i) {
        const CartoonRect r = CutToCanvas(table.At(i).changed, wc, hc);
        if (!r.Empty()) BitBlt(compose, r.left, r.top, r.right - r.left, r.bottom - r.top, source, r.left, r.top, SRCCOPY);
      }
    }
    // Later cartoons are drawn over earlier ones.
    for (int i = 0; i < count; ++i) {
      const Cartoon& c = table.At(i);
      if (!steps[i].draw) continue;
      const CartoonRect r = FrameRect(c, steps[i].at);
      BlitTransparentPairThrough(compose, source, art[i].sprite, art[i].mask, r.left, r.top, c.frameWidth, c.height,
                                 FrameLeft(c, steps[i].frame), 0);
    }
    OverlayPaper(window, compose, CanvasLayoutOrigin());  // the paper's corner lies over the canvas
    for (int i = 0; i < count; ++i) {
      const CartoonRect r = CutToCanvas(table.At(i).changed, wc, hc);
      if (r.Empty()) continue;
      BitBlt(screen, s.paperOriginX + r.left, s.paperOriginY + r.top, r.right - r.left, r.bottom - r.top,
             compose, r.left, r.top, SRCCOPY);
    }
  }
  ReleaseDC(window, screen);
  busy = false;
}

namespace {

bool Uncovered() { return !DeskCovered(); }

void PaintCartoons(HWND window, HDC dc) {
  if (table.Count() == 0) return;
  const ScreenLayout& s = Screen();
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, s.paperOriginX, s.paperOriginY, s.paperOriginX + s.paperWidth,
                    s.paperOriginY + s.paperHeight);
  for (int i = 0; i < table.Count(); ++i) {
    const Cartoon& c = table.At(i);
    if (c.path.empty() || c.changed.Empty()) continue;  // not shown yet
    const CartoonRect r = FrameRect(c, c.drawnAt);
    DrawFrame(window, dc, art[i], c, ShownFrame(c), s.paperOriginX + r.left, s.paperOriginY + r.top);
  }
  RestoreDC(dc, saved);
}

}  // namespace

const ScreenArea kCartoonsArea = {"cartoons", Uncovered, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  nullptr, PaintCartoons, nullptr, false, nullptr, ShownPaperRect, false};  // drawn inside the paper only

void InstallCartoonHooks() {
  CartoonHooks hooks;
  hooks.dragPreview = PreviewHook;
  hooks.dragEnd = DragEndHook;
  hooks.eraseAt = EraseHook;
  SetCartoonHooks(hooks);
}

int ReadCartoonFile(HWND window, const char* path) {
  std::vector<uint8_t> bytes;
  int opened = 0;
  if (!path || !path[0] || !ReadFileBytes(path, kCartoonFileLimit, &bytes, &opened) || !opened) return 0;
  RemoveAllCartoons(window);
  removedSinceFile = false;
  const CartoonDirectory directory = ReadCartoonDirectory(bytes.data(), bytes.size());
  std::vector<CartoonPoint> points;
  for (const CartoonEntry& entry : directory.entries) {
    if (table.Full()) break;
    // Only a path the file wholly holds, of a cartoon the layout names, is loaded.
    if (!ReadCartoonPath(bytes.data(), bytes.size(), directory, entry, &points)) continue;
    char key[kItemKeySize], widthKey[kItemKeySize], name[81] = "", strip[MAX_PATH];
    ItemKey(entry.group, entry.number, key);
    FrameWidthKey(entry.group, entry.number, widthKey);
    GetLayoutString("CARTCONTENT", key, "", name, sizeof(name));
    if (!name[0]) continue;
    AssetPath(name, strip);
    const int width = static_cast<int>(GetLayoutInt("CARTCONTENT", widthKey, 0));
    const int index = LoadCartoon(window, strip, width, entry.group, entry.number);
    if (index < 0) continue;
    table.At(index).state = entry.state;
    table.SetPath(index, std::move(points));
    points = std::vector<CartoonPoint>();
  }
  if (table.Count() > 0) StartTimer(window);
  return 1;
}

std::vector<uint8_t> CartoonFileBytes() { return WriteCartoonFile(table.Records()); }
bool CartoonsRemovedSinceFile() { return removedSinceFile; }
void CartoonFileWritten() { removedSinceFile = false; }

void FreeCartoons(HWND window) {
  RemoveAllCartoons(window);
  FreeTickDc();
  paused = false;
}
