// The layout and settings readers on real profile files, and the screen variant chosen from the
// real screen this test runs on (COLVANE_EXPECT_* name the screen's expected geometry).
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/layout/profile_reads_win.h"
#include "colvane/shell/app_state_win.h"

namespace {

class Layout : public ::testing::Test {
 protected:
  void SetUp() override {
    App().instance = GetModuleHandleA(nullptr);
    char path[MAX_PATH];
    LayoutFilePath(path);
    std::ofstream ini(path);
    ini << "[800]\nPAPERORG=20,30\nTOOLCORD=660,10\nPALSBOXCORD=5,6,7,8\nSIZEDOMAIN=10\n"
           "[640]\nPAPERORG=5,7\nTOOLCORD=500,4\n"
           "[TEST]\nNOP=nop\nPOINT= 10 , 20 \nSHORT=10\nRECT3=1,2,3\nRECT=1,2,3,4\nNUM=42\n"
           "LONG=" << std::string(400, '9') << ",5\n";
  }
};

}  // namespace

TEST_F(Layout, PathsFollowTheProgramAndSystemFolders) {
  char path[MAX_PATH], module[MAX_PATH], system[MAX_PATH];
  LayoutFilePath(path);
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string folder(module);
  folder = folder.substr(0, folder.rfind('\\'));
  EXPECT_EQ(std::string(path), folder + "\\Colvane.ini");
  SettingsFilePath(path);
  GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_EQ(std::string(path), std::string(system) + "\\Colvane.ini");
}

TEST_F(Layout, PointsAndRectanglesFromARealFile) {
  POINT p{};
  EXPECT_EQ(GetLayoutPoint("TEST", "POINT", 1, 2, &p), 1);
  EXPECT_EQ(p.x, 10);
  EXPECT_EQ(p.y, 20);
  EXPECT_EQ(GetLayoutPoint("TEST", "NOP", 1, 2, &p), 0);  // a literal "nop" counts as absent
  EXPECT_EQ(p.x, 1);
  EXPECT_EQ(GetLayoutPoint("TEST", "MISSING", 3, 4, &p), 0);
  EXPECT_EQ(p.y, 4);
  EXPECT_EQ(GetLayoutPoint("TEST", "SHORT", 3, 4, &p), 0);
  EXPECT_EQ(p.x, 3);
  EXPECT_EQ(GetLayoutPoint("NOSECTION", "POINT", 7, 8, &p), 0);
  EXPECT_EQ(GetLayoutPoint("TEST", "LONG", 0, 0, &p), 0);  // cut at 143 characters: one number
  RECT r{};
  EXPECT_EQ(GetLayoutRect("TEST", "RECT3", 9, 9, 9, 9, &r), 0);
  EXPECT_EQ(r.left, 9);
  EXPECT_EQ(GetLayoutRect("TEST", "RECT", 9, 9, 9, 9, &r), 1);
  EXPECT_EQ(r.right, 3);
  EXPECT_EQ(r.bottom, 4);
  EXPECT_EQ(GetLayoutInt("TEST", "NUM", 5), 42u);
  EXPECT_EQ(GetLayoutInt("TEST", "NONE", 256), 256u);
  char text[8];
  EXPECT_EQ(GetLayoutString("TEST", "POINT", "", text, sizeof(text)), 7u);  // cut to the buffer
}

TEST_F(Layout, SettingsRoundTrip) {
  ASSERT_NE(SetSettingString("COLVANETEST", "KEY", "value 1"), 0);
  char text[144];
  GetSettingString("COLVANETEST", "KEY", "", text, sizeof(text));
  EXPECT_STREQ(text, "value 1");
  EXPECT_EQ(GetSettingInt("COLVANETEST", "NONE", 256), 256u);
  SetSettingString("COLVANETEST", nullptr, nullptr);
}

TEST_F(Layout, ScreenVariantComesFromTheRealScreen) {
  SetupScreenGeometry();
  const ScreenLayout& app = Screen();
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), COLVANE_EXPECT_SCREEN_W);
  EXPECT_EQ(app.wideLayout, COLVANE_EXPECT_WIDE);
  EXPECT_EQ(app.screenOriginX, COLVANE_EXPECT_ORIGIN_X);
  EXPECT_EQ(app.screenOriginY, COLVANE_EXPECT_ORIGIN_Y);
  EXPECT_EQ(app.paperWidth, COLVANE_EXPECT_PAPER_W);
  EXPECT_EQ(app.paperHeight, COLVANE_EXPECT_PAPER_H);
  if (app.wideLayout) {
    EXPECT_EQ(app.paperOriginX, app.screenOriginX + 20);
    EXPECT_EQ(app.paperOriginY, app.screenOriginY + 30);
    EXPECT_EQ(Frame().toolCord.x, 660);
    EXPECT_EQ(Frame().palSBoxCord.bottom, 8);
    EXPECT_EQ(Frame().sizeDomain.x, 0);  // one number: the default
  } else {
    EXPECT_EQ(app.paperOriginX, 5);
    EXPECT_EQ(app.paperOriginY, 7);
    EXPECT_EQ(Frame().toolCord.x, 500);
  }
}

