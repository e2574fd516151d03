// The dwell clicker's steps: a rest that outlasts its time acts once, then waits for the pointer
// to leave.
#include "colvane/shell/dwell_clicker.h"

#include <cstdint>

bool DwellClicker::Within(DwellPoint a, DwellPoint b) const {
  const std::int64_t dx = a.x - b.x, dy = a.y - b.y;
  return dx * dx + dy * dy <= static_cast<std::int64_t>(radius_) * radius_;
}

DwellStep DwellClicker::Step(std::uint32_t now, DwellPoint pointer, bool inRestingPlace) {
  DwellStep step;
  const bool gap = now - lastSample_ > kMaxSampleGapMs;
  lastSample_ = now;
  if (phase_ == Phase::kAfterAction) {
    // One action per rest: a pointer that stays put never clicks again.
    if (Within(pointer, anchor_)) return step;
    phase_ = Phase::kMoving;
  }
  if (phase_ == Phase::kMoving || gap || !Within(pointer, anchor_)) {
    phase_ = Phase::kResting;
    anchor_ = pointer;
    restStart_ = now;
  }
  // Paused, only the resting place counts (a held press is never left down by the pause).
  if (!active_ && !inRestingPlace) return step;
  const std::uint32_t rested = now - restStart_;  // unsigned: right across the tick counter's wrap
  if (rested < static_cast<std::uint32_t>(restMs_)) {
    step.ringPermille = static_cast<int>(static_cast<std::uint64_t>(rested) * 1000 / restMs_);
    return step;
  }
  phase_ = Phase::kAfterAction;
  if (holding_) {
    holding_ = false;
    step.action = DwellAction::kRelease;
  } else if (inRestingPlace) {
    active_ = !active_;
    step.action = DwellAction::kToggle;
  } else {
    step.action = DwellAction::kPress;
  }
  return step;
}
