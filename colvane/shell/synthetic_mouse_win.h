// Mouse messages made by keys and switches at layout points, sent through the main window's
// procedure as the mouse would send them, so every lock, sound and animation applies.
#pragma once
#include <windows.h>

// A move (with the left button down or not), a press or a release at the point.
void SendMouseMove(HWND window, POINT layout, bool buttonDown);
void SendLeftPress(HWND window, POINT layout);
void SendLeftRelease(HWND window, POINT layout);
// A press and its release; a double click is both, the double click and its release.
void SendClick(HWND window, POINT layout);
void SendDoubleClick(HWND window, POINT layout);
// While one of these is being handled: the real mouse has not moved.
bool SendingMouse();
// Where the made pointer stands (client coordinates) while its press is held; false otherwise.
bool MadePressHeld(POINT* client);
