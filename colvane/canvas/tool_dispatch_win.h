// The canvas dispatchers: a press, drag or release on the paper goes to the tool of the current
// drawing mode through one table, a row per mode that holds everything the dispatch knows about
// that tool. Each handler says whether it took the event.
#pragma once
#include <windows.h>

#include "colvane/canvas/paint_session.h"
#include "colvane/ids.h"

// Tool handlers get the session the dispatcher read once, and a paper point.
using ToolHandler = bool (*)(HWND window, PaintSession& s, POINT paper);

struct ToolRow {
  DrawingMode mode;
  ToolHandler press, drag, release;
  // Moves with the button down reach the tool even when the press was elsewhere (a picture
  // dragged in from the library).
  bool dragsWithoutPress;
  // The sound a press plays: null for the tool's own looping sound, else a sound effect that
  // replaces it and keeps playing past the release.
  const char* pressSound;
  bool ropeFrame;          // a press starts the selection's marching frame
  bool keepsPoints;        // the line points last until the release (else every release ends them)
  bool repeatsWhileHeld;   // a held press keeps painting at the cursor (the stroke-repeat timer)
  // The size value changed on the size bar: stroke size = size value + 1 + offset; with a
  // `sizeChanged` handler, that handler instead.
  int sizeOffset;
  void (*sizeChanged)(HWND window);
};

bool CanvasPress(HWND window, POINT paper);
bool CanvasMove(HWND window, POINT paper);
bool CanvasRelease(HWND window, POINT paper);
// Moves with the button down reach the canvas in this mode even when the press was elsewhere.
bool CanvasTakesDragsWithoutPress();
// The current tool follows moves with the button down (a stroke, a rope; not a fill).
bool CanvasToolDrags();
// The right-button colour pick of the absorber: the background colour; true when it acted.
bool CanvasPickColour(HWND window, POINT paper);
// The size bar moved: the current tool follows it.
void CanvasSizeChanged(HWND window);
// A module above the canvas (the typewriter) registers its tool's row at start-up.
void RegisterToolRow(const ToolRow& row);
