// Export: a picture of the library copied to a bitmap file, or written as a PNG, chosen in the
// standard save dialog.
#pragma once
#include <windows.h>

// Copies <library>\<box>\<name> to the path the child chooses ("picture" gives "picture.bmp"),
// or writes it as a PNG for a ".png" name or the PNG filter. 1 when the dialog was confirmed; 0
// when it was cancelled or there is no picture to export (an empty box). A failed copy or encode
// is reported in a message box.
int ExportPicture(HWND window, const char* box, const char* name);
