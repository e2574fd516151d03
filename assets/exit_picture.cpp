// "advert.sys": the goodbye card that rises into a square in the middle of the dimmed screen
// when the program closes. A bitmap file; red is transparent (hard edges, since it is drawn over
// whatever picture the child left on the screen).
//
// The square is as wide as the card, and the card climbs a 40th of its side each 40 ms tick (at
// least two pixels) until it fills it, so it takes the same 1.6 seconds at any size; with the
// three-second wait after it the program is gone within six seconds. A square card ends exactly
// in the square; it never has to scroll.
#include <cmath>

#include "assets/gen_context.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

namespace {

constexpr int kSide = 168;
const Rgb kDimmed = {34, 38, 72};  // about what the dimmed screen shows around the card

// A small sun with a smile, waving.
void Sunny(cairo_t* cr, double cx, double cy, double r) {
  for (int i = 0; i < 10; ++i) {
    double a = i * M_PI / 5;
    cairo_move_to(cr, cx + std::cos(a) * (r + 3), cy + std::sin(a) * (r + 3));
    cairo_line_to(cr, cx + std::cos(a) * (r + 10), cy + std::sin(a) * (r + 10));
  }
  SetSource(cr, Orange());
  cairo_set_line_width(cr, 3.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  OutlineFill(cr, Sun(), 2);
  for (double dx : {-r * 0.38, r * 0.38}) {
    cairo_arc(cr, cx + dx, cy - r * 0.15, r * 0.12, 0, 2 * M_PI);
    SetSource(cr, Ink());
    cairo_fill(cr);
  }
  cairo_arc(cr, cx, cy + r * 0.05, r * 0.5, 0.15 * M_PI, 0.85 * M_PI);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  for (double dx : {-r * 0.62, r * 0.62}) {  // rosy cheeks
    cairo_arc(cr, cx + dx, cy + r * 0.22, r * 0.14, 0, 2 * M_PI);
    SetSource(cr, Cherry(), 0.45);
    cairo_fill(cr);
  }
}

Image Picture() {
  Canvas c = NewCanvas(kSide, kSide);
  cairo_t* cr = c.cr;
  RoundRect(cr, 3, 3, kSide - 6, kSide - 6, 22);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, kSide);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.86, 0.94, 1.0);
  cairo_pattern_add_color_stop_rgb(g, 1, Cream().r, Cream().g, Cream().b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetSource(cr, Sky());
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  // a rainbow over the hills, the sun waving from behind it
  const Col bands[] = {Cherry(), Orange(), Sun(), Leaf(), Sky(), Grape()};
  for (int i = 0; i < 6; ++i) {
    cairo_arc(cr, kSide / 2.0, 92, 62 - i * 6, M_PI, 2 * M_PI);
    SetSource(cr, bands[i]);
    cairo_set_line_width(cr, 6.2);
    cairo_stroke(cr);
  }
  Sunny(cr, 128, 38, 15);
  cairo_move_to(cr, 10, 100);
  cairo_curve_to(cr, 50, 78, 90, 88, 120, 98);
  cairo_curve_to(cr, 140, 92, 150, 90, kSide - 10, 96);
  cairo_line_to(cr, kSide - 10, 112);
  cairo_line_to(cr, 10, 112);
  cairo_close_path(cr);
  SetSource(cr, Leaf());
  cairo_fill(cr);
  CentredText(cr, "Bye!", kSide / 2.0, 128, 34, Cherry());
  CentredText(cr, "See you soon", kSide / 2.0, 152, 13, Ink());
  for (const Pt& star : {Pt{20, 26}, Pt{44, 16}}) {  // stars on the left, the sun on the right
    StarPath(cr, star.x, star.y, 5, 9, 4, 0);
    OutlineFill(cr, Sun(), 1.4);
  }
  for (double x : {22.0, kSide - 22.0}) {
    HeartPath(cr, x, 128, 13);
    SetSource(cr, x < kSide / 2 ? Grape() : Cherry());
    cairo_fill(cr);
  }
  Image img = FlattenKeyed(c, Image(kSide, kSide, kDimmed), 0, 0, 128);
  FreeCanvas(c);
  return img;
}

}  // namespace

void MakeExitPicture(Gen& g) {
  g.Check(WriteFile(g.ProgramPath("advert.sys"), EncodeBmp24(Picture())), "advert.sys");
}

}  // namespace art
