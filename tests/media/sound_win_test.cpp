// Music, sound effects and the sound panel in the real main window under Wine, on the staged
// content, with sound drivers that record what the program asked for: the start-up sounds and
// settings, the disc stepping through the tunes, the effects switch, the looping tune, a tune
// that cannot be opened, the tool sound of each tool icon, and the tool loop stopping whichever
// way a stroke ends. Last, the real drivers: the sequencer opens a generated tune.
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "colvane/frame/cursors_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/media/music_win.h"
#include "colvane/media/sound_drivers_win.h"
#include "colvane/media/sound_effects_win.h"
#include "colvane/media/sound_names.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/shell_win.h"
#include "tests/support/recording_drivers_win.h"
#include "tests/support/staged_content_win.h"

namespace {

RecordingDrivers recorder;
StagedContent content;
HWND window = nullptr;
HWND other = nullptr;  // another top-level window, over a corner of the desk

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
}

// The asset file of a [SOUND] name, as the program builds it.
std::string SoundPath(const char* name) { return content.Folder() + "\\" + StagedContent::Layout("SOUND", name); }

RECT LayoutRect(const char* name) {
  char key[40];
  wsprintfA(key, "%s%s", name, VariantDigit());
  RECT r{};
  GetLayoutRect("CARTOON", key, 0, 0, 0, 0, &r);
  return r;
}

POINT ScreenCentre(const RECT& layout) {
  return POINT{Screen().screenOriginX + (layout.left + layout.right) / 2,
               Screen().screenOriginY + (layout.top + layout.bottom) / 2};
}

void Click(POINT at) {
  const LPARAM lp = MAKELPARAM(at.x, at.y);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, lp);
  SendMessageA(window, WM_LBUTTONUP, 0, lp);
  Pump();
}

// Real input: the pointer moves and the button goes down or up where it is.
void MouseTo(POINT at) {
  SetCursorPos(at.x, at.y);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof(in));
  Pump();
}
void Button(bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof(in));
  Pump();
}

POINT PaperPoint(int x, int y) { return POINT{Screen().paperOriginX + x, Screen().paperOriginY + y}; }

std::string SettingValue(const char* key) {
  char value[32] = "";
  GetSettingString("SOUND", key, "", value, sizeof(value));
  return value;
}

// The waves played since the recorder was cleared end in silence, and a loop started among them.
bool LoopStartedThenStopped() {
  bool looped = false, stoppedAfter = false;
  for (const RecordedWave& w : recorder.waves) {
    if (!w.path.empty() && (w.flags & SND_LOOP)) looped = true, stoppedAfter = false;
    if (w.path.empty() && looped) stoppedAfter = true;
  }
  return looped && stoppedAfter;
}

LRESULT CALLBACK OtherProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(w, msg, wParam, lParam);
}

class SoundInTheProgram : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(content.Use()) << "no staged content (COLVANE_STAGE_DIR)";
    LendSoundDrivers(&recorder);
    App().instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(RegisterWindowClasses(App().instance));
    window = CreateMainWindow(App().instance);  // start-up with no sound settings stored
    ASSERT_NE(window, nullptr);
    Pump();
    WNDCLASSA wc{};
    wc.lpfnWndProc = OtherProc;
    wc.hInstance = App().instance;
    wc.lpszClassName = "OtherWindow";
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassA(&wc);
    // A window of its own, over the top-left corner of the screen (on no part of the paper).
    other = CreateWindowExA(WS_EX_TOPMOST, "OtherWindow", "other", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr,
                            nullptr, App().instance, nullptr);
    Pump();
  }
  static void TearDownTestSuite() {
    if (other) DestroyWindow(other);
    if (window) DestroyWindow(window);
    Pump();
    LendSoundDrivers(nullptr);
    content.Restore();
  }
};

}  // namespace

