// Bitmap files read into packed bitmaps, and the conversion of packed bitmaps to 24 bits. The
// file layout and its checks are ParseDibLayout's (colvane/frame/dib_file.cpp), in picture mode.
#include "colvane/canvas/picture_reader.h"

#include <cstring>
#include <vector>

#include "colvane/frame/dib_file.h"
#include "colvane/frame/file_bytes.h"

namespace {

int Fail(PackedPicture* picture) {
  FreeBlock(&picture->block);
  *picture = PackedPicture();
  return 0;
}

}  // namespace

int ReadPicture(const uint8_t* data, size_t size, PackedPicture* picture) {
  Fail(picture);
  DibLayout d;
  if (ParseDibLayout(data, size, kDibPicture, &d) != kDibOk) return 0;
  // The rows may be missing from the file, so only this bounds the allocation.
  if (d.imageSize > kMaxPictureBytes) return 0;

  BitmapHeader h;  // an info header's resolution and important-colour fields are kept
  if (d.headerSize == kBitmapHeaderSize) h = ParseBitmapHeader(data + d.headerAt);
  h.size = kBitmapHeaderSize;
  h.width = d.width;
  h.height = d.height;
  h.bitCount = static_cast<uint16_t>(d.bitCount);
  h.sizeImage = static_cast<uint32_t>(d.imageSize);
  h.clrUsed = d.colours;
  size_t tableBytes = static_cast<size_t>(d.colours) * 4;
  size_t image = static_cast<size_t>(d.imageSize);
  if (!AllocateBlock(&picture->block, kBitmapHeaderSize + tableBytes + image)) return Fail(picture);
  uint8_t* out = picture->block.Data();
  StoreBitmapHeader(h, out);

  // Colour entries cut off by the end of the file stay black.
  uint8_t* table = out + kBitmapHeaderSize;
  for (uint32_t i = 0; i < d.coloursPresent; ++i) {
    const uint8_t* e = data + d.tableAt + static_cast<uint64_t>(i) * d.entrySize;
    table[i * 4 + 0] = e[0];
    table[i * 4 + 1] = e[1];
    table[i * 4 + 2] = e[2];
    table[i * 4 + 3] = d.entrySize == 4 ? e[3] : 0;
  }

  // A file cut inside its rows gives a partial picture; the rest stays zero.
  if (d.bitsPresent) std::memcpy(table + tableBytes, data + d.bitsAt, static_cast<size_t>(d.bitsPresent));

  picture->width = d.width;
  picture->height = d.height;
  picture->bitCount = d.bitCount;
  picture->colours = d.colours;
  picture->stride = d.rowSize;
  picture->pixelOffset = kBitmapHeaderSize + tableBytes;
  return 1;
}

int ReadPictureFile(const char* path, PackedPicture* picture, int* opened) {
  std::vector<uint8_t> bytes;
  // Enough for the largest accepted picture behind its headers and a full colour table.
  if (!ReadFileBytes(path, kMaxPictureBytes + 65536, &bytes, opened)) return Fail(picture);
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
