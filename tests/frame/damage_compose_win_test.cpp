// The real main window on the staged content, on each screen size: after every kind of change the
// window shows what painting only the damaged rectangles gave, and that must equal, pixel for
// pixel, a composition of the whole screen made afresh (WM_PRINTCLIENT into a bitmap of our own).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/files/picture_save_win.h"
#include "colvane/frame/blit_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/library/cartoons_win.h"
#include "colvane/library/library_page_win.h"
#include "colvane/media/sound_drivers_win.h"
#include "colvane/panels/colour_panel_win.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/screen_areas_win.h"
#include "colvane/shell/shell_win.h"
#include "tests/support/recording_drivers_win.h"
#include "tests/support/staged_content_win.h"

namespace {

RecordingDrivers recorder;
StagedContent content;
HWND window = nullptr;
constexpr char kBox[] = "DAMAGE TEST";

void Pump() {
  MSG msg;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(20);
  }
  UpdateWindow(window);
}

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }
void Mouse(UINT msg, POINT p, WPARAM keys = 0) {
  SendMessageA(window, msg, keys, At(p));
  Pump();
}
void Click(POINT p) {
  Mouse(WM_LBUTTONDOWN, p, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, p);
}
void Command(int id) {
  SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0);
  Pump();
}
POINT Paper(int x, int y) { return POINT{Screen().paperOriginX + x, Screen().paperOriginY + y}; }

// The middle of the area's target `index` (the last one when there are fewer), on the screen.
POINT TargetCentre(const ScreenArea& area, int index) {
  AreaTarget targets[64];
  const int n = AreaTargets(area, targets, 64);
  if (n == 0) return POINT{-1, -1};
  const RECT& r = targets[index < n ? index : n - 1].rect;
  return POINT{Screen().screenOriginX + (r.left + r.right) / 2, Screen().screenOriginY + (r.top + r.bottom) / 2};
}

POINT LayoutCentre(const char* section, const char* name, int slot = 0) {
  char key[40];
  if (slot > 0)
    wsprintfA(key, "%s%s%d", name, VariantDigit(), slot);
  else
    wsprintfA(key, "%s%s", name, VariantDigit());
  RECT r{};
  GetLayoutRect(section, key, 0, 0, 0, 0, &r);
  return POINT{Screen().screenOriginX + (r.left + r.right) / 2, Screen().screenOriginY + (r.top + r.bottom) / 2};
}

// The client area's pixels read through `fill` into a 32-bit bitmap of our own.
template <typename Fill>
std::vector<uint32_t> Capture(Fill fill) {
  RECT client;
  GetClientRect(window, &client);
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  fill(memory, screen, client);
  GdiFlush();
  const auto* p = static_cast<const uint32_t*>(bits);
  std::vector<uint32_t> pixels(p, p + static_cast<size_t>(client.right) * client.bottom);
  for (uint32_t& v : pixels) v &= 0xFFFFFF;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  return pixels;
}

// Pixels where the window differs from a full composition, with the first one's place.
std::string Differences() {
  const std::vector<uint32_t> shown = Capture([](HDC memory, HDC screen, const RECT& c) {
    BitBlt(memory, 0, 0, c.right, c.bottom, screen, 0, 0, SRCCOPY);
  });
  const std::vector<uint32_t> full = Capture([](HDC memory, HDC, const RECT&) {
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  });
  RECT client;
  GetClientRect(window, &client);
  size_t count = 0, first = 0;
  for (size_t i = 0; i < shown.size(); ++i)
    if (shown[i] != full[i] && count++ == 0) first = i;
  if (count == 0) return "";
  const int w = client.right;
  char text[160];
  wsprintfA(text, "%d pixels differ; the first at %d,%d: shown %06x, composed %06x", static_cast<int>(count),
            static_cast<int>(first % w), static_cast<int>(first / w), shown[first], full[first]);
  return text;
}

