// Finished landscapes to open and paint on: a meadow, the seaside, mountains by a lake and a
// starry night, 640 x 480 each.
#include <cmath>

#include "assets/clip_art.h"
#include "assets/scenery.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

namespace {

void Flowers(cairo_t* cr, uint64_t seed, double y0, double y1, int count) {
  const Col colours[] = {Hex(0xFF8FC8), Hex(0xFFFFFF), Cherry(), Grape(), Hex(0xFFB347)};
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    double x = rng.Range(10, 630), y = rng.Range(y0, y1), r = 3 + (y - y0) / (y1 - y0) * 4;
    GrassTuft(cr, x + rng.Range(-20, 20), y + 6, r * 3, Hex(0x3E9B4F));
    Blossom(cr, x, y, r, colours[rng.Int(5)]);
  }
}

void Meadow(cairo_t* cr) {
  Gradient(cr, 0, 0, 640, 330, Hex(0x79C7F7), Hex(0xDDF3FF));
  SunRays(cr, 90, 80, 42);
  CloudShape(cr, 240, 40, 150, 70, Hex(0xFFFFFF));
  CloudShape(cr, 460, 90, 120, 56, Hex(0xFFFFFF));
  Hill(cr, -10, 260, 160, 200, 380, 270, 480, Hex(0x9ED872));
  Hill(cr, 230, 312, 480, 210, 650, 250, 480, Hex(0x8CCB63));  // starts behind the front hill
  RoundTree(cr, 520, 262, 110, Hex(0x4DB35E));
  Hill(cr, -10, 330, 300, 290, 650, 320, 480, Hex(0x6CC04A));
  Flowers(cr, 5, 340, 470, 40);
  for (int k = 0; k < 2; ++k) {  // two butterflies
    double x = 200 + k * 180, y = 230 - k * 40;
    for (int s : {-1, 1}) {
      Ellipse(cr, x + s * 9, y - 4, 9, 7);
      OutlineFill(cr, k ? Sun() : Hex(0xFF9CC8), 2);
      Ellipse(cr, x + s * 7, y + 6, 6, 5);
      OutlineFill(cr, k ? Orange() : Grape(), 2);
    }
    Ellipse(cr, x, y, 2.5, 9);
    Fill(cr, Ink());
  }
}

void Seaside(cairo_t* cr) {
  Gradient(cr, 0, 0, 640, 250, Hex(0x5DB8F2), Hex(0xCDEBFF));
  SunRays(cr, 540, 70, 38);
  CloudShape(cr, 80, 50, 140, 64, Hex(0xFFFFFF));
  for (int k = 0; k < 3; ++k) {  // gulls
    double x = 300 + k * 50, y = 80 + (k % 2) * 24;
    cairo_move_to(cr, x - 14, y);
    cairo_curve_to(cr, x - 8, y - 8, x - 3, y - 6, x, y);
    cairo_curve_to(cr, x + 3, y - 6, x + 8, y - 8, x + 14, y);
    SetSource(cr, Ink());
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  }
  Gradient(cr, 0, 250, 640, 130, Hex(0x2E86C1), Hex(0x5FB4E8));
  for (int row = 0; row < 5; ++row)
    for (int k = 0; k < 8; ++k) {
      double x = k * 90 + (row % 2) * 45, y = 270 + row * 22;
      cairo_move_to(cr, x, y);
      cairo_curve_to(cr, x + 10, y - 6, x + 20, y - 6, x + 30, y);
      cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
    }
  cairo_move_to(cr, 170, 250);  // a sailing boat on the horizon
  cairo_line_to(cr, 170, 160);
  cairo_line_to(cr, 230, 236);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xFFFFFF), 3);
  cairo_move_to(cr, 164, 170);
  cairo_line_to(cr, 126, 236);
  cairo_line_to(cr, 164, 236);
  cairo_close_path(cr);
  OutlineFill(cr, Cherry(), 3);
  cairo_move_to(cr, 116, 242);
  cairo_line_to(cr, 240, 242);
  cairo_line_to(cr, 222, 264);
  cairo_line_to(cr, 134, 264);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0x8B5A2B), 3);
  cairo_move_to(cr, -10, 480);  // the beach
  cairo_line_to(cr, -10, 380);
  cairo_curve_to(cr, 160, 350, 400, 400, 650, 360);
  cairo_line_to(cr, 650, 480);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xF4D58D), 3);
  cairo_move_to(cr, 70, 470);  // a palm leaning over the sand
  cairo_curve_to(cr, 80, 420, 60, 360, 90, 300);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 18);
  cairo_stroke(cr);
  cairo_move_to(cr, 70, 470);
  cairo_curve_to(cr, 80, 420, 60, 360, 90, 300);
  SetSource(cr, Hex(0xC98A4B));
  cairo_set_line_width(cr, 11);
  cairo_stroke(cr);
  for (double a : {-2.8, -2.1, -1.3, -0.6, 0.1}) {
    double ex = 90 + 80 * std::cos(a), ey = 300 + 50 * std::sin(a) + 30;
    cairo_move_to(cr, 90, 300);
    cairo_curve_to(cr, 90 + 40 * std::cos(a), 290 + 40 * std::sin(a), ex, ey - 20, ex, ey);
    cairo_curve_to(cr, ex - 14 * std::cos(a), ey - 4, 90 + 30 * std::cos(a), 310 + 30 * std::sin(a), 90, 300);
    OutlineFill(cr, Leaf(), 3);
  }
  cairo_rectangle(cr, 430, 380, 90, 50);  // a sandcastle with a flag
  cairo_rectangle(cr, 450, 350, 50, 32);
  OutlineFill(cr, Hex(0xE8B960), 3);
  cairo_move_to(cr, 475, 350);
  cairo_line_to(cr, 475, 320);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_move_to(cr, 475, 320);
  cairo_line_to(cr, 497, 327);
  cairo_line_to(cr, 475, 334);
  OutlineFill(cr, Cherry(), 2);
  RoundRect(cr, 464, 404, 22, 26, 10);
  OutlineFill(cr, Hex(0x8B5A2B), 3);
  StarPath(cr, 300, 440, 5, 20, 9, 0.3);
  OutlineFill(cr, Orange(), 3);
}

