// Bitmap file reader. Every size is computed in 64 bits and checked against the bytes present
// before anything is allocated or copied.
//
// OFFSET SIZE FIELD (file header)        OFFSET SIZE FIELD (info header, at 14)
//   0     2   "BM"                          0    4   header size (40; 12 = core header)
//   2     4   file size (unused)            4    4   width          (core: 2 bytes)
//   6     4   reserved                      8    4   height, < 0 = top-down (core: 2 bytes)
//  10     4   offset of the rows           12    2   planes (1)     (core: at 8)
//                                          14    2   bits per pixel (core: at 10)
//                                          16    4   compression (0 only)
//                                          20    4   image size (ignored: computed)
//                                          32    4   colours used (0: 2^bits up to 8 bits)
// The colour table follows the header: 4-byte entries, 3-byte entries after a core header.
#include "colvane/frame/dib_file.h"

#include <cstring>

namespace {

uint32_t U16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t U32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
void Put16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

DibResult Fail(const char** why, const char* reason) {
  if (why) *why = reason;
  return kDibBad;
}

}  // namespace

DibResult ReadDibFile(const uint8_t* data, size_t size, DibImage* out, const char** why) {
  if (why) *why = "";
  if (!data || size < 14 || data[0] != 'B' || data[1] != 'M') {
    if (why) *why = "no bitmap signature";
    return kDibNotBitmap;
  }
  const uint64_t bitsAt = U32(data + 10);
  if (size < 18) return Fail(why, "header cut");
  const uint32_t headerSize = U32(data + 14);
  if (headerSize != 40 && headerSize != 12) return Fail(why, "unsupported header size");
  if (size < 14 + static_cast<uint64_t>(headerSize)) return Fail(why, "header cut");
  const uint8_t* h = data + 14;

  int64_t width, height;
  uint32_t planes, bits, compression = 0, used = 0, entrySize;
  if (headerSize == 40) {
    width = static_cast<int32_t>(U32(h + 4));
    height = static_cast<int32_t>(U32(h + 8));
    planes = U16(h + 12);
    bits = U16(h + 14);
    compression = U32(h + 16);
    used = U32(h + 32);
    entrySize = 4;
  } else {
    width = U16(h + 4);
    height = U16(h + 6);
    planes = U16(h + 8);
    bits = U16(h + 10);
    entrySize = 3;
  }
  if (planes != 1) return Fail(why, "planes not 1");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return Fail(why, "bad bit count");
  if (headerSize == 12 && bits != 1 && bits != 4 && bits != 8 && bits != 24)
    return Fail(why, "bad core bit count");
  if (compression != 0) return Fail(why, "compressed");
  const bool topDown = height < 0;
  const int64_t rows = topDown ? -height : height;
  if (width <= 0 || rows <= 0) return Fail(why, "empty");
  if (width > kDibMaxSide || rows > kDibMaxSide) return Fail(why, "too large");

  // Colour table: a full 2^bits table for indexed pictures (entries the file does not give stay
  // black, so no pixel index reads past it); none is kept for 16 to 32 bits.
  const uint32_t fullTable = bits <= 8 ? (1u << bits) : 0;
  uint64_t fileEntries = 0;
  if (bits <= 8) fileEntries = (used == 0 || used > fullTable) ? fullTable : used;
  else if (used > 0 && used <= 256) fileEntries = used;  // optional table, skipped
  else if (used > 256) return Fail(why, "bad colour count");
  const uint64_t tableAt = 14 + static_cast<uint64_t>(headerSize);
  const uint64_t tableEnd = tableAt + fileEntries * entrySize;
  if (tableEnd > size) return Fail(why, "colour table cut");

  const uint64_t rowSize = ((static_cast<uint64_t>(bits) * width + 31) / 32) * 4;
  const uint64_t imageSize = rowSize * rows;
  if (bitsAt < tableAt || bitsAt > 0x7FFFFFFFu) return Fail(why, "bad bits offset");
  if (bitsAt > size || size - bitsAt < imageSize) return Fail(why, "rows cut");

  const uint64_t total = 40 + static_cast<uint64_t>(fullTable) * 4 + imageSize;
  out->packed.assign(static_cast<size_t>(total), 0);
  uint8_t* p = out->packed.data();
  Put32(p, 40);
  Put32(p + 4, static_cast<uint32_t>(width));
  Put32(p + 8, static_cast<uint32_t>(rows));
  Put16(p + 12, 1);
  Put16(p + 14, bits);
  Put32(p + 20, static_cast<uint32_t>(imageSize));
  Put32(p + 32, fullTable);
  if (bits <= 8) {
    for (uint64_t i = 0; i < fileEntries; ++i) {
      const uint8_t* e = data + tableAt + i * entrySize;
      uint8_t* q = p + 40 + i * 4;
      q[0] = e[0];
      q[1] = e[1];
      q[2] = e[2];
    }
  }
  uint8_t* dst = p + 40 + static_cast<size_t>(fullTable) * 4;
  const uint8_t* src = data + bitsAt;
  if (topDown) {
    for (int64_t r = 0; r < rows; ++r)
      std::memcpy(dst + r * rowSize, src + (rows - 1 - r) * rowSize, static_cast<size_t>(rowSize));
  } else {
    std::memcpy(dst, src, static_cast<size_t>(imageSize));
  }
  out->width = static_cast<int>(width);
  out->height = static_cast<int>(rows);
  out->bitCount = static_cast<int>(bits);
  out->colours = fullTable;
  out->rowSize = static_cast<uint32_t>(rowSize);
  out->bitsOffset = 40 + static_cast<size_t>(fullTable) * 4;
  return kDibOk;
}

uint32_t DibColorCount(const uint8_t* header, size_t size) {
  if (!header || size < 4) return 0;
  uint32_t headerSize = U32(header);
  uint32_t bits;
  if (headerSize == 40 && size >= 40) {
    uint32_t used = U32(header + 32);
    if (used != 0) return used;
    bits = U16(header + 14);
  } else if (headerSize == 12 && size >= 12) {
    bits = U16(header + 10);
  } else {
    return 0;
  }
  return bits == 1 ? 2 : bits == 4 ? 16 : bits == 8 ? 256 : 0;
}

int DibPaletteEntries(const uint8_t* dib, size_t size, uint8_t rgb[256][3]) {
  if (!dib || size < 40 || U32(dib) != 40) return 0;
  uint32_t used = U32(dib + 32);
  uint32_t count;
  if (used != 0) {
    count = used & 0xFFFF;  // a palette holds a 16-bit count
  } else {
    uint32_t bits = U16(dib + 14);
    count = bits == 1 ? 2 : bits == 4 ? 16 : bits == 8 ? 256 : 0;
  }
  if (count == 0 || count > 256) return 0;
  if (40 + static_cast<uint64_t>(count) * 4 > size) return 0;
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* q = dib + 40 + i * 4;  // RGBQUAD: blue, green, red, reserved
    rgb[i][0] = q[2];
    rgb[i][1] = q[1];
    rgb[i][2] = q[0];
  }
  return static_cast<int>(count);
}
