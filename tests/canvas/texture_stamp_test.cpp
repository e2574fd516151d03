// Paper texture and magic-stamp files, and laying the stamp with its alpha and frame cycle.
#include "colvane/canvas/magic_stamp.h"

#include <gtest/gtest.h>

#include "colvane/canvas/texture_files.h"
#include "tests/canvas/paint_test_support.h"

namespace {

// A stamp file of `frames` frames, each one colour (red = frame number) at the given alpha.
std::vector<uint8_t> StampFile(int frames, uint8_t alpha, uint8_t red = 0, uint8_t green = 0, uint8_t blue = 0) {
  std::vector<uint8_t> file;
  for (int f = 0; f < frames; ++f)
    for (int i = 0; i < 128 * 128; ++i) file.insert(file.end(), {static_cast<uint8_t>(red + f), green, blue, alpha});
  return file;
}

TEST(TextureFiles, ShortFilesSwitchTheTextureOff) {
  StrokeTexture texture;
  std::vector<uint8_t> grain(4097, 7);
  ASSERT_EQ(1, LoadTextureBytes(&texture, grain.data(), 4097));
  EXPECT_EQ(1, texture.on);
  EXPECT_EQ(7, texture.grain[4095]);
  for (size_t size : {0, 4095}) {
    StrokeTexture t = texture;
    EXPECT_EQ(0, LoadTextureBytes(&t, grain.data(), size));
    EXPECT_EQ(0, t.on);
    EXPECT_EQ(255, t.grain[0]);
  }
  // Texture 0 is no file; a missing file switches the grain off too.
  LoadPaperTexture(&texture, "/nonexistent", 3);
  EXPECT_EQ(0, texture.on);
  LoadTextureBytes(&texture, grain.data(), 4096);
  LoadPaperTexture(&texture, "/nonexistent", 0);
  EXPECT_EQ(0, texture.on);
}

TEST(TextureFiles, DataFilePaths) {
  EXPECT_EQ("C:\\Colvane\\data\\p3.dat", DataFilePath("C:\\Colvane", "p3.dat"));
  EXPECT_EQ("C:\\Colvane\\data\\pat1.dat", DataFilePath("C:\\Colvane\\", "pat1.dat"));
}

TEST(MagicStamp, FrameCountComesFromWholeFrames) {
  MagicStamp stamp;
  std::vector<uint8_t> file = StampFile(2, 255);
  EXPECT_EQ(0, LoadStampBytes(&stamp, file.data(), 0));
  EXPECT_EQ(0, LoadStampBytes(&stamp, file.data(), 65535));
  EXPECT_EQ(0, stamp.frameCount);
  EXPECT_EQ(1, LoadStampBytes(&stamp, file.data(), 65537));
  EXPECT_EQ(1, stamp.frameCount);

  // Without a stamp the tool paints nothing (and never divides by the frame count).
  TestCanvas canvas(200, 200);
  FreeMagicStamp(&stamp);
  EXPECT_EQ(0, PaintMagicStamp(&stamp, canvas.view, canvas.all, 10, 10, nullptr).changed);
  EXPECT_TRUE(canvas.Changed(0xFFFFFF).empty());
}

TEST(MagicStamp, FramesCycleAndRestartOnLoad) {
  MagicStamp stamp;
  std::vector<uint8_t> file = StampFile(3, 255, 100);
  ASSERT_EQ(1, LoadStampBytes(&stamp, file.data(), file.size()));
  TestCanvas canvas(200, 200);
  const uint8_t expect[] = {100, 101, 102, 100, 101};
  for (uint8_t red : expect) {
    PaintMagicStamp(&stamp, canvas.view, canvas.all, 20, 20, nullptr);
    EXPECT_EQ(red, RedOf(canvas.Get(20, 20)));
  }
  ASSERT_EQ(1, LoadStampBytes(&stamp, file.data(), file.size()));
  PaintMagicStamp(&stamp, canvas.view, canvas.all, 20, 20, nullptr);
  EXPECT_EQ(100, RedOf(canvas.Get(147, 147)));
  EXPECT_EQ(0xFFFFFFu, canvas.Get(148, 147));
}

TEST(MagicStamp, HalfAlphaOverWhite) {
  MagicStamp stamp;
  std::vector<uint8_t> file = StampFile(1, 128);
  file[3] = 0;  // the top-left pixel is transparent
  ASSERT_EQ(1, LoadStampBytes(&stamp, file.data(), file.size()));
  TestCanvas canvas(200, 200);
  int modified = 0;
  ChangedRect r = PaintMagicStamp(&stamp, canvas.view, canvas.all, 10, 10, &modified);
  EXPECT_EQ(1, modified);
  EXPECT_EQ(0xFFFFFFu, canvas.Get(10, 10));
  EXPECT_EQ(MakeColour(126, 126, 126), canvas.Get(11, 10));  // (255 * 127 + 0 * 128) >> 8 = 32385 >> 8
  EXPECT_EQ(10, r.left);
  EXPECT_EQ(138, r.right);
}

TEST(MagicStamp, ClippedAtTheCanvasEdgesAndTheSelection) {
  MagicStamp stamp;
  std::vector<uint8_t> file = StampFile(2, 255, 0, 0, 0);
  ASSERT_EQ(1, LoadStampBytes(&stamp, file.data(), file.size()));
  TestCanvas canvas(200, 200);

  PaintMagicStamp(&stamp, canvas.view, canvas.all, -127, -127, nullptr);
  EXPECT_EQ(std::vector<std::string>{"0,0"}, canvas.Changed(0xFFFFFF));
  EXPECT_EQ(1, stamp.frameIndex);

  canvas.Fill(0xFFFFFF);
  ChangedRect r = PaintMagicStamp(&stamp, canvas.view, canvas.all, -128, 50, nullptr);
  EXPECT_EQ(0, r.changed);
  EXPECT_TRUE(canvas.Changed(0xFFFFFF).empty());
  EXPECT_EQ(1, stamp.frameIndex);  // nothing laid, no frame used

  // Near the right and bottom edges only the part on the canvas is painted.
  PaintMagicStamp(&stamp, canvas.view, canvas.all, 190, 195, nullptr);
  EXPECT_EQ(50u, canvas.Changed(0xFFFFFF).size());

  // Inside a selection only its pixels change.
  canvas.Fill(0xFFFFFF);
  ClipMask clip;
  clip.SetRects(200, 200, {{30, 30, 40, 35}});
  PaintMagicStamp(&stamp, canvas.view, clip, 0, 0, nullptr);
  EXPECT_EQ(50u, canvas.Changed(0xFFFFFF).size());
  EXPECT_EQ(0u, canvas.Get(30, 30));
}

}  // namespace
