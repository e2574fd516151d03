// Pictures placed on the canvas: the clip-art picture with its mask and their screen bitmaps,
// the drag preview that follows the mouse (stickers and cartoons), the sticker's drop and the
// cartoon placement's release.
#pragma once
#include <windows.h>

#include "colvane/canvas/aux_pictures.h"
#include "colvane/canvas/paint_session.h"

// Replaces the clip art by a picture and its mask (white opaque, black transparent), both kept
// as 24-bit pixels and as screen bitmaps; the picture bitmap is made white wherever the mask
// is black. 0, with no clip art left, when either file cannot be read.
int LoadClipArtPicture(HWND window, const char* picturePath, const char* maskPath);
void FreeClipArtPicture();
// The clip art in hand (empty blocks when none).
const ClipArtPictures& CurrentClipArt();

// A sticker picked in the library: the undo snapshot, the picture <stem>.BMP with its mask
// <stem>A.BMP, and drawing mode 16 (set also when the files cannot be read). 1 when loaded.
int PickUpSticker(HWND window, const char* stem);

// Draws the dragged picture into the work bitmap with its top-left at (x, y).
using DrawDragged = void (*)(HDC work, int x, int y, void* context);
// The drag preview of a w x h picture moved from `last` to `at` (paper points): the canvas
// bitmap under both positions with the picture drawn over it, cut to the visible canvas. The
// canvas image does not change.
void ShowDragPreview(HWND window, POINT at, POINT last, int w, int h, DrawDragged draw, void* context);

// Drag in modes 16 (sticker) and 17 (cartoon): previews the picture at the point.
bool PlacementDrag(HWND window, PaintSession& s, POINT paper);
// Release in mode 16: drops the sticker centred on the point when the point may be painted,
// else keeps it in hand; 1 when it dropped.
bool StickerRelease(HWND window, PaintSession& s, POINT paper);
// Release in mode 17: the cartoon is placed at the point or, off the canvas, discarded.
bool CartoonRelease(HWND window, PaintSession& s, POINT paper);

// What the cartoons add to the canvas tools: the preview of a cartoon dragged in mode 17 (paper
// points, last: where it was shown), the end of that drag (placed or discarded), and the soft
// eraser wiping away a running cartoon it touches (true when one went). Null members do nothing.
struct CartoonHooks {
  void (*dragPreview)(HWND window, POINT at, POINT last) = nullptr;
  void (*dragEnd)(HWND window, POINT at, bool place) = nullptr;
  bool (*eraseAt)(HWND window, POINT paper) = nullptr;
};
void SetCartoonHooks(const CartoonHooks& hooks);
const CartoonHooks& CurrentCartoonHooks();