TEST_F(SoundInTheProgram, StartsWithMusicAndEffectsOnPlayingTheFirstTune) {
  // What the window's creation asked for, recorded before any test cleared it.
  const std::vector<RecordedWave>& waves = recorder.waves;
  ASSERT_GE(waves.size(), 2u);
  EXPECT_EQ(waves.front().path, SoundPath("start"));
  EXPECT_EQ(waves.front().flags, static_cast<UINT>(SND_ASYNC | SND_LOOP | SND_NODEFAULT));
  EXPECT_TRUE(waves.back().path.empty()) << "the start jingle goes on after loading";
  EXPECT_TRUE(MusicOn());
  EXPECT_TRUE(EffectsOn());
  EXPECT_STREQ(TuneName(), "3DAYSX");
  ASSERT_EQ(recorder.strings.size(), 2u);
  EXPECT_EQ(recorder.strings[0], "open sequencer!" + SoundPath("3DAYSX") + " alias clavier");
  EXPECT_EQ(recorder.strings[1], "play clavier from 0 notify");
  EXPECT_EQ(recorder.stringCallbacks[1], window);
}

TEST_F(SoundInTheProgram, EightPressesOnTheDiscComeBackToTheSameTune) {
  const POINT disc = ScreenCentre(LayoutRect("DISCCORD"));
  for (int i = 1; i <= kTuneCount; ++i) {
    recorder.Clear();
    Click(disc);
    const int expected = i % kTuneCount;
    EXPECT_EQ(SettingValue("MUSICNAME"), std::to_string(expected));
    EXPECT_STREQ(TuneName(), kTuneNames[expected]);
    ASSERT_EQ(recorder.Count("open "), 1);
    EXPECT_EQ(recorder.strings[0], "stop clavier");
    EXPECT_EQ(recorder.strings[1], "close clavier");
    EXPECT_EQ(recorder.strings[2], "open sequencer!" + SoundPath(kTuneNames[expected]) + " alias clavier");
    ASSERT_EQ(recorder.Played().size(), 1u);  // the press on the panel sounds
    EXPECT_EQ(recorder.Played()[0].path, SoundPath("butdown"));
    EXPECT_EQ(recorder.Played()[0].flags, static_cast<UINT>(SND_ASYNC | SND_NODEFAULT));
  }
  EXPECT_STREQ(TuneName(), "3DAYSX");
}

TEST_F(SoundInTheProgram, WithEffectsOffNoWavePlaysAndTheMusicGoesOn) {
  const POINT effects = ScreenCentre(LayoutRect("SEFFECTCORD"));
  Click(effects);
  ASSERT_FALSE(EffectsOn());
  EXPECT_EQ(SettingValue("SOUND"), "0");
  recorder.Clear();
  PlaySoundEffect("Select");
  SendMessageA(window, WM_COMMAND, cmd::kPencilFree, 0);
  MouseTo(PaperPoint(100, 100));
  Button(true);
  MouseTo(PaperPoint(140, 120));
  Button(false);
  Click(ScreenCentre(LayoutRect("MUSICCORD")));  // a press on the panel, then back on
  Click(ScreenCentre(LayoutRect("MUSICCORD")));
  EXPECT_TRUE(recorder.Played().empty()) << recorder.Played()[0].path;
  EXPECT_EQ(recorder.Count("open "), 1);  // the music switched off and on again, nothing else
  EXPECT_TRUE(MusicOn());
  Click(effects);
  EXPECT_TRUE(EffectsOn());
  EXPECT_EQ(SettingValue("SOUND"), "1");
  EXPECT_EQ(SettingValue("MIDI"), "1");
}

