// The fill's mask layout, shared by the growing and the painting of the area.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "colvane/canvas/flood_fill.h"

namespace fill_mask {

// Mask byte values.
constexpr uint8_t kClosed = 0, kOpen = 1, kInArea = 2;
constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr size_t kSpare = 8;  // bytes before and after the mask for word-wide reads

inline uint64_t Load8(const uint8_t* p) { uint64_t v; std::memcpy(&v, p, 8); return v; }

inline size_t MaskIndex(const FillState& f, int x, int y) {
  return kSpare + static_cast<size_t>(y + 1) * (f.width + 2) + (x + 1);
}
// Row y of the mask, indexed by x (x = -1 and x = width are the zero border).
inline uint8_t* MaskRow(FillState* f, int y) { return &f->mask[MaskIndex(*f, 0, y)]; }
inline const uint8_t* MaskRow(const FillState& f, int y) { return &f.mask[MaskIndex(f, 0, y)]; }

}  // namespace fill_mask
