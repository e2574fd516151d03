// The three logs of the uninstall: their records, indexes, creation and the checked writes.
#include "grouplink/uninstall_log_win.h"

#include <cstring>
#include <vector>

#include "grouplink/dde_client_win.h"
#include "grouplink/isam/isam.h"

namespace {

struct LogShape {
  const char* name;
  int recordSize;
  int indexCount;
  int segments[2][4][2];  // per index: (offset, length) of each string segment, 0-length ends
};

const LogShape kLogs[3] = {
    {"qoragrp", 76, 2, {{{44, 30}, {4, 40}}, {{4, 40}, {44, 30}}}},
    {"qoraitm", 104, 2, {{{74, 30}, {44, 30}, {4, 40}}, {{4, 40}, {74, 30}, {44, 30}}}},
    {"qoraini", 144, 1, {{{84, 30}, {114, 30}, {24, 60}, {4, 20}}}},
};

IsamIndexDef Definition(LogKind kind, int which) {
  IsamIndexDef def = {};
  for (const auto& segment : kLogs[kind].segments[which]) {
    if (segment[1] == 0) break;
    def.segment[def.count].type = 0;  // zero-terminated string, ascending
    def.segment[def.count].offset = segment[0];
    def.segment[def.count].length = segment[1];
    ++def.count;
  }
  return def;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string InDirectory(const char* directory, UINT length, const char* name) {
  if (length == 0 || length >= MAX_PATH) return std::string();
  std::string path(directory, length);
  if (path.back() != '\\') path += '\\';
  return path + name;
}

// A new, empty log with its indexes; a half-made one is removed again.
int CreateLog(LogKind kind, const std::string& path) {
  int handle = IsamBuild(path.c_str(), kLogs[kind].recordSize);
  if (handle < 0) return handle;
  for (int i = 0; i < kLogs[kind].indexCount; ++i) {
    IsamIndexDef def = Definition(kind, i);
    int rc = IsamAddIndex(handle, &def);
    if (rc != 0) {
      IsamClose(handle);
      DeleteFileA((path + ".dat").c_str());
      DeleteFileA((path + ".idx").c_str());
      return rc;
    }
  }
  return handle;
}

}  // namespace

void CopyField(char* field, size_t size, const char* text) {
  std::memset(field, 0, size);
  if (!text || size == 0) return;
  size_t n = 0;
  while (text[n] && n < size - 1) {
    if (IsDBCSLeadByte(BYTE(text[n]))) {
      if (!text[n + 1] || n + 2 > size - 1) break;
      n += 2;
    } else {
      ++n;
    }
  }
  std::memcpy(field, text, n);
}

GroupLogRecord MakeGroupRecord(const char* owner, const char* group) {
  GroupLogRecord r = {};
  CopyField(r.owner, sizeof r.owner, owner);
  CopyField(r.group, GL_GROUP_NAME_MAX + 1, group);
  return r;
}

ItemLogRecord MakeItemRecord(const char* owner, const char* group, const char* item) {
  ItemLogRecord r = {};
  CopyField(r.owner, sizeof r.owner, owner);
  CopyField(r.group, GL_GROUP_NAME_MAX + 1, group);
  CopyField(r.item, GL_ITEM_NAME_MAX + 1, item);
  return r;
}

ProfileLogRecord MakeProfileRecord(const char* owner, const std::string& file, const char* section, const char* key) {
  ProfileLogRecord r = {};
  CopyField(r.owner, sizeof r.owner, owner);
  CopyField(r.file, sizeof r.file, file.c_str());
  CopyField(r.section, sizeof r.section, section);
  CopyField(r.key, sizeof r.key, key);
  return r;
}

void ReportLogDamage() { MessageBoxA(DdeOwner(), "DataBase corrupted", "ERROR", MB_ICONEXCLAMATION); }

bool ReadMissed(int result) {
  return result == kIsamKeyNotFound || result == kIsamPastLast || result == kIsamBeforeFirst;
}

std::string InWindowsDirectory(const char* name) {
  char directory[MAX_PATH];
  return InDirectory(directory, GetWindowsDirectoryA(directory, MAX_PATH), name);
}

std::string InSystemDirectory(const char* name) {
  char directory[MAX_PATH];
  return InDirectory(directory, GetSystemDirectoryA(directory, MAX_PATH), name);
}

int OpenLog(LogKind kind, bool create) {
  std::string path = InSystemDirectory(kLogs[kind].name);
  int handle = path.empty() ? kIsamBadHandle : IsamOpen(path.c_str());
  if (handle >= 0) return handle;
  // Only a log of which neither file exists is new; half of a pair is damage, and building
  // over it would lose what the other half names.
  if (handle == kIsamBadHandle && !path.empty() && !Exists(path + ".dat") && !Exists(path + ".idx")) {
    if (!create) return kLogMissing;
    handle = CreateLog(kind, path);
    if (handle >= 0) return handle;
  }
  ReportLogDamage();
  return handle;
}

void CloseLog(int handle) { IsamClose(handle); }

int SelectLogIndex(int handle, LogKind kind, int which) {
  if (which >= kLogs[kind].indexCount) return kIsamNoIndex;
  IsamIndexDef def = Definition(kind, which);
  return IsamSelectIndex(handle, &def);
}

int LogOnce(int handle, LogKind kind, void* record) {
  int rc = SelectLogIndex(handle, kind, kIndexA);
  if (rc != 0) {
    ReportLogDamage();
    return rc;
  }
  std::vector<uint8_t> probe(static_cast<uint8_t*>(record), static_cast<uint8_t*>(record) + kLogs[kind].recordSize);
  rc = IsamRead(handle, probe.data(), 0, kIsamExact);
  if (rc == 0) return 0;
  if (ReadMissed(rc)) rc = IsamWrite(handle, record);
  if (rc != 0) ReportLogDamage();
  return rc;
}
