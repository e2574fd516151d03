// Tracing the selection's edge pixels in order along the edge.
#include "colvane/canvas/rope_outline.h"

#include <cmath>
#include <cstddef>

namespace {

// Directions clockwise on the screen from east; even ones are the four straight steps.
constexpr int kDx[8] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr int kDy[8] = {0, 1, 1, 1, 0, -1, -1, -1};
// Turns tried from the current heading, right before left (which keeps an outer edge clockwise).
constexpr int kTurns[8] = {0, 1, -1, 2, -2, 3, -3, 4};
const float kDiagonal = std::sqrt(2.0f);

bool IsEdge(const ClipMask& clip, int x, int y) {
  return clip.Contains(x, y) && (!clip.Contains(x - 1, y) || !clip.Contains(x + 1, y) ||
                                 !clip.Contains(x, y - 1) || !clip.Contains(x, y + 1));
}

}  // namespace

std::vector<OutlinePixel> TraceOutline(const ClipMask& clip) {
  std::vector<OutlinePixel> out;
  if (clip.IsAll()) return out;
  const ClipRect box = clip.Bounds();
  const int w = box.right - box.left, h = box.bottom - box.top;
  if (w <= 0 || h <= 0) return out;
  // Per pixel of the box: -2 not an edge, -1 an edge not yet walked, else its distance.
  std::vector<float> along(static_cast<size_t>(w) * h, -2.0f);
  auto at = [&](int x, int y) -> float* {
    if (x < box.left || y < box.top || x >= box.right || y >= box.bottom) return nullptr;
    return &along[static_cast<size_t>(y - box.top) * w + (x - box.left)];
  };
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x)
      if (IsEdge(clip, x, y)) *at(x, y) = -1.0f;

  for (int y0 = box.top; y0 < box.bottom; ++y0)
    for (int x0 = box.left; x0 < box.right; ++x0) {
      if (*at(x0, y0) != -1.0f) continue;
      // A walk that starts beside an earlier one (a pixel the earlier walk stepped past, or a
      // branch) carries its distance on, so the dashes meet without a jump.
      float s = 0;
      for (int d = 0; d < 8; ++d) {
        const float* n = at(x0 + kDx[d], y0 + kDy[d]);
        if (n && *n >= 0) {
          s = *n + (d % 2 ? kDiagonal : 1.0f);
          break;
        }
      }
      int x = x0, y = y0, heading = 0;
      for (;;) {
        *at(x, y) = s;
        out.push_back({x, y, s});
        // Straight steps first, so a staircase is walked pixel by pixel rather than cut across.
        int next = -1;
        for (int pass = 0; pass < 2 && next < 0; ++pass)
          for (int turn : kTurns) {
            int d = (heading + turn + 8) % 8;
            if (d % 2 != pass) continue;
            const float* n = at(x + kDx[d], y + kDy[d]);
            if (n && *n == -1.0f) {
              next = d;
              break;
            }
          }
        if (next < 0) break;
        s += next % 2 ? kDiagonal : 1.0f;
        x += kDx[next];
        y += kDy[next];
        heading = next;
      }
    }
  return out;
}
