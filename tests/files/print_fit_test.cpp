// The printed picture's place: fitted with its proportions, centred, a quarter inch to the right.
#include "colvane/files/print_fit.h"

#include <gtest/gtest.h>

TEST(PrintFit, WidePageCentresHorizontallyAtFullHeight) {
  // 300 dpi landscape A4: Wp = 3508 - 150 = 3358, Hp = 2480 - 300 = 2180, t = 2906.67.
  PrintPlace p = FitOnPage(640, 480, 3508, 2480, 300, 300);
  EXPECT_EQ(p.top, 0);
  EXPECT_EQ(p.bottom, 2180);
  EXPECT_EQ(p.right - p.left, 2906);
  EXPECT_EQ(p.left, (3358 - 2906) / 2);
  EXPECT_EQ(p.x, 75 + p.left);
  EXPECT_EQ(p.y, 0);
  EXPECT_EQ(p.height, 2180);
}

TEST(PrintFit, NarrowPageCentresVerticallyAtFullWidth) {
  // 300 dpi portrait A4: Wp = 2480 - 150 = 2330, Hp = 3508 - 300 = 3208; h = 480 / 640 * 2330.
  PrintPlace p = FitOnPage(640, 480, 2480, 3508, 300, 300);
  EXPECT_EQ(p.left, 0);
  EXPECT_EQ(p.right, 2330);
  EXPECT_EQ(p.height, 1747);  // 1747.5 truncated
  EXPECT_EQ(p.top, (3208 - 1747) / 2);
  EXPECT_EQ(p.bottom, p.top + 1747);
  EXPECT_EQ(p.x, 75);
}

TEST(PrintFit, ExactProportionsLetTheWidthLimit) {
  // Wp == t: the width limits and nothing is left over either way.
  PrintPlace p = FitOnPage(640, 480, 640 + 50, 480 + 100, 100, 100);
  EXPECT_EQ(p.left, 0);
  EXPECT_EQ(p.right, 640);
  EXPECT_EQ(p.top, 0);
  EXPECT_EQ(p.bottom, 480);
}

TEST(PrintFit, PrintableSizesWrapAtSixteenBits) {
  // A page smaller than its margins: the printable width wraps to a large unsigned value, so
  // the height limits.
  PrintPlace p = FitOnPage(640, 480, 10, 500, 100, 100);
  EXPECT_EQ(p.top, 0);
  EXPECT_EQ(p.bottom, 400);
  EXPECT_EQ(p.right - p.left, 533);
  EXPECT_EQ(p.left, (65496 - 533) / 2);
}

TEST(PrintFit, EmptyCanvasPrintsNothing) {
  PrintPlace p = FitOnPage(0, 480, 2480, 3508, 300, 300);
  EXPECT_EQ(p.width, 0);
  EXPECT_EQ(p.height, 0);
}
