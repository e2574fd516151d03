// The main window whose palette can't be made (this test program holds no palette resource):
// the mouse is let go, a box says why, no window is left and the program is asked to end.
#include <gtest/gtest.h>
#include <windows.h>

#include "colvane/shell/app_state_win.h"
#include "colvane/shell/shell_win.h"
#include "tests/support/message_box_watch_win.h"

TEST(StartUp, WithoutItsPaletteTheProgramLetsGoSaysSoAndEnds) {
  MessageBoxWatch watch;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  App().instance = instance;
  ASSERT_TRUE(RegisterWindowClasses(instance));
  EXPECT_EQ(CreateMainWindow(instance), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(FindWindowA("MAIN4WClass", nullptr), nullptr);
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  const auto seen = watch.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, L"Colvane");
  EXPECT_NE(seen[0].text.find(L"cannot start"), std::wstring::npos);
}
