// Shared pieces of the grouplink.dll Wine tests: the exports by name, an owner window, a
// watcher that reads and dismisses message boxes, and the paths the library writes.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

typedef int(WINAPI* GetGroupNameFn)(HWND, char*);
typedef int(WINAPI* CreateGroupFn)(HWND, const char*);
typedef int(WINAPI* CreateGroupItemFn)(HWND, const char*, const char*, const char*);
typedef int(WINAPI* MyCreateGroupFn)(HWND, const char*, const char*);
typedef int(WINAPI* MyCreateGroupItemFn)(HWND, const char*, const char*, const char*, const char*);
typedef int(WINAPI* MyWriteProfileStringFn)(const char*, const char*, const char*, const char*);
typedef int(WINAPI* MyWritePrivateProfileStringFn)(const char*, const char*, const char*, const char*, const char*);
typedef int(WINAPI* DeleteProfileStringFn)(const char*);
typedef int(WINAPI* DeleteGroupDataFn)(HWND, const char*);

struct GroupLink {
  HMODULE dll;
  GetGroupNameFn getGroupName;
  CreateGroupFn createGroup;
  CreateGroupItemFn createGroupItem;
  MyCreateGroupFn myCreateGroup;
  MyCreateGroupItemFn myCreateGroupItem;
  MyWriteProfileStringFn myWriteProfileString;
  MyWritePrivateProfileStringFn myWritePrivateProfileString;
  DeleteProfileStringFn deleteProfileString;
  DeleteGroupDataFn deleteGroupData;
  FARPROC ddeWndProc;
  FARPROC groupEditProc;
};
// grouplink.dll, loaded once for the whole run.
const GroupLink& Lib();

// A message box the watcher saw and dismissed.
struct SeenBox {
  std::string title;
  std::string text;
  HWND owner;
};

// Watches this process's top-level windows from its own thread; every message box titled
// "Client" or "ERROR" is recorded and closed with OK.
class BoxWatcher {
 public:
  BoxWatcher();
  ~BoxWatcher();
  std::vector<SeenBox> Seen();
  std::vector<std::string> Texts();

 private:
  static DWORD WINAPI Run(void* self);
  HANDLE thread_;
  volatile LONG stop_ = 0;
};

// An invisible top-level window to pass as the owner window.
HWND TestOwner();

// Pumps this thread's messages until `done` or about `ms` milliseconds have passed.
bool PumpUntil(bool (*done)(void*), void* context, DWORD ms);

std::string ProgramsFolder();  // the Start Menu folder the shell keeps its groups in
// The shell opens a folder window for each group it creates: close those of `title`.
void CloseFolderWindows(const std::string& title);
bool Exists(const std::string& path);
std::string SystemPath(const char* name);
std::string WindowsPath(const char* name);
// Removes the three uninstall logs.
void RemoveLogs();
long long FileSize(const std::string& path);
std::vector<char> ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::vector<char>& bytes);
