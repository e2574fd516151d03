// The tool option panel under the toolbox: showing the panel of a toolbar command, its drawing,
// mouse handlers and commands, and what the rest of the program asks of it.
#pragma once
#include <windows.h>

#include "colvane/frame/screen_area_win.h"

// Shows the panel of a toolbar command in place of the one shown so far; the panel then sends
// the command of its selected button. A command without a panel leaves none on the screen.
void ShowOptionPanel(HWND window, int toolbarCommand);
void RedrawOptionPanel(HWND window);
void FreeOptionPanels();

// The screen-area row, shown while the file box does not cover the desk; presses are refused
// while the library lies where the toolbox was. Any left release ends a drag of the effects
// slider. Its commands: the shape strip (31001-31011) and the stamp paging (43001, 43002).
extern const ScreenArea kOptionPanelArea;

// The open panel's toolbar command and its selected button's command; both -1 while the
// special-effects panel (or no panel) is open.
int OpenPanelCommand();
int SelectedPanelCommand();
