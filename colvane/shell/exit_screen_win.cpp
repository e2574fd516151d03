// The exit screen: the screen is frozen and dimmed, the goodbye picture rises and scrolls
// through a square in the middle, and the program closes three seconds later (or at once on a
// left press, which the mouse routers handle).
#include <algorithm>

#include "colvane/frame/bitmap_file_win.h"
#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/screen_bitmap_win.h"
#include "colvane/library/cartoons_win.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/ids.h"
#include "colvane/shell/exit_screen_win.h"
#include "colvane/shell/exit_scroll.h"
#include "easelkit/easelkit_win.h"

namespace {
// Owned here: the darkened snapshot of the screen (non-null once the exit screen runs), the
// goodbye picture made transparent on its red key, and its scroll state.
HBITMAP closingSnapshot = nullptr;
HBITMAP exitImage = nullptr;
HBITMAP exitMask = nullptr;
SIZE exitSize{0, 0};
ExitScroll scroll;

// The "DARK" tint laid over the whole snapshot at a constant strength: an even dimming that
// keeps the picture recognisable behind the card (a pattern ANDed over it shows as dots, and
// as stripes wherever the screen is scaled).
void DarkenSnapshot(HWND window, HBITMAP snapshot, int width, int height) {
  HBITMAP dark = LoadBitmapA(App().instance, "DARK");
  if (!dark) return;
  HDC screen = GetDC(window);
  // the tile laid over a whole screen's bitmap first: a blend that stretches its source comes
  // out in blocks
  HBITMAP tint = CreateScreenBitmap(screen, width, height);
  HBRUSH tiles = CreatePatternBrush(dark);
  if (tint && tiles) {
    MemoryDc target(screen), tinted(screen);
    SelectedObject targetArt(target, snapshot), tintArt(tinted, tint), brush(tinted, tiles);
    PatBlt(tinted, 0, 0, width, height, PATCOPY);
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 150, 0};  // 150 / 255 of the tint
    AlphaBlend(target, 0, 0, width, height, tinted, 0, 0, width, height, blend);
  }
  if (tiles) DeleteObject(tiles);
  if (tint) DeleteObject(tint);
  ReleaseDC(window, screen);
  DeleteObject(dark);
}

// "advert.sys" by its relative name, as the program always looked for it, else beside the
// program (a program started from another folder would otherwise lose its goodbye picture).
HBITMAP LoadExitPicture(HWND window) {
  if (GetFileAttributesA("advert.sys") != INVALID_FILE_ATTRIBUTES)
    return LoadBitmapFile(window, "advert.sys", App().palette);
  char path[MAX_PATH];
  AssetPath("advert.sys", path);
  return path[0] ? LoadBitmapFile(window, path, App().palette) : nullptr;
}
}  // namespace

void StartExitScreen(HWND window) {
  const AppState& app = App();
  PauseCartoons(window);
  if (closingSnapshot) return;
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  HDC dc = GetDC(window);
  HBITMAP snapshot = CreateScreenBitmap(dc, w, h);
  {
    MemoryDc memory(dc);
    SelectedObject held(memory, snapshot);
    BitBlt(memory, 0, 0, w, h, dc, 0, 0, SRCCOPY);
  }
  ReleaseDC(window, dc);
  closingSnapshot = snapshot;
  DarkenSnapshot(window, snapshot, w, h);
  // The picture first: a goodbye picture that is not a bitmap shows its message here, and the
  // scroll (which closes the window at once when there is no picture) starts only after it.
  HBITMAP picture = LoadExitPicture(window);
  exitSize = BitmapSize(picture);
  MakeTransparentPair(window, picture, app.palette, RGB(255, 0, 0), &exitImage, &exitMask);
  if (picture) DeleteObject(picture);
  scroll = ExitScroll{};
  SetTimer(window, timer::kExitScroll, timer::kExitScrollMs, nullptr);
}

void ExitScreenStep(HWND window) {
  const AppState& app = App();
  if (!closingSnapshot) return;
  const int side = static_cast<int>(exitSize.cx);
  if (!exitImage || side <= 0) {  // no goodbye picture: close at once
    KillTimer(window, timer::kExitScroll);
    DestroyWindow(window);
    return;
  }
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  const int left = (w - side) / 2, top = (h - side) / 2;
  if (ExitScrollStep(&scroll, side, exitSize.cy)) {
    KillTimer(window, timer::kExitScroll);
    Delay(window, 3000);
    DestroyWindow(window);
    scroll = ExitScroll{};
    return;
  }
  HDC dc = GetDC(window);
  HBITMAP work = nullptr;
  {
    MemoryDc snapshotDc(dc), workDc(dc);
    work = CreateScreenBitmap(dc, side, side);
    SelectedObject snapshotArt(snapshotDc, closingSnapshot), workArt(workDc, work);
    BitBlt(workDc, 0, 0, side, side, snapshotDc, left, top, SRCCOPY);
    const int rows = std::min<int>(side - scroll.top, exitSize.cy - scroll.sourceY);
    if (rows > 0)
      BlitTransparentPair(window, workDc, exitImage, exitMask, app.palette, 0, scroll.top, side, rows, 0,
                          scroll.sourceY);
    BitBlt(dc, left, top, side, side, workDc, 0, 0, SRCCOPY);
  }
  DeleteObject(work);
  ReleaseDC(window, dc);
}

bool ExitScreenRunning() { return closingSnapshot != nullptr; }

void PaintExitScreen(HDC dc) {
  if (!closingSnapshot) return;
  const SIZE s = BitmapSize(closingSnapshot);
  MemoryDc memory(dc);
  SelectedObject held(memory, closingSnapshot);
  BitBlt(dc, 0, 0, s.cx, s.cy, memory, 0, 0, SRCCOPY);
}

void FreeExitScreen(HWND window) {
  KillTimer(window, timer::kExitScroll);
  if (exitImage) DeleteObject(exitImage);
  if (exitMask) DeleteObject(exitMask);
  exitImage = exitMask = nullptr;
  if (closingSnapshot) DeleteObject(closingSnapshot);
  closingSnapshot = nullptr;
}
