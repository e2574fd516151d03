// The parts of a keyed picture that cover what lies under it, as a few rectangles: a picture
// that is mostly see-through is laid over the screen by those parts only.
#pragma once
#include <cstdint>
#include <vector>

struct BandRect {
  int left, top, right, bottom;  // pixels, right and bottom exclusive
};

// Rectangles holding every pixel of `pixels` (width x height, rows top-down, `stride` pixels
// apart) that is not `key`: tiles of tile x tile pixels that hold one, joined into runs along each
// row of tiles, and runs that repeat on the rows below into one rectangle. More than maxBands
// rectangles give the whole picture as one; a picture all key gives none.
std::vector<BandRect> CoverBands(const uint32_t* pixels, int width, int height, int stride, uint32_t key,
                                 int tile = 16, int maxBands = 24);
