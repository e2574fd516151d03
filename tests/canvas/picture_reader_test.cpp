// Picture reader: headers with and without the file header, core headers, colour tables, other
// depths, truncated and hostile files, and the conversion into the 640 x 480 canvas.
#include "colvane/canvas/picture_reader.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>

#include "colvane/canvas/canvas_image.h"
#include "tests/canvas/paint_test_support.h"

namespace {

struct BmpSpec {
  int width = 0, height = 0, bits = 24;
  bool fileHeader = true;
  bool core = false;
  std::vector<uint32_t> table;  // COLORREF entries
  uint32_t clrUsed = 0;         // written as is (info header only)
  uint32_t bitsOffset = 0;      // 0: computed when there is a file header
  uint16_t planes = 1;
  uint32_t compression = 0;
  // Value of pixel (x, y), y from the top: an index, a 5-5-5 word or a COLORREF.
  std::function<uint32_t(int, int)> pixel;
};

std::vector<uint8_t> MakeBmp(const BmpSpec& s) {
  std::vector<uint8_t> header, table, pixels;
  if (s.core) {
    Put32(&header, 12);
    Put16(&header, s.width);
    Put16(&header, s.height);
    Put16(&header, s.planes);
    Put16(&header, s.bits);
  } else {
    Put32(&header, 40);
    Put32(&header, s.width);
    Put32(&header, s.height);
    Put16(&header, s.planes);
    Put16(&header, s.bits);
    Put32(&header, s.compression);
    Put32(&header, 0);
    Put32(&header, 0);
    Put32(&header, 0);
    Put32(&header, s.clrUsed);
    Put32(&header, 0);
  }
  for (uint32_t c : s.table) {
    table.push_back(BlueOf(c));
    table.push_back(GreenOf(c));
    table.push_back(RedOf(c));
    if (!s.core) table.push_back(0);
  }
  int rows = s.height < 0 ? -s.height : s.height;
  size_t stride = (static_cast<size_t>(s.width) * s.bits + 31) / 32 * 4;
  for (int stored = 0; stored < rows; ++stored) {
    int y = s.height < 0 ? stored : rows - 1 - stored;
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < s.width; ++x) {
      uint32_t v = s.pixel ? s.pixel(x, y) : 0;
      switch (s.bits) {
        case 1: row[x / 8] |= static_cast<uint8_t>((v & 1) << (7 - x % 8)); break;
        case 4: row[x / 2] |= static_cast<uint8_t>((v & 15) << (x % 2 ? 0 : 4)); break;
        case 8: row[x] = static_cast<uint8_t>(v); break;
        case 16: row[2 * x] = static_cast<uint8_t>(v); row[2 * x + 1] = static_cast<uint8_t>(v >> 8); break;
        default: {
          int n = s.bits / 8;
          row[n * x] = BlueOf(v);
          row[n * x + 1] = GreenOf(v);
          row[n * x + 2] = RedOf(v);
        }
      }
    }
    pixels.insert(pixels.end(), row.begin(), row.end());
  }
  std::vector<uint8_t> file;
  if (s.fileHeader) {
    uint32_t offset = s.bitsOffset ? s.bitsOffset : static_cast<uint32_t>(14 + header.size() + table.size());
    file = {'B', 'M'};
    Put32(&file, static_cast<uint32_t>(14 + header.size() + table.size() + pixels.size()));
    Put32(&file, 0);
    Put32(&file, offset);
  }
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), table.begin(), table.end());
  file.insert(file.end(), pixels.begin(), pixels.end());
  return file;
}

// Distinct colour of pixel (x, y) of the small test pictures.
uint32_t Pattern(int x, int y) { return MakeColour(static_cast<uint8_t>(10 + x * 40), static_cast<uint8_t>(20 + y * 50), 200); }

// The canvas after opening `file`.
CanvasImage Open(const std::vector<uint8_t>& file) {
  CanvasImage canvas;
  EXPECT_EQ(1, OpenPictureBytes(&canvas, file.data(), file.size()));
  return canvas;
}

void ExpectPatternOnWhite(const CanvasImage& canvas, int w, int h) {
  for (int y = 0; y < h + 1; ++y)
    for (int x = 0; x < w + 1; ++x)
      EXPECT_EQ(x < w && y < h ? Pattern(x, y) : 0xFFFFFFu, ReadCanvasPixel(canvas, x, y)) << x << "," << y;
  EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(canvas, 639, 479));
}

