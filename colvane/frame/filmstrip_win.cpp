// Button states as filmstrips: loading, drawing one frame, and playing an animation with the
// 40 ms pumping delay between frames.
#include "colvane/frame/filmstrip_win.h"

#include "colvane/frame/bitmap_file_win.h"
#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/palette_scope_win.h"
#include "colvane/frame/paper_overlay_win.h"
#include "colvane/frame/screen_bitmap_win.h"
#include "colvane/frame/strip_frames.h"
#include "colvane/layout/layout_files_win.h"
#include "easelkit/easelkit_win.h"

namespace {
bool animationPlaying = false;  // a filmstrip is playing: the timers wait
}  // namespace

bool FilmstripPlaying() { return animationPlaying; }

void LoadStrip(HWND window, StripRecord* strip, const char* section, const char* bitmapKey,
               const char* widthKey, const char* originKey) {
  strip->bitmap = LoadLayoutBitmap(window, section, bitmapKey);
  strip->frameWidth = widthKey ? static_cast<int>(GetLayoutInt(section, widthKey, 256)) : 256;
  strip->height = BitmapSize(strip->bitmap).cy;
  if (originKey) GetLayoutPoint(section, originKey, 0, 0, &strip->origin);
}

void FreeStrip(StripRecord* strip) {
  if (strip->bitmap) DeleteObject(strip->bitmap);
  strip->bitmap = nullptr;
}

int DrawStripFrame(HWND window, HDC dc, const StripRecord* strip, int frame, int count,
                   POINT destination, HPALETTE palette) {
  if (!strip || !strip->bitmap) return 0;
  int first, n;
  if (!StripFrameRange(BitmapSize(strip->bitmap).cx, strip->frameWidth, frame, count, 0, &first, &n))
    return 0;
  POINT source{first * strip->frameWidth, 0};
  return BlitPart(window, dc, strip->bitmap, destination, strip->frameWidth, strip->height, source,
                  palette);
}

int PlayFilmstrip(HWND window, const StripRecord* strip, int first, int count, POINT destination,
                  HPALETTE palette, int forward, int interruptible, const RECT* area,
                  UINT startingMessage) {
  if (!strip || !strip->bitmap) return 0;
  const int frames = BitmapSize(strip->bitmap).cx / (strip->frameWidth > 0 ? strip->frameWidth : 1);
  int from, n;
  if (!StripFrameRange(BitmapSize(strip->bitmap).cx, strip->frameWidth, first, count, 1, &from, &n))
    return 0;
  animationPlaying = true;
  const int w = strip->frameWidth, h = strip->height;
  HDC dc = GetDC(window);
  HBITMAP frameBitmap = nullptr;
  {
    PaletteScope realized(dc, palette);
    MemoryDc from_dc(dc), temp(dc);
    frameBitmap = CreateScreenBitmap(dc, w, h);
    SelectedObject stripArt(from_dc, strip->bitmap), frameArt(temp, frameBitmap);
    POINT at = destination;
    LayoutToScreen(&at);
    for (int i = from; i < from + n; ++i) {
      if (interruptible) {
        UINT msg;
        WPARAM wp;
        LPARAM lp;
        if (IsIntMessage(&msg, &wp, &lp) && msg != startingMessage) {
          OutPutMessage(window, msg, wp, lp);
          break;
        }
        if (startingMessage == WM_MOUSEMOVE && area) {
          POINT cursor;
          GetCursorPos(&cursor);
          ScreenToClient(window, &cursor);
          ScreenToLayout(&cursor);
          if (!PtInRect(area, cursor)) break;
        }
      }
      int sourceX = forward ? i * w : (frames - i - 1) * w;
      BitBlt(temp, 0, 0, w, h, from_dc, sourceX, 0, SRCCOPY);
      OverlayPaper(window, temp, destination);
      BitBlt(dc, at.x, at.y, w, h, temp, 0, 0, SRCCOPY);
      if (i + 1 < from + n) Delay(window, 40);
    }
    ClearMessage();
  }
  DeleteObject(frameBitmap);
  ReleaseDC(window, dc);
  animationPlaying = false;
  return 1;
}
