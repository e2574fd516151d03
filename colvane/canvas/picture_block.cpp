// Memory blocks and packed 24-bit pictures.
#include "colvane/canvas/picture_block.h"

#include <cstring>
#include <new>

int AllocateBlock(Block* block, size_t size) {
  FreeBlock(block);
  if (size == 0) return 0;
  uint8_t* p = new (std::nothrow) uint8_t[size];
  if (!p) return 0;
  std::memset(p, 0, size);
  block->bytes.reset(p);
  block->size = size;
  return 1;
}

void FreeBlock(Block* block) {
  block->bytes.reset();
  block->size = 0;
}

int CopyBlock(const Block& from, Block* to) {
  if (from.Empty()) {
    FreeBlock(to);
    return 0;
  }
  if (to->size != from.size && !AllocateBlock(to, from.size)) return 0;
  std::memcpy(to->Data(), from.Data(), from.size);
  return 1;
}

BitmapHeader ParseBitmapHeader(const uint8_t* p) {
  BitmapHeader h;
  h.size = ReadLe32(p);
  h.width = static_cast<int32_t>(ReadLe32(p + 4));
  h.height = static_cast<int32_t>(ReadLe32(p + 8));
  h.planes = ReadLe16(p + 12);
  h.bitCount = ReadLe16(p + 14);
  h.compression = ReadLe32(p + 16);
  h.sizeImage = ReadLe32(p + 20);
  h.xPelsPerMeter = static_cast<int32_t>(ReadLe32(p + 24));
  h.yPelsPerMeter = static_cast<int32_t>(ReadLe32(p + 28));
  h.clrUsed = ReadLe32(p + 32);
  h.clrImportant = ReadLe32(p + 36);
  return h;
}

void StoreBitmapHeader(const BitmapHeader& h, uint8_t* p) {
  WriteLe32(p, h.size);
  WriteLe32(p + 4, static_cast<uint32_t>(h.width));
  WriteLe32(p + 8, static_cast<uint32_t>(h.height));
  WriteLe16(p + 12, h.planes);
  WriteLe16(p + 14, h.bitCount);
  WriteLe32(p + 16, h.compression);
  WriteLe32(p + 20, h.sizeImage);
  WriteLe32(p + 24, static_cast<uint32_t>(h.xPelsPerMeter));
  WriteLe32(p + 28, static_cast<uint32_t>(h.yPelsPerMeter));
  WriteLe32(p + 32, h.clrUsed);
  WriteLe32(p + 36, h.clrImportant);
}

// Stride of a 24-bit row in 64-bit arithmetic, whatever the width.
static uint64_t Stride24Of(int32_t width) { return (static_cast<uint64_t>(width) * 24 + 31) / 32 * 4; }

int AllocatePicture24(Block* block, int width, int height) {
  if (width <= 0 || height <= 0) return 0;
  uint64_t image = Stride24Of(width) * static_cast<uint64_t>(height);
  if (image > 0xFFFFFFFFull) return 0;
  if (!AllocateBlock(block, kBitmapHeaderSize + static_cast<size_t>(image))) return 0;
  BitmapHeader h;
  h.width = width;
  h.height = height;
  h.bitCount = 24;
  h.sizeImage = static_cast<uint32_t>(image);
  StoreBitmapHeader(h, block->Data());
  return 1;
}

PixelView Picture24View(const Block& block) {
  PixelView v;
  if (block.size < kBitmapHeaderSize) return v;
  BitmapHeader h = ParseBitmapHeader(block.Data());
  if (h.size != kBitmapHeaderSize || h.bitCount != 24 || h.width <= 0 || h.height <= 0) return v;
  uint64_t stride = Stride24Of(h.width);
  if (stride > 0x7FFFFFFF || kBitmapHeaderSize + stride * static_cast<uint64_t>(h.height) > block.size) return v;
  v.bits = block.Data() + kBitmapHeaderSize;
  v.width = h.width;
  v.height = h.height;
  v.stride = static_cast<int>(stride);
  return v;
}
