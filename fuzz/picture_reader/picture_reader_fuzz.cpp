// Fuzzes the bitmap reader: any bytes must give a picture or a clean refusal, and whatever is
// read must convert into the canvas and tile under the picture eraser without a stray access.
#include <cstddef>
#include <cstdint>

#include "colvane/canvas/aux_pictures.h"
#include "colvane/canvas/canvas_image.h"
#include "colvane/canvas/dab_modes.h"
#include "colvane/canvas/picture_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
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
  }

  CanvasImage canvas;
  OpenPictureBytes(&canvas, data, size);

  // The same bytes as an area picture under a picture-eraser dab near the canvas corner.
  AreaPicture area;
  if (LoadAreaPicture(&area, data, size) && canvas.height > 0) {
    ClipMask clip;
    clip.SetAll(640, 480);
    DabMasks masks;
    SetStrokeSize(&masks, 20, kModePictureEraser);
    StrokeState state;
    StrokeTarget target;
    target.canvas = CanvasView(canvas);
    target.clip = &clip;
    target.drawingMode = kModePictureEraser;
    target.areaPicture = &area.view;
    Dab(&state, masks, target, 635.5, 3.25);
  }

  // Split in two: a clip-art picture and its mask.
  ClipArtPictures clipArt;
  LoadClipArtPictures(&clipArt, data, size / 2, data + size / 2, size - size / 2);
  return 0;
}
