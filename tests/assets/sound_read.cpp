// Readers of wave, MIDI and AVI files for the tests of the generated content.
#include "tests/assets/sound_read.h"

#include <cstring>

namespace soundread {

namespace {

uint32_t U32(const std::vector<uint8_t>& d, size_t at) {
  return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | static_cast<uint32_t>(d[at + 3]) << 24;
}
uint16_t U16(const std::vector<uint8_t>& d, size_t at) { return static_cast<uint16_t>(d[at] | d[at + 1] << 8); }
uint32_t B32(const std::vector<uint8_t>& d, size_t at) {
  return static_cast<uint32_t>(d[at]) << 24 | d[at + 1] << 16 | d[at + 2] << 8 | d[at + 3];
}
bool Id(const std::vector<uint8_t>& d, size_t at, const char* id) {
  return at + 4 <= d.size() && std::memcmp(&d[at], id, 4) == 0;
}
bool Fail(std::string* why, const std::string& what) {
  if (why) *why = what;
  return false;
}

}  // namespace

bool ReadWave(const std::vector<uint8_t>& d, Wave& out, std::string* why) {
  if (d.size() < 12 || !Id(d, 0, "RIFF") || !Id(d, 8, "WAVE")) return Fail(why, "not RIFF WAVE");
  if (U32(d, 4) + 8ull != d.size()) return Fail(why, "RIFF size differs from the file");
  bool format = false;
  for (size_t at = 12; at + 8 <= d.size();) {
    const uint32_t size = U32(d, at + 4);
    if (at + 8ull + size > d.size()) return Fail(why, "chunk past the end");
    if (Id(d, at, "fmt ")) {
      if (size < 16 || U16(d, at + 8) != 1) return Fail(why, "not PCM");
      out.channels = U16(d, at + 10);
      out.rate = static_cast<int>(U32(d, at + 12));
      out.bits = U16(d, at + 22);
      if (U32(d, at + 16) != static_cast<uint32_t>(out.rate * out.channels * out.bits / 8)) return Fail(why, "byte rate");
      if (U16(d, at + 20) != out.channels * out.bits / 8) return Fail(why, "block align");
      format = true;
    } else if (Id(d, at, "data")) {
      if (!format || out.bits != 16) return Fail(why, "data before a 16-bit format");
      if (size % (2u * out.channels)) return Fail(why, "partial sample");
      for (size_t i = 0; i < size; i += 2) out.samples.push_back(static_cast<int16_t>(U16(d, at + 8 + i)));
      return true;
    }
    at += 8 + size + (size & 1);
  }
  return Fail(why, "no data chunk");
}

double Midi::Seconds(long tick) const {
  double seconds = 0;
  long at = 0;
  uint32_t tempo = 500000;
  for (const auto& t : tempos) {
    if (t.first >= tick) break;
    seconds += static_cast<double>(t.first - at) * tempo / division / 1e6;
    at = t.first;
    tempo = t.second;
  }
  return seconds + static_cast<double>(tick - at) * tempo / division / 1e6;
}

bool ReadMidi(const std::vector<uint8_t>& d, Midi& out, std::string* why) {
  if (d.size() < 14 || !Id(d, 0, "MThd") || B32(d, 4) != 6) return Fail(why, "no MThd");
  out.format = d[8] << 8 | d[9];
  out.tracks = d[10] << 8 | d[11];
  out.division = d[12] << 8 | d[13];
  if (out.division <= 0 || out.division >= 0x8000) return Fail(why, "division");
  out.programs.assign(16, -1);
  size_t at = 14;
  for (int track = 0; track < out.tracks; ++track) {
    if (!Id(d, at, "MTrk") || at + 8 > d.size()) return Fail(why, "no MTrk");
    const size_t end = at + 8 + B32(d, at + 4);
    if (end > d.size()) return Fail(why, "track past the end");
    size_t p = at + 8;
    long tick = 0;
    int status = 0;
    bool closed = false;
    std::vector<int> sounding(16 * 128, 0);
    auto varLen = [&](uint32_t* v) {
      *v = 0;
      for (int i = 0; i < 4; ++i) {
        if (p >= end) return false;
        const uint8_t b = d[p++];
        *v = *v << 7 | (b & 0x7F);
        if (!(b & 0x80)) return true;
      }
      return false;
    };
    while (p < end && !closed) {
      uint32_t delta = 0;
      if (!varLen(&delta)) return Fail(why, "delta time");
      tick += delta;
      if (p >= end) return Fail(why, "event past the track");
      if (d[p] & 0x80) status = d[p++];
      if (!status) return Fail(why, "running status with none before");
      if (status == 0xFF) {
        if (p >= end) return Fail(why, "meta type");
        const uint8_t type = d[p++];
        uint32_t length = 0;
        if (!varLen(&length) || p + length > end) return Fail(why, "meta length");
        if (type == 0x51 && length == 3) out.tempos.push_back({tick, static_cast<uint32_t>(d[p] << 16 | d[p + 1] << 8 | d[p + 2])});
        if (type == 0x2F) closed = true;
        p += length;
        status = 0;
      } else if (status == 0xF0 || status == 0xF7) {
        uint32_t length = 0;
        if (!varLen(&length) || p + length > end) return Fail(why, "sysex length");
        p += length;
        status = 0;
      } else {
        const int kind = status & 0xF0, channel = status & 0x0F;
        const int size = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
        if (p + size > end) return Fail(why, "channel event past the track");
        const int a = d[p], b = size == 2 ? d[p + 1] : 0;
        p += size;
        if (a > 127 || b > 127) return Fail(why, "data byte above 127");
        if (kind == 0xC0) out.programs[channel] = a;
        if (kind == 0x90 && b > 0) {
          out.notes.push_back({tick, channel, a});
          ++sounding[channel * 128 + a];
        } else if ((kind == 0x80 || (kind == 0x90 && b == 0)) && sounding[channel * 128 + a] > 0) {
          --sounding[channel * 128 + a];
        }
      }
    }
    if (!closed) return Fail(why, "track without end-of-track");
    if (p != end) return Fail(why, "bytes after end-of-track");
    for (int n : sounding) out.unmatched += n;
    if (tick > out.endTick) out.endTick = tick;
    at = end;
  }
  if (at != d.size()) return Fail(why, "bytes after the last track");
  return true;
}

bool ReadAvi(const std::vector<uint8_t>& d, Avi& out, std::string* why) {
  if (d.size() < 12 || !Id(d, 0, "RIFF") || !Id(d, 8, "AVI ")) return Fail(why, "not RIFF AVI");
  if (U32(d, 4) + 8ull != d.size()) return Fail(why, "RIFF size differs from the file");
  size_t moviId = 0;
  // Walks the chunks of [from, to), descending into LISTs.
  bool ok = true;
  auto walk = [&](auto&& self, size_t from, size_t to) -> void {
    for (size_t at = from; ok && at + 8 <= to;) {
      const uint32_t size = U32(d, at + 4);
      if (at + 8ull + size > to) {
        ok = Fail(why, "chunk past its list");
        return;
      }
      const size_t body = at + 8;
      if (Id(d, at, "LIST")) {
        if (Id(d, body, "movi")) moviId = body;
        self(self, body + 4, body + size);
      } else if (Id(d, at, "avih") && size >= 40) {
        out.microPerFrame = U32(d, body);
        out.totalFrames = U32(d, body + 16);
        out.streams = U32(d, body + 24);
        out.width = U32(d, body + 32);
        out.height = U32(d, body + 36);
      } else if (Id(d, at, "strh") && size >= 36) {
        out.streamType.assign(reinterpret_cast<const char*>(&d[body]), 4);
        out.handler.assign(reinterpret_cast<const char*>(&d[body + 4]), 4);
        out.scale = U32(d, body + 20);
        out.rate = U32(d, body + 24);
        out.length = U32(d, body + 32);
      } else if (Id(d, at, "strf") && size >= 40) {
        out.bitCount = U16(d, body + 14);
        out.compression = static_cast<int>(U32(d, body + 16));
        out.coloursUsed = static_cast<int>(U32(d, body + 32));
        const uint32_t header = U32(d, body);
        if (header + 4ull * (out.coloursUsed ? out.coloursUsed : 256) > size) {
          ok = Fail(why, "palette past the format");
          return;
        }
        out.palette.assign(d.begin() + static_cast<long>(body + header), d.begin() + static_cast<long>(body + size));
      } else if (Id(d, at, "00db")) {
        out.frames.emplace_back(d.begin() + static_cast<long>(body), d.begin() + static_cast<long>(body + size));
      } else if (Id(d, at, "idx1")) {
        out.indexEntries = size / 16;
        out.indexPointsAtFrames = moviId != 0;
        for (uint32_t i = 0; i < out.indexEntries; ++i) {
          const size_t entry = body + 16 * i, chunk = moviId + U32(d, entry + 8);
          if (chunk + 8 > d.size() || !Id(d, chunk, "00db") || U32(d, chunk + 4) != U32(d, entry + 12))
            out.indexPointsAtFrames = false;
        }
      }
      at = body + size + (size & 1);
    }
  };
  walk(walk, 12, d.size());
  return ok;
}

}  // namespace soundread
