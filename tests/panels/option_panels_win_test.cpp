// The tool option panels on real GDI: panel art from the layout file, button presses that reach
// the command dispatcher, the selected look, texture cycling, the shape strip and the lens slider.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/frame/toolbox_win.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/panels/option_panels_win.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/shell_win.h"
#include "tests/support/message_box_watch_win.h"
#include "tests/support/solid_bmp_win.h"

namespace {

std::vector<int> commands;

LRESULT CALLBACK PanelTestProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) {
    commands.push_back(static_cast<int>(wParam));
    DispatchCommand(w, wParam);
    return 0;
  }
  if (msg == WM_PAINT) {  // the screen composition, reduced to the panel
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    kOptionPanelArea.paint(w, dc);
    EndPaint(w, &ps);
    return 0;
  }
  return DefWindowProcA(w, msg, wParam, lParam);
}

const COLORREF kNormal = RGB(200, 180, 120);
const COLORREF kSelected = RGB(40, 90, 200);

class OptionPanels : public ::testing::Test {
 protected:
  static HWND window;
  static std::string artFolder;

  static void Key(const char* key, const std::string& value) {
    char path[MAX_PATH];
    LayoutFilePath(path);
    WritePrivateProfileStringA("DETAILTOOL", key, value.c_str(), path);
  }
  static void Art(const char* key, const char* file, int w, int h, COLORREF c, COLORREF inner = CLR_INVALID) {
    WriteSolidBmp(artFolder + "\\" + file, w, h, c, inner);
    Key(key, std::string("paneltest\\") + file);
  }

  static void SetUpTestSuite() {
    AppState& app = App();
    app.instance = GetModuleHandleA(nullptr);
    SetScreenLayout(ScreenLayout{});
    SetLayoutVariant(true);
    char folder[144];
    GetAssetFolder(folder);
    artFolder = std::string(folder) + "\\paneltest";
    CreateDirectoryA(artFolder.c_str(), nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = PanelTestProc;
    wc.hInstance = app.instance;
    wc.lpszClassName = "PanelTestWindow";
    RegisterClassA(&wc);
    window = CreateWindowExA(WS_EX_TOPMOST, "PanelTestWindow", "panels", WS_POPUP | WS_VISIBLE, 0, 0, 640, 620,
                             nullptr, nullptr, app.instance, nullptr);
    app.mainWindow = window;
  }
  static void TearDownTestSuite() {
    FreeOptionPanels();
    DestroyWindow(window);
  }
  void SetUp() override {
    // Written for every test: the layout file in the program folder is shared with other tests.
    Key("BRUSH_ORG8", "266,514");
    Key("BRUSH_FREE_CORD8", "272,520,346,584");
    Key("BRUSH_LINE_CORD8", "352,520,426,584");
    Key("BRUSH_WATER_CORD8", "432,520,506,584");
    Art("BRUSHAREA", "brush.bmp", 246, 78, kNormal);
    Art("BRUSHAREAS", "brush_sel.bmp", 246, 78, kSelected);
    Key("RUB_ORG8", "266,514");
    Key("RUB_CLEAR_CORD8", "272,520,346,584");
    Key("RUB_BLUR_CORD8", "352,520,426,584");
    Key("RUB_IMG_CORD8", "432,520,506,584");
    for (int n = 0; n < 9; ++n) {
      char key[16], file[32];
      wsprintfA(key, "RUBAREA%d", n);
      wsprintfA(file, "rub%d.bmp", n);
      Art(key, file, 246, 78, RGB(10 * n, 100, 100));
      wsprintfA(key, "RUBAREA%dS", n);
      wsprintfA(file, "rub%ds.bmp", n);
      Art(key, file, 246, 78, kSelected);
    }
    Key("SPEC_ORG8", "266,514");
    Key("SPEC_CLEAR_CORD8", "272,518,328,560");
    Key("SPEC_BLUR_CORD8", "332,518,388,560");
    Key("SPEC_EMBOSE_CORD8", "392,518,448,560");
    Key("SPEC_SPEC_CORD8", "452,518,506,560");
    Key("SPECCUR_CORD8", "278,564,500,586");
    Art("SPECAREA", "spec.bmp", 246, 78, kNormal);
    Art("SPECAREAS", "spec_sel.bmp", 246, 78, kSelected);
    Art("SPECCUR", "knob.bmp", 22, 22, RGB(255, 0, 0), RGB(0, 120, 0));  // red rim: transparent
    Key("POLY_ORG8", "266,514");
    Key("POLY_UP_CORD8", "270,528,288,576");
    Key("POLY_DOWN_CORD8", "448,528,466,576");
    Key("POLY_1_CORD8", "292,528,340,576");
    Key("POLY_2_CORD8", "344,528,392,576");
    Key("POLY_3_CORD8", "396,528,444,576");
    Key("POLY_HOLLOW_CORD8", "472,518,508,551");
    Key("POLY_FULL_CORD8", "472,553,508,586");
    Art("POLYAREA", "poly.bmp", 246, 78, kNormal);
    Art("POLYAREAS", "poly_sel.bmp", 246, 78, kSelected);
    Art("JI", "shapes.bmp", 42 * 7, 40, RGB(0, 0, 0));
    Key("JIW", "42");
    Key("HEAP_ORG8", "266,514");
    Key("HEAP_UP_CORD8", "442,522,506,582");
    Key("HEAP_DOWN_CORD8", "272,522,336,582");
    Key("HEAP_SELECT_CORD8", "353,516,425,588");
    Art("HEAPAREA", "heap.bmp", 246, 78, kNormal);
    Art("HEAPAREAS", "heap_sel.bmp", 246, 78, kSelected);
    WriteSolidBmp(artFolder + "\\stamps.bmp", 64 * 3, 40, 0, CLR_INVALID, 64);
    Key("HEAP", "paneltest\\stamps.bmp");
    Key("HEAPW", "64");
    CoverDesk(false);
    SetLibraryShown(false);
    commands.clear();
  }
  COLORREF Painted(int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 640, 620);
    HGDIOBJ old = SelectObject(memory, target);
    RECT all{0, 0, 640, 620};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    kOptionPanelArea.paint(window, memory);
    COLORREF c = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteObject(target);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return c;
  }
  void Open(int toolbarCommand) {
    FreeOptionPanels();
    ShowOptionPanel(window, toolbarCommand);
  }
  int Press(int x, int y) {
    int taken = OfferToArea(kOptionPanelArea, &ScreenArea::press, window, POINT{x, y});
    kOptionPanelArea.release(window, POINT{x, y});
    return taken;
  }
};
HWND OptionPanels::window = nullptr;
std::string OptionPanels::artFolder;

