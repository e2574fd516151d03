// The Standard MIDI File writer.
#include "assets/midi_write.h"

#include <algorithm>

namespace art {

namespace {

struct Event {
  int tick;
  int order;  // at one tick: note-offs before note-ons, so a repeated key sounds again
  std::vector<uint8_t> bytes;
};

void Put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<uint8_t>(v >> s));
}

void PutVarLen(std::vector<uint8_t>& b, uint32_t v) {
  uint8_t parts[5];
  int n = 0;
  do {
    parts[n++] = static_cast<uint8_t>(v & 0x7F);
    v >>= 7;
  } while (v);
  while (n > 1) b.push_back(static_cast<uint8_t>(parts[--n] | 0x80));
  b.push_back(parts[0]);
}

std::vector<uint8_t> Meta(uint8_t type, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> b = {0xFF, type};
  PutVarLen(b, static_cast<uint32_t>(data.size()));
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

std::vector<uint8_t> Text(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

// One MTrk chunk: the events in tick order, closed by end-of-track at `end`.
std::vector<uint8_t> Track(std::vector<Event> events, int end) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<uint8_t> body;
  int at = 0;
  for (const Event& e : events) {
    PutVarLen(body, static_cast<uint32_t>(e.tick - at));
    body.insert(body.end(), e.bytes.begin(), e.bytes.end());
    at = e.tick;
  }
  PutVarLen(body, static_cast<uint32_t>(std::max(0, end - at)));
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  std::vector<uint8_t> chunk = {'M', 'T', 'r', 'k'};
  Put32(chunk, static_cast<uint32_t>(body.size()));
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

uint8_t Log2(int v) {
  uint8_t n = 0;
  while ((1 << n) < v) ++n;
  return n;
}

}  // namespace

std::vector<uint8_t> EncodeMidi(const MidiTune& tune) {
  std::vector<uint8_t> file = {'M', 'T', 'h', 'd'};
  Put32(file, 6);
  const uint16_t tracks = static_cast<uint16_t>(tune.parts.size() + 1);
  file.insert(file.end(), {0, 1, static_cast<uint8_t>(tracks >> 8), static_cast<uint8_t>(tracks),
                           static_cast<uint8_t>(kTicksPerQuarter >> 8), static_cast<uint8_t>(kTicksPerQuarter & 0xFF)});

  const uint32_t micro = 60000000u / static_cast<uint32_t>(tune.beatsPerMinute);
  std::vector<Event> head = {
      {0, 0, Meta(0x03, Text(tune.name))},
      {0, 1, Meta(0x58, {static_cast<uint8_t>(tune.meterTop), Log2(tune.meterBottom), 24, 8})},
      {0, 2, Meta(0x51, {static_cast<uint8_t>(micro >> 16), static_cast<uint8_t>(micro >> 8), static_cast<uint8_t>(micro)})},
  };
  std::vector<uint8_t> t = Track(head, tune.totalTicks);
  file.insert(file.end(), t.begin(), t.end());

  for (const MidiPart& part : tune.parts) {
    const uint8_t ch = static_cast<uint8_t>(part.channel & 15);
    std::vector<Event> events = {{0, 0, Meta(0x03, Text(part.name))}};
    if (ch != 9) events.push_back({0, 1, {static_cast<uint8_t>(0xC0 | ch), static_cast<uint8_t>(part.program)}});
    events.push_back({0, 2, {static_cast<uint8_t>(0xB0 | ch), 7, static_cast<uint8_t>(part.volume)}});
    events.push_back({0, 3, {static_cast<uint8_t>(0xB0 | ch), 10, static_cast<uint8_t>(part.pan)}});
    events.push_back({0, 4, {static_cast<uint8_t>(0xB0 | ch), 91, static_cast<uint8_t>(part.reverb)}});
    for (const MidiNote& n : part.notes) {
      const int end = std::min(n.tick + std::max(1, n.length), tune.totalTicks);
      if (n.tick >= end) continue;
      events.push_back({n.tick, 10, {static_cast<uint8_t>(0x90 | ch), static_cast<uint8_t>(n.key),
                                     static_cast<uint8_t>(std::clamp(n.velocity, 1, 127))}});
      events.push_back({end, 5, {static_cast<uint8_t>(0x80 | ch), static_cast<uint8_t>(n.key), 0}});
    }
    t = Track(events, tune.totalTicks);
    file.insert(file.end(), t.begin(), t.end());
  }
  return file;
}

}  // namespace art
