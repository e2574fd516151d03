// The program's wave sounds, synthesised: the event sounds (a gate, a rubbish bin, a button, a
// page turn, a book, a typewriter key, the lens's shimmer), the opening and goodbye jingles, the
// chime, and the looping sound of every tool. Loops are 2 s and join without a click: events are
// laid around the loop so their tails wrap to its start, continuous sound is joined by a fade.
#include <cmath>
#include <cstring>
#include <functional>

#include "assets/gen_context.h"
#include "assets/sound_synth.h"
#include "colvane/media/sound_names.h"

namespace art {

namespace {

constexpr double kLoopSeconds = 2.0;

double Midi(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// A wooden mallet: strong fundamental, a bright fourth partial that dies fast.
Samples Mallet(int note, double seconds) {
  return Struck(Midi(note), seconds, {{1, 1.0, 0.25}, {2, 0.25, 0.12}, {4, 0.2, 0.03}});
}
// A small bell: inharmonic partials with long tails.
Samples Bell(int note, double seconds) {
  return Struck(Midi(note), seconds, {{1, 1.0, 0.5}, {2.76, 0.45, 0.25}, {5.4, 0.25, 0.12}, {8.93, 0.1, 0.05}});
}

// Filtered noise shaped by an envelope of time: amp(t) and the band's centre hz(t).
Samples NoiseBand(double seconds, uint64_t seed, double q, const std::function<double(double)>& hz,
                  const std::function<double(double)>& amp) {
  Samples s(SampleCount(seconds));
  WhiteNoise noise(seed);
  BandPass band(q);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kWaveRate;
    s[i] = static_cast<float>(band.Run(noise.Next(), hz(t)) * amp(t));
  }
  return s;
}

// A sine whose pitch glides from f0 to f1 and dies away: bubbles, blips, pops.
Samples Glide(double f0, double f1, double seconds, double decay) {
  Samples s(SampleCount(seconds));
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kWaveRate, k = t / seconds;
    phase += 2 * M_PI * (f0 + (f1 - f0) * k) / kWaveRate;
    s[i] = static_cast<float>(std::sin(phase) * std::exp(-t / decay) * std::min(1.0, t / 0.002));
  }
  FadeEnds(s, 0, std::min(0.005, seconds / 4));
  return s;
}

// Continuous sound made long enough to be joined into a loop of kLoopSeconds.
Samples Looped(const std::function<Samples(double)>& make) {
  const int overlap = SampleCount(0.25);
  return JoinLoop(make(kLoopSeconds + 0.25), overlap);
}

// ---- events -----------------------------------------------------------------------------

Samples ButtonDown() {
  Samples s = Glide(900, 520, 0.09, 0.03);
  AddAt(s, NoiseBand(0.01, 7, 1.5, [](double) { return 3000; }, [](double) { return 0.4; }), 0);
  return s;
}

Samples Select() {
  Samples s(SampleCount(0.36), 0.0f);
  AddAt(s, Mallet(76, 0.2), 0);
  AddAt(s, Mallet(83, 0.26), SampleCount(0.09));
  return s;
}

Samples Book() {
  Samples s = Glide(110, 70, 0.2, 0.06);
  s.resize(SampleCount(0.55), 0.0f);
  AddAt(s, NoiseBand(0.4, 11, 2.0, [](double t) { return 2500 + 1500 * t; },
                     [](double t) { return std::exp(-t / 0.12) * (0.6 + 0.4 * std::sin(2 * M_PI * 28 * t)); }),
        SampleCount(0.05), 1.6f);
  return s;
}

Samples PageTurn() {
  Samples s = NoiseBand(0.5, 13, 1.2, [](double t) { return 600 + 5000 * t; },
                        [](double t) { return std::sin(M_PI * t / 0.5) * (0.8 + 0.2 * std::sin(2 * M_PI * 35 * t)); });
  AddAt(s, NoiseBand(0.05, 17, 2.0, [](double) { return 5200; }, [](double t) { return std::exp(-t / 0.012); }),
        SampleCount(0.42), 1.2f);
  return s;
}

Samples Gate() {
  // the creak: a train of clicks whose rate wanders, rung through a wooden body
  Samples s(SampleCount(0.95), 0.0f);
  BandPass body(6.0);
  double phase = 0;
  for (int i = 0; i < SampleCount(0.6); ++i) {
    const double t = static_cast<double>(i) / kWaveRate;
    phase += (45 + 25 * std::sin(2 * M_PI * 1.6 * t) + 15 * t) / kWaveRate;
    const float pulse = phase - std::floor(phase) < 0.06 ? 1.0f : 0.0f;
    const double envelope = std::sin(M_PI * t / 0.6);
    s[i] = static_cast<float>(body.Run(pulse, 850 + 200 * std::sin(2 * M_PI * 2.1 * t)) * envelope * 3.0);
  }
  // the clunk of the latch
  AddAt(s, Glide(140, 90, 0.25, 0.07), SampleCount(0.62), 0.9f);
  AddAt(s, NoiseBand(0.06, 19, 1.0, [](double) { return 1800; }, [](double t) { return std::exp(-t / 0.015); }),
        SampleCount(0.62), 0.8f);
  return s;
}

Samples RubbishBin() {
  // a tin lid: inharmonic partials; it rattles once more as it settles; then crumpled paper
  auto clank = [] {
    return Struck(420, 0.5, {{1, 0.8, 0.18}, {2.69, 0.6, 0.12}, {4.45, 0.45, 0.08}, {6.4, 0.3, 0.05}});
  };
  Samples s(SampleCount(0.85), 0.0f);
  AddAt(s, clank(), 0);
  AddAt(s, clank(), SampleCount(0.11), 0.5f);
  AddAt(s, NoiseBand(0.35, 23, 1.0, [](double) { return 3500; },
                     [](double t) { return 0.5 * std::sin(M_PI * t / 0.35) * (std::sin(2 * M_PI * 47 * t) > 0.3 ? 1 : 0.2); }),
        SampleCount(0.45));
  return s;
}

// A typewriter key: a sharp strike and the thunk of the type bar; silence after, so as a loop it
// goes clack, clack.
Samples TypewriterKey() {
  Samples s(SampleCount(0.25), 0.0f);
  AddAt(s, NoiseBand(0.03, 29, 1.2, [](double) { return 4200; }, [](double t) { return std::exp(-t / 0.004); }), 0, 1.6f);
  AddAt(s, Glide(210, 150, 0.06, 0.018), SampleCount(0.004), 0.7f);
  return s;
}

// The lens: a rising sparkle.
Samples Shimmer() {
  Samples s(SampleCount(0.9), 0.0f);
  const int notes[] = {84, 88, 91, 96, 100};
  for (int i = 0; i < 5; ++i) AddAt(s, Bell(notes[i], 0.5), SampleCount(0.07 * i), 0.5f);
  return s;
}

Samples Chime() {
  Samples s(SampleCount(1.6), 0.0f);
  AddAt(s, Bell(79, 1.5), 0);
  AddAt(s, Bell(84, 1.3), SampleCount(0.18), 0.7f);
  return s;
}

// A jingle looped while the program opens or closes: steps of 0.15 s on a mallet, laid around
// the loop so the last notes ring into the first.
Samples Jingle(const std::vector<int>& notes) {
  const double step = 0.15;
  Samples s(SampleCount(step * notes.size()), 0.0f);
  for (size_t i = 0; i < notes.size(); ++i)
    if (notes[i] > 0) AddWrapped(s, Mallet(notes[i], 0.45), SampleCount(step * i), 0.6f);
  return s;
}

// ---- tool loops ---------------------------------------------------------------------------

// Events laid around a loop at random moments, `perSecond` of them.
Samples Scatter(uint64_t seed, double perSecond, const std::function<Samples(Rng&)>& event) {
  Samples s(SampleCount(kLoopSeconds), 0.0f);
  Rng r(seed);
  const int count = static_cast<int>(perSecond * kLoopSeconds);
  for (int i = 0; i < count; ++i) {
    const double at = (i + r.Range(0.1, 0.9)) * kLoopSeconds / count;
    AddWrapped(s, event(r), SampleCount(at), static_cast<float>(r.Range(0.6, 1.0)));
  }
  return s;
}

// Stroke rhythm: rises and falls `perLoop` times in a loop, never quite silent.
double Strokes(double t, int perLoop, double floor) {
  const double v = std::sin(M_PI * t * perLoop / kLoopSeconds);
  return floor + (1 - floor) * v * v;
}

Samples Absorber() {
  return Scatter(31, 6, [](Rng& r) { return Glide(r.Range(350, 500), r.Range(800, 1100), 0.05, 0.03); });
}

Samples Airbrush() {
  return Looped([](double seconds) {
    Samples s(SampleCount(seconds));
    WhiteNoise n(37);
    OnePole hp(1800);
    for (size_t i = 0; i < s.size(); ++i) {
      const double t = static_cast<double>(i) / kWaveRate;
      s[i] = static_cast<float>(hp.High(n.Next()) * (0.85 + 0.15 * std::sin(2 * M_PI * 4 * t)));
    }
    return s;
  });
}

Samples Barrow() {
  Samples s = Looped([](double seconds) {
    return NoiseBand(seconds, 41, 0.7, [](double) { return 180; },
                     [](double t) { return 0.8 + 0.2 * std::sin(2 * M_PI * 3 * t); });
  });
  for (int k = 0; k < 4; ++k) {
    Samples squeak = Glide(1250, 1450, 0.12, 0.08);
    AddWrapped(s, squeak, SampleCount(k * 0.5 + 0.1), 0.35f);
  }
  return s;
}

Samples Chalk() {
  return Scatter(43, 7, [](Rng& r) {
    const double centre = r.Range(2500, 4000);
    return NoiseBand(0.12, r.Next(), 3.0, [centre](double) { return centre; },
                     [](double t) { return std::sin(M_PI * t / 0.12) * (std::sin(2 * M_PI * 70 * t) > 0 ? 1.0 : 0.35); });
  });
}

Samples Candle() {
  return Looped([](double seconds) {
    Samples s(SampleCount(seconds));
    WhiteNoise n(47);
    OnePole lp(700);
    for (size_t i = 0; i < s.size(); ++i) {
      const double t = static_cast<double>(i) / kWaveRate;
      s[i] = static_cast<float>(lp.Low(n.Next()) * Strokes(t, 2, 0.4));
    }
    return s;
  });
}

Samples Magic() {
  const int pentatonic[] = {84, 86, 88, 91, 93, 96, 98, 100};
  return Scatter(53, 5, [&pentatonic](Rng& r) { return Bell(pentatonic[r.Int(8)], 0.6); });
}

Samples Marker() {
  Samples s = Looped([](double seconds) {
    Samples out(SampleCount(seconds));
    WhiteNoise n(59);
    BandPass band(2.0);
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
      const double t = static_cast<double>(i) / kWaveRate;
      phase += 2 * M_PI * (2200 + 150 * std::sin(2 * M_PI * 6 * t)) / kWaveRate;
      const double squeak = 0.25 * std::sin(phase) * std::pow(std::max(0.0, std::sin(2 * M_PI * 1.5 * t)), 4);
      out[i] = static_cast<float>((band.Run(n.Next(), 1500) * 2.0 + squeak) * Strokes(t, 3, 0.3));
    }
    return out;
  });
  return s;
}

