// grouplink.dll under Wine, every export by name: groups and items through Wine's own
// Program Manager server, fake servers for time-out, refusal and crowding, the logs on disk,
// and the group dialog driven from a second thread. Message boxes are read and dismissed.
#include <windows.h>

#include <dde.h>
#include <gtest/gtest.h>
#include <objidl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "grouplink/grouplink_win.h"

namespace {

HMODULE Dll() {
  static HMODULE dll = LoadLibraryA("grouplink.dll");
  return dll;
}
template <typename Fn>
Fn Export(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(Dll(), name)));
}
typedef int(WINAPI* WindowText)(HWND, const char*);
typedef int(WINAPI* WindowText2)(HWND, const char*, const char*);
typedef int(WINAPI* WindowText3)(HWND, const char*, const char*, const char*);
typedef int(WINAPI* WindowText4)(HWND, const char*, const char*, const char*, const char*);
typedef int(WINAPI* Text4)(const char*, const char*, const char*, const char*);
typedef int(WINAPI* Text5)(const char*, const char*, const char*, const char*, const char*);

// ---- message boxes: a thread records and closes every box titled "Client" or "ERROR" ----

struct SeenBox {
  std::string title, text;
  HWND owner;
};
CRITICAL_SECTION g_boxLock;
std::vector<SeenBox> g_boxes;

std::string TitleOf(HWND window) {  // without WM_GETTEXT: the owning thread may be waiting
  WCHAR wide[260] = L"";
  char text[260] = "";
  InternalGetWindowText(window, wide, 260);
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

BOOL CALLBACK DismissBox(HWND window, LPARAM) {
  DWORD pid = 0;
  char cls[16] = "";
  GetWindowThreadProcessId(window, &pid);
  GetClassNameA(window, cls, sizeof cls);
  std::string title = TitleOf(window);
  if (pid != GetCurrentProcessId() || std::strcmp(cls, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  if (title != "Client" && title != "ERROR") return TRUE;
  char text[256] = "";
  GetDlgItemTextA(window, 0xFFFF, text, sizeof text);  // the message box's text control
  SeenBox box{title, text, GetWindow(window, GW_OWNER)};
  EnterCriticalSection(&g_boxLock);
  g_boxes.push_back(box);
  LeaveCriticalSection(&g_boxLock);
  // Wine's box takes input a moment after it shows; this returns once it has.
  SendMessageTimeoutA(window, WM_COMMAND, IDOK, 0, SMTO_NORMAL, 10000, nullptr);
  return TRUE;
}

DWORD WINAPI WatchBoxes(void*) {
  for (;; Sleep(30)) EnumWindows(DismissBox, 0);
}

// The boxes seen since the last call.
std::vector<SeenBox> TakeBoxes() {
  EnterCriticalSection(&g_boxLock);
  std::vector<SeenBox> seen;
  seen.swap(g_boxes);
  LeaveCriticalSection(&g_boxLock);
  return seen;
}

// ---- the world the library writes to ----

HWND Owner() {
  static HWND owner = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "GroupLinkTestOwner";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "owner", WS_OVERLAPPEDWINDOW, 0, 0, 99, 99, 0, 0, 0, 0);
  }();
  return owner;
}

std::string Programs(const std::string& group = "") {
  char path[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, 0, path);
  return group.empty() ? path : std::string(path) + "\\" + group;
}
std::string InDirectory(UINT(WINAPI* directory)(LPSTR, UINT), const char* name) {
  char dir[MAX_PATH];
  directory(dir, MAX_PATH);
  return std::string(dir) + "\\" + name;
}
std::string InSystem(const char* name) { return InDirectory(GetSystemDirectoryA, name); }
std::string InWindows(const char* name) { return InDirectory(GetWindowsDirectoryA, name); }
bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
void WriteAll(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// The names in a folder (the shell's groups, or a group's items).
std::set<std::string> Listing(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
  for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found)) {
    if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0) {
      names.insert(found.cFileName);
    }
  }
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  return names;
}

