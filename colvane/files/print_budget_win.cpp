// The print budget's record ([Prints] of the user's own settings file) and its cards.
#include "colvane/files/print_budget_win.h"

#include <cstdio>
#include <cstdlib>

#include "colvane/frame/notice_card_win.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/layout/policy_win.h"

namespace {

const char kSection[] = "Prints";

// Minutes since 1601 on the local clock.
int64_t LocalMinute() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  FILETIME file;
  if (!SystemTimeToFileTime(&now, &file)) return 0;
  const uint64_t ticks = (static_cast<uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
  return static_cast<int64_t>(ticks / 600000000ull);
}

// A number of the record, or `fallback` when it is not one or lies beyond any clock (so the
// budget's sums can't overflow).
int64_t ReadNumber(const char* path, const char* key, int64_t fallback) {
  constexpr long long kBeyondAnyClock = 1LL << 40;
  char text[32];
  GetPrivateProfileStringA(kSection, key, "", text, sizeof(text), path);
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  if (!text[0] || !end || *end || value < -1 || value > kBeyondAnyClock) return fallback;
  return value;
}

PrintRecord ReadRecord() {
  char path[MAX_PATH];
  UserSettingsFilePath(path);
  PrintRecord record;
  if (!path[0]) return record;
  record.day = ReadNumber(path, "Day", -1);
  const int64_t copies = ReadNumber(path, "Copies", 0);
  record.copies = copies < 0 ? 0 : copies > 100000 ? 100000 : static_cast<int>(copies);
  record.lastMinute = ReadNumber(path, "Last", -1);
  return record;
}

void WriteRecord(const PrintRecord& record) {
  char path[MAX_PATH], folder[MAX_PATH], text[32];
  UserSettingsFilePath(path);
  UserSettingsFolder(folder);
  if (!path[0]) return;
  CreateDirectoryA(folder, nullptr);
  std::snprintf(text, sizeof(text), "%lld", static_cast<long long>(record.day));
  WritePrivateProfileStringA(kSection, "Day", text, path);
  std::snprintf(text, sizeof(text), "%d", record.copies);
  WritePrivateProfileStringA(kSection, "Copies", text, path);
  std::snprintf(text, sizeof(text), "%lld", static_cast<long long>(record.lastMinute));
  WritePrivateProfileStringA(kSection, "Last", text, path);
}

PrintBudget PolicyBudget() {
  const Policy& policy = CurrentPolicy();
  PrintBudget budget;
  budget.printing = PolicyAllowsPrinting(policy);
  budget.copiesPerDay = PolicyNumber(policy, PolicyKey::kPrintsPerDay);
  budget.minutesBetween = PolicyNumber(policy, PolicyKey::kMinutesBetweenPrints);
  return budget;
}

}  // namespace

PrintAnswer AskPrintBudget() {
  const int64_t minute = LocalMinute();
  return AskToPrint(PolicyBudget(), ReadRecord(), minute / (24 * 60), minute);
}

void CountPrintedCopies(int printed) {
  const PrintBudget budget = PolicyBudget();
  if (printed <= 0 || (budget.copiesPerDay == 0 && budget.minutesBetween == 0)) return;
  const int64_t minute = LocalMinute();
  WriteRecord(AfterPrinting(ReadRecord(), minute / (24 * 60), minute, printed));
}

void TellNotNow(HWND window, const PrintAnswer& answer) {
  char text[160];
  switch (answer.verdict) {
    case PrintVerdict::kNoPrinting:
      lstrcpyA(text, "The printer is resting. A grown-up can switch printing on.");
      break;
    case PrintVerdict::kDayUsedUp:
      lstrcpyA(text, "That's all the printing for today. You can print again tomorrow!");
      break;
    case PrintVerdict::kTooSoon:
      if (answer.minutesToWait == 1)
        lstrcpyA(text, "Not now: the printer needs a little rest. Try again in a minute.");
      else
        std::snprintf(text, sizeof(text), "Not now: the printer needs a little rest. Try again in %d minutes.",
                      answer.minutesToWait);
      break;
    case PrintVerdict::kPrint:
      return;
  }
  ShowNoticeCard(window, text);
}
