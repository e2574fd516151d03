// The rope selection: the clip region that keeps every painting tool inside it, the rope
// gestures that make it (free outline, ellipse, rectangle) and its moving striped frame.
#pragma once
#include <windows.h>

#include "colvane/canvas/clip_mask.h"

// The clip region in canvas coordinates (owned here), or null when there is no selection.
HRGN ClipRegion();
// The pixels tools may change: the clip region's, or the whole visible canvas without one.
const ClipMask& CanvasClip();
// Size of the visible canvas (paperWidth x paperHeight) the clip is cut to.
void SetClipArea(int width, int height);

// The rope gestures of drawing modes 13 (free), 23 (ellipse) and 24 (rectangle).
int RopePress(HWND window, POINT paper);
int RopeMove(HWND window, POINT paper);
int RopeRelease(HWND window, POINT paper);
// Starts the frame timer (id 3) and makes the frame brush, each once.
void StartRopeFrame(HWND window);
// Kills the frame timer and frees the brush, the point list and the selection.
void FreeRope(HWND window);
