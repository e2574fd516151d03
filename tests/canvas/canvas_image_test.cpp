// Canvas image: blank page, pixel addressing, the undo/redo toggle, and the auxiliary pictures.
#include "colvane/canvas/canvas_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "colvane/canvas/aux_pictures.h"
#include "tests/canvas/paint_test_support.h"

namespace {

void Paint(CanvasImage* canvas, int x, int y, uint32_t c) {
  uint8_t* p = CanvasView(*canvas).At(x, y);
  p[0] = BlueOf(c), p[1] = GreenOf(c), p[2] = RedOf(c);
}

TEST(CanvasImage, MissingFileGivesACleanWhitePage) {
  CanvasImage canvas;
  canvas.pictureModified = 1;
  ASSERT_EQ(kPictureMissing, OpenPicture(&canvas, "/nonexistent/colvane/picture.sam"));
  EXPECT_EQ(0, canvas.pictureModified);
  const uint8_t* h = canvas.canvasImage.Data();
  EXPECT_EQ(640u, ReadLe32(h + 4));
  EXPECT_EQ(480u, ReadLe32(h + 8));
  EXPECT_EQ(921600u, ReadLe32(h + 20));
  for (size_t i = 40; i < canvas.canvasImage.size; ++i) ASSERT_EQ(0xFF, h[i]) << i;

  // Row 0 of the picture is the last stored row; its bytes are blue, green, red.
  Paint(&canvas, 0, 0, 0x0000FF);
  EXPECT_EQ(0xFF, h[40 + 479 * 1920 + 2]);
  EXPECT_EQ(0x0000FFu, ReadCanvasPixel(canvas, 0, 0));
}

// Files on disk that exist but hold no picture the reader takes give the blank page too, and say
// so, apart from a picture that is simply not there yet.
TEST(CanvasImage, UnreadableFilesAreToldApartFromMissingOnes) {
  BmpSpec s;
  s.width = 4;
  s.height = 4;
  s.bits = 8;
  s.table.assign(256, 0x00FF00);
  s.pixel = [](int, int) { return 1u; };
  std::vector<uint8_t> rle8 = MakeBmp(s);
  rle8[30] = 1;  // BI_RLE8
  std::vector<uint8_t> brokenHeader = MakeBmp(s);
  brokenHeader[14] = 66;
  const std::pair<const char*, std::vector<uint8_t>> files[] = {
      {"rle8", rle8}, {"broken header", brokenHeader}, {"empty", {}}, {"text", {'h', 'i', '\n'}}};
  for (const auto& [what, bytes] : files) {
    const std::string path = testing::TempDir() + "colvane_unreadable.sam";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, f);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    CanvasImage canvas;
    EXPECT_EQ(kPictureUnreadable, OpenPicture(&canvas, path.c_str())) << what;
    EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(canvas, 0, 0)) << what;
    EXPECT_EQ(0, canvas.pictureModified) << what;
    std::remove(path.c_str());
  }
  CanvasImage canvas;
  EXPECT_EQ(kPictureMissing, OpenPicture(&canvas, nullptr));
  EXPECT_EQ(kPictureUnreadable, OpenPictureBytes(&canvas, rle8.data(), rle8.size()));
}

TEST(CanvasImage, UndoRedoToggle) {
  CanvasImage canvas;
  ASSERT_EQ(kPictureMissing, OpenPictureBytes(&canvas, nullptr, 0));
  Paint(&canvas, 5, 5, 0);
  UndoCanvas(&canvas);  // right after opening: back to the opened picture
  EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(canvas, 5, 5));

  TakeUndoSnapshot(&canvas);
  EXPECT_EQ(1, canvas.pictureModified);
  Paint(&canvas, 1, 1, 0x123456);
  const uint32_t sequence[] = {0xFFFFFF, 0x123456, 0xFFFFFF};  // undo, redo, undo
  for (uint32_t expect : sequence) {
    UndoCanvas(&canvas);
    EXPECT_EQ(expect, ReadCanvasPixel(canvas, 1, 1));
  }
  EXPECT_EQ(1, canvas.undoShown);

  // A change after an undo: the undone stroke is gone for good.
  TakeUndoSnapshot(&canvas);
  Paint(&canvas, 2, 2, 0x00FF00);
  UndoCanvas(&canvas);
  EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(canvas, 2, 2));
  UndoCanvas(&canvas);
  EXPECT_EQ(0x00FF00u, ReadCanvasPixel(canvas, 2, 2));
  EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(canvas, 1, 1));
}

TEST(AuxPictures, KeptAt24BitsWhateverTheFile) {
  BmpSpec s;
  s.width = 2;
  s.height = 1;
  s.bits = 8;
  s.table = {MakeColour(0x33, 0x22, 0x11), 0};
  s.pixel = [](int x, int) { return x == 1 ? 0u : 1u; };
  std::vector<uint8_t> bmp = MakeBmp(s);
  AreaPicture area;
  ASSERT_EQ(1, LoadAreaPicture(&area, bmp.data(), bmp.size()));
  const uint8_t* p = area.view.At(1, 0);
  EXPECT_EQ(0x11, p[0]);
  EXPECT_EQ(0x33, p[2]);
  EXPECT_EQ(0, LoadAreaPicture(&area, bmp.data(), 20));
  EXPECT_EQ(nullptr, area.view.bits);

  ClipArtPictures clip;  // a picture whose mask is unreadable leaves no clip art
  EXPECT_EQ(0, LoadClipArtPictures(&clip, bmp.data(), bmp.size(), bmp.data(), 10));
  EXPECT_TRUE(clip.picture.Empty());
}

}  // namespace
