// Tiles that hold a covering pixel, joined into runs and the runs into bands.
#include "colvane/frame/cover_bands.h"

#include <algorithm>
#include <cstddef>

namespace {

bool TileCovers(const uint32_t* pixels, int width, int height, int stride, uint32_t key, int x0, int y0,
                int tile) {
  const int x1 = std::min(x0 + tile, width), y1 = std::min(y0 + tile, height);
  for (int y = y0; y < y1; ++y) {
    const uint32_t* row = pixels + static_cast<ptrdiff_t>(y) * stride;
    for (int x = x0; x < x1; ++x)
      if (row[x] != key) return true;
  }
  return false;
}

}  // namespace

std::vector<BandRect> CoverBands(const uint32_t* pixels, int width, int height, int stride, uint32_t key, int tile,
                                 int maxBands) {
  std::vector<BandRect> done;
  if (!pixels || width <= 0 || height <= 0 || stride < width || tile <= 0) return done;
  std::vector<BandRect> open;  // bands still growing: one per run of the last row of tiles
  for (int y = 0; y < height; y += tile) {
    const int bottom = std::min(y + tile, height);
    std::vector<BandRect> runs;
    for (int x = 0; x < width; x += tile) {
      if (!TileCovers(pixels, width, height, stride, key, x, y, tile)) continue;
      const int right = std::min(x + tile, width);
      if (!runs.empty() && runs.back().right == x)
        runs.back().right = right;
      else
        runs.push_back(BandRect{x, y, right, bottom});
    }
    std::vector<BandRect> next;
    for (BandRect& run : runs) {
      auto same = std::find_if(open.begin(), open.end(),
                               [&](const BandRect& b) { return b.left == run.left && b.right == run.right; });
      if (same != open.end()) {
        run.top = same->top;
        open.erase(same);
      }
      next.push_back(run);
    }
    done.insert(done.end(), open.begin(), open.end());
    open = next;
    if (static_cast<int>(done.size() + open.size()) > maxBands) return {BandRect{0, 0, width, height}};
  }
  done.insert(done.end(), open.begin(), open.end());
  return done;
}
