// The toolbox's page turning and selection (its mouse and paint entry points are in areas.h).
#pragma once
#include <windows.h>

// Commands 1009 (page 2) and 1010 (page 1).
void ShowToolboxPage(HWND window, int page);
// Index of the selected tool on page 1 or 2; -1 none.
int SelectedTool(int page);