void RemoveTestBox() {
  const std::string box = content.Folder() + "\\CUST\\" + kBox;
  WIN32_FIND_DATAA f;
  HANDLE h = FindFirstFileA((box + "\\*").c_str(), &f);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      if (!(f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((box + "\\" + f.cFileName).c_str());
    } while (FindNextFileA(h, &f));
    FindClose(h);
  }
  RemoveDirectoryA(box.c_str());
}

// Rows that give bounds paint nowhere else: each shown row is painted alone into a bitmap of the
// client's size with GDI keeping the bounds of what it drew.
std::string RowsOutsideTheirBounds() {
  std::string out;
  RECT client;
  GetClientRect(window, &client);
  const ScreenAreas areas = ProgramAreas();
  Capture([&](HDC memory, HDC, const RECT&) {
    CompositionScope composing;
    for (int i = 0; i < areas.count; ++i) {
      const ScreenArea& row = *areas.rows[i];
      if (!row.bounds || !row.paint || !AreaShown(row)) continue;
      SetBoundsRect(memory, nullptr, DCB_RESET | DCB_ENABLE);
      row.paint(window, memory);
      RECT drawn{};
      const UINT state = GetBoundsRect(memory, &drawn, DCB_RESET);
      SetBoundsRect(memory, nullptr, DCB_DISABLE);
      RECT bounds = row.bounds();
      OffsetRect(&bounds, Screen().screenOriginX, Screen().screenOriginY);
      RECT both;
      UnionRect(&both, &bounds, &drawn);
      if ((state & DCB_SET) && !EqualRect(&both, &bounds)) {
        char text[200];
        wsprintfA(text, "%s drew %d,%d-%d,%d outside %d,%d-%d,%d; ", row.name, drawn.left, drawn.top, drawn.right,
                  drawn.bottom, bounds.left, bounds.top, bounds.right, bounds.bottom);
        out += text;
      }
    }
  });
  return out;
}

// Rows that say they cover their bounds leave nothing beneath showing there: each is painted
// alone over a colour no art uses, and none of it may be left inside the bounds.
std::string RowsLeavingGapsInTheirBounds() {
  std::string out;
  const ScreenAreas areas = ProgramAreas();
  for (int i = 0; i < areas.count; ++i) {
    const ScreenArea& row = *areas.rows[i];
    if (!row.coversBounds || !row.bounds || !row.paint || !AreaShown(row)) continue;
    const std::vector<uint32_t> pixels = Capture([&](HDC memory, HDC, const RECT& client) {
      HBRUSH key = CreateSolidBrush(RGB(1, 254, 3));
      FillRect(memory, &client, key);
      DeleteObject(key);
      CompositionScope composing;
      row.paint(window, memory);
    });
    RECT client, bounds = row.bounds();
    GetClientRect(window, &client);
    OffsetRect(&bounds, Screen().screenOriginX, Screen().screenOriginY);
    IntersectRect(&bounds, &bounds, &client);
    int gaps = 0;
    for (int y = bounds.top; y < bounds.bottom; ++y)
      for (int x = bounds.left; x < bounds.right; ++x)
        gaps += pixels[static_cast<size_t>(y) * client.right + x] == 0x01FE03;
    if (gaps) out += std::string(row.name) + " left " + std::to_string(gaps) + " pixels; ";
  }
  return out;
}

struct Change {
  const char* what;
  void (*make)();
};

