// The card each lock shows: kind words, never a telling-off.
#include "colvane/frame/locks_win.h"

#include "colvane/frame/notice_card_win.h"
#include "colvane/layout/policy_win.h"

namespace {

struct LockCard {
  PolicyKey key;
  const char* text;
};

const LockCard kLockCards[] = {
    {PolicyKey::kNoQuit, "Colvane stays open for now. Ask a grown-up when you want to stop."},
    {PolicyKey::kNoExport, "Pictures stay in Colvane for now. A grown-up can change that."},
    {PolicyKey::kNoDelete, "Pictures stay in their box for now. A grown-up can change that."},
    {PolicyKey::kNoNewBox, "New boxes are not for now. A grown-up can change that."},
};

}  // namespace

bool LockRefuses(HWND window, PolicyKey key) {
  if (!PolicyHolds(key)) return false;
  for (const LockCard& card : kLockCards)
    if (card.key == key) ShowNoticeCard(window, card.text);
  return true;
}
