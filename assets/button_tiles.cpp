// The rounded picture tiles of the toolbox and the library tray, in their looks and animations.
#include "assets/button_tiles.h"

#include <cmath>

#include "assets/theme.h"

namespace art {

void PaintFelt(cairo_t* cr, double x, double y, double w, double h) {
  cairo_rectangle(cr, x, y, w, h);
  SetSource(cr, Felt());
  cairo_fill(cr);
}

void DrawTile(cairo_t* cr, Rc cell, const TileLook& look, const PictureFn& picture) {
  double x = cell.x + 2, y = cell.y + 2 - look.lift, w = cell.w - 4, h = cell.h - 5;
  if (look.pressed) y += 1;
  // shadow on the felt: deeper when lifted
  double depth = look.pressed ? 0.5 : 1.5 + look.lift;
  RoundRect(cr, x + 0.5, y + depth + 0.5, w, h, 9);
  cairo_set_source_rgba(cr, 0.02, 0.08, 0.15, 0.45);
  cairo_fill(cr);
  Col body = Mix(Cream(), Hex(0xFFE27A), look.glow);
  Col rim = Mix(CreamRim(), Hex(0xE0A21B), look.glow);
  Tile(cr, x, y, w, h, 9, body, rim);
  if (look.glow > 0.5) {  // a soft ring of light inside the selected tile
    RoundRect(cr, x + 2.5, y + 2.5, w - 5, h - 5, 7);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.55 * look.glow);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  double size = (h - 4) * 1.2 * look.scale;
  double cx = x + w / 2, cy = y + h / 2;
  cairo_save(cr);
  RoundRect(cr, x + 1, y + 1, w - 2, h - 2, 8);
  cairo_clip(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, look.angle * M_PI / 180);
  picture(cr, -size / 2, -size / 2, size);
  cairo_restore(cr);
}

Image TileStrip(int w, int h, const std::vector<TileLook>& frames, const PictureFn& picture) {
  int n = static_cast<int>(frames.size());
  Canvas c = NewCanvas(w * n, h);
  PaintFelt(c.cr, 0, 0, w * n, h);
  for (int i = 0; i < n; ++i) DrawTile(c.cr, {i * w, 0, w, h}, frames[i], picture);
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

std::vector<TileLook> HoverFrames() {
  const double angles[] = {0, -9, 8, -5, 3, 0};
  std::vector<TileLook> f;
  for (int i = 0; i < 6; ++i) {
    TileLook t;
    t.lift = i == 0 ? 0 : std::min(2.0, i * 0.7);
    t.angle = angles[i];
    t.scale = i == 0 ? 1.0 : 1.08;
    t.glow = i == 0 ? 0 : 0.18;
    f.push_back(t);
  }
  return f;
}

std::vector<TileLook> PlainFrames() { return {TileLook{}}; }

std::vector<TileLook> SelectFrames() {
  const double scales[] = {1.0, 0.92, 1.18, 1.08, 1.14, 1.12};
  const double angles[] = {0, 0, -6, 4, -2, -4};
  std::vector<TileLook> f;
  for (int i = 0; i < 6; ++i) {
    TileLook t;
    t.pressed = i == 1;
    t.scale = scales[i];
    t.angle = angles[i];
    t.glow = std::min(1.0, i / 3.0);
    f.push_back(t);
  }
  return f;
}

}  // namespace art