// The program a shortcut file starts.
std::string LinkTarget(const std::string& link) {
  CoInitialize(nullptr);
  std::string target;
  IShellLinkA* shortcut = nullptr;
  IPersistFile* file = nullptr;
  WCHAR wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&shortcut))) &&
      SUCCEEDED(shortcut->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(wide, STGM_READ))) {
    char path[MAX_PATH] = "";
    shortcut->GetPath(path, MAX_PATH, nullptr, 0);
    target = path;
  }
  if (file) file->Release();
  if (shortcut) shortcut->Release();
  return target;
}

void RemoveLogs() {
  for (const char* log : {"qoragrp", "qoraitm", "qoraini"}) {
    for (const char* ext : {".dat", ".idx", ".jnl"}) {
      DeleteFileA(InSystem((std::string(log) + ext).c_str()).c_str());
      RemoveDirectoryA(InSystem((std::string(log) + ext).c_str()).c_str());
    }
  }
}

// Wine's shell opens a folder window (in a process of its own) for every group it creates,
// a moment later; once the folder is gone the window shows "Desktop". Close them all.
BOOL CALLBACK CloseFolderWindow(HWND window, LPARAM) {
  char cls[32] = "";
  GetClassNameA(window, cls, sizeof cls);
  std::string title = TitleOf(window);
  if (std::strcmp(cls, "ExplorerWClass") == 0 && (title.rfind("Colvane ", 0) == 0 || title == "Desktop")) {
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  return TRUE;
}
void CloseFolderWindows(int rounds) {
  for (int i = 0; i < rounds; ++i, Sleep(100)) EnumWindows(CloseFolderWindow, 0);
}

class GroupLink : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(Dll(), nullptr);
    RemoveLogs();
    TakeBoxes();
  }
  void TearDown() override {
    RemoveLogs();
    CloseFolderWindows(1);
  }
};

const char kNotepad[] = "C:\\windows\\notepad.exe";

// ---- Wine's Program Manager server and the logs ----

TEST_F(GroupLink, EveryExportByNameAndTheClientClassAtLoad) {
  for (const char* name : {"GetGroupName", "CreateGroup", "CreateGroupItem", "myCreateGroup", "myCreateGroupItem",
                           "myWriteProfileString", "myWritePrivateProfileString", "DeleteProfileString",
                           "DeleteGroupData", "DDEWndProc", "FGroupEditProc"}) {
    EXPECT_NE(GetProcAddress(Dll(), name), nullptr) << name;
  }
  WNDCLASSA wc = {};
  ASSERT_TRUE(GetClassInfoA(Dll(), "ClientDDEWndClass", &wc));
  EXPECT_EQ(reinterpret_cast<void*>(wc.lpfnWndProc), reinterpret_cast<void*>(GetProcAddress(Dll(), "DDEWndProc")));
}

TEST_F(GroupLink, SharedItemsStayInTheShellUntilTheLastOwnerUninstalls) {
  auto myCreateGroup = Export<WindowText2>("myCreateGroup");
  auto myCreateGroupItem = Export<WindowText4>("myCreateGroupItem");
  auto deleteGroupData = Export<WindowText>("DeleteGroupData");
  std::string group = Programs("Colvane Shared");
  myCreateGroup(Owner(), "Colvane Shared", "Painter One");
  myCreateGroup(Owner(), "Colvane Shared", "Painter One");
  EXPECT_EQ(ReadAll(InSystem("qoragrp.dat")).size(), 76u) << "one record for the same owner and group";
  myCreateGroupItem(Owner(), "Colvane Shared", "Paint", kNotepad, "Painter One");
  myCreateGroupItem(Owner(), "Colvane Shared", "Help", kNotepad, "Painter One");
  myCreateGroup(Owner(), "Colvane Shared", "Painter Two");
  myCreateGroupItem(Owner(), "Colvane Shared", "Paint", kNotepad, "Painter Two");
  EXPECT_TRUE(Exists(group + "\\Paint.lnk") && Exists(group + "\\Help.lnk"));

  EXPECT_EQ(deleteGroupData(Owner(), "Painter One"), 0);
  EXPECT_FALSE(Exists(group + "\\Help.lnk"));
  EXPECT_TRUE(Exists(group + "\\Paint.lnk")) << "Painter Two still holds it";
  deleteGroupData(Owner(), "Painter Two");
  EXPECT_FALSE(Exists(group));

  // A product that made groups but no items: no item log, the groups still go.
  RemoveLogs();
  myCreateGroup(Owner(), "Colvane Alone", "Painter Three");
  ASSERT_TRUE(Exists(Programs("Colvane Alone")));
  deleteGroupData(Owner(), "Painter Three");
  EXPECT_FALSE(Exists(Programs("Colvane Alone")));
  EXPECT_TRUE(TakeBoxes().empty());
}

