// The toolbox: two pages of tool buttons and the page button, drawn on the tray; its loading,
// paging, drawing and mouse handlers.
#pragma once
#include <windows.h>

#include "colvane/frame/filmstrip_win.h"
#include "colvane/frame/screen_area_win.h"

// A button of the toolbox or of the library's shelf: hover, plain and selection strips, keys
// *name*M, *name*S, *name*C (with *W widths and *<v>ORG origins), and the area *name*A<v>.
struct ShelfButton {
  int id = 0;
  StripRecord hover;     // played while the pointer is over it
  StripRecord plain;     // the unselected look
  StripRecord select;    // its last frame is the selected look
  RECT hit{0, 0, 0, 0};  // layout coordinates
};
void LoadShelfButton(HWND window, ShelfButton* button, const char* name, int id);
void FreeShelfButton(ShelfButton* button);

// Loads the buttons of both pages (the page shown and the selections stay as they were).
void LoadToolbox(HWND window);
void FreeToolbox();
// The screen-area row, shown unless the library lies there or the file box covers the desk.
extern const ScreenArea kToolboxArea;

// Commands 1009 (page 2) and 1010 (page 1): the page, the desk's page-turn strip for it, repaint.
void ShowToolboxPage(HWND window, int page);
// The page shown: 1 or 2.
int ToolboxPage();
