// The window the Wine tests paint into in place of the main window: a visible 700 x 520 popup at
// the screen's top-left whose paper lies at (origin, origin), named as the program's main window.
#pragma once
#include <windows.h>

#include "colvane/frame/screen_layout.h"
#include "colvane/shell/app_state_win.h"

inline HWND OpenPaintWindow(const char* className, WNDPROC procedure, int origin, DWORD extendedStyle = 0) {
  AppState& app = App();
  app.instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = app.instance;
  wc.lpszClassName = className;
  RegisterClassA(&wc);
  HWND window = CreateWindowExA(extendedStyle, className, className, WS_POPUP | WS_VISIBLE, 0, 0, 700, 520, nullptr,
                                nullptr, app.instance, nullptr);
  app.mainWindow = window;
  ScreenLayout screen;
  screen.paperOriginX = screen.paperOriginY = origin;
  SetScreenLayout(screen);
  return window;
}
