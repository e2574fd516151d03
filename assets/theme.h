// The colours of the desk and its furniture, shared by every piece of screen art.
#pragma once

#include "assets/art_common.h"

namespace art {

// Felt lining of the desk compartments: flat, because buttons drawn on it are shared by both
// layouts and must meet the same background wherever they stand.
inline Rgb FeltRgb() { return {46, 104, 140}; }
inline Col Felt() { return {46 / 255.0, 104 / 255.0, 140 / 255.0}; }

inline Col WoodLight() { return Hex(0xE2AE6E); }
inline Col WoodDark() { return Hex(0xB97A3F); }
inline Col Ink() { return Hex(0x3B2A1E); }        // outlines
inline Col Cream() { return Hex(0xFFF6E2); }      // tiles and cards
inline Col CreamRim() { return Hex(0xC9A77A); }
inline Col Sun() { return Hex(0xFFC93C); }        // selection glow
inline Col Cherry() { return Hex(0xE8474C); }
inline Col Leaf() { return Hex(0x4DB35E); }
inline Col Sky() { return Hex(0x45A6E5); }
inline Col Grape() { return Hex(0x8E5BD0); }
inline Col Orange() { return Hex(0xF28C28); }

}  // namespace art
