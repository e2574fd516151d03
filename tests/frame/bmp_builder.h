// Builds bitmap files in memory for the reader tests, field by field (little-endian).
#pragma once
#include <cstdint>
#include <vector>

struct BmpSpec {
  int headerSize = 40;  // 40 info header, 12 core header
  int32_t width = 4;
  int32_t height = 2;
  uint16_t planes = 1;
  uint16_t bits = 24;
  uint32_t compression = 0;
  uint32_t sizeImage = 0;
  uint32_t clrUsed = 0;
  int tableEntries = -1;     // entries written; -1: what the header implies
  int64_t bitsOffset = -1;   // -1: right after the table
  int64_t pixelBytes = -1;   // -1: stride * |height|
  uint8_t fill = 0x5A;
};

inline void Put(std::vector<uint8_t>& b, uint64_t v, int n) {
  for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline std::vector<uint8_t> BuildBmp(const BmpSpec& s) {
  const int entry = s.headerSize == 12 ? 3 : 4;
  int entries = s.tableEntries;
  if (entries < 0) entries = s.bits <= 8 ? (s.clrUsed ? static_cast<int>(s.clrUsed) : 1 << s.bits) : 0;
  const uint64_t stride = ((static_cast<uint64_t>(s.bits) * static_cast<uint32_t>(s.width) + 31) / 32) * 4;
  const int64_t rows = s.height < 0 ? -static_cast<int64_t>(s.height) : s.height;
  const uint64_t offset = s.bitsOffset >= 0 ? static_cast<uint64_t>(s.bitsOffset)
                                            : 14 + s.headerSize + static_cast<uint64_t>(entries) * entry;
  std::vector<uint8_t> b;
  b.push_back('B');
  b.push_back('M');
  Put(b, 0, 4);
  Put(b, 0, 4);
  Put(b, offset, 4);
  if (s.headerSize == 12) {
    Put(b, 12, 4);
    Put(b, static_cast<uint16_t>(s.width), 2);
    Put(b, static_cast<uint16_t>(s.height), 2);
    Put(b, s.planes, 2);
    Put(b, s.bits, 2);
  } else {
    Put(b, s.headerSize, 4);
    Put(b, static_cast<uint32_t>(s.width), 4);
    Put(b, static_cast<uint32_t>(s.height), 4);
    Put(b, s.planes, 2);
    Put(b, s.bits, 2);
    Put(b, s.compression, 4);
    Put(b, s.sizeImage, 4);
    Put(b, 0, 4);
    Put(b, 0, 4);
    Put(b, s.clrUsed, 4);
    Put(b, 0, 4);
    while (b.size() < 14u + static_cast<unsigned>(s.headerSize)) b.push_back(0);
  }
  for (int i = 0; i < entries; ++i) {
    b.push_back(static_cast<uint8_t>(i));       // blue
    b.push_back(static_cast<uint8_t>(i * 2));   // green
    b.push_back(static_cast<uint8_t>(255 - i)); // red
    if (entry == 4) b.push_back(0);
  }
  while (b.size() < offset) b.push_back(0);
  const int64_t pixels = s.pixelBytes >= 0 ? s.pixelBytes : static_cast<int64_t>(stride * rows);
  for (int64_t i = 0; i < pixels; ++i) b.push_back(static_cast<uint8_t>(s.fill + i));
  return b;
}
