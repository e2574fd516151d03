// Bitmap file reader and the conversion of packed bitmaps to 24 bits.
//
// File layout (little-endian):
//   OFFSET SIZE FIELD
//   0      2    "BM"                      file header, optional: without it the info
//   2      4    file size (ignored)       header starts at offset 0
//   6      4    reserved
//   10     4    bits offset (0: the pixels follow the colour table)
//   14     4    header size: 40 (info header) or 12 (core header)
//   info header: the 40 bytes of BitmapHeader, then 4-byte colour entries (blue, green, red, 0)
//   core header: 18 width (2), 20 height (2), 22 planes (2), 24 bit count (2), then 3-byte
//                colour entries (blue, green, red)
//   pixels: rows padded to 4 bytes, bottom-up for a positive height, top-down for a negative one
#include "colvane/canvas/picture_reader.h"

#include <climits>
#include <cstring>
#include <vector>

#include "colvane/frame/file_bytes.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;

int Fail(PackedPicture* picture) {
  FreeBlock(&picture->block);
  *picture = PackedPicture();
  return 0;
}

bool SupportedDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Colour count implied by the depth when the header names none.
uint32_t DefaultColours(int bits) { return bits <= 8 ? (1u << bits) : 0; }

}  // namespace

int ReadPicture(const uint8_t* data, size_t size, PackedPicture* picture) {
  Fail(picture);
  if (!data || size < kFileHeaderSize) return 0;

  // The file header is optional: without "BM" the info header starts at the first byte.
  size_t pos = 0;
  uint64_t bitsOffset = 0;
  if (data[0] == 'B' && data[1] == 'M') {
    bitsOffset = ReadLe32(data + 10);
    pos = kFileHeaderSize;
  }
  // The whole 40 bytes are read even for a core header.
  if (size - pos < kBitmapHeaderSize) return 0;
  size_t headerStart = pos;
  uint32_t headerSize = ReadLe32(data + pos);
  BitmapHeader h;
  bool core = false;
  if (headerSize == kCoreHeaderSize) {
    core = true;
    h.width = ReadLe16(data + pos + 4);
    h.height = ReadLe16(data + pos + 6);
    h.planes = ReadLe16(data + pos + 8);
    h.bitCount = ReadLe16(data + pos + 10);
    pos += kCoreHeaderSize;
  } else if (headerSize == kBitmapHeaderSize) {
    h = ParseBitmapHeader(data + pos);
    pos += kBitmapHeaderSize;
  } else {
    return 0;
  }

  if (h.planes != 1 || !SupportedDepth(h.bitCount) || h.compression != 0) return Fail(picture);
  if (h.width <= 0 || h.width > kMaxPictureSide) return Fail(picture);
  if (h.height == 0 || h.height == INT32_MIN) return Fail(picture);
  int64_t rows = h.height < 0 ? -static_cast<int64_t>(h.height) : h.height;
  if (rows > kMaxPictureSide) return Fail(picture);
  uint64_t stride = (static_cast<uint64_t>(h.width) * h.bitCount + 31) / 32 * 4;
  uint64_t image = stride * static_cast<uint64_t>(rows);
  if (image > kMaxPictureBytes) return Fail(picture);

  // A core header counts its colours from the depth only.
  uint32_t colours = (!core && h.clrUsed != 0) ? h.clrUsed : DefaultColours(h.bitCount);
  uint32_t maxColours = h.bitCount <= 8 ? (1u << h.bitCount) : 256u;
  if (colours > maxColours) return Fail(picture);

  size_t entry = core ? 3 : 4;
  size_t tableEnd = pos + colours * entry;
  size_t pixelStart = tableEnd;
  if (bitsOffset != 0) {
    // An offset must point past the headers and stay within the file.
    if (bitsOffset < headerStart + headerSize || bitsOffset > size || bitsOffset > INT32_MAX)
      return Fail(picture);
    pixelStart = static_cast<size_t>(bitsOffset);
  }

  h.size = kBitmapHeaderSize;
  h.sizeImage = static_cast<uint32_t>(image);
  h.clrUsed = colours;
  if (core) {
    h.compression = 0;
    h.clrImportant = 0;
  }
  size_t tableBytes = static_cast<size_t>(colours) * 4;
  if (!AllocateBlock(&picture->block, kBitmapHeaderSize + tableBytes + static_cast<size_t>(image)))
    return Fail(picture);
  uint8_t* out = picture->block.Data();
  StoreBitmapHeader(h, out);

  // Colour table; entries cut off by the end of the file stay black.
  uint8_t* table = out + kBitmapHeaderSize;
  for (uint32_t i = 0; i < colours; ++i) {
    size_t at = pos + i * entry;
    if (at + entry > size) break;
    table[i * 4 + 0] = data[at + 0];
    table[i * 4 + 1] = data[at + 1];
    table[i * 4 + 2] = data[at + 2];
    table[i * 4 + 3] = core ? 0 : data[at + 3];
  }

  // Pixels: a file cut short gives a partial picture, the rest stays zero.
  if (pixelStart < size) {
    size_t avail = size - pixelStart;
    size_t take = avail < image ? avail : static_cast<size_t>(image);
    std::memcpy(table + tableBytes, data + pixelStart, take);
  }

  picture->width = h.width;
  picture->height = h.height;
  picture->bitCount = h.bitCount;
  picture->colours = colours;
  picture->stride = static_cast<uint32_t>(stride);
  picture->pixelOffset = kBitmapHeaderSize + tableBytes;
  return 1;
}

