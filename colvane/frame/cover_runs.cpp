// Finding the runs of a keyed picture and laying them into a picture, cut to a clip.
#include "colvane/frame/cover_runs.h"

#include <algorithm>
#include <cstring>

CoverRuns FindCoverRuns(const uint32_t* pixels, int width, int height, int stride, uint32_t key) {
  CoverRuns out;
  for (int y = 0; y < height; ++y) {
    const uint32_t* row = pixels + static_cast<ptrdiff_t>(y) * stride;
    for (int x = 0; x < width;) {
      if (row[x] == key) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < width && row[x] != key) ++x;
      out.runs.push_back(CoverRuns::Run{y, start, x - start, out.pixels.size()});
      out.pixels.insert(out.pixels.end(), row + start, row + x);
    }
  }
  return out;
}

void LayCoverRuns(const CoverRuns& runs, uint32_t* target, int width, int height, ptrdiff_t stride, int x, int y,
                  BandRect clip) {
  // 64-bit sums: the place comes from the layout file and the screen.
  const long long left = std::max(clip.left, 0), top = std::max(clip.top, 0);
  const long long right = std::min(clip.right, width), bottom = std::min(clip.bottom, height);
  if (left >= right || top >= bottom) return;
  for (const CoverRuns::Run& run : runs.runs) {
    const long long ty = static_cast<long long>(y) + run.y;
    if (ty < top || ty >= bottom) continue;
    const long long from = std::max<long long>(static_cast<long long>(x) + run.x, left);
    const long long to = std::min<long long>(static_cast<long long>(x) + run.x + run.length, right);
    if (from >= to) continue;
    const uint32_t* source = runs.pixels.data() + run.first + (from - x - run.x);
    std::memcpy(target + static_cast<ptrdiff_t>(ty) * stride + from, source, static_cast<size_t>(to - from) * 4);
  }
}
