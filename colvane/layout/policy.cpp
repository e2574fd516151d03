// Reading the grown-ups' policy files: the key table, the text of one file, the two files as one.
#include "colvane/layout/policy.h"

#include <cctype>
#include <cstdint>

namespace {

bool SameName(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return i == a.size() && !b[i];
}

// A folder the library can live in: a drive or network path, short enough for every path the
// library builds below it.
bool FolderTextValid(const std::string& text) {
  if (text.empty() || text.size() > 180) return false;
  for (unsigned char c : text)
    if (c < 0x20 || c == '"' || c == '*' || c == '?' || c == '<' || c == '>' || c == '|') return false;
  const bool drive = text.size() >= 3 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':' &&
                     text[2] == '\\';
  const bool share = text.size() >= 3 && text[0] == '\\' && text[1] == '\\' && text[2] != '\\';
  return drive || share;
}

bool SwitchKeysValid(const std::string& text) {
  std::vector<std::string> names;
  return SwitchKeyNames(text, &names);
}

constexpr PolicyValueKind kFlag = PolicyValueKind::kFlag;
constexpr PolicyValueKind kNumber = PolicyValueKind::kNumber;
constexpr PolicyValueKind kText = PolicyValueKind::kText;

// A lock that can't be read: quitting stays allowed (a child must never be shut in with no way
// out), printing is refused; everything else keeps its default.
const PolicyKeyInfo kKeys[kPolicyKeyCount] = {
    {PolicyKey::kNoQuit, "Policy", "NoQuit", kFlag, 0, 1, 0, 0, nullptr},
    {PolicyKey::kNoPrint, "Policy", "NoPrint", kFlag, 0, 1, 0, 1, nullptr},
    {PolicyKey::kPrintsPerDay, "Policy", "PrintsPerDay", kNumber, 1, 999, 0, 0, nullptr},
    {PolicyKey::kMinutesBetweenPrints, "Policy", "MinutesBetweenPrints", kNumber, 1, 24 * 60, 0, 0, nullptr},
    {PolicyKey::kNoExport, "Policy", "NoExport", kFlag, 0, 1, 0, 0, nullptr},
    {PolicyKey::kNoDelete, "Policy", "NoDelete", kFlag, 0, 1, 0, 0, nullptr},
    {PolicyKey::kNoNewBox, "Policy", "NoNewBox", kFlag, 0, 1, 0, 0, nullptr},
    {PolicyKey::kStartBlank, "Policy", "StartBlank", kFlag, 0, 1, 0, 0, nullptr},
    {PolicyKey::kSoundOff, "Policy", "SoundOff", kFlag, 0, 1, 0, 0, nullptr},
    {PolicyKey::kMusicOff, "Policy", "MusicOff", kFlag, 0, 1, 0, 0, nullptr},
    {PolicyKey::kUndoSteps, "Policy", "UndoSteps", kNumber, 1, 20, 1, 1, nullptr},
    {PolicyKey::kLibraryFolder, "Policy", "LibraryFolder", kText, 0, 0, 0, 0, FolderTextValid},
    {PolicyKey::kSwitches, "Access", "Switches", kNumber, 1, 2, 0, 0, nullptr},
    {PolicyKey::kScanMs, "Access", "ScanMs", kNumber, 250, 10000, 1500, 1500, nullptr},
    {PolicyKey::kAcceptMs, "Access", "AcceptMs", kNumber, 50, 2000, 300, 300, nullptr},
    {PolicyKey::kSwitchKeys, "Access", "SwitchKeys", kText, 0, 0, 0, 0, SwitchKeysValid},
    {PolicyKey::kDwellMs, "Access", "DwellMs", kNumber, 300, 10000, 0, 0, nullptr},
    {PolicyKey::kDwellRadius, "Access", "DwellRadius", kNumber, 2, 100, 12, 12, nullptr},
};

std::string Trim(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r')) --end;
  return text.substr(begin, end - begin);
}

// UTF-16 little or big endian with its mark, to the same text in bytes; characters beyond ASCII
// become '?', which no valid value holds, so a value using them reads as unreadable.
std::string FromUtf16(const std::string& bytes, bool little) {
  std::string text;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const unsigned lo = static_cast<unsigned char>(bytes[i + (little ? 0 : 1)]);
    const unsigned hi = static_cast<unsigned char>(bytes[i + (little ? 1 : 0)]);
    const unsigned unit = lo | (hi << 8);
    text.push_back(unit == 0 ? '\0' : unit < 0x80 ? static_cast<char>(unit) : '?');
  }
  return text;
}

std::string Decoded(const std::string& bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE)
    return FromUtf16(bytes, true);
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE && static_cast<unsigned char>(bytes[1]) == 0xFF)
    return FromUtf16(bytes, false);
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return bytes.substr(3);
  return bytes;
}

bool IsDigits(const std::string& text) {
  if (text.empty() || text.size() > 6) return false;
  for (unsigned char c : text)
    if (!std::isdigit(c)) return false;
  return true;
}

// The value of `entry` for its key, or false when the text is not one.
bool ReadValue(const PolicyKeyInfo& info, const std::string& raw, PolicyValue* value) {
  if (info.kind == PolicyValueKind::kText) {
    if (raw.empty()) {
      value->text.clear();
      return true;
    }
    if (info.textValid && !info.textValid(raw)) return false;
    value->text = raw;
    return true;
  }
  if (!IsDigits(raw)) return false;
  const int number = std::stoi(raw);
  if (number != 0 && (number < info.low || number > info.high)) return false;
  value->number = number == 0 && info.kind == PolicyValueKind::kNumber ? info.absent : number;
  if (info.key == PolicyKey::kUndoSteps && number == 0) value->number = 1;
  return true;
}

