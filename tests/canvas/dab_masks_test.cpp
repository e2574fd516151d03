// Dab masks: weights of the 64 phases at the smallest sizes (size 1 is one pixel), the toothpaste's halved masks, and
// the disc-with-soft-rim shape.
#include "colvane/canvas/dab_masks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Calls fn(weight, distance from the mask's centre) for every cell of every phase.
template <class Fn>
void ForEachCell(const DabMasks& m, Fn fn) {
  for (int index = 0; index < 64; ++index) {
    const uint8_t* mask = DabMask(m, index);
    double cx = m.margin + 1 + (index % 8) * 0.125, cy = m.margin + 1 + (index / 8) * 0.125;
    for (int r = 0; r < m.dim; ++r)
      for (int c = 0; c < m.dim; ++c) fn(mask[r * m.dim + c], std::hypot(c - cx, r - cy), index, r, c);
  }
}

TEST(DabMasks, SizeTwoWeighsOnlyCellsWithinOnePixel) {
  for (int mode : {kModePencil, kModeBrush}) {
    DabMasks m;
    SetStrokeSize(&m, 2, mode);
    ASSERT_EQ(2, m.margin);
    ASSERT_EQ(6, m.dim);
    int weighted = 0;
    ForEachCell(m, [&](int32_t w, double d, int index, int r, int c) {
      if (w == 0) return;
      ++weighted;
      EXPECT_LT(d, 1.0) << index << " " << r << "," << c;
      // Below 128 everywhere but on the centre itself, which only the whole-pixel phase hits.
      if (index == 0 && r == 3 && c == 3)
        EXPECT_EQ(128, w);
      else
        EXPECT_LT(w, 128) << index << " " << r << "," << c;
    });
    EXPECT_GT(weighted, 64);
  }
}

TEST(DabMasks, SizeZeroWeighsNothing) {
  for (int mode : {kModePencil, kModeBrush, kModeToothpaste, kModeSoftEraser}) {
    DabMasks m;
    SetStrokeSize(&m, 0, mode);
    EXPECT_EQ(0.0, m.radius);
    ForEachCell(m, [&](int32_t w, double, int, int, int) { ASSERT_EQ(0, w) << mode; });
  }
}

// Radius 0 would leave the disc empty: size 1 weighs the one cell under the centre, in every
// phase, so the smallest pencil and soft eraser still lay a one-pixel line.
TEST(DabMasks, SizeOneWeighsOnlyTheCellUnderTheCentre) {
  for (int mode : {kModePencil, kModeSoftEraser, kModeBrush, kModeToothpaste}) {
    DabMasks m;
    SetStrokeSize(&m, 1, mode);
    ASSERT_EQ(2, m.margin);
    int weighted = 0;
    ForEachCell(m, [&](int32_t w, double, int index, int r, int c) {
      if (r == 3 && c == 3) {
        EXPECT_EQ(mode == kModeToothpaste ? 64 : 128, w) << mode << " phase " << index;
        EXPECT_EQ(3, DabSpans(m, index)[r].begin);
        EXPECT_EQ(4, DabSpans(m, index)[r].end);
      }
      weighted += w != 0;
    });
    EXPECT_EQ(64, weighted) << mode;
  }
}

TEST(DabMasks, ToothpasteMasksAreHalved) {
  DabMasks m;
  SetStrokeSize(&m, 52, kModeToothpaste);
  int32_t top = 0;
  ForEachCell(m, [&](int32_t w, double, int, int, int) { top = std::max(top, w); });
  EXPECT_EQ(64, top);
}

}  // namespace
