// Insect stickers and other small garden creatures: ladybird, butterfly, bee, caterpillar, snail,
// ant, dragonfly, spider, firefly and beetle.
#include <array>
#include <cmath>

#include "assets/clip_art.h"
#include "assets/theme.h"

namespace art {

namespace {

// Thin legs from the body's middle line, bent at the knee.
void Legs(cairo_t* cr, double cx, double cy, double spread, double reach, int pairs, double dy) {
  for (int i = 0; i < pairs; ++i)
    for (int s : {-1, 1}) {
      double y = cy + (i - (pairs - 1) / 2.0) * dy;
      cairo_move_to(cr, cx + s * spread * 0.4, y);
      cairo_line_to(cr, cx + s * spread, y - 6 + i * 3);
      cairo_line_to(cr, cx + s * reach, y + 6 + i * 4);
    }
  Stroke(cr, Ink(), 3);
}

void Antennae(cairo_t* cr, double x, double y, double len, double spread) {
  for (int s : {-1, 1}) {
    cairo_move_to(cr, x + s * 3, y);
    cairo_curve_to(cr, x + s * 4, y - len * 0.6, x + s * spread * 0.6, y - len, x + s * spread, y - len);
  }
  Stroke(cr, Ink(), 2.5);
  Dot(cr, x - spread, y - len, 3.5, Ink());
  Dot(cr, x + spread, y - len, 3.5, Ink());
}

void Ladybird(cairo_t* cr) {
  Legs(cr, 55, 62, 30, 48, 3, 16);
  Antennae(cr, 55, 14, 10, 12);
  cairo_arc(cr, 55, 24, 15, 0, 2 * M_PI);
  Outlined(cr, Ink());
  Dot(cr, 49, 18, 3.5, Hex(0xFFFFFF));
  Dot(cr, 61, 18, 3.5, Hex(0xFFFFFF));
  Dot(cr, 50, 19, 1.8, Ink());
  Dot(cr, 62, 19, 1.8, Ink());
  cairo_arc(cr, 55, 64, 34, 0, 2 * M_PI);
  Outlined(cr, Cherry());
  cairo_move_to(cr, 55, 31);
  cairo_line_to(cr, 55, 98);
  Stroke(cr, Ink(), 3);
  for (auto [x, y, r] : {std::array<double, 3>{38, 50, 7}, {72, 50, 7}, {34, 74, 6}, {76, 74, 6}, {46, 88, 5}, {64, 88, 5}})
    Dot(cr, x, y, r, Ink());
  Ellipse(cr, 50, 42, 6, 3.5);
  Fill(cr, Hex(0xFFFFFF), 0.5);
}

void Butterfly(cairo_t* cr) {
  Col upper = Hex(0x6EC6FF), lower = Hex(0xFF9CC8);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 60, 50);
    cairo_curve_to(cr, 60 + s * 20, 8, 60 + s * 56, 6, 60 + s * 52, 36);
    cairo_curve_to(cr, 60 + s * 50, 50, 60 + s * 30, 56, 60, 56);
    cairo_close_path(cr);
    Outlined(cr, upper);
    cairo_move_to(cr, 60, 58);
    cairo_curve_to(cr, 60 + s * 34, 56, 60 + s * 46, 78, 60 + s * 34, 92);
    cairo_curve_to(cr, 60 + s * 22, 102, 60 + s * 8, 86, 60, 64);
    cairo_close_path(cr);
    Outlined(cr, lower);
    cairo_arc(cr, 60 + s * 32, 32, 8, 0, 2 * M_PI);
    Outlined(cr, Sun(), 2.5);
    cairo_arc(cr, 60 + s * 24, 78, 6, 0, 2 * M_PI);
    Outlined(cr, Hex(0xFFFFFF), 2.5);
  }
  Antennae(cr, 60, 34, 22, 14);
  RoundRect(cr, 54, 30, 12, 64, 6);
  Outlined(cr, Grape(), 3);
  cairo_arc(cr, 60, 30, 8, 0, 2 * M_PI);
  Outlined(cr, Grape(), 3);
  Eye(cr, 57, 29, 1.8);
  Eye(cr, 63, 29, 1.8);
}

void Bee(cairo_t* cr) {
  Ellipse(cr, 44, 30, 14, 20);  // wings
  Outlined(cr, Hex(0xE6F6FF), 3);
  Ellipse(cr, 64, 28, 14, 20);
  Outlined(cr, Hex(0xE6F6FF), 3);
  cairo_move_to(cr, 96, 66);  // sting
  cairo_line_to(cr, 108, 68);
  cairo_line_to(cr, 96, 72);
  Outlined(cr, Ink(), 2);
  Ellipse(cr, 60, 66, 38, 26);
  Outlined(cr, Sun());
  cairo_save(cr);
  Ellipse(cr, 60, 66, 36, 24);
  cairo_clip(cr);
  for (double x : {54.0, 72.0, 90.0}) {
    cairo_rectangle(cr, x, 36, 9, 60);
    Fill(cr, Ink());
  }
  cairo_restore(cr);
  cairo_arc(cr, 30, 62, 20, 0, 2 * M_PI);
  Outlined(cr, Sun());
  Antennae(cr, 28, 44, 12, 10);
  cairo_arc(cr, 30, 62, 18, 0, 2 * M_PI);
  Fill(cr, Sun());
  Eye(cr, 24, 58, 3);
  Eye(cr, 36, 58, 3);
  Smile(cr, 30, 67, 10, 3);
  Cheek(cr, 20, 68, 3);
  Cheek(cr, 40, 68, 3);
}

