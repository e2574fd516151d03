// Canvas image, blank page, snapshots and the undo toggle.
#include "colvane/canvas/canvas_image.h"

#include <cstring>

#include "colvane/canvas/picture_reader.h"

namespace {

// Size of the pixel part of a canvas-shaped block (biSizeImage), 0 when the block is not one.
size_t PixelBytes(const Block& block) {
  if (block.size < kBitmapHeaderSize) return 0;
  uint32_t sizeImage = ReadLe32(block.Data() + 20);
  if (sizeImage > block.size - kBitmapHeaderSize) return 0;
  return sizeImage;
}

// Copies the pixels of `from` over the pixels of `to`, both blocks of the canvas's shape.
void CopyPixels(const Block& from, Block* to) {
  size_t n = PixelBytes(*to);
  if (n == 0 || from.size != to->size) return;
  std::memcpy(to->Data() + kBitmapHeaderSize, from.Data() + kBitmapHeaderSize, n);
}

void TakeHeightAndStride(CanvasImage* canvas) {
  PixelView v = Picture24View(canvas->canvasImage);
  canvas->height = v.height;
  canvas->stride = v.bits ? v.stride : kCanvasStride;
}

}  // namespace

int MakeBlankPage(CanvasImage* canvas) {
  if (!AllocatePicture24(&canvas->canvasImage, kCanvasWidth, kCanvasHeight)) return 0;
  std::memset(canvas->canvasImage.Data() + kBitmapHeaderSize, 0xFF, PixelBytes(canvas->canvasImage));
  TakeHeightAndStride(canvas);
  return 1;
}

// Steps shared by both opens: a converted picture when one was read, else the blank page.
static PictureOpenResult InstallPicture(CanvasImage* canvas, PackedPicture* picture,
                                        PictureOpenResult blankBecause) {
  canvas->stride = kCanvasStride;
  FreeBlock(&canvas->canvasImage);
  FreeBlock(&canvas->undoSnapshot);
  FreeBlock(&canvas->redoSnapshot);
  ClearUndoHistory(&canvas->history);
  int loaded = !picture->block.Empty() &&
               ConvertPicture24(*picture, kCanvasWidth, kCanvasHeight, &canvas->canvasImage);
  FreeBlock(&picture->block);
  if (!loaded && !MakeBlankPage(canvas)) {
    canvas->height = 0;
    return kPictureNoCanvas;
  }
  TakeHeightAndStride(canvas);
  // An undo before the first stroke restores the opened picture; without memory for the snapshot
  // undo only repaints.
  CopyBlock(canvas->canvasImage, &canvas->undoSnapshot);
  canvas->undoShown = false;
  MarkPictureKept(canvas);
  return loaded ? kPictureOpened : blankBecause;
}

PictureOpenResult OpenPictureBytes(CanvasImage* canvas, const uint8_t* data, size_t size) {
  PackedPicture picture;
  ReadPicture(data, size, &picture);
  return InstallPicture(canvas, &picture, data ? kPictureUnreadable : kPictureMissing);
}

PictureOpenResult OpenPicture(CanvasImage* canvas, const char* path) {
  PackedPicture picture;
  int opened = 0;
  ReadPictureFile(path, &picture, &opened);
  return InstallPicture(canvas, &picture, opened ? kPictureUnreadable : kPictureMissing);
}

PixelView CanvasView(const CanvasImage& canvas) { return Picture24View(canvas.canvasImage); }

uint32_t ReadCanvasPixel(const CanvasImage& canvas, int x, int y) {
  PixelView v = CanvasView(canvas);
  if (!v.bits || !v.Inside(x, y)) return 0;
  const uint8_t* p = v.At(x, y);
  return MakeColour(p[2], p[1], p[0]);
}

void TakeUndoSnapshot(CanvasImage* canvas) {
  canvas->undoShown = false;
  MarkPictureChanged(canvas);
  if (canvas->canvasImage.Empty()) return;
  if (canvas->undoSnapshot.size != canvas->canvasImage.size) {
    ClearUndoHistory(&canvas->history);  // without a base the last change cannot be told
    CopyBlock(canvas->canvasImage, &canvas->undoSnapshot);
  } else if (canvas->undoSteps > 1) {
    // The change that ended becomes a step; the snapshot catches up with the picture.
    CloseUndoStep(&canvas->history, Picture24View(canvas->undoSnapshot), CanvasView(*canvas));
  } else {
    CopyPixels(canvas->canvasImage, &canvas->undoSnapshot);
  }
}

bool RedoCanvas(CanvasImage* canvas) {
  if (canvas->undoSteps <= 1) return false;
  if (StepForward(&canvas->history, Picture24View(canvas->undoSnapshot), CanvasView(*canvas)).Empty())
    return false;
  MarkPictureChanged(canvas);
  return true;
}

void SetUndoStepLimit(CanvasImage* canvas, int steps) {
  SetUndoHistoryLimit(&canvas->history, steps);
  canvas->undoSteps = canvas->history.limit;
  canvas->undoShown = false;
}

void UndoCanvas(CanvasImage* canvas) {
  if (canvas->undoSteps > 1) {
    if (!StepBack(&canvas->history, Picture24View(canvas->undoSnapshot), CanvasView(*canvas)).Empty())
      MarkPictureChanged(canvas);
    return;
  }
  if (canvas->undoShown) {
    canvas->undoShown = false;
    MarkPictureChanged(canvas);
    if (!canvas->redoSnapshot.Empty()) CopyPixels(canvas->redoSnapshot, &canvas->canvasImage);
    return;
  }
  canvas->undoShown = true;
  // Undo changes the picture, so it must be saved again.
  MarkPictureChanged(canvas);
  if (!canvas->canvasImage.Empty()) {
    if (canvas->redoSnapshot.size != canvas->canvasImage.size)
      CopyBlock(canvas->canvasImage, &canvas->redoSnapshot);
    else
      CopyPixels(canvas->canvasImage, &canvas->redoSnapshot);
  }
  if (!canvas->undoSnapshot.Empty()) CopyPixels(canvas->undoSnapshot, &canvas->canvasImage);
}

void ReleaseCanvasImage(CanvasImage* canvas) {
  FreeBlock(&canvas->canvasImage);
  FreeBlock(&canvas->undoSnapshot);
  FreeBlock(&canvas->redoSnapshot);
  ClearUndoHistory(&canvas->history);
  canvas->height = 0;
  canvas->undoShown = false;
}
