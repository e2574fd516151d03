// Layout values as the layout file gives them, and the screen variant for each screen size.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "colvane/layout/layout_values.h"

namespace {
constexpr int kReach = 1024;  // a 1024 x 768 screen
}  // namespace

// Every hostile point value: the atoi/strtok result, or the defaults (-1, -2) when a number is
// missing or cannot lie on the screen.
TEST(LayoutPoint, HostileValuesGiveTheNumbersOrTheDefaults) {
  struct Case {
    const char* text;
    int present, x, y;
  } cases[] = {
      {"12,340", 1, 12, 340},     {" 10 , 20 ", 1, 10, 20},   {"10,20,30", 1, 10, 20},
      {",20", 0, -1, -2},         {"10", 0, -1, -2},           {"a,b", 1, 0, 0},
      {"42A,7", 1, 42, 7},        {"10,,20", 1, 10, 20},       {"nop", 0, -1, -2},
      {"", 0, -1, -2},            {"-5,+6", 1, -5, 6},         {",,,", 0, -1, -2},
      {"4294967297,0", 0, -1, -2}, {"0,4294967297", 0, -1, -2}, {"-2147483648,0", 0, -1, -2},
      {"2147483647,5", 0, -1, -2}, {"1025,0", 0, -1, -2},       {"1024,-1024", 1, 1024, -1024},
      {"0,-1025", 0, -1, -2},
  };
  for (const Case& c : cases) {
    int x = 99, y = 99;
    EXPECT_EQ(ParseLayoutPoint(c.text, -1, -2, kReach, &x, &y), c.present) << c.text;
    EXPECT_EQ(x, c.x) << c.text;
    EXPECT_EQ(y, c.y) << c.text;
  }
}

TEST(LayoutRect, HostileValuesGiveTheNumbersOrTheDefaults) {
  const int defaults[4] = {1, 2, 3, 4};
  struct Case {
    const char* text;
    int present, r[4];
  } cases[] = {
      {"10,20,30", 0, {1, 2, 3, 4}},          {"10,20,30,40,50", 1, {10, 20, 30, 40}},
      {"30,0,10,5", 1, {30, 0, 10, 5}},       {"7,7,7,7", 1, {7, 7, 7, 7}},
      {"nor", 0, {1, 2, 3, 4}},               {"", 0, {1, 2, 3, 4}},
      {" 1 ,, 2 ,3,x", 1, {1, 2, 3, 0}},      {"0,0,4294967297,10", 0, {1, 2, 3, 4}},
      {"-2147483648,0,0,0", 0, {1, 2, 3, 4}}, {"0,0,99999999999999999999,1", 0, {1, 2, 3, 4}},
      {"-1024,-1024,1024,1024", 1, {-1024, -1024, 1024, 1024}},
  };
  for (const Case& c : cases) {
    int r[4] = {99, 99, 99, 99};
    EXPECT_EQ(ParseLayoutRect(c.text, defaults, kReach, r), c.present) << c.text;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(r[i], c.r[i]) << c.text << " number " << i;
  }
}

TEST(LayoutValues, NumbersClampAndLongValuesAreCutNotOverflowed) {
  EXPECT_EQ(LayoutAtoi("4294967297"), INT_MAX);
  EXPECT_EQ(LayoutAtoi("-99999999999999999999"), INT_MIN);
  EXPECT_EQ(LayoutAtoi("2147483647"), INT_MAX);
  EXPECT_EQ(LayoutAtoi("-2147483648"), INT_MIN);
  const std::string longValue(5000, '7');
  int x = 0, y = 0;
  EXPECT_EQ(ParseLayoutPoint((longValue + ",3").c_str(), 5, 6, kReach, &x, &y), 0);
  EXPECT_EQ(x, 5);
  EXPECT_EQ(ParseLayoutPoint(("3," + std::string(5000, '0') + "9").c_str(), 5, 6, kReach, &x, &y), 1);
  EXPECT_EQ(y, 0);  // a token is read up to 63 characters: only zeros are left
}

TEST(LayoutValues, TheReachFollowsTheScreenWithinItsBounds) {
  EXPECT_EQ(LayoutReach(1024, 768), 1024);
  EXPECT_EQ(LayoutReach(768, 1024), 1024);
  EXPECT_EQ(LayoutReach(640, 480), kMinLayoutReach);  // the 800 layout's keys still read
  EXPECT_EQ(LayoutReach(0, -5), kMinLayoutReach);
  EXPECT_EQ(LayoutReach(INT_MAX, INT_MAX), kMaxLayoutReach);
}

// The paper origin of every hostile value on every screen, as start-up computes it: the sum of
// the screen origin and the layout value is exact (UBSan would report an overflow) and lies
// within one reach of the screen.
TEST(LayoutValues, PaperOriginsFromHostileValuesStayOnTheScreensReach) {
  const char* values[] = {"12,340",        " 10 , 20 ",    "10,20,30",      ",20",
                          "10",            "a,b",          "42A,7",         "4294967297,0",
                          "0,4294967297",  "-4294967297,0", "2147483647,2147483647",
                          "-2147483648,-2147483648", "65536,65536", "-65536,-65536", "nop", ""};
  const int screens[][2] = {{640, 480},  {800, 600},     {1024, 768}, {1280, 1024},
                            {0, 0},      {-800, -600},   {65536, 65536}, {INT_MAX, INT_MAX}};
  for (const auto& screen : screens) {
    const ScreenGeometry g = ChooseScreenGeometry(screen[0], screen[1]);
    const int reach = LayoutReach(screen[0], screen[1]);
    for (const char* value : values) {
      int x = 0, y = 0;
      ParseLayoutPoint(value, 0, 0, reach, &x, &y);
      const int64_t paperX = int64_t(g.screenOriginX) + x, paperY = int64_t(g.screenOriginY) + y;
      EXPECT_LE(std::abs(x), reach) << value;
      EXPECT_LE(std::abs(y), reach) << value;
      EXPECT_LE(paperX + 2 * reach, INT_MAX) << value << " on " << screen[0];
      EXPECT_GE(paperY - 2 * reach, INT_MIN) << value << " on " << screen[0];
    }
  }
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
