// Timing of the screen under Wine: start-up of the main window up to its first full paint, one
// full ComposeScreen, and the screen's floor: one full-window BitBlt from a memory bitmap. Run from a folder holding the program's content (scripts/bench).
// Prints the way Google Benchmark does: name, iterations, time.
#include <windows.h>

#include <string>
#include <vector>

#include "bench/support/wine_timing_win.h"
#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/screen_area_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/screen_areas_win.h"
#include "colvane/shell/shell_win.h"

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

  std::vector<double> compose, floor;
  HDC dc = GetDC(window);
  for (int i = 0; i < 60; ++i) {
    double t0 = Now();
    ComposeScreen(window, dc, ProgramAreas());
    GdiFlush();
    compose.push_back(Now() - t0);
  }
  RECT client;
  GetClientRect(window, &client);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  for (int i = 0; i < 60; ++i) {
    double t0 = Now();
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    GdiFlush();
    floor.push_back(Now() - t0);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  Report("ComposeScreen", compose);
  Report("FullWindowBlitFloor", floor);
  // A stroke's worth of the paper composed again and shown: the paint of one 64 x 56 rectangle.
  {
    POINT at{Screen().paperOriginX + 200, Screen().paperOriginY + 150};
    LayoutToScreen(&at);
    const RECT piece{at.x, at.y, at.x + 64, at.y + 56};
    std::vector<double> times;
    for (int i = 0; i < 60; ++i) {
      double t0 = Now();
      PaintScreen(window, dc, ProgramAreas(), &piece, 1);
      GdiFlush();
      times.push_back(Now() - t0);
    }
    Report("PaintScreen/PaperRect64x56", times);
  }
  ReleaseDC(window, dc);
  // What each screen area's painting costs, into an offscreen bitmap like the composition's.
  const ScreenAreas areas = ProgramAreas();
  HDC offscreen = CreateCompatibleDC(dc);
  HBITMAP offBitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ oldOff = SelectObject(offscreen, offBitmap);
  CompositionScope composing;
  for (int a = areas.count - 1; a >= 0; --a) {
    const ScreenArea& row = *areas.rows[a];
    if (!row.paint || !AreaShown(row)) continue;
    std::vector<double> area;
    for (int i = 0; i < 30; ++i) {
      double t0 = Now();
      row.paint(window, offscreen);
      GdiFlush();
      area.push_back(Now() - t0);
    }
    Report((std::string("Paint/") + row.name).c_str(), area);
  }
  SelectObject(offscreen, oldOff);
  DeleteObject(offBitmap);
  DeleteDC(offscreen);
  DestroyWindow(window);
  return 0;
}