TEST_F(OptionPanels, BrushPanelSelectsFreeAndALinePressReachesTheDispatcher) {
  Open(1001);
  ASSERT_EQ(commands, std::vector<int>{10001});
  EXPECT_EQ(OpenPanelCommand(), 1001);
  EXPECT_EQ(Painted(300, 550), kSelected);  // free stroke shows selected
  EXPECT_EQ(Painted(380, 550), kNormal);
  EXPECT_EQ(Painted(268, 516), kNormal);    // panel art outside the buttons
  EXPECT_EQ(Painted(100, 100), RGB(255, 255, 255));

  EXPECT_EQ(Press(380, 550), 1);
  EXPECT_EQ(commands.back(), 10002);
  EXPECT_EQ(Session().choice.lineMode, 1);
  EXPECT_EQ(SelectedPanelCommand(), 10002);
  EXPECT_EQ(Painted(300, 550), kNormal);
  EXPECT_EQ(Painted(380, 550), kSelected);

  // Outside every button, or while the file box or the library covers the desk: not taken.
  const size_t sent = commands.size();
  EXPECT_EQ(Press(349, 550), 0);
  CoverDesk(true);
  EXPECT_EQ(Press(300, 550), 0);
  CoverDesk(false);
  SetLibraryShown(true);
  EXPECT_EQ(Press(300, 550), 0);
  SetLibraryShown(false);
  EXPECT_EQ(commands.size(), sent);
  // The selected button pressed again sends its command again.
  EXPECT_EQ(Press(380, 550), 1);
  EXPECT_EQ(commands.back(), 10002);
}

TEST_F(OptionPanels, EraserOpensOnTheSoftEraserAndCyclesItsTextures) {
  Open(1008);
  ASSERT_EQ(commands, std::vector<int>{21002});
  const int start = Session().panel.eraserTexture;
  EXPECT_EQ(Press(460, 550), 1);  // picture eraser: selected first, no texture change
  EXPECT_EQ(commands.back(), 21003);
  EXPECT_EQ(Session().panel.eraserTexture, start);
  EXPECT_EQ(Press(460, 550), 1);
  const int next = (start + 1) % 9;
  EXPECT_EQ(Session().panel.eraserTexture, next);
  EXPECT_EQ(Painted(268, 516), RGB(10 * next, 100, 100));  // the panel picture of that texture
  EXPECT_EQ(Painted(460, 550), kSelected);
  for (int i = 0; i < 8; ++i) Press(460, 550);
  EXPECT_EQ(Session().panel.eraserTexture, start);  // nine advances: back where it was
  EXPECT_EQ(Session().panel.fillTexture, 0);      // the fill panel keeps its own number
}