// Every argument is quoted: the commands' own punctuation stays inside one name, a name that
// the quotes cannot hold is refused before anything is logged or sent.
TEST_F(GroupLink, NamesAndCommandLinesReachTheServerWholeOrNotAtAll) {
  std::string folder = "C:\\Colvane Test (x86), [Kids]", program = folder + "\\paint (1).exe";
  CreateDirectoryA(folder.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(InWindows("notepad.exe").c_str(), program.c_str(), FALSE));
  struct Case {
    const char* group;
    const char* item;
  } const kCases[] = {{"Colvane Kids (Art), [Set]", "Paint, (Kids) [1]"},
                      {"Colvane ][ Gallery", "Help)][DeleteGroup(Colvane"}};
  auto myCreateGroup = Export<WindowText2>("myCreateGroup");
  auto myCreateGroupItem = Export<WindowText4>("myCreateGroupItem");
  for (const Case& c : kCases) {
    std::string group = Programs(c.group);
    EXPECT_EQ(myCreateGroup(Owner(), c.group, "Painter Q"), 0);
    EXPECT_EQ(myCreateGroupItem(Owner(), c.group, c.item, program.c_str(), "Painter Q"), 0);
    EXPECT_EQ(Listing(group), std::set<std::string>{std::string(c.item) + ".lnk"}) << c.group;
    EXPECT_EQ(lstrcmpiA(LinkTarget(group + "\\" + c.item + ".lnk").c_str(), program.c_str()), 0) << c.item;
  }

  // Quotes: refused, nothing logged, nothing new in the shell.
  std::set<std::string> groups = Listing(Programs()), items = Listing(Programs(kCases[1].group));
  std::string groupLog = ReadAll(InSystem("qoragrp.dat")), itemLog = ReadAll(InSystem("qoraitm.dat"));
  EXPECT_EQ(Export<WindowText>("CreateGroup")(Owner(), "Colvane \"Quoted\""), GL_PROGMAN_NAME_REFUSED);
  EXPECT_EQ(myCreateGroup(Owner(), "Colvane \"Quoted\"", "Painter R"), GL_PROGMAN_NAME_REFUSED);
  EXPECT_EQ(Export<WindowText3>("CreateGroupItem")(Owner(), "", "Quoted", "\"C:\\windows\\notepad.exe\" /s"),
            GL_PROGMAN_NAME_REFUSED);
  EXPECT_EQ(myCreateGroupItem(Owner(), kCases[1].group, "Say \"hi\"", kNotepad, "Painter R"), GL_PROGMAN_NAME_REFUSED);
  EXPECT_EQ(ReadAll(InSystem("qoragrp.dat")), groupLog);
  EXPECT_EQ(ReadAll(InSystem("qoraitm.dat")), itemLog);
  EXPECT_EQ(Listing(Programs()), groups);
  EXPECT_EQ(Listing(Programs(kCases[1].group)), items);

  // A name that closes its command to delete another group is just a name.
  auto createGroup = Export<WindowText>("CreateGroup");
  EXPECT_EQ(createGroup(Owner(), "Colvane Other"), 0);
  EXPECT_EQ(createGroup(Owner(), "Colvane x)][DeleteGroup(Colvane Other"), 0);
  EXPECT_TRUE(Exists(Programs("Colvane Other")));
  EXPECT_TRUE(Exists(Programs("Colvane x)][DeleteGroup(Colvane Other")));
  EXPECT_FALSE(Exists(Programs("Colvane x")));
  RemoveDirectoryA(Programs("Colvane Other").c_str());
  RemoveDirectoryA(Programs("Colvane x)][DeleteGroup(Colvane Other").c_str());

  // The uninstall sends the same quoted names back.
  Export<WindowText>("DeleteGroupData")(Owner(), "Painter Q");
  for (const Case& c : kCases) EXPECT_FALSE(Exists(Programs(c.group))) << c.group;
  EXPECT_TRUE(TakeBoxes().empty());
  DeleteFileA(program.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(GroupLink, NamesTooLongForTheLogAreRefusedWithNothingCreatedOrLogged) {
  auto myCreateGroup = Export<WindowText2>("myCreateGroup");
  auto myCreateGroupItem = Export<WindowText4>("myCreateGroupItem");
  auto write = Export<Text5>("myWritePrivateProfileString");
  const std::string group29 = "Colvane Group Name Of 29 Byte", owner39(GL_GROUP_OWNER_MAX, 'P'), item29(GL_ITEM_NAME_MAX, 'i');
  const std::string group30 = group29 + "s", owner40(GL_GROUP_OWNER_MAX + 1, 'P'), item30(GL_ITEM_NAME_MAX + 1, 'i');
  const std::string owner19(GL_PROFILE_OWNER_MAX, 'Q'), section29(GL_PROFILE_SECTION_MAX, 'S'),
      key29(GL_PROFILE_KEY_MAX, 'K');
  std::string ini = InWindows("grouplink_limits.ini");

  EXPECT_EQ(myCreateGroup(Owner(), group30.c_str(), "Painter"), GL_NAME_TOO_LONG);
  EXPECT_EQ(myCreateGroup(Owner(), group29.c_str(), owner40.c_str()), GL_NAME_TOO_LONG);
  EXPECT_FALSE(Exists(Programs(group30)) || Exists(Programs(group29)));
  EXPECT_EQ(myCreateGroup(Owner(), group29.c_str(), owner39.c_str()), 0);
  ASSERT_TRUE(Exists(Programs(group29)));
  EXPECT_EQ(myCreateGroupItem(Owner(), group29.c_str(), item30.c_str(), kNotepad, owner39.c_str()), GL_NAME_TOO_LONG);
  EXPECT_EQ(myCreateGroupItem(Owner(), group30.c_str(), "Paint", kNotepad, owner39.c_str()), GL_NAME_TOO_LONG);
  EXPECT_FALSE(Exists(InSystem("qoraitm.dat"))) << "nothing logged";
  EXPECT_EQ(myCreateGroupItem(Owner(), group29.c_str(), item29.c_str(), kNotepad, owner39.c_str()), 0);
  EXPECT_TRUE(Exists(Programs(group29) + "\\" + item29 + ".lnk"));
  std::string record = ReadAll(InSystem("qoragrp.dat"));
  ASSERT_EQ(record.size(), 76u);
  EXPECT_EQ(std::string(&record[4]), owner39);
  EXPECT_EQ(std::string(&record[44]), group29);

  EXPECT_EQ(write(std::string(GL_PROFILE_OWNER_MAX + 1, 'Q').c_str(), "S", "K", "v", "grouplink_limits.ini"), 0);
  EXPECT_EQ(write(owner19.c_str(), section29.c_str(), (key29 + "K").c_str(), "v", "grouplink_limits.ini"), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_BUFFER_OVERFLOW));
  std::string tooDeep = InWindows(std::string(60, 'd').c_str());
  EXPECT_EQ(write(owner19.c_str(), "S", "K", "v", tooDeep.c_str()), 0);
  EXPECT_FALSE(Exists(ini) || Exists(tooDeep)) << "nothing written";
  EXPECT_FALSE(Exists(InSystem("qoraini.dat"))) << "nothing logged";
  EXPECT_NE(write(owner19.c_str(), section29.c_str(), key29.c_str(), "v", "grouplink_limits.ini"), 0);

  // An owner cut to its field would name this one's entries: refused, they stay.
  auto deleteProfileString = Export<int(WINAPI*)(const char*)>("DeleteProfileString");
  auto deleteGroupData = Export<WindowText>("DeleteGroupData");
  EXPECT_EQ(deleteGroupData(Owner(), owner40.c_str()), GL_NAME_TOO_LONG);
  EXPECT_EQ(deleteProfileString((owner19 + "Q").c_str()), GL_NAME_TOO_LONG);
  EXPECT_TRUE(Exists(Programs(group29) + "\\" + item29 + ".lnk"));
  char value[8] = "";
  EXPECT_EQ(GetPrivateProfileStringA(section29.c_str(), key29.c_str(), "", value, sizeof value, ini.c_str()), 1u);

  EXPECT_EQ(deleteGroupData(Owner(), owner39.c_str()), 0);
  EXPECT_FALSE(Exists(Programs(group29)));
  EXPECT_EQ(deleteProfileString(owner19.c_str()), 0);
  EXPECT_EQ(GetPrivateProfileStringA(section29.c_str(), key29.c_str(), "", value, sizeof value, ini.c_str()), 0u);
  EXPECT_TRUE(TakeBoxes().empty());
  DeleteFileA(ini.c_str());
}

TEST_F(GroupLink, EveryProfileEntryOfTheOwnerGoesWhereverTheIndexPutsIt) {
  auto write = Export<Text5>("myWritePrivateProfileString");
  auto deleteProfileString = Export<int(WINAPI*)(const char*)>("DeleteProfileString");
  std::string ini = InWindows("grouplink_test.ini");
  // Sorted by section, Beta's first entry comes before all of Alpha's.
  EXPECT_NE(write("Beta", "Aaa", "Colour", "blue", "grouplink_test.ini"), 0);
  EXPECT_NE(write("Alpha", "Bbb", "Colour", "red", "grouplink_test.ini"), 0);
  EXPECT_NE(write("Alpha", "Ccc", "Shared", "1", "grouplink_test.ini"), 0);
  EXPECT_NE(write("Beta", "Ccc", "Shared", "2", "grouplink_test.ini"), 0);
  EXPECT_NE(Export<Text4>("myWriteProfileString")("Alpha", "GroupLinkTest", "Mode", "on"), 0);
  std::string log = ReadAll(InSystem("qoraini.dat"));
  ASSERT_EQ(log.size(), 5u * 144);
  EXPECT_EQ(std::string(&log[24]), ini) << "logged with the full path";
  EXPECT_EQ(std::string(&log[4 * 144 + 24]), InWindows("win.ini"));

  auto value = [&](const char* section, const char* key) {
    char text[32] = "";
    GetPrivateProfileStringA(section, key, "", text, sizeof text, ini.c_str());
    return std::string(text);
  };
  EXPECT_EQ(deleteProfileString("Alpha"), 0);
  EXPECT_EQ(value("Bbb", "Colour"), "");
  EXPECT_EQ(value("Aaa", "Colour"), "blue");
  EXPECT_EQ(value("Ccc", "Shared"), "2") << "Beta logged it too";
  char mode[8] = "";
  EXPECT_EQ(GetProfileStringA("GroupLinkTest", "Mode", "", mode, sizeof mode), 0u);
  EXPECT_EQ(deleteProfileString("Beta"), 0);
  EXPECT_EQ(value("Ccc", "Shared"), "");
  EXPECT_TRUE(TakeBoxes().empty());
  DeleteFileA(ini.c_str());
}

TEST_F(GroupLink, DamagedOrUnopenableLogSaysDataBaseCorruptedAndDoesNothingElse) {
  WriteAll(InSystem("qoragrp.idx"), std::string(100, 'x'));
  WriteAll(InSystem("qoragrp.dat"), std::string(76, 'x'));
  Export<WindowText2>("myCreateGroup")(Owner(), "Colvane Never", "Painter");
  EXPECT_FALSE(Exists(Programs("Colvane Never")));
  // Half a pair is not a new log: building over it would lose what it names.
  WriteAll(InSystem("qoraitm.dat"), std::string(104, '\0'));
  Export<WindowText4>("myCreateGroupItem")(Owner(), "Colvane Never", "Paint", kNotepad, "Painter");
  EXPECT_EQ(ReadAll(InSystem("qoraitm.dat")).size(), 104u);
  CreateDirectoryA(InSystem("qoraini.dat").c_str(), nullptr);
  EXPECT_EQ(Export<Text5>("myWritePrivateProfileString")("Painter", "S", "K", "v", "grouplink_never.ini"), 0);
  EXPECT_FALSE(Exists(InWindows("grouplink_never.ini")));
  EXPECT_NE(Export<int(WINAPI*)(const char*)>("DeleteProfileString")("Painter"), 0);

  std::vector<SeenBox> seen = TakeBoxes();
  ASSERT_EQ(seen.size(), 4u);
  for (const SeenBox& box : seen) EXPECT_EQ(box.title + ": " + box.text, "ERROR: DataBase corrupted");
  EXPECT_EQ(seen[0].owner, Owner());
}

// ---- servers played by the test: top-most, so the broadcast reaches them first ----

enum { kNeverAck = -1, kRefuse = 0, kAccept = 0x8000 };

struct FakeServer {
  int ackStatus, executes = 0, terminates = 0;
  std::string lastCommand = {};
  HWND window = nullptr;
};

LRESULT CALLBACK FakeProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  FakeServer* s = reinterpret_cast<FakeServer*>(GetWindowLongPtrA(w, GWLP_USERDATA));
  HWND client = reinterpret_cast<HWND>(wp);
  char app[32] = "", topic[32] = "";
  switch (m) {
    case WM_DDE_INITIATE:
      GlobalGetAtomNameA(LOWORD(lp), app, sizeof app);
      GlobalGetAtomNameA(HIWORD(lp), topic, sizeof topic);
      if (lstrcmpiA(app, "PROGMAN") == 0 && lstrcmpiA(topic, "PROGMAN") == 0) {
        SendMessageA(client, WM_DDE_ACK, WPARAM(w), MAKELPARAM(GlobalAddAtomA("PROGMAN"), GlobalAddAtomA("PROGMAN")));
      }
      return 0;
    case WM_DDE_EXECUTE:
      ++s->executes;
      s->lastCommand = static_cast<const char*>(GlobalLock(reinterpret_cast<HGLOBAL>(lp)));
      GlobalUnlock(reinterpret_cast<HGLOBAL>(lp));
      if (s->ackStatus != kNeverAck) {
        PostMessageA(client, WM_DDE_ACK, WPARAM(w), PackDDElParam(WM_DDE_ACK, UINT_PTR(s->ackStatus), UINT_PTR(lp)));
      }
      return 0;
    case WM_DDE_TERMINATE:
      ++s->terminates;
      PostMessageA(client, WM_DDE_TERMINATE, WPARAM(w), 0);
      return 0;
  }
  return DefWindowProcA(w, m, wp, lp);
}

