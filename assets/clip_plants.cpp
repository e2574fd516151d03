// Leaves, trees and flowers: an apple tree, a fir, a palm, a blossom tree, a maple leaf, a green
// leaf, a sunflower, tulips, daisies in a pot and a cactus.
#include <cmath>

#include "assets/clip_art.h"
#include "assets/theme.h"

namespace art {

namespace {

const Col kBark = Hex(0x8B5A2B), kGreen = Hex(0x4DB35E), kDarkGreen = Hex(0x2F8F3E);

void Trunk(cairo_t* cr, double x, double top, double bottom, double w) {
  cairo_move_to(cr, x - w / 2, top);
  cairo_line_to(cr, x - w * 0.7, bottom);
  cairo_line_to(cr, x + w * 0.7, bottom);
  cairo_line_to(cr, x + w / 2, top);
  cairo_close_path(cr);
  Outlined(cr, kBark);
}

// A rounded crown of leaves made of overlapping circles, drawn as one shape.
void Crown(cairo_t* cr, double cx, double cy, double r, Col c) {
  auto path = [=](cairo_t* cr) {
    for (int i = 0; i < 7; ++i) {
      double a = i * 2 * M_PI / 7;
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx + r * 0.55 * std::cos(a), cy + r * 0.5 * std::sin(a), r * 0.5, 0, 2 * M_PI);
    }
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r * 0.6, 0, 2 * M_PI);
  };
  Merged(cr, {{path, c}});
}

void AppleTree(cairo_t* cr) {
  Trunk(cr, 60, 80, 136, 16);
  Crown(cr, 60, 58, 50, kGreen);
  for (auto [x, y] : {std::pair{38.0, 46.0}, {70.0, 32.0}, {84.0, 66.0}, {50.0, 74.0}, {30.0, 66.0}, {90.0, 44.0}}) {
    cairo_arc(cr, x, y, 6, 0, 2 * M_PI);
    Outlined(cr, Cherry(), 2.5);
    Ellipse(cr, x - 2, y - 2, 2, 1.5);
    Fill(cr, Hex(0xFFFFFF), 0.7);
  }
}

void Fir(cairo_t* cr) {
  cairo_rectangle(cr, 44, 118, 16, 22);
  Outlined(cr, kBark, 3);
  for (int i = 2; i >= 0; --i) {
    double top = 6 + i * 30, w = 28 + i * 10;
    cairo_move_to(cr, 52, top);
    cairo_line_to(cr, 52 + w, top + 54);
    cairo_curve_to(cr, 52 + w / 3, top + 48, 52 - w / 3, top + 48, 52 - w, top + 54);
    cairo_close_path(cr);
    Outlined(cr, kDarkGreen);
  }
  StarPath(cr, 52, 8, 5, 8, 3.5, 0);
  Outlined(cr, Sun(), 2);
}

void Palm(cairo_t* cr) {
  cairo_move_to(cr, 56, 136);
  cairo_curve_to(cr, 60, 100, 56, 70, 70, 44);
  Stroke(cr, Ink(), 17);
  cairo_move_to(cr, 56, 136);
  cairo_curve_to(cr, 60, 100, 56, 70, 70, 44);
  Stroke(cr, Hex(0xC98A4B), 10);
  for (int i = 0; i < 6; ++i) {  // rings on the trunk
    double t = i / 6.0, x = 56 + (70 - 56) * t * t + 2, y = 130 - t * 80;
    cairo_move_to(cr, x - 5, y);
    cairo_line_to(cr, x + 4, y - 2);
  }
  Stroke(cr, Darker(Hex(0xC98A4B), 0.3), 2);
  const double angles[] = {-2.6, -1.9, -1.2, -0.5, 0.2};
  for (double a : angles) {
    double ex = 70 + 56 * std::cos(a), ey = 46 + 40 * std::sin(a) + 20;
    cairo_move_to(cr, 70, 44);
    cairo_curve_to(cr, 70 + 30 * std::cos(a), 44 + 30 * std::sin(a) - 8, ex, ey - 16, ex, ey);
    cairo_curve_to(cr, ex - 10 * std::cos(a), ey - 2, 70 + 20 * std::cos(a), 44 + 20 * std::sin(a) + 8, 70, 44);
    cairo_close_path(cr);
    Outlined(cr, kGreen, 3);
  }
  for (int s : {-1, 1}) {
    cairo_arc(cr, 68 + s * 6, 54, 6, 0, 2 * M_PI);
    Outlined(cr, Hex(0x7A4B2A), 2.5);
  }
}