Samples Pencil() {
  return Looped([](double seconds) {
    Samples s(SampleCount(seconds));
    WhiteNoise n(61);
    OnePole hp(3500);
    WhiteNoise grain(67);
    OnePole rough(40);
    for (size_t i = 0; i < s.size(); ++i) {
      const double t = static_cast<double>(i) / kWaveRate;
      const double texture = 0.6 + 0.8 * std::fabs(rough.Low(grain.Next()) * 8);
      s[i] = static_cast<float>(hp.High(n.Next()) * texture * Strokes(t, 4, 0.25));
    }
    return s;
  });
}

Samples Shapes() {
  Samples s(SampleCount(kLoopSeconds), 0.0f);
  const int notes[] = {72, 76, 79, 81, 79, 76, 74, 77};
  for (int i = 0; i < 8; ++i) AddWrapped(s, Mallet(notes[i], 0.3), SampleCount(i * 0.25), 0.5f);
  return s;
}

Samples Eraser() {
  return Looped([](double seconds) {
    return NoiseBand(seconds, 71, 1.0, [](double t) { return 900 + 250 * std::sin(2 * M_PI * 2.5 * t); },
                     [](double t) { return Strokes(t, 5, 0.15); });
  });
}

Samples Rope() {
  return Looped([](double seconds) {
    return NoiseBand(seconds, 73, 1.5, [](double t) { return 1200 + 900 * std::sin(2 * M_PI * 1.0 * t); },
                     [](double t) { return 0.3 + 0.7 * std::pow(std::sin(M_PI * 1.0 * t), 2); });
  });
}

