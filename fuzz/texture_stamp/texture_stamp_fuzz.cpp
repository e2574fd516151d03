// Fuzzes the texture and stamp loaders and what paints with them. Input layout:
//   0   1  drawing mode          1  1  stroke size (mod 72: the program's sizes and a little more)
//   2   1  stamp frames wanted (0-3) and tail bytes
//   3   8  four 16-bit signed coordinates: stroke start, stroke end (also the stamp corner)
//   11  4  selection rectangle (bytes: left, top, width, height; width 0: no selection)
//   15  .. texture and stamp bytes: taken as they are, then repeated to fill whole frames
#include <cstddef>
#include <cstdint>
#include <vector>

#include "colvane/canvas/canvas_image.h"
#include "colvane/canvas/magic_stamp.h"
#include "colvane/canvas/stroke_walker.h"
#include "colvane/canvas/texture_files.h"

static int Coord(const uint8_t* p) { return static_cast<int16_t>(p[0] | (p[1] << 8)); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 15) {
    StrokeTexture texture;
    LoadTextureBytes(&texture, data, size);
    MagicStamp stamp;
    LoadStampBytes(&stamp, data, size);
    return 0;
  }
  const uint8_t* body = data + 15;
  size_t bodySize = size - 15;

  StrokeTexture texture;
  LoadTextureBytes(&texture, body, bodySize);

  MagicStamp stamp;
  LoadStampBytes(&stamp, body, bodySize);  // usually under one frame: no stamp
  int frames = data[2] & 3;
  if (frames && bodySize) {
    std::vector<uint8_t> file(frames * kStampFrameBytes + (data[2] >> 2));
    for (size_t i = 0; i < file.size(); ++i) file[i] = body[i % bodySize];
    LoadStampBytes(&stamp, file.data(), file.size());
  }

  static CanvasImage canvas;
  if (canvas.height == 0) OpenPictureBytes(&canvas, nullptr, 0);
  ClipMask clip;
  if (data[13])
    clip.SetRects(482, 371, {{data[11], data[12], data[11] + data[13], data[12] + data[14]}});
  else
    clip.SetAll(482, 371);

  int x0 = Coord(data + 3), y0 = Coord(data + 5), x1 = Coord(data + 7), y1 = Coord(data + 9);
  PaintMagicStamp(&stamp, CanvasView(canvas), clip, x1, y1, nullptr);
  PaintMagicStamp(&stamp, CanvasView(canvas), clip, x0, y0, nullptr);

  DabMasks masks;
  int mode = data[0] % 22;
  SetStrokeSize(&masks, data[1] % 72, mode);
  StrokeState state;
  StrokeTarget target;
  target.canvas = CanvasView(canvas);
  target.clip = &clip;
  target.drawingMode = mode;
  target.foreground = 0x0080FF;
  target.texture = &texture;
  PixelView tile{const_cast<uint8_t*>(body), 1, 1, 4};
  if (bodySize >= 4) target.areaPicture = &tile;
  BeginStroke(&state, masks, target, x0, y0);
  ContinueStroke(&state, masks, target, x1, y1);
  Walk(&state, masks, target, x1, y1, x0 / 4, y0 / 4);
  return 0;
}