void Blossom(cairo_t* cr) {
  Trunk(cr, 60, 84, 136, 14);
  cairo_move_to(cr, 60, 96);  // a branch
  cairo_line_to(cr, 82, 80);
  Stroke(cr, Ink(), 9);
  cairo_move_to(cr, 60, 96);
  cairo_line_to(cr, 82, 80);
  Stroke(cr, kBark, 4);
  Crown(cr, 60, 56, 50, Hex(0xFFB7D5));
  Rng rng(11);
  for (int i = 0; i < 9; ++i) {
    double a = rng.Range(0, 2 * M_PI), d = rng.Range(8, 40);
    double x = 60 + d * std::cos(a), y = 56 + d * 0.85 * std::sin(a);
    for (int k = 0; k < 5; ++k) {
      double b = k * 2 * M_PI / 5;
      cairo_new_sub_path(cr);
      cairo_arc(cr, x + 3.5 * std::cos(b), y + 3.5 * std::sin(b), 2.8, 0, 2 * M_PI);
    }
    Fill(cr, Hex(0xFFFFFF));
    Dot(cr, x, y, 1.8, Hex(0xE8477A));
  }
}

void Maple(cairo_t* cr) {
  const double pts[][2] = {{60, 6},  {70, 30}, {84, 22}, {82, 44}, {108, 36}, {100, 56}, {114, 62}, {88, 80},
                           {92, 92}, {64, 86}, {60, 112}, {56, 86}, {28, 92}, {32, 80}, {6, 62},  {20, 56},
                           {12, 36}, {38, 44}, {36, 22}, {50, 30}};
  cairo_move_to(cr, 60, 86);  // stalk
  cairo_line_to(cr, 62, 124);
  Stroke(cr, Ink(), 7);
  cairo_move_to(cr, 60, 86);
  cairo_line_to(cr, 62, 124);
  Stroke(cr, Hex(0xB5523B), 3);
  cairo_move_to(cr, pts[0][0], pts[0][1]);
  for (const auto& p : pts) cairo_line_to(cr, p[0], p[1]);
  cairo_close_path(cr);
  Outlined(cr, Orange());
  for (int i : {0, 4, 7, 12, 15}) {  // veins
    cairo_move_to(cr, 60, 70);
    cairo_line_to(cr, 60 + (pts[i][0] - 60) * 0.75, 70 + (pts[i][1] - 70) * 0.75);
  }
  Stroke(cr, Hex(0xD9682B), 2.5);
}

void GreenLeaf(cairo_t* cr) {
  cairo_move_to(cr, 20, 112);
  cairo_line_to(cr, 34, 96);
  Stroke(cr, Ink(), 7);
  cairo_move_to(cr, 34, 96);
  cairo_curve_to(cr, 20, 56, 50, 12, 108, 8);
  cairo_curve_to(cr, 112, 64, 76, 104, 34, 96);
  cairo_close_path(cr);
  Outlined(cr, Hex(0x7CCB5E));
  cairo_move_to(cr, 34, 96);
  cairo_curve_to(cr, 60, 70, 80, 40, 104, 12);
  Stroke(cr, kDarkGreen, 3);
  for (int i = 1; i <= 4; ++i) {
    double t = i / 5.0, x = 34 + 70 * t, y = 96 - 84 * t;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - 18 + i * 2, y - 12);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 12, y + 12 - i);
  }
  Stroke(cr, kDarkGreen, 2);
  Ellipse(cr, 58, 44, 8, 4);
  Fill(cr, Hex(0xFFFFFF), 0.35);
}

void Stem(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, x0, (y0 + y1) / 2, x1, (y0 + y1) / 2, x1, y1);
  Stroke(cr, Ink(), 8);
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, x0, (y0 + y1) / 2, x1, (y0 + y1) / 2, x1, y1);
  Stroke(cr, kGreen, 4);
}

void StemLeaf(cairo_t* cr, double x, double y, int side) {
  cairo_move_to(cr, x, y);
  cairo_curve_to(cr, x + side * 10, y - 20, x + side * 30, y - 20, x + side * 34, y - 22);
  cairo_curve_to(cr, x + side * 28, y - 6, x + side * 14, y + 2, x, y);
  cairo_close_path(cr);
  Outlined(cr, kGreen, 3);
}

void Sunflower(cairo_t* cr) {
  Stem(cr, 56, 150, 56, 60);
  StemLeaf(cr, 56, 120, -1);
  StemLeaf(cr, 56, 104, 1);
  for (int i = 0; i < 14; ++i) {
    double a = i * 2 * M_PI / 14;
    cairo_save(cr);
    cairo_translate(cr, 56, 46);
    cairo_rotate(cr, a);
    Ellipse(cr, 30, 0, 14, 7);
    cairo_restore(cr);
    Outlined(cr, Sun(), 2.5);
  }
  cairo_arc(cr, 56, 46, 19, 0, 2 * M_PI);
  Outlined(cr, Hex(0x8A5A32));
  for (int i = 0; i < 10; ++i) {
    double a = i * 2.4, d = 4 + (i % 3) * 4.5;
    Dot(cr, 56 + d * std::cos(a), 46 + d * std::sin(a), 1.8, Hex(0x5A3A22));
  }
}

