// The tool option panel under the toolbox: showing the panel of a toolbar command, its drawing,
// mouse handlers and commands, and what the rest of the program asks of it.
#pragma once
#include <windows.h>

// Shows the panel of a toolbar command in place of the one shown so far; the panel then sends
// the command of its selected button. A command without a panel leaves none on the screen.
void ShowOptionPanel(HWND window, int toolbarCommand);
void RedrawOptionPanel(HWND window);
void FreeOptionPanels();
void PaintOptionPanel(HWND window, HDC dc);

bool PanelHover(HWND window, POINT layout);
bool PanelPress(HWND window, POINT layout);
bool PanelRelease(HWND window, POINT layout);
// Any left release ends a drag of the effects slider.
void PanelEndDrag(HWND window);
// The shape-strip commands (31001-31011) and the stamp paging (43001, 43002); true when taken.
bool PanelCommand(HWND window, int id);

// The open panel's toolbar command and its selected button's command; both -1 while the
// special-effects panel (or no panel) is open.
int OpenPanelCommand();
int SelectedPanelCommand();
