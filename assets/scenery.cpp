// Pieces of outdoor scenes: skies, clouds, hills, trees and flowers.
#include "assets/scenery.h"

#include <cmath>

#include "assets/clip_art.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

void Gradient(cairo_t* cr, double x, double y, double w, double h, Col top, Col bottom) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void CloudShape(cairo_t* cr, double x, double y, double w, double h, Col c) {
  auto path = [=](cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w * 0.22, y + h * 0.62, h * 0.36, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w * 0.45, y + h * 0.42, h * 0.42, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w * 0.7, y + h * 0.5, h * 0.36, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w * 0.84, y + h * 0.68, h * 0.26, 0, 2 * M_PI);
    RoundRect(cr, x + w * 0.1, y + h * 0.5, w * 0.82, h * 0.44, h * 0.22);
  };
  Merged(cr, {{path, c}});
}

void SunRays(cairo_t* cr, double cx, double cy, double r) {
  for (int i = 0; i < 12; ++i) {
    double a = i * M_PI / 6;
    cairo_move_to(cr, cx + r * 1.2 * std::cos(a - 0.12), cy + r * 1.2 * std::sin(a - 0.12));
    cairo_line_to(cr, cx + r * 1.65 * std::cos(a), cy + r * 1.65 * std::sin(a));
    cairo_line_to(cr, cx + r * 1.2 * std::cos(a + 0.12), cy + r * 1.2 * std::sin(a + 0.12));
    cairo_close_path(cr);
    OutlineFill(cr, Orange(), 2.5);
  }
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  OutlineFill(cr, Sun(), 3.5);
}

void Hill(cairo_t* cr, double x0, double y0, double cx, double cy, double x1, double y1, double bottom, Col c) {
  auto top = [=](cairo_t* cr) {
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, (x0 + cx) / 2, y0, cx - (cx - x0) * 0.3, cy, cx, cy);
    cairo_curve_to(cr, cx + (x1 - cx) * 0.3, cy, (cx + x1) / 2, y1, x1, y1);
  };
  top(cr);
  cairo_line_to(cr, x1, bottom);
  cairo_line_to(cr, x0, bottom);
  cairo_close_path(cr);
  SetSource(cr, c);
  cairo_fill(cr);
  top(cr);  // only the crest is outlined: the ends of a hill fade behind the next one
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void RoundTree(cairo_t* cr, double x, double ground, double size, Col leaves) {
  double w = size * 0.14;
  cairo_move_to(cr, x - w / 2, ground - size * 0.5);
  cairo_line_to(cr, x - w * 0.7, ground);
  cairo_line_to(cr, x + w * 0.7, ground);
  cairo_line_to(cr, x + w / 2, ground - size * 0.5);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0x8B5A2B), 3);
  double cy = ground - size * 0.66, r = size * 0.36;
  Merged(cr, {{[=](cairo_t* cr) {
                 for (int i = 0; i < 6; ++i) {
                   double a = i * M_PI / 3 + 0.3;
                   cairo_new_sub_path(cr);
                   cairo_arc(cr, x + r * 0.55 * std::cos(a), cy + r * 0.5 * std::sin(a), r * 0.55, 0, 2 * M_PI);
                 }
               },
               leaves}},
         1.5);
  Ellipse(cr, x - r * 0.35, cy - r * 0.35, r * 0.3, r * 0.18);
  Fill(cr, Hex(0xFFFFFF), 0.25);
}

void FirTree(cairo_t* cr, double x, double ground, double size) {
  cairo_rectangle(cr, x - size * 0.06, ground - size * 0.2, size * 0.12, size * 0.2);
  OutlineFill(cr, Hex(0x8B5A2B), 2.5);
  for (int i = 2; i >= 0; --i) {
    double top = ground - size + i * size * 0.24, w = size * (0.2 + i * 0.08);
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x + w, top + size * 0.42);
    cairo_line_to(cr, x - w, top + size * 0.42);
    cairo_close_path(cr);
    OutlineFill(cr, Hex(0x2F8F3E), 2.5);
  }
}

void Blossom(cairo_t* cr, double x, double y, double r, Col petals) {
  for (int k = 0; k < 5; ++k) {
    double a = k * 2 * M_PI / 5 - M_PI / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + r * std::cos(a), y + r * std::sin(a), r * 0.75, 0, 2 * M_PI);
  }
  OutlineFill(cr, petals, 1.5);
  cairo_arc(cr, x, y, r * 0.6, 0, 2 * M_PI);
  OutlineFill(cr, Sun(), 1.5);
}

void GrassTuft(cairo_t* cr, double x, double y, double size, Col c) {
  for (int k = -2; k <= 2; ++k) {
    cairo_move_to(cr, x + k * size * 0.15, y);
    double mx = x + k * size * 0.2, my = y - size * 0.5;
    cairo_curve_to(cr, mx, my, mx, my, x + k * size * 0.4, y - size * (1 - 0.15 * std::abs(k)));
  }
  SetSource(cr, c);
  cairo_set_line_width(cr, 2.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

}  // namespace art
