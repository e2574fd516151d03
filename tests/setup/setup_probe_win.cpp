// Test tool for the setup's end-to-end script, one command per run:
//   logs         every live record of the uninstall logs, one line each, in index order:
//                "group <owner>|<group>", "item <owner>|<group>|<item>",
//                "ini <owner>|<file>|<section>|<key>"; exit code 1 when a log is damaged
//   link FILE    the program and arguments a shortcut file starts
//   folders      closes the folder windows Wine's shell opens for each group it creates
//   run LINE     runs the command line LINE exactly as given (a setup's /D= takes the rest of
//                its line unquoted) and returns its exit code
#include <windows.h>

#include <objidl.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "grouplink/grouplink_win.h"

namespace {

struct Log {
  const char* name;
  const char* label;
  int recordSize;
  int segments[4][2];  // the first index: (offset, length) of its string segments
  int fields[4][2];    // what is printed: (offset, length)
};
const Log kLogs[] = {
    {"qoragrp", "group", 76, {{44, 30}, {4, 40}}, {{4, 40}, {44, 32}}},
    {"qoraitm", "item", 104, {{74, 30}, {44, 30}, {4, 40}}, {{4, 40}, {44, 30}, {74, 30}}},
    {"qoraini", "ini", 144, {{84, 30}, {114, 30}, {24, 60}, {4, 20}}, {{4, 20}, {24, 60}, {84, 30}, {114, 30}}},
};

// 0 when every record was printed (or the log is not there), 1 when the log can't be read.
int PrintLog(const Log& log) {
  char dir[MAX_PATH];
  GetSystemDirectoryA(dir, MAX_PATH);
  const std::string path = std::string(dir) + "\\" + log.name;
  if (GetFileAttributesA((path + ".dat").c_str()) == INVALID_FILE_ATTRIBUTES) return 0;
  const int handle = is_open(path.c_str());
  if (handle < 0) {
    std::printf("%s damaged %d\n", log.label, handle);
    return 1;
  }
  IS_INDEXDEF def = {};
  for (const auto& segment : log.segments) {
    if (segment[1] == 0) break;
    def.segment[def.count].type = IS_STRING;
    def.segment[def.count].offset = segment[0];
    def.segment[def.count].length = segment[1];
    ++def.count;
  }
  int status = is_selidx(handle, &def) == 0 ? 0 : 1;
  std::string record(log.recordSize, '\0');
  for (int mode = IS_FIRST; status == 0; mode = IS_NEXT) {
    const int rc = is_read(handle, &record[0], 0, mode);
    if (rc == IS_PAST_LAST || rc == IS_BEFORE_FIRST || rc == IS_KEY_NOT_FOUND) break;
    if (rc != 0) {
      status = 1;
      break;
    }
    std::printf("%s ", log.label);
    for (int i = 0; i < 4 && log.fields[i][1] > 0; ++i) {
      const char* text = &record[log.fields[i][0]];
      std::printf("%s%.*s", i == 0 ? "" : "|", static_cast<int>(strnlen(text, log.fields[i][1])), text);
    }
    std::printf("\n");
  }
  is_close(handle);
  return status;
}

int PrintLink(const char* file) {
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  IPersistFile* persist = nullptr;
  WCHAR wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, file, -1, wide, MAX_PATH);
  int status = 1;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
      SUCCEEDED(persist->Load(wide, STGM_READ))) {
    char path[MAX_PATH] = "", args[MAX_PATH] = "";
    link->GetPath(path, MAX_PATH, nullptr, 0);
    link->GetArguments(args, MAX_PATH);
    std::printf("%s%s%s\n", path, args[0] ? " " : "", args);
    status = 0;
  }
  if (persist) persist->Release();
  if (link) link->Release();
  return status;
}

BOOL CALLBACK CloseFolder(HWND window, LPARAM) {
  char cls[32] = "";
  GetClassNameA(window, cls, sizeof cls);
  if (std::strcmp(cls, "ExplorerWClass") == 0 || std::strcmp(cls, "CabinetWClass") == 0) {
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  return TRUE;
}

int Run(const char* line) {
  std::string copy = line;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &copy[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return 255;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 255;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "logs") {
    int status = 0;
    for (const Log& log : kLogs) status |= PrintLog(log);
    return status;
  }
  if (command == "link" && argc > 2) return PrintLink(argv[2]);
  if (command == "run" && argc > 2) return Run(argv[2]);
  if (command == "folders") {
    EnumWindows(CloseFolder, 0);
    return 0;
  }
  std::fprintf(stderr, "usage: setup_probe logs | link FILE | folders | run LINE\n");
  return 2;
}
