// The scanner's steps and choices, and the points, directions and lengths of a stroke by switch.
#include "colvane/shell/switch_scan.h"

void BeginScanPhase(ScanState* state, ScanPhase phase, int choices, uint32_t now) {
  state->phase = phase;
  state->index = 0;
  state->choices = choices > 0 ? choices : 0;
  state->stepAt = now;
}

ScanOutcome ScanTime(ScanState* state, const ScanSettings& settings, uint32_t now) {
  if (settings.switches != 1 || state->choices <= 0 || settings.scanMs == 0) return ScanOutcome::kNothing;
  const uint32_t steps = (now - state->stepAt) / settings.scanMs;  // unsigned: a wrapped clock still counts
  if (steps == 0) return ScanOutcome::kNothing;
  state->index = static_cast<int>((static_cast<uint32_t>(state->index) + steps) % static_cast<uint32_t>(state->choices));
  state->stepAt += steps * settings.scanMs;
  return ScanOutcome::kStepped;
}

ScanOutcome ScanKey(ScanState* state, const ScanSettings& settings, int key, uint32_t now) {
  if (state->choices <= 0) return ScanOutcome::kNothing;
  if (settings.switches == 2) {
    if (key == 1) return ScanOutcome::kChosen;
    if (key != 0) return ScanOutcome::kNothing;
    state->index = (state->index + 1) % state->choices;
    return ScanOutcome::kStepped;
  }
  if (settings.switches != 1 || key != 0) return ScanOutcome::kNothing;
  if (state->pressed && now - state->pressAt < settings.acceptMs) return ScanOutcome::kNothing;
  ScanTime(state, settings, now);  // the choice highlighted at the moment of the press
  state->pressed = true;
  state->pressAt = now;
  return ScanOutcome::kChosen;
}

int ScanSpot(int index, int parts, int low, int high) {
  if (parts <= 0) return low;
  return low + static_cast<int>((2LL * index + 1) * (high - low) / (2LL * parts));
}

void ScanDirection(int index, int* dx, int* dy) {
  static const int kX[kScanDirections] = {1, 1, 0, -1, -1, -1, 0, 1};
  static const int kY[kScanDirections] = {0, 1, 1, 1, 0, -1, -1, -1};
  const int i = ((index % kScanDirections) + kScanDirections) % kScanDirections;
  *dx = kX[i];
  *dy = kY[i];
}

int ScanLength(int index) { return 16 << (index < 0 ? 0 : index > 8 ? 8 : index); }
