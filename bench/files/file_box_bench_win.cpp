// Timing of the file box under Wine: opening it (and closing it again) on a box of 12 pictures
// and on a box of 200, which must cost about the same since only the shown page's thumbnails
// are built. Run from a folder holding the program's content (scripts/bench).
// Prints the way Google Benchmark does: name, iterations, time.
#include <windows.h>

#include <string>
#include <vector>

#include "bench/support/wine_timing_win.h"
#include "colvane/files/file_box_win.h"
#include "colvane/files/picture_save_win.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/shell_win.h"

namespace {

// Fills CUST\<box> with `count` copies of the first sample picture (kept between runs).
bool FillBox(const std::string& cust, const char* box, int count) {
  const std::string folder = cust + box + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string sample = cust + "SAMPLE\\Sample1.sam";
  for (int i = 1; i <= count; ++i) {
    const std::string to = folder + "Sample" + std::to_string(i) + ".sam";
    if (GetFileAttributesA(to.c_str()) == INVALID_FILE_ATTRIBUTES && !CopyFileA(sample.c_str(), to.c_str(), TRUE))
      return false;
  }
  return true;
}

}  // namespace

int main() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  App().instance = instance;
  if (!RegisterWindowClasses(instance)) return 1;
  HWND window = CreateMainWindow(instance);
  if (!window) return 1;
  char folder[MAX_PATH];
  GetAssetFolder(folder);
  std::string cust = std::string(folder) + "\\CUST\\";
  if (!FillBox(cust, "BENCH12", 12) || !FillBox(cust, "BENCH200", 200)) return 1;
  PumpMessages();
  for (const char* box : {"BENCH12", "BENCH200"}) {
    std::vector<double> open, close;
    for (int i = 0; i < 10; ++i) {
      SetFileBoxBox(box);
      double t0 = Now();
      OpenFileBox(window);
      GdiFlush();
      open.push_back(Now() - t0);
      PumpMessages();
      t0 = Now();
      CloseFileBox(window);
      GdiFlush();
      close.push_back(Now() - t0);
      PumpMessages();
    }
    Report((std::string("OpenFileBox/") + box).c_str(), open);
    Report((std::string("CloseFileBox/") + box).c_str(), close);
  }
  DestroyWindow(window);
  return 0;
}
