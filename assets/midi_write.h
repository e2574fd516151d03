// A Standard MIDI File writer (format 1): a tempo track and one track per part, each ending at
// the same tick so a tune's length is exactly its bars.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

constexpr int kTicksPerQuarter = 480;

struct MidiNote {
  int tick, length, key, velocity;
};

struct MidiPart {
  std::string name;
  int channel = 0;   // 9 is the drum channel (no program)
  int program = 0;
  int volume = 100;  // controller 7
  int pan = 64;      // controller 10
  int reverb = 40;   // controller 91
  std::vector<MidiNote> notes;
};

struct MidiTune {
  std::string name;
  int beatsPerMinute = 120;  // quarter notes per minute
  int meterTop = 4, meterBottom = 4;
  int totalTicks = 0;
  std::vector<MidiPart> parts;
};

std::vector<uint8_t> EncodeMidi(const MidiTune& tune);

}  // namespace art
