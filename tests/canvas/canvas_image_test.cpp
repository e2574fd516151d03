// Canvas image: blank page, pixel addressing, the undo/redo toggle and the modified flag, and the
// auxiliary pictures.
#include "colvane/canvas/canvas_image.h"

#include <gtest/gtest.h>

#include "colvane/canvas/aux_pictures.h"
#include "tests/canvas/paint_test_support.h"

namespace {

void Paint(CanvasImage* canvas, int x, int y, uint32_t colour) {
  uint8_t* p = CanvasView(*canvas).At(x, y);
  p[0] = BlueOf(colour);
  p[1] = GreenOf(colour);
  p[2] = RedOf(colour);
}

TEST(CanvasImage, MissingFileGivesCleanWhitePage) {
  CanvasImage canvas;
  canvas.pictureModified = 1;
  ASSERT_EQ(1, OpenPicture(&canvas, "/nonexistent/colvane/picture.sam"));
  EXPECT_EQ(0, canvas.pictureModified);
  PixelView v = CanvasView(canvas);
  EXPECT_EQ(640, v.width);
  EXPECT_EQ(480, v.height);
  EXPECT_EQ(1920, v.stride);
  const uint8_t* h = canvas.canvasImage.Data();
  EXPECT_EQ(40u, ReadLe32(h));
  EXPECT_EQ(1u, ReadLe16(h + 12));
  EXPECT_EQ(24u, ReadLe16(h + 14));
  EXPECT_EQ(921600u, ReadLe32(h + 20));
  for (size_t i = 40; i < canvas.canvasImage.size; ++i) ASSERT_EQ(0xFF, canvas.canvasImage.Data()[i]) << i;
}

TEST(CanvasImage, TopLeftPixelIsTheLastStoredRow) {
  CanvasImage canvas;
  ASSERT_EQ(1, OpenPictureBytes(&canvas, nullptr, 0));
  Paint(&canvas, 0, 0, 0x0000FF);
  // Row 0 of the picture lies in stored row 479, and its bytes are blue, green, red.
  const uint8_t* stored = canvas.canvasImage.Data() + 40 + 479 * 1920;
  EXPECT_EQ(0x00, stored[0]);
  EXPECT_EQ(0x00, stored[1]);
  EXPECT_EQ(0xFF, stored[2]);
  EXPECT_EQ(0x0000FFu, ReadCanvasPixel(canvas, 0, 0));
  EXPECT_EQ(0u, ReadCanvasPixel(canvas, -1, 0));
  EXPECT_EQ(0u, ReadCanvasPixel(canvas, 0, 480));
}

TEST(CanvasImage, UndoRedoToggle) {
  CanvasImage canvas;
  ASSERT_EQ(1, OpenPictureBytes(&canvas, nullptr, 0));

  // Undo right after opening restores the opened picture.
  Paint(&canvas, 5, 5, 0x000000);
  UndoCanvas(&canvas);
  EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(canvas, 5, 5));

  // A change: the snapshot is taken when it begins.
  TakeUndoSnapshot(&canvas);
  EXPECT_EQ(1, canvas.pictureModified);
  EXPECT_EQ(0, canvas.undoShown);
  Paint(&canvas, 1, 1, 0x123456);

  UndoCanvas(&canvas);  // undo
  EXPECT_EQ(1, canvas.undoShown);
  EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(canvas, 1, 1));
  UndoCanvas(&canvas);  // redo
  EXPECT_EQ(0, canvas.undoShown);
  EXPECT_EQ(0x123456u, ReadCanvasPixel(canvas, 1, 1));
  UndoCanvas(&canvas);  // undo again
  EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(canvas, 1, 1));

  // A change after an undo: the next undo restores the picture before that change, and the
  // undone stroke is gone for good.
  TakeUndoSnapshot(&canvas);
  Paint(&canvas, 2, 2, 0x00FF00);
  UndoCanvas(&canvas);
  EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(canvas, 2, 2));
  EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(canvas, 1, 1));
  UndoCanvas(&canvas);
  EXPECT_EQ(0x00FF00u, ReadCanvasPixel(canvas, 2, 2));
  EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(canvas, 1, 1));

  // Opening a picture drops both snapshots; undo restores the opened picture again.
  ASSERT_EQ(1, OpenPictureBytes(&canvas, nullptr, 0));
  EXPECT_TRUE(canvas.redoSnapshot.Empty());
  Paint(&canvas, 3, 3, 0);
  UndoCanvas(&canvas);
  EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(canvas, 3, 3));
}

TEST(CanvasImage, UndoWithoutSnapshotsOnlyToggles) {
  CanvasImage canvas;
  ASSERT_EQ(1, MakeBlankPage(&canvas));
  Paint(&canvas, 0, 0, 0);
  UndoCanvas(&canvas);  // no undo snapshot: nothing restored, the change is kept as redo
  EXPECT_EQ(0u, ReadCanvasPixel(canvas, 0, 0));
  ReleaseCanvasImage(&canvas);
  UndoCanvas(&canvas);  // no canvas at all: nothing happens
  EXPECT_TRUE(canvas.canvasImage.Empty());
}

TEST(AuxPictures, AreaAndClipArtAreKeptAt24Bits) {
  // A 2 x 1 8-bit picture: the tools read it as 24 bits.
  std::vector<uint8_t> bmp = {'B', 'M'};
  Put32(&bmp, 0);
  Put32(&bmp, 0);
  Put32(&bmp, 14 + 40 + 8);
  Put32(&bmp, 40);
  Put32(&bmp, 2);
  Put32(&bmp, 1);
  Put16(&bmp, 1);
  Put16(&bmp, 8);
  for (int i = 0; i < 4; ++i) Put32(&bmp, 0);
  Put32(&bmp, 2);
  Put32(&bmp, 0);
  Put32(&bmp, 0x00332211);  // entry 0: blue 0x11, green 0x22, red 0x33
  Put32(&bmp, 0x00000000);
  bmp.insert(bmp.end(), {1, 0, 0, 0});

  AreaPicture area;
  ASSERT_EQ(1, LoadAreaPicture(&area, bmp.data(), bmp.size()));
  EXPECT_EQ(2, area.view.width);
  const uint8_t* p = area.view.At(1, 0);
  EXPECT_EQ(0x11, p[0]);
  EXPECT_EQ(0x22, p[1]);
  EXPECT_EQ(0x33, p[2]);
  EXPECT_EQ(0, LoadAreaPicture(&area, bmp.data(), 20));
  EXPECT_EQ(nullptr, area.view.bits);

  ClipArtPictures clip;
  ASSERT_EQ(1, LoadClipArtPictures(&clip, bmp.data(), bmp.size(), bmp.data(), bmp.size()));
  EXPECT_EQ(2, Picture24View(clip.mask).width);
  EXPECT_EQ(0, LoadClipArtPictures(&clip, bmp.data(), bmp.size(), bmp.data(), 10));
  EXPECT_TRUE(clip.picture.Empty());
  EXPECT_TRUE(clip.mask.Empty());
}

}  // namespace