class GroupLinkFakeServer : public GroupLink {
 protected:
  void TearDown() override {
    for (auto& s : fakes_) DestroyWindow(s->window);
    GroupLink::TearDown();
  }
  FakeServer& Fake(int ackStatus) {
    static ATOM fakeClass = [] {
      WNDCLASSA wc = {};
      wc.lpfnWndProc = FakeProc;
      wc.lpszClassName = "FakeProgman";
      return RegisterClassA(&wc);
    }();
    fakes_.emplace_back(new FakeServer{ackStatus});
    FakeServer& s = *fakes_.back();
    s.window = CreateWindowExA(WS_EX_TOPMOST, MAKEINTATOM(fakeClass), "", WS_POPUP, 0, 0, 0, 0, 0, 0, 0, 0);
    SetWindowLongPtrA(s.window, GWLP_USERDATA, LONG_PTR(&s));
    return s;
  }
  std::vector<std::unique_ptr<FakeServer>> fakes_;
};

TEST_F(GroupLinkFakeServer, ServerThatNeverAcknowledgesTimesOut) {
  FakeServer& slow = Fake(kNeverAck);
  Export<WindowText>("CreateGroup")(Owner(), "Colvane Slow");
  EXPECT_EQ(slow.lastCommand, "[CreateGroup(\"Colvane Slow\")]");
  EXPECT_EQ(slow.terminates, 1);
  EXPECT_FALSE(Exists(Programs("Colvane Slow"))) << "only the first server hears the command";
  std::vector<SeenBox> seen = TakeBoxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title + ": " + seen[0].text, "Client: DDE EXECUTE acknowledge time out");
  EXPECT_EQ(seen[0].owner, Owner());
}