// Values that cannot lie on this screen give each key its default, through the real profile
// file and the start-up that adds the screen origin.
TEST_F(Layout, PositionsOffTheScreenFallBackToTheirDefaults) {
  char path[MAX_PATH];
  LayoutFilePath(path);
  {
    std::ofstream ini(path);
    ini << "[800]\nPAPERORG=4294967297,0\nTOOLCORD=-2147483648,5\nPALSBOXCORD=1,2,3,99999\n"
           "COLORCORD=" << COLVANE_EXPECT_SCREEN_W << ",-" << COLVANE_EXPECT_SCREEN_W << "\n"
           "[640]\nPAPERORG=0,4294967297\nTOOLCORD=-2147483648,5\nPALSBOXCORD=1,2,3,99999\n"
           "COLORCORD=" << COLVANE_EXPECT_SCREEN_W << ",-" << COLVANE_EXPECT_SCREEN_W << "\n";
  }
  SetupScreenGeometry();
  const ScreenLayout& app = Screen();
  EXPECT_EQ(app.paperOriginX, app.screenOriginX);
  EXPECT_EQ(app.paperOriginY, app.screenOriginY);
  EXPECT_EQ(Frame().toolCord.x, 0);
  EXPECT_EQ(Frame().toolCord.y, 0);
  EXPECT_EQ(Frame().palSBoxCord.left, 0);
  EXPECT_EQ(Frame().palSBoxCord.bottom, 0);
  // A number as large as the screen is wide still reaches.
  EXPECT_EQ(Frame().colorCord.x, COLVANE_EXPECT_SCREEN_W);
  EXPECT_EQ(Frame().colorCord.y, -COLVANE_EXPECT_SCREEN_W);
}

// [FILE] PATH is used only when it names a folder; otherwise the program's own folder, and the
// setting is reported as wrong unless it is simply absent.
TEST_F(Layout, AnAssetFolderThatIsNotThereFallsBackToTheProgramFolder) {
  char own[MAX_PATH], temp[MAX_PATH];
  ProgramFolder(own);
  GetTempPathA(sizeof(temp), temp);
  const std::string folder = std::string(temp) + "colvane-assets-" + std::to_string(GetTickCount64());
  const std::string file = folder + ".txt";
  CreateDirectoryA(folder.c_str(), nullptr);
  CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  char old[144];
  GetSettingString("FILE", "PATH", "", old, sizeof(old));
  struct Case {
    const char* setting;  // null: no PATH line
    std::string want;
    bool wrong;
  };
  const Case cases[] = {
      {nullptr, own, false},
      {folder.c_str(), folder, false},
      {"C:\\no\\such\\folder", own, true},
      {file.c_str(), own, true},
  };
  for (const Case& c : cases) {
    SetSettingString("FILE", "PATH", c.setting);
    char got[144], named[144];
    GetAssetFolder(got);
    EXPECT_EQ(std::string(got), c.want) << (c.setting ? c.setting : "(none)");
    EXPECT_EQ(AssetFolderSettingIsWrong(named), c.wrong) << (c.setting ? c.setting : "(none)");
  }
  SetSettingString("FILE", "PATH", old[0] ? old : nullptr);
  DeleteFileA(file.c_str());
  RemoveDirectoryA(folder.c_str());
}

// Many reads at once come from a snapshot of the file: every read must give what the profile
// functions give, whatever the file holds (a second file adds a key outside plain ASCII).
TEST_F(Layout, ReadsInAScopeGiveWhatTheProfileFunctionsGive) {
  const std::string files[] = {
      "[TEST]\nPlain=value\n  Spaced  =  with spaces  \nquoted=\"in quotes\"\nsingle='x'\nhalf=\"open\n"
      "empty=\nnovalue\nnovalue2\nnovalue2=later\ndup=first\nDUP=second\neq=a=b\n; note=comment\nnum=42\n"
      "neg=-5\nbig=99999999999\nhex=0x10\nlead= 7\nmixed=12abc\nlong=" + std::string(300, 'x') + "\n"
      "[test]\nlate=a second section of the same name\n[Other]\nKey=1\n",
      "[TEST]\nPlain=value\nnum=42\n[Other]\nK\xe9y=1\n"};
  const char* const queries[][2] = {
      {"TEST", "Plain"}, {"test", "PLAIN"}, {"TEST", "Spaced"}, {"TEST", "quoted"}, {"TEST", "single"},
      {"TEST", "half"},  {"TEST", "empty"}, {"TEST", "novalue"}, {"TEST", "novalue2"}, {"TEST", "dup"},
      {"TEST", "eq"},    {"TEST", "; note"}, {"TEST", "num"},    {"TEST", "neg"},     {"TEST", "big"},
      {"TEST", "hex"},   {"TEST", "lead"},  {"TEST", "mixed"},   {"TEST", "long"},    {"TEST", "late"},
      {"Other", "Key"},  {"Other", "k\xe9y"}, {"Missing", "x"},  {"TEST", "missing"}};
  char path[MAX_PATH];
  LayoutFilePath(path);
  for (const std::string& text : files) {
    std::ofstream(path, std::ios::binary) << text;
    const auto readAll = [&] {
      std::string all;
      for (const auto& q : queries) {
        char wide[1024], narrow[4];
        const DWORD n = GetLayoutString(q[0], q[1], "dflt  ", wide, sizeof(wide));
        const DWORD m = GetLayoutString(q[0], q[1], "dflt  ", narrow, sizeof(narrow));
        all += std::string(q[1]) + ": " + std::to_string(n) + " [" + wide + "] " + std::to_string(m) + " [" + narrow +
               "] " + std::to_string(GetLayoutInt(q[0], q[1], 77)) + "\n";
      }
      return all;
    };
    const std::string direct = readAll();
    ProfileReadScope scope;
    EXPECT_EQ(readAll(), direct);
  }
}
