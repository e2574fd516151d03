// Reads a Windows bitmap file (with or without its file header) into a packed bitmap, and
// converts packed bitmaps of any supported depth to the 24-bit layout the tools paint with.
#pragma once
#include <cstddef>
#include <cstdint>

#include "colvane/canvas/picture_block.h"
#include "colvane/frame/dib_file.h"

// Limits of what the reader accepts: larger pictures are refused before anything is allocated.
constexpr int kMaxPictureSide = kDibMaxSide;
constexpr uint64_t kMaxPictureBytes = 16ull << 20;

// A packed bitmap as read: 40-byte header (core headers converted), `colours` table entries of
// 4 bytes, then stride x |height| pixel bytes. The header's biSizeImage and biClrUsed are the
// computed values, never the file's.
struct PackedPicture {
  Block block;
  int width = 0;
  int height = 0;  // as stored: negative for rows stored top-down
  int bitCount = 0;
  uint32_t colours = 0;
  uint32_t stride = 0;
  size_t pixelOffset = 0;  // where the pixels start in the block
};

// Reads the bytes of a bitmap file, with the checks of ParseDibLayout in picture mode. 1 with
// the picture, 0 (picture left empty) for a file it refuses, rows above kMaxPictureBytes, or no
// memory. Colour entries and pixels missing at the end of the file stay zero.
int ReadPicture(const uint8_t* data, size_t size, PackedPicture* picture);
// The same for a file on disk; 0 when it cannot be opened. *opened (when given) is 1 when the
// file exists and was opened, whether or not it held a picture.
int ReadPictureFile(const char* path, PackedPicture* picture, int* opened = nullptr);

// A 24-bit bottom-up width x height picture (packed, 40-byte header) holding `picture` with its
// top-left corner at the top-left; columns and rows it doesn't cover are white. 0 on no memory
// or a result above kMaxPictureBytes.
int ConvertPicture24(const PackedPicture& picture, int width, int height, Block* out);
// The same at the picture's own size.
int ConvertPicture24(const PackedPicture& picture, Block* out);
