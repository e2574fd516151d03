// Loading and freeing of the area picture and the clip-art pictures.
#include "colvane/canvas/aux_pictures.h"

#include <cstring>

#include "colvane/canvas/picture_reader.h"

namespace {

int InstallArea(AreaPicture* area, PackedPicture* picture) {
  int ok = !picture->block.Empty() && ConvertPicture24(*picture, &area->block);
  FreeBlock(&picture->block);
  if (!ok) {
    FreeAreaPicture(area);
    return 0;
  }
  area->view = Picture24View(area->block);
  return 1;
}

int InstallClipArt(ClipArtPictures* clipArt, PackedPicture* picture, PackedPicture* mask) {
  FreeClipArtPictures(clipArt);
  int ok = !picture->block.Empty() && !mask->block.Empty() &&
           ConvertPicture24(*picture, &clipArt->picture);
  if (ok) {
    PixelView v = Picture24View(clipArt->picture);
    ok = ConvertPicture24(*mask, v.width, v.height, &clipArt->mask);
    if (ok) {
      // Parts of the picture the mask doesn't reach are transparent, not white.
      PixelView m = Picture24View(clipArt->mask);
      int maskW = mask->width, maskH = mask->height < 0 ? -mask->height : mask->height;
      for (int y = 0; y < m.height; ++y) {
        if (y >= maskH) {
          std::memset(m.Row(y), 0, static_cast<size_t>(m.width) * 3);
        } else if (maskW < m.width) {
          std::memset(m.At(maskW, y), 0, static_cast<size_t>(m.width - maskW) * 3);
        }
      }
    }
  }
  FreeBlock(&picture->block);
  FreeBlock(&mask->block);
  if (!ok) FreeClipArtPictures(clipArt);
  return ok;
}

}  // namespace

int LoadAreaPicture(AreaPicture* area, const uint8_t* data, size_t size) {
  FreeAreaPicture(area);
  PackedPicture picture;
  ReadPicture(data, size, &picture);
  return InstallArea(area, &picture);
}

int LoadAreaPictureFile(AreaPicture* area, const char* path) {
  FreeAreaPicture(area);
  PackedPicture picture;
  ReadPictureFile(path, &picture);
  return InstallArea(area, &picture);
}

void FreeAreaPicture(AreaPicture* area) {
  FreeBlock(&area->block);
  area->view = PixelView();
}

int LoadClipArtPictures(ClipArtPictures* clipArt, const uint8_t* picture, size_t pictureSize,
                        const uint8_t* mask, size_t maskSize) {
  PackedPicture p, m;
  if (ReadPicture(picture, pictureSize, &p)) ReadPicture(mask, maskSize, &m);
  return InstallClipArt(clipArt, &p, &m);
}

int LoadClipArtFiles(ClipArtPictures* clipArt, const char* picturePath, const char* maskPath) {
  PackedPicture p, m;
  if (ReadPictureFile(picturePath, &p)) ReadPictureFile(maskPath, &m);
  return InstallClipArt(clipArt, &p, &m);
}

void FreeClipArtPictures(ClipArtPictures* clipArt) {
  FreeBlock(&clipArt->picture);
  FreeBlock(&clipArt->mask);
}
