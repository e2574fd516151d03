// A grown-up's print budget: at most so many copies a day and so many minutes between jobs,
// counted over restarts. Pure: the day, the minute and the record come in as numbers.
#pragma once
#include <cstdint>

struct PrintBudget {
  bool printing = true;    // false: no printing at all
  int copiesPerDay = 0;    // 0: any number
  int minutesBetween = 0;  // 0: no wait
};

// What this user has printed; kept in the user's settings.
struct PrintRecord {
  int64_t day = -1;         // days since 1601 (local time) of the copies counted
  int copies = 0;           // copies printed that day
  int64_t lastMinute = -1;  // minute (since 1601) the last job ended; -1: never
};

enum class PrintVerdict { kPrint, kNoPrinting, kDayUsedUp, kTooSoon };

struct PrintAnswer {
  PrintVerdict verdict = PrintVerdict::kPrint;
  int copiesLeft = 0;     // copies the day still allows (kPrint), -1 for any number
  int minutesToWait = 0;  // kTooSoon: whole minutes, at least 1
};

// Whether a job may start now. A clock set back before the last job counts as the last job's
// minute, so turning the clock back never opens the budget early.
PrintAnswer AskToPrint(const PrintBudget& budget, const PrintRecord& record, int64_t today, int64_t nowMinute);
// The record after `printed` copies of a job that ended now.
PrintRecord AfterPrinting(const PrintRecord& record, int64_t today, int64_t nowMinute, int printed);
