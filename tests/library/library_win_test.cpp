// The library in the real main window under Wine, on the staged content and on both layouts, with
// sound drivers that record: the page turn and back, a category's page and its paging both ways,
// a sticker taken into the hand, a cartoon carried onto the paper and the eleventh refused, a
// colouring page opened as a new picture.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/clip_art_win.h"
#include "colvane/files/picture_save_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/frame/toolbox_win.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/library/cartoons_win.h"
#include "colvane/library/library_page_win.h"
#include "colvane/media/sound_drivers_win.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/shell_win.h"
#include "tests/support/message_box_watch_win.h"
#include "tests/support/recording_drivers_win.h"
#include "tests/support/staged_content_win.h"

namespace {

RecordingDrivers recorder;
StagedContent content;
HWND window = nullptr;
constexpr char kBox[] = "LIBRARY TEST";  // the test's own box, removed at the end

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

// The screen point at the middle of a layout rectangle of the variant shown.
POINT Centre(const char* section, const char* name, int slot = 0) {
  char key[40];
  if (slot > 0)
    wsprintfA(key, "%s%s%d", name, VariantDigit(), slot);  // item slots: GRLIB81, JLIB62, ...
  else
    wsprintfA(key, "%s%s", name, VariantDigit());
  RECT r{};
  GetLayoutRect(section, key, 0, 0, 0, 0, &r);
  return POINT{Screen().screenOriginX + (r.left + r.right) / 2, Screen().screenOriginY + (r.top + r.bottom) / 2};
}

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }
void Press(POINT p) {
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(p));
  Pump();
}
void Release(POINT p) {
  SendMessageA(window, WM_LBUTTONUP, 0, At(p));
  Pump();
}
void Click(POINT p) {
  Press(p);
  Release(p);
}
void Command(int id) {
  SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0);
  Pump();
}
POINT Paper(int x, int y) { return POINT{Screen().paperOriginX + x, Screen().paperOriginY + y}; }

bool Played(const char* name) {
  const std::string path = content.Folder() + "\\" + StagedContent::Layout("SOUND", name);
  for (const RecordedWave& w : recorder.waves)
    if (w.path == path) return true;
  return false;
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

class LibraryInTheProgram : public ::testing::Test {
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
      Session().canvas.pictureModified = 0;  // nothing to keep: the recovery copy goes too
      DestroyWindow(window);
    }
    Pump();
    LendSoundDrivers(nullptr);
    RemoveTestBox();
    content.Restore();
  }
  void SetUp() override {
    if (!LibraryShown()) Command(cmd::kToLibrary);
    recorder.Clear();
  }
};

}  // namespace

TEST_F(LibraryInTheProgram, TheTurnBringsTheShelfAndTheWayBackTheTool) {
  Command(cmd::kToTools);
  EXPECT_FALSE(LibraryShown());
  EXPECT_EQ(Session().choice.drawingMode, kModeBrush);  // the brush chosen at start-up is back
  EXPECT_TRUE(Played("MOVE"));
  recorder.Clear();
  Command(cmd::kToLibrary);
  EXPECT_TRUE(LibraryShown());
  EXPECT_EQ(Session().choice.drawingMode, kModeEffectsPanel);  // no canvas tool on the library
  EXPECT_TRUE(Played("MOVE"));
}

TEST_F(LibraryInTheProgram, ACategoryOpensOnItsFirstPageAndPagesWrapBothWays) {
  Click(Centre("CARTOON", "PERSONA"));
  EXPECT_TRUE(Played("BOOK"));
  ASSERT_STREQ(LibrarySection(), "PERSONCONTENT");
  EXPECT_EQ(LibraryPageNumber(), 1);
  const int pages = static_cast<int>(GetLayoutInt("PERSONCONTENT", "PSD", 256));
  ASSERT_GE(pages, 2);
  Click(Centre("DETAILTOOL", "GPAGEUPRC"));
  EXPECT_EQ(LibraryPageNumber(), pages);  // back from the first page: the last
  Click(Centre("DETAILTOOL", "GPAGEDOWNRC"));
  EXPECT_EQ(LibraryPageNumber(), 1);  // forward from the last: the first
  Click(Centre("DETAILTOOL", "GPAGEDOWNRC"));
  EXPECT_EQ(LibraryPageNumber(), 2);
  // Back to the tools and to the library again: the same category opens.
  Command(cmd::kToTools);
  Command(cmd::kToLibrary);
  EXPECT_STREQ(LibrarySection(), "PERSONCONTENT");
}

