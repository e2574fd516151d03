// Dinosaur stickers: friendly dinosaurs facing right, a hatching baby and a smoking volcano.
#include <array>
#include <cmath>

#include "assets/clip_art.h"
#include "assets/theme.h"

namespace art {

namespace {

// A leg standing on the ground at y, from its hip at top.
Part Leg(double x, double top, double y, double w, Col c) {
  return {[=](cairo_t* cr) {
            RoundRect(cr, x - w / 2, top, w, y - top, w * 0.45);
            Ellipse(cr, x + w * 0.25, y - 2, w * 0.7, 5);
          },
          c};
}

void Spots(cairo_t* cr, Col c, std::initializer_list<std::pair<double, double>> at, double r) {
  for (auto [x, y] : at) {
    Ellipse(cr, x, y, r, r * 0.75);
    Fill(cr, c);
  }
}

void TRex(cairo_t* cr) {
  Col body = Hex(0x5DBB63), back = Darker(body, 0.18);
  Merged(cr, {Leg(56, 80, 124, 16, back), Leg(76, 84, 126, 18, body),
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 6, 98);
                 cairo_curve_to(cr, 30, 88, 40, 58, 62, 54);
                 cairo_curve_to(cr, 74, 52, 80, 40, 82, 30);
                 cairo_curve_to(cr, 84, 14, 96, 8, 110, 10);
                 cairo_curve_to(cr, 122, 11, 127, 18, 127, 28);
                 cairo_line_to(cr, 127, 40);
                 cairo_curve_to(cr, 120, 47, 106, 47, 99, 47);
                 cairo_curve_to(cr, 97, 58, 97, 68, 93, 80);
                 cairo_curve_to(cr, 87, 98, 66, 104, 50, 100);
                 cairo_curve_to(cr, 36, 98, 22, 100, 6, 98);
                 cairo_close_path(cr);
               },
               body},
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 92, 66);
                 cairo_line_to(cr, 102, 70);
                 cairo_line_to(cr, 104, 76);
               },
               body, 5}});
  Spots(cr, Lighter(body, 0.35), {{58, 66}, {70, 60}, {46, 76}, {82, 50}}, 4.5);
  Eye(cr, 104, 22, 4);
  Dot(cr, 121, 19, 1.8, Ink());
  Smile(cr, 114, 34, 22, 3);
  for (double x : {106.0, 113.0, 120.0}) {  // little teeth
    cairo_move_to(cr, x - 2.5, 35.5);
    cairo_line_to(cr, x, 40);
    cairo_line_to(cr, x + 2.5, 35.5);
    cairo_close_path(cr);
    Fill(cr, Hex(0xFFFFFF));
  }
}

void LongNeck(cairo_t* cr) {
  Col body = Hex(0x7EC8E3), back = Darker(body, 0.18);
  Merged(cr, {Leg(40, 86, 122, 15, back), Leg(80, 86, 122, 15, back),
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 30, 84);
                 cairo_curve_to(cr, 18, 92, 10, 100, 4, 108);
               },
               body, 10},
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 84, 80);
                 cairo_curve_to(cr, 104, 66, 110, 40, 120, 22);
               },
               body, 16},
              {[](cairo_t* cr) { Ellipse(cr, 60, 82, 36, 24); }, body},
              {[](cairo_t* cr) { Ellipse(cr, 128, 18, 15, 10); }, body},
              Leg(50, 92, 124, 15, body), Leg(90, 88, 124, 15, body)});
  Spots(cr, Lighter(body, 0.4), {{50, 72}, {64, 66}, {76, 76}, {56, 88}}, 5);
  Eye(cr, 130, 15, 3.2);
  Smile(cr, 135, 21, 8, 2, 2);
  Cheek(cr, 124, 22, 3.5);
}