int ReadPictureFile(const char* path, PackedPicture* picture) {
  std::vector<uint8_t> bytes;
  // Enough for the largest accepted picture behind its headers and a full colour table.
  if (!ReadFileBytes(path, kMaxPictureBytes + 65536, &bytes)) return Fail(picture);
  return ReadPicture(bytes.data(), bytes.size(), picture);
}

namespace {

// One source row decoded to blue, green, red triplets.
void DecodeRow(const PackedPicture& p, const uint8_t* row, int count, uint8_t* bgr) {
  const uint8_t* table = p.block.Data() + kBitmapHeaderSize;
  auto fromTable = [&](uint32_t index, uint8_t* o) {
    if (index < p.colours) {
      o[0] = table[index * 4 + 0];
      o[1] = table[index * 4 + 1];
      o[2] = table[index * 4 + 2];
    } else {
      o[0] = o[1] = o[2] = 0;
    }
  };
  for (int x = 0; x < count; ++x) {
    uint8_t* o = bgr + x * 3;
    switch (p.bitCount) {
      case 1: fromTable((row[x >> 3] >> (7 - (x & 7))) & 1, o); break;
      case 4: fromTable((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15, o); break;
      case 8: fromTable(row[x], o); break;
      case 16: {
        // 5-5-5: blue in the low bits; each 5-bit value widened to 8 bits.
        unsigned v = ReadLe16(row + x * 2);
        unsigned b = v & 31, g = (v >> 5) & 31, r = (v >> 10) & 31;
        o[0] = static_cast<uint8_t>((b << 3) | (b >> 2));
        o[1] = static_cast<uint8_t>((g << 3) | (g >> 2));
        o[2] = static_cast<uint8_t>((r << 3) | (r >> 2));
        break;
      }
      case 24: std::memcpy(o, row + x * 3, 3); break;
      default: std::memcpy(o, row + x * 4, 3); break;  // 32 bits: blue, green, red, unused
    }
  }
}

}  // namespace

int ConvertPicture24(const PackedPicture& picture, int width, int height, Block* out) {
  if (picture.block.Empty() || width <= 0 || height <= 0) return 0;
  // The same limit as for reading: a 1-bit picture must not grow past it at 24 bits.
  uint64_t bytes = (static_cast<uint64_t>(width) * 24 + 31) / 32 * 4 * static_cast<uint64_t>(height);
  if (bytes > kMaxPictureBytes || !AllocatePicture24(out, width, height)) return 0;
  PixelView dst = Picture24View(*out);
  int rows = picture.height < 0 ? -picture.height : picture.height;
  int copyW = picture.width < width ? picture.width : width;
  int copyH = rows < height ? rows : height;
  for (int y = 0; y < height; ++y) {
    uint8_t* d = dst.Row(y);
    if (y >= copyH) {
      std::memset(d, 0xFF, static_cast<size_t>(width) * 3);
      continue;
    }
    int stored = picture.height < 0 ? y : rows - 1 - y;
    const uint8_t* src = picture.block.Data() + picture.pixelOffset + static_cast<size_t>(stored) * picture.stride;
    DecodeRow(picture, src, copyW, d);
    if (copyW < width) std::memset(d + copyW * 3, 0xFF, static_cast<size_t>(width - copyW) * 3);
  }
  return 1;
}

int ConvertPicture24(const PackedPicture& picture, Block* out) {
  int rows = picture.height < 0 ? -picture.height : picture.height;
  return ConvertPicture24(picture, picture.width, rows, out);
}
