// The pool of offscreen bitmaps with their memory DCs that the composition draws into.
#pragma once
#include <windows.h>

HDC AcquireOffscreen(HDC dc, int width, int height);
int PresentOffscreen(HDC destination, int x, int y, HDC memoryDc);
int ReleaseOffscreen(HDC memoryDc);
// Frees the bitmaps the pool keeps between compositions (at shutdown).
void FreeOffscreens();