void Stegosaurus(cairo_t* cr) {
  Col body = Hex(0xF2A65A), back = Darker(body, 0.18);
  for (int i = 0; i < 7; ++i) {  // plates along the back, behind the body
    double x = 32 + i * 14, y = 44 - 18 * std::sin((i + 0.5) / 7 * M_PI);
    cairo_move_to(cr, x - 9, y + 16);
    cairo_curve_to(cr, x - 8, y, x - 4, y - 10, x, y - 15);
    cairo_curve_to(cr, x + 4, y - 10, x + 8, y, x + 9, y + 16);
    cairo_close_path(cr);
    Outlined(cr, i % 2 ? Cherry() : Sun(), 3);
  }
  Merged(cr, {Leg(46, 70, 104, 14, back), Leg(102, 70, 104, 14, back),
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 4, 70);
                 cairo_curve_to(cr, 20, 72, 24, 46, 60, 42);
                 cairo_curve_to(cr, 96, 38, 112, 56, 126, 66);
                 cairo_curve_to(cr, 134, 62, 146, 64, 146, 74);
                 cairo_curve_to(cr, 144, 82, 130, 82, 122, 80);
                 cairo_curve_to(cr, 100, 90, 60, 92, 36, 84);
                 cairo_curve_to(cr, 24, 80, 14, 76, 4, 70);
                 cairo_close_path(cr);
               },
               body},
              Leg(60, 74, 106, 15, body), Leg(112, 72, 106, 15, body)});
  for (double a : {-0.5, 0.4}) {  // tail spikes
    cairo_move_to(cr, 12 + a * 10, 70);
    cairo_line_to(cr, 8 + a * 24, 56);
    cairo_line_to(cr, 20 + a * 10, 68);
    Outlined(cr, Hex(0xFFF1D0), 2.5);
  }
  Eye(cr, 136, 70, 2.8);
  Smile(cr, 139, 77, 8, 1.5, 2);
  Spots(cr, Lighter(body, 0.4), {{66, 60}, {84, 62}, {100, 70}, {54, 72}}, 4.5);
}

void Triceratops(cairo_t* cr) {
  Col body = Hex(0xB58AE0), back = Darker(body, 0.18);
  Merged(cr, {Leg(34, 70, 104, 15, back), Leg(84, 70, 104, 15, back),
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 4, 66);
                 cairo_curve_to(cr, 14, 64, 24, 40, 56, 40);
                 cairo_curve_to(cr, 84, 40, 100, 56, 104, 70);
                 cairo_curve_to(cr, 96, 86, 60, 90, 36, 84);
                 cairo_curve_to(cr, 20, 80, 12, 72, 4, 66);
                 cairo_close_path(cr);
               },
               body},
              Leg(48, 74, 106, 16, body), Leg(96, 72, 106, 16, body)});
  cairo_arc(cr, 106, 50, 26, M_PI * 0.6, M_PI * 1.75);  // the frill
  cairo_close_path(cr);
  Outlined(cr, Hex(0xFFB36B));
  for (int i = 0; i < 5; ++i) Dot(cr, 106 + 19 * std::cos(M_PI * (0.75 + i * 0.22)), 50 + 19 * std::sin(M_PI * (0.75 + i * 0.22)), 2.5, Hex(0xFFE2B8));
  cairo_move_to(cr, 100, 44);
  cairo_curve_to(cr, 120, 36, 142, 48, 146, 64);
  cairo_line_to(cr, 136, 74);
  cairo_curve_to(cr, 124, 80, 104, 78, 98, 64);
  cairo_close_path(cr);
  Outlined(cr, body);
  for (auto [x, y, dx, dy] : {std::array<double, 4>{112, 44, 14, -22}, {126, 44, 16, -18}, {140, 58, 8, -8}}) {
    cairo_move_to(cr, x - 4, y + 1);
    cairo_line_to(cr, x + dx, y + dy);
    cairo_line_to(cr, x + 4, y);
    cairo_close_path(cr);
    Outlined(cr, Hex(0xFFF6E2), 2.5);
  }
  Eye(cr, 122, 54, 3.2);
  Smile(cr, 132, 66, 10, 2, 2);
  Cheek(cr, 118, 64, 3.5);
}

void Pterodactyl(cairo_t* cr) {
  Col body = Hex(0xE98A7A);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 70, 52);
    cairo_curve_to(cr, 70 + s * 20, 30, 70 + s * 50, 12, 70 + s * 66, 20);
    cairo_curve_to(cr, 70 + s * 50, 34, 70 + s * 46, 52, 70 + s * 40, 64);
    cairo_curve_to(cr, 70 + s * 30, 56, 70 + s * 18, 62, 70, 66);
    cairo_close_path(cr);
    Outlined(cr, s < 0 ? Darker(body, 0.12) : body);
  }
  Ellipse(cr, 70, 64, 12, 20);
  Outlined(cr, body);
  cairo_move_to(cr, 62, 42);  // the head with its crest and long beak
  cairo_curve_to(cr, 54, 30, 60, 18, 72, 20);
  cairo_line_to(cr, 104, 34);
  cairo_line_to(cr, 76, 40);
  cairo_curve_to(cr, 74, 46, 66, 48, 62, 42);
  cairo_close_path(cr);
  Outlined(cr, body);
  cairo_move_to(cr, 62, 26);
  cairo_line_to(cr, 44, 14);
  cairo_line_to(cr, 62, 20);
  Outlined(cr, Sun(), 2.5);
  Eye(cr, 68, 30, 2.8);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 70 + s * 5, 82);
    cairo_line_to(cr, 70 + s * 7, 92);
    Stroke(cr, Ink(), 3);
  }
}

