// The typewriter's text: up to 255 bytes of ANSI text with double-byte characters, lines split
// at carriage returns, and the rule for when a keystroke shows.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "colvane/layout/lead_bytes.h"

constexpr int kTextCapacity = 255;  // bytes; the buffer keeps a terminator after them

struct TextBuffer {
  char bytes[kTextCapacity + 1] = {};
  int length = 0;
  bool pending = false;  // the first byte of a double-byte character has arrived
  int pendingBytes = 0;
};

enum class KeyResult {
  kIgnored,  // nothing changed: Backspace on empty text, or no room left
  kHeld,     // stored, but half a double-byte character: nothing to show yet
  kShow,     // the text changed: render it
};

// One WM_CHAR byte: Backspace (8) drops the last byte (a double-byte character loses only its
// last byte; a first half still waiting for its second goes with its wait); any other byte,
// Enter and control codes included, is appended. A lead byte of the code page (`isLead`), or
// any byte while one is pending, counts toward a pair, shown when the pair completes. A byte
// that would not fit, or the first half of a pair that would not fit whole, is refused.
KeyResult TypeByte(TextBuffer* text, uint8_t code, LeadByteRule isLead);
// Empties the text.
void ClearText(TextBuffer* text);

struct TextLine {
  int start, length;  // bytes of the buffer
};
// The lines of the text, split at carriage returns (13): always at least one.
std::vector<TextLine> SplitLines(const char* text, int length);
