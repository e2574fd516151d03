// The uninstall log: three record files in the system directory that name every group, item
// and profile entry an owner created, so that its uninstall removes exactly those.
#pragma once
#include "grouplink/grouplink_win.h"

#include <cstdint>
#include <cstring>
#include <string>

// "qoragrp": owner (4, 40), group (44, 32).
struct GroupLogRecord {
  int32_t offset;
  char owner[40];
  char group[32];
};
// "qoraitm": owner (4, 40), group (44, 30), item (74, 30).
struct ItemLogRecord {
  int32_t offset;
  char owner[40];
  char group[30];
  char item[30];
};
// "qoraini": owner (4, 20), INI file path (24, 60), section (84, 30), key (114, 30).
struct ProfileLogRecord {
  int32_t offset;
  char owner[20];
  char file[60];
  char section[30];
  char key[30];
};
static_assert(sizeof(GroupLogRecord) == 76, "group log record");
static_assert(sizeof(ItemLogRecord) == 104, "item log record");
static_assert(sizeof(ProfileLogRecord) == 144, "profile log record");

enum LogKind { kGroupLog = 0, kItemLog = 1, kProfileLog = 2 };
// Which index of a log: A leads with the group (or item, or section), B with the owner.
enum { kIndexA = 0, kIndexB = 1 };
// OpenLog results besides a handle.
enum { kLogMissing = -1000 };

// Group and item names are stored whole in every field and 30-byte key (the exports refuse
// longer ones, log_limits.h), so what is created in the shell is what the log names. The limits
// grouplink_win.h gives callers are the fields less their terminator.
static_assert(GL_GROUP_NAME_MAX + 1 == sizeof(ItemLogRecord::group) && GL_ITEM_NAME_MAX + 1 == sizeof(ItemLogRecord::item) &&
                  GL_GROUP_OWNER_MAX + 1 == sizeof(GroupLogRecord::owner) &&
                  GL_GROUP_OWNER_MAX + 1 == sizeof(ItemLogRecord::owner) &&
                  GL_PROFILE_OWNER_MAX + 1 == sizeof(ProfileLogRecord::owner) &&
                  GL_PROFILE_FILE_MAX + 1 == sizeof(ProfileLogRecord::file) &&
                  GL_PROFILE_SECTION_MAX + 1 == sizeof(ProfileLogRecord::section) &&
                  GL_PROFILE_KEY_MAX + 1 == sizeof(ProfileLogRecord::key),
              "name limits");

// The string of a fixed field (which may lack its terminator in a foreign record).
template <size_t N>
std::string Field(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}
template <size_t N>
bool SameField(const char (&a)[N], const char (&b)[N]) {
  return std::strncmp(a, b, N) == 0;
}

// Copies `text` into a fixed field, cut to size - 1 bytes on a character boundary, zero filled.
void CopyField(char* field, size_t size, const char* text);

GroupLogRecord MakeGroupRecord(const char* owner, const char* group);
ItemLogRecord MakeItemRecord(const char* owner, const char* group, const char* item);
ProfileLogRecord MakeProfileRecord(const char* owner, const std::string& file, const char* section, const char* key);

// Opens a log, creating it with its indexes when `create` and neither of its files exists.
// Returns a record-file handle, kLogMissing (not there and not created), or another negative
// result after telling the user "DataBase corrupted".
int OpenLog(LogKind kind, bool create);
void CloseLog(int handle);
// 0, or the record file's error.
int SelectLogIndex(int handle, LogKind kind, int which);

// Writes the record unless index A holds its key already. 0 written or present; otherwise
// the record file's error (the user has been told).
int LogOnce(int handle, LogKind kind, void* record);

// "DataBase corrupted", owned by the owner window.
void ReportLogDamage();

// True when the result of a read means "no such entry" rather than a damaged log.
bool ReadMissed(int result);

// The path of `name` in the Windows or the system directory.
std::string InWindowsDirectory(const char* name);
std::string InSystemDirectory(const char* name);
