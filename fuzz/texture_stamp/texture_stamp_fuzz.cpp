// Fuzzes the texture and stamp loaders and what paints with them. Input layout:
//   0   1  drawing mode          1  1  stroke size (mod 56: the program's sizes, at most 52, and a
//                                         little more)
//   2   1  stamp frames wanted (0-3, 3 taken as 2: one input lays two stamps, so two frames
//          show the whole cycle) and tail bytes
//   3   8  four 16-bit signed coordinates: stroke start, stroke end (also the stamp corner),
//          scaled to -128..127, past every edge of the canvas by more than the largest dab
//   11  4  selection rectangle (bytes: left, top, width, height; width 0: no selection)
//   15  .. texture and stamp bytes: taken as they are, then repeated to fill whole frames
// The canvas is 64 x 48: every edge, clip and stamp path of the full canvas shows on it, at a
// fraction of the cost per input (a walk across the whole paper lays thousands of dabs).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

#include "colvane/canvas/magic_stamp.h"
#include "colvane/canvas/stroke_walker.h"
#include "colvane/canvas/texture_files.h"

namespace {

constexpr int kWidth = 64, kHeight = 48;

int Coord(const uint8_t* p) { return static_cast<int16_t>(p[0] | (p[1] << 8)) >> 8; }

PixelView Canvas() {
  static std::vector<uint8_t> pixels(static_cast<size_t>(Stride24(kWidth)) * kHeight, 0xFF);
  return PixelView{pixels.data(), kWidth, kHeight, Stride24(kWidth)};
}

// The masks depend on the size and on the mode only through its edge width (pencil, toothpaste,
// soft eraser, the rest), so each pair is built once: the program too builds them when a tool or
// size is chosen, not for every stroke.
const DabMasks& Masks(int size, int mode) {
  static std::map<int, DabMasks> built;
  const int kind = mode == kModePencil ? 1 : mode == kModeToothpaste ? 2 : mode == kModeSoftEraser ? 3 : 0;
  auto found = built.find(size * 4 + kind);
  if (found != built.end()) return found->second;
  DabMasks& masks = built[size * 4 + kind];
  SetStrokeSize(&masks, size, mode);
  return masks;
}

// `size` bytes made of `body` repeated, built by doubling copies.
void Repeat(const uint8_t* body, size_t bodySize, std::vector<uint8_t>* out, size_t size) {
  out->resize(size);
  size_t have = bodySize < size ? bodySize : size;
  std::memcpy(out->data(), body, have);
  while (have < size) {
    size_t n = have < size - have ? have : size - have;
    std::memcpy(out->data() + have, out->data(), n);
    have += n;
  }
}

}  // namespace

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
  if (frames == 3) frames = 2;
  if (frames && bodySize) {
    static std::vector<uint8_t> file;
    Repeat(body, bodySize, &file, frames * kStampFrameBytes + (data[2] >> 2));
    LoadStampBytes(&stamp, file.data(), file.size());
  }

  const PixelView canvas = Canvas();
  ClipMask clip;
  if (data[13])
    clip.SetRects(kWidth, kHeight, {{data[11], data[12], data[11] + data[13], data[12] + data[14]}});
  else
    clip.SetAll(kWidth, kHeight);

  int x0 = Coord(data + 3), y0 = Coord(data + 5), x1 = Coord(data + 7), y1 = Coord(data + 9);
  PaintMagicStamp(&stamp, canvas, clip, x1, y1, nullptr);
  PaintMagicStamp(&stamp, canvas, clip, x0, y0, nullptr);

  int mode = data[0] % 22;
  const DabMasks& masks = Masks(data[1] % 56, mode);
  StrokeState state;
  StrokeTarget target;
  target.canvas = canvas;
  target.clip = &clip;
  target.drawingMode = mode;
  target.foreground = 0x0080FF;
  target.texture = &texture;
  PixelView tile{const_cast<uint8_t*>(body), 1, 1, 4};
  if (bodySize >= 4) target.areaPicture = &tile;
  // A press and one drag: a second segment would walk the same code with the carried distance
  // the first already exercises.
  BeginStroke(&state, masks, target, x0, y0);
  ContinueStroke(&state, masks, target, x1, y1);
  return 0;
}
