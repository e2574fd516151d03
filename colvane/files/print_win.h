// Print: the picture on the canvas sent to the printer chosen in the standard print dialog,
// fitted to the page, one job per copy, with the small "ABORT" box that can cancel.
#pragma once
#include <windows.h>

// Prints the canvas. The main window is disabled while the copies print; Cancel in the abort box
// stops the current copy and any further ones and enables it again. A printer that refuses the
// job is told to the child once, kindly. Returns when printing is over.
void PrintPicture(HWND window);
