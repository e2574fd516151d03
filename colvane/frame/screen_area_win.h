// A screen area as the mouse routers and the composition see it: one row of the shell's table of
// areas, which lists them in z-order, top first. The routers offer events top-down; the
// composition paints bottom-up, so the two orders cannot drift apart.
#pragma once
#include <windows.h>

// Mouse handlers take a layout point and say whether the point was theirs. Any may be null.
using AreaMouseHandler = bool (*)(HWND window, POINT layout);

struct ScreenArea {
  const char* name;
  AreaMouseHandler hover;             // a move with no canvas stroke under way
  AreaMouseHandler press;             // left press
  AreaMouseHandler release;           // left release
  AreaMouseHandler doubleClick;       // left double click
  AreaMouseHandler rightPress;
  AreaMouseHandler rightDoubleClick;
  void (*endDrag)(HWND window);       // every left release, wherever it lands: drags end
  void (*paint)(HWND window, HDC dc);  // into the composition DC
  bool (*command)(HWND window, int id);  // commands this area takes before the dispatcher
  bool pressSound;                    // the "butdown" sound when it takes a press
};

struct ScreenAreas {
  const ScreenArea* rows;
  int count;
};

// The whole screen, composed bottom-up from the areas into one offscreen bitmap and shown with
// one blit.
void ComposeScreen(HWND window, HDC paintDc, ScreenAreas areas);
