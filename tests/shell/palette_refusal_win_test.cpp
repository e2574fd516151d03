// On a palette display the program refuses to start: it says why, opens no window and ends
// with exit code 0. Runs on an 8-bit screen.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/message_box_watch_win.h"

TEST(PaletteDisplay, ProgramRefusesWithAMessage) {
  HDC screen = GetDC(nullptr);
  ASSERT_TRUE(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) << "needs an 8-bit screen";
  ReleaseDC(nullptr, screen);

  MessageBoxWatch watch(true);
  char command[] = "colvane.exe";
  STARTUPINFOA si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
  bool windowSeen = false;
  DWORD waited = WAIT_TIMEOUT;
  for (int i = 0; i < 300 && waited == WAIT_TIMEOUT; ++i) {
    if (FindWindowA("MAIN4WClass", nullptr) || FindWindowA("AVIWClass", nullptr)) windowSeen = true;
    waited = WaitForSingleObject(pi.hProcess, 100);
  }
  if (waited == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 99);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);

  EXPECT_EQ(waited, WAIT_OBJECT_0);
  EXPECT_EQ(code, 0u);
  EXPECT_FALSE(windowSeen);
  auto seen = watch.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, L"ERROR");
  EXPECT_EQ(seen[0].text, L"Please run under the hight color mode or true color mode");
}
