// grouplink.dll under Wine: every is_ export found by name with GetProcAddress and used on
// real files, in the record layout of the uninstall log of program groups.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Definition {  // the 112-byte index definition
  int count;
  int segment[8][3];
  int keyLength, height, root;
};
static_assert(sizeof(Definition) == 112, "definition layout");

typedef int(WINAPI* BuildFn)(const char*, int);
typedef int(WINAPI* OpenFn)(const char*);
typedef int(WINAPI* CloseFn)(int);
typedef int(WINAPI* IndexFn)(int, Definition*);
typedef int(WINAPI* ReadFn)(int, void*, int, int);
typedef int(WINAPI* RecordFn)(int, void*);

template <typename Fn>
Fn Find(HMODULE dll, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

struct Library {
  HMODULE dll = LoadLibraryA("grouplink.dll");
  BuildFn build = Find<BuildFn>(dll, "is_build");
  OpenFn open = Find<OpenFn>(dll, "is_open");
  CloseFn close = Find<CloseFn>(dll, "is_close");
  IndexFn addidx = Find<IndexFn>(dll, "is_addidx");
  IndexFn selidx = Find<IndexFn>(dll, "is_selidx");
  ReadFn read = Find<ReadFn>(dll, "is_read");
  RecordFn write = Find<RecordFn>(dll, "is_write");
  RecordFn change = Find<RecordFn>(dll, "is_change");
  RecordFn remove = Find<RecordFn>(dll, "is_delete");
  ~Library() {
    if (dll) FreeLibrary(dll);
  }
};

// Group log record: offset, owner (4, 40), group (44, 32).
struct GroupRecord {
  int offset;
  char owner[40];
  char group[32];
};
static_assert(sizeof(GroupRecord) == 76, "record layout");

GroupRecord Make(const std::string& owner, const std::string& group) {
  GroupRecord r = {};
  std::snprintf(r.owner, sizeof r.owner, "%s", owner.c_str());
  std::snprintf(r.group, sizeof r.group, "%s", group.c_str());
  return r;
}

Definition Def(int off1, int len1, int off2, int len2) {
  Definition d = {};
  d.count = 2;
  d.segment[0][1] = off1;
  d.segment[0][2] = len1;
  d.segment[1][1] = off2;
  d.segment[1][2] = len2;
  return d;
}

std::string ScratchFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string dir = std::string(temp) + "isam_exports_" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir + "\\";
}

long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA a;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &a)) return -1;
  return (long long)a.nFileSizeHigh << 32 | a.nFileSizeLow;
}