void Caterpillar(cairo_t* cr) {
  const Col tones[] = {Hex(0x8ED46B), Hex(0x6FC25A)};
  for (int i = 5; i >= 1; --i) {
    double x = 18 + (5 - i) * 18, y = 66 + 8 * std::sin(i * 1.3);
    cairo_move_to(cr, x - 4, y + 14);
    cairo_line_to(cr, x - 6, y + 22);
    cairo_move_to(cr, x + 4, y + 14);
    cairo_line_to(cr, x + 6, y + 22);
    Stroke(cr, Ink(), 3);
    cairo_arc(cr, x, y, 16, 0, 2 * M_PI);
    Outlined(cr, tones[i % 2]);
    Dot(cr, x - 4, y - 6, 3, Sun());
  }
  double hx = 112, hy = 52;
  Antennae(cr, hx, hy - 14, 14, 10);
  cairo_arc(cr, hx, hy, 20, 0, 2 * M_PI);
  Outlined(cr, Hex(0x8ED46B));
  Eye(cr, hx - 6, hy - 3, 3.5);
  Eye(cr, hx + 8, hy - 3, 3.5);
  Smile(cr, hx + 1, hy + 7, 14, 4);
  Cheek(cr, hx - 12, hy + 8, 3.5);
  Cheek(cr, hx + 14, hy + 8, 3.5);
}

void Snail(cairo_t* cr) {
  cairo_move_to(cr, 10, 92);  // the foot, with the head rising on the right
  cairo_line_to(cr, 96, 92);
  cairo_curve_to(cr, 104, 92, 110, 86, 110, 76);
  cairo_line_to(cr, 110, 50);
  cairo_curve_to(cr, 110, 38, 92, 38, 92, 50);
  cairo_line_to(cr, 92, 78);
  cairo_line_to(cr, 10, 80);
  cairo_curve_to(cr, 4, 82, 4, 92, 10, 92);
  cairo_close_path(cr);
  Outlined(cr, Hex(0xF6C9A0));
  for (int s : {0, 1}) {
    cairo_move_to(cr, 98 + s * 8, 44);
    cairo_line_to(cr, 94 + s * 16, 26);
    Stroke(cr, Ink(), 2.5);
    Dot(cr, 94 + s * 16, 26, 3.5, Ink());
  }
  Eye(cr, 100, 54, 2.8);
  Smile(cr, 102, 64, 8, 2, 2);
  cairo_arc(cr, 54, 56, 32, 0, 2 * M_PI);
  Outlined(cr, Hex(0xC98A4B));
  cairo_move_to(cr, 54, 56);  // the spiral of the shell
  for (double t = 0; t < 4 * M_PI; t += 0.1) {
    double r = 2 + t * 2.1;
    cairo_line_to(cr, 54 + r * std::cos(t), 56 + r * std::sin(t));
  }
  Stroke(cr, Darker(Hex(0xC98A4B), 0.35), 3);
}

void Ant(cairo_t* cr) {
  Col c = Hex(0xB5523B);
  Legs(cr, 58, 66, 12, 20, 3, 10);
  Ellipse(cr, 90, 62, 16, 13);
  Outlined(cr, c);
  Ellipse(cr, 60, 64, 12, 9);
  Outlined(cr, c);
  Antennae(cr, 30, 48, 16, 10);
  cairo_arc(cr, 30, 60, 15, 0, 2 * M_PI);
  Outlined(cr, c);
  Eye(cr, 25, 57, 3);
  Eye(cr, 36, 57, 3);
  Smile(cr, 30, 66, 9, 2.5);
  for (double x : {86.0, 58.0}) {
    Ellipse(cr, x, x > 80 ? 56 : 60, 5, 2.5);
    Fill(cr, Hex(0xFFFFFF), 0.45);
  }
}