const char* SourceName(PolicySource source) { return source == PolicySource::kMachine ? "computer's" : "user's"; }

void Apply(const PolicyFileText& file, PolicySource source, Policy* policy) {
  for (const PolicyFileEntry& entry : file.entries) {
    const PolicyKey key = FindPolicyKey(entry.section, entry.name);
    if (key == PolicyKey::kCount) continue;
    const PolicyKeyInfo& info = PolicyKeyDescription(key);
    PolicyValue value;
    value.number = info.absent;
    value.source = source;
    value.raw = entry.value;
    if (!ReadValue(info, entry.value, &value)) {
      value.number = info.broken;
      value.text.clear();
      value.unreadable = true;
      policy->faults.push_back(std::string(info.name) + "=" + entry.value + " (" + SourceName(source) + " file)");
    }
    policy->values[static_cast<int>(key)] = value;
  }
}

}  // namespace

bool SwitchKeyNames(const std::string& text, std::vector<std::string>* names) {
  names->clear();
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    const std::string name = Trim(text.substr(start, comma - start));
    bool known = SameName(name, "Space") || SameName(name, "Enter") || SameName(name, "Tab");
    if (name.size() == 1) known = std::isalnum(static_cast<unsigned char>(name[0])) != 0;
    if (!known && name.size() >= 2 && (name[0] == 'F' || name[0] == 'f') && IsDigits(name.substr(1))) {
      const int n = std::stoi(name.substr(1));
      known = n >= 1 && n <= 24;
    }
    if (!known) return false;
    names->push_back(name);
    start = comma + 1;
  }
  return !names->empty() && names->size() <= 2;
}

const PolicyKeyInfo& PolicyKeyDescription(PolicyKey key) { return kKeys[static_cast<int>(key)]; }

PolicyKey FindPolicyKey(const std::string& section, const std::string& name) {
  for (const PolicyKeyInfo& info : kKeys)
    if (SameName(section, info.section) && SameName(name, info.name)) return info.key;
  return PolicyKey::kCount;
}

PolicyFileText ParsePolicyFile(const std::string& bytes) {
  PolicyFileText file;
  const std::string text = Decoded(bytes);
  std::string section;
  size_t start = 0;
  int lineNumber = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    ++lineNumber;
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    const std::string where = "line " + std::to_string(lineNumber);
    if (line.find('\0') != std::string::npos) {
      file.faults.push_back(where + ": not text");
      continue;
    }
    if (line[0] == '[') {
      const size_t close = line.find(']');
      section = close == std::string::npos ? std::string() : Trim(line.substr(1, close - 1));
      if (!SameName(section, "Policy") && !SameName(section, "Access"))
        file.faults.push_back(where + ": unknown section [" + section.substr(0, 40) + "]");
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      file.faults.push_back(where + ": not key=value");
      continue;
    }
    PolicyFileEntry entry{section, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
    if (FindPolicyKey(entry.section, entry.name) == PolicyKey::kCount) {
      if (SameName(section, "Policy") || SameName(section, "Access"))
        file.faults.push_back(where + ": unknown key " + entry.name.substr(0, 40));
      continue;
    }
    file.entries.push_back(entry);
  }
  return file;
}

Policy LayPolicy(const PolicyFileText& machine, const PolicyFileText& user) {
  Policy policy;
  for (const PolicyKeyInfo& info : kKeys) policy.values[static_cast<int>(info.key)].number = info.absent;
  for (const std::string& fault : user.faults) policy.faults.push_back(fault + " (user's file)");
  for (const std::string& fault : machine.faults) policy.faults.push_back(fault + " (computer's file)");
  Apply(user, PolicySource::kUser, &policy);
  Apply(machine, PolicySource::kMachine, &policy);
  return policy;
}

Policy ReadPolicyFiles(const std::string& machineBytes, const std::string& userBytes) {
  return LayPolicy(ParsePolicyFile(machineBytes), ParsePolicyFile(userBytes));
}

int PolicyUndoSteps(const Policy& policy) {
  const int steps = PolicyNumber(policy, PolicyKey::kUndoSteps);
  return steps < 1 ? 1 : steps > 20 ? 20 : steps;
}

bool PolicyAllowsPrinting(const Policy& policy) {
  if (PolicyFlag(policy, PolicyKey::kNoPrint)) return false;
  for (PolicyKey key : {PolicyKey::kPrintsPerDay, PolicyKey::kMinutesBetweenPrints})
    if (policy.values[static_cast<int>(key)].unreadable) return false;
  return true;
}

std::string WritePolicyFile(const PolicyValue* userValues) {
  std::string text;
  for (const char* section : {"Policy", "Access"}) {
    std::string lines;
    for (const PolicyKeyInfo& info : kKeys) {
      const PolicyValue& value = userValues[static_cast<int>(info.key)];
      if (value.source == PolicySource::kNone || !SameName(section, info.section)) continue;
      const std::string shown = value.unreadable                        ? value.raw
                                : info.kind == PolicyValueKind::kText ? value.text
                                                                      : std::to_string(value.number);
      lines += std::string(info.name) + "=" + shown + "\r\n";
    }
    if (!lines.empty()) text += "[" + std::string(section) + "]\r\n" + lines;
  }
  return text;
}