Samples Brush() {
  return Looped([](double seconds) {
    Samples s(SampleCount(seconds));
    WhiteNoise n(79);
    OnePole lp(1400), hp(150);
    for (size_t i = 0; i < s.size(); ++i) {
      const double t = static_cast<double>(i) / kWaveRate;
      s[i] = static_cast<float>(hp.High(lp.Low(n.Next())) * Strokes(t, 3, 0.2));
    }
    return s;
  });
}

// No tool: a quiet chord whose notes fit whole cycles into the loop (frequencies in half hertz).
Samples Standard() {
  Samples s(SampleCount(kLoopSeconds));
  const double notes[] = {261.5, 329.5, 392.0, 523.0};
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kWaveRate;
    double v = 0;
    for (double f : notes) v += std::sin(2 * M_PI * f * t);
    s[i] = static_cast<float>(v * (0.8 + 0.2 * std::sin(2 * M_PI * 1.0 * t)));
  }
  return s;
}

Samples Toothpaste() {
  Samples s = Looped([](double seconds) {
    return NoiseBand(seconds, 83, 0.8, [](double) { return 260; },
                     [](double t) { return 0.6 * Strokes(t, 2, 0.5); });
  });
  Samples bubbles = Scatter(89, 5, [](Rng& r) { return Glide(r.Range(280, 340), r.Range(110, 140), 0.09, 0.05); });
  for (size_t i = 0; i < s.size(); ++i) s[i] += 0.9f * bubbles[i];
  return s;
}

