// Bitmap file reader. Every size is computed in 64 bits and checked against the bytes present
// before anything is allocated or copied.
//
// OFFSET SIZE FIELD (file header; picture mode also reads files without it)
//   0     2   "BM"
//   2     4   file size (unused)
//   6     4   reserved
//  10     4   offset of the rows (picture mode: 0 = right after the colour table)
// OFFSET SIZE FIELD (info header, at 14; at 0 without a file header)
//   0     4   header size (40; 12 = core header)
//   4     4   width                    (core: 2 bytes)
//   8     4   height, < 0 = top-down   (core: 2 bytes at 6)
//  12     2   planes (1)               (core: at 8)
//  14     2   bits per pixel           (core: at 10)
//  16     4   compression (0 only)
//  20     4   image size (ignored: computed)
//  32     4   colours used (0: 2^bits up to 8 bits)
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

DibResult ParseDibLayout(const uint8_t* data, size_t size, DibMode mode, DibLayout* out,
                         const char** why) {
  if (why) *why = "";
  const bool picture = mode == kDibPicture;
  const bool fileHeader = data && size >= 14 && data[0] == 'B' && data[1] == 'M';
  if (!fileHeader && !picture) {
    if (why) *why = "no bitmap signature";
    return kDibNotBitmap;
  }
  if (!data) return Fail(why, "no bytes");
  const uint64_t headerAt = fileHeader ? 14 : 0;
  const uint64_t givenBitsAt = fileHeader ? U32(data + 10) : 0;
  if (size < headerAt + 4) return Fail(why, "header cut");
  const uint32_t headerSize = U32(data + headerAt);
  if (headerSize != 40 && headerSize != 12) return Fail(why, "unsupported header size");
  // Pictures are read a whole info header at a time, even ahead of a core header.
  if (size < headerAt + (picture ? 40 : headerSize)) return Fail(why, "header cut");
  const uint8_t* h = data + headerAt;

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
  if (headerSize == 12 && !picture && bits != 1 && bits != 4 && bits != 8 && bits != 24)
    return Fail(why, "bad core bit count");
  if (compression != 0) return Fail(why, "compressed");
  const int64_t rows = height < 0 ? -height : height;
  if (width <= 0 || rows <= 0) return Fail(why, "empty");
  if (width > kDibMaxSide || rows > kDibMaxSide) return Fail(why, "too large");

  // Indexed pictures name at most 2^bits entries; 16 to 32 bits may carry an unused table.
  uint32_t colours;
  if (bits <= 8) {
    const uint32_t fullTable = 1u << bits;
    if (picture && used > fullTable) return Fail(why, "bad colour count");
    colours = (used == 0 || used > fullTable) ? fullTable : used;
  } else {
    if (used > 256) return Fail(why, "bad colour count");
    colours = used;
  }
  const uint64_t tableAt = headerAt + headerSize;
  const uint64_t tableEnd = tableAt + static_cast<uint64_t>(colours) * entrySize;
  const uint64_t coloursPresent =
      tableEnd <= size ? colours : (size > tableAt ? (size - tableAt) / entrySize : 0);
  if (coloursPresent < colours && !picture) return Fail(why, "colour table cut");

  const uint64_t rowSize = ((static_cast<uint64_t>(bits) * width + 31) / 32) * 4;
  const uint64_t imageSize = rowSize * rows;
  uint64_t bitsAt = givenBitsAt;
  if (picture && givenBitsAt == 0) {
    bitsAt = tableEnd;  // no offset given: the rows follow the table, wherever the file ends
  } else {
    if (bitsAt < tableAt || bitsAt > 0x7FFFFFFFu) return Fail(why, "bad bits offset");
    if (bitsAt > size) return Fail(why, "bits offset past the end");
  }
  const uint64_t rowsThere = bitsAt < size ? size - bitsAt : 0;
  const uint64_t bitsPresent = rowsThere < imageSize ? rowsThere : imageSize;
  if (bitsPresent < imageSize && !picture) return Fail(why, "rows cut");

  out->headerAt = headerAt;
  out->headerSize = headerSize;
  out->width = static_cast<int>(width);
  out->height = static_cast<int>(height);
  out->bitCount = static_cast<int>(bits);
  out->colours = colours;
  out->coloursPresent = static_cast<uint32_t>(coloursPresent);
  out->entrySize = entrySize;
  out->tableAt = tableAt;
  out->bitsAt = bitsAt;
  out->rowSize = static_cast<uint32_t>(rowSize);
  out->imageSize = imageSize;
  out->bitsPresent = bitsPresent;
  return kDibOk;
}

namespace {

// The packed form's 40-byte header and full colour table for the checked layout, into `p`.
void PutPackedHeader(const uint8_t* data, const DibLayout& d, uint32_t fullTable, uint8_t* p) {
  Put32(p, 40);
  Put32(p + 4, static_cast<uint32_t>(d.width));
  Put32(p + 8, static_cast<uint32_t>(d.Rows()));
  Put16(p + 12, 1);
  Put16(p + 14, static_cast<uint32_t>(d.bitCount));
  Put32(p + 20, static_cast<uint32_t>(d.imageSize));
  Put32(p + 32, fullTable);
  for (uint64_t i = 0; fullTable && i < d.colours; ++i) {
    const uint8_t* e = data + d.tableAt + i * d.entrySize;
    uint8_t* q = p + 40 + i * 4;
    q[0] = e[0];
    q[1] = e[1];
    q[2] = e[2];
  }
}

DibResult ReadDib(const uint8_t* data, size_t size, DibImage* out, const uint8_t** rowsInData, const char** why) {
  DibLayout d;
  const DibResult r = ParseDibLayout(data, size, kDibWholeFile, &d, why);
  if (r != kDibOk) return r;

  // A full 2^bits table for indexed pictures (entries the file does not give stay black, so no
  // pixel index reads past it); none is kept for 16 to 32 bits.
  const uint32_t fullTable = d.bitCount <= 8 ? (1u << d.bitCount) : 0;
  const uint64_t rows = static_cast<uint64_t>(d.Rows());
  const size_t headerBytes = 40 + static_cast<size_t>(fullTable) * 4;
  const uint8_t* src = data + d.bitsAt;
  const bool inPlace = rowsInData && d.height > 0;  // stored bottom-up: the file's rows as they are
  out->packed.assign(inPlace ? headerBytes : headerBytes + static_cast<size_t>(d.imageSize), 0);
  uint8_t* p = out->packed.data();
  PutPackedHeader(data, d, fullTable, p);
  uint8_t* dst = p + headerBytes;
  if (inPlace) {
    *rowsInData = src;
  } else if (d.height < 0) {
    for (uint64_t r = 0; r < rows; ++r)
      std::memcpy(dst + r * d.rowSize, src + (rows - 1 - r) * d.rowSize, d.rowSize);
  } else {
    std::memcpy(dst, src, static_cast<size_t>(d.imageSize));
  }
  if (rowsInData && !inPlace) *rowsInData = dst;
  out->width = d.width;
  out->height = static_cast<int>(rows);
  out->bitCount = d.bitCount;
  out->colours = fullTable;
  out->rowSize = d.rowSize;
  out->bitsOffset = headerBytes;
  return kDibOk;
}

}  // namespace

DibResult ReadDibFile(const uint8_t* data, size_t size, DibImage* out, const char** why) {
  return ReadDib(data, size, out, nullptr, why);
}

DibResult ReadDibFileHeader(const uint8_t* data, size_t size, DibImage* out, const uint8_t** rows, const char** why) {
  return ReadDib(data, size, out, rows, why);
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
