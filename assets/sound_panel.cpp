// The music and sound panel: SOUNDON (both switches on) and SOUNDOFF (both off); the program
// copies each switch from one picture or the other and writes the tune's name on the disc.
#include <cmath>

#include "assets/button_tiles.h"
#include "assets/gen_context.h"
#include "assets/theme.h"

namespace art {

namespace {

void Note(cairo_t* cr, double cx, double cy, double s, Col c) {
  cairo_arc(cr, cx - s * 0.45, cy + s * 0.45, s * 0.28, 0, 2 * M_PI);
  cairo_arc(cr, cx + s * 0.45, cy + s * 0.3, s * 0.28, 0, 2 * M_PI);
  SetSource(cr, c);
  cairo_fill(cr);
  cairo_move_to(cr, cx - s * 0.2, cy + s * 0.45);
  cairo_line_to(cr, cx - s * 0.2, cy - s * 0.55);
  cairo_line_to(cr, cx + s * 0.7, cy - s * 0.7);
  cairo_line_to(cr, cx + s * 0.7, cy + s * 0.3);
  cairo_set_line_width(cr, s * 0.16);
  cairo_stroke(cr);
}

void Speaker(cairo_t* cr, double cx, double cy, double s, Col c, bool on) {
  cairo_move_to(cr, cx - s * 0.7, cy - s * 0.25);
  cairo_line_to(cr, cx - s * 0.35, cy - s * 0.25);
  cairo_line_to(cr, cx + s * 0.05, cy - s * 0.6);
  cairo_line_to(cr, cx + s * 0.05, cy + s * 0.6);
  cairo_line_to(cr, cx - s * 0.35, cy + s * 0.25);
  cairo_line_to(cr, cx - s * 0.7, cy + s * 0.25);
  cairo_close_path(cr);
  SetSource(cr, c);
  cairo_fill(cr);
  cairo_set_line_width(cr, s * 0.12);
  if (on) {
    for (int k = 1; k <= 2; ++k) {
      cairo_arc(cr, cx + s * 0.05, cy, s * 0.3 * k, -0.8, 0.8);
      cairo_new_sub_path(cr);
    }
    cairo_stroke(cr);
  } else {
    cairo_move_to(cr, cx + s * 0.3, cy - s * 0.3);
    cairo_line_to(cr, cx + s * 0.8, cy + s * 0.3);
    cairo_move_to(cr, cx + s * 0.8, cy - s * 0.3);
    cairo_line_to(cr, cx + s * 0.3, cy + s * 0.3);
    SetSource(cr, Cherry());
    cairo_stroke(cr);
  }
}

// A switch: a lit coloured key when on, a grey sunken one when off.
void Switch(cairo_t* cr, Rc r, bool on, bool music) {
  if (on) {
    RoundRect(cr, r.x + 0.5, r.y + 2, r.w - 1, r.h - 2, 8);
    cairo_set_source_rgba(cr, 0.35, 0.22, 0.08, 0.3);
    cairo_fill(cr);
  }
  Col body = on ? (music ? Hex(0x9BE37A) : Hex(0x8FD3FF)) : Hex(0xD9D2C5);
  Tile(cr, r.x + 0.5, r.y + (on ? 0.5 : 1.5), r.w - 1, r.h - 2, 8, body, on ? Darker(body, 0.4) : Hex(0xA89F90));
  double cx = r.x + r.w / 2.0, cy = r.y + r.h / 2.0, s = r.h * 0.42;
  Col ink = on ? Ink() : Hex(0x8F887C);
  if (music) {
    Note(cr, cx, cy, s, ink);
    if (!on) {
      cairo_move_to(cr, cx - s, cy + s * 0.8);
      cairo_line_to(cr, cx + s, cy - s * 0.8);
      SetSource(cr, Cherry());
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
    }
  } else {
    Speaker(cr, cx - s * 0.1, cy, s, ink, on);
  }
}

Image Panel(const Plan& p, bool on) {
  Canvas c = NewCanvas(p.sound.w, p.sound.h);
  cairo_t* cr = c.cr;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  PaintFelt(cr, 0, 0, p.sound.w, p.sound.h);
  RoundRect(cr, 0.5, 0.5, p.sound.w - 1, p.sound.h - 1, 8);
  SetSource(cr, Cream());
  cairo_fill_preserve(cr);
  SetSource(cr, CreamRim());
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  Switch(cr, p.music, on, true);
  Switch(cr, p.effects, on, false);
  // the disc: a name strip with a little record at its right end
  Rc d = p.disc;
  RoundRect(cr, d.x + 0.5, d.y + 0.5, d.w - 1, d.h - 1, d.h / 2.0);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_fill_preserve(cr);
  SetSource(cr, Hex(0xB89A70));
  cairo_stroke(cr);
  double rx = d.r() - d.h / 2.0 - 1, ry = d.y + d.h / 2.0, rr = d.h / 2.0 - 2;
  cairo_arc(cr, rx, ry, rr, 0, 2 * M_PI);
  SetSource(cr, Hex(0x34344A));
  cairo_fill(cr);
  cairo_arc(cr, rx, ry, rr * 0.4, 0, 2 * M_PI);
  SetSource(cr, Cherry());
  cairo_fill(cr);
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

}  // namespace

void MakeSoundPanel(Gen& g) {
  for (int v : {800, 640}) {
    const Plan& p = PlanFor(v);
    std::string d(1, p.digit);
    g.ini.Set("CARTOON", "SOUNDON" + d, g.Bitmap("sound_on" + d + ".bmp", Panel(p, true)));
    g.ini.Set("CARTOON", "SOUNDOFF" + d, g.Bitmap("sound_off" + d + ".bmp", Panel(p, false)));
  }
}

}  // namespace art
