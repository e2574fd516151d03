// The shell's own state: the handles of the program as a whole. Every other piece of state lives
// with the module that owns it.
#pragma once
#include <windows.h>

struct AppState {
  HWND mainWindow = nullptr;     // the main window
  HINSTANCE instance = nullptr;  // the program instance
  HPALETTE palette = nullptr;    // owned by the shell: built from "PAL", deleted at shutdown
  HBRUSH listBrush = nullptr;    // owned by the shell: background of the typewriter's face list
  bool painting = false;         // true while WM_PAINT is served; timers wait
};

AppState& App();
