// The policy files on disk: where they are, read whole, and the user's written whole.
#include "colvane/layout/policy_win.h"

#include <shlobj.h>

#include <string>

#include "colvane/layout/layout_files_win.h"

namespace {

constexpr char kPolicyName[] = "ColvanePolicy.ini";
constexpr DWORD kPolicyMaxBytes = 64 * 1024;

Policy policy;

// The folder of a settings file: its path without the last part.
void BesideSettings(const char* settingsPath, char* path) {
  path[0] = '\0';
  if (!settingsPath[0]) return;
  const char* slash = strrchr(settingsPath, '\\');
  const size_t folder = slash ? static_cast<size_t>(slash - settingsPath) + 1 : 0;
  if (folder + sizeof(kPolicyName) > MAX_PATH) return;
  memcpy(path, settingsPath, folder);
  memcpy(path + folder, kPolicyName, sizeof(kPolicyName));
}

// The file's bytes; empty when it is missing. `tooLarge` when it can't be a policy at all.
std::string FileText(const char* path, bool* tooLarge) {
  *tooLarge = false;
  if (!path[0]) return std::string();
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file, &size) && size.QuadPart > kPolicyMaxBytes) {
    *tooLarge = true;
  } else {
    char buffer[4096];
    DWORD read = 0;
    while (bytes.size() <= kPolicyMaxBytes && ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
      bytes.append(buffer, read);
    if (bytes.size() > kPolicyMaxBytes) {
      *tooLarge = true;
      bytes.clear();
    }
  }
  CloseHandle(file);
  return bytes;
}

}  // namespace

void MachinePolicyPath(char* path) {
  char settings[MAX_PATH];
  SettingsFilePath(settings);
  BesideSettings(settings, path);
}

void UserPolicyPath(char* path) {
  char settings[MAX_PATH];
  UserSettingsFilePath(settings);
  BesideSettings(settings, path);
}

void LoadPolicy() {
  char machinePath[MAX_PATH], userPath[MAX_PATH];
  MachinePolicyPath(machinePath);
  UserPolicyPath(userPath);
  bool machineTooLarge = false, userTooLarge = false;
  const std::string machine = FileText(machinePath, &machineTooLarge);
  const std::string user = FileText(userPath, &userTooLarge);
  policy = ReadPolicyFiles(machine, user);
  if (machineTooLarge) policy.faults.push_back("the computer's file is too large to be a policy");
  if (userTooLarge) policy.faults.push_back("the user's file is too large to be a policy");
}

const Policy& CurrentPolicy() { return policy; }

Policy ReadUserPolicy() {
  char path[MAX_PATH];
  UserPolicyPath(path);
  bool tooLarge = false;
  return ReadPolicyFiles(std::string(), FileText(path, &tooLarge));
}

bool KeepUserPolicy(const PolicyValue* userValues) {
  char path[MAX_PATH], folder[MAX_PATH];
  UserPolicyPath(path);
  UserSettingsFolder(folder);
  if (!path[0] || !folder[0]) return false;
  CreateDirectoryA(folder, nullptr);
  const std::string text = WritePolicyFile(userValues);
  char temporary[MAX_PATH + 8];
  wsprintfA(temporary, "%s.new", path);
  HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool wrote = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                     written == text.size() && FlushFileBuffers(file);
  CloseHandle(file);
  if (!wrote || !MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temporary);
    return false;
  }
  LoadPolicy();
  return true;
}