TEST(PictureReader, SmallPictureLandsTopLeftOnWhitePage) {
  BmpSpec s;
  s.width = 5;  // odd width: padded rows
  s.height = 3;
  s.pixel = Pattern;
  CanvasImage canvas = Open(MakeBmp(s));
  ExpectPatternOnWhite(canvas, 5, 3);
  EXPECT_EQ(480, canvas.height);
  EXPECT_EQ(1920, canvas.stride);
  EXPECT_EQ(0, canvas.pictureModified);
}

TEST(PictureReader, FileWithoutFileHeader) {
  BmpSpec s;
  s.width = 3;
  s.height = 2;
  s.fileHeader = false;
  s.pixel = Pattern;
  ExpectPatternOnWhite(Open(MakeBmp(s)), 3, 2);
}

TEST(PictureReader, CoreHeaderWithThreeByteColourTable) {
  BmpSpec s;
  s.core = true;
  s.width = 5;
  s.height = 2;
  s.bits = 8;
  s.table.resize(256, 0);
  s.table[1] = 0x0000FF;
  s.table[2] = 0x00FF00;
  s.table[255] = 0x123456;
  s.pixel = [](int x, int y) { return x == 4 ? 255u : static_cast<uint32_t>((x + y) % 3); };
  CanvasImage canvas = Open(MakeBmp(s));
  const uint32_t expect[2][5] = {{0, 0x0000FF, 0x00FF00, 0, 0x123456}, {0x0000FF, 0x00FF00, 0, 0x0000FF, 0x123456}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(expect[y][x], ReadCanvasPixel(canvas, x, y)) << x << "," << y;

  // The same picture without the file header.
  s.fileHeader = false;
  CanvasImage bare = Open(MakeBmp(s));
  EXPECT_EQ(0x123456u, ReadCanvasPixel(bare, 4, 1));
  EXPECT_EQ(0x00FF00u, ReadCanvasPixel(bare, 1, 1));
}

TEST(PictureReader, EightBitTableAndIndexesBeyondIt) {
  BmpSpec s;
  s.width = 4;
  s.height = 1;
  s.bits = 8;
  s.table = {0x112233, 0x445566, 0x778899};
  s.clrUsed = 3;
  s.pixel = [](int x, int) { return x == 3 ? 200u : static_cast<uint32_t>(x); };
  CanvasImage canvas = Open(MakeBmp(s));
  EXPECT_EQ(0x112233u, ReadCanvasPixel(canvas, 0, 0));
  EXPECT_EQ(0x445566u, ReadCanvasPixel(canvas, 1, 0));
  EXPECT_EQ(0x778899u, ReadCanvasPixel(canvas, 2, 0));
  EXPECT_EQ(0u, ReadCanvasPixel(canvas, 3, 0));  // no entry 200: black, never read past the table
}

TEST(PictureReader, OtherDepthsAndTopDownRows) {
  BmpSpec one;
  one.width = 10;
  one.height = 2;
  one.bits = 1;
  one.table = {0x000000, 0xFFFFFF};
  one.pixel = [](int x, int y) { return static_cast<uint32_t>((x + y) & 1); };
  CanvasImage a = Open(MakeBmp(one));
  EXPECT_EQ(0u, ReadCanvasPixel(a, 0, 0));
  EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(a, 9, 0));
  EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(a, 0, 1));

  BmpSpec four = one;
  four.bits = 4;
  four.table = {0, 0x0000FF, 0x00FF00};
  four.pixel = [](int x, int) { return static_cast<uint32_t>(x % 3); };
  CanvasImage b = Open(MakeBmp(four));
  EXPECT_EQ(0x00FF00u, ReadCanvasPixel(b, 5, 1));
  EXPECT_EQ(0x0000FFu, ReadCanvasPixel(b, 7, 0));

  BmpSpec word;  // 5-5-5: red 31, green 0, blue 16
  word.width = 1;
  word.height = 1;
  word.bits = 16;
  word.pixel = [](int, int) { return (31u << 10) | 16u; };
  EXPECT_EQ(MakeColour(255, 0, 132), ReadCanvasPixel(Open(MakeBmp(word)), 0, 0));

  BmpSpec wide;
  wide.width = 3;
  wide.height = -2;  // stored top row first
  wide.bits = 32;
  wide.pixel = Pattern;
  ExpectPatternOnWhite(Open(MakeBmp(wide)), 3, 2);
}

