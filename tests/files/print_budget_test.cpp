// The print budget over days, minutes and a clock set back.
#include "colvane/files/print_budget.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintBudget, Answers) {
  constexpr int64_t kDay = 160000, kMinute = kDay * 1440 + 600;
  struct Case {
    const char* what;
    PrintBudget budget;
    PrintRecord record;
    int64_t minute;
    PrintVerdict verdict;
    int copiesLeft, wait;
  } cases[] = {
      {"no budget", {}, {}, kMinute, PrintVerdict::kPrint, -1, 0},
      {"no printing", {false, 0, 0}, {}, kMinute, PrintVerdict::kNoPrinting, 0, 0},
      {"first copies of the day", {true, 3, 0}, {kDay - 1, 3, kMinute - 1440}, kMinute, PrintVerdict::kPrint, 3, 0},
      {"some left", {true, 3, 0}, {kDay, 2, kMinute - 60}, kMinute, PrintVerdict::kPrint, 1, 0},
      {"day used up", {true, 3, 0}, {kDay, 3, kMinute - 60}, kMinute, PrintVerdict::kDayUsedUp, 0, 0},
      {"clock set back a day", {true, 3, 0}, {kDay + 1, 3, kMinute + 1440}, kMinute, PrintVerdict::kDayUsedUp, 0, 0},
      {"too soon", {true, 0, 10}, {kDay, 1, kMinute - 4}, kMinute, PrintVerdict::kTooSoon, 0, 6},
      {"just ready", {true, 0, 10}, {kDay, 1, kMinute - 10}, kMinute, PrintVerdict::kPrint, -1, 0},
      {"clock set back an hour", {true, 0, 10}, {kDay, 1, kMinute + 60}, kMinute, PrintVerdict::kTooSoon, 0, 10},
      {"never printed", {true, 2, 10}, {}, kMinute, PrintVerdict::kPrint, 2, 0},
  };
  for (const Case& c : cases) {
    const PrintAnswer a = AskToPrint(c.budget, c.record, c.minute / 1440, c.minute);
    EXPECT_EQ(a.verdict, c.verdict) << c.what;
    EXPECT_EQ(a.verdict == PrintVerdict::kPrint ? a.copiesLeft : a.minutesToWait,
              c.verdict == PrintVerdict::kPrint ? c.copiesLeft : c.wait)
        << c.what;
  }
}

TEST(PrintBudget, RecordCountsTheDay) {
  PrintRecord r;
  r = AfterPrinting(r, 10, 14400, 2);
  EXPECT_EQ(r.day, 10);
  EXPECT_EQ(r.copies, 2);
  r = AfterPrinting(r, 10, 14500, 0);  // nothing printed: unchanged
  EXPECT_EQ(r.lastMinute, 14400);
  r = AfterPrinting(r, 10, 14500, 1);
  EXPECT_EQ(r.copies, 3);
  r = AfterPrinting(r, 11, 15900, 1);  // a new day starts the count again
  EXPECT_EQ(r.day, 11);
  EXPECT_EQ(r.copies, 1);
  EXPECT_EQ(r.lastMinute, 15900);
}

}  // namespace
