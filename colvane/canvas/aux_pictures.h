// The two auxiliary pictures some tools paint with: the area picture (texture fill, picture
// eraser) and the clip-art picture with its mask. Both are kept as 24-bit packed bitmaps so the
// tools can index them as 3 bytes a pixel whatever the file held.
#pragma once
#include <cstddef>
#include <cstdint>

#include "colvane/canvas/picture_block.h"
#include "colvane/canvas/pixel_view.h"

struct AreaPicture {
  Block block;     // packed 24-bit bitmap; empty = no area picture
  PixelView view;  // its pixels (empty view when absent)
};

struct ClipArtPictures {
  Block picture;  // packed 24-bit bitmaps of the same size; both empty = none
  Block mask;     // white = opaque, black = transparent
};

// Replaces the area picture by the bitmap in `data`. 1 on success; 0 leaves no area picture.
int LoadAreaPicture(AreaPicture* area, const uint8_t* data, size_t size);
int LoadAreaPictureFile(AreaPicture* area, const char* path);
void FreeAreaPicture(AreaPicture* area);

// Replaces the clip art by a picture and its mask. A mask of another size is fitted to the
// picture's (cut, or filled with black = transparent). 0, with no clip art left, when either
// file is unreadable.
int LoadClipArtPictures(ClipArtPictures* clipArt, const uint8_t* picture, size_t pictureSize,
                        const uint8_t* mask, size_t maskSize);
int LoadClipArtFiles(ClipArtPictures* clipArt, const char* picturePath, const char* maskPath);
void FreeClipArtPictures(ClipArtPictures* clipArt);
