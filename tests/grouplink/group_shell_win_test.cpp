// grouplink.dll against Wine's own Program Manager server and real log and INI files:
// groups and items appear in the Start Menu and go with the last owner's uninstall.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "tests/grouplink/grouplink_win_test_util.h"

namespace {

const char kCommand[] = "C:\\windows\\notepad.exe";

class GroupLinkShell : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(Lib().dll, nullptr);
    RemoveLogs();
  }
  void TearDown() override {
    RemoveLogs();
    for (const std::string& name : groups_) CloseFolderWindows(name);
  }
  std::string Group(const std::string& name) {
    groups_.push_back(name);
    return ProgramsFolder() + "\\" + name;
  }
  std::vector<std::string> groups_;
};

TEST_F(GroupLinkShell, EveryExportIsFoundByName) {
  const GroupLink& l = Lib();
  EXPECT_TRUE(l.getGroupName && l.createGroup && l.createGroupItem && l.myCreateGroup && l.myCreateGroupItem &&
              l.myWriteProfileString && l.myWritePrivateProfileString && l.deleteProfileString &&
              l.deleteGroupData && l.ddeWndProc && l.groupEditProc);
  WNDCLASSA wc = {};
  ASSERT_TRUE(GetClassInfoA(l.dll, "ClientDDEWndClass", &wc)) << "registered when the library loads";
  EXPECT_EQ(reinterpret_cast<void*>(wc.lpfnWndProc), reinterpret_cast<void*>(l.ddeWndProc));
}

TEST_F(GroupLinkShell, SharedItemsStayUntilTheLastOwnerUninstalls) {
  BoxWatcher boxes;
  HWND owner = TestOwner();
  const GroupLink& l = Lib();
  std::string group = Group("Colvane Shared");
  l.myCreateGroup(owner, "Colvane Shared", "Painter One");
  l.myCreateGroup(owner, "Colvane Shared", "Painter One");
  EXPECT_EQ(FileSize(SystemPath("qoragrp.dat")), 76) << "one record for the same owner and group";
  ASSERT_TRUE(Exists(group));
  l.myCreateGroupItem(owner, "Colvane Shared", "Paint", kCommand, "Painter One");
  l.myCreateGroupItem(owner, "Colvane Shared", "Help", kCommand, "Painter One");
  l.myCreateGroup(owner, "Colvane Shared", "Painter Two");
  l.myCreateGroupItem(owner, "Colvane Shared", "Paint", kCommand, "Painter Two");
  EXPECT_EQ(FileSize(SystemPath("qoraitm.dat")), 3 * 104);
  EXPECT_TRUE(Exists(group + "\\Paint.lnk"));
  EXPECT_TRUE(Exists(group + "\\Help.lnk"));

  EXPECT_EQ(l.deleteGroupData(owner, "Painter One"), 0);
  EXPECT_FALSE(Exists(group + "\\Help.lnk"));
  EXPECT_TRUE(Exists(group + "\\Paint.lnk")) << "Painter Two still holds it";
  EXPECT_TRUE(Exists(group));

  EXPECT_EQ(l.deleteGroupData(owner, "Painter Two"), 0);
  EXPECT_FALSE(Exists(group + "\\Paint.lnk"));
  EXPECT_FALSE(Exists(group));
  EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
}

