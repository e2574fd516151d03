// Picture reader: with and without the file header, core headers, colour tables, truncated and
// hostile files, and the conversion into the 640 x 480 canvas.
#include "colvane/canvas/picture_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "colvane/canvas/canvas_image.h"
#include "tests/canvas/paint_test_support.h"

namespace {

uint32_t Pattern(int x, int y) { return MakeColour(10 + x * 40, 20 + y * 50, 200); }

CanvasImage Open(const std::vector<uint8_t>& file, PictureOpenResult expect = kPictureOpened) {
  CanvasImage canvas;
  EXPECT_EQ(expect, OpenPictureBytes(&canvas, file.data(), file.size()));
  return canvas;
}

// The pattern at the top-left, white paper around it.
void ExpectPatternOnWhite(const CanvasImage& canvas, int w, int h) {
  for (int y = 0; y <= h; ++y)
    for (int x = 0; x <= w; ++x)
      EXPECT_EQ(x < w && y < h ? Pattern(x, y) : 0xFFFFFFu, ReadCanvasPixel(canvas, x, y)) << x << "," << y;
}

TEST(PictureReader, SmallPicturesLandTopLeftOnWhitePaper) {
  BmpSpec s;
  s.width = 5;  // padded rows
  s.height = 3;
  s.pixel = Pattern;
  CanvasImage canvas = Open(MakeBmp(s));
  ExpectPatternOnWhite(canvas, 5, 3);
  EXPECT_EQ(480, canvas.height);
  EXPECT_EQ(0, canvas.pictureModified);

  s.fileHeader = false;  // headerless, and rows stored top-down
  s.height = -3;
  ExpectPatternOnWhite(Open(MakeBmp(s)), 5, 3);
}

TEST(PictureReader, CoreHeaderWithThreeByteColourTable) {
  BmpSpec s;
  s.core = true;
  s.width = 5;
  s.height = 2;
  s.bits = 8;
  s.table.assign(256, 0);
  s.table[1] = 0x0000FF, s.table[2] = 0x00FF00, s.table[255] = 0x123456;
  s.pixel = [](int x, int y) { return x == 4 ? 255u : (x + y) % 3u; };
  for (bool fileHeader : {true, false}) {
    s.fileHeader = fileHeader;
    CanvasImage canvas = Open(MakeBmp(s));
    EXPECT_EQ(0x0000FFu, ReadCanvasPixel(canvas, 1, 0));
    EXPECT_EQ(0x00FF00u, ReadCanvasPixel(canvas, 1, 1));
    EXPECT_EQ(0x123456u, ReadCanvasPixel(canvas, 4, 1));
  }
}

TEST(PictureReader, EightBitIndexBeyondTheTableIsBlack) {
  BmpSpec s;
  s.width = 4;
  s.height = 1;
  s.bits = 8;
  s.table = {0x112233, 0x445566, 0x778899};
  s.clrUsed = 3;
  s.pixel = [](int x, int) { return x == 3 ? 200u : x; };
  CanvasImage canvas = Open(MakeBmp(s));
  EXPECT_EQ(0x778899u, ReadCanvasPixel(canvas, 2, 0));
  EXPECT_EQ(0u, ReadCanvasPixel(canvas, 3, 0));
}

TEST(PictureReader, TruncatedPixelsGiveAPartialPicture) {
  BmpSpec s;
  s.width = 4;  // 12-byte rows
  s.height = 4;
  s.pixel = [](int, int) { return 0x808080u; };
  std::vector<uint8_t> file = MakeBmp(s);
  file.resize(54 + 12 + 6);  // the bottom row and half of the next
  CanvasImage canvas = Open(file);
  EXPECT_EQ(0x808080u, ReadCanvasPixel(canvas, 3, 3));
  EXPECT_EQ(0x808080u, ReadCanvasPixel(canvas, 1, 2));
  EXPECT_EQ(0u, ReadCanvasPixel(canvas, 2, 2));
  EXPECT_EQ(0u, ReadCanvasPixel(canvas, 0, 0));
}

TEST(PictureReader, HostileHeadersAreRefused) {
  BmpSpec good;
  good.width = 2;
  good.height = 2;
  good.pixel = Pattern;
  const std::vector<uint8_t> base = MakeBmp(good);
  auto patch = [&](size_t at, uint32_t v, int bytes = 4) {
    std::vector<uint8_t> f = base;
    for (int i = 0; i < bytes; ++i) f[at + i] = static_cast<uint8_t>(v >> (8 * i));
    return f;
  };
  BmpSpec many = good;
  many.bits = 8;
  many.table.assign(300, 0);
  many.clrUsed = 300;
  const std::pair<const char*, std::vector<uint8_t>> cases[] = {
      {"header size 66", patch(14, 66)},
      {"width 0", patch(18, 0)},
      {"width -1", patch(18, 0xFFFFFFFF)},
      {"width 0x20000000", patch(18, 0x20000000)},
      {"height 0", patch(22, 0)},
      {"height INT_MIN", patch(22, 0x80000000)},
      {"planes 2", patch(26, 2, 2)},
      {"bit count 7", patch(28, 7, 2)},
      {"run-length compression", patch(30, 1)},
      {"bits offset inside the header", patch(10, 20)},
      {"bits offset past the end", patch(10, 5000)},
      {"cut inside the header", std::vector<uint8_t>(base.begin(), base.begin() + 53)},
      {"300 colours at 8 bits", MakeBmp(many)},
  };
  PackedPicture p;
  for (const auto& [what, file] : cases) {
    EXPECT_EQ(0, ReadPicture(file.data(), file.size(), &p)) << what;
    EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(Open(file, kPictureUnreadable), 0, 0)) << what;  // the blank page
  }
}

TEST(PictureReader, CanvasSizedFileFromDiskLoadsExactly) {
  BmpSpec s;
  s.width = 640;
  s.height = 480;
  s.pixel = [](int x, int y) { return MakeColour(x, y, x ^ y); };
  std::vector<uint8_t> file = MakeBmp(s);
  std::string path = testing::TempDir() + "colvane_canvas_picture.bmp";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(nullptr, f);
  std::fwrite(file.data(), 1, file.size(), f);
  std::fclose(f);

  CanvasImage canvas;
  ASSERT_EQ(kPictureOpened, OpenPicture(&canvas, path.c_str()));
  ASSERT_EQ(40u + 921600u, canvas.canvasImage.size);
  EXPECT_EQ(0, std::memcmp(canvas.canvasImage.Data() + 40, file.data() + 54, 921600));
  EXPECT_EQ(MakeColour(200, 100, 200 ^ 100), ReadCanvasPixel(canvas, 200, 100));
  std::remove(path.c_str());
}

}  // namespace