const Change kChanges[] = {
    {"first paint", [] {}},
    {"tool choice", [] { Command(cmd::kPencil); }},
    {"option panel", [] { Command(cmd::kBrush); }},
    {"effects panel", [] { Command(cmd::kEffects); }},
    {"shapes panel", [] { Command(cmd::kShapes); }},
    {"rope panel", [] { Command(cmd::kRope); }},
    {"fill panel", [] { Command(cmd::kFill); }},
    {"eraser panel", [] { Command(cmd::kEraser); }},
    {"spray panel", [] { Command(cmd::kSpray); }},
    {"brush again", [] { Command(cmd::kBrush); }},
    {"a stroke", [] {
       Mouse(WM_LBUTTONDOWN, Paper(60, 60), MK_LBUTTON);
       for (int x = 70; x <= 200; x += 10) Mouse(WM_MOUSEMOVE, Paper(x, 60 + x / 4), MK_LBUTTON);
       Mouse(WM_LBUTTONUP, Paper(200, 110));
     }},
    {"colour box", [] { Click(TargetCentre(kColourBoxesArea, 5)); }},
    {"colour page", [] { Click(TargetCentre(kColourPagesArea, 1)); }},
    {"size bar", [] {
       const POINT thumb = TargetCentre(kSizeBarArea, 0);
       Mouse(WM_LBUTTONDOWN, thumb, MK_LBUTTON);
       Mouse(WM_MOUSEMOVE, POINT{thumb.x + 12, thumb.y + 12}, MK_LBUTTON);
       Mouse(WM_LBUTTONUP, POINT{thumb.x + 12, thumb.y + 12});
     }},
    {"page turn", [] { Command(cmd::kToolboxPage2); }},
    {"page turn back", [] { Command(cmd::kToolboxPage1); }},
    {"paper type", [] { Command(cmd::kPaper); }},
    {"typewriter", [] {
       Command(cmd::kTypewriter);
       Click(Paper(80, 200));
       for (const char* k = "Hello"; *k; ++k) {
         SendMessageA(window, WM_CHAR, static_cast<WPARAM>(*k), 0);
         Pump();
       }
       Command(cmd::kBrush);  // the text ends; its caret goes
     }},
    {"library", [] { Command(cmd::kToLibrary); }},
    {"cartoon", [] {
       Click(LayoutCentre("CARTOON", "FILMA"));
       Mouse(WM_LBUTTONDOWN, LayoutCentre("DETAILTOOL", "JLIB", 2), MK_LBUTTON);
       Mouse(WM_MOUSEMOVE, Paper(150, 150), MK_LBUTTON);
       Mouse(WM_LBUTTONUP, Paper(150, 150));
       CartoonTick(window);    // one frame shown, as the clock would have
       PauseCartoons(window);  // frames drawn by the clock would race the comparison
     }},
    {"library page", [] { Click(TargetCentre(kLibraryPageArea, 1)); }},
    {"tools again", [] { Command(cmd::kToTools); }},
    {"file box open", [] { Command(cmd::kFilePage); }},
    {"file box closed", [] { Command(cmd::kFileBoxClose); }},
    {"undo", [] { Command(cmd::kUndo); }},
    {"new picture", [] { Command(cmd::kNewPicture); }},
};

class DamagedComposition : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(content.Use()) << "no staged content (COLVANE_STAGE_DIR)";
    SetSettingString("DESKTOP", "WORKINDIR", kBox);
    SetSettingString("SOUND", "MIDI", "0");
    LendSoundDrivers(&recorder);
    App().instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(RegisterWindowClasses(App().instance));
    window = CreateMainWindow(App().instance);
    ASSERT_NE(window, nullptr);
    Pump();
  }
  static void TearDownTestSuite() {
    if (window) {
      RemoveAllCartoons(window);
      Session().canvas.pictureModified = 0;
      DestroyWindow(window);
    }
    Pump();
    LendSoundDrivers(nullptr);
    RemoveTestBox();
    content.Restore();
  }
};

}  // namespace

TEST_F(DamagedComposition, EqualsTheFullCompositionAfterEveryKindOfChange) {
  for (const Change& change : kChanges) {
    change.make();
    EXPECT_EQ(Differences(), "") << "after: " << change.what;
    EXPECT_EQ(RowsOutsideTheirBounds(), "") << "after: " << change.what;
    EXPECT_EQ(RowsLeavingGapsInTheirBounds(), "") << "after: " << change.what;
  }
}