void Hatchling(cairo_t* cr) {
  Col shell = Hex(0xFFF3D6), body = Hex(0x8ED46B);
  cairo_arc(cr, 55, 46, 26, 0, 2 * M_PI);  // the baby's head peeping out
  Outlined(cr, body);
  Eye(cr, 46, 46, 3.5);
  Eye(cr, 64, 46, 3.5);
  Cheek(cr, 40, 56, 4);
  Cheek(cr, 70, 56, 4);
  Smile(cr, 55, 56, 14, 4);
  cairo_move_to(cr, 36, 34);  // the top of the shell worn as a hat
  cairo_line_to(cr, 42, 26);
  cairo_line_to(cr, 48, 32);
  cairo_line_to(cr, 55, 24);
  cairo_line_to(cr, 62, 32);
  cairo_line_to(cr, 68, 26);
  cairo_line_to(cr, 74, 34);
  cairo_curve_to(cr, 74, 14, 36, 14, 36, 34);
  cairo_close_path(cr);
  Outlined(cr, shell, 3);
  cairo_move_to(cr, 18, 70);  // the lower shell with a broken edge
  for (int i = 0; i <= 8; ++i) cairo_line_to(cr, 18 + i * 9.25, 70 + (i % 2 ? -9 : 0));
  cairo_curve_to(cr, 96, 104, 76, 122, 55, 122);
  cairo_curve_to(cr, 34, 122, 14, 104, 18, 70);
  cairo_close_path(cr);
  Outlined(cr, shell);
  Spots(cr, Hex(0xB9E4A0), {{38, 92}, {66, 100}, {52, 110}, {76, 84}}, 5);
}

void Ankylosaurus(cairo_t* cr) {
  Col body = Hex(0xC9A36B), back = Darker(body, 0.18);
  Merged(cr, {Leg(44, 60, 92, 15, back), Leg(98, 60, 92, 15, back),
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 26, 62);
                 cairo_curve_to(cr, 18, 58, 12, 56, 10, 54);
               },
               body, 8},
              {[](cairo_t* cr) { Ellipse(cr, 10, 54, 9, 7); }, Darker(body, 0.1)},
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 20, 66);
                 cairo_curve_to(cr, 26, 34, 110, 30, 120, 62);
                 cairo_curve_to(cr, 122, 52, 144, 52, 144, 66);
                 cairo_curve_to(cr, 142, 76, 126, 78, 116, 74);
                 cairo_curve_to(cr, 90, 80, 40, 82, 20, 66);
                 cairo_close_path(cr);
               },
               body},
              Leg(58, 64, 94, 16, body), Leg(110, 62, 94, 16, body)});
  for (int row = 0; row < 2; ++row)  // armour studs
    for (int i = 0; i < 6 - row; ++i) {
      double x = 38 + i * 14 + row * 7, y = 50 + row * 12 - (i == 0 || i == 5 - row ? -2 : 2);
      StarPath(cr, x, y, 4, 5.5, 3, 0.2);
      Outlined(cr, Hex(0xF3E2B8), 2);
    }
  Eye(cr, 134, 62, 2.8);
  Smile(cr, 138, 69, 8, 1.5, 2);
}

