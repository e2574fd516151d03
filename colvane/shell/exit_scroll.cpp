// The exit picture's motion: a 40th of the viewport's side a tick, at least two pixels.
#include "colvane/shell/exit_scroll.h"

#include <algorithm>

int ExitScrollStep(ExitScroll* scroll, int side, int height) {
  // a bigger card moves further each tick, so leaving takes as long at any size
  const int step = std::max(2, (side + 39) / 40);
  if (scroll->top < 0) scroll->top = side;  // the first tick starts below the viewport
  if (scroll->top > 0) {
    scroll->top -= step;
    if (scroll->top < 0) scroll->top = 0;
    return 0;
  }
  if (scroll->sourceY >= height - side) return 1;
  scroll->sourceY += step;
  if (scroll->sourceY > height - side) scroll->sourceY = height - side;
  return 0;
}