TEST_F(GroupLinkFakeServer, RefusalIsReportedAndLongCommandsArriveWhole) {
  FakeServer& refusing = Fake(kRefuse);
  std::string item(3000, 'i'), command(5000, 'c');
  Export<WindowText3>("CreateGroupItem")(Owner(), "unused", item.c_str(), command.c_str());
  EXPECT_EQ(refusing.lastCommand, "[AddItem(\"" + command + "\",\"" + item + "\")]");
  std::vector<SeenBox> seen = TakeBoxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "DDE EXECUTE operation failed");
}

TEST_F(GroupLinkFakeServer, NinthServerIsTurnedAwayAndEveryConversationEnds) {
  for (int i = 0; i < 9; ++i) Fake(kAccept);
  Export<WindowText3>("CreateGroupItem")(Owner(), "unused", "Nine", "nine.exe");
  int executes = 0;
  for (auto& s : fakes_) {
    executes += s->executes;
    EXPECT_EQ(s->terminates, 1);
  }
  EXPECT_EQ(executes, 1);
  std::vector<SeenBox> seen = TakeBoxes();
  ASSERT_FALSE(seen.empty());  // Wine's own server makes a tenth answer
  for (const SeenBox& box : seen) EXPECT_EQ(box.text, "Maximum conversation count exceeded");
}

