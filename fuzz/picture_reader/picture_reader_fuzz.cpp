// Fuzzes the bitmap reader: any bytes must give a picture or a clean refusal, and whatever is
// read must convert to 24 bits and tile under the picture eraser without a stray access.
//
// Pictures whose 24-bit form would pass 32 KB (about 100 x 100 pixels) are only parsed: the
// reader and the conversion run the same rows and table paths on a small picture, while every
// pixel of a large one is decoded several times per input (a grown corpus is full of them) and
// a multi-megabyte picture would hold the fuzzer to a few hundred inputs a second. The canvas and its clip are
// 64 x 48 for the same reason; the conversion onto the canvas is done at an odd size so both
// the cut and the white fill are exercised.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "colvane/canvas/aux_pictures.h"
#include "colvane/canvas/clip_mask.h"
#include "colvane/canvas/dab_modes.h"
#include "colvane/canvas/picture_reader.h"

namespace {

constexpr uint64_t kFuzzPictureBytes = 32 * 1024;
constexpr int kCanvasW = 64, kCanvasH = 48;

// The 24-bit size of the picture the bytes describe; 0 when the reader refuses them at once.
uint64_t Size24(const uint8_t* data, size_t size) {
  DibLayout d;
  if (ParseDibLayout(data, size, kDibPicture, &d) != kDibOk) return 0;
  return static_cast<uint64_t>(Stride24(d.width)) * d.Rows();
}

bool Small(const uint8_t* data, size_t size) { return Size24(data, size) <= kFuzzPictureBytes; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const size_t half = size / 2;
  if (!Small(data, size) || !Small(data, half) || !Small(data + half, size - half)) {
    DibLayout d;
    ParseDibLayout(data, size, kDibPicture, &d);
    return 0;
  }
  PackedPicture picture;
  if (ReadPicture(data, size, &picture)) {
    Block own;
    ConvertPicture24(picture, &own);
    PixelView v = Picture24View(own);
    if (v.bits) {
      // Touch the last pixel of the first and last rows.
      volatile uint8_t sink = v.At(v.width - 1, 0)[2] ^ v.At(v.width - 1, v.height - 1)[0];
      (void)sink;
    }
    Block onCanvas;
    ConvertPicture24(picture, kCanvasW - 3, kCanvasH - 5, &onCanvas);
  }

  // The same bytes as an area picture under a picture-eraser dab near the canvas corner.
  static std::vector<uint8_t> pixels(static_cast<size_t>(Stride24(kCanvasW)) * kCanvasH, 0xFF);
  AreaPicture area;
  if (LoadAreaPicture(&area, data, size)) {
    ClipMask clip;
    clip.SetAll(kCanvasW, kCanvasH);
    static DabMasks masks;  // built once, as the program builds them when the tool is chosen
    if (masks.strokeSize == 0) SetStrokeSize(&masks, 20, kModePictureEraser);
    StrokeState state;
    StrokeTarget target;
    target.canvas = PixelView{pixels.data(), kCanvasW, kCanvasH, Stride24(kCanvasW)};
    target.clip = &clip;
    target.drawingMode = kModePictureEraser;
    target.areaPicture = &area.view;
    Dab(&state, masks, target, kCanvasW - 4.5, 3.25);
  }

  // Split in two: a clip-art picture and its mask.
  ClipArtPictures clipArt;
  LoadClipArtPictures(&clipArt, data, half, data + half, size - half);
  return 0;
}
