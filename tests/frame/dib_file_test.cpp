// The bitmap file reader: good pictures of every kind read exactly, damaged ones are refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "colvane/frame/dib_file.h"
#include "colvane/frame/strip_frames.h"
#include "tests/frame/bmp_builder.h"

namespace {
DibResult Read(const std::vector<uint8_t>& b, DibImage* image = nullptr) {
  DibImage scratch;
  return ReadDibFile(b.data(), b.size(), image ? image : &scratch);
}
uint32_t U32At(const DibImage& d, size_t at) {
  const uint8_t* p = d.packed.data() + at;
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
}  // namespace

TEST(DibFile, TwentyFourBitPictureHasNoColourTable) {
  BmpSpec s;
  s.width = 5;
  s.height = 3;
  DibImage d;
  ASSERT_EQ(Read(BuildBmp(s), &d), kDibOk);
  EXPECT_EQ(d.colours, 0u);
  EXPECT_EQ(d.rowSize, 16u);
  EXPECT_EQ(d.bitsOffset, 40u);
  EXPECT_EQ(d.packed.size(), 40u + 16u * 3);
  EXPECT_EQ(d.Bits()[0], 0x5A);
  EXPECT_EQ(U32At(d, 20), 48u);  // image size computed, not taken from the file
}

TEST(DibFile, EightBitWithoutColourCountReadsAFullTable) {
  BmpSpec s;
  s.bits = 8;
  DibImage d;
  ASSERT_EQ(Read(BuildBmp(s), &d), kDibOk);
  EXPECT_EQ(d.colours, 256u);
  EXPECT_EQ(d.packed[40 + 255 * 4 + 2], 0);  // red of entry 255 = 255 - 255
  EXPECT_EQ(d.packed[40 + 1 * 4 + 2], 254);
}

TEST(DibFile, ShortColourTablesArePaddedSoIndexesStayInside) {
  BmpSpec s;
  s.bits = 8;
  s.clrUsed = 3;
  DibImage d;
  ASSERT_EQ(Read(BuildBmp(s), &d), kDibOk);
  EXPECT_EQ(d.colours, 256u);
  EXPECT_EQ(d.packed[40 + 2 * 4 + 2], 253);
  EXPECT_EQ(d.packed[40 + 3 * 4 + 2], 0);
  s.clrUsed = 300;  // more than 8 bits can index: clamped to 256
  s.tableEntries = 256;
  EXPECT_EQ(Read(BuildBmp(s)), kDibOk);
  s.clrUsed = 0xFFFFFFFFu;
  EXPECT_EQ(Read(BuildBmp(s)), kDibOk);
}

TEST(DibFile, CoreHeaderIsConverted) {
  BmpSpec s;
  s.headerSize = 12;
  s.bits = 4;
  s.width = 3;
  DibImage d;
  ASSERT_EQ(Read(BuildBmp(s), &d), kDibOk);
  EXPECT_EQ(U32At(d, 0), 40u);
  EXPECT_EQ(d.colours, 16u);
  EXPECT_EQ(d.packed[40 + 4 * 4 + 1], 8);  // green of entry 4, from a 3-byte entry
  EXPECT_EQ(d.rowSize, 4u);
}

TEST(DibFile, RowSizesRoundTripForEveryWidthAndDepth) {
  for (int bits : {1, 4, 8, 24}) {
    for (int width = 1; width <= 9; ++width) {
      for (int header : {12, 40}) {
        BmpSpec s;
        s.headerSize = header;
        s.bits = static_cast<uint16_t>(bits);
        s.width = width;
        s.height = 3;
        std::vector<uint8_t> file = BuildBmp(s);
        DibImage d;
        ASSERT_EQ(Read(file, &d), kDibOk) << bits << " " << width << " " << header;
        const uint32_t stride = ((bits * width + 31) / 32) * 4;
        ASSERT_EQ(d.rowSize, stride);
        const size_t offset = file.size() - stride * 3;
        EXPECT_TRUE(std::equal(d.Bits(), d.Bits() + stride * 3, file.begin() + offset));
      }
    }
  }
}

TEST(DibFile, TopDownPicturesAreFlippedToBottomUp) {
  BmpSpec s;
  s.width = 1;
  s.height = -3;
  s.fill = 0;
  DibImage d;
  ASSERT_EQ(Read(BuildBmp(s), &d), kDibOk);
  EXPECT_EQ(d.height, 3);
  EXPECT_EQ(d.Bits()[0], 8);  // the file's last row (bytes 8..11) is stored first
  EXPECT_EQ(d.Bits()[8], 0);
}

TEST(DibFile, HeaderOnlyReadGivesTheSameHeaderAndRowsAsTheCopy) {
  for (int bits : {1, 8, 24}) {
    for (int height : {3, -3}) {
      BmpSpec s;
      s.bits = static_cast<uint16_t>(bits);
      s.width = 5;
      s.height = height;
      const std::vector<uint8_t> file = BuildBmp(s);
      DibImage copy, header;
      const uint8_t* rows = nullptr;
      ASSERT_EQ(Read(file, &copy), kDibOk);
      ASSERT_EQ(ReadDibFileHeader(file.data(), file.size(), &header, &rows), kDibOk);
      ASSERT_EQ(header.bitsOffset, copy.bitsOffset);
      EXPECT_TRUE(std::equal(copy.packed.data(), copy.packed.data() + copy.bitsOffset, header.packed.data()));
      EXPECT_TRUE(std::equal(rows, rows + copy.rowSize * 3, copy.Bits())) << bits << " " << height;
      EXPECT_EQ(rows >= file.data() && rows < file.data() + file.size(), height > 0);  // bottom-up: not copied
    }
  }
}

TEST(DibFile, RefusesDamagedOrLyingFiles) {
  BmpSpec good;
  std::vector<uint8_t> file = BuildBmp(good);
  for (size_t n = 0; n < file.size(); ++n) {
    std::vector<uint8_t> cut(file.begin(), file.begin() + n);
    EXPECT_NE(Read(cut), kDibOk) << "cut at " << n;
  }
  std::vector<uint8_t> wrong = file;
  wrong[0] = 'X';
  EXPECT_EQ(Read(wrong), kDibNotBitmap);

  struct Case {
    const char* what;
    BmpSpec spec;
  };
  std::vector<Case> cases;
  auto add = [&](const char* what, auto change) {
    BmpSpec s;
    change(s);
    cases.push_back({what, s});
  };
  add("header 0", [](BmpSpec& s) { s.headerSize = 0; });
  add("header 66", [](BmpSpec& s) { s.headerSize = 66; });
  add("planes 2", [](BmpSpec& s) { s.planes = 2; });
  add("bits 0", [](BmpSpec& s) { s.bits = 0; });
  add("bits 7", [](BmpSpec& s) { s.bits = 7; });
  add("bits 65535", [](BmpSpec& s) { s.bits = 65535; });
  add("width 0", [](BmpSpec& s) { s.width = 0; });
  add("width -4", [](BmpSpec& s) { s.width = -4; s.pixelBytes = 64; });
  add("height 0", [](BmpSpec& s) { s.height = 0; });
  add("height INT_MIN", [](BmpSpec& s) { s.height = INT_MIN; s.pixelBytes = 16; });
  add("huge width", [](BmpSpec& s) { s.width = 0x20000000; s.pixelBytes = 64; });
  add("1-bit 0x7FFFFFFF", [](BmpSpec& s) { s.bits = 1; s.width = 0x7FFFFFFF; s.pixelBytes = 64; });
  add("32768 x 32769", [](BmpSpec& s) { s.width = 32768; s.height = 32769; s.pixelBytes = 64; });
  add("rows cut", [](BmpSpec& s) { s.pixelBytes = 20; });
  add("RLE", [](BmpSpec& s) { s.bits = 8; s.compression = 1; });
  add("bitfields", [](BmpSpec& s) { s.bits = 32; s.compression = 3; });
  add("compression 99", [](BmpSpec& s) { s.compression = 99; });
  add("offset in header", [](BmpSpec& s) { s.bitsOffset = 20; });
  add("offset past end", [](BmpSpec& s) { s.bitsOffset = 4000; s.pixelBytes = 0; });
  add("offset above 2^31", [](BmpSpec& s) { s.bitsOffset = 0x80000000LL; s.pixelBytes = 0; });
  for (Case& c : cases) {
    std::vector<uint8_t> bad = c.spec.bitsOffset >= 0x80000000LL ? std::vector<uint8_t>() : BuildBmp(c.spec);
    if (c.spec.bitsOffset >= 0x80000000LL) {
      BmpSpec s;
      bad = BuildBmp(s);
      bad[10] = 0;
      bad[11] = 0;
      bad[12] = 0;
      bad[13] = 0x80;
    }
    EXPECT_EQ(Read(bad), kDibBad) << c.what;
  }
}

TEST(DibFile, ImageSizeFieldIsNeverTrusted) {
  for (uint32_t size : {0u, 1u, 100000u, 0xFFFFFFFFu}) {
    BmpSpec s;
    s.sizeImage = size;
    DibImage d;
    ASSERT_EQ(Read(BuildBmp(s), &d), kDibOk) << size;
    EXPECT_EQ(d.packed.size(), 40u + 12u * 2);
  }
}

DibResult Parse(const std::vector<uint8_t>& b, DibMode mode, DibLayout* layout = nullptr) {
  DibLayout scratch;
  return ParseDibLayout(b.data(), b.size(), mode, layout ? layout : &scratch);
}

TEST(DibLayout, PictureModeTakesABareInfoHeaderAndAZeroOffset) {
  BmpSpec s;
  s.bits = 8;
  s.clrUsed = 3;
  const std::vector<uint8_t> file = BuildBmp(s);
  const std::vector<uint8_t> bare(file.begin() + 14, file.end());
  EXPECT_EQ(Parse(bare, kDibWholeFile), kDibNotBitmap);
  DibLayout d;
  ASSERT_EQ(Parse(bare, kDibPicture, &d), kDibOk);
  EXPECT_EQ(d.headerAt, 0u);
  EXPECT_EQ(d.tableAt, 40u);
  EXPECT_EQ(d.bitsAt, 40u + 3 * 4);  // right after the table, there being no offset
  EXPECT_EQ(d.bitsPresent, d.imageSize);

  s.bitsOffset = 0;  // a file header whose offset is 0: the rows still follow the table
  const std::vector<uint8_t> zero = BuildBmp(s);
  EXPECT_EQ(Parse(zero, kDibWholeFile), kDibBad);
  ASSERT_EQ(Parse(zero, kDibPicture, &d), kDibOk);
  EXPECT_EQ(d.bitsAt, 14u + 40 + 3 * 4);
}

TEST(DibLayout, PictureModeReportsWhatACutFileHolds) {
  BmpSpec s;
  s.bits = 8;
  s.clrUsed = 4;
  s.width = 5;  // 8-byte rows
  s.height = 3;
  const std::vector<uint8_t> file = BuildBmp(s);
  const size_t tableAt = 54, bitsAt = tableAt + 16;
  ASSERT_EQ(file.size(), bitsAt + 24);
  for (size_t n = 0; n <= file.size(); ++n) {
    const std::vector<uint8_t> cut(file.begin(), file.begin() + n);
    DibLayout d;
    EXPECT_EQ(Parse(cut, kDibWholeFile) == kDibOk, n == file.size()) << n;
    // The offset in the file header must still lie inside the file.
    if (n < tableAt || n < bitsAt) {
      EXPECT_EQ(Parse(cut, kDibPicture), kDibBad) << n;
      continue;
    }
    ASSERT_EQ(Parse(cut, kDibPicture, &d), kDibOk) << n;
    EXPECT_EQ(d.coloursPresent, 4u) << n;
    EXPECT_EQ(d.bitsPresent, n - bitsAt) << n;
  }
  // Without the file header nothing names the offset, so a cut table is kept as far as it goes.
  const std::vector<uint8_t> bare(file.begin() + 14, file.end());
  for (size_t n = 40; n <= bare.size(); ++n) {
    DibLayout d;
    ASSERT_EQ(Parse(std::vector<uint8_t>(bare.begin(), bare.begin() + n), kDibPicture, &d), kDibOk) << n;
    EXPECT_EQ(d.coloursPresent, std::min<size_t>(4, (n - 40) / 4)) << n;
    EXPECT_EQ(d.bitsPresent, n > 56 ? n - 56 : 0) << n;
  }
}

TEST(DibLayout, ModesDifferOnlyWhereTheyMust) {
  struct Case {
    const char* what;
    std::vector<uint8_t> file;
    DibResult whole, picture;
  };
  std::vector<Case> cases;
  auto add = [&](const char* what, DibResult whole, DibResult picture, auto change) {
    BmpSpec s;
    change(s);
    cases.push_back({what, BuildBmp(s), whole, picture});
  };
  add("core 16 bits", kDibBad, kDibOk, [](BmpSpec& s) { s.headerSize = 12; s.bits = 16; s.height = 6; });
  add("core 32 bits", kDibBad, kDibOk, [](BmpSpec& s) { s.headerSize = 12; s.bits = 32; s.height = 6; });
  add("core file under 40 header bytes", kDibOk, kDibBad,
      [](BmpSpec& s) { s.headerSize = 12; s.width = 1; s.height = 1; });
  add("300 colours at 8 bits", kDibOk, kDibBad,
      [](BmpSpec& s) { s.bits = 8; s.clrUsed = 300; s.tableEntries = 300; });
  add("17 colours at 4 bits", kDibOk, kDibBad, [](BmpSpec& s) { s.bits = 4; s.clrUsed = 17; });
  add("257 colours at 24 bits", kDibBad, kDibBad, [](BmpSpec& s) { s.clrUsed = 257; });
  add("offset in header", kDibBad, kDibBad, [](BmpSpec& s) { s.bitsOffset = 53; });
  add("offset inside the table", kDibOk, kDibOk, [](BmpSpec& s) { s.bits = 1; s.bitsOffset = 58; });
  Case past{"offset past the end", BuildBmp(BmpSpec()), kDibBad, kDibBad};
  past.file[10] = static_cast<uint8_t>(past.file.size() + 1);
  cases.push_back(past);
  for (const Case& c : cases) {
    EXPECT_EQ(Parse(c.file, kDibWholeFile), c.whole) << c.what;
    EXPECT_EQ(Parse(c.file, kDibPicture), c.picture) << c.what;
  }
}

TEST(DibColorCount, ByUsedCountOrBitDepth) {
  BmpSpec s;
  s.bits = 8;
  std::vector<uint8_t> file = BuildBmp(s);
  EXPECT_EQ(DibColorCount(file.data() + 14, 40), 256u);
  s.bits = 24;
  file = BuildBmp(s);
  EXPECT_EQ(DibColorCount(file.data() + 14, 40), 0u);
  s.headerSize = 12;
  s.bits = 1;
  file = BuildBmp(s);
  EXPECT_EQ(DibColorCount(file.data() + 14, 12), 2u);
  EXPECT_EQ(DibColorCount(file.data() + 14, 3), 0u);
}

TEST(StripFrames, ResolvesRangesAndIgnoresRemainderColumns) {
  int first = 0, count = 0;
  EXPECT_EQ(StripFrameCount(1000, 256), 3);  // 232 remainder columns ignored
  ASSERT_EQ(StripFrameRange(1000, 256, -1, 1, 0, &first, &count), 1);
  EXPECT_EQ(first, 2);
  EXPECT_EQ(StripFrameRange(1000, 256, 3, 1, 0, &first, &count), 0);
  EXPECT_EQ(StripFrameRange(1000, 256, 2, 2, 0, &first, &count), 0);
  ASSERT_EQ(StripFrameRange(1000, 256, 1, 0, 1, &first, &count), 1);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(StripFrameRange(1000, 0, 0, 1, 0, &first, &count), 0);   // no division by zero
  EXPECT_EQ(StripFrameRange(100, 256, 0, 1, 0, &first, &count), 0);  // narrower than a frame
}
