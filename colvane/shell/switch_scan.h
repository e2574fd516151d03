// Switch scanning: the choice highlighted steps on by time (one switch) or by the first switch (two
// switches), and a press of the switch (or of the second) chooses it. Time and keys come in as
// arguments; the caller says what each phase offers and what a choice does.
#pragma once
#include <cstdint>

// Areas, then the targets of one; on the paper a row, a column, a direction and a length.
enum class ScanPhase { kAreas, kTargets, kRows, kColumns, kDirections, kLengths };
constexpr int kScanRows = 20, kScanColumns = 20, kScanDirections = 8, kScanLengths = 6;

struct ScanSettings {
  int switches = 0;    // 0: off; 1: time steps, the switch chooses; 2: first steps, second chooses
  uint32_t scanMs = 1000;
  uint32_t acceptMs = 300;  // one switch: a press this soon after the last accepted one is ignored
};

struct ScanState {
  ScanPhase phase = ScanPhase::kAreas;
  int index = 0;    // the choice highlighted
  int choices = 0;  // how many this phase offers
  uint32_t stepAt = 0;  // when the highlight last moved (one switch)
  uint32_t pressAt = 0;
  bool pressed = false;  // pressAt holds an accepted press
};

enum class ScanOutcome { kNothing, kStepped, kChosen };

// A phase begins at `now` on its first choice.
void BeginScanPhase(ScanState* state, ScanPhase phase, int choices, uint32_t now);
// One switch: the highlight moves once for each whole interval since it last moved.
ScanOutcome ScanTime(ScanState* state, const ScanSettings& settings, uint32_t now);
// A press of switch 0 or 1 at `now`.
ScanOutcome ScanKey(ScanState* state, const ScanSettings& settings, int key, uint32_t now);

// The middle of part `index` of `parts` equal parts of [low, high).
int ScanSpot(int index, int parts, int low, int high);
// Direction `index`: east first, then clockwise on the screen (y grows downwards).
void ScanDirection(int index, int* dx, int* dy);
// Length `index` in pixels: 16, doubling.
int ScanLength(int index);
