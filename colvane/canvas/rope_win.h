// The rope selection: the clip region that keeps every painting tool inside it, the rope
// gestures that make it (free outline, ellipse, rectangle) and its marching dashed frame.
#pragma once
#include <windows.h>

#include "colvane/canvas/clip_mask.h"
#include "colvane/canvas/paint_session.h"

// The clip region in canvas coordinates (owned here), or null when there is no selection. Its
// pixels are the session's clip mask, which holds the whole visible canvas without one.
HRGN ClipRegion();
// The shown part of the canvas (the screen's paper size): the session's clip takes that size,
// and the selection is cut to it.
void SetClipArea(int width, int height);
// Timer 3: one step of the selection's marching frame.
void RopeFrameTick(HWND window);

// The rope gestures of drawing modes 13 (free), 23 (ellipse) and 24 (rectangle).
bool RopePress(HWND window, PaintSession& s, POINT paper);
bool RopeMove(HWND window, PaintSession& s, POINT paper);
bool RopeRelease(HWND window, PaintSession& s, POINT paper);
// Starts the frame timer (id 3) and reads the frame's dash colours, each once.
void StartRopeFrame(HWND window);
// Kills the frame timer and frees the point list and the selection.
void FreeRope(HWND window);
