// The whole program by keyboard: Tab and Shift+Tab from area to area, arrows from target to
// target, Enter or Space to press; on the paper a crosshair that arrows move and Space starts and
// ends a stroke with; what a drag picks up is carried by arrows and Tab and put down by a key.
#pragma once
#include <windows.h>

// WM_KEYDOWN; true when the key was taken (its WM_CHAR is then dropped).
bool KeyboardKeyDown(HWND window, WPARAM key, LPARAM flags);
// The real mouse moved (or pressed): the focus marks go, as Windows hides its focus cues.
void KeyboardPointerUsed(HWND window, bool press);
