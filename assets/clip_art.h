// The clip-art library's default content: stickers (picture and mask), cartoon strips, sample
// pictures, and the library pages that show them in their slots.
#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

#include "assets/art_common.h"
#include "assets/screen_plan.h"

namespace art {

// A sticker is drawn as vectors in the pixel box it is designed in (w x h), so the same drawing
// gives the full-size picture and the small one on the library page.
using StickerDraw = void (*)(cairo_t*);
struct Sticker {
  int w, h;
  StickerDraw draw;
};

// One category of stickers: its section, its file stem and ten drawings (two pages of five).
struct StickerSet {
  const char* section;
  const char* stem;
  std::vector<Sticker> items;
};
StickerSet PeopleStickers();
StickerSet DinosaurStickers();
StickerSet InsectStickers();
StickerSet PlaneStickers();
StickerSet WeatherStickers();
StickerSet HouseStickers();
StickerSet PlantStickers();
StickerSet BirdStickers();

// Where a sticker's drawing lies in its box's coordinates, outlines included, with a margin of
// 2 pixels: the sticker files are cut to it, so no part is lost and no space is wasted.
struct Bounds {
  int x, y, w, h;
};
Bounds StickerBounds(const Sticker& s);
// Picture (straight colour where drawn, white elsewhere) and grey mask (the coverage) of a
// sticker, cut to its bounds.
void RenderSticker(const Sticker& s, Image* picture, Image* mask);

// An animated cartoon: `frames` pictures of w x h drawn by draw(cr, frame), the loop closing
// after the last frame.
using CartoonDraw = void (*)(cairo_t*, int frame, int frames);
struct Cartoon {
  const char* file;  // below clip/
  int w, h, frames;
  CartoonDraw draw;
};
const std::vector<Cartoon>& Cartoons();
// The strip: frames side by side on the pure red key, hard-edged, with no other pure red.
Image CartoonStrip(const Cartoon& c);

// The colouring pages (black lines on white) and the finished landscapes, 640 x 480.
constexpr int kColouringPages = 4, kLandscapes = 4;
Image ColouringPage(int n);  // 0 .. kColouringPages - 1
Image Landscape(int n);      // 0 .. kLandscapes - 1
// The meadow with a path and a pond that the cartoon sample's cat and fish move over.
Image CartoonMeadow();

// The library page: the cream card with its arrows and `slots` frames; `pressed` sinks every
// control.
void PageBase(cairo_t* cr, double x, double y, int slots, bool pressed = false);

// Drawing helpers shared by the clip-art files (Ink outlines, as the rest of the house art).
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void Fill(cairo_t* cr, Col c, double alpha = 1.0);
void Stroke(cairo_t* cr, Col c, double width);
void Outlined(cairo_t* cr, Col fill, double width = 3.5);
void Dot(cairo_t* cr, double x, double y, double r, Col c);
// A friendly eye: ink pupil with a white glint.
void Eye(cairo_t* cr, double x, double y, double r);
// A smile from (x - w/2) to (x + w/2) with its lowest point `depth` below y.
void Smile(cairo_t* cr, double x, double y, double w, double depth, double width = 2.5);
void Cheek(cairo_t* cr, double x, double y, double r);

// A figure made of parts drawn as one shape: every part's outline first, then every part's
// colour, so the parts join without lines between them. A part is an area (width 0) or a
// stroke of that width along its path.
struct Part {
  std::function<void(cairo_t*)> path;
  Col colour;
  double width = 0;
};
void Merged(cairo_t* cr, const std::vector<Part>& parts, double outline = 3.5);

}  // namespace art
