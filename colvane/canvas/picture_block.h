// Zero-filled memory blocks and the packed-bitmap layout (40-byte header, colour table, pixels).
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "colvane/canvas/pixel_view.h"

// A byte block owned by one field. Allocation never throws: a failed one leaves the block empty,
// so callers can treat the block as absent.
struct Block {
  std::unique_ptr<uint8_t[]> bytes;
  size_t size = 0;

  bool Empty() const { return size == 0; }
  uint8_t* Data() const { return bytes.get(); }
};

// Replaces the block by `size` zero bytes; 0 when the memory cannot be had (block left empty).
int AllocateBlock(Block* block, size_t size);
void FreeBlock(Block* block);
// Full copy of `from` into `to` (reallocated); 0 when the memory cannot be had.
int CopyBlock(const Block& from, Block* to);

// In-memory bitmap header, the layout of a packed device-independent bitmap:
//   OFFSET SIZE FIELD
//   0      4    biSize (40)
//   4      4    biWidth (signed)
//   8      4    biHeight (signed; positive = rows stored bottom-up)
//   12     2    biPlanes
//   14     2    biBitCount
//   16     4    biCompression (0 = uncompressed)
//   20     4    biSizeImage
//   24     4    biXPelsPerMeter
//   28     4    biYPelsPerMeter
//   32     4    biClrUsed
//   36     4    biClrImportant
// then biClrUsed colour entries of 4 bytes (blue, green, red, 0), then the pixel rows.
struct BitmapHeader {
  uint32_t size = 40;
  int32_t width = 0;
  int32_t height = 0;
  uint16_t planes = 1;
  uint16_t bitCount = 0;
  uint32_t compression = 0;
  uint32_t sizeImage = 0;
  int32_t xPelsPerMeter = 0;
  int32_t yPelsPerMeter = 0;
  uint32_t clrUsed = 0;
  uint32_t clrImportant = 0;
};

constexpr size_t kBitmapHeaderSize = 40;

inline uint16_t ReadLe16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t ReadLe32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline void WriteLe16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
inline void WriteLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

BitmapHeader ParseBitmapHeader(const uint8_t* p);  // 40 bytes
void StoreBitmapHeader(const BitmapHeader& h, uint8_t* p);

// A packed 24-bit bottom-up picture of width x height: the layout of the canvas image, the area
// picture and the clip-art pictures. Pixels begin right after the 40-byte header.
int AllocatePicture24(Block* block, int width, int height);
// View of such a block's pixels (empty view when the block is not one).
PixelView Picture24View(const Block& block);
