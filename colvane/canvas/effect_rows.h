// The picture effects' row loops over interleaved bytes (a neighbour pixel is 3 bytes away),
// for rows whose every neighbour may be read; plain, and on x86 once more for AVX2.
#pragma once
#include <cstdint>

// `out` never overlaps a row read: a row's last 32 bytes may be written twice.
struct EffectRows {
  // The blur in two passes, each source row taken across once and used by three output rows:
  //   across[i] = 10·(row[i − 3] + row[i + 3]) + 30·row[i]
  //   out[i] = (up[i] + 3·mid[i] + down[i] + centre·m[i]) >> 8
  // where `centre` is 6, plus 50 for each missing neighbour row (its `across` all zeros):
  // 10·(1 3 1)ᵀ(1 3 1) + 6 at the centre is the blur, a missing row standing in the centre.
  // A row across keeps its values in an order of blurDown's own, not always i's, and takes
  // AcrossLength(count) of them (all zeros for a missing row).
  void (*blurAcross)(const uint8_t* row, uint16_t* across, int count);
  void (*blurDown)(const uint16_t* up, const uint16_t* mid, const uint16_t* down, const uint8_t* m,
                   uint8_t* out, int count, int centre);
  // blurAcross of `next` into `down`, then blurDown.
  void (*blurStep)(const uint8_t* next, const uint16_t* up, const uint16_t* mid, uint16_t* down,
                   const uint8_t* m, uint8_t* out, int count, int centre);
  // out[i] = centre·m[i] − u[i] − d[i] − m[i − 3] − m[i + 3], limited to 0..255; `centre` is 5,
  // less one for each missing row (its bytes all zeros).
  void (*sharpen)(const uint8_t* u, const uint8_t* m, const uint8_t* d, uint8_t* out, int count, int centre);
  // out[i] = d[i + 3] − u[i − 3] + 128, limited to 0..255.
  void (*emboss)(const uint8_t* u, const uint8_t* d, uint8_t* out, int count);
};

// Values a row across of `count` bytes takes: whole blocks of 32, the last one for the bytes a
// block short of the end.
inline int AcrossLength(int count) { return (count + 31) / 32 * 32; }

// The loops for this processor, chosen once.
const EffectRows& TheEffectRows();
