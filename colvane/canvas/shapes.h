// The shapes tool: vertices of shapes 1-6, polygon outlines laid with the brush dab, region fills
// and the soft-edged ellipse.
#pragma once
#include <cstdint>

#include "colvane/canvas/changed_rect.h"
#include "colvane/canvas/clip_mask.h"
#include "colvane/canvas/dab_masks.h"
#include "colvane/canvas/pixel_view.h"
#include "colvane/canvas/stroke_target.h"

struct CanvasPoint {
  int x, y;
};

constexpr int kMaxShapeVertices = 10;

// Vertices of shape 1 (the drag rectangle) to 6 for the anchor and the point into `out` (room for
// kMaxShapeVertices); returns their number: 0 for shapes 2-6 when the point is the anchor and for
// any other shape number.
int ShapeVertices(int shape, CanvasPoint anchor, CanvasPoint point, CanvasPoint* out);

// Lays one brush dab centred at (x, y). `textured` is 1 when the paper texture grains the dab.
struct DabSink {
  void (*lay)(void* context, double x, double y, int textured);
  void* context;
};

// The freehand brush dab as the outline's dab. With the shapes tool's drawing mode in `target`
// each dab lays the foreground at half the mask weight; the dab at vertex 0 is grained by
// target.texture, the dabs along the edges are not.
struct BrushOutline {
  StrokeState* state;
  const DabMasks* masks;
  StrokeTarget target;
};
DabSink BrushOutlineDab(BrushOutline* outline);

// Lays dabs every `spacing` pixels from *previous to `next`, carrying the distance left over in
// *carried; then *previous = next. A zero-length step lays one textured dab and clears *carried.
// Dabs whose centre (truncated) lies outside the clip are not laid.
void StepEdge(CanvasPoint* previous, CanvasPoint next, double spacing, double* carried,
              const ClipMask& clip, const DabSink& dab);
// The closed outline of a polygon: one dab at vertex 0, then every edge, back to vertex 0.
void DrawPolygonOutline(const CanvasPoint* vertices, int count, double spacing, double* carried,
                        const ClipMask& clip, const DabSink& dab);

// Every pixel inside both the clip and `region` takes the colour (hard edges). Returns the
// region's box on the canvas.
ChangedRect FillRegion(PixelView* canvas, const ClipMask& clip, const ClipMask& region, uint32_t colour);

// An ellipse drawn into the box from (x0, y0) to (x1, y1) with stroke size S: a ring of half
// width max((S − 2) / 2, 1) with a 1.2-pixel soft fringe, or filled. A box of zero width or
// height draws a straight soft line.
struct EllipseDrawing {
  int x0, y0, x1, y1;
  int size;
  int filled;
  uint32_t colour;
};
// Returns the visited box on the canvas.
ChangedRect DrawEllipse(PixelView* canvas, const ClipMask& clip, const EllipseDrawing& ellipse);
