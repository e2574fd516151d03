// Composition of the whole screen for WM_PAINT.
#pragma once
#include <windows.h>

void ComposeScreen(HWND window, HDC paintDc);
