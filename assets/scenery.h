// Pieces of outdoor scenes shared by the landscapes, the cartoon sample's meadow and the weather
// stickers: skies, clouds, hills, trees and flowers, drawn with the house's ink outlines.
#pragma once

#include <cairo.h>

#include "assets/art_common.h"

namespace art {

// A vertical gradient over the rectangle.
void Gradient(cairo_t* cr, double x, double y, double w, double h, Col top, Col bottom);
// A puffy cloud filling the box (x, y, w, h), outlined as one shape.
void CloudShape(cairo_t* cr, double x, double y, double w, double h, Col c);
// The sun with pointed rays.
void SunRays(cairo_t* cr, double cx, double cy, double r);
// A hill whose top runs from (x0, y0) over a crest at (cx, cy) to (x1, y1), filled to `bottom`.
void Hill(cairo_t* cr, double x0, double y0, double cx, double cy, double x1, double y1, double bottom, Col c);
// Trees standing on the ground at (x, ground); `size` is about their height.
void RoundTree(cairo_t* cr, double x, double ground, double size, Col leaves);
void FirTree(cairo_t* cr, double x, double ground, double size);
// A little flower with five petals.
void Blossom(cairo_t* cr, double x, double y, double r, Col petals);
// A tuft of grass blades.
void GrassTuft(cairo_t* cr, double x, double y, double size, Col c);

}  // namespace art
