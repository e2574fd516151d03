// The canvas image and its screen mirror: start-up, repaint, the flush of changed rows, undo and
// release.
#include "colvane/canvas/canvas_view_win.h"

#include <algorithm>

#include "colvane/frame/coords_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/palette_scope_win.h"
#include "colvane/frame/screen_area_win.h"
#include "colvane/frame/screen_bitmap_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/layout/layout_values.h"
#include "easelkit/easelkit_win.h"

namespace {

PaintSession session;
CanvasImage& canvas = session.canvas;
HBITMAP canvasBitmap = nullptr;  // owned here

// A DC of the window with the screen palette realised, for the holder's lifetime.
class WindowDcWithPalette {
 public:
  explicit WindowDcWithPalette(HWND window)
      : window_(window), dc_(GetDC(window)), palette_(dc_, ScreenPalette()) {}
  ~WindowDcWithPalette() { ReleaseDC(window_, dc_); }
  WindowDcWithPalette(const WindowDcWithPalette&) = delete;
  WindowDcWithPalette& operator=(const WindowDcWithPalette&) = delete;
  operator HDC() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
  PaletteScope palette_;
};

void PaintCanvas(HWND window, HDC dc);

}  // namespace

PaintSession& Session() { return session; }
HBITMAP CanvasBitmap() { return canvasBitmap; }

PictureOpenResult PrepareCanvas(HWND window, const char* startPicture) {
  SetSessionStrokeSize(&session, 3);
  SetSessionPaperSize(&session, Screen().paperWidth, Screen().paperHeight);  // no selection yet
  if (!canvasBitmap) {
    HDC dc = GetDC(window);
    canvasBitmap = CreateScreenBitmap(dc, kCanvasWidth, kCanvasHeight);
    ReleaseDC(window, dc);
  }
  return OpenCanvasPicture(window, startPicture && startPicture[0] ? startPicture : nullptr);
}

PictureOpenResult OpenCanvasPicture(HWND window, const char* path) {
  PictureOpenResult opened = OpenPicture(&canvas, path);
  // A file that is there but could not be opened (another program holds it, or it is a folder)
  // is not a missing picture: it must not be taken for a free name and written over.
  if (opened == kPictureMissing && path && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES)
    opened = kPictureUnreadable;
  RefreshCanvasBitmap(window);
  return opened;
}


void RefreshCanvasBitmap(HWND window) {
  if (!canvasBitmap || canvas.canvasImage.Empty()) return;
  const uint8_t* block = canvas.canvasImage.Data();
  WindowDcWithPalette dc(window);
  SetDIBits(dc, canvasBitmap, 0, canvas.height, block + kBitmapHeaderSize,
            reinterpret_cast<const BITMAPINFO*>(block), DIB_RGB_COLORS);
}

void CopyCanvasRect(HDC dc, POINT at, const RECT& paperRect) {
  if (!canvasBitmap) return;
  MemoryDc memory(dc);
  SelectedObject held(memory, canvasBitmap);
  BitBlt(dc, at.x, at.y, paperRect.right - paperRect.left, paperRect.bottom - paperRect.top, memory,
         paperRect.left, paperRect.top, SRCCOPY);
}

void ShowCanvasRect(HDC dc, const RECT& paperRect) {
  const RECT bitmapRect{0, 0, kCanvasWidth, kCanvasHeight};
  RECT shown;
  if (!IntersectRect(&shown, &paperRect, &bitmapRect)) return;
  const ScreenLayout& app = Screen();
  CopyCanvasRect(dc, POINT{app.paperOriginX + shown.left, app.paperOriginY + shown.top}, shown);
}

void ShowCanvasRect(HWND window, const RECT& paperRect) {
  if (!canvasBitmap) return;
  WindowDcWithPalette dc(window);
  ShowCanvasRect(dc, paperRect);
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
  WindowDcWithPalette dc(window);
  const int width = right - left + 1, rows = bottom - top + 1;
  OutputDIB2BMP(dc, reinterpret_cast<const BITMAPINFOHEADER*>(block), block + kBitmapHeaderSize, left,
                top, width, rows, canvasBitmap, canvas.height, canvas.stride);
  ShowCanvasRect(dc, RECT{left, top, right + 1, bottom + 1});
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
  ShowCanvasRect(dc, RECT{0, 0, app.paperWidth, app.paperHeight});
}

// The shown paper, as a place to point at rather than a button.
int Targets(AreaTarget* out, int capacity) {
  int n = 0;
  AddTarget(out, capacity, &n, ShownPaperRect(), "paper", TargetUse::kPoint);
  return n;
}

}  // namespace

const ScreenArea kCanvasArea = {"canvas", Uncovered, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                PaintCanvas, nullptr, false, Targets, ShownPaperRect, true};

void TakeCanvasUndo() { TakeUndoSnapshot(&canvas); }

namespace {

// The whole screen composed again: cartoons on the paper stay on top of the restored picture.
void ShowRestoredCanvas(HWND window) {
  RefreshCanvasBitmap(window);
  DamageWholeScreen(window);
  UpdateWindow(window);
}

}  // namespace

void UndoCommand(HWND window) {
  UndoCanvas(&canvas);
  ShowRestoredCanvas(window);
}

void RedoCommand(HWND window) {
  if (RedoCanvas(&canvas)) ShowRestoredCanvas(window);
}

bool UndoStepsKept() { return canvas.undoSteps > 1; }

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
