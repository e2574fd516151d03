// The colours every painting tool reads: the foreground and background colours and the size value
// of the size bar.
#pragma once
#include <cstdint>

// The size bar's slot a session starts with (its stroke size is the same number).
constexpr int kStartSizeValue = 20;

struct ColourState {
  uint32_t foregroundColour = 0x000000;  // COLORREF, black at start
  uint32_t backgroundColour = 0xFFFFFF;  // COLORREF, white at start
  int sizeValue = kStartSizeValue;       // size-bar slot, 0..48
};

// What the tool commands add their own offset to: the size value + 1.
inline int StrokeSizeBase(const ColourState& c) { return c.sizeValue + 1; }
