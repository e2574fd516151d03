// Blending a run of pixels toward per-pixel colours by per-pixel weights: the inner loop that
// dabs and fills share.
#pragma once
#include <cstdint>

// The loop itself, for callers that compile their own row loops once more for AVX2: spreading
// each weight over its pixel's three bytes first leaves one plain byte loop that vectorises.
inline __attribute__((always_inline)) void BlendRowBody(uint8_t* __restrict px, const uint8_t* __restrict colour,
                                                        const uint8_t* __restrict w, uint8_t* __restrict wb,
                                                        int count) {
  for (int x = 0; x < count; ++x) {
    wb[3 * x] = w[x];
    wb[3 * x + 1] = w[x];
    wb[3 * x + 2] = w[x];
  }
  const int n = 3 * count;
  // (old·(128 − w) + colour·w) >> 7 is old + ((w·(colour − old)) >> 7) with an arithmetic
  // shift (old·128 is a whole multiple), and w·(colour − old) fits 16 bits signed.
  for (int i = 0; i < n; ++i)
    px[i] = static_cast<uint8_t>(px[i] + (static_cast<int16_t>(wb[i] * (colour[i] - px[i])) >> 7));
}

// For each of `count` pixels x and each byte k of it:
//   px[3x + k] = (px[3x + k]·(128 − w[x]) + colour[3x + k]·w[x]) >> 7
// with w[x] in 0..128 (0 leaves the pixel as it is, 128 gives it the colour). `spread` is
// scratch for 3·count bytes. The arrays must not overlap. Runs the AVX2 build of the loop where
// the processor has it.
void BlendRow(uint8_t* px, const uint8_t* colour, const uint8_t* w, uint8_t* spread, int count);
