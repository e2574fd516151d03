// The picture file written as a bitmap file, and the replacement of a file through a temporary one.
#include "colvane/files/picture_file.h"

#include <cstring>

#include "colvane/canvas/canvas_image.h"
#include "colvane/canvas/picture_block.h"
#include "colvane/files/library_paths.h"

void BuildPictureFileHeader(size_t packedSize, uint8_t header[kPictureFileHeaderSize]) {
  const size_t pixels = packedSize > kBitmapHeaderSize ? packedSize - kBitmapHeaderSize : 0;
  header[0] = 'B';
  header[1] = 'M';
  WriteLe32(header + 2, static_cast<uint32_t>(pixels + kPictureFileHeaderSize + kBitmapHeaderSize));
  WriteLe16(header + 6, 0);
  WriteLe16(header + 8, 0);
  WriteLe32(header + 10, kPictureFileHeaderSize + kBitmapHeaderSize);
}

bool IsWholeCanvasPictureFile(const uint8_t* data, size_t size) {
  if (!data || size != kPictureFileSize) return false;
  uint8_t want[kPictureFileHeaderSize + kBitmapHeaderSize];
  BitmapHeader h;
  h.width = kCanvasWidth;
  h.height = kCanvasHeight;
  h.bitCount = 24;
  h.sizeImage = kCanvasStride * kCanvasHeight;
  BuildPictureFileHeader(kBitmapHeaderSize + h.sizeImage, want);
  StoreBitmapHeader(h, want + kPictureFileHeaderSize);
  return std::memcmp(data, want, sizeof(want)) == 0;
}

int TemporaryPathFor(const char* path, char* out, int size) {
  const size_t length = std::strlen(path);
  if (size <= 0 || length + sizeof(kTemporarySuffix) > static_cast<size_t>(size)) return 0;
  std::memcpy(out, path, length);
  std::memcpy(out + length, kTemporarySuffix, sizeof(kTemporarySuffix));
  return 1;
}

int ReplaceFileAtomically(const PictureSeam* seam, const char* path, const FilePiece* pieces, int count) {
  char temporary[1024];
  if (!seam || !path || !path[0] || !TemporaryPathFor(path, temporary, sizeof(temporary))) return 0;
  PictureSeamFile* file = seam->create(temporary);
  if (!file) return 0;
  bool ok = true;
  for (int i = 0; ok && i < count; ++i) {
    const uint8_t* p = static_cast<const uint8_t*>(pieces[i].bytes);
    size_t left = pieces[i].size;
    while (ok && left > 0) {  // writes of at most 1 MB, so sizes never overflow the seam's
      const uint32_t part = static_cast<uint32_t>(left < (1u << 20) ? left : (1u << 20));
      ok = seam->write(file, p, part) == 0;
      p += part;
      left -= part;
    }
  }
  if (ok) ok = seam->flush(file) == 0;
  seam->close(file);
  if (ok) ok = seam->replace(temporary, path) == 0;
  if (!ok) seam->remove(temporary);
  return ok ? 1 : 0;
}

int WritePictureFile(const PictureSeam* seam, const char* path, const uint8_t* packed, size_t packedSize) {
  if (!packed || packedSize <= kBitmapHeaderSize) return 0;
  const BitmapHeader h = ParseBitmapHeader(packed);
  if (h.size != kBitmapHeaderSize || h.bitCount != 24 || h.width <= 0 || h.height <= 0) return 0;
  const size_t stride = (static_cast<size_t>(h.width) * 3 + 3) & ~static_cast<size_t>(3);
  if (kBitmapHeaderSize + stride * static_cast<size_t>(h.height) != packedSize) return 0;
  uint8_t header[kPictureFileHeaderSize];
  BuildPictureFileHeader(packedSize, header);
  const FilePiece pieces[] = {{header, sizeof(header)}, {packed, packedSize}};
  return ReplaceFileAtomically(seam, path, pieces, 2);
}
