// Blur, sharpen, emboss and the magnifying lens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "colvane/canvas/effects.h"
#include "colvane/canvas/lens.h"

namespace {

struct Picture {
  std::vector<uint8_t> bytes;
  PixelView view;
  Picture(int w, int h, uint32_t colour) : bytes(static_cast<size_t>(Stride24(w)) * h) {
    view = {bytes.data(), w, h, Stride24(w)};
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) Set(x, y, colour);
  }
  Picture(const Picture& o) : bytes(o.bytes), view(o.view) { view.bits = bytes.data(); }
  Picture& operator=(const Picture& o) {
    bytes = o.bytes;
    view = o.view;
    view.bits = bytes.data();
    return *this;
  }
  void Set(int x, int y, uint32_t c) {
    uint8_t* p = view.At(x, y);
    p[0] = BlueOf(c);
    p[1] = GreenOf(c);
    p[2] = RedOf(c);
  }
  uint32_t Get(int x, int y) const {
    const uint8_t* p = view.At(x, y);
    return MakeColour(p[2], p[1], p[0]);
  }
  void Randomise(std::mt19937& rng) {
    for (int y = 0; y < view.height; ++y)
      for (int x = 0; x < view.width; ++x) Set(x, y, rng() & 0xFFFFFF);
  }
};

ClipMask All(int w, int h) {
  ClipMask m;
  m.SetAll(w, h);
  return m;
}

TEST(PictureEffect, UniformAreaStaysOrTurnsGrey) {
  const uint32_t colour = MakeColour(200, 17, 99);
  for (int effect : {kEffectBlur, kEffectSharpen, kEffectEmboss}) {
    Picture snapshot(13, 9, colour), canvas(13, 9, 0);
    ASSERT_EQ(ApplyPictureEffect(effect, &canvas.view, snapshot.view, All(13, 9)), 1);
    uint32_t expected = effect == kEffectEmboss ? MakeColour(128, 128, 128) : colour;
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 13; ++x) ASSERT_EQ(canvas.Get(x, y), expected) << effect << " " << x << "," << y;
  }
}

TEST(PictureEffect, EmbossCornersGiveWhiteAndBlack) {
  Picture snapshot(3, 3, 0x808080), canvas(3, 3, 0);
  snapshot.Set(0, 0, 0x000000);
  snapshot.Set(2, 2, 0xFFFFFF);
  ApplyPictureEffect(kEffectEmboss, &canvas.view, snapshot.view, All(3, 3));
  EXPECT_EQ(canvas.Get(1, 1), 0xFFFFFFu);
  snapshot.Set(0, 0, 0xFFFFFF);
  snapshot.Set(2, 2, 0x000000);
  ApplyPictureEffect(kEffectEmboss, &canvas.view, snapshot.view, All(3, 3));
  EXPECT_EQ(canvas.Get(1, 1), 0u);
  // Channels stay apart: a red-only step embosses red only.
  snapshot = Picture(3, 3, 0);
  snapshot.Set(2, 2, MakeColour(100, 0, 0));
  ApplyPictureEffect(kEffectEmboss, &canvas.view, snapshot.view, All(3, 3));
  EXPECT_EQ(canvas.Get(1, 1), MakeColour(228, 128, 128));
}

TEST(PictureEffect, SinglePixelSelectionKeepsThatPixel) {
  std::mt19937 rng(7);
  Picture snapshot(8, 8, 0);
  snapshot.Randomise(rng);
  for (int effect : {kEffectBlur, kEffectSharpen}) {
    Picture canvas = snapshot;
    ClipMask clip;
    clip.SetRects(8, 8, {{3, 4, 4, 5}});
    ApplyPictureEffect(effect, &canvas.view, snapshot.view, clip);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) ASSERT_EQ(canvas.Get(x, y), snapshot.Get(x, y)) << effect;
  }
}

TEST(PictureEffect, UnknownEffectChangesNothing) {
  Picture snapshot(4, 4, 0x123456), canvas(4, 4, 0);
  EXPECT_EQ(ApplyPictureEffect(0, &canvas.view, snapshot.view, All(4, 4)), 0);
  EXPECT_EQ(ApplyPictureEffect(4, &canvas.view, snapshot.view, All(4, 4)), 0);
  EXPECT_EQ(canvas.Get(1, 1), 0u);
}

// The kernels as a table, one pixel at a time.
int Reference(int effect, const Picture& src, const ClipMask& clip, int x, int y, int c) {
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
  if (effect == kEffectSharpen) return std::clamp(sum, 0, 255);
  return std::clamp(sum + 128, 0, 255);
}