TEST(GroupLinkIsamExports, EveryExportOnRealFiles) {
  Library lib;
  ASSERT_NE(lib.dll, nullptr);
  ASSERT_TRUE(lib.build && lib.open && lib.close && lib.addidx && lib.selidx && lib.read && lib.write &&
              lib.change && lib.remove);
  std::string name = ScratchFolder() + "qoragrp";
  Definition byGroup = Def(44, 30, 4, 40), byOwner = Def(4, 40, 44, 30);

  int h = lib.build(name.c_str(), 76);
  ASSERT_EQ(h, 0);
  ASSERT_EQ(lib.addidx(h, &byGroup), 0);
  ASSERT_EQ(lib.addidx(h, &byOwner), 0);
  ASSERT_EQ(lib.selidx(h, &byGroup), 0);
  GroupRecord r = {};
  EXPECT_EQ(lib.read(h, &r, 0, 2), -33);
  EXPECT_EQ(lib.read(h, &r, 0, 1), -32);
  // 40 groups of two owners: enough to split pages of 13 entries.
  for (int i = 0; i < 40; ++i) {
    GroupRecord g = Make(i % 2 ? "Painter" : "Setup", "Group " + std::to_string(100 + i));
    ASSERT_EQ(lib.write(h, &g), 0);
    EXPECT_EQ(g.offset, 76 * i);
  }
  GroupRecord dup = Make("Setup", "Group 100");
  ASSERT_EQ(lib.write(h, &dup), 0);
  EXPECT_EQ(FileSize(name + ".dat"), 41 * 76);
  EXPECT_EQ(FileSize(name + ".idx") % 1024, 0);

  ASSERT_EQ(lib.read(h, &r, 0, 3), 0);
  EXPECT_STREQ(r.group, "Group 100");
  int count = 1;
  while (lib.read(h, &r, 0, 2) == 0) ++count;
  EXPECT_EQ(count, 40) << "the duplicate is stored but not indexed";

  GroupRecord probe = Make("Painter", "Group 117");
  ASSERT_EQ(lib.read(h, &probe, 0, 5), 0);
  EXPECT_EQ(probe.offset, 76 * 17);
  probe = Make("", "Group 12");
  ASSERT_EQ(lib.read(h, &probe, 8, 5), 0) << "prefix of eight key bytes";
  EXPECT_STREQ(probe.group, "Group 120");
  probe = Make("", "Group 125x");
  ASSERT_EQ(lib.read(h, &probe, 0, 6), 0);
  EXPECT_STREQ(probe.group, "Group 126");
  EXPECT_EQ(lib.read(h, &probe, 0, 4), -33);
  ASSERT_EQ(lib.read(h, &probe, 0, 1), 0);
  EXPECT_STREQ(probe.group, "Group 139");

  // Owner index: all of one owner's groups in a row, as an uninstaller walks them.
  ASSERT_EQ(lib.selidx(h, &byOwner), 0);
  probe = Make("Painter", "");
  ASSERT_EQ(lib.read(h, &probe, 0, 6), 0);
  int painter = 0;
  do {
    if (std::strcmp(probe.owner, "Painter") != 0) break;
    ++painter;
    ASSERT_EQ(lib.remove(h, &probe), 0);
  } while (lib.read(h, &probe, 0, 2) == 0);
  EXPECT_EQ(painter, 20);
  EXPECT_EQ(lib.remove(h, &probe), 0);
  GroupRecord gone = probe;
  EXPECT_EQ(lib.remove(h, &gone), -31);
  EXPECT_EQ(lib.change(h, &gone), -31);

  ASSERT_EQ(lib.selidx(h, &byGroup), 0);
  probe = Make("Setup", "Group 102");
  ASSERT_EQ(lib.read(h, &probe, 0, 5), 0);
  std::strcpy(probe.group, "Renamed");
  ASSERT_EQ(lib.change(h, &probe), 0);
  GroupRecord again = Make("Setup", "Renamed");
  ASSERT_EQ(lib.read(h, &again, 0, 5), 0);
  EXPECT_EQ(again.offset, probe.offset);

  // Freed space comes back.
  GroupRecord fresh = Make("Other", "New group");
  ASSERT_EQ(lib.write(h, &fresh), 0);
  EXPECT_LT(fresh.offset, 41 * 76);
  EXPECT_EQ(lib.open(name.c_str()), 1) << "a second handle on the same pair";
  EXPECT_EQ(lib.open(name.c_str()), -11);
  EXPECT_EQ(lib.close(1), 0);
  ASSERT_EQ(lib.close(h), 0);
  EXPECT_EQ(lib.close(h), -12);
  EXPECT_EQ(lib.close(5), -2);
  EXPECT_EQ(FileSize(name + ".jnl"), -1) << "no journal is left after a clean close";

  h = lib.open(name.c_str());
  ASSERT_EQ(h, 0);
  ASSERT_EQ(lib.selidx(h, &byGroup), 0);
  again = Make("Other", "New group");
  ASSERT_EQ(lib.read(h, &again, 0, 5), 0);
  EXPECT_EQ(again.offset, fresh.offset);
  ASSERT_EQ(lib.close(h), 0);

  EXPECT_EQ(lib.open((name + "-missing").c_str()), -2);
  // A pair whose index file is cut short is reported as damaged.
  std::string cut = ScratchFolder() + "cut";
  HANDLE f = CreateFileA((cut + ".idx").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD put = 0;
  char header[100] = {76};
  WriteFile(f, header, sizeof header, &put, nullptr);
  CloseHandle(f);
  CloseHandle(CreateFileA((cut + ".dat").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  EXPECT_EQ(lib.open(cut.c_str()), -35);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
