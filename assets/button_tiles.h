// The rounded picture tiles of the toolbox and the library tray, in their looks and animations.
#pragma once

#include <functional>
#include <vector>

#include "assets/art_common.h"
#include "assets/screen_plan.h"

namespace art {

// How a tile looks in one frame.
struct TileLook {
  double lift = 0;    // pixels the tile rises (its shadow grows)
  double angle = 0;   // picture rotation in degrees
  double scale = 1;   // picture scale
  double glow = 0;    // 0 plain cream, 1 fully lit (selected)
  bool pressed = false;
};

// Draws a picture into the square box (x, y, size).
using PictureFn = std::function<void(cairo_t*, double x, double y, double size)>;

// One tile in the cell rectangle, over the felt already painted there.
void DrawTile(cairo_t* cr, Rc cell, const TileLook& look, const PictureFn& picture);

// A filmstrip of the cell in each look, side by side, on flat felt.
Image TileStrip(int w, int h, const std::vector<TileLook>& frames, const PictureFn& picture);

// The frames of the three button states: hover (first frame plain), plain, and the
// selection animation whose last frame is the selected look.
std::vector<TileLook> HoverFrames();
std::vector<TileLook> PlainFrames();
std::vector<TileLook> SelectFrames();

// A felt rectangle.
void PaintFelt(cairo_t* cr, double x, double y, double w, double h);

}  // namespace art
