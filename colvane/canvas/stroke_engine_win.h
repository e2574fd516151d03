// The stroke engine's pieces several tools share: what a stroke paints with, the walk with its
// flush, and the straight-line gesture with its rubber band.
#pragma once
#include <windows.h>

#include "colvane/canvas/paint_session.h"
#include "colvane/canvas/stroke_target.h"

// The target of a stroke in drawing mode `mode`: canvas, clip, colours, grain, area picture.
StrokeTarget CurrentStrokeTarget(int mode);
// The cursor may leave the canvas again, if a line gesture held it there.
void FreeCursorFromCanvas();

// Press, drag and release of a straight-line gesture (line modes and the gradient fill): the
// press is refused outside the clip, the drag moves an R2_NOT rubber band, the cursor stays on
// the canvas. LineRelease erases the band and returns true when the gesture had a valid start.
bool LinePress(HWND window, PaintSession& s, POINT paper);
bool LineDrag(HWND window, PaintSession& s, POINT paper);
bool LineRelease(HWND window, PaintSession& s);
