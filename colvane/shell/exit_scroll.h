// The exit picture's motion: it rises into a square viewport from below, then scrolls up until
// its last rows fill the viewport, in steps that grow with the viewport's side.
#pragma once

struct ExitScroll {
  int top = -1;     // where the picture's source row sourceY is drawn in the viewport; -1 before the first tick
  int sourceY = 0;  // first picture row shown
};

// One timer tick for a viewport of side `side` and a picture `height` rows high. Returns 1 when
// the scroll has ended (the caller then waits and closes).
int ExitScrollStep(ExitScroll* scroll, int side, int height);
