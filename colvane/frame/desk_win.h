// The desk around the paper: the desk buttons and the paper bitmap of the current paper type.
#pragma once
#include <windows.h>

#include "colvane/frame/filmstrip_win.h"
#include "colvane/frame/paper_overlay_win.h"

struct DeskButton {
  int id = 0;
  StripRecord states[3];  // 1: up look, 2: pressed look, 4: animation
  RECT hit{0, 0, 0, 0};   // layout coordinates
};

int CurrentPaperType();

// The desk buttons for the toolbox page shown, and the paper of the stored paper type.
void LoadDesk(HWND window, int toolboxPage);
void FreeDesk();
void PaintDesk(HWND window, HDC dc);
// The paper covers everything beneath its shape; its red pixels let what lies below show.
void PaintPaper(HWND window, HDC dc);

// Desk mouse handlers (layout point); 1 when the point was a desk button's.
bool DeskHover(HWND window, POINT layout);
bool DeskPress(HWND window, POINT layout);
bool DeskRelease(HWND window, POINT layout);

// Command 4005: the next of the ten paper types and its paper bitmap, remembered in the settings
// file. The caller loads the paper's grain (number CurrentPaperType() + 1).
void NextPaperType(HWND window);
// The page-turn strip of the toolbox page now shown.
void SetDeskPageTurn(HWND window, int toolboxPage);
// Slot 0 becomes the way back to the tools (4007, L2T art) on the library page, or the way to
// the library (4006, T2L art) on the toolbox.
void SetDeskTurnToTools(HWND window, bool toTools, int toolboxPage);
// The file box lies over the desk: no desk buttons but the page turn, no paper, no canvas tools.
void CoverDesk(bool covered);
bool DeskCovered();
