// The recovery copy: its head with the box and the name, read and written through the file seam.
#include "colvane/files/recovery_file.h"

#include <cstring>

#include "colvane/canvas/picture_block.h"
#include "colvane/files/library_paths.h"
#include "colvane/files/picture_file.h"

int BuildRecoveryHead(const char* box, const char* name, std::string* out) {
  const size_t b = std::strlen(box), n = std::strlen(name);
  if (b > 255 || n == 0 || n >= static_cast<size_t>(kPictureNameSize)) return 0;
  out->assign(kRecoveryHeadSize, '\0');
  uint8_t* p = reinterpret_cast<uint8_t*>(&(*out)[0]);
  std::memcpy(p, "CVRC", 4);
  WriteLe16(p + 4, 1);
  WriteLe16(p + 6, static_cast<uint16_t>(b));
  WriteLe16(p + 8, static_cast<uint16_t>(n));
  out->append(box, b);
  out->append(name, n);
  return 1;
}

int ParseRecoveryHead(const uint8_t* data, size_t size, RecoveryHead* head) {
  if (!data || size < kRecoveryHeadSize || std::memcmp(data, "CVRC", 4) != 0 || ReadLe16(data + 4) != 1) return 0;
  const size_t b = ReadLe16(data + 6), n = ReadLe16(data + 8);
  if (b > 255 || n == 0 || n >= static_cast<size_t>(kPictureNameSize)) return 0;
  if (size < kRecoveryHeadSize + b + n) return 0;
  head->box.assign(reinterpret_cast<const char*>(data) + kRecoveryHeadSize, b);
  head->name.assign(reinterpret_cast<const char*>(data) + kRecoveryHeadSize + b, n);
  if (head->box.find('\0') != std::string::npos || head->name.find('\0') != std::string::npos) return 0;
  head->pictureOffset = kRecoveryHeadSize + b + n;
  return 1;
}

int WriteRecoveryFile(const PictureSeam* seam, const char* path, const char* box, const char* name,
                      const uint8_t* packed, size_t packedSize) {
  std::string head;
  if (!packed || packedSize <= kBitmapHeaderSize || !BuildRecoveryHead(box, name, &head)) return 0;
  uint8_t fileHeader[kPictureFileHeaderSize];
  BuildPictureFileHeader(packedSize, fileHeader);
  const FilePiece pieces[] = {{head.data(), head.size()}, {fileHeader, sizeof(fileHeader)}, {packed, packedSize}};
  return ReplaceFileAtomically(seam, path, pieces, 3);
}
