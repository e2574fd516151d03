// The special effects on the screen: blur, sharpen and emboss of the whole picture (or the
// selection) and the magnifying lens at a press.
#pragma once
#include <windows.h>

#include "colvane/canvas/paint_session.h"

// Commands 42001-42003: effect 1 blur, 2 sharpen, 3 emboss, computed from the undo snapshot,
// under the hourglass; any other number only plays the sound. The drawing mode stays.
void PictureEffectCommand(HWND window, int effect);
// Mode 15: one lens at the point with the effects slider's strength and the size value + 1.
// 1 when the lens changed the picture.
bool LensPress(HWND window, PaintSession& s, POINT paper);
