// The exit picture's motion, two pixels a tick.
#include "colvane/shell/exit_scroll.h"

int ExitScrollStep(ExitScroll* scroll, int side, int height) {
  if (scroll->top < 0) scroll->top = side;  // the first tick starts below the viewport
  if (scroll->top > 0) {
    scroll->top -= 2;
    if (scroll->top < 0) scroll->top = 0;
    return 0;
  }
  if (scroll->sourceY >= height - side) return 1;
  scroll->sourceY += 2;
  return 0;
}
