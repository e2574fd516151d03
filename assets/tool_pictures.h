// Pictures of the tools, drawn as vectors so the same drawing serves the toolbox buttons, the
// option panels and the 32 x 32 cursors. Each fills a 100 x 100 box; pens point their tip at
// the bottom-left corner, where the tool touches the paper.
#pragma once

#include <cairo.h>

#include "assets/art_common.h"
#include "assets/screen_plan.h"

namespace art {

enum class Pic {
  Brush, Pencil, Marker, Crayon, Chalk, Spray, Bucket, Eraser, Shapes, Lasso, Dropper,
  Magnifier, Typewriter, Wand, Toothpaste, OpenHand, PointHand, IBeam, Crosshair,
};

// Draws `pic` into the box at (x, y) with side `size`. `paint` tints the part that holds
// colour (the brush tip, the marker ink, ...).
void DrawPic(cairo_t* cr, Pic pic, double x, double y, double size, Col paint);
// Where the tool touches the paper, in the 100 x 100 box.
Pt PicTip(Pic pic);

// Shared helpers of the picture files.
void OutlineFill(cairo_t* cr, Col fill, double width = 3.5);
// Moves the origin to (tipX, tipY) and turns +x to point from the tip up-right at `degrees`.
void AlongFromTip(cairo_t* cr, double tipX, double tipY, double degrees);
void Shine(cairo_t* cr, double x0, double y0, double x1, double y1, double width, double alpha);

// The two halves of the picture set.
void DrawPen(cairo_t* cr, Pic pic, Col paint);   // brush, pencil, marker, crayon, chalk, dropper, wand
void DrawGear(cairo_t* cr, Pic pic, Col paint);  // everything else

}  // namespace art
