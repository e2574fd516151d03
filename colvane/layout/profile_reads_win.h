// Reads of the profile files (the layout file and both settings files), from snapshots while a
// ProfileReadScope stands: start-up reads some three hundred keys, and each profile call costs
// far more than a look into memory.
#pragma once
#include <windows.h>

// While one stands, each profile file is listed once (at its first read) and read from memory.
// A write through SettingsFile or ForgetProfileSnapshots makes the next read list it again.
class ProfileReadScope {
 public:
  ProfileReadScope();
  ~ProfileReadScope();
  ProfileReadScope(const ProfileReadScope&) = delete;
  ProfileReadScope& operator=(const ProfileReadScope&) = delete;
};

// As GetPrivateProfileStringA and GetPrivateProfileIntA with a key and a section named.
DWORD ReadProfileString(const char* path, const char* section, const char* key, const char* defaultValue,
                        char* buffer, DWORD size);
UINT ReadProfileInt(const char* path, const char* section, const char* key, int defaultValue);
void ForgetProfileSnapshots();
