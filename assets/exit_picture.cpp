// "advert.sys": the goodbye picture that scrolls up through a square in the middle of the
// darkened screen when the program closes. A bitmap file; red is transparent (hard edges,
// since it is drawn over whatever picture the child left on the screen).
#include <cmath>

#include "assets/gen_context.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

namespace {

constexpr int kW = 320, kH = 720;

void Words(cairo_t* cr, const char* text, double y, double size, Col fill) {
  cairo_save(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  cairo_move_to(cr, kW / 2.0 - e.width / 2 - e.x_bearing, y);
  cairo_text_path(cr, text);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_set_line_width(cr, 8);
  cairo_stroke_preserve(cr);
  SetSource(cr, fill);
  cairo_fill_preserve(cr);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_restore(cr);
}

Image Picture() {
  Canvas c = NewCanvas(kW, kH);
  cairo_t* cr = c.cr;
  const Col bands[] = {Cherry(), Orange(), Sun(), Leaf(), Sky(), Grape()};
  for (int i = 0; i < 6; ++i) {
    cairo_arc(cr, kW / 2.0, 200, 140 - i * 14, M_PI, 2 * M_PI);
    SetSource(cr, bands[i]);
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
  }
  Words(cr, "Bye bye!", 170, 50, Sun());
  DrawPic(cr, Pic::OpenHand, kW / 2.0 - 50, 210, 100, Hex(0));
  Rng r(42);
  for (int i = 0; i < 26; ++i) {
    double x = r.Range(20, kW - 20), y = r.Range(340, 700), s = r.Range(8, 18);
    StarPath(cr, x, y, 5, s, s * 0.45, r.Range(0, 1));
    OutlineFill(cr, bands[i % 6], 2);
  }
  Words(cr, "See you soon", 470, 34, Sky());
  DrawPic(cr, Pic::Brush, 60, 510, 90, Hex(0x3D7FE0));
  DrawPic(cr, Pic::Pencil, 170, 510, 90, Hex(0x4A4A4A));
  Image img = FlattenKeyed(c, Image(kW, kH, {40, 40, 40}), 0, 0, 128);
  FreeCanvas(c);
  return img;
}

}  // namespace

void MakeExitPicture(Gen& g) {
  g.Check(WriteFile(g.ProgramPath("advert.sys"), EncodeBmp24(Picture())), "advert.sys");
}

}  // namespace art