TEST_F(GroupLinkShell, LongNamesAreCutToTheirFieldsAndStillUninstall) {
  BoxWatcher boxes;
  HWND owner = TestOwner();
  std::string longGroup = "Colvane Group With A Name Far Longer Than Its Field";
  std::string longItem = "An Item Whose Name Will Never Fit In Thirty Bytes";
  std::string longOwner(300, 'P');
  Lib().myCreateGroup(owner, longGroup.c_str(), longOwner.c_str());
  Lib().myCreateGroupItem(owner, longGroup.c_str(), longItem.c_str(), kCommand, longOwner.c_str());
  std::string group = Group(longGroup.substr(0, 29));
  EXPECT_TRUE(Exists(group)) << "the shell gets the name the log holds";
  EXPECT_TRUE(Exists(group + "\\" + longItem.substr(0, 29) + ".lnk"));
  std::vector<char> record = ReadAll(SystemPath("qoragrp.dat"));
  ASSERT_EQ(record.size(), 76u);
  EXPECT_EQ(std::string(&record[4]), std::string(39, 'P'));
  EXPECT_EQ(std::string(&record[44]), longGroup.substr(0, 29));

  Lib().deleteGroupData(owner, longOwner.c_str());
  EXPECT_FALSE(Exists(group));
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(GroupLinkShell, ProfileEntriesOfOneOwnerAllGoWhereverTheyAreIndexed) {
  BoxWatcher boxes;
  const GroupLink& l = Lib();
  std::string ini = WindowsPath("grouplink_test.ini");
  DeleteFileA(ini.c_str());
  // In index order (section first) the other owner's entry comes before every one of ours.
  EXPECT_NE(l.myWritePrivateProfileString("Beta", "Aaa", "Colour", "blue", "grouplink_test.ini"), 0);
  EXPECT_NE(l.myWritePrivateProfileString("Alpha", "Bbb", "Colour", "red", "grouplink_test.ini"), 0);
  EXPECT_NE(l.myWritePrivateProfileString("Alpha", "Ccc", "Shared", "1", "grouplink_test.ini"), 0);
  EXPECT_NE(l.myWritePrivateProfileString("Beta", "Ccc", "Shared", "2", "grouplink_test.ini"), 0);
  EXPECT_NE(l.myWritePrivateProfileString("Alpha", "Ddd", "Size", "9", "grouplink_test.ini"), 0);
  EXPECT_NE(l.myWriteProfileString("Alpha", "GroupLinkTest", "Mode", "on"), 0);
  std::vector<char> log = ReadAll(SystemPath("qoraini.dat"));
  ASSERT_EQ(log.size(), 6u * 144);
  EXPECT_STREQ(&log[24], ini.c_str()) << "the full path of the INI file is logged";
  EXPECT_STREQ(&log[5 * 144 + 24], WindowsPath("win.ini").c_str());

  auto value = [&](const char* section, const char* key) {
    char text[32] = "";
    GetPrivateProfileStringA(section, key, "", text, sizeof text, ini.c_str());
    return std::string(text);
  };
  EXPECT_EQ(l.deleteProfileString("Alpha"), 0);
  EXPECT_EQ(value("Bbb", "Colour"), "");
  EXPECT_EQ(value("Ddd", "Size"), "");
  EXPECT_EQ(value("Aaa", "Colour"), "blue");
  EXPECT_EQ(value("Ccc", "Shared"), "2") << "Beta logged it too";
  char mode[8] = "";
  GetProfileStringA("GroupLinkTest", "Mode", "", mode, sizeof mode);
  EXPECT_STREQ(mode, "");
  EXPECT_EQ(l.deleteProfileString("Beta"), 0);
  EXPECT_EQ(value("Aaa", "Colour"), "");
  EXPECT_EQ(value("Ccc", "Shared"), "");
  EXPECT_EQ(l.deleteProfileString("Nobody"), 0);
  EXPECT_TRUE(boxes.Seen().empty());
  DeleteFileA(ini.c_str());
}

TEST_F(GroupLinkShell, DamagedOrUnopenableLogSaysDataBaseCorruptedAndDoesNothingElse) {
  BoxWatcher boxes;
  HWND owner = TestOwner();
  const GroupLink& l = Lib();
  WriteAll(SystemPath("qoragrp.idx"), std::vector<char>(100, 'x'));
  WriteAll(SystemPath("qoragrp.dat"), std::vector<char>(76, 'x'));
  l.myCreateGroup(owner, "Colvane Never", "Painter");
  EXPECT_FALSE(Exists(Group("Colvane Never")));

  // Half of a pair is not a new log: building over it would lose what it names.
  WriteAll(SystemPath("qoraitm.dat"), std::vector<char>(104, 0));
  l.myCreateGroupItem(owner, "Colvane Never", "Paint", kCommand, "Painter");
  EXPECT_EQ(FileSize(SystemPath("qoraitm.dat")), 104);

  CreateDirectoryA(SystemPath("qoraini.dat").c_str(), nullptr);
  std::string ini = WindowsPath("grouplink_never.ini");
  EXPECT_EQ(l.myWritePrivateProfileString("Painter", "S", "K", "v", "grouplink_never.ini"), 0);
  EXPECT_FALSE(Exists(ini));
  EXPECT_NE(l.deleteProfileString("Painter"), 0);

  std::vector<SeenBox> seen = boxes.Seen();
  ASSERT_EQ(seen.size(), 4u);
  for (const SeenBox& box : seen) {
    EXPECT_EQ(box.title, "ERROR");
    EXPECT_EQ(box.text, "DataBase corrupted");
  }
  EXPECT_EQ(seen[0].owner, owner);
}

}  // namespace
