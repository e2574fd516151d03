// The policy files: which file wins, what a value that can't be read means, and the encodings a
// grown-up's editor may save in.
#include "colvane/layout/policy.h"

#include <gtest/gtest.h>

namespace {

std::string Utf16(const std::string& text, bool little) {
  std::string bytes = little ? std::string("\xFF\xFE") : std::string("\xFE\xFF");
  for (char c : text) {
    bytes.push_back(little ? c : '\0');
    bytes.push_back(little ? '\0' : c);
  }
  return bytes;
}

const char kNulLine[] = "[Policy]\nNoDelete=1\0x\nNoNewBox=1\n";

struct LayerCase {
  const char* what;
  std::string machine, user;
  PolicyKey key;
  int number;
  PolicySource source;
  bool unreadable;
};

TEST(Policy, ReadsAndLaysKeyByKey) {
  const LayerCase cases[] = {
      {"nothing: as always", "", "", PolicyKey::kNoQuit, 0, PolicySource::kNone, false},
      {"absent undo is the toggle", "", "", PolicyKey::kUndoSteps, 1, PolicySource::kNone, false},
      {"user's key", "", "[Policy]\nNoQuit=1\n", PolicyKey::kNoQuit, 1, PolicySource::kUser, false},
      {"machine wins", "[Policy]\nNoQuit=0\n", "[Policy]\nNoQuit=1\n", PolicyKey::kNoQuit, 0, PolicySource::kMachine,
       false},
      {"machine's other key leaves the user's", "[Policy]\nNoPrint=1\n", "[Policy]\nNoQuit=1\n", PolicyKey::kNoQuit,
       1, PolicySource::kUser, false},
      {"names ignore case, spaces trimmed", "[policy]\r\n  noquit = 1 \r\n", "", PolicyKey::kNoQuit, 1,
       PolicySource::kMachine, false},
      {"broken no-quit keeps quitting", "[Policy]\nNoQuit=yes please\n", "", PolicyKey::kNoQuit, 0,
       PolicySource::kMachine, true},
      {"broken no-print refuses printing", "", "[Policy]\nNoPrint=2\n", PolicyKey::kNoPrint, 1, PolicySource::kUser,
       true},
      {"undo out of range", "", "[Policy]\nUndoSteps=21\n", PolicyKey::kUndoSteps, 1, PolicySource::kUser, true},
      {"undo zero is the toggle", "", "[Policy]\nUndoSteps=0\n", PolicyKey::kUndoSteps, 1, PolicySource::kUser,
       false},
      {"undo in range", "", "[Policy]\nUndoSteps=20\n", PolicyKey::kUndoSteps, 20, PolicySource::kUser, false},
      {"negative number", "", "[Policy]\nPrintsPerDay=-3\n", PolicyKey::kPrintsPerDay, 0, PolicySource::kUser, true},
      {"huge number", "", "[Policy]\nPrintsPerDay=99999999999\n", PolicyKey::kPrintsPerDay, 0, PolicySource::kUser,
       true},
      {"scan zero is the default", "", "[Access]\nScanMs=0\n", PolicyKey::kScanMs, 1500, PolicySource::kUser, false},
      {"access key in the policy section is unknown", "", "[Policy]\nScanMs=900\n", PolicyKey::kScanMs, 1500,
       PolicySource::kNone, false},
      {"UTF-16 from Notepad", Utf16("[Policy]\r\nNoExport=1\r\n", true), "", PolicyKey::kNoExport, 1,
       PolicySource::kMachine, false},
      {"UTF-16 big endian", Utf16("[Policy]\r\nNoExport=1\r\n", false), "", PolicyKey::kNoExport, 1,
       PolicySource::kMachine, false},
      {"UTF-8 mark", "\xEF\xBB\xBF[Policy]\nNoDelete=1\n", "", PolicyKey::kNoDelete, 1, PolicySource::kMachine, false},
      {"a NUL line is skipped", std::string(kNulLine, sizeof(kNulLine) - 1), "", PolicyKey::kNoNewBox, 1,
       PolicySource::kMachine, false},
  };
  for (const LayerCase& c : cases) {
    const Policy policy = ReadPolicyFiles(c.machine, c.user);
    const PolicyValue& value = policy.values[static_cast<int>(c.key)];
    EXPECT_EQ(value.number, c.number) << c.what;
    EXPECT_EQ(value.source, c.source) << c.what;
    EXPECT_EQ(value.unreadable, c.unreadable) << c.what;
    const bool told = c.unreadable || std::string(c.what).find("unknown") != std::string::npos ||
                      std::string(c.what).find("NUL") != std::string::npos;
    EXPECT_EQ(policy.faults.empty(), !told) << c.what;
  }
}

TEST(Policy, PrintingAndTexts) {
  struct Case {
    std::string user;
    bool prints;
    const char* folder;
  } cases[] = {
      {"", true, ""},
      {"[Policy]\nPrintsPerDay=3\nMinutesBetweenPrints=10\n", true, ""},
      {"[Policy]\nPrintsPerDay=lots\n", false, ""},
      {"[Policy]\nMinutesBetweenPrints=1441\n", false, ""},
      {"[Policy]\nLibraryFolder=D:\\Class 2\\Pictures\n", true, "D:\\Class 2\\Pictures"},
      {"[Policy]\nLibraryFolder=\\\\school\\art\n", true, "\\\\school\\art"},
      {"[Policy]\nLibraryFolder=Pictures\n", true, ""},
      {"[Policy]\nLibraryFolder=C:\\a?b\n", true, ""},
  };
  for (const Case& c : cases) {
    const Policy policy = ReadPolicyFiles("", c.user);
    EXPECT_EQ(PolicyAllowsPrinting(policy), c.prints) << c.user;
    EXPECT_EQ(PolicyText(policy, PolicyKey::kLibraryFolder), c.folder) << c.user;
  }
}

TEST(Policy, SwitchKeys) {
  struct Case {
    const char* text;
    bool valid;
    size_t count;
  } cases[] = {{"Space", true, 1}, {"Space, Enter", true, 2}, {"F5,f12", true, 2}, {"F25", false, 0},
               {"Space,Enter,Tab", false, 0}, {"", false, 0}, {"Shift", false, 0}, {"a,1", true, 2}};
  for (const Case& c : cases) {
    std::vector<std::string> names;
    EXPECT_EQ(SwitchKeyNames(c.text, &names), c.valid) << c.text;
    if (c.valid) {
      EXPECT_EQ(names.size(), c.count) << c.text;
    }
  }
}

TEST(Policy, UserFileWrittenIsReadBackTheSame) {
  const Policy read = ReadPolicyFiles("[Policy]\nNoQuit=1\n",
                                      "[Policy]\nUndoSteps=5\nPrintsPerDay=x\nLibraryFolder=E:\\Art\n[Access]\n"
                                      "Switches=2\nSwitchKeys=F1,F2\n");
  PolicyValue user[kPolicyKeyCount];
  for (int i = 0; i < kPolicyKeyCount; ++i)
    if (read.values[i].source == PolicySource::kUser) user[i] = read.values[i];
  const Policy again = ReadPolicyFiles("", WritePolicyFile(user));
  for (int i = 0; i < kPolicyKeyCount; ++i) {
    if (read.values[i].source != PolicySource::kUser) {
      EXPECT_EQ(again.values[i].source, PolicySource::kNone) << i;
      continue;
    }
    EXPECT_EQ(again.values[i].number, read.values[i].number) << i;
    EXPECT_EQ(again.values[i].text, read.values[i].text) << i;
    EXPECT_EQ(again.values[i].raw, read.values[i].raw) << i;
  }
}

}  // namespace
