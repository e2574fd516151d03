// Reads back the generated sounds: every name the program plays has a wave or a tune in the
// layout file; the waves are PCM and audible, one-shot sounds start and end quietly and the loops
// join without a click; the tunes are well-formed MIDI of at least 30 seconds, different from
// each other, and render (with timidity) to audio of their own length; the intro video is 512 x
// 384 with 8-bit palettised frames that move.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "assets/asset_read.h"
#include "colvane/media/sound_names.h"
#include "tests/assets/sound_read.h"

namespace fs = std::filesystem;

namespace {

struct Generated {
  std::string root;
  assetread::IniFile ini;
  bool ok = false;
};

const Generated& Content() {
  static Generated g = [] {
    Generated c;
    c.root = std::string(COLVANE_SOUND_TEST_DIR) + "/a";
    std::error_code ec;
    fs::remove_all(c.root, ec);
    const std::string cmd = std::string("\"") + COLVANE_ASSETS_EXE + "\" \"" + c.root + "\" >/dev/null";
    c.ok = std::system(cmd.c_str()) == 0 && c.ini.Load(c.root + "/Colvane/Colvane.ini");
    return c;
  }();
  return g;
}

std::string FileOf(const std::string& name) {
  return assetread::ProgramFile(Content().root + "/Colvane", Content().ini.Get("SOUND", name));
}

std::vector<uint8_t> Bytes(const std::string& path) {
  std::vector<uint8_t> d;
  EXPECT_TRUE(assetread::ReadAll(path, d)) << path;
  return d;
}

soundread::Wave WaveOf(const std::string& name) {
  soundread::Wave w;
  std::string why;
  EXPECT_TRUE(soundread::ReadWave(Bytes(FileOf(name)), w, &why)) << name << ": " << why;
  return w;
}

soundread::Midi MidiOf(const std::string& name) {
  soundread::Midi m;
  std::string why;
  EXPECT_TRUE(soundread::ReadMidi(Bytes(FileOf(name)), m, &why)) << name << ": " << why;
  return m;
}

double Rms(const std::vector<int16_t>& s, size_t from, size_t to) {
  double sum = 0;
  for (size_t i = from; i < to && i < s.size(); ++i) sum += static_cast<double>(s[i]) * s[i];
  return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0;
}

// Sounds looped in the tool slot: the tool sounds (the lens's shimmer only ever plays once) and
// the two jingles.
bool Loops(const std::string& name) {
  if (name == "start" || name == "end") return true;
  for (int icon = 0; icon < 18; ++icon)
    if (ToolSoundName(icon) && name == ToolSoundName(icon) && name != "spec") return true;
  return false;
}
// Sounds that play once; the typewriter's key also loops, as clack after clack.
bool OneShot(const std::string& name) { return !Loops(name) || name == "TYPER"; }

class Sounds : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Content().ok) << "the generator did not run"; }
};

}  // namespace

TEST_F(Sounds, EveryNameTheProgramPlaysNamesAFile) {
  for (int i = 0; i < kWaveNameCount; ++i) {
    ASSERT_TRUE(Content().ini.Has("SOUND", kWaveNames[i])) << kWaveNames[i];
    EXPECT_TRUE(fs::is_regular_file(FileOf(kWaveNames[i]))) << kWaveNames[i];
  }
  for (const char* tune : kTuneNames) {
    ASSERT_TRUE(Content().ini.Has("SOUND", tune)) << tune;
    EXPECT_TRUE(fs::is_regular_file(FileOf(tune))) << tune;
  }
}

