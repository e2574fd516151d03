// The order in which the user's and the machine's settings files are read and written.
#include "colvane/layout/settings_layers.h"

SettingsFile& SettingsFileHolding(SettingsFile& user, SettingsFile& machine, const char* section, const char* key) {
  std::string ignored;
  return user.Read(section, key, &ignored) ? user : machine;
}

std::string ReadLayeredSetting(SettingsFile& user, SettingsFile& machine, const char* section, const char* key,
                               const char* fallback) {
  std::string value;
  if (user.Read(section, key, &value) || machine.Read(section, key, &value)) return value;
  return fallback;
}

bool WriteLayeredSetting(SettingsFile& user, SettingsFile& machine, const char* section, const char* key,
                         const char* value) {
  std::string ignored;
  const bool userHolds = user.Read(section, key, &ignored);
  if (machine.Write(section, key, value)) {
    // A copy the user's file can't give up goes on hiding the machine's value: keep it equal.
    if (userHolds && !user.Write(section, key, nullptr)) return user.Write(section, key, value);
    return true;
  }
  return user.Write(section, key, value);
}