void Tulips(cairo_t* cr) {
  const Col petals[] = {Cherry(), Sun(), Grape()};
  const double xs[] = {30, 60, 90}, tops[] = {42, 22, 46};
  for (int i = 0; i < 3; ++i) Stem(cr, 60 + (i - 1) * 6, 136, xs[i], tops[i] + 20);
  StemLeaf(cr, 56, 124, -1);
  StemLeaf(cr, 64, 120, 1);
  for (int i = 0; i < 3; ++i) {
    double x = xs[i], y = tops[i];
    cairo_move_to(cr, x - 14, y);
    cairo_line_to(cr, x - 7, y + 8);
    cairo_line_to(cr, x, y - 2);
    cairo_line_to(cr, x + 7, y + 8);
    cairo_line_to(cr, x + 14, y);
    cairo_curve_to(cr, x + 16, y + 22, x - 16, y + 22, x - 14, y);
    cairo_close_path(cr);
    Outlined(cr, petals[i], 3);
  }
  cairo_move_to(cr, 34, 136);  // ribbon round the stems
  cairo_line_to(cr, 86, 136);
  Stroke(cr, Sky(), 6);
}

void DaisyPot(cairo_t* cr) {
  const double xs[] = {36, 60, 84}, ys[] = {40, 24, 44};
  for (int i = 0; i < 3; ++i) Stem(cr, 50 + i * 10, 100, xs[i], ys[i]);
  for (int i = 0; i < 3; ++i) {
    for (int k = 0; k < 8; ++k) {
      double a = k * M_PI / 4;
      cairo_new_sub_path(cr);
      cairo_save(cr);
      cairo_translate(cr, xs[i], ys[i]);
      cairo_rotate(cr, a);
      Ellipse(cr, 11, 0, 8, 4.5);
      cairo_restore(cr);
    }
    Outlined(cr, Hex(0xFFFFFF), 2.5);
    cairo_arc(cr, xs[i], ys[i], 6, 0, 2 * M_PI);
    Outlined(cr, Sun(), 2.5);
  }
  cairo_move_to(cr, 32, 100);
  cairo_line_to(cr, 88, 100);
  cairo_line_to(cr, 80, 140);
  cairo_line_to(cr, 40, 140);
  cairo_close_path(cr);
  Outlined(cr, Hex(0xD9774A));
  RoundRect(cr, 28, 94, 64, 12, 3);
  Outlined(cr, Hex(0xE88A5C), 3);
}

void Cactus(cairo_t* cr) {
  Col c = Hex(0x5DBB63);
  Merged(cr, {{[](cairo_t* cr) {
                 cairo_move_to(cr, 44, 74);
                 cairo_line_to(cr, 24, 74);
                 cairo_line_to(cr, 24, 46);
                 cairo_move_to(cr, 68, 62);
                 cairo_line_to(cr, 90, 62);
                 cairo_line_to(cr, 90, 36);
               },
               c, 16},
              {[](cairo_t* cr) { RoundRect(cr, 42, 14, 28, 100, 14); }, c}});
  for (double y : {30.0, 52.0, 76.0, 96.0}) {
    cairo_move_to(cr, 50, y);
    cairo_line_to(cr, 47, y - 3);
    cairo_move_to(cr, 62, y + 10);
    cairo_line_to(cr, 65, y + 7);
  }
  Stroke(cr, Darker(c, 0.45), 1.8);
  cairo_arc(cr, 56, 12, 7, 0, 2 * M_PI);
  Outlined(cr, Hex(0xFF8FC8), 2.5);
  Eye(cr, 50, 50, 2.8);
  Eye(cr, 62, 50, 2.8);
  Smile(cr, 56, 58, 9, 3);
  cairo_move_to(cr, 30, 110);
  cairo_line_to(cr, 82, 110);
  cairo_line_to(cr, 76, 140);
  cairo_line_to(cr, 36, 140);
  cairo_close_path(cr);
  Outlined(cr, Hex(0x6FA8DC));
  RoundRect(cr, 26, 104, 60, 11, 3);
  Outlined(cr, Hex(0x8FC0EA), 3);
}

}  // namespace

StickerSet PlantStickers() {
  return {"LEAVECONTENT", "leaf",
          {{120, 140, AppleTree}, {104, 142, Fir}, {132, 140, Palm}, {120, 140, Blossom}, {120, 128, Maple},
           {118, 118, GreenLeaf}, {112, 154, Sunflower}, {120, 142, Tulips}, {120, 144, DaisyPot}, {112, 144, Cactus}}};
}

}  // namespace art
