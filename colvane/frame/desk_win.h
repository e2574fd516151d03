// The desk around the paper: the desk buttons and the paper bitmap of the current paper type.
#pragma once
#include <windows.h>

#include "colvane/frame/filmstrip_win.h"
#include "colvane/frame/paper_overlay_win.h"
#include "colvane/frame/screen_area_win.h"

struct DeskButton {
  int id = 0;
  StripRecord states[3];  // 1: up look, 2: pressed look, 4: animation
  RECT hit{0, 0, 0, 0};   // layout coordinates
};

int CurrentPaperType();

// The desk buttons for the toolbox page shown, and the paper of the stored paper type.
void LoadDesk(HWND window, int toolboxPage);
void FreeDesk();
// The desk buttons' screen-area row (a point is theirs when it is a button's and not on the
// paper), and the paper's: it covers everything beneath its shape, its red pixels let what lies
// below show. Neither is shown while the file box covers the desk.
extern const ScreenArea kDeskArea;
extern const ScreenArea kPaperArea;

// Command 4005: the next of the ten paper types and its paper bitmap, remembered in the settings
// file. The caller loads the paper's grain (number CurrentPaperType() + 1).
void NextPaperType(HWND window);
// The page-turn strip of the toolbox page now shown.
void SetDeskPageTurn(HWND window, int toolboxPage);
// The library lies where the toolbox was (its page is turned to); the one record of it.
bool LibraryShown();
void SetLibraryShown(bool shown);
// Slot 0 loaded again for the page turned to: the way back to the tools (4007, L2T art) while the
// library is shown, else the way to the library (4006, T2L art).
void LoadDeskPageTurnButton(HWND window, int toolboxPage);
// The file box lies over the desk: no desk buttons, no paper, no canvas tools.
void CoverDesk(bool covered);
bool DeskCovered();
