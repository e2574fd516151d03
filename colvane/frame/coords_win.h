// Conversions between layout, screen and paper coordinates, the palette every blit realises, and
// the size of a bitmap.
#pragma once
#include <windows.h>

// The program's palette (owned by the shell, lent here at start-up), or null.
HPALETTE ScreenPalette();
void SetScreenPalette(HPALETTE palette);
// A paper point on the shown paper.
bool IsOnPaper(POINT paper);

void LayoutToScreen(POINT* p);
void ScreenToLayout(POINT* p);
void PaperToScreen(POINT* p);
void ScreenToPaper(POINT* p);
void RepaintLayoutRect(HWND window, const RECT* layoutRect);
// The shown paper in layout coordinates.
RECT ShownPaperRect();

// Bitmap size helper; 0 x 0 for a null bitmap.
SIZE BitmapSize(HBITMAP bitmap);
