// Timing of the cartoon tick under Wine: ten cartoons from the library's cartoon page playing on
// the picture (the program ticks every 150 ms); a tick must stay far inside that period so
// painting never waits for it. Also the full composition with the ten drawn into it. Run from a
// folder holding the program's content (scripts/bench).
#include <windows.h>

#include <string>
#include <vector>

#include "bench/support/wine_timing_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/library/cartoons_win.h"
#include "colvane/library/library_catalogue.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/screen_areas_win.h"
#include "colvane/shell/shell_win.h"

namespace {

// Ten cartoons from the first page of the cartoon category, spread over the picture.
int PlaceTen(HWND window) {
  for (int k = 0; k < kCartoonLimit; ++k) {
    const int item = k % 6 + 1;
    char key[kItemKeySize], widthKey[kItemKeySize], name[81] = "", path[MAX_PATH];
    ItemKey(1, item, key);
    FrameWidthKey(1, item, widthKey);
    GetLayoutString("CARTCONTENT", key, "", name, sizeof(name));
    AssetPath(name, path);
    const int index = LoadCartoon(window, path, static_cast<int>(GetLayoutInt("CARTCONTENT", widthKey, 0)), 1, item);
    if (index < 0) return k;
    PlaceCartoon(window, index, POINT{60 + (k % 5) * 120, 120 + (k / 5) * 220});
  }
  return kCartoonLimit;
}

}  // namespace

int main() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  App().instance = instance;
  if (!RegisterWindowClasses(instance)) return 1;
  HWND window = CreateMainWindow(instance);
  if (!window) return 1;
  PumpMessages();
  if (PlaceTen(window) != kCartoonLimit) {
    std::printf("the cartoon page does not give ten cartoons\n");
    return 1;
  }
  PauseCartoons(window);  // the bench ticks itself
  ResumeCartoons(window);
  KillTimer(window, 2);
  std::vector<double> ticks, compose;
  for (int i = 0; i < 300; ++i) {
    const double t0 = Now();
    CartoonTick(window);
    GdiFlush();
    ticks.push_back(Now() - t0);
  }
  HDC dc = GetDC(window);
  for (int i = 0; i < 100; ++i) {
    const double t0 = Now();
    ComposeScreen(window, dc, ProgramAreas());
    GdiFlush();
    compose.push_back(Now() - t0);
  }
  RemoveAllCartoons(window);
  std::vector<double> bare;
  for (int i = 0; i < 100; ++i) {
    const double t0 = Now();
    ComposeScreen(window, dc, ProgramAreas());
    GdiFlush();
    bare.push_back(Now() - t0);
  }
  ReleaseDC(window, dc);
  Report("CartoonTick/10", ticks);
  Report("ComposeScreen/10cartoons", compose);
  Report("ComposeScreen/none", bare);
  DestroyWindow(window);
  return 0;
}
