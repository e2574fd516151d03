// The way keys and switches walk the screen: from area to area, from target to target by arrows,
// and the pointer's steps on the paper.
#pragma once

struct WalkRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

enum class WalkDirection { kLeft, kRight, kUp, kDown };

// The next area, stepping `step` (+1 or -1) from `current` with wrap-around, that has targets
// (targetCounts[i] > 0); -1 when none has. A current of -1 starts before the first (or, backwards,
// after the last).
int StepArea(const int* targetCounts, int count, int current, int step);

// The target nearest to `from` in the direction, judged by their centres: straight ahead counts
// less than off to the side. `from` when none lies that way (or `from` is out of range: 0).
int NearestTarget(const WalkRect* rects, int count, int from, WalkDirection direction);

// How far the pointer moves for an arrow held `repeats` times already: 1, growing to 16.
int PointerStep(int repeats);

// The point moved `step` pixels in the direction, kept inside `bounds` (right and bottom exclusive).
void MovePoint(int* x, int* y, WalkDirection direction, int step, const WalkRect& bounds);
