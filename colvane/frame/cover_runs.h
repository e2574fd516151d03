// The pixels of a keyed picture that are not its key, row by row: copied straight into a 32-bit
// picture they give what its mask and image blitted over it give, for a fraction of the cost.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "colvane/frame/cover_bands.h"

struct CoverRuns {
  struct Run {
    int y, x, length;
    size_t first;  // its first pixel in `pixels`
  };
  std::vector<Run> runs;  // row by row, left to right
  std::vector<uint32_t> pixels;
};

// The runs of `pixels` (width x height, rows top-down, `stride` pixels apart) that are not `key`.
CoverRuns FindCoverRuns(const uint32_t* pixels, int width, int height, int stride, uint32_t key);

// Lays the runs with the picture's top-left corner at (x, y) of `target` (width x height, rows
// top-down `stride` pixels apart, which is negative for a bottom-up picture), only inside `clip`
// (target pixels, right and bottom exclusive).
void LayCoverRuns(const CoverRuns& runs, uint32_t* target, int width, int height, ptrdiff_t stride, int x, int y,
                  BandRect clip);
