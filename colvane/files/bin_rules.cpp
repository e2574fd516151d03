// Names, order and limit of a box's bin.
#include "colvane/files/bin_rules.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "colvane/files/library_paths.h"

namespace {
constexpr int kSerialDigits = 5;  // at least; more once a bin has seen 99999 pictures
constexpr int kLargestSerial = 999999999;
}  // namespace

std::string BinEntryName(int serial, const std::string& picture) {
  char number[16];
  std::snprintf(number, sizeof(number), "%0*d", kSerialDigits, serial);
  return std::string(number) + " " + picture;
}

bool ParseBinEntry(const std::string& entry, int* serial, std::string* picture) {
  const size_t space = entry.find(' ');
  if (space == std::string::npos || space < kSerialDigits || space > 9) return false;
  int value = 0;
  for (size_t i = 0; i < space; ++i) {
    if (entry[i] < '0' || entry[i] > '9') return false;
    value = value * 10 + (entry[i] - '0');
  }
  const std::string own = entry.substr(space + 1);
  if (!IsListedPictureName(own.c_str())) return false;
  *serial = value;
  *picture = own;
  return true;
}

int NextBinSerial(const std::vector<std::string>& entries) {
  int highest = 0, serial;
  std::string picture;
  for (const std::string& entry : entries) {
    if (ParseBinEntry(entry, &serial, &picture)) highest = std::max(highest, serial);
  }
  return std::min(highest, kLargestSerial - 1) + 1;
}

std::vector<std::string> BinEntriesToDrop(const std::vector<std::string>& entries, int limit) {
  std::vector<std::pair<int, std::string>> kept;
  int serial;
  std::string picture;
  for (const std::string& entry : entries) {
    if (ParseBinEntry(entry, &serial, &picture)) kept.emplace_back(serial, entry);
  }
  std::sort(kept.begin(), kept.end());
  std::vector<std::string> drop;
  const int excess = static_cast<int>(kept.size()) + 1 - std::max(limit, 1);
  for (int i = 0; i < excess; ++i) drop.push_back(kept[i].second);
  return drop;
}
