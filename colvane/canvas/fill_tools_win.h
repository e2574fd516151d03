// The flood fills on the screen: the colour and texture fills at a press, and the gradient fill
// at the end of its line gesture.
#pragma once
#include <windows.h>

#include "colvane/canvas/paint_session.h"

// Modes 9 (colour) and 21 (texture; the colour when no texture could be loaded): the undo
// snapshot, the fill around the point and the repaint of the filled box.
bool FillPress(HWND window, PaintSession& s, POINT paper);
// Mode 22: the band goes, then the area around the press point takes the gradient towards the
// release point, under the hourglass. Line start and last point end at -1.
bool GradientRelease(HWND window, PaintSession& s, POINT paper);
