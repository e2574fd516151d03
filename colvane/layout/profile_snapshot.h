// A profile file's keys as the profile functions listed them, section by section, so that many
// keys can be read at once without asking the system for each one.
#pragma once
#include <cstddef>
#include <string>
#include <unordered_map>
#include <unordered_set>

class ProfileSnapshot {
 public:
  // One section's lines as GetPrivateProfileSection gives them ("key=value", each ended by a null,
  // `length` bytes in all). A section named again is ignored: lookups find the first.
  void AddSection(const std::string& name, const char* lines, size_t length);

  // What a lookup of the key finds. kUnsure: the snapshot cannot say for certain what the profile
  // functions would answer, so ask them: a quoted value, a comment's key (the listing leaves
  // comments out), or any section or key name in the file outside plain ASCII (the system's case
  // rules for those are its own).
  enum class Found { kAbsent, kValue, kUnsure };
  Found Find(const char* section, const char* key, std::string* value) const;

  // The value as GetPrivateProfileInt reads it, for plain decimal values; kUnsure otherwise.
  Found FindInt(const char* section, const char* key, unsigned* value) const;

 private:
  struct Entry {
    bool hasValue;  // a line without '=' names a key that reads as absent
    bool quoted;    // the profile functions take the quotes off
    std::string value;
  };
  bool asciiNames_ = true;
  std::unordered_set<std::string> sections_;        // lower-cased names
  std::unordered_map<std::string, Entry> entries_;  // lower-cased "section\nkey"
};
