// The colour panel on the desk as three screen areas: the colour boxes with the current colours,
// the size bar's thumb, and the two colour-page buttons. Handlers take layout points.
#pragma once
#include <windows.h>

#include "colvane/frame/screen_area_win.h"

// None of the three rows takes a point while the library lies where the toolbox was.
// The panel picture, the 16 boxes of the page and the swatch of the current colours.
extern const ScreenArea kColourBoxesArea;
// The thumb; dragging it sets the size value and the stroke size. Any left release ends a drag.
extern const ScreenArea kSizeBarArea;
// A press on the thumb is dragging it until the next left release.
bool SizeBarDragging();
// The page buttons, each showing its pressed look from press to release.
extern const ScreenArea kColourPagesArea;
// Frees what the panel keeps between paints.
void FreeColourPanel();
