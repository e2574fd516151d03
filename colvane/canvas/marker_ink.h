// The marker's ink over the paper: its results tabled once per ink, and the same results in
// integer arithmetic that a row loop can run on whole vectors.
#pragma once
#include <cstddef>
#include <cstdint>

#include "colvane/canvas/stroke_target.h"

// Tables state->markerTable for `ink` and weights 0..maxWeight (at most 64), and says in
// state->markerArithmetic whether MarkerByte gives every byte of that table.
void FillMarkerTable(StrokeState* state, uint32_t ink, int maxWeight);

// The marker's result for an old byte under spread = w · (255 − ink byte) with w in 0..64:
//   old − ceil(old · spread / (512 · 255))
// which is trunc(old · (ink / 255 · w / 512 + 1 − w / 512)) in exact arithmetic. All in 16 bits:
// old·128·spread splits into a high half (the product over 512) and a low half (non-zero when
// the division leaves a remainder), and ceil(t / 255) is ((t + 255) · 257) >> 16 for t < 65280.
inline __attribute__((always_inline)) uint8_t MarkerByte(uint8_t old, uint16_t spread) {
  const uint16_t a = static_cast<uint16_t>(old << 7);
  const uint16_t high = static_cast<uint16_t>((static_cast<uint32_t>(a) * spread) >> 16);
  const uint16_t low = static_cast<uint16_t>(a * spread);
  const uint16_t t = static_cast<uint16_t>(high + (low != 0 ? 1 : 0) + 255);
  return static_cast<uint8_t>(old - static_cast<uint16_t>((static_cast<uint32_t>(t) * 257) >> 16));
}

// The marker over `count` pixels by the table: each byte looked up by its pixel's weight, its
// channel and itself.
inline __attribute__((always_inline)) void MarkerRowByTable(const uint8_t* __restrict table,
                                                            const uint8_t* __restrict w,
                                                            uint8_t* __restrict px, int count) {
  for (int i = 0; i < count; ++i, px += 3) {
    const uint8_t* t = table + static_cast<size_t>(w[i]) * 768;
    const uint8_t b = t[px[0]], g = t[256 + px[1]], r = t[512 + px[2]];
    px[0] = b;
    px[1] = g;
    px[2] = r;
  }
}
