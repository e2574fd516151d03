// Weather stickers: sun, clouds, rain, a storm, a rainbow, a snowflake, the moon, a snowman, an
// umbrella in the rain and the sun peeping from behind a cloud.
#include <cmath>

#include "assets/clip_art.h"
#include "assets/scenery.h"
#include "assets/theme.h"

namespace art {

namespace {

void Face(cairo_t* cr, double x, double y, double s) {
  Eye(cr, x - 8 * s, y, 3 * s);
  Eye(cr, x + 8 * s, y, 3 * s);
  Smile(cr, x, y + 7 * s, 12 * s, 4 * s, 2.5 * s);
  Cheek(cr, x - 14 * s, y + 7 * s, 3.5 * s);
  Cheek(cr, x + 14 * s, y + 7 * s, 3.5 * s);
}

void Sunshine(cairo_t* cr, double cx, double cy, double r) {
  for (int i = 0; i < 12; ++i) {
    double a = i * M_PI / 6;
    cairo_move_to(cr, cx + (r + 6) * std::cos(a - 0.12), cy + (r + 6) * std::sin(a - 0.12));
    cairo_line_to(cr, cx + (r + 20) * std::cos(a), cy + (r + 20) * std::sin(a));
    cairo_line_to(cr, cx + (r + 6) * std::cos(a + 0.12), cy + (r + 6) * std::sin(a + 0.12));
    cairo_close_path(cr);
    Outlined(cr, Orange(), 2.5);
  }
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  Outlined(cr, Sun());
}

void SmilingSun(cairo_t* cr) {
  Sunshine(cr, 60, 60, 30);
  Face(cr, 60, 58, 1.2);
}

void Cloud(cairo_t* cr) {
  CloudShape(cr, 6, 10, 128, 70, Hex(0xFFFFFF));
  Face(cr, 66, 52, 1.0);
}

void Drops(cairo_t* cr, double x0, double y0, int n, double step) {
  for (int i = 0; i < n; ++i) {
    double x = x0 + i * step, y = y0 + (i % 2) * 12;
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + 7, y + 10, x + 6, y + 16, x, y + 16);
    cairo_curve_to(cr, x - 6, y + 16, x - 7, y + 10, x, y);
    Outlined(cr, Sky(), 2.5);
  }
}

void RainCloud(cairo_t* cr) {
  Drops(cr, 28, 76, 4, 26);
  CloudShape(cr, 6, 6, 128, 70, Hex(0xCFD8E6));
  Eye(cr, 58, 46, 3);
  Eye(cr, 74, 46, 3);
  Smile(cr, 66, 56, 10, 2.5);
}

void StormCloud(cairo_t* cr) {
  cairo_move_to(cr, 70, 56);  // the lightning bolt
  cairo_line_to(cr, 52, 94);
  cairo_line_to(cr, 66, 94);
  cairo_line_to(cr, 56, 124);
  cairo_line_to(cr, 90, 82);
  cairo_line_to(cr, 74, 82);
  cairo_line_to(cr, 86, 56);
  cairo_close_path(cr);
  Outlined(cr, Sun(), 3);
  CloudShape(cr, 6, 6, 128, 70, Hex(0x8E9AB0));
  Eye(cr, 56, 46, 3);
  Eye(cr, 74, 46, 3);
  cairo_move_to(cr, 58, 58);
  cairo_line_to(cr, 72, 58);
  Stroke(cr, Ink(), 2.5);
}

void Rainbow(cairo_t* cr) {
  const Col bands[] = {Cherry(), Orange(), Sun(), Leaf(), Sky(), Grape()};
  for (int i = 0; i < 6; ++i) {
    cairo_arc(cr, 80, 92, 70 - i * 8, M_PI, 2 * M_PI);
    Stroke(cr, bands[i], 8.5);
  }
  cairo_arc(cr, 80, 92, 74.5, M_PI, 2 * M_PI);
  cairo_arc_negative(cr, 80, 92, 25.5, 2 * M_PI, M_PI);
  cairo_close_path(cr);
  Stroke(cr, Ink(), 3.5);
  CloudShape(cr, 2, 70, 54, 34, Hex(0xFFFFFF));
  CloudShape(cr, 104, 70, 54, 34, Hex(0xFFFFFF));
}

void Snowflake(cairo_t* cr) {
  auto arms = [](cairo_t* cr) {
    for (int i = 0; i < 6; ++i) {
      double a = i * M_PI / 3, c = std::cos(a), s = std::sin(a);
      auto at = [&](double u, double v) { cairo_line_to(cr, 60 + u * c - v * s, 60 + u * s + v * c); };
      cairo_move_to(cr, 60, 60);
      at(48, 0);
      for (double u : {22.0, 34.0}) {
        cairo_move_to(cr, 60 + u * c, 60 + u * s);
        at(u + 10, 10);
        cairo_move_to(cr, 60 + u * c, 60 + u * s);
        at(u + 10, -10);
      }
    }
  };
  Merged(cr, {{arms, Hex(0xBFE6FF), 6}}, 3);
  cairo_arc(cr, 60, 60, 10, 0, 2 * M_PI);
  Outlined(cr, Hex(0xE6F6FF), 3);
}

void Moon(cairo_t* cr) {
  cairo_arc(cr, 56, 62, 46, 0.35 * M_PI, 1.65 * M_PI);
  cairo_curve_to(cr, 56 + 46 * std::cos(1.65 * M_PI) - 30, 40, 56 + 46 * std::cos(0.35 * M_PI) - 30, 84,
                 56 + 46 * std::cos(0.35 * M_PI), 62 + 46 * std::sin(0.35 * M_PI));
  cairo_close_path(cr);
  Outlined(cr, Hex(0xFFE58A));
  Eye(cr, 34, 56, 3);
  Smile(cr, 36, 70, 10, 3);
  Cheek(cr, 26, 68, 3.5);
  StarPath(cr, 94, 30, 5, 14, 6, 0);
  Outlined(cr, Sun(), 3);
  StarPath(cr, 100, 78, 5, 9, 4, 0.3);
  Outlined(cr, Sun(), 2.5);
}

void Snowman(cairo_t* cr) {
  cairo_arc(cr, 56, 104, 34, 0, 2 * M_PI);
  Outlined(cr, Hex(0xFFFFFF));
  for (int s : {-1, 1}) {  // twig arms
    cairo_move_to(cr, 56 + s * 22, 70);
    cairo_line_to(cr, 56 + s * 48, 52);
    cairo_move_to(cr, 56 + s * 40, 58);
    cairo_line_to(cr, 56 + s * 44, 46);
  }
  Stroke(cr, Hex(0x7A4B2A), 3.5);
  cairo_arc(cr, 56, 58, 22, 0, 2 * M_PI);
  Outlined(cr, Hex(0xFFFFFF));
  for (double y : {92.0, 106.0, 120.0}) Dot(cr, 56, y, 3.5, Ink());
  cairo_move_to(cr, 34, 70);  // scarf
  cairo_curve_to(cr, 46, 78, 66, 78, 78, 70);
  Stroke(cr, Cherry(), 7);
  RoundRect(cr, 60, 72, 9, 20, 3);
  Outlined(cr, Cherry(), 2.5);
  RoundRect(cr, 30, 36, 52, 7, 3);  // hat
  Outlined(cr, Hex(0x3A3A4A), 3);
  RoundRect(cr, 38, 10, 36, 28, 3);
  Outlined(cr, Hex(0x3A3A4A), 3);
  cairo_rectangle(cr, 38, 30, 36, 5);
  Fill(cr, Cherry());
  Eye(cr, 48, 54, 3);
  Eye(cr, 64, 54, 3);
  cairo_move_to(cr, 56, 60);  // carrot nose
  cairo_line_to(cr, 74, 64);
  cairo_line_to(cr, 56, 66);
  cairo_close_path(cr);
  Outlined(cr, Orange(), 2);
  Smile(cr, 54, 69, 8, 2, 2);
}

void Umbrella(cairo_t* cr) {
  Drops(cr, 12, 4, 5, 24);
  cairo_move_to(cr, 60, 50);  // handle
  cairo_line_to(cr, 60, 112);
  cairo_arc_negative(cr, 52, 112, 8, 0, M_PI);
  Stroke(cr, Ink(), 7);
  cairo_move_to(cr, 60, 50);
  cairo_line_to(cr, 60, 112);
  cairo_arc_negative(cr, 52, 112, 8, 0, M_PI);
  Stroke(cr, Hex(0xC98A4B), 3);
  const Col panels[] = {Cherry(), Sun(), Cherry(), Sun()};
  for (int i = 0; i < 4; ++i) {
    double l = 8 + i * 26, r = l + 26;
    cairo_move_to(cr, l, 60);
    cairo_curve_to(cr, l + 2, 40, 50 + i * 6, 28, 60, 24);
    cairo_curve_to(cr, 60 + (i - 2) * 6 + 10, 28, r - 2, 40, r, 60);
    cairo_curve_to(cr, r - 6, 54, l + 6, 54, l, 60);
    cairo_close_path(cr);
    Outlined(cr, panels[i], 3);
  }
  Dot(cr, 60, 22, 4, Ink());
}

void SunAndCloud(cairo_t* cr) {
  Sunshine(cr, 86, 44, 26);
  Face(cr, 92, 38, 0.9);
  CloudShape(cr, 4, 52, 104, 58, Hex(0xFFFFFF));
}

}  // namespace

StickerSet WeatherStickers() {
  return {"CLOUDCONTENT", "cloud",
          {{120, 120, SmilingSun}, {140, 90, Cloud}, {140, 112, RainCloud}, {140, 128, StormCloud}, {160, 108, Rainbow},
           {120, 120, Snowflake}, {122, 118, Moon}, {112, 142, Snowman}, {120, 124, Umbrella}, {136, 114, SunAndCloud}}};
}

}  // namespace art
