// The snapshot's parse of the listed lines and its case-blind lookups.
#include "colvane/layout/profile_snapshot.h"

#include <cstring>

namespace {

bool Ascii(const std::string& s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

std::string Lower(const char* s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// Spaces and tabs off both ends, as the profile functions read a name or a value.
std::string Trimmed(const char* begin, const char* end) {
  while (begin < end && (*begin == ' ' || *begin == '\t')) ++begin;
  while (end > begin && (end[-1] == ' ' || end[-1] == '\t')) --end;
  return std::string(begin, end);
}

std::string Name(const std::string& name) { return Lower(Trimmed(name.data(), name.data() + name.size()).c_str()); }

// The entries' key for a section and a key, both already through Name.
std::string Joined(const std::string& section, const std::string& key) { return section + '\n' + key; }

}  // namespace

void ProfileSnapshot::AddSection(const std::string& name, const char* lines, size_t length) {
  const std::string section = Name(name);
  if (!sections_.insert(section).second) return;
  if (!Ascii(name)) asciiNames_ = false;
  const char* end = lines + length;
  for (const char* line = lines; line < end && *line;) {
    const char* lineEnd = static_cast<const char*>(std::memchr(line, '\0', static_cast<size_t>(end - line)));
    if (!lineEnd) lineEnd = end;
    const char* equals = static_cast<const char*>(std::memchr(line, '=', static_cast<size_t>(lineEnd - line)));
    const std::string key = Trimmed(line, equals ? equals : lineEnd);
    line = lineEnd + 1;
    if (!Ascii(key)) asciiNames_ = false;
    Entry entry{equals != nullptr, false, equals ? Trimmed(equals + 1, lineEnd) : std::string()};
    entry.quoted = !entry.value.empty() && (entry.value[0] == '"' || entry.value[0] == '\'');
    entries_.emplace(Joined(section, Lower(key.c_str())), entry);  // the first of a key named twice stays
  }
}

ProfileSnapshot::Found ProfileSnapshot::Find(const char* section, const char* key, std::string* value) const {
  if (!section || !key || !asciiNames_ || !Ascii(section) || !Ascii(key)) return Found::kUnsure;
  const std::string keyName = Name(key);
  // Comment lines are left out of the listing, yet a lookup of one finds it.
  if (keyName.rfind(';', 0) == 0) return Found::kUnsure;
  const auto e = entries_.find(Joined(Name(section), keyName));
  if (e == entries_.end()) return Found::kAbsent;
  if (e->second.quoted) return Found::kUnsure;
  if (!e->second.hasValue) return Found::kAbsent;
  *value = e->second.value;
  return Found::kValue;
}

ProfileSnapshot::Found ProfileSnapshot::FindInt(const char* section, const char* key, unsigned* value) const {
  std::string text;
  const Found found = Find(section, key, &text);
  if (found != Found::kValue) return found;
  if (text.empty() || text.size() > 9) return Found::kUnsure;
  unsigned n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return Found::kUnsure;
    n = n * 10 + static_cast<unsigned>(c - '0');
  }
  *value = n;
  return Found::kValue;
}