// Continuous tool loops must keep their join intact; the typewriter's key rises from silence.
bool IsToolLoop(const char* name) {
  if (!std::strcmp(name, "TYPER") || !std::strcmp(name, "spec")) return false;
  for (int icon = 0; icon < 18; ++icon)
    if (ToolSoundName(icon) && !std::strcmp(ToolSoundName(icon), name)) return true;
  return false;
}

struct Recipe {
  const char* name;  // the sound's key in [SOUND]
  const char* file;  // in the program's sound folder
  std::function<Samples()> make;
  float peak;
};

}  // namespace

void MakeSounds(Gen& g) {
  const std::vector<Recipe> recipes = {
      {"gate", "gate.wav", Gate, 0.7f},
      {"rabish", "rubbish.wav", RubbishBin, 0.7f},
      {"butdown", "button.wav", ButtonDown, 0.6f},
      {"MOVE", "pageturn.wav", PageTurn, 0.6f},
      {"TYPER", "typer.wav", TypewriterKey, 0.6f},
      {"Select", "select.wav", Select, 0.6f},
      {"BOOK", "book.wav", Book, 0.6f},
      {"spec", "lens.wav", Shimmer, 0.55f},
      {"start", "start.wav", [] { return Jingle({72, 76, 79, 84, 83, 79, 81, 83, 84, 0, 79, 0, 76, 79, 74, 0}); }, 0.6f},
      {"end", "goodbye.wav", [] { return Jingle({84, 79, 76, 72, 74, 76, 72, 0, 81, 79, 77, 74, 71, 74, 79, 0}); }, 0.6f},
      {"ABSORB", "absorb.wav", Absorber, 0.45f},
      {"JET", "airbrush.wav", Airbrush, 0.35f},
      {"BARROW", "fill.wav", Barrow, 0.45f},
      {"CHALK", "chalk.wav", Chalk, 0.4f},
      {"WAX", "candle.wav", Candle, 0.35f},
      {"MAGIC", "magic.wav", Magic, 0.4f},
      {"MIKE", "marker.wav", Marker, 0.4f},
      {"PENCIL", "pencil.wav", Pencil, 0.35f},
      {"POLYGEN", "shapes.wav", Shapes, 0.45f},
      {"RUBBER", "eraser.wav", Eraser, 0.4f},
      {"ROPE", "rope.wav", Rope, 0.4f},
      {"BRUSH", "brush.wav", Brush, 0.4f},
      {"STANDARD", "standard.wav", Standard, 0.2f},
      {"TOOTHPASTE", "toothpaste.wav", Toothpaste, 0.45f},
      {kFirstSlotSound, "chime.wav", Chime, 0.6f},
  };
  for (int i = 0; i < kWaveNameCount; ++i) {
    bool found = false;
    for (const Recipe& r : recipes) found = found || std::strcmp(r.name, kWaveNames[i]) == 0;
    g.Check(found, std::string("a sound for ") + kWaveNames[i]);
  }
  for (const Recipe& r : recipes) {
    Samples s = r.make();
    Normalise(s, r.peak);
    // one-shot sounds rise from silence, so no sound starts with a click
    if (std::strcmp(r.name, "start") && std::strcmp(r.name, "end") && !IsToolLoop(r.name)) FadeEnds(s, 0.002, 0.005);
    g.Check(WriteFile(g.ProgramPath(std::string("sound/") + r.file), EncodeWave(s)), r.file);
    g.ini.Set("SOUND", r.name, std::string("sound\\") + r.file);
  }
}

}  // namespace art
