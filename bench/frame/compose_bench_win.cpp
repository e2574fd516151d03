// Timing of the screen under Wine: start-up of the main window up to its first full paint, and
// one full ComposeScreen. Run from a folder holding the program's content (scripts/bench).
// Prints the way Google Benchmark does: name, iterations, time.
#include <windows.h>

#include <vector>

#include "bench/support/wine_timing.h"
#include "colvane/frame/compose.h"
#include "colvane/shell/app_state.h"
#include "colvane/shell/shell.h"

int main() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  App().instance = instance;
  if (!RegisterWindowClasses(instance)) return 1;
  std::vector<double> startup;
  HWND window = nullptr;
  for (int i = 0; i < 5; ++i) {
    double t0 = Now();
    window = CreateMainWindow(instance);  // WM_CREATE loads every asset; UpdateWindow paints
    GdiFlush();
    startup.push_back(Now() - t0);
    if (!window) return 1;
    if (i < 4) {
      DestroyWindow(window);
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        DispatchMessageA(&msg);
      }
    }
  }
  Report("StartupToFirstPaint", startup);

  std::vector<double> compose;
  HDC dc = GetDC(window);
  for (int i = 0; i < 60; ++i) {
    double t0 = Now();
    ComposeScreen(window, dc);
    GdiFlush();
    compose.push_back(Now() - t0);
  }
  ReleaseDC(window, dc);
  Report("ComposeScreen", compose);
  DestroyWindow(window);
  return 0;
}
