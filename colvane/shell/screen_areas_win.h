// The program's screen areas in z-order, top first: what the mouse routers offer events to and
// what the composition paints. A module that adds an area defines its row and lists it here.
#pragma once
#include "colvane/frame/screen_area_win.h"

ScreenAreas ProgramAreas();
// A card or the grown-ups' screen lies over everything: the paper, the caret and the cartoons
// keep still under it.
bool CoverShown();
// Whether the row lies under a card or the grown-ups' screen, out of reach of keys and switches.
bool RowCovered(int row);
