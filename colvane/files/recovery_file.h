// The recovery copy: the picture being painted, kept outside the library a moment after every
// change, with the box and the name it belongs to, so a crash loses nothing. Pure.
//
// Recovery file, little-endian:
//   OFFSET  SIZE  FIELD
//   0       4     signature "CVRC"
//   4       2     version, 1
//   6       2     B, length of the box name (0..255)
//   8       2     N, length of the picture name (1..79)
//   10      B     box name, no terminator
//   10+B    N     picture name, no terminator
//   10+B+N  ...   the picture file, exactly as the picture writer makes it
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "colvane/files/file_seam.h"

constexpr uint32_t kRecoveryHeadSize = 10;

struct RecoveryHead {
  std::string box;
  std::string name;
  size_t pictureOffset = 0;  // where the picture file starts in the recovery file
};

// The head for `box` and `name` into `out`; 0 when either is too long or the name is empty.
int BuildRecoveryHead(const char* box, const char* name, std::string* out);
// Reads the head of a recovery file's bytes; 0 for anything that isn't one (the picture after
// it is checked by the picture reader).
int ParseRecoveryHead(const uint8_t* data, size_t size, RecoveryHead* head);
// Writes the recovery file atomically: head, picture file header, packed canvas.
int WriteRecoveryFile(const PictureSeam* seam, const char* path, const char* box, const char* name,
                      const uint8_t* packed, size_t packedSize);