void Dragonfly(cairo_t* cr) {
  cairo_translate(cr, 0, 6);
  for (int s : {-1, 1})
    for (int k = 0; k < 2; ++k) {
      cairo_save(cr);
      cairo_translate(cr, 40, 50 + k * 12);
      cairo_rotate(cr, s * (0.25 + k * 0.35));
      Ellipse(cr, 0, s * 22, 9, 22);
      cairo_restore(cr);
      Outlined(cr, k ? Hex(0xD7F3EE) : Hex(0xC6ECFF), 2.5);
    }
  cairo_move_to(cr, 48, 56);
  cairo_line_to(cr, 132, 56);
  Stroke(cr, Ink(), 11);
  cairo_move_to(cr, 48, 56);
  cairo_line_to(cr, 132, 56);
  Stroke(cr, Hex(0x3FB5A9), 5);
  for (double x = 62; x < 130; x += 12) {
    cairo_move_to(cr, x, 53.5);
    cairo_line_to(cr, x, 58.5);
    Stroke(cr, Darker(Hex(0x3FB5A9), 0.4), 2);
  }
  Ellipse(cr, 40, 56, 13, 9);
  Outlined(cr, Hex(0x3FB5A9), 3);
  cairo_arc(cr, 22, 56, 11, 0, 2 * M_PI);
  Outlined(cr, Hex(0x3FB5A9), 3);
  Eye(cr, 18, 50, 3.5);
  Eye(cr, 18, 62, 3.5);
}

void Spider(cairo_t* cr) {
  cairo_move_to(cr, 60, 0);  // the thread it hangs from
  cairo_line_to(cr, 60, 40);
  Stroke(cr, Hex(0x8C8C9C), 2);
  for (int i = 0; i < 4; ++i)
    for (int s : {-1, 1}) {
      double a = -0.7 + i * 0.45;
      cairo_move_to(cr, 60, 66);
      cairo_line_to(cr, 60 + s * 34 * std::cos(a), 66 + 34 * std::sin(a) - 10);
      cairo_line_to(cr, 60 + s * 48 * std::cos(a * 0.7), 72 + 40 * std::sin(a));
    }
  Stroke(cr, Ink(), 3.5);
  cairo_arc(cr, 60, 66, 26, 0, 2 * M_PI);
  Outlined(cr, Grape());
  Eye(cr, 51, 62, 4.5);
  Eye(cr, 69, 62, 4.5);
  Smile(cr, 60, 74, 14, 4);
  Cheek(cr, 44, 74, 4);
  Cheek(cr, 76, 74, 4);
}

void Firefly(cairo_t* cr) {
  for (int i = 3; i >= 1; --i) {  // the glow of its tail
    cairo_arc(cr, 78, 74, 12 + i * 7, 0, 2 * M_PI);
    Fill(cr, Hex(0xFFF27A), 0.25);
  }
  for (int s : {-1, 1}) {
    Ellipse(cr, 52 + s * 4, 40 - s * 2, 20, 11);
    Outlined(cr, Hex(0xE6F6FF), 2.5);
  }
  Ellipse(cr, 60, 62, 22, 15);
  Outlined(cr, Hex(0x5A6AA8));
  cairo_arc(cr, 80, 74, 12, 0, 2 * M_PI);
  Outlined(cr, Hex(0xFFF27A), 3);
  Antennae(cr, 34, 46, 12, 8);
  cairo_arc(cr, 34, 58, 14, 0, 2 * M_PI);
  Outlined(cr, Hex(0x5A6AA8));
  Eye(cr, 29, 56, 3);
  Eye(cr, 40, 56, 3);
  Smile(cr, 34, 63, 8, 2.5);
}

void Beetle(cairo_t* cr) {
  Col shell = Hex(0x3E9B6F);
  Legs(cr, 56, 70, 30, 44, 3, 16);
  cairo_move_to(cr, 44, 20);  // horns
  cairo_curve_to(cr, 40, 10, 48, 4, 52, 6);
  cairo_move_to(cr, 68, 20);
  cairo_curve_to(cr, 72, 10, 64, 4, 60, 6);
  Stroke(cr, Ink(), 5);
  cairo_arc(cr, 56, 30, 15, 0, 2 * M_PI);
  Outlined(cr, Darker(shell, 0.3));
  Eye(cr, 50, 30, 3);
  Eye(cr, 62, 30, 3);
  Ellipse(cr, 56, 72, 30, 36);
  Outlined(cr, shell);
  cairo_move_to(cr, 56, 40);
  cairo_line_to(cr, 56, 106);
  Stroke(cr, Ink(), 3);
  Ellipse(cr, 42, 58, 6, 12);
  Fill(cr, Hex(0xFFFFFF), 0.35);
  Ellipse(cr, 70, 58, 6, 12);
  Fill(cr, Hex(0xFFFFFF), 0.25);
}

}  // namespace

StickerSet InsectStickers() {
  return {"INSECTCONTENT", "insect",
          {{110, 104, Ladybird}, {120, 104, Butterfly}, {112, 96, Bee}, {136, 100, Caterpillar}, {116, 100, Snail},
           {112, 90, Ant}, {140, 124, Dragonfly}, {120, 112, Spider}, {110, 106, Firefly}, {112, 112, Beetle}}};
}

}  // namespace art
