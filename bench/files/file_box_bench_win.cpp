// Timing of the file box under Wine: opening it (and closing it again) on a box of 12 pictures
// and on a box of 200, which must cost about the same since only the shown page's thumbnails
// are built, and on a box of 12 huge 1-bit pictures (16384 x 16384), with the memory it takes,
// beside the whole-picture loader the thumbnails were once made with. Run from a folder holding
// the program's content (scripts/bench).
// Prints the way Google Benchmark does: name, iterations, time.
#include <windows.h>

#include <psapi.h>

#include <string>
#include <vector>

#include "bench/support/wine_timing_win.h"
#include "colvane/files/file_box_win.h"
#include "colvane/files/picture_save_win.h"
#include "colvane/files/thumbnail_win.h"
#include "colvane/frame/bitmap_file_win.h"
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

// Fills CUST\<box> with `count` 1-bit 16384 x 16384 pictures of 33.5 MB each, written sparse:
// only the headers take room on the disk.
bool FillHugeBox(const std::string& cust, const char* box, int count) {
  const std::string folder = cust + box + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  const uint32_t side = 16384, row = side / 8, bitsAt = 14 + 40 + 8;
  const uint64_t size = bitsAt + static_cast<uint64_t>(row) * side;
  uint8_t head[bitsAt] = {'B', 'M'};
  auto put = [&](int at, uint32_t v) {
    for (int i = 0; i < 4; ++i) head[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  put(2, static_cast<uint32_t>(size));
  put(10, bitsAt);
  put(14, 40);
  put(18, side);
  put(22, side);
  head[26] = 1;
  head[28] = 1;
  put(58, 0xFFFFFF);  // colour 1 white
  for (int i = 1; i <= count; ++i) {
    const std::string to = folder + "Sample" + std::to_string(i) + ".sam";
    HANDLE f = CreateFileA(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD n = 0;
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    const bool ok = WriteFile(f, head, sizeof(head), &n, nullptr) && SetFilePointerEx(f, end, nullptr, FILE_BEGIN) &&
                    SetEndOfFile(f);
    CloseHandle(f);
    if (!ok) return false;
  }
  return true;
}

void ReportPeakMemory(const char* after) {
  PROCESS_MEMORY_COUNTERS m{};
  m.cb = sizeof(m);
  if (K32GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof(m)))
    std::printf("peak memory after %-18s %8.1f MB\n", after, m.PeakPagefileUsage / 1048576.0);
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
  if (!FillBox(cust, "BENCH12", 12) || !FillBox(cust, "BENCH200", 200) || !FillHugeBox(cust, "BENCHHUGE12", 12))
    return 1;
  PumpMessages();
  ReportPeakMemory("start");
  for (const char* box : {"BENCHHUGE12", "BENCH12", "BENCH200"}) {
    std::vector<double> open, close;
    for (int i = 0; i < 10; ++i) {
      SetCurrentPicture(box, "Sample1.sam");  // the file box opens on the working box
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
    ReportPeakMemory(box);
  }
  // One thumbnail of a huge picture: the bounded loader, then the whole-picture one.
  const std::string huge = cust + "BENCHHUGE12\\Sample1.sam";
  for (int whole = 0; whole < 2; ++whole) {
    std::vector<double> times;
    for (int i = 0; i < (whole ? 2 : 10); ++i) {
      const double t0 = Now();
      HBITMAP b = whole ? LoadBitmapFileScaled(window, huge.c_str(), nullptr, 96, 72)
                        : LoadThumbnail(window, huge.c_str(), nullptr, 96, 72);
      times.push_back(Now() - t0);
      if (b) DeleteObject(b);
    }
    Report(whole ? "LoadBitmapFileScaled/huge" : "LoadThumbnail/huge", times);
    ReportPeakMemory(whole ? "whole-picture loads" : "thumbnail loads");
  }
  DestroyWindow(window);
  return 0;
}
