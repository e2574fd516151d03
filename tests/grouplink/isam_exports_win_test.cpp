// grouplink.dll under Wine: every is_ export looked up by name and called on real files, in
// the layout of the uninstall log of program groups.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "grouplink/grouplink_win.h"

namespace {

struct GroupRecord {  // offset, owner (4, 40), group (44, 32)
  int offset;
  char owner[40], group[32];
};

template <typename Fn>
Fn Find(HMODULE dll, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

struct Library {
  HMODULE dll = LoadLibraryA("grouplink.dll");
  int(WINAPI* build)(const char*, int) = Find<decltype(build)>(dll, "is_build");
  int(WINAPI* open)(const char*) = Find<decltype(open)>(dll, "is_open");
  int(WINAPI* close)(int) = Find<decltype(close)>(dll, "is_close");
  int(WINAPI* addidx)(int, IS_INDEXDEF*) = Find<decltype(addidx)>(dll, "is_addidx");
  int(WINAPI* selidx)(int, IS_INDEXDEF*) = Find<decltype(selidx)>(dll, "is_selidx");
  int(WINAPI* read)(int, void*, int, int) = Find<decltype(read)>(dll, "is_read");
  int(WINAPI* write)(int, void*) = Find<decltype(write)>(dll, "is_write");
  int(WINAPI* change)(int, void*) = Find<decltype(change)>(dll, "is_change");
  int(WINAPI* remove)(int, void*) = Find<decltype(remove)>(dll, "is_delete");
};

GroupRecord Make(const char* owner, const std::string& group) {
  GroupRecord r = {};
  std::snprintf(r.owner, sizeof r.owner, "%s", owner);
  std::snprintf(r.group, sizeof r.group, "%s", group.c_str());
  return r;
}

long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA a;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &a)) return -1;
  return (long long)a.nFileSizeHigh << 32 | a.nFileSizeLow;
}

TEST(GroupLinkIsamExports, EveryExportOnRealFiles) {
  Library lib;
  ASSERT_TRUE(lib.dll && lib.build && lib.open && lib.close && lib.addidx && lib.selidx && lib.read &&
              lib.write && lib.change && lib.remove);
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string dir = std::string(temp) + "isam_exports_" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(dir.c_str(), nullptr);
  std::string name = dir + "qoragrp";
  IS_INDEXDEF byGroup = {2, {{IS_STRING, 44, 30}, {IS_STRING, 4, 40}}, 0, 0, 0},
              byOwner = {2, {{IS_STRING, 4, 40}, {IS_STRING, 44, 30}}, 0, 0, 0};

  int h = lib.build(name.c_str(), 76);
  ASSERT_EQ(h, 0);
  ASSERT_EQ(lib.addidx(h, &byGroup), 0);
  ASSERT_EQ(lib.addidx(h, &byOwner), 0);
  for (int i = 0; i < 40; ++i) {  // pages of 13 entries split
    GroupRecord g = Make(i % 2 ? "Painter" : "Setup", "Group " + std::to_string(100 + i));
    ASSERT_EQ(lib.write(h, &g), 0);
    EXPECT_EQ(g.offset, 76 * i);
  }
  EXPECT_EQ(FileSize(name + ".dat"), 40 * 76);
  EXPECT_EQ(FileSize(name + ".idx") % 1024, 0);

  ASSERT_EQ(lib.selidx(h, &byGroup), 0);
  GroupRecord r = {};
  EXPECT_EQ(lib.read(h, &r, 0, IS_NEXT), IS_PAST_LAST);
  ASSERT_EQ(lib.read(h, &r, 0, IS_PAST_END), IS_PAST_LAST);
  ASSERT_EQ(lib.read(h, &r, 0, IS_PREVIOUS), 0);
  EXPECT_STREQ(r.group, "Group 139");
  r = Make("", "Group 12");
  ASSERT_EQ(lib.read(h, &r, 8, IS_EXACT), 0) << "exact on an eight-byte prefix";
  EXPECT_STREQ(r.group, "Group 120");
  std::strcpy(r.group, "Renamed");
  ASSERT_EQ(lib.change(h, &r), 0);

  // An uninstaller's walk: one owner's entries in a row, each deleted on the way.
  ASSERT_EQ(lib.selidx(h, &byOwner), 0);
  r = Make("Painter", "");
  int painter = 0;
  for (int rc = lib.read(h, &r, 0, IS_NOT_LESS); rc == 0 && !std::strcmp(r.owner, "Painter"); rc = lib.read(h, &r, 0, IS_NEXT)) {
    ++painter;
    ASSERT_EQ(lib.remove(h, &r), 0);
  }
  EXPECT_EQ(painter, 20);
  EXPECT_EQ(lib.change(h, &r), 0) << "the first Setup entry";
  GroupRecord gone = Make("x", "y");
  gone.offset = 76;
  EXPECT_EQ(lib.remove(h, &gone), IS_NOT_YOURS);
  GroupRecord fresh = Make("Other", "New group");
  ASSERT_EQ(lib.write(h, &fresh), 0);
  EXPECT_LT(fresh.offset, 40 * 76) << "freed space is reused";
  EXPECT_EQ(lib.open(name.c_str()), 1);
  EXPECT_EQ(lib.open(name.c_str()), IS_NO_HANDLE);
  EXPECT_EQ(lib.close(1), 0);
  ASSERT_EQ(lib.close(h), 0);
  EXPECT_EQ(lib.close(h), IS_NOT_OPEN);
  EXPECT_EQ(lib.close(2), IS_BAD_HANDLE);
  EXPECT_EQ(FileSize(name + ".jnl"), -1) << "no journal is left after a clean close";

  ASSERT_EQ(h = lib.open(name.c_str()), 0);
  ASSERT_EQ(lib.selidx(h, &byGroup), 0);
  GroupRecord again = Make("Setup", "Renamed");
  ASSERT_EQ(lib.read(h, &again, 0, IS_EXACT), 0);
  EXPECT_EQ(again.offset, 76 * 20);
  again = Make("Other", "New group");
  ASSERT_EQ(lib.read(h, &again, 0, IS_EXACT), 0);
  EXPECT_EQ(again.offset, fresh.offset);
  ASSERT_EQ(lib.close(h), 0);

  EXPECT_EQ(lib.open((name + "-missing").c_str()), IS_BAD_HANDLE);
  std::string cut = dir + "cut";  // an index file shorter than its header
  HANDLE f = CreateFileA((cut + ".idx").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD put = 0;
  char header[100] = {76};
  WriteFile(f, header, sizeof header, &put, nullptr);
  CloseHandle(f);
  CloseHandle(CreateFileA((cut + ".dat").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  EXPECT_EQ(lib.open(cut.c_str()), IS_DAMAGED);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
