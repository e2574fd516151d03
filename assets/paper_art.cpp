// The ten paper types: the sheet's border around the canvas in the paper's own colour and
// grain, and the badge in its top-left corner that changes the paper. Red is transparent.
#include <algorithm>
#include <cmath>

#include "assets/gen_context.h"
#include "assets/theme.h"

namespace art {

namespace {

struct PaperLook {
  const char* name;
  uint32_t base;
  int grain;        // p<n>.dat shown in the border (the grain the paper gives to strokes)
  double strength;  // how much the grain shows
};

// Paper type k uses the grain p(k + 1).dat; the last type has no grain at all.
const PaperLook kPapers[10] = {
    {"drawing", 0xFFFEF9, 1, 0.03}, {"watercolour", 0xFBF3E1, 2, 0.14},
    {"pastel", 0xD6E5F3, 3, 0.16},  {"canvas", 0xEEE0C2, 4, 0.22},
    {"kraft", 0xC99F76, 5, 0.20},   {"notebook", 0xFFFFFF, 6, 0.08},
    {"sandpaper", 0xB8AD9A, 7, 0.30}, {"rice", 0xF7F1E3, 8, 0.16},
    {"wood", 0xD9A76A, 9, 0.35},    {"glossy", 0xFFFFFF, 0, 0.0},
};

void PutArgb(Canvas& c, int x, int y, Col col, double a) {
  unsigned char* data = cairo_image_surface_get_data(c.surface);
  int stride = cairo_image_surface_get_stride(c.surface);
  auto ch = [a](double v) { return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * a * 255 + 0.5); };
  uint32_t v = (static_cast<uint32_t>(a * 255 + 0.5) << 24) | (ch(col.r) << 16) | (ch(col.g) << 8) | ch(col.b);
  *reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride + 4 * x) = v;
}

// The border ring between the sheet's edge and the canvas, pixel by pixel.
void SheetBorder(Canvas& c, const Plan& p, int type) {
  const PaperLook& look = kPapers[type];
  Rc s = {p.sheet.x - p.paperBmp.x, p.sheet.y - p.paperBmp.y, p.sheet.w, p.sheet.h};
  Rc in = {p.canvas.x - p.paperBmp.x, p.canvas.y - p.paperBmp.y, p.canvas.w, p.canvas.h};
  Col base = Hex(look.base);
  cairo_surface_flush(c.surface);
  for (int y = s.y; y < s.b(); ++y)
    for (int x = s.x; x < s.r(); ++x) {
      if (x >= in.x && x < in.r() && y >= in.y && y < in.b()) continue;
      double g = look.grain ? PaperGrain(look.grain)[(y & 63) * 64 + (x & 63)] / 128.0 : 1.0;
      Col col = Mix(base, Darker(base, 0.35), std::clamp((1.0 - g) * look.strength * 2 + look.strength * 0.3, 0.0, 1.0));
      double a = 1.0;
      int edge = std::min(std::min(x - s.x, s.r() - 1 - x), std::min(y - s.y, s.b() - 1 - y));
      if (type == 1) {  // deckled edge: a wavy torn line up to three pixels deep
        bool side = std::min(x - s.x, s.r() - 1 - x) < std::min(y - s.y, s.b() - 1 - y);
        double depth = 0.5 + 2.5 * ValueNoise((side ? y : x) / 5.0, side ? 1.5 : 7.5, 77, 0);
        a = std::clamp(edge + 1 - depth, 0.0, 1.0);
      } else if (edge == 0) {
        col = Darker(col, 0.18);
      }
      if (type == 9 && edge == 2) col = Hex(0xC9D6E3);  // glossy: a clean inner line
      if (type == 8) {                                  // wood board: long grain lines
        double t = Fbm(x / 60.0, y / 4.0, 5, 3, 0);
        col = Mix(Hex(0xE0B07A), Hex(0xA86E3A), std::clamp(0.3 + 0.6 * std::sin(t * 20) * 0.5 + 0.2 * (1 - g), 0.0, 1.0));
      }
      PutArgb(c, x, y, col, a);
    }
  cairo_surface_mark_dirty(c.surface);
}

// Decorations of some papers drawn on top of the border.
void Decorate(cairo_t* cr, const Plan& p, int type) {
  Rc s = {p.sheet.x - p.paperBmp.x, p.sheet.y - p.paperBmp.y, p.sheet.w, p.sheet.h};
  if (type == 5) {  // notebook: a row of binding holes along the top edge
    for (int x = s.x + 40; x < s.r() - 10; x += 18) {
      cairo_arc(cr, x, s.y + 3, 1.8, 0, 2 * M_PI);
      SetSource(cr, Hex(0x8092A8));
      cairo_fill(cr);
    }
    cairo_rectangle(cr, s.x, s.y + 5, s.w, 1);
    SetSource(cr, Hex(0x9CC3E6));
    cairo_fill(cr);
  }
  if (type == 3) {  // canvas: tacks along the edges
    for (int x = s.x + 30; x < s.r() - 20; x += 80) {
      for (int y : {s.y + 3, s.b() - 3}) {
        cairo_arc(cr, x, y, 1.6, 0, 2 * M_PI);
        SetSource(cr, Hex(0x8A8A8A));
        cairo_fill(cr);
      }
    }
  }
}

// The round badge: a little stack of two sheets, this paper in front of the next one.
void Badge(cairo_t* cr, const Plan& p, int type) {
  double cx = p.badge.x - p.paperBmp.x, cy = p.badge.y - p.paperBmp.y, r = p.badgeR;
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.4, 1, cx, cy, r);
  Col hi = Lighter(Sun(), 0.5), lo = Darker(Sun(), 0.1);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  double u = r / 11.0;
  auto sheet = [&](double ox, double oy, double angle, uint32_t colour) {
    cairo_save(cr);
    cairo_translate(cr, cx + ox * u, cy + oy * u);
    cairo_rotate(cr, angle);
    cairo_rectangle(cr, -4 * u, -5 * u, 8 * u, 10 * u);
    SetSource(cr, Hex(colour));
    cairo_fill_preserve(cr);
    SetSource(cr, Ink());
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    cairo_restore(cr);
  };
  sheet(2.2, -1.2, 0.35, kPapers[(type + 1) % 10].base);
  sheet(-1.6, 1.0, -0.15, kPapers[type].base);
}

Image PaperBitmap(const Plan& p, int type) {
  Canvas c = NewCanvas(p.paperBmp.w, p.paperBmp.h);
  SheetBorder(c, p, type);
  Decorate(c.cr, p, type);
  Badge(c.cr, p, type);
  // the canvas shows through a hole with hard edges
  Image img = FlattenKeyed(c, DeskImage(p.variant), p.paperBmp.x, p.paperBmp.y);
  FreeCanvas(c);
  for (int y = p.canvas.y; y < p.canvas.b(); ++y)
    for (int x = p.canvas.x; x < p.canvas.r(); ++x)
      img.Set(x - p.paperBmp.x, y - p.paperBmp.y, {kKeyR, kKeyG, kKeyB});
  return img;
}

}  // namespace

void MakePapers(Gen& g) {
  for (int v : {800, 640}) {
    const Plan& p = PlanFor(v);
    for (int t = 0; t < 10; ++t) {
      std::string key = std::string(1, p.digit) + std::to_string(t + 1);
      std::string file = std::string("paper_") + kPapers[t].name + (v == 800 ? "8" : "6") + ".bmp";
      g.ini.Set("PAPERTYPE", key, g.Bitmap(file, PaperBitmap(p, t)));
    }
  }
}

}  // namespace art
