// The canvas dispatchers: a press, drag or release on the paper goes to the tool of the current
// drawing mode through one table, a row per mode. Each says whether it took the event.
#pragma once
#include <windows.h>

bool CanvasPress(HWND window, POINT paper);
bool CanvasMove(HWND window, POINT paper);
bool CanvasRelease(HWND window, POINT paper);
// Moves with the button down reach the canvas in this mode even when the press was elsewhere
// (a picture dragged in from the library).
bool CanvasTakesDragsWithoutPress();
// The right-button colour pick of the absorber: the background colour; true when it acted.
bool CanvasPickColour(HWND window, POINT paper);
// The typewriter lives above the canvas: at start-up it gives the canvas its press in mode 14.
void SetTypewriterPress(bool (*press)(HWND window, POINT paper));
