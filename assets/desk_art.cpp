// The DRAW frame: a wooden desk with felt-lined compartments and the shadows of what lies on it.
#include <algorithm>
#include <cmath>

#include "assets/gen_context.h"
#include "assets/theme.h"

namespace art {

// Horizontal planks of honey-coloured wood with soft grain, knots and seams.
Image WoodTexture(int w, int h, uint32_t seed) {
  Image img(w, h);
  const int plank = 120;
  Col light = WoodLight(), dark = WoodDark();
  for (int y = 0; y < h; ++y) {
    int k = y / plank;
    uint32_t s = seed + 17 * k;
    double shift = k * 97.0;
    for (int x = 0; x < w; ++x) {
      double n = Fbm((x + shift) / 160.0, y / 10.0, s, 4, 0);
      double ring = 0.5 + 0.5 * std::sin(n * 28.0 + y * 0.08);
      double fine = ValueNoise(x / 1.5, y / 0.9, s + 7, 0);
      double t = 0.18 * ring + 0.55 * (n - 0.3) + 0.1 * fine;
      t = std::clamp(t, 0.0, 1.0);
      Col c = Mix(light, dark, t);
      int yy = y % plank;
      if (yy == 0) c = Darker(dark, 0.35);
      if (yy == 1) c = Lighter(light, 0.25);
      img.Set(x, y, {static_cast<uint8_t>(c.r * 255), static_cast<uint8_t>(c.g * 255),
                     static_cast<uint8_t>(c.b * 255)});
    }
  }
  return img;
}

// A felt-lined compartment: a bevelled rim around `in`, whose inside is flat felt.
static void Well(cairo_t* cr, Rc in) {
  const double rim = 3;
  SoftShadow(cr, in.x - rim, in.y - rim, in.w + 2 * rim, in.h + 2 * rim, 6, 0, 0, 3, 0.25);
  RoundRect(cr, in.x - rim, in.y - rim, in.w + 2 * rim, in.h + 2 * rim, 6);
  SetSource(cr, Hex(0x6B4423));
  cairo_fill(cr);
  // inner bevel: dark at the top-left, light at the bottom-right
  cairo_set_line_width(cr, 1);
  SetSource(cr, Hex(0x3E2712));
  cairo_move_to(cr, in.x - 1.5, in.b() + 1);
  cairo_line_to(cr, in.x - 1.5, in.y - 1.5);
  cairo_line_to(cr, in.r() + 1, in.y - 1.5);
  cairo_stroke(cr);
  SetSource(cr, Hex(0xF3C98F));
  cairo_move_to(cr, in.x - 2, in.b() + 2.5);
  cairo_line_to(cr, in.r() + 2.5, in.b() + 2.5);
  cairo_line_to(cr, in.r() + 2.5, in.y - 2);
  cairo_stroke(cr);
  cairo_rectangle(cr, in.x, in.y, in.w, in.h);
  SetSource(cr, Felt());
  cairo_fill(cr);
}

// Painted letters and paint blobs on the free corner of the wide desk (and in the setup's art).
void Logo(cairo_t* cr, Rc r) {
  if (r.w <= 0) return;
  double cx = r.x + r.w / 2.0;
  const Col blobs[] = {Cherry(), Orange(), Sun(), Leaf(), Sky(), Grape()};
  for (int i = 0; i < 6; ++i) {
    double bx = cx + (i - 2.5) * 21, by = r.y + 24 + (i % 2 ? 3 : -3);
    cairo_arc(cr, bx, by + 1.5, 8, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.2, 0.1, 0, 0.25);
    cairo_fill(cr);
    cairo_arc(cr, bx, by, 8, 0, 2 * M_PI);
    SetSource(cr, blobs[i]);
    cairo_fill(cr);
    cairo_arc(cr, bx - 2.5, by - 2.5, 2.5, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
    cairo_fill(cr);
  }
  const char* word = "colvane";
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 27);
  cairo_text_extents_t e;
  cairo_text_extents(cr, word, &e);
  double x = cx - e.width / 2 - e.x_bearing;
  for (int i = 0; word[i]; ++i) {
    char s[2] = {word[i], 0};
    cairo_text_extents_t le;
    cairo_text_extents(cr, s, &le);
    double y = r.y + 68 + (i % 2 ? -2 : 2);
    cairo_move_to(cr, x + 1.5, y + 2);
    cairo_text_path(cr, s);
    cairo_set_source_rgba(cr, 0.2, 0.1, 0, 0.35);
    cairo_fill(cr);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, s);
    SetSource(cr, blobs[i % 6]);
    cairo_fill_preserve(cr);
    SetSource(cr, Ink());
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    x += le.x_advance;
  }
}

static Image DeskFor(const Plan& p) {
  Canvas c = NewCanvas(p.screenW, p.screenH);
  PaintImage(c.cr, WoodTexture(p.screenW, p.screenH, 40 + p.variant), 0, 0);
  cairo_t* cr = c.cr;
  // the sheet's shadow; the sheet itself is the paper-type bitmap drawn over the desk
  SoftShadow(cr, p.sheet.x, p.sheet.y, p.sheet.w, p.sheet.h, 2, 2, 3, 5, 0.55);
  cairo_rectangle(cr, p.sheet.x, p.sheet.y, p.sheet.w, p.sheet.h);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_fill(cr);
  // the paper-change badge's shadow
  cairo_arc(cr, p.badge.x + 1, p.badge.y + 2, p.badgeR + 1.5, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 0.2, 0.1, 0.0, 0.3);
  cairo_fill(cr);
  Well(cr, p.rightWell);
  Well(cr, p.bottomWell);
  Logo(cr, p.logo);
  Image img = Flatten(c);
  FreeCanvas(c);
  return img;
}

// The desk is also needed by the art that is drawn with soft edges over it (paper, thumb).
const Image& DeskImage(int variant) {
  static const Image wide = DeskFor(PlanFor(800)), small = DeskFor(PlanFor(640));
  return variant == 800 ? wide : small;
}

void MakeDesk(Gen& g) {
  for (int v : {800, 640}) {
    const Plan& p = PlanFor(v);
    Image img = DeskImage(v);
    AvoidKey(img);
    g.ini.Set(Section(p), "DRAW", g.Bitmap(v == 800 ? "desk8.bmp" : "desk6.bmp", img));
  }
}

}  // namespace art