TEST(PictureReader, TruncatedPixelsGiveAPartialPicture) {
  BmpSpec s;
  s.width = 4;  // 12-byte rows, no padding
  s.height = 4;
  s.pixel = [](int, int) { return 0x808080u; };
  std::vector<uint8_t> file = MakeBmp(s);
  file.resize(54 + 12 + 6);  // the bottom row and half of the next
  CanvasImage canvas = Open(file);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(0x808080u, ReadCanvasPixel(canvas, x, 3));
  EXPECT_EQ(0x808080u, ReadCanvasPixel(canvas, 1, 2));
  EXPECT_EQ(0u, ReadCanvasPixel(canvas, 2, 2));
  EXPECT_EQ(0u, ReadCanvasPixel(canvas, 0, 0));
  EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(canvas, 4, 0));
}

TEST(PictureReader, HostileHeadersAreRefused) {
  BmpSpec good;
  good.width = 2;
  good.height = 2;
  good.pixel = Pattern;
  std::vector<uint8_t> base = MakeBmp(good);
  PackedPicture p;
  ASSERT_EQ(1, ReadPicture(base.data(), base.size(), &p));

  auto patch32 = [&](size_t at, uint32_t v) {
    std::vector<uint8_t> f = base;
    for (int i = 0; i < 4; ++i) f[at + i] = static_cast<uint8_t>(v >> (8 * i));
    return f;
  };
  auto patch16 = [&](size_t at, uint16_t v) {
    std::vector<uint8_t> f = base;
    f[at] = static_cast<uint8_t>(v);
    f[at + 1] = static_cast<uint8_t>(v >> 8);
    return f;
  };
  struct Case {
    const char* what;
    std::vector<uint8_t> file;
  } cases[] = {
      {"header size 66", patch32(14, 66)},
      {"header size 0", patch32(14, 0)},
      {"header size 0xFFFFFFFF", patch32(14, 0xFFFFFFFF)},
      {"width 0", patch32(18, 0)},
      {"width negative", patch32(18, 0xFFFFFFFF)},
      {"width 0x20000000", patch32(18, 0x20000000)},
      {"height 0", patch32(22, 0)},
      {"height INT_MIN", patch32(22, 0x80000000)},
      {"32768 x 32769", patch32(22, 32769)},
      {"planes 2", patch16(26, 2)},
      {"bit count 7", patch16(28, 7)},
      {"bit count 0", patch16(28, 0)},
      {"run-length compression", patch32(30, 1)},
      {"bits offset inside the header", patch32(10, 20)},
      {"bits offset past the end", patch32(10, 5000)},
      {"bits offset above 2^31", patch32(10, 0x80000010)},
      {"cut inside the header", std::vector<uint8_t>(base.begin(), base.begin() + 53)},
      {"under 14 bytes", std::vector<uint8_t>(base.begin(), base.begin() + 13)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(0, ReadPicture(c.file.data(), c.file.size(), &p)) << c.what;
    EXPECT_TRUE(p.block.Empty()) << c.what;
    // The canvas falls back to the blank page.
    CanvasImage canvas = Open(c.file);
    EXPECT_EQ(0xFFFFFFu, ReadCanvasPixel(canvas, 0, 0)) << c.what;
  }

  BmpSpec many;
  many.width = 1;
  many.height = 1;
  many.bits = 8;
  many.table.assign(300, 0x010203);
  many.clrUsed = 300;
  std::vector<uint8_t> f = MakeBmp(many);
  EXPECT_EQ(0, ReadPicture(f.data(), f.size(), &p)) << "300 colours at 8 bits";
}

TEST(PictureReader, CanvasSizedFileFromDiskLoadsExactly) {
  BmpSpec s;
  s.width = 640;
  s.height = 480;
  s.pixel = [](int x, int y) { return MakeColour(static_cast<uint8_t>(x), static_cast<uint8_t>(y), static_cast<uint8_t>(x ^ y)); };
  std::vector<uint8_t> file = MakeBmp(s);
  std::string path = testing::TempDir() + "colvane_canvas_picture.bmp";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(nullptr, f);
  std::fwrite(file.data(), 1, file.size(), f);
  std::fclose(f);

  CanvasImage canvas;
  ASSERT_EQ(1, OpenPicture(&canvas, path.c_str()));
  // Same pixel bytes as the file, same header as the blank page.
  ASSERT_EQ(40u + 921600u, canvas.canvasImage.size);
  EXPECT_EQ(0, std::memcmp(canvas.canvasImage.Data() + 40, file.data() + 54, 921600));
  EXPECT_EQ(MakeColour(0, 0, 0), ReadCanvasPixel(canvas, 0, 0));
  EXPECT_EQ(MakeColour(200, 100, 200 ^ 100), ReadCanvasPixel(canvas, 200, 100));
  std::remove(path.c_str());
}

}  // namespace
