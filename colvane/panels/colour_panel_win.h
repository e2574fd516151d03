// The colour panel on the desk as three screen areas: the colour boxes with the current colours,
// the size bar's thumb, and the two colour-page buttons. Handlers take layout points.
#pragma once
#include <windows.h>

// The panel picture, the 16 boxes of the page and the swatch of the current colours.
void PaintColourPanel(HWND window, HDC dc);
bool ColourBoxHover(HWND window, POINT layout);
bool ColourBoxPress(HWND window, POINT layout);
bool ColourBoxDoubleClick(HWND window, POINT layout);
bool ColourBoxRightPress(HWND window, POINT layout);
bool ColourBoxRightDoubleClick(HWND window, POINT layout);

// The thumb; dragging it sets the size value and the stroke size. Any left release ends a drag.
void PaintSizeBar(HWND window, HDC dc);
bool SizeBarHover(HWND window, POINT layout);
bool SizeBarPress(HWND window, POINT layout);
void SizeBarEndDrag(HWND window);
// Frees what the panel keeps between paints.
void FreeColourPanel();

// The page buttons, each showing its pressed look from press to release.
void PaintColourPageButtons(HWND window, HDC dc);
bool ColourPageHover(HWND window, POINT layout);
bool ColourPagePress(HWND window, POINT layout);
bool ColourPageRelease(HWND window, POINT layout);
