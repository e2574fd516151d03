// The picture file: the canvas written as a Windows bitmap file, and the one safe way any file
// of the library is replaced (a temporary file beside it, flushed, then moved over it).
//
// Picture file (extension "sam"), little-endian:
//   OFFSET SIZE         FIELD
//   0      2            signature "BM"
//   2      4            size field: stride x height + 54 (921654 for the 640 x 480 canvas)
//   6      2            reserved, 0
//   8      2            reserved, 0
//   10     4            offset of the pixels, 54
//   14     40           the canvas's own information header (40, 640, 480, 1, 24, 0, stride x 480, 0...)
//   54     stride x 480 the canvas rows bottom-up, blue, green, red, padded to the stride
// No colour table.
#pragma once
#include <cstddef>
#include <cstdint>

#include "colvane/files/file_seam.h"

constexpr uint32_t kPictureFileHeaderSize = 14;
constexpr uint32_t kPictureFileSize = 921654;

// The 14-byte file header before a packed 24-bit picture (40-byte header, then pixels) of
// `packedSize` bytes.
void BuildPictureFileHeader(size_t packedSize, uint8_t header[kPictureFileHeaderSize]);

// Whether `data` is exactly a picture file as WritePictureFile makes it from the canvas: its
// 54 header bytes as written for a 640 x 480 24-bit picture, then every pixel byte, nothing
// more. A copy written atomically by this program always is one; anything else was cut or
// written by someone else.
bool IsWholeCanvasPictureFile(const uint8_t* data, size_t size);

// The temporary name a file is written under before it replaces `path`: path + ".part".
// 0 when that would not fit `size` bytes.
int TemporaryPathFor(const char* path, char* out, int size);

// Writes the pieces one after another into a temporary file beside `path`, flushes it and moves
// it over `path`. 1 when `path` now holds exactly those bytes; 0 when anything failed, and then
// `path` is as it was and the temporary file is gone.
struct FilePiece {
  const void* bytes;
  size_t size;
};
int ReplaceFileAtomically(const PictureSeam* seam, const char* path, const FilePiece* pieces, int count);

// The packed 24-bit picture (the canvas image block) as a picture file at `path`, atomically.
// 0 for an empty or malformed block, or when the write failed (the old file kept).
int WritePictureFile(const PictureSeam* seam, const char* path, const uint8_t* packed, size_t packedSize);
