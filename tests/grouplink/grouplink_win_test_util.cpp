// Shared pieces of the grouplink.dll Wine tests (see the header) and the test runner's main.
#include "tests/grouplink/grouplink_win_test_util.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

template <typename Fn>
Fn Find(HMODULE dll, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

CRITICAL_SECTION g_boxLock;
std::vector<SeenBox> g_boxes;

BOOL CALLBACK CollectStatic(HWND child, LPARAM out) {
  char cls[16] = "", text[512] = "";
  GetClassNameA(child, cls, sizeof cls);
  GetWindowTextA(child, text, sizeof text);
  std::string& best = *reinterpret_cast<std::string*>(out);
  if (lstrcmpiA(cls, "Static") == 0 && std::string(text).size() > best.size()) best = text;
  return TRUE;
}

BOOL CALLBACK DismissBox(HWND window, LPARAM) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char cls[16] = "";
  GetClassNameA(window, cls, sizeof cls);
  if (pid != GetCurrentProcessId() || std::string(cls) != "#32770") return TRUE;
  // GetWindowText would send WM_GETTEXT to a thread that may be waiting for this one.
  WCHAR wide[64] = L"";
  InternalGetWindowText(window, wide, 64);
  char title[64] = "";
  WideCharToMultiByte(CP_ACP, 0, wide, -1, title, sizeof title, nullptr, nullptr);
  if (std::string(title) != "Client" && std::string(title) != "ERROR") return TRUE;
  if (!IsWindowVisible(window)) return TRUE;
  SeenBox box{title, "", GetWindow(window, GW_OWNER)};
  EnumChildWindows(window, CollectStatic, reinterpret_cast<LPARAM>(&box.text));
  EnterCriticalSection(&g_boxLock);
  g_boxes.push_back(box);
  LeaveCriticalSection(&g_boxLock);
  // Wine's box takes its first input a moment after it shows; this waits for that.
  SendMessageTimeoutA(window, WM_COMMAND, IDOK, 0, SMTO_NORMAL, 10000, nullptr);
  return TRUE;
}

BOOL CALLBACK CloseTitled(HWND window, LPARAM title) {
  WCHAR wide[260] = L"";
  InternalGetWindowText(window, wide, 260);
  char text[260] = "";
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != GetCurrentProcessId() && *reinterpret_cast<const std::string*>(title) == text) {
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  return TRUE;
}

LRESULT CALLBACK OwnerProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

}  // namespace

const GroupLink& Lib() {
  static GroupLink lib = [] {
    GroupLink l = {};
    l.dll = LoadLibraryA("grouplink.dll");
    l.getGroupName = Find<GetGroupNameFn>(l.dll, "GetGroupName");
    l.createGroup = Find<CreateGroupFn>(l.dll, "CreateGroup");
    l.createGroupItem = Find<CreateGroupItemFn>(l.dll, "CreateGroupItem");
    l.myCreateGroup = Find<MyCreateGroupFn>(l.dll, "myCreateGroup");
    l.myCreateGroupItem = Find<MyCreateGroupItemFn>(l.dll, "myCreateGroupItem");
    l.myWriteProfileString = Find<MyWriteProfileStringFn>(l.dll, "myWriteProfileString");
    l.myWritePrivateProfileString = Find<MyWritePrivateProfileStringFn>(l.dll, "myWritePrivateProfileString");
    l.deleteProfileString = Find<DeleteProfileStringFn>(l.dll, "DeleteProfileString");
    l.deleteGroupData = Find<DeleteGroupDataFn>(l.dll, "DeleteGroupData");
    l.ddeWndProc = GetProcAddress(l.dll, "DDEWndProc");
    l.groupEditProc = GetProcAddress(l.dll, "FGroupEditProc");
    return l;
  }();
  return lib;
}

BoxWatcher::BoxWatcher() {
  EnterCriticalSection(&g_boxLock);
  g_boxes.clear();
  LeaveCriticalSection(&g_boxLock);
  thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

BoxWatcher::~BoxWatcher() {
  InterlockedExchange(&stop_, 1);
  WaitForSingleObject(thread_, 15000);
  CloseHandle(thread_);
}

DWORD WINAPI BoxWatcher::Run(void* self) {
  BoxWatcher* w = static_cast<BoxWatcher*>(self);
  while (!InterlockedCompareExchange(&w->stop_, 0, 0)) {
    EnumWindows(DismissBox, 0);
    Sleep(30);
  }
  return 0;
}

std::vector<SeenBox> BoxWatcher::Seen() {
  EnterCriticalSection(&g_boxLock);
  std::vector<SeenBox> copy = g_boxes;
  LeaveCriticalSection(&g_boxLock);
  return copy;
}

std::vector<std::string> BoxWatcher::Texts() {
  std::vector<std::string> texts;
  for (const SeenBox& b : Seen()) texts.push_back(b.text);
  return texts;
}

HWND TestOwner() {
  static HWND owner = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "GroupLinkTestOwner";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "grouplink test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                           nullptr, wc.hInstance, nullptr);
  }();
  return owner;
}

bool PumpUntil(bool (*done)(void*), void* context, DWORD ms) {
  DWORD start = GetTickCount();
  while (!done(context)) {
    if (GetTickCount() - start > ms) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return true;
}

std::string ProgramsFolder() {
  char path[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, 0, path);
  return path;
}

void CloseFolderWindows(const std::string& title) {
  EnumWindows(CloseTitled, reinterpret_cast<LPARAM>(&title));
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string SystemPath(const char* name) {
  char dir[MAX_PATH];
  GetSystemDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\" + name;
}

std::string WindowsPath(const char* name) {
  char dir[MAX_PATH];
  GetWindowsDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\" + name;
}

void RemoveLogs() {
  for (const char* log : {"qoragrp", "qoraitm", "qoraini"}) {
    for (const char* ext : {".dat", ".idx", ".jnl"}) {
      std::string path = SystemPath(log) + ext;
      DeleteFileA(path.c_str());
      RemoveDirectoryA(path.c_str());
    }
  }
}

long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA a;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &a)) return -1;
  return (long long)a.nFileSizeHigh << 32 | a.nFileSizeLow;
}

std::vector<char> ReadAll(const std::string& path) {
  std::vector<char> bytes;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
  }
  return bytes;
}

void WriteAll(const std::string& path, const std::vector<char>& bytes) {
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
}

int main(int argc, char** argv) {
  InitializeCriticalSection(&g_boxLock);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