TEST_F(SoundInTheProgram, TheTuneStartsAgainWhenItHasPlayedToItsEnd) {
  ASSERT_TRUE(TunePlaying());
  const MCIDEVICEID device = recorder.clavier;
  for (WPARAM other : {MCI_NOTIFY_SUPERSEDED, MCI_NOTIFY_ABORTED, MCI_NOTIFY_FAILURE}) {
    recorder.Clear();
    SendMessageA(window, MM_MCINOTIFY, other, device);
    EXPECT_TRUE(recorder.strings.empty()) << "notice " << other;
  }
  recorder.Clear();
  SendMessageA(window, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, device + 100);  // a stale device
  EXPECT_TRUE(recorder.strings.empty());
  SendMessageA(window, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, device);
  ASSERT_EQ(recorder.strings.size(), 4u);
  EXPECT_EQ(recorder.strings[0], "stop clavier");
  EXPECT_EQ(recorder.strings[1], "close clavier");
  EXPECT_EQ(recorder.strings[2], "open sequencer!" + SoundPath(TuneName()) + " alias clavier");
  EXPECT_EQ(recorder.strings[3], "play clavier from 0 notify");
  EXPECT_EQ(recorder.stringCallbacks[3], window);
}

TEST_F(SoundInTheProgram, ATuneThatCannotBeOpenedIsNotTriedOnEveryNotice) {
  const MCIDEVICEID device = recorder.clavier;
  recorder.failTuneOpen = true;
  recorder.Clear();
  Click(ScreenCentre(LayoutRect("DISCCORD")));
  EXPECT_EQ(recorder.Count("open "), 1);
  EXPECT_FALSE(TunePlaying());
  for (MCIDEVICEID d : {device, MCIDEVICEID(0), recorder.clavier}) SendMessageA(window, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, d);
  EXPECT_EQ(recorder.Count("open "), 1);
  recorder.failTuneOpen = false;
  Click(ScreenCentre(LayoutRect("DISCCORD")));  // the child's own press tries the next one
  EXPECT_EQ(recorder.Count("open "), 2);
  EXPECT_TRUE(TunePlaying());
  for (int i = 2; i < kTuneCount; ++i) Click(ScreenCentre(LayoutRect("DISCCORD")));
  EXPECT_STREQ(TuneName(), "3DAYSX");
}

TEST_F(SoundInTheProgram, TheToolSoundFollowsTheToolIcon) {
  for (int icon = 0; icon <= kIconToothpaste; ++icon) {
    ChooseToolSound(kIconBrush);
    ChooseToolSound(static_cast<ToolIcon>(icon));
    recorder.Clear();
    PlayToolSound();
    const char* name = ToolSoundName(icon) ? ToolSoundName(icon) : "BRUSH";  // the hands keep it
    ASSERT_EQ(recorder.Played().size(), 1u) << icon;
    EXPECT_EQ(recorder.Played()[0].path, SoundPath(name)) << icon;
    EXPECT_EQ(recorder.Played()[0].flags, static_cast<UINT>(SND_ASYNC | SND_LOOP | SND_NODEFAULT));
  }
  SetToolSound("NULL");
  recorder.Clear();
  PlayToolSound();
  ASSERT_EQ(recorder.waves.size(), 1u);
  EXPECT_TRUE(recorder.waves[0].path.empty());
  EXPECT_EQ(recorder.waves[0].flags, static_cast<UINT>(SND_ASYNC | SND_LOOP));
  StopSoundEffects();
}

TEST_F(SoundInTheProgram, TheToolLoopStopsWhereverTheStrokeEnds) {
  SendMessageA(window, WM_COMMAND, cmd::kBrushFree, 0);
  // released over another window: the program still gets the release
  recorder.Clear();
  MouseTo(PaperPoint(200, 200));
  Button(true);
  ASSERT_TRUE(ToolLoopPlaying());
  EXPECT_EQ(recorder.Played().back().path, SoundPath("BRUSH"));
  MouseTo(POINT{20, 20});
  Button(false);
  EXPECT_TRUE(LoopStartedThenStopped()) << "release over another window";
  EXPECT_FALSE(ToolLoopPlaying());
  EXPECT_EQ(GetCapture(), nullptr);

  // another window takes the mouse in the middle of the stroke
  recorder.Clear();
  MouseTo(PaperPoint(220, 220));
  Button(true);
  ASSERT_TRUE(ToolLoopPlaying());
  SetCapture(other);
  Pump();
  EXPECT_TRUE(LoopStartedThenStopped()) << "capture lost";
  ReleaseCapture();
  Button(false);

  // a tool chosen in the middle of the stroke
  recorder.Clear();
  MouseTo(PaperPoint(240, 240));
  Button(true);
  ASSERT_TRUE(ToolLoopPlaying());
  SendMessageA(window, WM_COMMAND, cmd::kPencilFree, 0);
  EXPECT_TRUE(LoopStartedThenStopped()) << "tool switched";
  Button(false);
}

