// The clip-art picture on the screen: its bitmaps, the drag preview, the drop, and the drag and
// release of a cartoon being placed.
#include "colvane/canvas/clip_art_win.h"

#include <cstring>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/placement.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/canvas/stroke_engine_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/screen_bitmap_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/ids.h"

namespace {

constexpr POINT kNoDragPosition{-9999, -9999};

ClipArtPictures clipArt;           // pixels of the picture and its mask
HBITMAP pictureBitmap = nullptr;   // owned here: white where the mask is black
HBITMAP maskBitmap = nullptr;      // owned here
CartoonHooks cartoonHooks;         // set by the cartoons' module
int clipWidth = 0, clipHeight = 0;
POINT lastDrag = kNoDragPosition;  // where the dragged picture was last shown

HBITMAP ScreenBitmapOf(HDC dc, const Block& block) {
  const PixelView v = Picture24View(block);
  HBITMAP bitmap = CreateScreenBitmap(dc, v.width, v.height);
  if (bitmap)
    SetDIBits(dc, bitmap, 0, v.height, block.Data() + kBitmapHeaderSize,
              reinterpret_cast<const BITMAPINFO*>(block.Data()), DIB_RGB_COLORS);
  return bitmap;
}

// The sticker over the canvas: OR with the mask whitens its opaque part, AND with the picture
// then shows the picture there and leaves the canvas where the picture bitmap is white.
void DrawClipArt(HDC work, int x, int y, void*) {
  MemoryDc source(work);
  SelectedObject held(source, maskBitmap);
  BitBlt(work, x, y, clipWidth, clipHeight, source, 0, 0, SRCPAINT);
  SelectObject(source, pictureBitmap);
  BitBlt(work, x, y, clipWidth, clipHeight, source, 0, 0, SRCAND);
}

}  // namespace

int LoadClipArtPicture(HWND window, const char* picturePath, const char* maskPath) {
  FreeClipArtPicture();
  if (!LoadClipArtFiles(&clipArt, picturePath, maskPath)) return 0;
  const PixelView v = Picture24View(clipArt.picture);
  HDC dc = GetDC(window);
  pictureBitmap = ScreenBitmapOf(dc, clipArt.picture);
  maskBitmap = ScreenBitmapOf(dc, clipArt.mask);
  if (pictureBitmap && maskBitmap) {
    MemoryDc picture(dc), mask(dc);
    SelectedObject pictureArt(picture, pictureBitmap), maskArt(mask, maskBitmap);
    BitBlt(picture, 0, 0, v.width, v.height, mask, 0, 0, MERGEPAINT);  // picture = NOT mask OR picture
  }
  ReleaseDC(window, dc);
  if (!pictureBitmap || !maskBitmap) {
    FreeClipArtPicture();
    return 0;
  }
  clipWidth = v.width;
  clipHeight = v.height;
  return 1;
}

void FreeClipArtPicture() {
  FreeClipArtPictures(&clipArt);
  if (pictureBitmap) DeleteObject(pictureBitmap);
  if (maskBitmap) DeleteObject(maskBitmap);
  pictureBitmap = maskBitmap = nullptr;
  clipWidth = clipHeight = 0;
}

const ClipArtPictures& CurrentClipArt() { return clipArt; }

int PickUpSticker(HWND window, const char* stem) {
  char picture[MAX_PATH], mask[MAX_PATH];
  const size_t n = std::strlen(stem);
  TakeCanvasUndo();
  ChooseDrawingMode(&Session(), kModeSticker);
  lastDrag = kNoDragPosition;
  if (n + sizeof("A.BMP") > sizeof(picture)) {
    FreeClipArtPicture();
    return 0;
  }
  wsprintfA(picture, "%s.BMP", stem);
  wsprintfA(mask, "%sA.BMP", stem);
  return LoadClipArtPicture(window, picture, mask);
}

void ShowDragPreview(HWND window, POINT at, POINT last, int w, int h, DrawDragged draw, void* context) {
  const ScreenLayout& app = Screen();
  const DragPreview plan = PlanDragPreview(CanvasPoint{at.x, at.y}, CanvasPoint{last.x, last.y}, w, h,
                                           app.paperWidth, app.paperHeight);
  HBITMAP canvasBitmap = CanvasBitmap();
  if (!plan.shown || !canvasBitmap || w <= 0 || h <= 0) return;
  const int workWidth = plan.work.right - plan.work.left, workHeight = plan.work.bottom - plan.work.top;
  const int targetWidth = plan.target.right - plan.target.left;
  const int targetHeight = plan.target.bottom - plan.target.top;
  if (targetWidth <= 0 || targetHeight <= 0) return;
  HDC dc = GetDC(window);
  HBITMAP workBitmap = nullptr;
  {
    MemoryDc work(dc);
    workBitmap = CreateScreenBitmap(dc, workWidth, workHeight);
    if (work && workBitmap) {
      SelectedObject workArt(work, workBitmap);
      // The canvas under both positions: this also takes the picture away from where it was.
      const RECT under{plan.work.left, plan.work.top, plan.work.right, plan.work.bottom};
      CopyCanvasRect(work, POINT{0, 0}, under);
      draw(work, plan.picture.x, plan.picture.y, context);
      BitBlt(dc, app.paperOriginX + plan.target.left, app.paperOriginY + plan.target.top, targetWidth,
             targetHeight, work, plan.source.x, plan.source.y, SRCCOPY);
    }
  }
  if (workBitmap) DeleteObject(workBitmap);
  ReleaseDC(window, dc);
}

bool PlacementDrag(HWND window, PaintSession& s, POINT paper) {
  if (lastDrag.x == kNoDragPosition.x && lastDrag.y == kNoDragPosition.y) lastDrag = paper;
  const bool sticker = s.choice.drawingMode == kModeSticker;
  const bool shown = !sticker || pictureBitmap;
  if (!sticker) {
    if (cartoonHooks.dragPreview) cartoonHooks.dragPreview(window, paper, lastDrag);
  }
  else if (pictureBitmap)
    ShowDragPreview(window, paper, lastDrag, clipWidth, clipHeight, DrawClipArt, nullptr);
  lastDrag = paper;
  return shown;
}

bool StickerRelease(HWND window, PaintSession& s, POINT paper) {
  if (!s.clip.Contains(paper.x, paper.y)) return false;  // the sticker stays in hand
  MarkPictureChanged(&s.canvas);
  TakeCanvasUndo();
  PixelView view = CanvasView(s.canvas);
  FlushChangedRect(window, DropClipArt(&view, s.clip, Picture24View(clipArt.picture),
                                       Picture24View(clipArt.mask), CanvasPoint{paper.x, paper.y}));
  FreeClipArtPicture();
  HoldCursor(false);  // the sticker is down: the cursor follows the pointer again
  lastDrag = kNoDragPosition;
  return true;
}

bool CartoonRelease(HWND window, PaintSession& s, POINT paper) {
  const bool place = s.clip.Contains(paper.x, paper.y);
  if (place) MarkPictureChanged(&s.canvas);
  if (cartoonHooks.dragEnd) cartoonHooks.dragEnd(window, paper, place);
  lastDrag = kNoDragPosition;
  return true;
}

void SetCartoonHooks(const CartoonHooks& hooks) { cartoonHooks = hooks; }
const CartoonHooks& CurrentCartoonHooks() { return cartoonHooks; }
