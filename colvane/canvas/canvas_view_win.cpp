// The canvas image and its screen mirror: start-up, repaint, the flush of changed rows, undo and
// release.
#include "colvane/canvas/canvas_view_win.h"

#include <algorithm>

#include "colvane/frame/blit_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/layout/layout_values.h"
#include "easelkit/easelkit_win.h"

namespace {

PaintSession session;
CanvasImage& canvas = session.canvas;
HBITMAP canvasBitmap = nullptr;  // owned here

HDC WindowDcWithPalette(HWND window, HPALETTE* previous) {
  HDC dc = GetDC(window);
  *previous = nullptr;
  if (ScreenPalette()) {
    *previous = SelectPalette(dc, ScreenPalette(), FALSE);
    RealizePalette(dc);
  }
  return dc;
}

void ReleaseWindowDc(HWND window, HDC dc, HPALETTE previous) {
  if (previous) SelectPalette(dc, previous, FALSE);
  ReleaseDC(window, dc);
}

void PaintCanvas(HWND window, HDC dc);

}  // namespace

PaintSession& Session() { return session; }
HBITMAP CanvasBitmap() { return canvasBitmap; }

PictureOpenResult PrepareCanvas(HWND window, const char* startPicture) {
  SetSessionStrokeSize(&session, 3);
  SetSessionPaperSize(&session, Screen().paperWidth, Screen().paperHeight);  // no selection yet
  if (!canvasBitmap) {
    HDC dc = GetDC(window);
    canvasBitmap = CreateCompatibleBitmap(dc, kCanvasWidth, kCanvasHeight);
    ReleaseDC(window, dc);
  }
  return OpenCanvasPicture(window, startPicture && startPicture[0] ? startPicture : nullptr);
}

PictureOpenResult OpenCanvasPicture(HWND window, const char* path) {
  const PictureOpenResult opened = OpenPicture(&canvas, path);
  RefreshCanvasBitmap(window);
  return opened;
}


void RefreshCanvasBitmap(HWND window) {
  if (!canvasBitmap || canvas.canvasImage.Empty()) return;
  const uint8_t* block = canvas.canvasImage.Data();
  HPALETTE previous;
  HDC dc = WindowDcWithPalette(window, &previous);
  SetDIBits(dc, canvasBitmap, 0, canvas.height, block + kBitmapHeaderSize,
            reinterpret_cast<const BITMAPINFO*>(block), DIB_RGB_COLORS);
  ReleaseWindowDc(window, dc, previous);
}

void FlushCanvasRect(HWND window, int left, int top, int right, int bottom) {
  if (!canvasBitmap || canvas.canvasImage.Empty()) return;
  // Nothing beyond the visible canvas may reach the window: it would cover the desk.
  const ScreenLayout& app = Screen();
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min({right, kCanvasWidth - 1, app.paperWidth - 1});
  bottom = std::min({bottom, canvas.height - 1, app.paperHeight - 1});
  if (left > right || top > bottom) return;
  const uint8_t* block = canvas.canvasImage.Data();
  HPALETTE previous;
  HDC dc = WindowDcWithPalette(window, &previous);
  const int width = right - left + 1, rows = bottom - top + 1;
  OutputDIB2BMP(dc, reinterpret_cast<const BITMAPINFOHEADER*>(block), block + kBitmapHeaderSize, left,
                top, width, rows, canvasBitmap, canvas.height, canvas.stride);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, canvasBitmap);
  BitBlt(dc, app.paperOriginX + left, app.paperOriginY + top, width, rows, memory, left, top, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseWindowDc(window, dc, previous);
}

void ShowWholeCanvas(HWND window) {
  RefreshCanvasBitmap(window);
  if (!canvasBitmap) return;
  HDC dc = GetDC(window);
  PaintCanvas(window, dc);
  ReleaseDC(window, dc);
}

PixelView VisibleCanvasView() {
  PixelView v = CanvasView(canvas);
  const ScreenLayout& app = Screen();
  const int width = std::min(v.width, app.paperWidth), height = std::min(v.height, app.paperHeight);
  if (!v.bits || width <= 0 || height <= 0) return PixelView{};
  // Rows are stored bottom-up: the shown top rows are the last ones in memory.
  v.bits += static_cast<ptrdiff_t>(v.height - height) * v.stride;
  v.width = width;
  v.height = height;
  return v;
}

PixelView UndoSnapshotView() { return Picture24View(canvas.undoSnapshot); }

void FlushChangedRect(HWND window, const ChangedRect& rect) {
  if (rect.changed) FlushCanvasRect(window, rect.left, rect.top, rect.right, rect.bottom);
}

namespace {

bool Uncovered() { return !DeskCovered(); }

void PaintCanvas(HWND, HDC dc) {
  const ScreenLayout& app = Screen();
  if (!canvasBitmap) {
    PatBlt(dc, app.paperOriginX, app.paperOriginY, app.paperWidth, app.paperHeight, WHITENESS);
    return;
  }
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, canvasBitmap);
  BitBlt(dc, app.paperOriginX, app.paperOriginY, app.paperWidth, app.paperHeight, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

}  // namespace

const ScreenArea kCanvasArea = {"canvas", Uncovered, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                PaintCanvas, nullptr, false};

void TakeCanvasUndo() { TakeUndoSnapshot(&canvas); }

void UndoCommand(HWND window) {
  UndoCanvas(&canvas);
  RefreshCanvasBitmap(window);
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

void ShowGestureResult(HWND window, const GestureResult& result) {
  if (result.wholeRepaint) {
    ShowWholeCanvas(window);
    return;
  }
  FlushChangedRect(window, result.changed);
}

void FreeCanvas(HWND) {
  if (canvasBitmap) DeleteObject(canvasBitmap);
  canvasBitmap = nullptr;
  ToolState& tools = session.tools;
  tools.masks = DabMasks();
  FreeMagicStamp(&tools.magicStamp);
  ReleaseCanvasImage(&canvas);
  FreeAreaPicture(&tools.areaPicture);
}