void Mountains(cairo_t* cr) {
  Gradient(cr, 0, 0, 640, 300, Hex(0x8EC9F2), Hex(0xF1F8FF));
  CloudShape(cr, 420, 40, 130, 56, Hex(0xFFFFFF));
  const double peaks[][3] = {{140, 90, 150}, {330, 60, 190}, {520, 110, 150}};
  for (const auto& p : peaks) {
    cairo_move_to(cr, p[0] - p[2] * 1.3, 300);
    cairo_line_to(cr, p[0], p[1]);
    cairo_line_to(cr, p[0] + p[2] * 1.3, 300);
    cairo_close_path(cr);
    OutlineFill(cr, Hex(0x8E9CC0), 3);
    double d = 50;  // the snow cap with a wavy edge
    cairo_move_to(cr, p[0], p[1]);
    cairo_line_to(cr, p[0] + d * p[2] * 1.3 / (300 - p[1]), p[1] + d);
    cairo_line_to(cr, p[0] + 12, p[1] + d - 12);
    cairo_line_to(cr, p[0], p[1] + d);
    cairo_line_to(cr, p[0] - 12, p[1] + d - 12);
    cairo_line_to(cr, p[0] - d * p[2] * 1.3 / (300 - p[1]), p[1] + d);
    cairo_close_path(cr);
    OutlineFill(cr, Hex(0xFFFFFF), 3);
  }
  Hill(cr, -10, 300, 200, 280, 650, 300, 480, Hex(0x7BC35A));
  Ellipse(cr, 330, 370, 220, 50);  // the lake
  OutlineFill(cr, Hex(0x5AAEE6), 3);
  for (int k = 0; k < 4; ++k) {
    cairo_move_to(cr, 240 + k * 50, 356 + (k % 2) * 20);
    cairo_line_to(cr, 270 + k * 50, 356 + (k % 2) * 20);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  }
  for (double x : {40.0, 80.0, 560.0, 600.0}) FirTree(cr, x, 330 + (x < 100 ? 10 : 0), 110);
  FirTree(cr, 120, 350, 80);
  Flowers(cr, 9, 430, 470, 18);
}

void Night(cairo_t* cr) {
  Gradient(cr, 0, 0, 640, 480, Hex(0x16204A), Hex(0x3A4F8F));
  Rng rng(21);
  for (int i = 0; i < 60; ++i) {
    double x = rng.Range(0, 640), y = rng.Range(0, 300), r = rng.Range(1.2, 3.2);
    if (i % 6 == 0) {
      StarPath(cr, x, y, 5, r * 3, r * 1.3, 0);
      Fill(cr, Hex(0xFFF1A8));
    } else {
      Dot(cr, x, y, r * 0.6, Hex(0xFFFFFF));
    }
  }
  cairo_arc(cr, 500, 100, 48, 0.3 * M_PI, 1.7 * M_PI);  // the crescent moon
  cairo_curve_to(cr, 480, 80, 480, 120, 500 + 48 * std::cos(0.3 * M_PI), 100 + 48 * std::sin(0.3 * M_PI));
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xFFE58A), 3);
  Hill(cr, -10, 360, 180, 300, 420, 360, 480, Hex(0x2E5A4A));
  Hill(cr, 300, 404, 520, 320, 650, 350, 480, Hex(0x274E44));  // starts behind the front hill
  cairo_rectangle(cr, 150, 270, 70, 50);  // a little house with its lights on
  OutlineFill(cr, Hex(0x8A7A9A), 3);
  cairo_move_to(cr, 140, 274);
  cairo_line_to(cr, 185, 238);
  cairo_line_to(cr, 230, 274);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0x6A3A4A), 3);
  for (double x : {160.0, 196.0}) {
    cairo_rectangle(cr, x, 282, 16, 16);
    OutlineFill(cr, Hex(0xFFE066), 2.5);
  }
  Hill(cr, -10, 420, 320, 390, 650, 430, 480, Hex(0x1F4038));
  for (double x : {420.0, 460.0}) FirTree(cr, x, 352, 90);
  for (int i = 0; i < 14; ++i) {  // fireflies
    double x = rng.Range(20, 620), y = rng.Range(340, 470);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, 8, 0, 2 * M_PI);
    Fill(cr, Hex(0xFFF27A), 0.35);
    Dot(cr, x, y, 3, Hex(0xFFFFAA));
  }
}

}  // namespace

Image Landscape(int n) {
  Canvas c = NewCanvas(640, 480);
  cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(c.cr, CAIRO_LINE_CAP_ROUND);
  switch (n) {
    case 0: Meadow(c.cr); break;
    case 1: Seaside(c.cr); break;
    case 2: Mountains(c.cr); break;
    default: Night(c.cr); break;
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  return img;
}

}  // namespace art
