// The whole screen, composed back to front into one offscreen bitmap and shown with one blit.
#include "colvane/frame/compose.h"

#include "colvane/frame/blit.h"
#include "colvane/frame/desk.h"
#include "colvane/frame/frame_art.h"
#include "colvane/shell/app_state.h"
#include "colvane/shell/areas.h"

namespace {

void DrawWhole(HWND window, HDC dc, HBITMAP bitmap, POINT at) {
  SIZE s = BitmapSize(bitmap);
  BlitPart(window, dc, bitmap, at, s.cx, s.cy, POINT{0, 0}, App().palette);
}

void ComposeLayers(HWND window, HDC dc) {
  AppState& app = App();
  FrameArt& f = Frame();
  DrawWhole(window, dc, f.draw, POINT{0, 0});
  PaintCanvas(window, dc);
  if (!app.libraryPage) {
    PaintColourPanel(window, dc);
    DrawWhole(window, dc, app.toolboxPage == 2 && f.tool1 ? f.tool1 : f.tool, f.toolCord);
  }
  PaintToolbox(window, dc);
  PaintDesk(window, dc);
  if (!app.libraryPage) {
    // Both page buttons are the left half of their bitmaps, sized by the page-up bitmap.
    SIZE up = BitmapSize(f.colorPageUp);
    BlitPart(window, dc, f.colorPageUp, f.colorPageUpAt, up.cx / 2, up.cy, POINT{0, 0}, app.palette);
    BlitPart(window, dc, f.colorPageDown, f.colorPageDownAt, up.cx / 2, up.cy, POINT{0, 0}, app.palette);
  }
  PaintFileBox(window, dc);
  PaintOptionPanel(window, dc);
  PaintLibrary(window, dc);
  PaintSoundPanel(window, dc);
}

}  // namespace

void ComposeScreen(HWND window, HDC paintDc) {
  AppState& app = App();
  RECT client;
  GetClientRect(window, &client);
  HPALETTE old = nullptr;
  if (app.palette) {
    old = SelectPalette(paintDc, app.palette, FALSE);
    RealizePalette(paintDc);
  }
  if (app.closingSnapshot) {
    SIZE s = BitmapSize(app.closingSnapshot);
    HDC memory = CreateCompatibleDC(paintDc);
    HGDIOBJ prev = SelectObject(memory, app.closingSnapshot);
    BitBlt(paintDc, 0, 0, s.cx, s.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, prev);
    DeleteDC(memory);
  } else {
    HDC offscreen = AcquireOffscreen(paintDc, client.right, client.bottom);
    if (offscreen) {
      HPALETTE oldOff = nullptr;
      if (app.palette) {
        oldOff = SelectPalette(offscreen, app.palette, FALSE);
        RealizePalette(offscreen);
      }
      ComposeLayers(window, offscreen);
      if (oldOff) SelectPalette(offscreen, oldOff, FALSE);
      PresentOffscreen(paintDc, 0, 0, offscreen);
      ReleaseOffscreen(offscreen);
    }
  }
  if (old) SelectPalette(paintDc, old, FALSE);
}
