// The length rule of the uninstall log's fields; a missing string is empty and fits.
#include "grouplink/log_limits.h"

#include <cstring>

namespace {
bool Fits(const char* text, size_t field) { return !text || std::strlen(text) < field; }
}  // namespace

bool GroupNameFits(const char* group) { return Fits(group, 30); }
bool ItemNameFits(const char* item) { return Fits(item, 30); }
bool GroupOwnerFits(const char* owner) { return Fits(owner, 40); }
bool ProfileOwnerFits(const char* owner) { return Fits(owner, 20); }
bool ProfileFileFits(const char* path) { return Fits(path, 60); }
bool ProfileSectionFits(const char* section) { return Fits(section, 30); }
bool ProfileKeyFits(const char* key) { return Fits(key, 30); }
