// Profile reads through snapshots taken with the profile functions themselves, so the values are
// theirs; a lookup the snapshot cannot answer for certain goes to the functions.
#include "colvane/layout/profile_reads_win.h"

#include <cstring>
#include <string>
#include <vector>

#include "colvane/layout/profile_snapshot.h"

namespace {

int scopes = 0;

struct Snapshot {
  std::string path;
  bool listed;  // false: the file could not be listed, and its reads go to the functions
  ProfileSnapshot keys;
};
std::vector<Snapshot> snapshots;  // one per file read in the scope

// A profile call's double-null-ended list into a buffer grown until it fits: the functions say
// "too small" by filling it to two short of its size.
template <typename Call>
bool ListInto(std::vector<char>* buffer, Call call) {
  for (DWORD size = 4096; size <= (1u << 22); size *= 2) {
    buffer->resize(size);
    const DWORD got = call(buffer->data(), size);
    if (got + 2 < size) {
      buffer->resize(got);
      return true;
    }
  }
  return false;
}

const ProfileSnapshot* SnapshotOf(const char* path) {
  if (scopes == 0 || !path || !path[0]) return nullptr;
  for (const Snapshot& s : snapshots)
    if (lstrcmpiA(s.path.c_str(), path) == 0) return s.listed ? &s.keys : nullptr;
  snapshots.push_back(Snapshot{path, false, {}});
  Snapshot& taken = snapshots.back();
  std::vector<char> names, lines;
  if (!ListInto(&names, [&](char* b, DWORD n) { return GetPrivateProfileSectionNamesA(b, n, path); })) return nullptr;
  for (size_t at = 0; at < names.size() && names[at]; at += strlen(&names[at]) + 1) {
    const char* name = &names[at];
    if (!ListInto(&lines, [&](char* b, DWORD n) { return GetPrivateProfileSectionA(name, b, n, path); }))
      return nullptr;
    taken.keys.AddSection(name, lines.data(), lines.size());
  }
  taken.listed = true;
  return &taken.keys;
}

DWORD CopyOut(const char* text, size_t length, char* buffer, DWORD size) {
  if (size == 0) return 0;
  const size_t n = length < size - 1 ? length : size - 1;
  memcpy(buffer, text, n);
  buffer[n] = '\0';
  return static_cast<DWORD>(n);
}

}  // namespace

ProfileReadScope::ProfileReadScope() { ++scopes; }

ProfileReadScope::~ProfileReadScope() {
  if (--scopes == 0) ForgetProfileSnapshots();
}

void ForgetProfileSnapshots() { snapshots.clear(); }

DWORD ReadProfileString(const char* path, const char* section, const char* key, const char* defaultValue,
                        char* buffer, DWORD size) {
  if (const ProfileSnapshot* s = SnapshotOf(path)) {
    std::string value;
    switch (s->Find(section, key, &value)) {
      case ProfileSnapshot::Found::kValue: return CopyOut(value.data(), value.size(), buffer, size);
      case ProfileSnapshot::Found::kAbsent: {
        // The default loses its trailing blanks, as the profile functions do it.
        const char* d = defaultValue ? defaultValue : "";
        size_t n = strlen(d);
        while (n > 0 && d[n - 1] == ' ') --n;
        return CopyOut(d, n, buffer, size);
      }
      case ProfileSnapshot::Found::kUnsure: break;
    }
  }
  return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, path);
}

UINT ReadProfileInt(const char* path, const char* section, const char* key, int defaultValue) {
  if (const ProfileSnapshot* s = SnapshotOf(path)) {
    unsigned value = 0;
    switch (s->FindInt(section, key, &value)) {
      case ProfileSnapshot::Found::kValue: return value;
      case ProfileSnapshot::Found::kAbsent: return static_cast<UINT>(defaultValue);
      case ProfileSnapshot::Found::kUnsure: break;
    }
  }
  return GetPrivateProfileIntA(section, key, defaultValue, path);
}
