// Flood fill: region growing from a seed pixel, then colour, texture or gradient painting of the
// area with a soft rim.
#pragma once
#include <cstdint>
#include <vector>

#include "colvane/canvas/changed_rect.h"
#include "colvane/canvas/clip_mask.h"
#include "colvane/canvas/pixel_view.h"

// Colours closer than this in every channel belong to the same area (33 does not).
constexpr int kFillTolerance = 32;

// A run of area pixels on one row (both ends inclusive) waiting to spread to its neighbour rows.
// A run found from another one, its parent, on row y - dir, need not look back at the parent's
// own pixels: those are in the area already.
struct FillSpan {
  int left, right, y;
  int dir;                       // +1 found below its parent, -1 above, 0 for the seed's run
  int parentLeft, parentRight;
};

// The fill's working state, kept between fills so the buffers are allocated once. (Not named
// FloodFill: GDI's function of that name would hide it wherever <windows.h> is seen.)
//
// The mask has one byte a pixel, rows of width + 2 with a zero border all around the canvas
// (and a few spare bytes at both ends for word-wide reads): 2 = in the area. Rows the growing
// has looked at also hold 1 for a pixel similar to the seed colour but not (yet) in the area,
// and 0 for any other. A row is classified once per fill, when the growing first reaches it.
struct FillState {
  int width = 0, height = 0;      // canvas size of the last grown area
  std::vector<uint8_t> mask;
  std::vector<uint8_t> rowReady;  // 1 for each canvas row classified in this fill
  ClipRect rect{0, 0, 0, 0};      // bounding box of the area, right and bottom exclusive
  std::vector<FillSpan> pending;  // room for the runs waiting to spread (grown as needed)
  std::vector<uint8_t> scratch;   // per-byte similarity tests of one row, then the range laid out
                                  // along a row (low bytes, span bytes)
  uint8_t lo[3] = {0, 0, 0};      // seed colour's acceptance range per channel: lo .. lo + span
  uint8_t span[3] = {0, 0, 0};
};

// The canvas pixel at (x, y) as a COLORREF.
inline uint32_t ReadPixelColour(const PixelView& view, int x, int y) {
  const uint8_t* p = view.At(x, y);
  return MakeColour(p[2], p[1], p[0]);
}
// Largest of the three channel differences, 0..255.
int ColourDistance(uint32_t a, uint32_t b);

// Grows the area of pixels similar to the seed's colour around (x, y), 4-connected; spans on the
// first and the last row spread no further. 0 (and nothing grown) when the seed lies outside the
// clip or the canvas. The view bounds the area: when only part of the picture is shown (482 x 371
// on a 640 x 480 screen), pass a view of that part.
int GrowFillArea(FillState* fill, const PixelView& canvas, const ClipMask& clip, int x, int y);
// 1 when (x, y) belongs to the last grown area.
int InFillArea(const FillState& fill, int x, int y);
// Row y of the mask (y from -1 to height, indexed by x from -1 to width), as the painting reads
// it: kFillMaskArea marks the area's pixels.
constexpr uint8_t kFillMaskArea = 2;
const uint8_t* FillMaskRow(const FillState& fill, int y);

// Paint the grown area (only pixels inside the clip change): area pixels take the colour, and a
// pixel outside the area but inside its bounding box takes 16/128 of the colour per neighbour
// (of eight) in the area.
void PaintFillColour(const FillState& fill, PixelView* canvas, const ClipMask& clip, uint32_t colour);
// The colour of each pixel is the texture's pixel at (x mod width, y mod height).
void PaintFillTexture(const FillState& fill, PixelView* canvas, const ClipMask& clip,
                      const PixelView& texture);

// A gradient gesture: press point, release point and the two colours (the gradient runs from
// the foreground at the press side to the background at the far side of the area).
struct GradientGesture {
  int x0, y0, x1, y1;
  uint32_t foreground, background;
};
// Paints the area with the gradient. With a clip region (not IsAll) the box is first cut to the
// region's bounding box, so the gradient spans only what can change. Returns the painted box.
ChangedRect PaintFillGradient(const FillState& fill, PixelView* canvas, const ClipMask& clip,
                              const GradientGesture& gesture);

// The colour and texture fills at a seed: grow, then paint with `texture` when it holds pixels,
// else with the colour. Returns the box to refresh (nothing when the seed was refused).
ChangedRect FillAtPoint(FillState* fill, PixelView* canvas, const ClipMask& clip, int x, int y,
                        uint32_t colour, const PixelView* texture);
// The gradient fill of the area around the press point. Returns the box to refresh.
ChangedRect GradientFill(FillState* fill, PixelView* canvas, const ClipMask& clip,
                         const GradientGesture& gesture);
