// The square eraser: the path swept by a square between two points, wiped to the background.
#pragma once
#include <cstdint>

#include "colvane/canvas/clip_mask.h"
#include "colvane/canvas/pixel_view.h"
#include "colvane/canvas/shapes.h"

// Half the square's side for a size-bar value: max((size + 1) / 2, 1).
int SquareHalfSize(int sizeValue);

// The polygon swept by the square of half size k moved from (x0, y0) to (x1, y1), into `out`
// (room for 6): the rectangle around both squares (4 vertices) when the move is straight or
// none, otherwise the hexagon that is the convex hull of the two squares (6 vertices).
int SweptSquare(CanvasPoint from, CanvasPoint to, int k, CanvasPoint* out);

// The square outline's rectangle around (cx, cy): corners (cx − k, cy − k) and (cx + k, cy + k),
// each held to 0 … width or 0 … height (the bound itself included).
ClipRect SquareOutline(CanvasPoint centre, int k, int width, int height);

// Wipes every pixel of the swept region (as GDI made it from the polygon) that lies inside the
// clip to the background colour. Returns the region's box (nothing when the region is empty).
ChangedRect WipeSwept(PixelView* canvas, const ClipMask& clip, const ClipMask& swept,
                      uint32_t background);
