// Which files get a thumbnail: judged on the head alone, and never more bytes than a canvas-sized
// picture needs, whatever the header declares.
#include "colvane/files/thumbnail_source.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/frame/bmp_builder.h"

TEST(ThumbnailSource, OnlyPicturesTheCanvasCanShowWholeAreRead) {
  struct Case {
    const char* what;
    BmpSpec spec;
    uint64_t fileSize;  // 0: the bytes built
    uint64_t want;      // 0: no thumbnail
  };
  auto spec = [](int w, int h, int bits, int64_t pixelBytes = -1) {
    BmpSpec s;
    s.width = w;
    s.height = h;
    s.bits = static_cast<uint16_t>(bits);
    s.pixelBytes = pixelBytes;
    return s;
  };
  BmpSpec rle = spec(640, 480, 8, 0);
  rle.compression = 1;
  const Case cases[] = {
      {"a picture the program saved", spec(640, 480, 24, 0), 921654, 921654},
      {"top-down", spec(640, -480, 24, 0), 921654, 921654},
      {"a small 8-bit picture", spec(10, 10, 8), 0, 14 + 40 + 1024 + 120},
      {"a file longer than its rows", spec(640, 480, 24, 0), 5000000, 921654},
      {"cut inside its rows", spec(640, 480, 24, 0), 4000, 4000},
      {"huge 1-bit, declared only", spec(16384, 16384, 1, 0), 33554494, 0},
      {"one column too wide", spec(641, 480, 24, 0), 2000000, 0},
      {"one row too tall", spec(640, 481, 24, 0), 2000000, 0},
      {"compressed", rle, 400000, 0},
  };
  for (const Case& c : cases) {
    const std::vector<uint8_t> file = BuildBmp(c.spec);
    const uint64_t size = c.fileSize ? c.fileSize : file.size();
    EXPECT_EQ(ThumbnailBytes(file.data(), std::min(file.size(), kThumbnailHeadSize), size), c.want) << c.what;
  }
  // Not pictures at all: nothing read past the head, and no message either.
  const std::string text = "Dear diary, today I painted a horse.\r\n";
  EXPECT_EQ(ThumbnailBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size(), text.size()), 0u);
  const uint8_t none[1] = {0};
  EXPECT_EQ(ThumbnailBytes(none, 0, 0), 0u);
  EXPECT_EQ(ThumbnailBytes(reinterpret_cast<const uint8_t*>("BM"), 2, 2), 0u);
}
