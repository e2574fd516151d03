// The synthesiser's building blocks and the PCM wave writer.
#include "assets/sound_synth.h"

#include <algorithm>
#include <cmath>

#include "assets/file_write.h"

namespace art {

float WhiteNoise::Next() {
  // splitmix64, top 24 bits as a fraction
  uint64_t z = (s += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<float>((z >> 40) / 8388608.0 - 1.0);
}

OnePole::OnePole(double hz) { a = static_cast<float>(1.0 - std::exp(-2.0 * M_PI * hz / kWaveRate)); }

float OnePole::Low(float x) {
  z += a * (x - z);
  return z;
}

// RBJ band-pass with 0 dB peak: b0 = alpha, b2 = -alpha, a0 = 1 + alpha, a1 = -2 cos w, a2 = 1 - alpha.
float BandPass::Run(float x, double hz) {
  const double w = 2.0 * M_PI * std::min(hz, kWaveRate * 0.45) / kWaveRate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double a0 = 1.0 + alpha;
  const double y = (alpha * x - alpha * x2 + 2.0 * std::cos(w) * y1 - (1.0 - alpha) * y2) / a0;
  x2 = x1;
  x1 = x;
  y2 = y1;
  y1 = static_cast<float>(y);
  return y1;
}

Samples Struck(double hz, double seconds, const std::vector<Partial>& partials) {
  Samples s(SampleCount(seconds), 0.0f);
  const double rise = 0.003;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kWaveRate;
    double v = 0;
    for (const Partial& p : partials) v += p.level * std::exp(-t / p.decay) * std::sin(2 * M_PI * hz * p.ratio * t);
    s[i] = static_cast<float>(v * std::min(1.0, t / rise));
  }
  // the last few milliseconds reach exactly zero
  FadeEnds(s, 0, std::min(0.01, seconds / 4));
  return s;
}

void AddWrapped(Samples& buffer, const Samples& event, int at, float gain) {
  const size_t n = buffer.size();
  if (n == 0) return;
  for (size_t i = 0; i < event.size(); ++i) buffer[(static_cast<size_t>(at) + i) % n] += gain * event[i];
}

void AddAt(Samples& buffer, const Samples& event, int at, float gain) {
  for (size_t i = 0; i < event.size() && at + i < buffer.size(); ++i) buffer[at + i] += gain * event[i];
}

Samples JoinLoop(const Samples& longer, int overlap) {
  const size_t n = longer.size() - static_cast<size_t>(overlap);
  Samples loop(longer.begin(), longer.begin() + static_cast<long>(n));
  for (int i = 0; i < overlap; ++i) {
    const double f = (i + 0.5) / overlap * M_PI / 2;  // head fades in, tail fades out
    loop[i] = static_cast<float>(longer[i] * std::sin(f) + longer[n + i] * std::cos(f));
  }
  return loop;
}

void Normalise(Samples& s, float peak) {
  float m = 0;
  for (float v : s) m = std::max(m, std::fabs(v));
  if (m <= 0) return;
  for (float& v : s) v *= peak / m;
}

void FadeEnds(Samples& s, double in, double out) {
  const int a = SampleCount(in), b = SampleCount(out), n = static_cast<int>(s.size());
  for (int i = 0; i < a && i < n; ++i) s[i] *= static_cast<float>(i) / a;
  for (int i = 0; i < b && i < n; ++i) s[n - 1 - i] *= static_cast<float>(i) / b;
}

// Layout of the file:
//   OFFSET SIZE FIELD
//   0      4    "RIFF"
//   4      4    36 + data bytes
//   8      4    "WAVE"
//   12     4    "fmt "
//   16     4    16
//   20     2    1 (PCM)
//   22     2    1 channel
//   24     4    sample rate
//   28     4    byte rate (rate x 2)
//   32     2    block align (2)
//   34     2    16 bits per sample
//   36     4    "data"
//   40     4    data bytes
//   44     ...  samples, little-endian signed 16-bit
std::vector<uint8_t> EncodeWave(const Samples& s) {
  Bytes b;
  const uint32_t data = static_cast<uint32_t>(s.size() * 2);
  for (char c : std::string("RIFF")) b.U8(static_cast<uint8_t>(c));
  b.U32(36 + data);
  for (char c : std::string("WAVEfmt ")) b.U8(static_cast<uint8_t>(c));
  b.U32(16);
  b.U16(1);
  b.U16(1);
  b.U32(kWaveRate);
  b.U32(kWaveRate * 2);
  b.U16(2);
  b.U16(16);
  for (char c : std::string("data")) b.U8(static_cast<uint8_t>(c));
  b.U32(data);
  for (float v : s) {
    const long q = std::lround(std::max(-1.0f, std::min(1.0f, v)) * 32767.0f);
    b.U16(static_cast<uint32_t>(static_cast<int16_t>(q)) & 0xFFFF);
  }
  return b.b;
}

}  // namespace art
