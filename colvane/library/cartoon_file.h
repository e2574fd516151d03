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
  bool valid = false;                 // a whole head with the mark, and the whole directory it declares
  std::vector<CartoonEntry> entries;  // in slot order
  size_t listsStart = 0;              // where the directory ends and the point lists may begin
};

// The head and the directory: refused (no entries) when the head is short or unmarked, or when
// the directory it declares does not fit in the file.
CartoonDirectory ReadCartoonDirectory(const uint8_t* data, size_t size);
// The point list of an entry; false when it is empty, starts inside the directory or does not
// lie wholly inside the file.
bool ReadCartoonPath(const uint8_t* data, size_t size, const CartoonDirectory& directory, const CartoonEntry& entry,
                     std::vector<CartoonPoint>* path);

// The whole file for the records, in their order. Records without a point are left out.
std::vector<uint8_t> WriteCartoonFile(const std::vector<CartoonRecord>& records);
