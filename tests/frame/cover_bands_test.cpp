// The covering bands of keyed pictures: every covering pixel inside one, few of them for the
// shapes the paper has, and the fallbacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "colvane/frame/cover_bands.h"
#include "colvane/frame/cover_runs.h"

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
        if (s.covers(x, y)) {
          ASSERT_TRUE(Inside(bands, x, y)) << s.name << " at " << x << "," << y;
        }
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

// Laying the runs gives what copying every pixel that is not the key gives, wherever the picture
// lands and however the clip cuts it, into top-down and bottom-up targets.
TEST(CoverRuns, LayTheSamePixelsAsACopyOfEveryNonKeyPixel) {
  const int w = 7, h = 5, tw = 10, th = 8;
  std::vector<uint32_t> picture(w * h);
  for (int i = 0; i < w * h; ++i) picture[i] = (i * 7) % 3 == 0 ? kKey : 0x10000 + i;
  const CoverRuns runs = FindCoverRuns(picture.data(), w, h, w, kKey);
  struct Case {
    int x, y;
    BandRect clip;
  } cases[] = {{0, 0, {0, 0, tw, th}},   {-2, -1, {0, 0, tw, th}}, {5, 4, {0, 0, tw, th}},
               {8, 7, {0, 0, tw, th}},   {1, 1, {2, 3, 6, 5}},     {1, 1, {-5, -5, 99, 99}},
               {1, 1, {4, 4, 4, 9}},     {-20, 3, {0, 0, tw, th}}, {2, 2, {9, 0, 3, th}}};
  for (const Case& c : cases) {
    std::vector<uint32_t> want(tw * th, 0xAAAAAA);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const int tx = c.x + x, ty = c.y + y;
        const bool in = tx >= std::max(c.clip.left, 0) && tx < std::min(c.clip.right, tw) &&
                        ty >= std::max(c.clip.top, 0) && ty < std::min(c.clip.bottom, th);
        if (in && picture[y * w + x] != kKey) want[ty * tw + tx] = picture[y * w + x];
      }
    for (bool bottomUp : {false, true}) {
      std::vector<uint32_t> got(tw * th, 0xAAAAAA);
      // A bottom-up target: its top row is the last in memory.
      uint32_t* top = bottomUp ? got.data() + (th - 1) * tw : got.data();
      LayCoverRuns(runs, top, tw, th, bottomUp ? -tw : tw, c.x, c.y, c.clip);
      if (bottomUp)
        for (int y = 0; y < th / 2; ++y)
          std::swap_ranges(got.begin() + y * tw, got.begin() + (y + 1) * tw, got.begin() + (th - 1 - y) * tw);
      EXPECT_EQ(got, want) << c.x << "," << c.y << (bottomUp ? " bottom-up" : "");
    }
  }
}
