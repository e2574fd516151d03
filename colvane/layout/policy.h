// The grown-ups' policy: what a parent or teacher locked or changed, read from two files named
// "ColvanePolicy.ini" (the machine's, which wins key by key, and the user's). Every key absent or
// 0 leaves the program as it always was. Pure: the files arrive as their bytes.
#pragma once
#include <string>
#include <vector>

enum class PolicyKey {
  kNoQuit,
  kNoPrint,
  kPrintsPerDay,
  kMinutesBetweenPrints,
  kNoExport,
  kNoDelete,
  kNoNewBox,
  kStartBlank,
  kSoundOff,
  kMusicOff,
  kUndoSteps,
  kLibraryFolder,
  kSwitches,
  kScanMs,
  kAcceptMs,
  kSwitchKeys,
  kDwellMs,
  kDwellRadius,
  kCount
};
constexpr int kPolicyKeyCount = static_cast<int>(PolicyKey::kCount);

enum class PolicyValueKind { kFlag, kNumber, kText };

// One key of the table: where it lives, what it takes, and what a value that can't be read
// means. For a number, 0 always reads as "off" besides the range.
struct PolicyKeyInfo {
  PolicyKey key;
  const char* section;  // "Policy" or "Access"
  const char* name;
  PolicyValueKind kind;
  int low, high;     // a number's range (0 is also taken)
  int absent;        // the value when no file holds the key
  int broken;        // the value when the key's text can't be read: the safe reading of a lock
  bool (*textValid)(const std::string& text);  // kText only; null takes any text
};
const PolicyKeyInfo& PolicyKeyDescription(PolicyKey key);
// The key named in `section` (case-insensitive, as profile files are), or kCount.
PolicyKey FindPolicyKey(const std::string& section, const std::string& name);

enum class PolicySource { kNone, kUser, kMachine };

struct PolicyValue {
  int number = 0;
  std::string text;
  PolicySource source = PolicySource::kNone;
  bool unreadable = false;  // present but not a value of this key: `number` is the broken reading
  std::string raw;          // the file's text, kept to show what could not be read
};

struct Policy {
  PolicyValue values[kPolicyKeyCount];
  std::vector<std::string> faults;  // what the grown-ups' screen says could not be read
};

// The key=value lines of one policy file. Plain text in the ANSI code page, or UTF-8 or UTF-16
// with a byte-order mark (what Notepad writes). Lines that are not key=value, a line holding a
// NUL, a key outside the known sections and unknown keys are told in `faults`.
struct PolicyFileEntry {
  std::string section, name, value;
};
struct PolicyFileText {
  std::vector<PolicyFileEntry> entries;
  std::vector<std::string> faults;
};
PolicyFileText ParsePolicyFile(const std::string& bytes);

// The policy of the two files; the machine's value of a key wins over the user's.
Policy LayPolicy(const PolicyFileText& machine, const PolicyFileText& user);
Policy ReadPolicyFiles(const std::string& machineBytes, const std::string& userBytes);

inline bool PolicyFlag(const Policy& policy, PolicyKey key) {
  return policy.values[static_cast<int>(key)].number != 0;
}
inline int PolicyNumber(const Policy& policy, PolicyKey key) { return policy.values[static_cast<int>(key)].number; }
inline const std::string& PolicyText(const Policy& policy, PolicyKey key) {
  return policy.values[static_cast<int>(key)].text;
}
// Whether the machine's file decides the key (the grown-ups' screen shows it locked).
inline bool PolicyLocked(const Policy& policy, PolicyKey key) {
  return policy.values[static_cast<int>(key)].source == PolicySource::kMachine;
}
// Undo steps, 1 (the toggle) to 20.
int PolicyUndoSteps(const Policy& policy);
// Whether anything at all may be printed (no printing, or a budget that can't be read, says no).
bool PolicyAllowsPrinting(const Policy& policy);

// The switch keys of "SwitchKeys": one or two names out of Space, Enter, Tab, F1-F24, a letter or
// a digit, separated by commas. False when the text is not such a list.
bool SwitchKeyNames(const std::string& text, std::vector<std::string>* names);

// The user's file as the grown-ups' screen keeps it: every key the user set, numbers and texts.
// `userValues` holds kCount entries; a source of kNone leaves the key out, an unreadable one is
// kept as its text was.
std::string WritePolicyFile(const PolicyValue* userValues);
