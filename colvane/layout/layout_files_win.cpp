// Readers of the layout and settings files on the real profile functions.
#include "colvane/layout/layout_files_win.h"

#include <shlobj.h>

#include <string>

#include "colvane/layout/layout_values.h"
#include "colvane/layout/profile_reads_win.h"
#include "colvane/layout/settings_layers.h"

namespace {
const char kIniName[] = "Colvane.ini";
const char kUserFolderName[] = "Colvane";
bool wideVariant = true;  // the "800" layout until start-up has looked at the screen

// A path's folder: cut at its last backslash (a double-byte character's second byte may be one).
void CutLastEntry(char* path) {
  char* slash = nullptr;
  for (char* p = path; *p; p = CharNextA(p)) {
    if (*p == '\\') slash = p;
  }
  if (slash) *slash = '\0';
}
}  // namespace

void SetLayoutVariant(bool wide) { wideVariant = wide; }

// The program may stand in any folder up to MAX_PATH, more than GetRunPath's 80 characters.
void ProgramFolder(char* folder) {
  char run[MAX_PATH] = "";
  DWORD got = GetModuleFileNameA(nullptr, run, MAX_PATH);
  if (got >= MAX_PATH) got = 0;
  run[got] = '\0';
  CutLastEntry(run);
  lstrcpynA(folder, run, MAX_PATH);
}

void LayoutFilePath(char* path) {
  char folder[MAX_PATH];
  ProgramFolder(folder);
  JoinFolderPath(folder, kIniName, path, MAX_PATH);
}

void SettingsFilePath(char* path) {
  char system[144] = "";
  UINT n = GetSystemDirectoryA(system, sizeof(system));
  if (n >= sizeof(system)) system[0] = '\0';
  JoinFolderPath(system, kIniName, path, MAX_PATH);
}

UINT GetLayoutInt(const char* section, const char* key, int defaultValue) {
  char path[MAX_PATH];
  LayoutFilePath(path);
  return ReadProfileInt(path, section, key, defaultValue);
}

DWORD GetLayoutString(const char* section, const char* key, const char* defaultValue, char* buffer,
                      DWORD size) {
  char path[MAX_PATH];
  LayoutFilePath(path);
  return ReadProfileString(path, section, key, defaultValue, buffer, size);
}

// How far a layout number may reach on this screen.
static int ScreenReach() {
  return LayoutReach(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

int GetLayoutPoint(const char* section, const char* key, int defaultX, int defaultY, POINT* point) {
  char value[144];
  GetLayoutString(section, key, "nop", value, sizeof(value));
  int x, y;
  int present = ParseLayoutPoint(value, defaultX, defaultY, ScreenReach(), &x, &y);
  point->x = x;
  point->y = y;
  return present;
}

int GetLayoutRect(const char* section, const char* key, int left, int top, int right, int bottom,
                  RECT* rect) {
  char value[144];
  GetLayoutString(section, key, "nor", value, sizeof(value));
  const int defaults[4] = {left, top, right, bottom};
  int r[4];
  int present = ParseLayoutRect(value, defaults, ScreenReach(), r);
  SetRect(rect, r[0], r[1], r[2], r[3]);
  return present;
}

void UserSettingsFolder(char* folder) {
  // Asked once: every settings read needs it, and the shell takes a while to answer.
  static char data[MAX_PATH] = "";
  folder[0] = '\0';
  if (!data[0] && FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, data))) {
    data[0] = '\0';
    return;
  }
  if (!JoinFolderPath(data, kUserFolderName, folder, MAX_PATH)) folder[0] = '\0';
}

void UserSettingsFilePath(char* path) {
  char folder[MAX_PATH];
  UserSettingsFolder(folder);
  if (!folder[0] || !JoinFolderPath(folder, kIniName, path, MAX_PATH)) path[0] = '\0';
}

namespace {
// One settings file through the profile functions. A key is told from an empty value by a
// default no settings file holds.
class ProfileFile : public SettingsFile {
 public:
  explicit ProfileFile(bool user) : user_(user) {
    if (user) {
      UserSettingsFilePath(path_);
    } else {
      SettingsFilePath(path_);
    }
  }
  const char* Path() const { return path_; }
  bool Read(const char* section, const char* key, std::string* value) override {
    static const char kAbsent[] = "\x01";
    char buffer[1024];
    if (!path_[0]) return false;
    ReadProfileString(path_, section, key, kAbsent, buffer, sizeof(buffer));
    if (lstrcmpA(buffer, kAbsent) == 0) return false;
    *value = buffer;
    return true;
  }
  bool Write(const char* section, const char* key, const char* value) override {
    if (!path_[0]) return false;
    if (user_) {  // the user's folder is made at the first setting kept there
      char folder[MAX_PATH];
      lstrcpynA(folder, path_, MAX_PATH);
      CutLastEntry(folder);
      CreateDirectoryA(folder, nullptr);
    }
    ForgetProfileSnapshots();
    return WritePrivateProfileStringA(section, key, value, path_) != FALSE;
  }

 private:
  bool user_;
  char path_[MAX_PATH];
};
}  // namespace

UINT GetSettingInt(const char* section, const char* key, int defaultValue) {
  ProfileFile user(true), machine(false);
  auto& holding = static_cast<ProfileFile&>(SettingsFileHolding(user, machine, section, key));
  return ReadProfileInt(holding.Path(), section, key, defaultValue);
}

DWORD GetSettingString(const char* section, const char* key, const char* defaultValue, char* buffer,
                       DWORD size) {
  ProfileFile user(true), machine(false);
  const std::string value = ReadLayeredSetting(user, machine, section, key, defaultValue ? defaultValue : "");
  if (size == 0) return 0;
  lstrcpynA(buffer, value.c_str(), static_cast<int>(size));
  return static_cast<DWORD>(lstrlenA(buffer));
}

BOOL SetSettingString(const char* section, const char* key, const char* value) {
  ProfileFile user(true), machine(false);
  return WriteLayeredSetting(user, machine, section, key, value) ? TRUE : FALSE;
}

namespace {
// [FILE] PATH as the settings file holds it (empty when absent).
void AssetFolderSetting(char* setting) { GetSettingString("FILE", "PATH", "", setting, 144); }
bool IsFolder(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
}  // namespace

DWORD GetAssetFolder(char* buffer) {
  AssetFolderSetting(buffer);
  if (buffer[0] && IsFolder(buffer)) return lstrlenA(buffer);
  // No setting, or one naming no folder (a drive taken away, a typing slip): the program's own
  // folder holds the art, so the screen never comes up black.
  char folder[MAX_PATH];
  ProgramFolder(folder);
  lstrcpynA(buffer, folder, 144);
  return lstrlenA(buffer);
}

bool AssetFolderSettingIsWrong(char* named) {
  AssetFolderSetting(named);
  return named[0] && !IsFolder(named);
}

const char* VariantSection() { return wideVariant ? "800" : "640"; }
const char* VariantDigit() { return wideVariant ? "8" : "6"; }
