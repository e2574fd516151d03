// The walk between areas and targets, and the pointer's accelerating steps.
#include "colvane/shell/target_walk.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

int StepArea(const int* targetCounts, int count, int current, int step) {
  if (count <= 0) return -1;
  step = step < 0 ? -1 : 1;
  if (current < 0 || current >= count) current = step > 0 ? -1 : count;
  for (int i = 1; i <= count; ++i) {
    const int at = ((current + step * i) % count + count) % count;
    if (targetCounts[at] > 0) return at;
  }
  return -1;
}

int NearestTarget(const WalkRect* rects, int count, int from, WalkDirection direction) {
  if (from < 0 || from >= count) return count > 0 ? 0 : from;
  // Doubled centres keep the halves exact.
  const int fx = rects[from].left + rects[from].right, fy = rects[from].top + rects[from].bottom;
  int best = from;
  long long bestScore = LLONG_MAX;
  for (int i = 0; i < count; ++i) {
    if (i == from) continue;
    const int dx = rects[i].left + rects[i].right - fx, dy = rects[i].top + rects[i].bottom - fy;
    int ahead = 0, aside = 0;
    switch (direction) {
      case WalkDirection::kLeft: ahead = -dx; aside = dy; break;
      case WalkDirection::kRight: ahead = dx; aside = dy; break;
      case WalkDirection::kUp: ahead = -dy; aside = dx; break;
      case WalkDirection::kDown: ahead = dy; aside = dx; break;
    }
    if (ahead <= 0) continue;
    const long long score = static_cast<long long>(ahead) + 3LL * std::abs(aside);
    if (score < bestScore) {
      bestScore = score;
      best = i;
    }
  }
  return best;
}

int PointerStep(int repeats) {
  if (repeats < 4) return 1;
  return 1 << std::min(4, (repeats - 2) / 2);
}

void MovePoint(int* x, int* y, WalkDirection direction, int step, const WalkRect& bounds) {
  switch (direction) {
    case WalkDirection::kLeft: *x -= step; break;
    case WalkDirection::kRight: *x += step; break;
    case WalkDirection::kUp: *y -= step; break;
    case WalkDirection::kDown: *y += step; break;
  }
  *x = std::clamp(*x, bounds.left, std::max(bounds.left, bounds.right - 1));
  *y = std::clamp(*y, bounds.top, std::max(bounds.top, bounds.bottom - 1));
}