TEST_F(OptionPanels, EffectsPanelSendsNothingUntilALensPressAndDragsItsSlider) {
  Session().choice.drawingMode = kModeEffectsPanel;
  Open(2004);
  EXPECT_TRUE(commands.empty());
  EXPECT_EQ(OpenPanelCommand(), -1);
  EXPECT_EQ(Painted(300, 540), kNormal);  // no selected look yet
  EXPECT_EQ(Session().panel.lensStrength, 0);
  // Knob at the middle: left 278 + 100 = 378; its green middle shows, its red rim does not.
  EXPECT_EQ(Painted(389, 575), RGB(0, 120, 0));
  EXPECT_EQ(Painted(378, 564), kNormal);

  EXPECT_EQ(kOptionPanelArea.press(window, POINT{389, 575}), 1);
  EXPECT_EQ(kOptionPanelArea.hover(window, POINT{489, 575}), 1);
  EXPECT_EQ(Session().panel.lensStrength, 100);
  EXPECT_EQ(kOptionPanelArea.hover(window, POINT{900, 575}), 1);  // kept at the right end
  EXPECT_EQ(Session().panel.lensStrength, 100);
  EXPECT_EQ(kOptionPanelArea.hover(window, POINT{339, 575}), 1);
  EXPECT_EQ(Session().panel.lensStrength, -50);
  EXPECT_EQ(kOptionPanelArea.release(window, POINT{339, 575}), 0);
  EXPECT_EQ(kOptionPanelArea.hover(window, POINT{600, 300}), 0);  // not dragging, off the knob
  EXPECT_TRUE(commands.empty());
  EXPECT_EQ(Session().choice.drawingMode, 18);

  EXPECT_EQ(Press(470, 540), 1);
  EXPECT_EQ(commands.back(), 42004);
  EXPECT_EQ(Session().choice.drawingMode, 15);
  EXPECT_EQ(Painted(470, 540), kSelected);
  // The window itself was repainted with the selected look by the press.
  HDC dc = GetDC(window);
  EXPECT_EQ(GetPixel(dc, 470, 540), kSelected);
  ReleaseDC(window, dc);
  Open(2004);
  EXPECT_EQ(Session().panel.lensStrength, 0);  // reopening resets the lens
}

TEST_F(OptionPanels, ShapesPanelPagesItsStripAndChoosesHollowOrFull) {
  Open(2001);
  ASSERT_EQ(commands, std::vector<int>{31003});
  EXPECT_EQ(ChosenShape(Session().panel.shapes), 0);
  EXPECT_EQ(Painted(480, 530), kSelected);  // hollow
  EXPECT_EQ(Painted(480, 570), kNormal);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Press(456, 550), 1);  // down, past the end
  EXPECT_EQ(Press(420, 550), 1);  // third slot
  EXPECT_EQ(ChosenShape(Session().panel.shapes), 6);  // 7 shapes: offset stops at 4
  EXPECT_EQ(Press(490, 570), 1);
  EXPECT_EQ(Session().panel.shapes.hollow, 0);
  EXPECT_EQ(Painted(480, 530), kNormal);
  EXPECT_EQ(Painted(480, 570), kSelected);
  EXPECT_EQ(Press(279, 550), 1);  // up
  EXPECT_EQ(ChosenShape(Session().panel.shapes), 5);
  Press(490, 530);
  EXPECT_EQ(Session().panel.shapes.hollow, 1);
}

TEST_F(OptionPanels, StampPanelShowsTheCurrentStampAndPagesOnRelease) {
  MessageBoxWatch watch;  // the stamp files themselves are missing here
  Session().tools.stampIndex = 0;
  Open(2006);
  ASSERT_EQ(commands, std::vector<int>{43003});
  EXPECT_EQ(Painted(389, 552), RGB(0, 200, 60));  // cell 0 centred in the select button
  EXPECT_EQ(Painted(356, 552), kSelected);  // the selected button around the 64-wide cell
  EXPECT_EQ(kOptionPanelArea.press(window, POINT{470, 550}), 1);
  EXPECT_EQ(commands.size(), 1u);  // the press only shows the button held down
  EXPECT_EQ(Painted(470, 550), kSelected);
  kOptionPanelArea.release(window, POINT{470, 550});
  EXPECT_EQ(commands.back(), 43001);
  EXPECT_EQ(Session().tools.stampIndex, 1);
  EXPECT_EQ(Painted(470, 550), kNormal);
  EXPECT_EQ(Painted(389, 552), RGB(40, 200, 60));
  EXPECT_EQ(Press(300, 550), 1);  // down: back to the first
  EXPECT_EQ(commands.back(), 43002);
  EXPECT_EQ(Session().tools.stampIndex, 0);
}

}  // namespace
