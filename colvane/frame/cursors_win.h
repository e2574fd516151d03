// The 16 tool cursors and the class cursor of the main window: which cursor is set now, so the
// same one is not set on every move, and the hold a clip-art drag puts on it.
#pragma once
#include <windows.h>

#include "colvane/ids.h"

void LoadToolCursors(HINSTANCE instance);
void DestroyToolCursors();
// The cursor of a tool icon (0..17; 16 is the system arrow), or null.
HCURSOR ToolCursor(int index);
// Makes cursor the window's class cursor (shown from the next mouse move).
void SetClassCursor(HWND window, HCURSOR cursor);

// While a clip-art item is dragged nothing changes the cursor.
void HoldCursor(bool held);
bool CursorHeld();

// Cursor upkeep over the paper and the bare desk: each sets its cursor once until another
// cursor is set. A hover handler that takes a move calls CursorTakenByArea.
void ShowArrowCursor(HWND window);
void ShowToolCursorOnPaper(HWND window, ToolIcon toolIconIndex);
void CursorTakenByArea();
// A new tool icon while the pointer may be on the paper: its cursor at once when it is.
void ShowToolCursorIfOnPaper(HWND window, ToolIcon toolIconIndex);
