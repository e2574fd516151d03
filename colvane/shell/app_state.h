// The application state: one process-wide record of plain fields shared by every module of the
// program. Each field notes which module owns (creates and frees) the handle it holds.
#pragma once
#include <windows.h>

struct AppState {
  // Shell.
  HWND mainWindow = nullptr;       // the main window
  HINSTANCE instance = nullptr;    // the program instance
  HPALETTE palette = nullptr;      // owned by the shell: built from "PAL", deleted at shutdown
  int painting = 0;                // 1 while WM_PAINT is served; timers wait
  HBITMAP closingSnapshot = nullptr;  // owned by the exit screen; non-null once it started
  int animationPlaying = 0;        // 1 while a filmstrip plays
  int fileBoxOpen = 0;             // 1 while the file box covers the desk
  HBRUSH listBrush = nullptr;      // owned by the shell: background of the typewriter's face list

  // Tool selection.
  int drawingMode = 0;
  int lineMode = 0;
  int toolIconIndex = -1;

  // Mouse and cursor.
  int canvasPressed = 0;
  int toolCursorShown = 0;
  int arrowShown = 0;

  // Pages.
  int toolboxPage = 1;
  int libraryPage = 0;

  // Screen geometry, set once at start-up from the real screen.
  int wideLayout = 1;
  int screenOriginX = 0, screenOriginY = 0;
  int paperWidth = 640, paperHeight = 480;
  int paperOriginX = 0, paperOriginY = 0;
};

AppState& App();