TEST_F(SoundInTheProgram, TheSwitchesShowTheirStateFromTheTwoPictures) {
  const RECT music = LayoutRect("MUSICCORD"), effects = LayoutRect("SEFFECTCORD");
  auto pixelAt = [](const RECT& r) {
    HDC dc = GetDC(window);
    const POINT p = ScreenCentre(r);
    const COLORREF c = GetPixel(dc, p.x, p.y - (r.bottom - r.top) / 3);
    ReleaseDC(window, dc);
    return c;
  };
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
  const COLORREF musicOn = pixelAt(music), effectsOn = pixelAt(effects);
  Click(ScreenCentre(music));
  ASSERT_FALSE(MusicOn());
  const COLORREF musicOff = pixelAt(music);
  EXPECT_NE(musicOff, musicOn) << "the switch did not change its look";
  EXPECT_EQ(pixelAt(effects), effectsOn);
  InvalidateRect(window, nullptr, FALSE);  // composed again, the switch keeps its look
  UpdateWindow(window);
  EXPECT_EQ(pixelAt(music), musicOff);
  Click(ScreenCentre(music));
  EXPECT_TRUE(MusicOn());
  EXPECT_EQ(pixelAt(music), musicOn);
}

TEST_F(SoundInTheProgram, TheHandShowsOverTheControlsOnly) {
  const POINT disc = ScreenCentre(LayoutRect("DISCCORD"));
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(disc.x, disc.y));
  const HCURSOR over = reinterpret_cast<HCURSOR>(GetClassLongPtrA(window, GCLP_HCURSOR));
  EXPECT_EQ(over, ToolCursor(kIconHand));
  const POINT paper = PaperPoint(300, 300);
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(paper.x, paper.y));
  EXPECT_NE(reinterpret_cast<HCURSOR>(GetClassLongPtrA(window, GCLP_HCURSOR)), over);
}

// The real sequencer, from a folder whose name holds a space.
TEST(RealSequencer, OpensAGeneratedTune) {
  ASSERT_TRUE(content.Use());
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "colvane tunes";
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA((folder + "\\music").c_str(), nullptr);
  const std::string tune = StagedContent::Layout("SOUND", "3DAYSX");
  ASSERT_TRUE(CopyFileA((content.Folder() + "\\" + tune).c_str(), (folder + "\\" + tune).c_str(), FALSE));
  char settings[MAX_PATH];
  SettingsFilePath(settings);
  WritePrivateProfileStringA("FILE", "PATH", folder.c_str(), settings);
  WritePrivateProfileStringA("SOUND", "MIDI", "1", settings);
  WritePrivateProfileStringA("SOUND", "Musicname", "0", settings);
  LoadSoundSettings();
  SoundDrivers* lent = LendSoundDrivers(nullptr);
  HWND callback = CreateWindowExA(0, "STATIC", "tune", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  StartTune(callback);
  EXPECT_TRUE(TunePlaying());
  char reply[144] = "";
  EXPECT_EQ(mciSendStringA("set clavier time format milliseconds", nullptr, 0, nullptr), 0u);
  EXPECT_EQ(mciSendStringA("status clavier length", reply, sizeof(reply), nullptr), 0u);
  const int length = std::atoi(reply);
  EXPECT_GT(length, 60000) << reply;  // 32 bars at 120 beats a minute: 64 s
  EXPECT_LT(length, 66000) << reply;
  StopTune();
  EXPECT_NE(mciSendStringA("status clavier length", reply, sizeof(reply), nullptr), 0u);
  DestroyWindow(callback);
  LendSoundDrivers(lent);
  content.Restore();
}