void Spinosaurus(cairo_t* cr) {
  Col body = Hex(0x4FB7A8), back = Darker(body, 0.18);
  cairo_move_to(cr, 34, 62);  // the sail
  cairo_curve_to(cr, 40, 20, 74, 14, 84, 46);
  cairo_close_path(cr);
  Outlined(cr, Orange());
  for (int i = 1; i < 5; ++i) {
    cairo_move_to(cr, 34 + i * 10, 58);
    cairo_line_to(cr, 38 + i * 8, 30 - (i == 2 || i == 3 ? 4 : 0));
    Stroke(cr, Darker(Orange(), 0.25), 2);
  }
  Merged(cr, {Leg(52, 80, 122, 15, back), Leg(72, 84, 124, 17, body),
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 4, 100);
                 cairo_curve_to(cr, 26, 90, 30, 60, 56, 56);
                 cairo_curve_to(cr, 72, 54, 80, 44, 86, 36);
                 cairo_curve_to(cr, 92, 28, 104, 26, 112, 30);
                 cairo_line_to(cr, 134, 38);
                 cairo_curve_to(cr, 136, 44, 132, 46, 126, 46);
                 cairo_line_to(cr, 100, 46);
                 cairo_curve_to(cr, 94, 58, 92, 70, 88, 80);
                 cairo_curve_to(cr, 82, 98, 62, 104, 46, 100);
                 cairo_curve_to(cr, 32, 98, 20, 102, 4, 100);
                 cairo_close_path(cr);
               },
               body},
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 88, 66);
                 cairo_line_to(cr, 98, 72);
               },
               body, 5}});
  Eye(cr, 100, 34, 3.5);
  Smile(cr, 118, 41, 16, 1.5, 2);
  Spots(cr, Lighter(body, 0.35), {{50, 76}, {62, 68}, {40, 86}}, 4.5);
}

void Parasaurolophus(cairo_t* cr) {
  Col body = Hex(0xF7C948), back = Darker(body, 0.15);
  Merged(cr, {Leg(50, 82, 122, 15, back), Leg(70, 86, 124, 17, body),
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 94, 30);
                 cairo_line_to(cr, 64, 10);
               },
               Cherry(), 7},
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 4, 96);
                 cairo_curve_to(cr, 26, 86, 34, 64, 58, 60);
                 cairo_curve_to(cr, 76, 58, 82, 40, 88, 28);
                 cairo_curve_to(cr, 94, 18, 110, 18, 116, 26);
                 cairo_curve_to(cr, 124, 30, 130, 34, 130, 40);
                 cairo_curve_to(cr, 126, 46, 110, 44, 104, 42);
                 cairo_curve_to(cr, 98, 56, 96, 70, 88, 84);
                 cairo_curve_to(cr, 80, 100, 60, 104, 46, 100);
                 cairo_curve_to(cr, 30, 98, 20, 100, 4, 96);
                 cairo_close_path(cr);
               },
               body},
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 90, 64);
                 cairo_line_to(cr, 100, 70);
               },
               body, 5}});
  Eye(cr, 106, 30, 3.2);
  Smile(cr, 121, 38, 10, 1.5, 2);
  for (int i = 0; i < 4; ++i) {
    cairo_move_to(cr, 40 + i * 12, 70 - i * 3);
    cairo_line_to(cr, 44 + i * 12, 84 - i * 3);
    Stroke(cr, Orange(), 4);
  }
}

void Volcano(cairo_t* cr) {
  for (int i = 0; i < 4; ++i) {  // puffs of smoke
    cairo_arc(cr, 66 + (i % 2 ? 10 : -6) + i * 4, 30 - i * 6, 10 + i * 2.5, 0, 2 * M_PI);
    Outlined(cr, Hex(0xD9D9E3), 3);
  }
  cairo_move_to(cr, 6, 112);
  cairo_line_to(cr, 50, 48);
  cairo_line_to(cr, 90, 48);
  cairo_line_to(cr, 134, 112);
  cairo_close_path(cr);
  Outlined(cr, Hex(0x9A7358));
  cairo_move_to(cr, 50, 48);  // lava running down from the top
  cairo_line_to(cr, 90, 48);
  cairo_line_to(cr, 86, 58);
  cairo_curve_to(cr, 82, 70, 78, 76, 76, 64);
  cairo_curve_to(cr, 72, 80, 66, 84, 64, 66);
  cairo_curve_to(cr, 60, 74, 56, 70, 56, 60);
  cairo_close_path(cr);
  Outlined(cr, Orange(), 3);
  Ellipse(cr, 70, 48, 20, 4);
  Fill(cr, Sun());
  for (auto [x, y] : {std::pair{40.0, 90.0}, {98.0, 96.0}, {70.0, 100.0}}) {
    Ellipse(cr, x, y, 6, 3.5);
    Fill(cr, Darker(Hex(0x9A7358), 0.2));
  }
}

}  // namespace

StickerSet DinosaurStickers() {
  return {"DIANACONTENT", "dino",
          {{132, 130, TRex}, {150, 130, LongNeck}, {150, 110, Stegosaurus}, {150, 110, Triceratops},
           {140, 100, Pterodactyl}, {110, 128, Hatchling}, {150, 98, Ankylosaurus}, {140, 128, Spinosaurus},
           {136, 128, Parasaurolophus}, {140, 118, Volcano}}};
}

}  // namespace art