TEST_F(Sounds, WavesArePcmAndAudible) {
  for (int i = 0; i < kWaveNameCount; ++i) {
    const soundread::Wave w = WaveOf(kWaveNames[i]);
    EXPECT_EQ(w.channels, 1) << kWaveNames[i];
    EXPECT_EQ(w.rate, 22050) << kWaveNames[i];
    EXPECT_EQ(w.bits, 16) << kWaveNames[i];
    EXPECT_GT(w.Seconds(), 0.05) << kWaveNames[i];
    EXPECT_LT(w.Seconds(), 3.0) << kWaveNames[i];
    int peak = 0;
    for (int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(peak, 32767 / 8) << kWaveNames[i] << " is nearly silent";
    EXPECT_LT(peak, 32767) << kWaveNames[i] << " clips";
    EXPECT_GT(Rms(w.samples, 0, w.samples.size()), 300) << kWaveNames[i];
  }
}

TEST_F(Sounds, OneShotSoundsStartAndEndQuietly) {
  for (int i = 0; i < kWaveNameCount; ++i) {
    if (!OneShot(kWaveNames[i])) continue;
    const soundread::Wave w = WaveOf(kWaveNames[i]);
    ASSERT_FALSE(w.samples.empty());
    EXPECT_LT(std::abs(w.samples.front()), 400) << kWaveNames[i];
    EXPECT_LT(std::abs(w.samples.back()), 100) << kWaveNames[i];
  }
}

// Played round and round, the join is like any other moment of the sound: the first sample
// follows the last two as closely as any sample follows the two before it (a click breaks that),
// and the level changes across the join no more than between any two neighbouring tenths of a
// second inside the loop.
TEST_F(Sounds, LoopsJoinWithoutAClick) {
  int loops = 0;
  for (int i = 0; i < kWaveNameCount; ++i) {
    if (!Loops(kWaveNames[i])) continue;
    ++loops;
    const soundread::Wave w = WaveOf(kWaveNames[i]);
    const std::vector<int16_t>& s = w.samples;
    const size_t n = s.size();
    ASSERT_GT(n, 4410u);
    auto at = [&](size_t k) { return static_cast<int>(s[k % n]); };
    auto jolt = [&](size_t k) { return std::abs(at(k) - 2 * at(k - 1) + at(k - 2)); };  // k >= 2
    std::vector<int> jolts;
    for (size_t k = 2; k < n; ++k) jolts.push_back(jolt(k));
    std::sort(jolts.begin(), jolts.end());
    const int usual = jolts[jolts.size() * 999 / 1000];
    EXPECT_LE(std::max(jolt(n), jolt(n + 1)), usual) << kWaveNames[i] << ": a click at the join";
    const size_t window = 2205;  // 0.1 s
    auto change = [&](size_t split) {
      const double before = Rms(s, split - window, split), after = Rms(s, split, split + window);
      return (std::max(before, after) + 50) / (std::min(before, after) + 50);
    };
    double inside = 1;
    for (size_t split = window; split + window <= n; split += window / 10) inside = std::max(inside, change(split));
    const double before = Rms(s, n - window, n), after = Rms(s, 0, window);
    EXPECT_LE((std::max(before, after) + 50) / (std::min(before, after) + 50), inside * 1.25)
        << kWaveNames[i] << ": the level jumps at the join";
  }
  EXPECT_EQ(loops, 17);  // 15 tool sounds and the two jingles
}

TEST_F(Sounds, TunesAreMidiOfAtLeastThirtySecondsAndDifferent) {
  std::set<std::vector<int>> melodies;
  std::set<std::string> instruments;
  for (const char* tune : kTuneNames) {
    const soundread::Midi m = MidiOf(tune);
    EXPECT_EQ(m.format, 1) << tune;
    EXPECT_GE(m.tracks, 3) << tune;
    EXPECT_EQ(m.unmatched, 0) << tune << ": notes left sounding";
    ASSERT_FALSE(m.tempos.empty()) << tune;
    const double seconds = m.Seconds(m.endTick);
    EXPECT_GE(seconds, 30.0) << tune;
    EXPECT_LE(seconds, 120.0) << tune;
    std::vector<int> melody;  // the first notes of the tune's melody, as steps between them
    int last = -1;
    for (const soundread::MidiNoteOn& n : m.notes) {
      if (n.channel != 0) continue;
      if (last >= 0) melody.push_back(n.key - last);
      last = n.key;
      if (melody.size() == 16) break;
    }
    EXPECT_EQ(melody.size(), 16u) << tune;
    melodies.insert(melody);
    std::string set;
    for (int c = 0; c < 4; ++c) set += std::to_string(m.programs[c]) + ",";
    instruments.insert(set);
  }
  EXPECT_EQ(melodies.size(), static_cast<size_t>(kTuneCount)) << "two tunes share their melody";
  EXPECT_EQ(instruments.size(), static_cast<size_t>(kTuneCount)) << "two tunes share their instruments";
}

// timidity (with the freepats instruments) plays each tune into a wave file.
TEST_F(Sounds, TunesRenderToAudioOfTheirLength) {
  ASSERT_EQ(std::system("command -v timidity >/dev/null"), 0) << "timidity is missing (scripts/deps installs it)";
  const std::string out = std::string(COLVANE_SOUND_TEST_DIR) + "/rendered";
  fs::create_directories(out);
  for (const char* tune : kTuneNames) {
    const std::string wav = out + "/" + tune + ".wav";
    const std::string cmd = "timidity -c /etc/timidity/freepats.cfg -Ow --output-mono -s 22050 -o \"" + wav + "\" \"" +
                            FileOf(tune) + "\" >/dev/null 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << tune;
    soundread::Wave w;
    std::string why;
    ASSERT_TRUE(soundread::ReadWave(Bytes(wav), w, &why)) << tune << ": " << why;
    const soundread::Midi m = MidiOf(tune);
    const double expected = m.Seconds(m.endTick);
    EXPECT_GE(w.Seconds(), expected - 0.5) << tune;
    EXPECT_LE(w.Seconds(), expected + 5.0) << tune;  // the last notes ring on
    // no stretch of two seconds in the tune is silent
    const size_t step = static_cast<size_t>(2 * w.rate);
    for (size_t at = 0; at + step <= static_cast<size_t>(expected * w.rate); at += step)
      EXPECT_GT(Rms(w.samples, at, at + step), 200) << tune << " is silent at " << at / w.rate << " s";
  }
}

TEST_F(Sounds, IntroIsA512By384ClipOfPalettisedFramesThatMove) {
  soundread::Avi avi;
  std::string why;
  ASSERT_TRUE(soundread::ReadAvi(Bytes(Content().root + "/Colvane/head.avi"), avi, &why)) << why;
  EXPECT_EQ(avi.width, 512u);
  EXPECT_EQ(avi.height, 384u);
  EXPECT_EQ(avi.streams, 1u);
  EXPECT_EQ(avi.streamType, "vids");
  EXPECT_EQ(avi.bitCount, 8);
  EXPECT_EQ(avi.compression, 0);
  EXPECT_EQ(avi.coloursUsed, 256);
  ASSERT_EQ(avi.palette.size(), 1024u);
  EXPECT_EQ(avi.totalFrames, avi.frames.size());
  EXPECT_EQ(avi.length, avi.frames.size());
  EXPECT_EQ(avi.indexEntries, avi.frames.size());
  EXPECT_TRUE(avi.indexPointsAtFrames);
  const double seconds = static_cast<double>(avi.frames.size()) * avi.scale / avi.rate;
  EXPECT_GE(seconds, 3.0);
  EXPECT_LE(seconds, 6.0);
  EXPECT_NEAR(avi.microPerFrame, 1e6 * avi.scale / avi.rate, 1.0);
  std::set<uint8_t> used;
  for (const std::vector<uint8_t>& f : avi.frames) {
    ASSERT_EQ(f.size(), 512u * 384u);
    used.insert(f.begin(), f.end());
  }
  EXPECT_GT(used.size(), 128u) << "the frames use few of their colours";
  int moving = 0;
  for (size_t i = 1; i < avi.frames.size(); ++i) moving += avi.frames[i] != avi.frames[i - 1];
  EXPECT_GT(moving, static_cast<int>(avi.frames.size()) / 2) << "the intro stands still";
}
