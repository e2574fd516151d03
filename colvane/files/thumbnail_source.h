// Which picture files get a thumbnail in the file box, decided from the head of the file, so a
// thumbnail costs a bounded read and a bounded bitmap whatever the file declares. Pure.
#pragma once
#include <cstddef>
#include <cstdint>

// Read first: a file header, an info header and a full 256-entry colour table.
constexpr size_t kThumbnailHeadSize = 14 + 40 + 256 * 4;
// A thumbnail is made of pictures no larger than the canvas; the rows of one are then at most
// 640 x 480 x 4 bytes.
constexpr int kThumbnailMaxWidth = 640;
constexpr int kThumbnailMaxHeight = 480;

// How many bytes from the start of a file of `fileSize` bytes a thumbnail is built from
// (headers, colour table and rows, or less when the file is cut), judged on its first
// `headSize` bytes; 0 when it gets no thumbnail: a file the canvas can't read, a larger picture,
// or one whose rows lie beyond the head.
uint64_t ThumbnailBytes(const uint8_t* head, size_t headSize, uint64_t fileSize);
