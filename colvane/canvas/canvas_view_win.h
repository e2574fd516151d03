// The canvas on the screen: the one painting session (canvas image, undo, clip, tools, colours,
// tool choice) and the canvas bitmap that mirrors the image on the screen. This is the only place
// that flushes rows, takes undo and repaints the canvas.
#pragma once
#include <windows.h>

#include "colvane/canvas/canvas_image.h"
#include "colvane/canvas/changed_rect.h"
#include "colvane/canvas/paint_session.h"
#include "colvane/frame/screen_area_win.h"

// The painting session (owned here).
PaintSession& Session();
// The canvas bitmap (owned here: created at start-up, deleted by FreeCanvas), or null.
HBITMAP CanvasBitmap();

// Opens a picture file into the canvas (a missing or unreadable file gives the blank page) and
// refreshes the canvas bitmap.
PictureOpenResult OpenCanvasPicture(HWND window, const char* path);

// Start-up: the stroke size, the shown paper, the canvas bitmap and the picture being worked on.
// The blank page stands in for a start picture that is missing or cannot be read; its name is
// kept, so nothing is written over that file until there is something painted to keep.
PictureOpenResult PrepareCanvas(HWND window, const char* startPicture = nullptr);
// Frees the canvas bitmap and the session's pictures; harmless twice.
void FreeCanvas(HWND window);
// The canvas's screen-area row: it paints the shown canvas into the composition DC. Not shown
// while the file box covers the desk, when the routers offer it no presses and moves either.
extern const ScreenArea kCanvasArea;
// What a gesture changed reaches the screen: its rows, or the whole canvas.
void ShowGestureResult(HWND window, const GestureResult& result);

// Copies the whole canvas image into the canvas bitmap.
void RefreshCanvasBitmap(HWND window);
// Refreshes the whole canvas bitmap and shows the visible canvas in the window.
void ShowWholeCanvas(HWND window);
// The part of the canvas image that is shown (paperWidth x paperHeight from the top-left).
PixelView VisibleCanvasView();
// The undo snapshot's pixels (empty view when there is none).
PixelView UndoSnapshotView();
// Copies paperRect of the canvas bitmap (canvas pixels, right and bottom exclusive) into dc with
// its corner at `at`, as it is: a rectangle reaching past the bitmap copies what GDI gives there.
void CopyCanvasRect(HDC dc, POINT at, const RECT& paperRect);
// Shows paperRect of the canvas bitmap, cut to the bitmap, at its place on the screen: through the
// window's DC `dc` as the caller prepared it, or through a DC of `window` with the palette realised.
void ShowCanvasRect(HDC dc, const RECT& paperRect);
void ShowCanvasRect(HWND window, const RECT& paperRect);
// Pushes canvas rows top..bottom into the canvas bitmap and shows columns left..right of them
// in the window (inclusive canvas pixels, cut to the visible canvas).
void FlushCanvasRect(HWND window, int left, int top, int right, int bottom);
void FlushChangedRect(HWND window, const ChangedRect& rect);

// A change begins: the undo snapshot (and the picture-modified flag).
void TakeCanvasUndo();
// Command 4003: show the snapshot, or the painted picture again; with more steps kept, one
// change back.
void UndoCommand(HWND window);
// One change forward again, when undo keeps more than one step.
void RedoCommand(HWND window);
// Undo keeps more than one step: there is a way forward, and the undo keys work.
bool UndoStepsKept();
