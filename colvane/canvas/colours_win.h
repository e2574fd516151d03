// Changing the current colours of the painting session, with the swatch that shows them.
#pragma once
#include <windows.h>

void SetForegroundColour(HWND window, COLORREF colour);
void SetBackgroundColour(HWND window, COLORREF colour);
