// A small synthesiser for the program's wave sounds: mono sample buffers at 22050 Hz, a few
// oscillators and filters, envelopes, loops that wrap without a click, and the PCM wave writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

constexpr int kWaveRate = 22050;
using Samples = std::vector<float>;

inline int SampleCount(double seconds) { return static_cast<int>(seconds * kWaveRate + 0.5); }

// White noise in [-1, 1], the same sequence for the same seed.
struct WhiteNoise {
  uint64_t s;
  explicit WhiteNoise(uint64_t seed) : s(seed) {}
  float Next();
};

// One-pole low-pass and high-pass at a corner frequency in Hz.
struct OnePole {
  float a = 0, z = 0;
  explicit OnePole(double hz);
  float Low(float x);
  float High(float x) { return x - Low(x); }
};

// A band-pass (constant peak gain) whose centre may move from sample to sample.
struct BandPass {
  double q;
  float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  explicit BandPass(double quality) : q(quality) {}
  float Run(float x, double hz);
};

// A struck tone: sine partials at `ratios` of f with their levels, each decaying with its own
// time constant (seconds), after a 3 ms rise so it starts without a click.
struct Partial {
  double ratio, level, decay;
};
Samples Struck(double hz, double seconds, const std::vector<Partial>& partials);

// Adds `event` into `buffer` at `at`; past the end it wraps to the start, so a loop made of
// events joins without a seam.
void AddWrapped(Samples& buffer, const Samples& event, int at, float gain = 1.0f);
// Adds `event` at `at`, dropping what falls past the end.
void AddAt(Samples& buffer, const Samples& event, int at, float gain = 1.0f);

// A loop of n samples from n + overlap samples of continuous sound: the extra tail is faded into
// the head with equal power, so the last sample leads into the first as in the unbroken sound.
Samples JoinLoop(const Samples& longer, int overlap);

// Scales to the given peak (of 1.0 = full scale).
void Normalise(Samples& s, float peak);
// Linear fades at both ends, in seconds.
void FadeEnds(Samples& s, double in, double out);

// A 16-bit mono PCM wave file at kWaveRate.
std::vector<uint8_t> EncodeWave(const Samples& s);

}  // namespace art
