// The square eraser on the screen (drawing mode 19): the swept path wiped to the background
// colour, and the square outline drawn in R2_NOT that follows the mouse.
#pragma once
#include <windows.h>

#include "colvane/canvas/paint_session.h"

// Press: the picture is marked changed, the undo snapshot taken and one square wiped.
bool SquarePress(HWND window, PaintSession& s, POINT paper);
// Drag: the path from the last point wiped, the outline moved to the point.
bool SquareDrag(HWND window, PaintSession& s, POINT paper);
// Release: the outline goes; line start and last point end at -1.
bool SquareRelease(HWND window, PaintSession& s, POINT paper);

// Wipes the square path from `from` to `to` and moves the outline there.
void SquareSweep(HWND window, POINT from, POINT to);
