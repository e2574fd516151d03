// The logged profile writes and their removal: every entry an owner wrote is named in the
// "qoraini" log with the full path of its INI file.
#include "grouplink/grouplink_win.h"

#include <cstring>
#include <string>
#include <vector>

#include "grouplink/dde_client_win.h"
#include "grouplink/isam/isam.h"
#include "grouplink/log_limits.h"
#include "grouplink/uninstall_log_win.h"

namespace {

// The file the profile functions use: a bare name lives in the Windows directory, anything
// with a path is taken from the current directory.
std::string ProfilePath(const char* file) {
  if (!std::strpbrk(file, "\\/:")) return InWindowsDirectory(file);
  char full[MAX_PATH];
  DWORD length = GetFullPathNameA(file, MAX_PATH, full, nullptr);
  return length > 0 && length < MAX_PATH ? std::string(full, length) : std::string(file);
}

// Logs the entry unless it is there. False when a name is too long for its field (the last
// error says so; nothing is logged) or the log can't be used (the user was told).
bool LogEntry(const char* product, const std::string& file, const char* section, const char* key) {
  if (!ProfileOwnerFits(product) || !ProfileFileFits(file.c_str()) || !ProfileSectionFits(section) ||
      !ProfileKeyFits(key)) {
    SetLastError(ERROR_BUFFER_OVERFLOW);
    return false;
  }
  ProfileLogRecord r = MakeProfileRecord(product, file, section, key);
  int handle = OpenLog(kProfileLog, true);
  if (handle < 0) return false;
  int rc = LogOnce(handle, kProfileLog, &r);
  CloseLog(handle);
  return rc == 0;
}

bool SameEntry(const ProfileLogRecord& a, const ProfileLogRecord& b) {
  return SameField(a.section, b.section) && SameField(a.key, b.key) && SameField(a.file, b.file);
}

// Whether an owner other than entries[i]'s logged the same entry. The index orders by
// section, key, file and then owner, so such entries stand next to it.
bool HeldByAnother(const std::vector<ProfileLogRecord>& entries, size_t i) {
  for (size_t j = i; j-- > 0 && SameEntry(entries[j], entries[i]);) {
    if (!SameField(entries[j].owner, entries[i].owner)) return true;
  }
  for (size_t j = i + 1; j < entries.size() && SameEntry(entries[j], entries[i]); ++j) {
    if (!SameField(entries[j].owner, entries[i].owner)) return true;
  }
  return false;
}

}  // namespace

extern "C" {

// Both writes return 0 with nothing written or logged when the owner (over 19 bytes), the INI
// file's full path (over 59), the section or the key (over 29) can't be logged whole; the last
// error is then ERROR_BUFFER_OVERFLOW.
int WINAPI myWriteProfileString(const char* product, const char* section, const char* key, const char* value) {
  if (section && key && !LogEntry(product, InWindowsDirectory("win.ini"), section, key)) return 0;
  return WriteProfileStringA(section, key, value);
}

int WINAPI myWritePrivateProfileString(const char* product, const char* section, const char* key,
                                       const char* value, const char* file) {
  if (section && key && file && !LogEntry(product, ProfilePath(file), section, key)) return 0;
  return WritePrivateProfileStringA(section, key, value, file);
}

// Every entry of the owner goes, wherever the index puts it among other owners' entries;
// an entry another owner also logged stays in its INI file. 0, the log's error, or
// GL_NAME_TOO_LONG for an owner over 19 bytes (cut, it would name another product's entries).
int WINAPI DeleteProfileString(const char* product) {
  if (!ProfileOwnerFits(product)) return GL_NAME_TOO_LONG;
  int handle = OpenLog(kProfileLog, false);
  if (handle == kLogMissing) return 0;
  if (handle < 0) return handle;
  std::vector<ProfileLogRecord> entries;
  int rc = SelectLogIndex(handle, kProfileLog, kIndexA);
  if (rc == 0) {
    ProfileLogRecord r = {};
    for (rc = IsamRead(handle, &r, 0, kIsamFirst); rc == 0; rc = IsamRead(handle, &r, 0, kIsamNext)) {
      entries.push_back(r);
    }
    if (ReadMissed(rc)) rc = 0;
  }
  ProfileLogRecord mine = MakeProfileRecord(product, std::string(), "", "");
  for (size_t i = 0; rc == 0 && i < entries.size(); ++i) {
    const ProfileLogRecord& e = entries[i];
    if (!SameField(e.owner, mine.owner)) continue;
    if (!HeldByAnother(entries, i)) {
      WritePrivateProfileStringA(Field(e.section).c_str(), Field(e.key).c_str(), nullptr, Field(e.file).c_str());
    }
    rc = IsamDelete(handle, &e);
  }
  if (rc != 0) ReportLogDamage();
  CloseLog(handle);
  return rc;
}

}  // extern "C"
