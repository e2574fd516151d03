// Dwell clicking on the main window, when the grown-ups' policy sets a dwell time: a timer
// samples the pointer, presses and releases go through the window's own mouse messages, and a
// ring at the pointer fills as the rest goes on. The bottom-right corner of the window is the
// resting place: a dwell there pauses dwell clicking, and another resumes it.
#pragma once
#include <windows.h>

#include "colvane/frame/screen_area_win.h"

// Reads DwellMs and DwellRadius of the policy; with no dwell time nothing starts and nothing shows.
void StartDwell(HWND window);
// Stops the timer and forgets the clicker (the window is going).
void FreeDwell(HWND window);

// The ring and the resting place, painted over everything; takes no mouse events.
extern const ScreenArea kDwellArea;
