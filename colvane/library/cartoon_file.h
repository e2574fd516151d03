// The cartoon file kept beside a picture: the cartoons placed on it with their walking paths.
// Little-endian: a head (mark 0x0D0D, count N), N directory entries of five 32-bit fields (group,
// number, point count, state word, list offset), then the point lists of (x, y) signed pairs.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct CartoonPoint {
  int32_t x = 0;
  int32_t y = 0;
};

constexpr uint16_t kCartoonFileMark = 0x0D0D;
constexpr size_t kCartoonHeadSize = 4, kCartoonEntrySize = 20, kCartoonPointSize = 8;

// One cartoon as the file keeps it.
struct CartoonRecord {
  int32_t group = 0;
  int32_t number = 0;
  uint32_t state = 0;
  std::vector<CartoonPoint> path;  // at least one point
};

// A directory entry as read; its points are read only for the cartoons that can be loaded.
struct CartoonEntry {
  int32_t group = 0;
  int32_t number = 0;
  uint32_t pointCount = 0;
  uint32_t state = 0;
  uint32_t listOffset = 0;
};

struct CartoonDirectory {
  bool valid = false;                // the head was whole and carried the mark
  uint16_t declared = 0;             // the count the head gives
  std::vector<CartoonEntry> entries;  // the whole entries the file holds, at most `declared`
};

// The head and the directory. Entries cut off by the end of the file are not listed.
CartoonDirectory ReadCartoonDirectory(const uint8_t* data, size_t size);
// The point list of an entry; false when it is empty or does not lie wholly inside the file.
bool ReadCartoonPath(const uint8_t* data, size_t size, const CartoonEntry& entry, std::vector<CartoonPoint>* path);

// The whole file for the records, in their order. Records without a point are left out.
std::vector<uint8_t> WriteCartoonFile(const std::vector<CartoonRecord>& records);
