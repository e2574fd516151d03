// The user's settings file over the machine's: where reads come from and writes go as either
// file can or can't be written, step by step.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "colvane/layout/settings_layers.h"

namespace {

class MemoryFile : public SettingsFile {
 public:
  bool writable = true;
  std::map<std::string, std::string> keys;
  bool Read(const char* section, const char* key, std::string* value) override {
    auto found = keys.find(std::string(section) + "/" + key);
    if (found == keys.end()) return false;
    *value = found->second;
    return true;
  }
  bool Write(const char* section, const char* key, const char* value) override {
    if (!writable) return false;
    if (value) {
      keys[std::string(section) + "/" + key] = value;
    } else {
      keys.erase(std::string(section) + "/" + key);
    }
    return true;
  }
};

TEST(SettingsLayers, EveryWriteIsReadBackWhicheverFileTakesIt) {
  struct Step {
    bool userWritable, machineWritable;
    const char* value;  // written to DESKTOP/WORKINDIR; null removes
    bool kept;
    const char* read;  // then read back
    const char* inUser;  // what the user's file holds afterwards ("-" none)
    const char* inMachine;
  } steps[] = {
      {true, true, "BOX1", true, "BOX1", "-", "BOX1"},       // the machine's file first
      {true, false, "BOX2", true, "BOX2", "BOX2", "BOX1"},   // locked down: the user's file
      {true, false, "BOX3", true, "BOX3", "BOX3", "BOX1"},
      {true, true, "BOX4", true, "BOX4", "-", "BOX4"},       // unlocked: the hiding copy goes
      {false, false, "BOX5", false, "BOX4", "-", "BOX4"},    // nowhere to keep it: told so
      {true, false, "BOX6", true, "BOX6", "BOX6", "BOX4"},
      {false, true, "BOX7", false, "BOX6", "BOX6", "BOX7"},  // a copy that can't go hides it: told so
      {true, false, nullptr, true, "BOX7", "-", "BOX7"},     // the user's copy goes, the machine's shows
  };
  MemoryFile user, machine;
  int n = 0;
  for (const Step& s : steps) {
    ++n;
    user.writable = s.userWritable;
    machine.writable = s.machineWritable;
    const bool kept = WriteLayeredSetting(user, machine, "DESKTOP", "WORKINDIR", s.value);
    std::string inUser = "-", inMachine = "-";
    user.Read("DESKTOP", "WORKINDIR", &inUser);
    machine.Read("DESKTOP", "WORKINDIR", &inMachine);
    EXPECT_EQ(kept, s.kept) << "step " << n;
    EXPECT_EQ(ReadLayeredSetting(user, machine, "DESKTOP", "WORKINDIR", "none"), s.read) << "step " << n;
    EXPECT_EQ(inUser, s.inUser) << "step " << n;
    EXPECT_EQ(inMachine, s.inMachine) << "step " << n;
  }
}

TEST(SettingsLayers, ReadsTakeEachKeyFromTheUserFirstThenTheMachine) {
  MemoryFile user, machine;
  machine.keys = {{"FILE/PATH", "C:\\Program Files\\Colvane"}, {"SOUND/MIDI", "1"}};
  user.keys = {{"SOUND/MIDI", "0"}, {"SOUND/SOUND", ""}};
  EXPECT_EQ(ReadLayeredSetting(user, machine, "FILE", "PATH", ""), "C:\\Program Files\\Colvane");
  EXPECT_EQ(ReadLayeredSetting(user, machine, "SOUND", "MIDI", "1"), "0");
  EXPECT_EQ(ReadLayeredSetting(user, machine, "SOUND", "SOUND", "256"), "");  // an empty value is a value
  EXPECT_EQ(ReadLayeredSetting(user, machine, "DESKTOP", "PAPERTYPEID", "3"), "3");
  EXPECT_EQ(&SettingsFileHolding(user, machine, "SOUND", "MIDI"), &user);
  EXPECT_EQ(&SettingsFileHolding(user, machine, "FILE", "PATH"), &machine);
}

}  // namespace
