// The library's shelf where the toolbox was: the tray with the eleven category buttons, their
// hover and selection animations, and the page turns between the tools and the library.
#pragma once
#include <windows.h>

#include "colvane/frame/screen_area_win.h"

void LoadLibraryButtons(HWND window);
void FreeLibraryButtons();
// The screen-area row, shown while the library lies there and the file box does not cover it.
extern const ScreenArea kLibraryShelfArea;

// Command 4006, after the fold has played: the library replaces the toolbox (the arrow, no
// canvas tool) and the category chosen last opens again.
void TurnToLibrary(HWND window);
// Command 4007: the library's art and whatever was taken from it go; the caller loads the
// toolbox again, which brings the last tool back.
void TurnToTools(HWND window);
