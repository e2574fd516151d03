// The thumbnail rule: the picture checks of the canvas, plus a size limit taken from the header.
#include "colvane/files/thumbnail_source.h"

#include "colvane/frame/dib_file.h"

uint64_t ThumbnailBytes(const uint8_t* head, size_t headSize, uint64_t fileSize) {
  if (!head || fileSize == 0) return 0;
  const size_t present = fileSize < headSize ? static_cast<size_t>(fileSize) : headSize;
  DibLayout d;
  if (ParseDibLayout(head, present, kDibPicture, &d) != kDibOk) return 0;
  if (d.width > kThumbnailMaxWidth || d.Rows() > kThumbnailMaxHeight) return 0;
  const uint64_t whole = d.bitsAt + d.imageSize;  // at most a head and 640 x 480 x 4
  return whole < fileSize ? whole : fileSize;
}
