// Readers for checking the generated sounds, tunes and intro: PCM wave files, Standard MIDI Files
// and AVI files, each checked against what the file says about itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundread {

struct Wave {
  int channels = 0, rate = 0, bits = 0;
  std::vector<int16_t> samples;  // 16-bit files only
  double Seconds() const { return rate ? static_cast<double>(samples.size()) / channels / rate : 0; }
};
// A RIFF WAVE file with a PCM "fmt " chunk and a "data" chunk that fits the file.
bool ReadWave(const std::vector<uint8_t>& data, Wave& out, std::string* why);

struct MidiNoteOn {
  long tick;
  int channel, key;
};
struct Midi {
  int format = 0, tracks = 0, division = 0;
  long endTick = 0;                                // the latest end of track
  std::vector<std::pair<long, uint32_t>> tempos;   // tick, microseconds per quarter
  std::vector<int> programs;                       // per channel, -1 when none is set
  std::vector<MidiNoteOn> notes;                   // note-ons, in track order
  int unmatched = 0;                               // note-ons never switched off
  double Seconds(long tick) const;
};
// Every chunk and event (running status, meta and system exclusive) must fit its track, and each
// track must close with end-of-track.
bool ReadMidi(const std::vector<uint8_t>& data, Midi& out, std::string* why);

struct Avi {
  uint32_t microPerFrame = 0, totalFrames = 0, width = 0, height = 0, streams = 0;
  std::string streamType, handler;
  uint32_t rate = 0, scale = 0, length = 0;
  int bitCount = 0, compression = -1, coloursUsed = 0;
  std::vector<uint8_t> palette;               // 256 x (b, g, r, 0)
  std::vector<std::vector<uint8_t>> frames;   // "00db" chunks in order
  uint32_t indexEntries = 0;
  bool indexPointsAtFrames = false;
};
bool ReadAvi(const std::vector<uint8_t>& data, Avi& out, std::string* why);

}  // namespace soundread
