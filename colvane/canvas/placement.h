// Placing a sticker: the clip-art picture blended into the canvas through its mask, and the
// rectangles of the drag preview shared by stickers and cartoons.
#pragma once
#include "colvane/canvas/clip_mask.h"
#include "colvane/canvas/pixel_view.h"
#include "colvane/canvas/shapes.h"

// Opacity of a mask pixel, 0..255: (38 × red + 90 × green) >> 7 (blue is not used, so a pure
// blue mask pixel is transparent).
inline int MaskOpacity(const uint8_t* maskPixel) { return (38 * maskPixel[2] + 90 * maskPixel[1]) >> 7; }

// Blends `picture` through `mask` (white opaque, black transparent, grey partly) into the canvas
// centred at `at`; only pixels inside the clip change. Returns the rectangle to repaint (held to
// the canvas; nothing when the picture misses it).
ChangedRect DropClipArt(PixelView* canvas, const ClipMask& clip, const PixelView& picture,
                        const PixelView& mask, CanvasPoint at);

// Where a w x h picture dragged from `last` to `at` is previewed, all in canvas coordinates.
struct DragPreview {
  int shown;            // 0: nothing to draw (the picture is wholly off the canvas)
  ClipRect work;        // both positions' union: the temporary bitmap's area
  CanvasPoint picture;  // the picture's top-left inside the work area
  ClipRect target;      // the part of the work area blitted to the window
  CanvasPoint source;   // target's top-left inside the work area
};
DragPreview PlanDragPreview(CanvasPoint at, CanvasPoint last, int w, int h, int canvasWidth,
                            int canvasHeight);
