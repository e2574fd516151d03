// Whether a name fits whole in its field of the uninstall log, so the log never names
// anything but what was created. Lengths are in bytes: a double-byte character takes two.
#pragma once
#include <cstddef>

// The logged exports refuse a name that doesn't fit with GL_NAME_TOO_LONG (grouplink_win.h), and
// nothing is then created, written or logged.

// Each limit leaves room for the terminating zero. Groups and items are also index keys of
// 30 bytes, and a group is stored in the item log's 30-byte field too.
bool GroupNameFits(const char* group);          // 29 bytes
bool ItemNameFits(const char* item);            // 29 bytes
bool GroupOwnerFits(const char* owner);         // 39 bytes, group and item logs
bool ProfileOwnerFits(const char* owner);       // 19 bytes, profile log
bool ProfileFileFits(const char* path);         // 59 bytes, full path of the INI file
bool ProfileSectionFits(const char* section);  // 29 bytes
bool ProfileKeyFits(const char* key);           // 29 bytes
