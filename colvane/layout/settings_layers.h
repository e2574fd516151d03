// The settings are two files read as one: the user's own file over the machine's (the one the
// setup writes, which a standard account can only read). Pure: the files are reached through
// SettingsFile, so the order is the same for the real profile functions and for tests.
#pragma once
#include <string>

class SettingsFile {
 public:
  virtual ~SettingsFile() = default;
  // True, with the value, when the file holds the key.
  virtual bool Read(const char* section, const char* key, std::string* value) = 0;
  // Writes the key, or removes it when value is null; false when the file can't be changed.
  virtual bool Write(const char* section, const char* key, const char* value) = 0;
};

// The file a read takes the key from: the user's when it holds the key, else the machine's.
SettingsFile& SettingsFileHolding(SettingsFile& user, SettingsFile& machine, const char* section, const char* key);

// The value of the key, or `fallback` when neither file holds it.
std::string ReadLayeredSetting(SettingsFile& user, SettingsFile& machine, const char* section, const char* key,
                               const char* fallback);

// Keeps a value so that the next read returns it: in the machine's file while it can be written
// (a copy in the user's file, which would hide it, goes), else in the user's file. False when
// neither file takes it.
bool WriteLayeredSetting(SettingsFile& user, SettingsFile& machine, const char* section, const char* key,
                         const char* value);
