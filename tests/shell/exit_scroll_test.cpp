// The exit picture rises in steps of 2, then scrolls until its last rows fill the viewport.
#include <gtest/gtest.h>

#include "colvane/shell/exit_scroll.h"

TEST(ExitScroll, RisesThenScrollsToTheLastRows) {
  ExitScroll s;
  int ticks = 0;
  ExitScrollStep(&s, 10, 30);
  ++ticks;
  EXPECT_EQ(s.top, 8);  // starts at the viewport's side, rises 2 a tick
  while (s.top > 0) {
    EXPECT_EQ(ExitScrollStep(&s, 10, 30), 0);
    ++ticks;
  }
  EXPECT_EQ(ticks, 5);
  EXPECT_EQ(s.sourceY, 0);
  while (!ExitScrollStep(&s, 10, 30)) ++ticks;
  EXPECT_EQ(s.sourceY, 20);  // the last 10 rows of 30 fill the viewport
  EXPECT_EQ(ticks, 15);
}

TEST(ExitScroll, OddSidesAndShortPicturesStillEnd) {
  ExitScroll s;
  int ticks = 0;
  while (!ExitScrollStep(&s, 7, 3) && ticks < 100) ++ticks;
  EXPECT_EQ(s.top, 0);  // clamped, never below the viewport's top
  EXPECT_EQ(s.sourceY, 0);
  EXPECT_LT(ticks, 100);
}

// A bigger viewport takes bigger steps, so a card rises in about forty ticks at any size.
TEST(ExitScroll, BigCardsRiseInAboutFortyTicks) {
  const struct { int side, height, ticks; } cases[] = {{80, 80, 40}, {168, 168, 34}, {400, 400, 40}, {168, 178, 36}};
  for (const auto& c : cases) {
    ExitScroll s;
    int ticks = 0;
    while (!ExitScrollStep(&s, c.side, c.height) && ticks < 1000) ++ticks;
    EXPECT_EQ(ticks, c.ticks) << c.side << " x " << c.height;
    EXPECT_EQ(s.sourceY, c.height - c.side) << "the last rows fill the viewport";
  }
}
