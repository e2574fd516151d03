// The canvas image: the 640 x 480 24-bit picture every tool paints on, its undo (the one-step
// toggle, or more steps when a grown-up allows them) and the picture-modified flag.
#pragma once
#include <cstddef>
#include <cstdint>

#include "colvane/canvas/picture_block.h"
#include "colvane/canvas/pixel_view.h"
#include "colvane/canvas/undo_history.h"

constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 480;
constexpr int kCanvasStride = 1920;

struct CanvasImage {
  Block canvasImage;   // packed bitmap: 40-byte header, then stride x height pixel bytes
  Block undoSnapshot;  // full copies of canvasImage; empty = absent. The picture before the change
  Block redoSnapshot;  // under way, which the text and the effects blend from at any step count
  bool undoShown = false;        // the last thing that happened was an undo (one step only)
  int undoSteps = 1;             // 1: the toggle; more: the steps of `history`
  UndoHistory history;
  bool pictureModified = false;  // set by every change, cleared by load and save
  int height = 0;           // rows of the loaded picture (biHeight)
  int stride = kCanvasStride;
};

// What an open put on the canvas. Every result but kPictureNoCanvas leaves a canvas.
enum PictureOpenResult {
  kPictureNoCanvas = 0,    // not even the blank page could be allocated
  kPictureOpened = 1,      // the picture
  kPictureMissing = 2,     // no picture to read (no file, no bytes): the blank page
  kPictureUnreadable = 3,  // a file or bytes the reader does not take, or a file that is there but
                           // could not be opened: the blank page
};

// Replaces the canvas with the picture in `data` (a bitmap file's bytes; null or unreadable
// gives the blank white page), frees both snapshots and takes a fresh undo snapshot of the new
// picture. Pictures of another size or depth are converted: placed at the top-left corner of a
// white page and cut to it.
PictureOpenResult OpenPictureBytes(CanvasImage* canvas, const uint8_t* data, size_t size);
// The same for a file on disk (a null path: no file).
PictureOpenResult OpenPicture(CanvasImage* canvas, const char* path);
// Makes the canvas a blank white page (no snapshot change). 0 on no memory.
int MakeBlankPage(CanvasImage* canvas);

// The pixels as a view (empty when there is no canvas).
PixelView CanvasView(const CanvasImage& canvas);
// The pixel at (x, y), y from the top, as a COLORREF; 0 outside the canvas.
uint32_t ReadCanvasPixel(const CanvasImage& canvas, int x, int y);

// A change begins: clears the undo toggle, sets the modified flag and copies the pixels into the
// undo snapshot (created whole when absent).
void TakeUndoSnapshot(CanvasImage* canvas);
// The undo command. At one step: the first undo after a change restores the undo snapshot and
// keeps the changed picture as redo; the next restores the redo snapshot; and so on. At more:
// one change back, nothing once at the oldest step kept. The caller then refreshes the whole
// screen copy of the canvas.
void UndoCanvas(CanvasImage* canvas);
// One change forward again (more steps only); false when there was none to redo.
bool RedoCanvas(CanvasImage* canvas);
// How many changes undo can walk back, cut to 1..kMaxUndoSteps (1 is the toggle). The steps kept
// so far go.
void SetUndoStepLimit(CanvasImage* canvas, int steps);

// The only writers of the modified flag besides open, undo and the stroke targets: the picture
// changed and must be kept, or it was kept.
inline void MarkPictureChanged(CanvasImage* canvas) { canvas->pictureModified = true; }
inline void MarkPictureKept(CanvasImage* canvas) { canvas->pictureModified = false; }

// Frees the canvas and both snapshots.
void ReleaseCanvasImage(CanvasImage* canvas);
