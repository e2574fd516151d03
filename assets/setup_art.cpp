// The setup program's pictures: the tall welcome picture beside its first and last pages and
// the small header of the pages between, in the desk's wood with the logo and a painted sheet.
#include <cmath>

#include "assets/gen_context.h"
#include "assets/theme.h"

namespace art {

namespace {

// A sheet of paper with a rainbow brush stroke across it and a sun in its corner.
void PaintedSheet(cairo_t* cr, double x, double y, double w, double h) {
  SoftShadow(cr, x, y, w, h, 3, 2, 3, 5, 0.5);
  RoundRect(cr, x, y, w, h, 3);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_fill(cr);
  const Col bands[] = {Cherry(), Orange(), Sun(), Leaf(), Sky(), Grape()};
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, w * 0.06);
  for (int i = 0; i < 6; ++i) {
    double r = w * (0.40 - i * 0.055);
    cairo_arc(cr, x + w / 2, y + h * 0.8, r, M_PI * 1.06, M_PI * 1.94);
    SetSource(cr, bands[i]);
    cairo_stroke(cr);
  }
  cairo_arc(cr, x + w * 0.8, y + h * 0.2, w * 0.09, 0, 2 * M_PI);
  SetSource(cr, Sun());
  cairo_fill(cr);
}

Image Welcome() {
  const int w = 164, h = 314;
  Canvas c = NewCanvas(w, h);
  PaintImage(c.cr, WoodTexture(w, h, 77), 0, 0);
  cairo_save(c.cr);
  cairo_translate(c.cr, w / 2.0, 110);
  cairo_rotate(c.cr, -0.08);
  PaintedSheet(c.cr, -62, -78, 124, 150);
  cairo_restore(c.cr);
  Logo(c.cr, {0, 206, w, 80});
  Image img = Flatten(c);
  FreeCanvas(c);
  return img;
}

Image Header() {
  const int w = 150, h = 57;
  Canvas c = NewCanvas(w, h);
  PaintImage(c.cr, WoodTexture(w, h, 78), 0, 0);
  cairo_scale(c.cr, 0.62, 0.62);
  Logo(c.cr, {0, 2, static_cast<int>(w / 0.62), 80});
  Image img = Flatten(c);
  FreeCanvas(c);
  return img;
}

}  // namespace

void MakeSetupArt(Gen& g) {
  g.Check(WriteBmp24(g.ResPath("setup_welcome.bmp"), Welcome()), "setup_welcome.bmp");
  g.Check(WriteBmp24(g.ResPath("setup_header.bmp"), Header()), "setup_header.bmp");
}

}  // namespace art
