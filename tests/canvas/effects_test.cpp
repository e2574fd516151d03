// Blur, sharpen, emboss and the magnifying lens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "colvane/canvas/effect_rows.h"
#include "colvane/canvas/effects.h"
#include "colvane/canvas/lens.h"
#include "tests/canvas/paint_test_support.h"

namespace {

void Randomise(TestCanvas* c, std::mt19937& rng) {
  for (int y = 0; y < c->view.height; ++y)
    for (int x = 0; x < c->view.width; ++x) c->Set(x, y, rng() & 0xFFFFFF);
}

TEST(PictureEffect, UniformAreaStaysOrTurnsGrey) {
  const uint32_t colour = MakeColour(200, 17, 99);
  for (int effect : {kEffectBlur, kEffectSharpen, kEffectEmboss}) {
    TestCanvas snapshot(13, 9, colour), canvas(13, 9, 0);
    ASSERT_EQ(ApplyPictureEffect(effect, &canvas.view, snapshot.view, snapshot.all), 1);
    EXPECT_TRUE(canvas.Changed(effect == kEffectEmboss ? Grey(128) : colour).empty()) << effect;
  }
  TestCanvas snapshot(4, 4, colour), canvas(4, 4, 0);
  EXPECT_EQ(ApplyPictureEffect(4, &canvas.view, snapshot.view, snapshot.all), 0);
  EXPECT_TRUE(canvas.Changed(0).empty());
}

TEST(PictureEffect, EmbossCornersGiveWhiteAndBlackPerChannel) {
  TestCanvas snapshot(3, 3, Grey(128)), canvas(3, 3, 0);
  snapshot.Set(0, 0, 0);  // upper left black, lower right white: 255 − 0 + 128, limited
  snapshot.Set(2, 2, 0xFFFFFF);
  ApplyPictureEffect(kEffectEmboss, &canvas.view, snapshot.view, snapshot.all);
  EXPECT_EQ(canvas.Get(1, 1), 0xFFFFFFu);
  snapshot.Set(0, 0, 0xFFFFFF);
  snapshot.Set(2, 2, 0);
  ApplyPictureEffect(kEffectEmboss, &canvas.view, snapshot.view, snapshot.all);
  EXPECT_EQ(canvas.Get(1, 1), 0u);
  snapshot.Set(0, 0, 0);  // red only: the channels stay apart
  snapshot.Set(2, 2, MakeColour(100, 0, 0));
  ApplyPictureEffect(kEffectEmboss, &canvas.view, snapshot.view, snapshot.all);
  EXPECT_EQ(canvas.Get(1, 1), MakeColour(228, 128, 128));
}

TEST(PictureEffect, SinglePixelSelectionKeepsThatPixel) {
  std::mt19937 rng(7);
  TestCanvas snapshot(8, 8), canvas(8, 8);
  Randomise(&snapshot, rng);
  ClipMask clip;
  clip.SetRects(8, 8, {{3, 4, 4, 5}});
  for (int effect : {kEffectBlur, kEffectSharpen}) {
    canvas.bytes = snapshot.bytes;
    ApplyPictureEffect(effect, &canvas.view, snapshot.view, clip);
    EXPECT_EQ(canvas.bytes, snapshot.bytes) << effect;
  }
}

// The kernels as a table, one pixel at a time, neighbours outside replaced by the centre.
int Reference(int effect, const TestCanvas& src, const ClipMask& clip, int x, int y, int c) {
  static const int kWeights[4][9] = {{0},
                                     {10, 30, 10, 30, 96, 30, 10, 30, 10},
                                     {0, -1, 0, -1, 5, -1, 0, -1, 0},
                                     {-1, 0, 0, 0, 0, 0, 0, 0, 1}};
  int sum = 0;
  for (int i = 0; i < 9; ++i) {
    int nx = x + i % 3 - 1, ny = y + i / 3 - 1;
    bool inside = src.view.Inside(nx, ny) && clip.Contains(nx, ny);
    sum += kWeights[effect][i] * (inside ? src.view.At(nx, ny)[c] : src.view.At(x, y)[c]);
  }
  if (effect == kEffectBlur) return sum >> 8;
  return std::clamp(effect == kEffectSharpen ? sum : sum + 128, 0, 255);
}

// Random pictures and selections against the table: fast rows and borders agree with it, and
// pixels outside the selection keep their value.
TEST(PictureEffectProperty, MatchesTheKernelTable) {
  std::mt19937 rng(99);
  for (int round = 0; round < 90; ++round) {
    const int w = 1 + rng() % 47, h = 1 + rng() % (round < 9 ? 150 : 23), effect = 1 + round % 3;
    TestCanvas snapshot(w, h), canvas(w, h, 0xABCDEF);
    Randomise(&snapshot, rng);
    ClipMask clip = snapshot.all;
    if (round / 3 % 3) {
      std::vector<ClipRect> rects;
      for (int i = rng() % 5; i >= 0; --i) {
        int l = static_cast<int>(rng() % w) - 1, t = static_cast<int>(rng() % h) - 1;
        rects.push_back({l, t, l + 1 + static_cast<int>(rng() % w), t + 1 + static_cast<int>(rng() % h)});
      }
      clip.SetRects(w, h, rects);
    }
    ApplyPictureEffect(effect, &canvas.view, snapshot.view, clip);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        for (int c = 0; c < 3; ++c) {
          int expected = clip.Contains(x, y) ? Reference(effect, snapshot, clip, x, y, c) : (0xEFCDAB >> (8 * c)) & 0xFF;
          ASSERT_EQ(canvas.view.At(x, y)[c], expected) << "round " << round << " at " << x << "," << y;
        }
  }
}

// The row loops at lengths around their 32-byte blocks, in buffers just as long as they may
// read and write: three rows with 3 readable bytes either side, rows across of AcrossLength.
TEST(EffectRows, EveryLengthMatchesTheFormulas) {
  const EffectRows& rows = TheEffectRows();
  std::mt19937 rng(7);
  for (int n : {1, 5, 31, 32, 33, 45, 63, 64, 65, 96, 100, 129}) {
    std::vector<uint8_t> bytes[3];
    for (auto& b : bytes) {
      b.resize(n + 6);
      for (auto& v : b) v = static_cast<uint8_t>(rng());
    }
    const uint8_t *u = bytes[0].data() + 3, *m = bytes[1].data() + 3, *d = bytes[2].data() + 3;
    auto across = [](const uint8_t* r, int i) { return 10 * (r[i - 3] + r[i + 3]) + 30 * r[i]; };
    std::vector<uint16_t> a[3], zero(AcrossLength(n), 0);
    for (auto& v : a) v.resize(AcrossLength(n));
    std::vector<uint8_t> out(n), stepped(n), bottom(n), sharp(n), emboss(n);
    rows.blurAcross(u, a[0].data(), n);
    rows.blurAcross(m, a[1].data(), n);
    rows.blurStep(d, a[0].data(), a[1].data(), a[2].data(), m, stepped.data(), n, 6);
    rows.blurDown(a[0].data(), a[1].data(), a[2].data(), m, out.data(), n, 6);
    rows.blurDown(a[1].data(), a[2].data(), zero.data(), d, bottom.data(), n, 56);
    rows.sharpen(u, m, d, sharp.data(), n, 5);
    rows.emboss(u, d, emboss.data(), n);
    for (int i = 0; i < n; ++i) {
      const int blur = (across(u, i) + 3 * across(m, i) + across(d, i) + 6 * m[i]) >> 8;
      ASSERT_EQ(out[i], blur) << n << " at " << i;
      ASSERT_EQ(stepped[i], blur) << n << " at " << i;
      ASSERT_EQ(bottom[i], (across(m, i) + 3 * across(d, i) + 56 * d[i]) >> 8) << n << " at " << i;
      ASSERT_EQ(sharp[i], std::clamp(5 * m[i] - u[i] - d[i] - m[i - 3] - m[i + 3], 0, 255)) << n << " at " << i;
      ASSERT_EQ(emboss[i], std::clamp(d[i + 3] - u[i - 3] + 128, 0, 255)) << n << " at " << i;
    }
  }
}

TEST(Lens, SizeOneOnFourHundredEightyRowsHasRadiusFive) {
  LensShape lens;
  ASSERT_EQ(MakeLensShape(480, 1, 0, &lens), 1);
  EXPECT_DOUBLE_EQ(lens.radius, 5.0);
  EXPECT_DOUBLE_EQ(lens.sphereRadius, 10.0);
  EXPECT_DOUBLE_EQ(lens.depth, std::sqrt(75.0));
  EXPECT_EQ(MakeLensShape(480, 0, 0, &lens), 0);
  ASSERT_EQ(MakeLensShape(480, 1, -101, &lens), 1);  // held to −100: no division by zero
  EXPECT_DOUBLE_EQ(lens.sphereRadius, 5.0 * 202);
}

// Red = x, green = y: a lens pixel's colour tells where it was sampled.
TestCanvas Ramp(int w, int h) {
  TestCanvas p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Set(x, y, MakeColour(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 7));
  return p;
}

TEST(Lens, MagnifiesTowardTheCentre) {
  TestCanvas snapshot = Ramp(200, 120), canvas(200, 120, 0);
  ChangedRect r = ApplyLens(&canvas.view, snapshot.view, snapshot.all, 100, 60, 50, 20);  // R0 = 25
  ASSERT_TRUE(r.changed);
  EXPECT_EQ(r.left, 74);
  EXPECT_EQ(r.right, 126);
  EXPECT_EQ(canvas.Get(100, 60), snapshot.Get(100, 60));
  for (int dx = 1; dx < 25; ++dx) {
    EXPECT_GE(RedOf(canvas.Get(100 + dx, 60)), 100) << dx;
    EXPECT_LT(RedOf(canvas.Get(100 + dx, 60)), 100 + dx) << dx;
  }
  EXPECT_EQ(canvas.Get(125, 60), snapshot.Get(125, 60));  // at r = R0 the source is the pixel
  EXPECT_EQ(canvas.Get(74, 36), snapshot.Get(74, 36));    // outside the circle: copied
  EXPECT_EQ(canvas.Get(73, 60), 0u);                      // outside the square: untouched
}

TEST(Lens, EdgesCutTheSquareAndHoldTheSamples) {
  TestCanvas snapshot = Ramp(40, 30), canvas(40, 30, 0);
  ChangedRect r = ApplyLens(&canvas.view, snapshot.view, snapshot.all, 0, 0, 100, 6);  // R0 = 1.875
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, 2);
  r = ApplyLens(&canvas.view, snapshot.view, snapshot.all, 39, 29, 100, 6);
  EXPECT_EQ(r.right, 39);
  EXPECT_EQ(r.bottom, 29);
  EXPECT_FALSE(ApplyLens(&canvas.view, snapshot.view, snapshot.all, 500, 500, 0, 5).changed);
  // R0 = 48 × 12 / 96 = 6: rim pixels on the first or last column and row, with their far
  // samples one step off the picture; those at the ends of the buffer would read outside it.
  TestCanvas tall = Ramp(40, 48), out(40, 48, 0);
  const int lenses[3][4] = {{33, 0, 39, 0}, {6, 47, 0, 47}, {0, 41, 0, 47}};  // centre, rim pixel
  for (const auto& l : lenses) {
    ApplyLens(&out.view, tall.view, tall.all, l[0], l[1], 0, 12);
    EXPECT_EQ(out.Get(l[2], l[3]), tall.Get(l[2], l[3]));
  }
}

TEST(Lens, OnlyTheClipChanges) {
  TestCanvas snapshot = Ramp(60, 60), canvas = Ramp(60, 60);
  ClipMask clip;
  clip.SetRects(60, 60, {{30, 0, 60, 60}});
  ApplyLens(&canvas.view, snapshot.view, clip, 30, 30, 100, 30);
  int changed = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) {
      if (x < 30) {
        ASSERT_EQ(canvas.Get(x, y), snapshot.Get(x, y));
      }
      changed += canvas.Get(x, y) != snapshot.Get(x, y);
    }
  EXPECT_GT(changed, 100);
}

}  // namespace