// ---- the group dialog, driven from a second thread while GetGroupName waits ----

struct Script {
  const char* pick;  // list entry to select
  int button;        // then IDOK or IDCANCEL
  std::string editAtStart = {}, editAfterPick = {};
  std::vector<std::string> listed = {};
  bool pictureShown = false;
};

std::string Text(HWND window) {
  char text[256] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// A few pixels of control 446 on the screen against the "STOCK" bitmap, where both have them.
bool PictureShown(HWND picture) {
  HBITMAP stock = static_cast<HBITMAP>(LoadImageA(Dll(), "STOCK", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  BITMAP size = {};
  RECT area = {};
  GetObject(stock, sizeof size, &size);
  GetClientRect(picture, &area);
  LONG w = std::min<LONG>(area.right, size.bmWidth), h = std::min<LONG>(area.bottom, size.bmHeight);
  HDC screen = GetDC(picture), memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, stock);
  bool same = stock && w > 40 && h > 40;
  for (POINT p : {POINT{2, 2}, POINT{w / 2, h / 2}, POINT{w - 3, h - 3}}) {
    same = same && GetPixel(screen, p.x, p.y) == GetPixel(memory, p.x, p.y);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(picture, screen);
  DeleteObject(stock);
  return same;
}

DWORD WINAPI Drive(void* context) {
  Script& s = *static_cast<Script*>(context);
  HWND dialog = nullptr;
  for (int i = 0; i < 1000 && !(dialog && IsWindowVisible(dialog)); ++i, Sleep(20)) {
    dialog = FindWindowA("#32770", "Folder Name");
  }
  if (!dialog) return 0;
  // Other windows on the shared screen must not hide the picture.
  SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  HWND list = GetDlgItem(dialog, 104), edit = GetDlgItem(dialog, 105);
  s.editAtStart = Text(edit);
  for (int i = 0; i < 250 && !s.pictureShown; ++i, Sleep(20)) s.pictureShown = PictureShown(GetDlgItem(dialog, 446));
  for (LRESULT i = 0, n = SendMessageA(list, LB_GETCOUNT, 0, 0); i < n; ++i) {
    char entry[256] = "";
    if (SendMessageA(list, LB_GETTEXTLEN, i, 0) < 256) SendMessageA(list, LB_GETTEXT, i, LPARAM(entry));
    s.listed.push_back(entry);
  }
  LRESULT at = SendMessageA(list, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(s.pick));
  SendMessageA(list, LB_SETCURSEL, WPARAM(at), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(104, LBN_SELCHANGE), LPARAM(list));
  s.editAfterPick = Text(edit);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(s.button, BN_CLICKED), LPARAM(GetDlgItem(dialog, s.button)));
  return 0;
}

class GroupLinkDialog : public GroupLink {
 protected:
  // The shell's groups are its Start Menu folders; made directly, no folder window opens.
  void SetUp() override {
    GroupLink::SetUp();
    CreateDirectoryA(Programs("Colvane Dlg One").c_str(), nullptr);
    CreateDirectoryA(Programs("Colvane Dlg Two").c_str(), nullptr);
  }
  void TearDown() override {
    RemoveDirectoryA(Programs("Colvane Dlg One").c_str());
    RemoveDirectoryA(Programs("Colvane Dlg Two").c_str());
    GroupLink::TearDown();
  }
  int Run(Script& script, char* buffer) {
    HANDLE driver = CreateThread(nullptr, 0, Drive, &script, 0, nullptr);
    int result = Export<int(WINAPI*)(HWND, char*)>("GetGroupName")(Owner(), buffer);
    WaitForSingleObject(driver, 30000);
    CloseHandle(driver);
    return result;
  }
};

TEST_F(GroupLinkDialog, ContinueReturnsTheGroupPickedFromTheShellsList) {
  char buffer[80] = "Proposed";
  Script script{"Colvane Dlg Two", IDOK};
  EXPECT_EQ(Run(script, buffer), 1);
  EXPECT_EQ(script.editAtStart, "Proposed");
  EXPECT_EQ(script.editAfterPick, "Colvane Dlg Two");
  EXPECT_STREQ(buffer, "Colvane Dlg Two");
  EXPECT_EQ(std::count(script.listed.begin(), script.listed.end(), "Colvane Dlg One"), 1);
  EXPECT_TRUE(std::is_sorted(script.listed.begin(), script.listed.end()));
  EXPECT_TRUE(script.pictureShown);
  EXPECT_TRUE(TakeBoxes().empty()) << "the shell's refusal of the empty item name stays quiet";
}

TEST_F(GroupLinkDialog, ExitLeavesTheBufferUntouched) {
  char buffer[80], before[80];
  std::memset(buffer, '#', sizeof buffer);
  std::strcpy(buffer, "Proposed");
  std::memcpy(before, buffer, sizeof buffer);
  Script script{"Colvane Dlg One", IDCANCEL};
  EXPECT_EQ(Run(script, buffer), 0);
  EXPECT_EQ(script.editAfterPick, "Colvane Dlg One");
  EXPECT_EQ(std::memcmp(buffer, before, sizeof buffer), 0);
}

}  // namespace

int main(int argc, char** argv) {
  InitializeCriticalSection(&g_boxLock);
  CloseHandle(CreateThread(nullptr, 0, WatchBoxes, nullptr, 0, nullptr));
  testing::InitGoogleTest(&argc, argv);
  int failed = RUN_ALL_TESTS();
  CloseFolderWindows(30);
  return failed;
}
