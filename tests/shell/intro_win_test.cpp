// The intro window under Wine with sound drivers that record: it plays "head.avi" centred in a
// child window, and opens the main window when the clip has played, at once on a key release or
// a click (on the picture too), or when the clip cannot be opened; never twice.
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "colvane/media/intro_video_win.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/shell_win.h"
#include "tests/support/recording_drivers_win.h"
#include "tests/support/staged_content_win.h"

namespace {

RecordingDrivers recorder;
StagedContent content;

int MainWindows() {
  int n = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM count) {
        char name[64];
        GetClassNameA(w, name, sizeof(name));
        if (std::string(name) == "MAIN4WClass") ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&n));
  return n;
}

// Dispatches what is queued (and what that queues) for a short while.
void Pump(int rounds = 5) {
  MSG msg;
  for (int i = 0; i < rounds; ++i) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

const RecordedCommand* Find(UINT message, DWORD_PTR flag = 0) {
  for (const RecordedCommand& c : recorder.commands)
    if (c.message == message && (!flag || (c.flags & flag))) return &c;
  return nullptr;
}

class Intro : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(content.Use()) << "no staged content (COLVANE_STAGE_DIR)";
    LendSoundDrivers(&recorder);
    App().instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(RegisterWindowClasses(App().instance));
  }
  static void TearDownTestSuite() {
    LendSoundDrivers(nullptr);
    content.Restore();
  }
  void SetUp() override {
    recorder.Clear();
    recorder.failClipOpen = false;
  }
  void TearDown() override {
    while (HWND w = FindWindowA("MAIN4WClass", nullptr)) DestroyWindow(w);
    while (HWND w = FindWindowA("AVIWClass", nullptr)) DestroyWindow(w);
    Pump();
  }
  // Opens the intro and lets it start its clip.
  HWND OpenIntro() {
    HWND intro = CreateIntroWindow(App().instance);
    EXPECT_NE(intro, nullptr);
    Pump();
    return intro;
  }
};

}  // namespace

TEST_F(Intro, PlaysTheClipCentredAndOpensTheMainWindowWhenItEnds) {
  HWND intro = OpenIntro();
  ASSERT_FALSE(recorder.commands.empty());
  EXPECT_EQ(recorder.commands[0].message, static_cast<UINT>(MCI_OPEN));
  EXPECT_EQ(recorder.commands[0].name, "avivideo");
  const RecordedCommand* open = Find(MCI_OPEN, MCI_OPEN_ELEMENT);
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->name, content.Folder() + "\\head.avi");
  EXPECT_EQ(open->window, intro);
  EXPECT_EQ(open->flags, static_cast<DWORD_PTR>(MCI_OPEN_ELEMENT | MCI_ANIM_OPEN_PARENT | MCI_ANIM_OPEN_WS));
  const RecordedCommand* play = Find(MCI_PLAY);
  ASSERT_NE(play, nullptr);
  EXPECT_EQ(play->window, intro);
  EXPECT_EQ(play->flags, static_cast<DWORD_PTR>(MCI_NOTIFY | MCI_FROM));
  // the picture's window: centred, 512 x 384, and disabled so a click on it reaches the intro
  ASSERT_NE(ClipWindow(), nullptr);
  RECT r;
  GetWindowRect(ClipWindow(), &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 512) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 384) / 2);
  EXPECT_EQ(r.right - r.left, 512);
  EXPECT_EQ(r.bottom - r.top, 384);
  EXPECT_EQ(MainWindows(), 0);

  SendMessageA(intro, MM_MCINOTIFY, MCI_NOTIFY_ABORTED, 0);  // only a clip played to its end counts
  Pump();
  EXPECT_EQ(MainWindows(), 0);
  SendMessageA(intro, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 0);
  Pump();
  EXPECT_EQ(MainWindows(), 1);
  EXPECT_FALSE(IsWindow(intro));
  EXPECT_NE(Find(MCI_CLOSE), nullptr);
  EXPECT_EQ(recorder.commands.back().message, static_cast<UINT>(MCI_CLOSE));  // the driver last
  EXPECT_EQ(recorder.commands.back().device, recorder.driver);
}

TEST_F(Intro, AKeyReleaseOpensTheMainWindowAtOnce) {
  HWND intro = OpenIntro();
  ASSERT_TRUE(ClipPlaying());
  PostMessageA(intro, WM_KEYUP, VK_SPACE, 0xC0000001);
  PostMessageA(intro, WM_KEYUP, VK_SPACE, 0xC0000001);  // a second one already queued
  Pump(2);
  EXPECT_EQ(MainWindows(), 1);
  EXPECT_FALSE(IsWindow(intro));
  EXPECT_FALSE(ClipPlaying());
}

TEST_F(Intro, AClickOnThePictureOpensTheMainWindow) {
  HWND intro = OpenIntro();
  ASSERT_NE(ClipWindow(), nullptr);
  RECT r;
  GetWindowRect(ClipWindow(), &r);
  // real input: the press lands on the clip's own window, which the intro hears of
  const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  SetCursorPos(centre.x, centre.y);
  EXPECT_EQ(WindowFromPoint(centre), ClipWindow());
  INPUT click[2] = {};
  for (INPUT& in : click) in.type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, click, sizeof(INPUT));
  Pump(10);
  EXPECT_EQ(MainWindows(), 1);
  EXPECT_FALSE(IsWindow(intro));
}

TEST_F(Intro, AClipThatCannotBeOpenedLeadsStraightToTheMainWindow) {
  recorder.failClipOpen = true;
  HWND intro = CreateIntroWindow(App().instance);
  Pump();
  EXPECT_EQ(MainWindows(), 1);
  EXPECT_FALSE(IsWindow(intro));
  EXPECT_EQ(Find(MCI_PLAY), nullptr);
}
