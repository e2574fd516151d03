// The toolbox and the desk on real GDI: loading the toolbox again sends the tool commands it
// stands for, the desk's page-turn fold follows the toolbox page, and a press on the paper holds
// the mouse for its stroke only while the file box leaves the desk uncovered.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "colvane/frame/desk_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/frame/toolbox_win.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/panels/option_panels_win.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/shell_win.h"
#include "tests/support/solid_bmp_win.h"

namespace {

std::vector<int> commands;

LRESULT CALLBACK RecordingProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) {
    commands.push_back(static_cast<int>(wParam));
    DispatchCommand(w, wParam);
    return 0;
  }
  return DefWindowProcA(w, msg, wParam, lParam);
}

class ToolboxAndDesk : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    App().instance = GetModuleHandleA(nullptr);
    SetScreenLayout(ScreenLayout{});
    SetLayoutVariant(true);
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = App().instance;
    wc.lpszClassName = "ToolboxReloadWindow";
    RegisterClassA(&wc);
    window = CreateWindowExA(WS_EX_TOPMOST, "ToolboxReloadWindow", "toolbox", WS_POPUP | WS_VISIBLE, 0, 0, 800,
                             600, nullptr, nullptr, App().instance, nullptr);
    App().mainWindow = window;
  }
  static void TearDownTestSuite() {
    FreeOptionPanels();
    FreeToolbox();
    FreeDesk();
    DestroyWindow(window);
  }
  static void Key(const char* section, const char* key, const std::string& value) {
    char path[MAX_PATH];
    LayoutFilePath(path);
    WritePrivateProfileStringA(section, key, value.c_str(), path);
  }
  static HWND window;
};
HWND ToolboxAndDesk::window = nullptr;

COLORREF WindowPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

}  // namespace

TEST_F(ToolboxAndDesk, LoadingAgainSendsTheOpenPanelAndItsButton) {
  commands.clear();
  LoadToolboxAndTools(window);  // the first load: the brush panel and the free brush
  ASSERT_GE(commands.size(), 2u);
  EXPECT_EQ(commands[0], cmd::kBrush);
  EXPECT_EQ(commands.back(), cmd::kBrushFree);

  SendMessageA(window, WM_COMMAND, cmd::kPencil, 0);  // the pencil panel selects its free pencil
  commands.clear();
  LoadToolboxAndTools(window);
  ASSERT_GE(commands.size(), 2u);
  EXPECT_EQ(commands.front(), cmd::kPencil);
  EXPECT_EQ(commands.back(), cmd::kPencilFree);

  SendMessageA(window, WM_COMMAND, cmd::kEffects, 0);  // after the effects panel nothing is sent
  commands.clear();
  LoadToolboxAndTools(window);
  EXPECT_TRUE(commands.empty());
}

TEST_F(ToolboxAndDesk, ThePageTurnFoldFollowsTheToolboxPage) {
  char folder[144];
  GetAssetFolder(folder);
  const std::string art = std::string(folder) + "\\desktest";
  CreateDirectoryA(art.c_str(), nullptr);
  WriteSolidBmp(art + "\\fold1.bmp", 60, 40, RGB(200, 30, 30));
  WriteSolidBmp(art + "\\fold2.bmp", 60, 40, RGB(30, 30, 200));
  WriteSolidBmp(art + "\\up.bmp", 50, 30, RGB(90, 90, 90));
  Key("CARTOON", "T2LC8", "desktest\\fold1.bmp");
  Key("CARTOON", "T2LC82", "desktest\\fold2.bmp");
  Key("CARTOON", "T2LCW8", "30");
  Key("CARTOON", "T2LCCORD8", "400,100");
  Key("CARTOON", "T2LD8", "desktest\\up.bmp");
  Key("CARTOON", "T2LU8", "desktest\\up.bmp");
  Key("CARTOON", "T2LUCORD8", "400,200,450,230");
  ScreenLayout screen;  // a small paper in the corner: desk buttons never take a point on it
  screen.paperWidth = screen.paperHeight = 100;
  SetScreenLayout(screen);
  CoverDesk(false);
  FreeDesk();
  LoadDesk(window, 1);
  const POINT button{410, 210};
  ASSERT_TRUE(kDeskArea.press(window, button));
  ASSERT_TRUE(kDeskArea.release(window, button));  // plays the fold, ending on its last frame
  EXPECT_EQ(WindowPixel(window, 410, 110), RGB(200, 30, 30));

  ShowToolboxPage(window, 2);
  ASSERT_TRUE(kDeskArea.press(window, button));
  ASSERT_TRUE(kDeskArea.release(window, button));
  EXPECT_EQ(WindowPixel(window, 410, 110), RGB(30, 30, 200));
  ShowToolboxPage(window, 1);
  MSG msg;
  while (PeekMessageA(&msg, window, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
  }  // the posted page-turn commands are not for this test
}

TEST_F(ToolboxAndDesk, APressOnThePaperUnderTheFileBoxDoesNotHoldTheMouse) {
  SetScreenLayout(ScreenLayout{});
  const LPARAM onPaper = MAKELPARAM(300, 300);
  for (bool covered : {false, true}) {
    CoverDesk(covered);
    OnLeftPress(window, MK_LBUTTON, onPaper);
    EXPECT_EQ(GetCapture(), covered ? nullptr : window) << "covered " << covered;
    OnLeftRelease(window, 0, onPaper);
    EXPECT_EQ(GetCapture(), nullptr);
  }
  CoverDesk(false);
}
