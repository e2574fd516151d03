// The exit screen: the frozen, darkened screen with the goodbye picture rising through a centred
// square, then the end of the program.
#pragma once
#include <windows.h>

// Command 4002: freezes and darkens the screen and starts the goodbye picture (timer 10).
void StartExitScreen(HWND window);
// Timer 10: one scroll step; after the last one, a wait and DestroyWindow.
void ExitScreenStep(HWND window);
// Once started the program only scrolls the picture and closes: input is ignored.
bool ExitScreenRunning();
// WM_PAINT while it runs: the frozen screen.
void PaintExitScreen(HDC dc);
// Frees the snapshot, the picture and its mask, and the timer.
void FreeExitScreen(HWND window);
