// The print budget's answer and its record.
#include "colvane/files/print_budget.h"

PrintAnswer AskToPrint(const PrintBudget& budget, const PrintRecord& record, int64_t today, int64_t nowMinute) {
  PrintAnswer answer;
  if (!budget.printing) {
    answer.verdict = PrintVerdict::kNoPrinting;
    return answer;
  }
  if (budget.minutesBetween > 0 && record.lastMinute >= 0) {
    const int64_t now = nowMinute < record.lastMinute ? record.lastMinute : nowMinute;
    const int64_t ready = record.lastMinute + budget.minutesBetween;
    if (now < ready) {
      answer.verdict = PrintVerdict::kTooSoon;
      answer.minutesToWait = static_cast<int>(ready - now);
      return answer;
    }
  }
  answer.copiesLeft = -1;
  if (budget.copiesPerDay > 0) {
    // A day before the recorded one is a clock set back: its copies still count.
    const int used = record.day >= today ? record.copies : 0;
    answer.copiesLeft = used >= budget.copiesPerDay ? 0 : budget.copiesPerDay - used;
    if (answer.copiesLeft == 0) answer.verdict = PrintVerdict::kDayUsedUp;
  }
  return answer;
}

PrintRecord AfterPrinting(const PrintRecord& record, int64_t today, int64_t nowMinute, int printed) {
  if (printed <= 0) return record;
  PrintRecord next = record;
  if (record.day < today) {
    next.day = today;
    next.copies = 0;
  }
  next.copies += printed;
  if (nowMinute > next.lastMinute) next.lastMinute = nowMinute;
  return next;
}
