// Paper texture and magic-stamp files, and laying the stamp with its alpha and frame cycle.
#include "colvane/canvas/magic_stamp.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "colvane/canvas/texture_files.h"
#include "tests/canvas/paint_test_support.h"

namespace {

// A stamp file of `frames` frames, each of one colour (red = first red + frame number).
std::vector<uint8_t> StampFile(int frames, uint8_t alpha, uint8_t red = 0) {
  std::vector<uint8_t> file;
  for (int f = 0; f < frames; ++f)
    for (int i = 0; i < 128 * 128; ++i) file.insert(file.end(), {uint8_t(red + f), 0, 0, alpha});
  return file;
}

TEST(TextureFiles, ShortOrMissingFilesSwitchTheGrainOff) {
  StrokeTexture texture;
  std::vector<uint8_t> grain(4097, 7);
  ASSERT_EQ(1, LoadTextureBytes(&texture, grain.data(), 4097));
  EXPECT_EQ(7, texture.grain[4095]);
  EXPECT_EQ(0, LoadTextureBytes(&texture, grain.data(), 4095));
  EXPECT_EQ(0, texture.on);
  LoadTextureBytes(&texture, grain.data(), 4096);
  LoadPaperTexture(&texture, "/nonexistent", 3);
  EXPECT_EQ(0, texture.on);
  EXPECT_EQ("C:\\Colvane\\data\\p3.dat", DataFilePath("C:\\Colvane", "p3.dat"));
  EXPECT_EQ("C:\\Colvane\\data\\pat1.dat", DataFilePath("C:\\Colvane\\", "pat1.dat"));
}

TEST(MagicStamp, WholeFramesOnlyAndTheirCycle) {
  MagicStamp stamp;
  std::vector<uint8_t> file = StampFile(3, 255, 100);
  EXPECT_EQ(0, LoadStampBytes(&stamp, file.data(), 65535));  // no frame: no stamp, nothing painted
  TestCanvas canvas(200, 200);
  EXPECT_EQ(0, PaintMagicStamp(&stamp, canvas.view, canvas.all, 10, 10, nullptr).changed);
  EXPECT_TRUE(canvas.Changed(0xFFFFFF).empty());
  ASSERT_EQ(1, LoadStampBytes(&stamp, file.data(), 65537));
  EXPECT_EQ(1, stamp.frameCount);

  ASSERT_EQ(1, LoadStampBytes(&stamp, file.data(), file.size()));
  for (int red : {100, 101, 102, 100}) {
    PaintMagicStamp(&stamp, canvas.view, canvas.all, 20, 20, nullptr);
    EXPECT_EQ(red, RedOf(canvas.Get(20, 20)));
  }
  ASSERT_EQ(1, LoadStampBytes(&stamp, file.data(), file.size()));  // a new load restarts at 0
  PaintMagicStamp(&stamp, canvas.view, canvas.all, 20, 20, nullptr);
  EXPECT_EQ(100, RedOf(canvas.Get(147, 147)));
  EXPECT_EQ(0xFFFFFFu, canvas.Get(148, 147));
}

// A series of six stamps on disk of which only the third and the fifth hold a frame: choosing
// passes over the empty, short and missing ones in the paging direction, wrapping at both ends.
TEST(MagicStamp, ChoosingPassesOverStampsThatCannotPaint) {
  const std::string run = testing::TempDir() + "colvane_stamps";
  std::vector<std::string> written;
  auto put = [&](int n, const std::vector<uint8_t>& bytes) {
    written.push_back(DataFilePath(run.c_str(), ("pat" + std::to_string(n) + ".dat").c_str()));
    std::FILE* f = std::fopen(written.back().c_str(), "wb");
    ASSERT_NE(nullptr, f);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  };
  put(1, {});                                   // empty
  put(2, std::vector<uint8_t>(65535, 9));       // one byte short of a frame
  put(3, StampFile(1, 255, 30));
  put(5, StampFile(2, 255, 50));                // pat4.dat and pat6.dat are missing
  MagicStamp stamp;
  auto load = [&](int i) { return LoadMagicStamp(&stamp, run.c_str(), i + 1); };
  EXPECT_EQ(2, FindLoadableStamp(0, 1, 6, load));
  EXPECT_EQ(30, stamp.frames.Data()[0]);
  EXPECT_EQ(4, FindLoadableStamp(3, 1, 6, load));
  EXPECT_EQ(2, FindLoadableStamp(5, 1, 6, load));   // on past the last wraps to the first
  EXPECT_EQ(4, FindLoadableStamp(1, -1, 6, load));  // back past the first wraps to the last
  EXPECT_EQ(2, FindLoadableStamp(3, -1, 6, load));
  EXPECT_EQ(4, FindLoadableStamp(4, -1, 6, load));  // a stamp that loads is kept
  EXPECT_EQ(2, FindLoadableStamp(-7, 1, 6, load));  // an index out of the series is brought in
  EXPECT_EQ(-1, FindLoadableStamp(0, 1, 2, load));  // a series of the two bad ones: none
  EXPECT_EQ(0, stamp.frameCount);
  int tries = 0;
  EXPECT_EQ(-1, FindLoadableStamp(0, -1, 0, [&](int i) { return ++tries, i != 0 ? 1 : 0; }));
  EXPECT_EQ(1, tries);  // no strip: a series of one, tried once
  for (const std::string& path : written) std::remove(path.c_str());
}

TEST(MagicStamp, HalfAlphaOverWhite) {
  MagicStamp stamp;
  std::vector<uint8_t> file = StampFile(1, 128);
  file[3] = 0;  // the top-left pixel is transparent
  ASSERT_EQ(1, LoadStampBytes(&stamp, file.data(), file.size()));
  TestCanvas canvas(200, 200);
  bool modified = false;
  PaintMagicStamp(&stamp, canvas.view, canvas.all, 10, 10, &modified);
  EXPECT_EQ(1, modified);
  EXPECT_EQ(0xFFFFFFu, canvas.Get(10, 10));
  EXPECT_EQ(Grey(126), canvas.Get(11, 10));  // (255 * 127 + 0 * 128) >> 8 = 32385 >> 8
}

TEST(MagicStamp, ClippedAtTheEdgesAndToTheSelection) {
  MagicStamp stamp;
  std::vector<uint8_t> file = StampFile(2, 255);
  ASSERT_EQ(1, LoadStampBytes(&stamp, file.data(), file.size()));
  TestCanvas canvas(200, 200);
  PaintMagicStamp(&stamp, canvas.view, canvas.all, -127, -127, nullptr);
  EXPECT_EQ(std::vector<std::string>{"0,0"}, canvas.Changed(0xFFFFFF));

  ChangedRect r = PaintMagicStamp(&stamp, canvas.view, canvas.all, -128, 50, nullptr);
  EXPECT_EQ(0, r.changed);
  EXPECT_EQ(1u, canvas.Changed(0xFFFFFF).size());
  EXPECT_EQ(1, stamp.frameIndex);  // nothing laid, no frame used

  TestCanvas other(200, 200);
  ClipMask clip;
  clip.SetRects(200, 200, {{30, 30, 40, 35}});
  PaintMagicStamp(&stamp, other.view, clip, 0, 0, nullptr);
  EXPECT_EQ(50u, other.Changed(0xFFFFFF).size());
}

}  // namespace
