// Changing the current colours from outside the colour panel (the colour absorber).
#pragma once
#include <windows.h>

// Store the colour and repaint the colour swatch.
void SetForegroundColour(HWND window, COLORREF colour);
void SetBackgroundColour(HWND window, COLORREF colour);
