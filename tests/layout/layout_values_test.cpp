// Layout values as the layout file gives them, and the screen variant for each screen size.
#include <gtest/gtest.h>

#include <climits>

#include "colvane/layout/layout_values.h"

TEST(LayoutPoint, ParsesTwoNumbersAndFallsBackWhenMalformed) {
  struct Case {
    const char* text;
    int present, x, y;
  } cases[] = {
      {"12,340", 1, 12, 340},     {" 10 , 20 ", 1, 10, 20},  {"10,20,30", 1, 10, 20},
      {",20", 0, -1, -2},         {"10", 0, -1, -2},          {"a,b", 1, 0, 0},
      {"42A,7", 1, 42, 7},        {"10,,20", 1, 10, 20},      {"nop", 0, -1, -2},
      {"", 0, -1, -2},            {"-5,+6", 1, -5, 6},        {",,,", 0, -1, -2},
  };
  for (const Case& c : cases) {
    int x = 99, y = 99;
    EXPECT_EQ(ParseLayoutPoint(c.text, -1, -2, &x, &y), c.present) << c.text;
    EXPECT_EQ(x, c.x) << c.text;
    EXPECT_EQ(y, c.y) << c.text;
  }
}

TEST(LayoutPoint, NumbersPastThe32BitRangeClampInsteadOfWrapping) {
  int x = 0, y = 0;
  ASSERT_EQ(ParseLayoutPoint("4294967297,0", 0, 0, &x, &y), 1);
  EXPECT_EQ(x, INT_MAX);
  EXPECT_EQ(LayoutAtoi("-99999999999999999999"), INT_MIN);
  EXPECT_EQ(LayoutAtoi("2147483647"), INT_MAX);
  EXPECT_EQ(LayoutAtoi("-2147483648"), INT_MIN);
}

TEST(LayoutRect, NeedsFourNumbers) {
  const int defaults[4] = {1, 2, 3, 4};
  int r[4];
  EXPECT_EQ(ParseLayoutRect("10,20,30", defaults, r), 0);
  EXPECT_EQ(r[0], 1);
  EXPECT_EQ(r[3], 4);
  EXPECT_EQ(ParseLayoutRect("10,20,30,40,50", defaults, r), 1);
  EXPECT_EQ(r[0], 10);
  EXPECT_EQ(r[3], 40);
  // A rectangle whose right is left of its left is given as it stands; users clip it.
  EXPECT_EQ(ParseLayoutRect("30,0,10,5", defaults, r), 1);
  EXPECT_EQ(r[2], 10);
  EXPECT_EQ(ParseLayoutRect("nor", defaults, r), 0);
}

TEST(LayoutValues, LongValuesAreCutNotOverflowed) {
  std::string longValue(5000, '7');
  int x = 0, y = 0;
  EXPECT_EQ(ParseLayoutPoint((longValue + ",3").c_str(), 0, 0, &x, &y), 1);
  EXPECT_EQ(x, INT_MAX);
  EXPECT_EQ(y, 3);
}

TEST(ScreenGeometry, ChoosesTheVariantFromTheScreen) {
  ScreenGeometry g = ChooseScreenGeometry(1024, 768);
  EXPECT_EQ(g.wideLayout, 1);
  EXPECT_EQ(g.screenOriginX, 112);
  EXPECT_EQ(g.screenOriginY, 84);
  EXPECT_EQ(g.paperWidth, 640);
  EXPECT_EQ(g.paperHeight, 480);

  g = ChooseScreenGeometry(800, 600);
  EXPECT_EQ(g.wideLayout, 1);
  EXPECT_EQ(g.screenOriginX, 0);
  EXPECT_EQ(g.screenOriginY, 0);
  EXPECT_EQ(g.paperWidth, 640);
  EXPECT_EQ(g.paperHeight, 480);

  g = ChooseScreenGeometry(640, 480);
  EXPECT_EQ(g.wideLayout, 0);
  EXPECT_EQ(g.paperWidth, 482);
  EXPECT_EQ(g.paperHeight, 371);

  g = ChooseScreenGeometry(801, 601);  // odd sizes truncate the centring
  EXPECT_EQ(g.screenOriginX, 0);
  EXPECT_EQ(g.screenOriginY, 0);
  g = ChooseScreenGeometry(1280, 1024);
  EXPECT_EQ(g.screenOriginX, 240);
  EXPECT_EQ(g.screenOriginY, 212);
}

TEST(FolderPath, AddsOneBackslashOnlyWhenMissing) {
  char out[64];
  EXPECT_EQ(JoinFolderPath("C:\\PROG", "Colvane.ini", out, sizeof(out)), 1);
  EXPECT_STREQ(out, "C:\\PROG\\Colvane.ini");
  EXPECT_EQ(JoinFolderPath("C:\\", "Colvane.ini", out, sizeof(out)), 1);
  EXPECT_STREQ(out, "C:\\Colvane.ini");
  char tiny[8];
  EXPECT_EQ(JoinFolderPath("C:\\LONGFOLDER", "x.ini", tiny, sizeof(tiny)), 0);
  EXPECT_EQ(std::string(tiny).size(), 7u);
}
