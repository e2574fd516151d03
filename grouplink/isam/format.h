// The on-disk layout of a record-file pair, and little-endian field access.
//
// .idx header (page 0), little-endian 32-bit fields:
//   OFFSET  SIZE     FIELD
//   0       4        record size R
//   4       4        head of the free-record list in the .dat file (-1 = empty)
//   8       4        head of the free-page list in the .idx file (-1 = empty)
//   12      8 x 112  index definitions, slot 0 to 7
//   908     116      reserved (zeros)
//   1024    ...      pages of 1024 bytes
//
// Index definition (112 bytes):
//   0       4        number of key segments S (1-8; 0 = free slot)
//   4       8 x 12   segments: type word, field offset in the record, key part length
//   100     4        key-entry length L = 4 + sum of the segment lengths
//   104     4        height of the tree (0 = the root is a leaf)
//   108     4        file offset of the root page
//
// Page (1024 bytes), holding at most C = 1008 / L entries:
//   0       4        number of entries n
//   4       4        previous leaf page (-1 = none; leaves only)
//   8       4        next leaf page (-1 = none; leaves only)
//   12      L x n    entries: 4-byte pointer, then the key (record offset in a leaf, child page
//                    whose keys are all <= this key in an inner page)
//   12+L*n  4        inner pages: the child holding the keys above the last key
// A free page's first 4 bytes hold the next free page (-1 ends the list).
//
// .dat file: records of R bytes end to end. A live record's first 4 bytes hold its own
// offset; a free record's hold the next free record (-1 ends the list).
#pragma once
#include <cstdint>
#include <cstring>

#include "grouplink/isam/isam_types.h"

constexpr uint32_t kPageSize = 1024;
constexpr uint32_t kHeaderBytes = 908;
constexpr uint32_t kSlotCount = 8;
constexpr uint32_t kSlotBytes = 112;
constexpr uint32_t kSlotsAt = 12;
constexpr uint32_t kEntriesAt = 12;
constexpr uint32_t kPageRoom = 1008;                  // bytes for entries and the last child
constexpr uint32_t kMaxEntryLength = kPageRoom / 2;   // at least two entries per page
constexpr uint32_t kMaxRecordSize = 1u << 20;
constexpr uint32_t kMaxHeight = 32;                   // 2^31 bytes of pages, fan-out >= 2
constexpr uint32_t kMaxOffset = 0x7FFFFFFFu;          // offsets are signed 32-bit on disk
constexpr uint32_t kNoLink = 0xFFFFFFFFu;             // -1 on disk
constexpr uint32_t kKindMask = 0x0F;
constexpr uint32_t kDescending = 0x80;

inline uint32_t Get32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline void Put32(uint8_t* p, uint32_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
  p[2] = uint8_t(v >> 16);
  p[3] = uint8_t(v >> 24);
}

inline uint32_t Capacity(uint32_t entryLength) { return kPageRoom / entryLength; }

// Page fields.
inline uint32_t PageCount(const uint8_t* page) { return Get32(page); }
inline uint32_t PagePrev(const uint8_t* page) { return Get32(page + 4); }
inline uint32_t PageNext(const uint8_t* page) { return Get32(page + 8); }
inline uint8_t* PageEntry(uint8_t* page, uint32_t L, uint32_t i) { return page + kEntriesAt + L * i; }
inline const uint8_t* PageEntry(const uint8_t* page, uint32_t L, uint32_t i) {
  return page + kEntriesAt + L * i;
}
inline uint32_t EntryPointer(const uint8_t* page, uint32_t L, uint32_t i) {
  return Get32(PageEntry(page, L, i));
}
inline const uint8_t* EntryKey(const uint8_t* page, uint32_t L, uint32_t i) {
  return PageEntry(page, L, i) + 4;
}
inline uint32_t LastChild(const uint8_t* page, uint32_t L) {
  return Get32(page + kEntriesAt + L * PageCount(page));
}
// The child an inner page sends position `pos` (0..n) to.
inline uint32_t ChildAt(const uint8_t* page, uint32_t L, uint32_t pos) {
  return pos < PageCount(page) ? EntryPointer(page, L, pos) : LastChild(page, L);
}

// The header, decoded. Offsets and heads use kNoLink for -1.
struct IndexSlot {
  uint32_t count;  // 0 = free slot
  IsamSegment segment[8];
  uint32_t entryLength;
  uint32_t height;
  uint32_t root;
};
struct Header {
  uint32_t recordSize;
  uint32_t freeRecord;
  uint32_t freePage;
  IndexSlot slot[kSlotCount];
};

void DecodeHeader(const uint8_t* raw, Header* h);
// Writes the fields of `h` over `raw`, leaving free slots and the reserved bytes as they are.
void EncodeHeader(const Header& h, uint8_t* raw);
// Checks sizes, list heads and every used slot against the file sizes. 0 or kIsamDamaged.
int CheckHeader(const Header& h, uint64_t datSize, uint64_t idxSize, const char** why);
