// Start-up sounds in a program without its art resources (this test carries none): the main
// window cannot build its palette and the program ends (a box, dismissed here, says why), and
// the "start" jingle that loops while the program loads must not go on. With effects switched
// off in the settings it never starts at all.
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include "colvane/layout/layout_files_win.h"
#include "colvane/media/sound_drivers_win.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/shell_win.h"
#include "tests/support/message_box_watch_win.h"
#include "tests/support/recording_drivers_win.h"
#include "tests/support/staged_content_win.h"

namespace {

RecordingDrivers recorder;

HWND OpenMainWindow() {
  HWND w = CreateMainWindow(App().instance);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  return w;
}

}  // namespace

TEST(StartUpSound, TheStartJingleStopsWhenLoadingCannotGoOn) {
  MessageBoxWatch watch;
  StagedContent content;
  ASSERT_TRUE(content.Use());
  LendSoundDrivers(&recorder);
  App().instance = GetModuleHandleA(nullptr);
  ASSERT_TRUE(RegisterWindowClasses(App().instance));

  HWND w = OpenMainWindow();
  EXPECT_EQ(w, nullptr);
  EXPECT_EQ(App().palette, nullptr);
  ASSERT_EQ(recorder.waves.size(), 2u);
  EXPECT_EQ(recorder.waves[0].path, content.Folder() + "\\" + StagedContent::Layout("SOUND", "start"));
  EXPECT_TRUE(recorder.waves[1].path.empty()) << "the start jingle goes on";
  if (w) DestroyWindow(w);

  char settings[MAX_PATH];
  SettingsFilePath(settings);
  WritePrivateProfileStringA("SOUND", "SOUND", "0", settings);
  recorder.Clear();
  w = OpenMainWindow();
  EXPECT_TRUE(recorder.Played().empty()) << "a jingle with effects off";
  if (w) DestroyWindow(w);
  LendSoundDrivers(nullptr);
  content.Restore();
}
