// The program's message boxes: each is owned by the main window while it exists (modal to it),
// the same box is never on the screen twice at once, and none is shown once the main window is
// gone, so no box outlives the program.
#pragma once
#include <windows.h>

// The shell names the main window once it exists, and null when it is destroyed. Before the
// first call boxes belong to the window their caller passes (or to none).
void SetMessageBoxOwner(HWND mainWindow);
// The window boxes are owned by now (null when none).
HWND MessageBoxOwner(HWND fallback);

// Shows a box and returns MessageBoxW's answer; 0 when an identical box (text, caption and
// style) is already up, or when the main window is gone. `fallback` owns the box when there is
// no main window yet. While the main window is still hidden (its start-up), the box waits for
// ShowWaitingMessages (0 is returned then).
int ShowProgramMessage(HWND fallback, const wchar_t* text, const wchar_t* caption, UINT style);
// The same for texts in the system code page.
int ShowProgramMessageA(HWND fallback, const char* text, const char* caption, UINT style);

// The shell posts this to the main window once it is on the screen; the window procedure then
// calls ShowWaitingMessages, which shows each waiting box once (nothing while the window is
// still hidden).
const UINT kShowWaitingMessages = WM_APP + 3;
void ShowWaitingMessages();
