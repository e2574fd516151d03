// The dwell clicker: rests, jitter, circles, holds and the resting place, as timed samples.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "colvane/shell/dwell_clicker.h"

namespace {

struct Sample {
  std::uint32_t t;
  int x, y;
  bool rest;
};

// n samples 100 ms apart from t, at (x, y) plus the offset the function gives sample i.
template <typename Offset>
std::vector<Sample> Samples(std::uint32_t t, int n, int x, int y, Offset offset, bool rest = false) {
  std::vector<Sample> s;
  for (int i = 0; i < n; ++i) {
    const DwellPoint d = offset(i);
    s.push_back({t + static_cast<std::uint32_t>(i) * 100, x + d.x, y + d.y, rest});
  }
  return s;
}
DwellPoint Still(int) { return {0, 0}; }
DwellPoint Jitter(int i) { return {i % 2 ? 8 : 0, i % 3 ? -8 : 0}; }  // always within 12 of the first
DwellPoint Circle20(int i) {  // eight steps a turn on a circle of 20 around the centre
  const double a = i * 3.14159265 / 4;
  return {static_cast<int>(std::lround(20 * std::cos(a))), static_cast<int>(std::lround(20 * std::sin(a)))};
}

std::vector<Sample> Join(std::initializer_list<std::vector<Sample>> parts) {
  std::vector<Sample> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// One letter per sample: '.' nothing, 'P' press, 'R' release, 'T' the resting place's toggle.
std::string Actions(const std::vector<Sample>& samples, bool holdEachPress, std::vector<int>* rings = nullptr) {
  DwellClicker clicker(800, 12);
  std::string out;
  for (const Sample& s : samples) {
    const DwellStep step = clicker.Step(s.t, {s.x, s.y}, s.rest);
    if (rings) rings->push_back(step.ringPermille);
    switch (step.action) {
      case DwellAction::kNone: out += '.'; break;
      case DwellAction::kPress:
        out += 'P';
        if (holdEachPress) clicker.Hold();
        break;
      case DwellAction::kRelease: out += 'R'; break;
      case DwellAction::kToggle: out += 'T'; break;
    }
  }
  return out;
}

TEST(DwellClicker, ActsOncePerRest) {
  struct Case {
    const char* what;
    std::vector<Sample> samples;
    bool hold;
    std::string expected;
  };
  const Case cases[] = {
      {"a rest presses once, when it reaches its time", Samples(0, 14, 100, 100, Still), false,
       "........P....."},
      {"jitter within the radius keeps the wait", Samples(0, 12, 100, 100, Jitter), false, "........P..."},
      {"circling wider than the radius never presses", Samples(0, 40, 100, 100, Circle20), false,
       std::string(40, '.')},
      {"a move out of the radius starts the wait again",
       Join({Samples(0, 5, 100, 100, Still), Samples(500, 10, 140, 100, Still)}), false, ".............P."},
      {"after a click the pointer must leave before the next",
       Join({Samples(0, 20, 100, 100, Jitter), Samples(2000, 10, 200, 100, Still)}), false,
       "........P...................P."},
      {"a hold ends with the next dwell, away from the press",
       Join({Samples(0, 10, 100, 100, Still), Samples(1000, 10, 300, 200, Still)}), true, "........P.........R."},
      {"the resting place pauses; only it starts again",
       Join({Samples(0, 10, 790, 590, Still, true), Samples(1000, 10, 100, 100, Still),
             Samples(2000, 10, 791, 591, Still, true), Samples(3000, 10, 100, 100, Still)}),
       false, "........T...................T.........P."},
      {"a gap in the samples starts the wait again, even back at the same place",
       Join({Samples(0, 5, 100, 100, Still), Samples(900, 10, 102, 100, Still)}), false, ".............P."},
      {"the wait runs across the tick counter's wrap", Samples(0xFFFFFE00u, 10, 5, 5, Still), false,
       "........P."},
  };
  for (const Case& c : cases) EXPECT_EQ(Actions(c.samples, c.hold), c.expected) << c.what;
}

TEST(DwellClicker, RingFillsWithTheRestAndGoesAfterIt) {
  std::vector<int> rings;
  Actions(Samples(0, 10, 100, 100, Still), false, &rings);
  EXPECT_EQ(rings, (std::vector<int>{0, 125, 250, 375, 500, 625, 750, 875, -1, -1}));
}

}  // namespace
