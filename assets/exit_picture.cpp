// "advert.sys": the goodbye card that rises into a square in the middle of the darkened screen
// when the program closes. A bitmap file; red is transparent (hard edges, since it is drawn over
// whatever picture the child left on the screen).
//
// The square is as wide as the card and the card climbs two pixels every 80 ms tick until it
// fills it, so its side sets how long leaving takes: 56 pixels rise in 28 ticks (about 2.3 s),
// and with the three-second wait after it the program is gone within six seconds. A square card
// ends exactly in the square; it never has to scroll.
#include <cmath>

#include "assets/gen_context.h"
#include "assets/theme.h"

namespace art {

namespace {

constexpr int kSide = 56;

Image Picture() {
  Canvas c = NewCanvas(kSide, kSide);
  cairo_t* cr = c.cr;
  RoundRect(cr, 1, 1, kSide - 2, kSide - 2, 9);
  SetSource(cr, Cream());
  cairo_fill_preserve(cr);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  // a small rainbow over the words
  const Col bands[] = {Cherry(), Orange(), Sun(), Leaf(), Sky()};
  for (int i = 0; i < 5; ++i) {
    cairo_arc(cr, kSide / 2.0, 25, 18 - i * 3, M_PI, 2 * M_PI);
    SetSource(cr, bands[i]);
    cairo_set_line_width(cr, 3.2);
    cairo_stroke(cr);
  }
  CentredText(cr, "Bye!", kSide / 2.0, 38, 16, Cherry());
  for (double x : {10.5, kSide - 10.5}) {
    StarPath(cr, x, 48, 5, 4.5, 2, 0);
    SetSource(cr, Sun());
    cairo_fill(cr);
  }
  HeartPath(cr, kSide / 2.0, 49, 8);
  SetSource(cr, Grape());
  cairo_fill(cr);
  Image img = FlattenKeyed(c, Image(kSide, kSide, {40, 40, 40}), 0, 0, 128);
  FreeCanvas(c);
  return img;
}

}  // namespace

void MakeExitPicture(Gen& g) {
  g.Check(WriteFile(g.ProgramPath("advert.sys"), EncodeBmp24(Picture())), "advert.sys");
}

}  // namespace art
