// Dwell clicking for head pointers and eye gaze: the pointer resting for a while presses where it
// rests. Pure: the caller samples the time and the pointer and carries out what each step says.
//
// Driving it: call Step on every sample (every few tens of milliseconds) with the time, the
// pointer's client point and whether the point lies in the resting place. After a kPress the
// caller presses there; when the press picked something up (a stroke begun, a picture lifted) it
// calls Hold, and the next dwell answers kRelease; otherwise it releases at once, a click.
#pragma once
#include <cstdint>

struct DwellPoint {
  int x, y;
};

enum class DwellAction { kNone, kPress, kRelease, kToggle };

struct DwellStep {
  DwellAction action = DwellAction::kNone;
  int ringPermille = -1;  // how full the ring is, 0..1000; -1 when no ring shows
};

class DwellClicker {
 public:
  // restMs: how long the pointer rests before a press; radius: how far it may wander meanwhile.
  DwellClicker(int restMs, int radius) : restMs_(restMs), radius_(radius) {}
  // Samples further apart than this say nothing of where the pointer went between them (a busy
  // window starves its timer), so the wait starts again rather than trust them.
  static constexpr std::uint32_t kMaxSampleGapMs = 250;

  DwellStep Step(std::uint32_t now, DwellPoint pointer, bool inRestingPlace);
  // The press of the last kPress picked something up: it stays down until the next dwell.
  void Hold() { holding_ = true; }
  // Something else ended the hold (a real button, the window losing the mouse).
  void LetGo() { holding_ = false; }

  bool holding() const { return holding_; }
  // Off after a dwell on the resting place; only a dwell there turns it on again.
  bool active() const { return active_; }

 private:
  enum class Phase { kMoving, kResting, kAfterAction };
  bool Within(DwellPoint a, DwellPoint b) const;

  int restMs_, radius_;
  Phase phase_ = Phase::kMoving;
  DwellPoint anchor_{0, 0};  // where the rest began, or where the last action happened
  std::uint32_t restStart_ = 0;
  std::uint32_t lastSample_ = 0;
  bool holding_ = false;
  bool active_ = true;
};