// Random pictures and selections against the table: the fast interior and the border agree.
TEST(PictureEffectProperty, MatchesTheKernelTable) {
  std::mt19937 rng(99);
  for (int round = 0; round < 60; ++round) {
    int w = 1 + rng() % 37, h = 1 + rng() % 23;
    Picture snapshot(w, h, 0);
    snapshot.Randomise(rng);
    Picture canvas(w, h, 0xABCDEF);
    ClipMask clip;
    if (round % 3 == 0) {
      clip.SetAll(w, h);
    } else {
      std::vector<ClipRect> rects;
      for (int i = rng() % 5; i >= 0; --i) {
        int l = static_cast<int>(rng() % w) - 1, t = static_cast<int>(rng() % h) - 1;
        rects.push_back({l, t, l + 1 + static_cast<int>(rng() % w), t + 1 + static_cast<int>(rng() % h)});
      }
      clip.SetRects(w, h, rects);
    }
    int effect = 1 + round % 3;
    ApplyPictureEffect(effect, &canvas.view, snapshot.view, clip);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        for (int c = 0; c < 3; ++c) {
          int expected = clip.Contains(x, y) ? Reference(effect, snapshot, clip, x, y, c)
                                             : (c == 0 ? 0xAB : c == 1 ? 0xCD : 0xEF);
          ASSERT_EQ(canvas.view.At(x, y)[c], expected)
              << "round " << round << " effect " << effect << " at " << x << "," << y;
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
  // Strength beyond the slider's range is held to it: no division by zero at −101.
  ASSERT_EQ(MakeLensShape(480, 1, -101, &lens), 1);
  EXPECT_DOUBLE_EQ(lens.sphereRadius, 5.0 * 202);
}

// Red = x, green = y: the source position of each lens pixel can be read off its colour.
Picture Ramp(int w, int h) {
  Picture p(w, h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Set(x, y, MakeColour(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 7));
  return p;
}

TEST(Lens, MagnifiesTowardTheCentre) {
  Picture snapshot = Ramp(200, 120);
  Picture canvas(200, 120, 0);  // differs from the snapshot: every square pixel is rewritten
  ChangedRect r = ApplyLens(&canvas.view, snapshot.view, All(200, 120), 100, 60, 50, 20);
  // R0 = 120 × 20 / 96 = 25.
  ASSERT_TRUE(r.changed);
  EXPECT_EQ(r.left, 74);
  EXPECT_EQ(r.right, 126);
  EXPECT_EQ(canvas.Get(100, 60), snapshot.Get(100, 60));
  for (int dx = 1; dx < 25; ++dx) {
    int red = RedOf(canvas.Get(100 + dx, 60));
    EXPECT_GE(red, 100) << dx;
    EXPECT_LT(red, 100 + dx) << dx;
    EXPECT_EQ(GreenOf(canvas.Get(100 + dx, 60)), 60);
  }
  EXPECT_EQ(canvas.Get(125, 60), snapshot.Get(125, 60));  // at r = R0 the source is the pixel
  EXPECT_EQ(canvas.Get(74, 36), snapshot.Get(74, 36));    // outside the circle: copied
  EXPECT_EQ(canvas.Get(73, 60), 0u);                      // outside the square: untouched
}

TEST(Lens, AtTheCanvasCornersTheSquareIsCut) {
  Picture snapshot = Ramp(40, 30);
  for (auto [cx, cy] : {std::pair{0, 0}, std::pair{39, 29}, std::pair{-3, 31}}) {
    Picture canvas(40, 30, 0);
    ChangedRect r = ApplyLens(&canvas.view, snapshot.view, All(40, 30), cx, cy, 100, 6);
    // R0 = 30 × 6 / 96 = 1.875.
    ASSERT_TRUE(r.changed);
    EXPECT_EQ(r.left, std::max(static_cast<int>(cx - 1.875 - 1), 0));
    EXPECT_EQ(r.right, std::min(static_cast<int>(cx + 1.875 + 1), 39));
    EXPECT_EQ(r.bottom, std::min(static_cast<int>(cy + 1.875 + 1), 29));
  }
  Picture canvas(40, 30, 0);
  EXPECT_FALSE(ApplyLens(&canvas.view, snapshot.view, All(40, 30), 500, 500, 0, 5).changed);
  EXPECT_FALSE(ApplyLens(&canvas.view, snapshot.view, All(40, 30), 10, 10, 0, 0).changed);
}

TEST(Lens, FarSamplesPastTheEdgeAreHeldToIt) {
  // R0 = 48 × 12 / 96 = 6: the rim pixels (39, 41) and (33, 47) lie on the last column and row,
  // and their far samples one step further out.
  Picture snapshot = Ramp(40, 48);
  Picture canvas(40, 48, 0);
  ApplyLens(&canvas.view, snapshot.view, All(40, 48), 33, 41, 0, 12);
  EXPECT_EQ(canvas.Get(39, 41), snapshot.Get(39, 41));
  EXPECT_EQ(canvas.Get(33, 47), snapshot.Get(33, 47));
}

TEST(Lens, OnlyTheClipChanges) {
  Picture snapshot = Ramp(60, 60);
  Picture canvas = snapshot;
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
