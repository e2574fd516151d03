// Magic stamps pat1.dat..pat6.dat (animated 128 x 128 frames, bytes red, green, blue, alpha)
// and the stamp strip HEAP that the stamp panel pages through.
#include <cmath>

#include "assets/gen_context.h"
#include "assets/theme.h"

namespace art {

namespace {

constexpr int kS = 128;

Col Hue(double h) {
  h = std::fmod(h, 1.0) * 6;
  double x = 1 - std::fabs(std::fmod(h, 2.0) - 1);
  Col c = h < 1 ? Col{1, x, 0} : h < 2 ? Col{x, 1, 0} : h < 3 ? Col{0, 1, x}
        : h < 4 ? Col{0, x, 1} : h < 5 ? Col{x, 0, 1} : Col{1, 0, x};
  return Mix(c, {1, 1, 1}, 0.15);
}

void Outline(cairo_t* cr, Col fill, double width = 4) {
  SetSource(cr, fill);
  cairo_fill_preserve(cr);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void Star(cairo_t* cr, int f, int n) {
  double t = f / double(n);
  StarPath(cr, 64, 66, 5, 54 - 6 * std::sin(t * 2 * M_PI), 24, t * 2 * M_PI / 5);
  Outline(cr, Hue(t));
  StarPath(cr, 56, 56, 5, 12, 5, 0.3);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
  cairo_fill(cr);
}

void Butterfly(cairo_t* cr, int f, int n) {
  const double open[] = {1.0, 0.8, 0.5, 0.25, 0.5, 0.8};
  double s = open[f % 6];
  Col a = Hue(0.05 + 0.6 * f / n), b = Hue(0.55 + 0.6 * f / n);
  for (int side = -1; side <= 1; side += 2) {
    cairo_save(cr);
    cairo_translate(cr, 64, 64);
    cairo_scale(cr, side * s, 1);
    cairo_move_to(cr, 0, -6);
    cairo_curve_to(cr, 20, -60, 62, -50, 54, -16);
    cairo_curve_to(cr, 50, -4, 30, -2, 0, 0);
    cairo_close_path(cr);
    cairo_restore(cr);
    Outline(cr, a);
    cairo_save(cr);
    cairo_translate(cr, 64, 64);
    cairo_scale(cr, side * s, 1);
    cairo_move_to(cr, 0, 2);
    cairo_curve_to(cr, 30, 4, 50, 20, 38, 42);
    cairo_curve_to(cr, 26, 56, 8, 40, 0, 10);
    cairo_close_path(cr);
    cairo_restore(cr);
    Outline(cr, b);
  }
  RoundRect(cr, 59, 30, 10, 66, 5);
  Outline(cr, Hex(0x4A3A5A), 3);
  cairo_move_to(cr, 62, 32);
  cairo_curve_to(cr, 58, 20, 50, 14, 44, 12);
  cairo_move_to(cr, 66, 32);
  cairo_curve_to(cr, 70, 20, 78, 14, 84, 12);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void Flower(cairo_t* cr, int f, int n) {
  Col petal = Hue(f / double(n));
  double turn = f * 0.2;
  cairo_move_to(cr, 64, 70);
  cairo_curve_to(cr, 60, 90, 68, 104, 62, 124);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 9);
  cairo_stroke_preserve(cr);
  SetSource(cr, Leaf());
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  for (int i = 0; i < 6; ++i) {
    double a = turn + i * M_PI / 3;
    cairo_save(cr);
    cairo_translate(cr, 64 + 26 * std::cos(a), 54 + 26 * std::sin(a));
    cairo_rotate(cr, a);
    cairo_scale(cr, 1.5, 1);
    cairo_arc(cr, 0, 0, 15, 0, 2 * M_PI);
    cairo_restore(cr);
    Outline(cr, petal, 3.5);
  }
  cairo_arc(cr, 64, 54, 16, 0, 2 * M_PI);
  Outline(cr, Sun(), 3.5);
}

void Heart(cairo_t* cr, int f, int n) {
  double pulse = 1 + 0.12 * std::sin(f * 2 * M_PI / n);
  HeartPath(cr, 64, 66, 104 * pulse);
  Outline(cr, Mix(Cherry(), Hex(0xFF6FB5), 0.5 + 0.5 * std::sin(f * 2 * M_PI / n)));
  HeartPath(cr, 48, 46, 24);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
  cairo_fill(cr);
}

void Paw(cairo_t* cr, int f, int) {
  // left and right paws in turn, so a row of dabs walks across the page
  bool right = f % 2;
  cairo_translate(cr, 64 + (right ? 14 : -14), 64 + (f / 2 ? 4 : -4));
  cairo_rotate(cr, right ? 0.25 : -0.25);
  Col c = Hex(0x7A4B2A);
  cairo_save(cr);
  cairo_scale(cr, 1.15, 1);
  cairo_arc(cr, 0, 18, 24, 0, 2 * M_PI);
  cairo_restore(cr);
  Outline(cr, c, 3);
  const double toes[4][2] = {{-30, -14}, {-12, -32}, {12, -32}, {30, -14}};
  for (auto& t : toes) {
    cairo_arc(cr, t[0], t[1], 11, 0, 2 * M_PI);
    Outline(cr, c, 3);
  }
}

void Fish(cairo_t* cr, int f, int n) {
  double wag = std::sin(f * 2 * M_PI / n) * 10;
  Col body = Hue(0.08 + 0.5 * f / n);
  cairo_move_to(cr, 34, 64);
  cairo_line_to(cr, 8, 44 + wag);
  cairo_line_to(cr, 8, 84 + wag);
  cairo_close_path(cr);
  Outline(cr, Darker(body, 0.15));
  cairo_save(cr);
  cairo_translate(cr, 70, 64);
  cairo_scale(cr, 1.5, 1);
  cairo_arc(cr, 0, 0, 32, 0, 2 * M_PI);
  cairo_restore(cr);
  Outline(cr, body);
  cairo_arc(cr, 96, 56, 7, 0, 2 * M_PI);
  Outline(cr, Hex(0xFFFFFF), 2.5);
  cairo_arc(cr, 98, 56, 3, 0, 2 * M_PI);
  SetSource(cr, Ink());
  cairo_fill(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, 56 + i * 12, 66, 10, -0.4 * M_PI, 0.4 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  }
}

struct StampArt {
  void (*draw)(cairo_t*, int frame, int frames);
  int frames;
};

const StampArt kStamps[] = {{Star, 8}, {Butterfly, 6}, {Flower, 6}, {Heart, 6}, {Paw, 4}, {Fish, 6}};

Canvas Frame(const StampArt& s, int f) {
  Canvas c = NewCanvas(kS, kS);
  cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(c.cr, CAIRO_LINE_CAP_ROUND);
  s.draw(c.cr, f, s.frames);
  return c;
}

// The strip: the first frame of each stamp, shrunk into a white cell.
Image Strip() {
  const int n = sizeof kStamps / sizeof kStamps[0];
  Canvas c = NewCanvas(kStampCell * n, kStampCell);
  SetSource(c.cr, Hex(0xFFFFFF));
  cairo_paint(c.cr);
  for (int i = 0; i < n; ++i) {
    Canvas f = Frame(kStamps[i], 0);
    cairo_save(c.cr);
    cairo_translate(c.cr, i * kStampCell + 4, 4);
    cairo_scale(c.cr, (kStampCell - 8) / double(kS), (kStampCell - 8) / double(kS));
    cairo_set_source_surface(c.cr, f.surface, 0, 0);
    cairo_paint(c.cr);
    cairo_restore(c.cr);
    FreeCanvas(f);
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

}  // namespace

void MakeStamps(Gen& g) {
  int n = 0;
  for (const StampArt& s : kStamps) {
    std::vector<uint8_t> data;
    for (int f = 0; f < s.frames; ++f) {
      Canvas c = Frame(s, f);
      Rgba px = FromCanvasRgba(c);
      FreeCanvas(c);
      // fully transparent pixels carry no colour
      for (size_t i = 0; i < px.px.size(); i += 4)
        if (px.px[i + 3] == 0) px.px[i] = px.px[i + 1] = px.px[i + 2] = 0;
      data.insert(data.end(), px.px.begin(), px.px.end());
    }
    ++n;
    g.Check(WriteFile(g.ProgramPath("data/pat" + std::to_string(n) + ".dat"), data),
            "pat" + std::to_string(n) + ".dat");
  }
  g.ini.Set("DETAILTOOL", "HEAP", g.Bitmap("stamps.bmp", Strip()));
  g.ini.SetInt("DETAILTOOL", "HEAPW", kStampCell);
}

}  // namespace art
