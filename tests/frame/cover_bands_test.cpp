// The covering bands of keyed pictures: every covering pixel inside one, few of them for the
// shapes the paper has, and the fallbacks.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "colvane/frame/cover_bands.h"

namespace {

constexpr uint32_t kKey = 0xFF0000, kInk = 0x123456;

struct Shape {
  const char* name;
  int width, height;
  std::function<bool(int x, int y)> covers;
  size_t mostBands;
};

bool Inside(const std::vector<BandRect>& bands, int x, int y) {
  for (const BandRect& b : bands)
    if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) return true;
  return false;
}

}  // namespace

TEST(CoverBands, HoldEveryCoveringPixelInFewRectangles) {
  const Shape shapes[] = {
      {"all key", 50, 40, [](int, int) { return false; }, 0},
      {"all covering", 50, 40, [](int, int) { return true; }, 1},
      {"a frame 3 pixels wide", 668, 506,
       [](int x, int y) { return x < 3 || y < 3 || x >= 665 || y >= 503; }, 4},
      {"a frame with a turned corner", 668, 506,
       [](int x, int y) { return x < 3 || y < 3 || x >= 665 || y >= 503 || x + y > 668 + 506 - 90; }, 12},
      {"one pixel at the far corner", 37, 29, [](int x, int y) { return x == 36 && y == 28; }, 1},
  };
  for (const Shape& s : shapes) {
    std::vector<uint32_t> pixels(static_cast<size_t>(s.width) * s.height);
    for (int y = 0; y < s.height; ++y)
      for (int x = 0; x < s.width; ++x) pixels[static_cast<size_t>(y) * s.width + x] = s.covers(x, y) ? kInk : kKey;
    const std::vector<BandRect> bands = CoverBands(pixels.data(), s.width, s.height, s.width, kKey);
    EXPECT_LE(bands.size(), s.mostBands) << s.name;
    for (int y = 0; y < s.height; ++y)
      for (int x = 0; x < s.width; ++x)
        if (s.covers(x, y)) ASSERT_TRUE(Inside(bands, x, y)) << s.name << " at " << x << "," << y;
    for (const BandRect& b : bands) {
      EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right <= s.width && b.bottom <= s.height) << s.name;
      EXPECT_TRUE(b.left < b.right && b.top < b.bottom) << s.name;
    }
  }
}

TEST(CoverBands, TooManyGiveTheWholePictureAndBadSizesNone) {
  std::vector<uint32_t> checker(64 * 64);
  for (int i = 0; i < 64 * 64; ++i) checker[i] = ((i % 64) / 16 + (i / 64) / 16) % 2 ? kInk : kKey;
  const std::vector<BandRect> whole = CoverBands(checker.data(), 64, 64, 64, kKey, 16, 3);
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_EQ(whole[0].right, 64);
  EXPECT_EQ(whole[0].bottom, 64);
  EXPECT_TRUE(CoverBands(nullptr, 5, 5, 5, kKey).empty());
  EXPECT_TRUE(CoverBands(checker.data(), 64, 64, 10, kKey).empty());  // rows shorter than the width
}