TEST_F(LibraryInTheProgram, AStickerStaysInHandUntilItIsDroppedOnThePaper) {
  Click(Centre("CARTOON", "BIRDA"));
  ASSERT_STREQ(LibrarySection(), "BIRDCONTENT");
  Click(Centre("DETAILTOOL", "GRLIB", 1));
  EXPECT_EQ(Session().choice.drawingMode, kModeSticker);
  EXPECT_FALSE(CurrentClipArt().picture.Empty());
  EXPECT_TRUE(CursorHeld());
  // Released over the library it stays; released on the paper it is dropped there.
  const uint32_t before = ReadCanvasPixel(Session().canvas, 200, 200);
  Release(Paper(200, 200));
  EXPECT_TRUE(CurrentClipArt().picture.Empty());
  EXPECT_FALSE(CursorHeld());
  EXPECT_NE(ReadCanvasPixel(Session().canvas, 200, 200), before);
  EXPECT_EQ(Session().canvas.pictureModified, 1);
}

TEST_F(LibraryInTheProgram, CartoonsAreCarriedOntoThePaperAndTheEleventhIsRefused) {
  RemoveAllCartoons(window);
  Click(Centre("CARTOON", "FILMA"));
  ASSERT_STREQ(LibrarySection(), "CARTCONTENT");
  // A click on a cartoon that never reaches the paper places nothing.
  Click(Centre("DETAILTOOL", "JLIB", 1));
  EXPECT_EQ(CartoonCount(), 0);
  EXPECT_EQ(PickedCartoon(), -1);
  for (int k = 0; k < kCartoonLimit; ++k) {
    Press(Centre("DETAILTOOL", "JLIB", 2));
    EXPECT_EQ(Session().choice.drawingMode, kModeCartoon);
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(Paper(30 + 40 * k, 100)));
    Release(Paper(30 + 40 * k, 100));
  }
  ASSERT_EQ(CartoonCount(), kCartoonLimit);
  EXPECT_EQ(Cartoons().At(3).number, 2);
  EXPECT_EQ(Cartoons().At(3).path[0].x, 150);
  MessageBoxWatch watch;
  Press(Centre("DETAILTOOL", "JLIB", 3));
  Release(Paper(300, 300));
  EXPECT_EQ(CartoonCount(), kCartoonLimit);
  ASSERT_EQ(watch.seen().size(), 1u);
  EXPECT_EQ(watch.seen()[0].text, L"Are you nuts?");
  EXPECT_EQ(watch.seen()[0].caption, L"Warning");
  RemoveAllCartoons(window);
}

TEST_F(LibraryInTheProgram, AColouringPageComesAsANewPictureAndKeepsThePaintedOne) {
  Click(Centre("CARTOON", "DIAGRAMA"));
  const std::string painted = CurrentPictureName();
  Session().canvas.pictureModified = 1;  // something painted
  Click(Centre("DETAILTOOL", "SMPLIB", 1));
  EXPECT_NE(CurrentPictureName(), painted);
  EXPECT_EQ(Session().canvas.pictureModified, 1);
  const std::string kept = content.Folder() + "\\CUST\\" + kBox + "\\" + painted;
  EXPECT_NE(GetFileAttributesA(kept.c_str()), INVALID_FILE_ATTRIBUTES) << kept;
  // The page is black outlines on white.
  int black = 0, white = 0;
  for (int y = 0; y < 480; y += 7)
    for (int x = 0; x < 640; x += 7) {
      const uint32_t c = ReadCanvasPixel(Session().canvas, x, y);
      black += c == 0;
      white += c == 0xFFFFFF;
    }
  EXPECT_GT(black, 20);
  EXPECT_EQ(black + white, (480 / 7 + 1) * (640 / 7 + 1));
  // A second page while the first is untouched takes its name.
  const std::string sample = CurrentPictureName();
  Click(Centre("DETAILTOOL", "SMPLIB", 2));
  EXPECT_EQ(CurrentPictureName(), sample);
}
