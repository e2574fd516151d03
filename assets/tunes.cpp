// The eight background tunes, composed here: a melody written as scale degrees over a chord for
// each bar, in the form A A B A, and an accompaniment in one of eight styles (pop, gallop, march,
// guitar waltz, calypso, stride, polka, music box). A ends on the home chord and B on the
// dominant, so each tune leads back into its own start when it loops.
#include <cstdio>
#include <cstring>
#include <sstream>

#include "assets/gen_context.h"
#include "assets/midi_write.h"
#include "colvane/media/sound_names.h"

namespace art {

namespace {

constexpr int kSixteenth = kTicksPerQuarter / 4;
const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};

enum class Style { Pop, Gallop, March, GuitarWaltz, Calypso, Stride, Polka, MusicBox };
enum class Counter { ThirdBelow, OctaveUp };

struct TuneSpec {
  const char* name;
  const char* file;
  int key;             // MIDI note of the home key in the melody's octave
  int bpm;             // quarter notes per minute
  int meterTop, meterBottom;
  Style style;
  int melodyProgram, counterProgram, chordProgram, bassProgram;
  Counter counter;
  const char* chordsA;  // one chord per bar, or two joined by "/"
  const char* melodyA;
  const char* chordsB;
  const char* melodyB;
};

// ---- reading the written parts ----------------------------------------------------------

// Pitch of a scale degree 1..7 (with octave marks and accidentals) above `key`.
int DegreePitch(int key, int degree, int octave, int accidental) {
  const int d = degree - 1;
  return key + kMajor[((d % 7) + 7) % 7] + 12 * (octave + (d < 0 ? -1 : d / 7)) + accidental;
}

struct Written {
  int at;      // in sixteenths from the start of the phrase
  int length;  // in sixteenths
  int pitch;   // 0: rest
};

// Tokens such as "5e", "1'q.", "7,e", "#4e", "-q"; bars are separated by "|". Durations: s e q h w
// (sixteenth to whole), "." adds half. Returns false (and says why) when a bar does not fill.
bool ReadMelody(const char* text, int key, int barLength, std::vector<Written>& out, int* bars, std::string* why) {
  std::istringstream in(text);
  std::string token;
  int at = 0, barStart = 0;
  *bars = 0;
  auto closeBar = [&] {
    if (at - barStart != barLength) {
      *why = "bar " + std::to_string(*bars + 1) + " holds " + std::to_string(at - barStart) + " sixteenths";
      return false;
    }
    ++*bars;
    barStart = at;
    return true;
  };
  while (in >> token) {
    if (token == "|") {
      if (!closeBar()) return false;
      continue;
    }
    size_t i = 0;
    int accidental = 0, octave = 0, degree = 0;
    if (token[i] == '#') accidental = 1, ++i;
    else if (token[i] == 'b') accidental = -1, ++i;
    if (token[i] == '-') {
      ++i;
    } else {
      degree = token[i++] - '0';
      while (i < token.size() && (token[i] == '\'' || token[i] == ',')) octave += token[i++] == '\'' ? 1 : -1;
    }
    const char unit = i < token.size() ? token[i++] : '?';
    int length = unit == 's' ? 1 : unit == 'e' ? 2 : unit == 'q' ? 4 : unit == 'h' ? 8 : unit == 'w' ? 16 : 0;
    if (i < token.size() && token[i] == '.') length += length / 2;
    if (length == 0) {
      *why = "token " + token;
      return false;
    }
    out.push_back({at, length, degree ? DegreePitch(key, degree, octave, accidental) : 0});
    at += length;
  }
  return closeBar();
}

struct Chord {
  int root;  // pitch class of the root above the key, 0..11
  std::vector<int> tones;  // pitch classes above C, root first
};

// Roman numerals I..VII (case ignored), "7" adds the seventh.
bool ReadChord(const std::string& symbol, int key, Chord* c) {
  static const char* const numerals[7] = {"vii", "vi", "iv", "v", "iii", "ii", "i"};
  static const int degrees[7] = {7, 6, 4, 5, 3, 2, 1};
  std::string lower;
  for (char ch : symbol) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  for (int n = 0; n < 7; ++n) {
    const size_t len = std::strlen(numerals[n]);
    if (lower.compare(0, len, numerals[n]) != 0) continue;
    const int d = degrees[n] - 1;
    const bool seventh = lower.size() > len && lower[len] == '7';
    c->tones.clear();
    for (int k = 0; k < (seventh ? 4 : 3); ++k) {
      const int step = d + 2 * k;
      c->tones.push_back((key + kMajor[step % 7]) % 12);
    }
    c->root = c->tones[0];
    return true;
  }
  return false;
}

// The chords of a phrase, two per bar ("I/V" changes halfway).
bool ReadChords(const char* text, int key, std::vector<Chord>& halves, std::string* why) {
  std::istringstream in(text);
  std::string token;
  while (in >> token) {
    if (token == "|") continue;
    const size_t slash = token.find('/');
    Chord a, b;
    if (!ReadChord(token.substr(0, slash), key, &a) ||
        (slash != std::string::npos && !ReadChord(token.substr(slash + 1), key, &b))) {
      *why = "chord " + token;
      return false;
    }
    halves.push_back(a);
    halves.push_back(slash == std::string::npos ? a : b);
  }
  return true;
}

// A pitch class placed in [low, low + 12).
int Place(int pitchClass, int low) { return low + ((pitchClass - low) % 12 + 12) % 12; }

// ---- the accompaniment --------------------------------------------------------------------

struct Parts {
  MidiPart melody, counter, chords, bass, drums;
};

void Note(MidiPart& p, int tick, int length, int key, int velocity) { p.notes.push_back({tick, length, key, velocity}); }

void Block(MidiPart& p, const Chord& c, int tick, int length, int velocity, int low = 55, int spread = 0) {
  int k = 0;
  for (int pc : c.tones) Note(p, tick + spread * k++, length, Place(pc, low), velocity);
}

// One bar of accompaniment in the style; `first` and `second` are the chords of its halves.
void Accompany(Style style, Parts& parts, int bar, int barTicks, const Chord& first, const Chord& second,
               bool sectionStart) {
  const int t0 = bar * barTicks, q = kTicksPerQuarter, e = q / 2, s = q / 4;
  auto chordAt = [&](int offset) -> const Chord& { return offset < barTicks / 2 ? first : second; };
  auto root = [&](int offset, int low = 36) { return Place(chordAt(offset).root, low); };
  auto fifth = [&](int offset, int low = 36) { return Place(chordAt(offset).tones[2], low); };
  MidiPart &bass = parts.bass, &chords = parts.chords, &drums = parts.drums;
  switch (style) {
    case Style::Pop:
      for (int i = 0; i < 8; ++i) Note(bass, t0 + i * e, e - 20, i % 4 == 2 || i % 4 == 3 ? fifth(i * e) : root(i * e), i % 2 ? 70 : 88);
      // the chords push: a dotted quarter, an eighth, a dotted quarter, an eighth
      for (int i = 0; i < 4; ++i) {
        const int offsets[4] = {0, 3 * e, 4 * e, 7 * e}, lengths[4] = {3 * e - 30, e - 30, 3 * e - 30, e - 30};
        Block(chords, chordAt(offsets[i]), t0 + offsets[i], lengths[i], i % 2 ? 54 : 64);
      }
      for (int i = 0; i < 8; ++i) Note(drums, t0 + i * e, e, 42, i % 2 ? 45 : 60);
      for (int b : {0, 2}) Note(drums, t0 + b * q, e, 36, 90);
      Note(drums, t0 + 2 * q + e, e, 36, 60);
      for (int b : {1, 3}) Note(drums, t0 + b * q, e, 38, 80);
      if (sectionStart) Note(drums, t0, q, 49, 80);
      break;
    case Style::Gallop:  // 6/8: two dotted quarters a bar
      Note(bass, t0, 3 * e - 20, root(0), 88);
      Note(bass, t0 + 3 * e, 3 * e - 20, fifth(3 * e), 76);
      for (int i : {0, 2, 3, 5}) Block(chords, chordAt(i * e), t0 + i * e, e, i % 3 ? 50 : 66, 55, 12);
      for (int i = 0; i < 6; ++i)
        if (i % 3 != 1) Note(drums, t0 + i * e, e, i % 3 ? 77 : 76, i % 3 ? 60 : 78);
      break;
    case Style::March:
      Note(bass, t0, q, root(0, 33), 92);
      Note(bass, t0 + 2 * q, q, fifth(2 * q, 33), 84);
      for (int b : {1, 3}) Block(chords, chordAt(b * q), t0 + b * q, e + s, 66);
      for (int b : {0, 2}) Note(drums, t0 + b * q, e, 36, 88);
      for (int b : {1, 3}) Note(drums, t0 + b * q, e, 38, 72);
      for (int i = 0; i < 3; ++i) Note(drums, t0 + 3 * q + e + i * s / 1, s, 38, 50 + 8 * i);
      if (sectionStart) Note(drums, t0, q, 49, 86);
      break;
    case Style::GuitarWaltz: {
      Note(bass, t0, 3 * q - 30, root(0, 40), 80);
      const Chord& c = first;
      const int arpeggio[6] = {Place(c.root, 52), Place(c.tones[2], 55), Place(c.tones[1], 60),
                               Place(c.tones[2], 62), Place(c.tones[1], 60), Place(c.tones[2], 55)};
      for (int i = 0; i < 6; ++i) Note(chords, t0 + i * e, e + e / 2, arpeggio[i], i == 0 ? 66 : 54);
      Note(drums, t0, e, 75, 55);
      Note(drums, t0 + q, e, 75, 38);
      Note(drums, t0 + 2 * q, e, 75, 38);
      break;
    }
    case Style::Calypso:
      Note(bass, t0, 3 * e - 20, root(0), 92);
      Note(bass, t0 + 3 * e, e - 20, root(3 * e), 76);
      Note(bass, t0 + 4 * e, 3 * e - 20, fifth(4 * e), 86);
      Note(bass, t0 + 7 * e, e - 20, fifth(7 * e), 72);
      for (int i = 1; i < 8; i += 2) Block(chords, chordAt(i * e), t0 + i * e, e - 30, 60, 57);
      for (int i = 0; i < 16; ++i) Note(drums, t0 + i * s, s, 82, i % 4 == 2 ? 58 : 38);
      for (int i : {0, 3, 4, 6}) Note(drums, t0 + i * e, e, i % 2 ? 62 : 64, 70);
      break;
    case Style::Stride:
      for (int b = 0; b < 4; ++b) {
        if (b % 2 == 0)
          Note(chords, t0 + b * q, q - 40, root(b * q, b == 0 ? 31 : 36), 82);
        else
          Block(chords, chordAt(b * q), t0 + b * q, q - 60, 64, 52);
      }
      for (int b = 0; b < 4; ++b) Note(drums, t0 + b * q, e, 51, b % 2 ? 58 : 48);
      for (int b : {1, 3}) Note(drums, t0 + b * q + e, e, 51, 40);  // swung by the whole tune
      Note(bass, t0, 2 * q - 30, root(0, 28), 70);
      Note(bass, t0 + 2 * q, 2 * q - 30, fifth(2 * q, 28), 64);
      break;
    case Style::Polka:
      for (int b = 0; b < 4; ++b) {
        Note(bass, t0 + b * q, e, b % 2 ? fifth(b * q) : root(b * q), 90);
        Block(chords, chordAt(b * q), t0 + b * q + e, e - 20, 64, 57);
        Note(drums, t0 + b * q, e, 36, 70);
        Note(drums, t0 + b * q + e, e, 38, 52);
      }
      break;
    case Style::MusicBox:
      Note(bass, t0, q, root(0, 40), 78);
      Block(chords, first, t0 + q, e, 52, 58);
      Block(chords, first, t0 + 2 * q, e, 48, 58);
      if (bar % 2 == 0) Note(drums, t0, q, 81, 40);
      break;
  }
}

// Swing: an eighth off the beat moves to two thirds of the beat.
int Swing(int tick) {
  const int inBeat = tick % kTicksPerQuarter;
  return inBeat == kTicksPerQuarter / 2 ? tick - inBeat + kTicksPerQuarter * 2 / 3 : tick;
}

bool Compose(const TuneSpec& spec, uint64_t seed, MidiTune* tune, std::string* why) {
  const int barSixteenths = spec.meterTop * 16 / spec.meterBottom;
  const int barTicks = barSixteenths * kSixteenth;
  std::vector<Written> a, b;
  std::vector<Chord> chordsA, chordsB;
  int barsA = 0, barsB = 0;
  if (!ReadMelody(spec.melodyA, spec.key, barSixteenths, a, &barsA, why) ||
      !ReadMelody(spec.melodyB, spec.key, barSixteenths, b, &barsB, why) ||
      !ReadChords(spec.chordsA, spec.key % 12, chordsA, why) || !ReadChords(spec.chordsB, spec.key % 12, chordsB, why))
    return false;
  if (static_cast<int>(chordsA.size()) != 2 * barsA || static_cast<int>(chordsB.size()) != 2 * barsB) {
    *why = "chords and melody differ in bars";
    return false;
  }
  Parts parts;
  parts.melody = {"melody", 0, spec.melodyProgram, 110, 64, 50, {}};
  parts.counter = {"counter", 1, spec.counterProgram, 78, 84, 50, {}};
  parts.chords = {"chords", 2, spec.chordProgram, 82, 44, 40, {}};
  parts.bass = {"bass", 3, spec.bassProgram, 100, 64, 25, {}};
  parts.drums = {"drums", 9, 0, 80, 64, 35, {}};

  struct Section {
    const std::vector<Written>* melody;
    const std::vector<Chord>* chords;
    int bars;
    bool withCounter;
  };
  const Section form[] = {{&a, &chordsA, barsA, false}, {&a, &chordsA, barsA, false},
                          {&b, &chordsB, barsB, true}, {&a, &chordsA, barsA, true}};
  Rng r(seed);
  int bar = 0;
  for (const Section& s : form) {
    const int start = bar * barTicks;
    for (const Written& w : *s.melody) {
      if (!w.pitch) continue;
      const int tick = start + w.at * kSixteenth;
      const bool strong = (w.at % barSixteenths) == 0;
      const int velocity = (strong ? 104 : 92) + r.Int(8);
      Note(parts.melody, tick, w.length * kSixteenth - 24, w.pitch, velocity);
      if (!s.withCounter) continue;
      int counter = w.pitch + 12;
      if (spec.counter == Counter::ThirdBelow) {
        // a third below within the scale: two degrees down
        int pc = (w.pitch - spec.key % 12 + 120) % 12, step = 0;
        while (step < 7 && kMajor[step] != pc) ++step;
        counter = step < 7 ? w.pitch - (kMajor[step] - kMajor[(step + 5) % 7] + 12) % 12 : w.pitch - 3;
      }
      Note(parts.counter, tick, w.length * kSixteenth - 24, counter, velocity - 22);
    }
    for (int i = 0; i < s.bars; ++i)
      Accompany(spec.style, parts, bar + i, barTicks, (*s.chords)[2 * i], (*s.chords)[2 * i + 1], i == 0);
    bar += s.bars;
  }
  tune->name = spec.name;
  tune->beatsPerMinute = spec.bpm;
  tune->meterTop = spec.meterTop;
  tune->meterBottom = spec.meterBottom;
  tune->totalTicks = bar * barTicks;
  tune->parts = {parts.melody, parts.counter, parts.chords, parts.bass, parts.drums};
  if (spec.style == Style::Stride)
    for (MidiPart& p : tune->parts)
      for (MidiNote& n : p.notes) n.tick = Swing(n.tick);
  return true;
}

// ---- the tunes ----------------------------------------------------------------------------

// Programs of the General MIDI set.
enum Gm {
  kPiano = 0, kCelesta = 8, kGlockenspiel = 9, kXylophone = 13, kAccordion = 21, kNylonGuitar = 24,
  kSteelGuitar = 25, kAcousticBass = 32, kFingerBass = 33, kViolin = 40, kPizzicato = 45, kHarp = 46,
  kStrings = 48, kTrumpet = 56, kTuba = 58, kFrenchHorn = 60, kBrass = 61, kOboe = 68, kClarinet = 71,
  kFlute = 73, kPanFlute = 75, kOcarina = 79, kSteelDrums = 114,
};

const TuneSpec kTunes[kTuneCount] = {
    {"3DAYSX", "sunny.mid", 72, 120, 4, 4, Style::Pop, kPiano, kGlockenspiel, kPiano, kFingerBass, Counter::OctaveUp,
     "I | V | vi | IV | I | V | IV/V | I",
     "1q 3e 5e 5q 3q | 2q 7,e 2e 5h | 1q 3e 6e 6q 5e 3e | 4q. 3e 2q 1q | 1q 3e 5e 1'q 7e 6e | 5q 7e 2'e 2'q 7q | "
     "6e 6e 5e 4e 2q 5q | 1'h. -q",
     "IV | I | IV | V | vi | iii | ii | V",
     "6q 6e 1'e 6q 4q | 5q 5e 3e 5h | 6q 6e 1'e 2'q 1'q | 7h 5h | 3'q 2'e 1'e 6q 1'q | 7q 5e 3e 5h | "
     "6q 4e 6e 1'q 6q | 7q 2'q 5h"},
    {"CANYON", "canyon.mid", 67, 150, 6, 8, Style::Gallop, kPanFlute, kOcarina, kSteelGuitar, kAcousticBass,
     Counter::ThirdBelow,
     "I | I | IV | I | I | V | I/V | I",
     "5,e 1e 3e 5q. | 5q 3e 1q. | 4q 6e 1'q 6e | 5q. 3q. | 1'e 7e 6e 5q 3e | 5q 4e 2q 7,e | 3e 5e 1'e 7e 6e 2e | 1h.",
     "IV | IV | I | I | ii | V | I | V",
     "6q 6e 6q 1'e | 1'q. 6q. | 5q 5e 5q 7e | 1'q. 5q. | 6q 1'e 6q 4e | 5q 7e 2'q 7e | 1'e 7e 1'e 3'q 1'e | 2'q. 7q."},
    {"AMERICA", "parade.mid", 65, 112, 4, 4, Style::March, kTrumpet, kFrenchHorn, kBrass, kTuba, Counter::ThirdBelow,
     "I | I | V | V | I | IV | V7 | I",
     "5,q. 5,e 1q 3q | 5h 3q 1q | 2q. 2e 5,q 7,q | 2h -q 5,q | 1q. 1e 3q 5q | 6h 4q 6q | 5q. 4e 3q 2q | 1h. -q",
     "IV | I | IV | V | vi | ii | V | V",
     "4q. 4e 6q 1'q | 1'h 6q 5q | 4q 6q 1'q 6q | 5h. -q | 6q. 6e 1'q 6q | 5q. 4e 2q 4q | 5q 7,q 2q 5q | 5q 4q 3q 2q"},
    {"ARANJUZE", "guitar.mid", 69, 126, 3, 4, Style::GuitarWaltz, kFlute, kOboe, kNylonGuitar, kNylonGuitar,
     Counter::ThirdBelow,
     "I | IV | V | I | vi | ii | V | I",
     "3q 5q 1'q | 1'q. 7e 6q | 5h 2q | 3h. | 6q 1'q 3'q | 2'q. 1'e 6q | 5q 7q 2'q | 1'h.",
     "IV | V | iii | vi | ii | I | ii | V",
     "4q 6q 1'q | 2'q. 1'e 7q | 3'q 2'q 7q | 1'h 6q | 4q 6q 2'q | 1'q. 7e 5q | 6q 4q 2q | 5h."},
    {"COULEUR", "island.mid", 74, 112, 4, 4, Style::Calypso, kSteelDrums, kXylophone, kSteelGuitar, kFingerBass,
     Counter::ThirdBelow,
     "I | I | IV | V | I | I | IV/V | I",
     "1e 3e -e 5e -e 5e 6e 5e | 3q 1e 3e -e 2q. | 4e 6e -e 1'e -e 1'e 2'e 1'e | 7q 5e 2e -e 5q. | "
     "1'e 1'e -e 6e -e 5e 3e 5e | 3q. 2e 1h | 4e 6e 4e 6e 5e 7e 2'e 7e | 1'q. 5e 1'h",
     "IV | I | IV | I | ii | V | ii | V",
     "6e 6e -e 6e 1'q 6q | 5e 5e -e 5e 3q 1q | 4e 6e 1'e 2'e -e 1'q. | 5h -q 3e 5e | 6e 4e 2e 4e 6q 2'q | "
     "7q 5e 2e 5h | 4e 6e 2'e 1'e 6q 4q | 5e 5e -e 7e -e 2'q."},
    {"COUPDECO", "stride.mid", 65, 108, 4, 4, Style::Stride, kClarinet, kViolin, kPiano, kAcousticBass,
     Counter::ThirdBelow,
     "I | vi | ii | V7 | I | IV | ii/V | I",
     "3e #2e 3e 5e 1'q 6q | 5q. 3e 6h | 2e #1e 2e 4e 6q 4q | 5h. -q | 3e #2e 3e 5e 1'e 3'e 2'e 1'e | 6q 4q 1'q 6q | "
     "4e 6e 5e 4e 3q 2q | 1h -q 5,q",
     "IV | I | IV | I | vi | ii | V | V7",
     "1'e 6e 4e 6e 1'q. 6e | 5q 3q 1q -q | 1'e 6e 4e 6e 2'q. 1'e | 3'h 1'q -q | 6q 1'e 6e 5q 3q | 4q 6e 4e 2h | "
     "7,e 2e 5e 7e 2'q 7q | 5h -q 5,q"},
    {"GLADRAG", "polka.mid", 67, 136, 4, 4, Style::Polka, kAccordion, kViolin, kAccordion, kTuba, Counter::ThirdBelow,
     "I | V | V | I | I | IV | V | I",
     "5,e 1e 3e 5e 3e 1e 3e 5e | 4q 2q 7,q 5,q | 2e 4e 5e 4e 2q 7,q | 1q 3q 5q -q | 1'e 7e 1'e 5e 3e 5e 1'e 3'e | "
     "2'q 1'q 6q 4q | 5e 5e 7e 2'e 4'q 2'q | 1'q 5q 1'q -q",
     "IV | IV | I | I | V | V | I | V",
     "6e 6e 6e 6e 1'q 6q | 4e 6e 1'e 6e 4q -q | 5e 5e 5e 5e 1'q 5q | 3e 5e 1'e 5e 3q -q | 2e 5e 7e 5e 2'q 7q | "
     "1'e 7e 6e 5e 4q 2q | 3e 5e 1'e 3'e 2'e 1'e 7e 6e | 5q 7q 2'q -q"},
    {"ANITRAS", "musicbox.mid", 75, 150, 3, 4, Style::MusicBox, kCelesta, kGlockenspiel, kPizzicato, kPizzicato,
     Counter::OctaveUp,
     "I | I | V7 | V7 | V7 | V7 | I | I",
     "5,q 1q 3q | 5h 3q | 4q. 3e 2q | 7,h. | 2q 4q 5q | 7q 6q 5q | 3q 5q 1'q | 1'h.",
     "IV | IV | I | I | ii | V | I | V",
     "6q 1'q 6q | 4h 6q | 5q 1'q 5q | 3h 5q | 4q 6q 2'q | 2'q. 1'e 7q | 1'q 5q 3q | 2q 4q 7,q"},
};

}  // namespace

void MakeTunes(Gen& g) {
  for (int i = 0; i < kTuneCount; ++i) {
    const TuneSpec& spec = kTunes[i];
    MidiTune tune;
    std::string why;
    if (!Compose(spec, 1000 + i, &tune, &why)) {
      g.Check(false, std::string(spec.name) + " (" + why + ")");
      continue;
    }
    g.Check(WriteFile(g.ProgramPath(std::string("music/") + spec.file), EncodeMidi(tune)), spec.file);
    g.ini.Set("SOUND", spec.name, std::string("music\\") + spec.file);
  }
  for (const char* name : kTuneNames) {
    bool found = false;
    for (const TuneSpec& spec : kTunes) found = found || std::strcmp(spec.name, name) == 0;
    g.Check(found, std::string("a tune for ") + name);
  }
}

}  // namespace art
