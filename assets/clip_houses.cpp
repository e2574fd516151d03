// House stickers: a cottage, a town house, a castle, a barn, an igloo, a tent, a lighthouse, a
// windmill, a kennel and a block of flats.
#include <cmath>

#include "assets/clip_art.h"
#include "assets/theme.h"

namespace art {

namespace {

const Col kWood = Hex(0x8B5A2B), kGlass = Hex(0xBFE6FF), kWall = Hex(0xFFE08A);

// A window with a cross of frames.
void Window(cairo_t* cr, double x, double y, double w, double h) {
  cairo_rectangle(cr, x, y, w, h);
  Outlined(cr, kGlass, 3);
  cairo_move_to(cr, x + w / 2, y);
  cairo_line_to(cr, x + w / 2, y + h);
  cairo_move_to(cr, x, y + h / 2);
  cairo_line_to(cr, x + w, y + h / 2);
  Stroke(cr, Ink(), 2);
}

void Door(cairo_t* cr, double x, double y, double w, double h, Col c) {
  cairo_move_to(cr, x, y + h);
  cairo_line_to(cr, x, y + w / 2);
  cairo_arc(cr, x + w / 2, y + w / 2, w / 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, x + w, y + h);
  cairo_close_path(cr);
  Outlined(cr, c, 3);
  Dot(cr, x + w * 0.75, y + h * 0.6, 2.2, Ink());
}

void Cottage(cairo_t* cr) {
  cairo_rectangle(cr, 84, 14, 14, 30);  // chimney
  Outlined(cr, Hex(0xC0634A), 3);
  cairo_rectangle(cr, 18, 56, 96, 66);
  Outlined(cr, kWall);
  cairo_move_to(cr, 6, 60);
  cairo_line_to(cr, 66, 10);
  cairo_line_to(cr, 126, 60);
  cairo_close_path(cr);
  Outlined(cr, Cherry());
  cairo_arc(cr, 66, 40, 9, 0, 2 * M_PI);
  Outlined(cr, kGlass, 3);
  Door(cr, 54, 82, 24, 40, kWood);
  Window(cr, 26, 70, 20, 20);
  Window(cr, 88, 70, 20, 20);
  for (double x : {22.0, 36.0, 94.0, 108.0}) {  // flowers by the wall
    cairo_arc(cr, x, 118, 4, 0, 2 * M_PI);
    Outlined(cr, x < 60 ? Hex(0xFF8FC8) : Sun(), 2);
  }
}

void TownHouse(cairo_t* cr) {
  cairo_rectangle(cr, 16, 30, 76, 112);
  Outlined(cr, Hex(0x9FD3F0));
  cairo_move_to(cr, 10, 34);
  cairo_line_to(cr, 54, 6);
  cairo_line_to(cr, 98, 34);
  cairo_close_path(cr);
  Outlined(cr, Hex(0x4A6A8A));
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 2; ++col) Window(cr, 26 + col * 38, 42 + row * 30, 18, 20);
  Door(cr, 42, 112, 24, 30, Cherry());
  RoundRect(cr, 36, 138, 36, 5, 2);
  Outlined(cr, Hex(0xC9CED6), 2);
}

void Castle(cairo_t* cr) {
  Col stone = Hex(0xC9CED6);
  auto battlements = [&](double x, double y, double w, int n) {
    for (int i = 0; i < n; ++i) {
      cairo_rectangle(cr, x + i * w / n + w / n * 0.2, y - 8, w / n * 0.6, 9);
      Outlined(cr, stone, 3);
    }
  };
  battlements(30, 56, 80, 4);
  cairo_rectangle(cr, 30, 56, 80, 72);
  Outlined(cr, stone);
  for (double x : {6.0, 110.0}) {
    battlements(x, 36, 28, 2);
    cairo_rectangle(cr, x, 36, 28, 92);
    Outlined(cr, stone);
    cairo_move_to(cr, x + 14, 8);  // flag on each tower
    cairo_line_to(cr, x + 14, 28);
    Stroke(cr, Ink(), 2.5);
    cairo_move_to(cr, x + 14, 8);
    cairo_line_to(cr, x + 30, 13);
    cairo_line_to(cr, x + 14, 18);
    cairo_close_path(cr);
    Outlined(cr, x < 50 ? Cherry() : Sky(), 2);
    cairo_move_to(cr, x + 14, 28);
    cairo_line_to(cr, x + 14, 36);
    Stroke(cr, Ink(), 2.5);
    RoundRect(cr, x + 9, 56, 10, 16, 5);
    Outlined(cr, Ink(), 2);
  }
  Door(cr, 54, 90, 32, 38, kWood);
  for (double x : {60.0, 70.0, 80.0}) {
    cairo_move_to(cr, x, 96);
    cairo_line_to(cr, x, 128);
  }
  Stroke(cr, Darker(kWood, 0.3), 2);
  RoundRect(cr, 64, 66, 12, 16, 6);
  Outlined(cr, Sun(), 2.5);
}

void Barn(cairo_t* cr) {
  Col red = Hex(0xD9443A);
  cairo_move_to(cr, 14, 124);
  cairo_line_to(cr, 14, 56);
  cairo_line_to(cr, 34, 26);
  cairo_line_to(cr, 70, 10);
  cairo_line_to(cr, 106, 26);
  cairo_line_to(cr, 126, 56);
  cairo_line_to(cr, 126, 124);
  cairo_close_path(cr);
  Outlined(cr, red);
  cairo_move_to(cr, 8, 60);
  cairo_line_to(cr, 34, 22);
  cairo_line_to(cr, 70, 6);
  cairo_line_to(cr, 106, 22);
  cairo_line_to(cr, 132, 60);
  Stroke(cr, Ink(), 9);
  cairo_move_to(cr, 8, 60);
  cairo_line_to(cr, 34, 22);
  cairo_line_to(cr, 70, 6);
  cairo_line_to(cr, 106, 22);
  cairo_line_to(cr, 132, 60);
  Stroke(cr, Hex(0xFFFFFF), 4);
  cairo_rectangle(cr, 44, 72, 52, 52);  // the big doors with their white cross
  Outlined(cr, red);
  cairo_move_to(cr, 44, 72);
  cairo_line_to(cr, 96, 124);
  cairo_move_to(cr, 96, 72);
  cairo_line_to(cr, 44, 124);
  cairo_move_to(cr, 70, 72);
  cairo_line_to(cr, 70, 124);
  Stroke(cr, Hex(0xFFFFFF), 4);
  cairo_rectangle(cr, 44, 72, 52, 52);
  Stroke(cr, Ink(), 3);
  cairo_rectangle(cr, 58, 36, 24, 20);
  Outlined(cr, Hex(0xF6D7A7), 3);
}

void Igloo(cairo_t* cr) {
  cairo_arc(cr, 70, 100, 62, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  Outlined(cr, Hex(0xEAF6FF));
  cairo_save(cr);
  cairo_arc(cr, 70, 100, 60, M_PI, 2 * M_PI);
  cairo_clip(cr);
  for (int row = 0; row < 4; ++row) {
    double y = 100 - (row + 1) * 15;
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, 140, y);
    for (int i = 0; i < 6; ++i) {
      double x = 10 + i * 24 + (row % 2) * 12;
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x, y + 15);
    }
  }
  Stroke(cr, Hex(0x9CC3DE), 2);
  cairo_restore(cr);
  cairo_arc(cr, 70, 100, 22, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  Outlined(cr, Hex(0x3A4A6A));
  cairo_move_to(cr, 4, 100);
  cairo_line_to(cr, 136, 100);
  Stroke(cr, Ink(), 3.5);
}

void Tent(cairo_t* cr) {
  cairo_move_to(cr, 60, 8);  // pole and pennant
  cairo_line_to(cr, 60, 24);
  Stroke(cr, Ink(), 3);
  cairo_move_to(cr, 60, 6);
  cairo_line_to(cr, 76, 11);
  cairo_line_to(cr, 60, 16);
  Outlined(cr, Sun(), 2);
  cairo_move_to(cr, 6, 112);
  cairo_line_to(cr, 60, 22);
  cairo_line_to(cr, 114, 112);
  cairo_close_path(cr);
  Outlined(cr, Orange());
  cairo_move_to(cr, 60, 22);  // the open flaps
  cairo_line_to(cr, 40, 112);
  cairo_line_to(cr, 80, 112);
  cairo_close_path(cr);
  Outlined(cr, Hex(0x5A3A2A), 3);
  cairo_move_to(cr, 60, 22);
  cairo_line_to(cr, 36, 112);
  cairo_line_to(cr, 48, 112);
  cairo_close_path(cr);
  Outlined(cr, Hex(0xFFC27A), 3);
  cairo_move_to(cr, 60, 22);
  cairo_line_to(cr, 84, 112);
  cairo_line_to(cr, 72, 112);
  cairo_close_path(cr);
  Outlined(cr, Hex(0xFFC27A), 3);
}

void Lighthouse(cairo_t* cr) {
  for (int s : {-1, 1}) {  // beams
    cairo_move_to(cr, 50, 28);
    cairo_line_to(cr, 50 + s * 48, 14);
    cairo_line_to(cr, 50 + s * 48, 42);
    cairo_close_path(cr);
    Fill(cr, Hex(0xFFF27A), 0.6);
  }
  cairo_move_to(cr, 34, 14);
  cairo_line_to(cr, 50, 2);
  cairo_line_to(cr, 66, 14);
  cairo_close_path(cr);
  Outlined(cr, Cherry(), 3);
  cairo_rectangle(cr, 38, 14, 24, 20);
  Outlined(cr, Hex(0xFFF27A), 3);
  RoundRect(cr, 32, 32, 36, 7, 2);
  Outlined(cr, Ink(), 2);
  cairo_move_to(cr, 36, 39);
  cairo_line_to(cr, 64, 39);
  cairo_line_to(cr, 74, 138);
  cairo_line_to(cr, 26, 138);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  Fill(cr, Hex(0xFFFFFF));
  for (int i = 0; i < 3; ++i) {
    cairo_rectangle(cr, 0, 56 + i * 30, 100, 14);
    Fill(cr, Cherry());
  }
  cairo_restore(cr);
  cairo_move_to(cr, 36, 39);
  cairo_line_to(cr, 64, 39);
  cairo_line_to(cr, 74, 138);
  cairo_line_to(cr, 26, 138);
  cairo_close_path(cr);
  Stroke(cr, Ink(), 3.5);
  Door(cr, 42, 118, 16, 20, kWood);
}

void Windmill(cairo_t* cr) {
  cairo_translate(cr, 0, 6);
  cairo_move_to(cr, 44, 138);
  cairo_line_to(cr, 52, 52);
  cairo_line_to(cr, 88, 52);
  cairo_line_to(cr, 96, 138);
  cairo_close_path(cr);
  Outlined(cr, Hex(0xF6D7A7));
  cairo_move_to(cr, 46, 54);
  cairo_line_to(cr, 70, 32);
  cairo_line_to(cr, 94, 54);
  cairo_close_path(cr);
  Outlined(cr, Hex(0x4A6A8A));
  Door(cr, 60, 112, 20, 26, kWood);
  Window(cr, 63, 76, 14, 16);
  for (int i = 0; i < 4; ++i) {  // the sails
    cairo_save(cr);
    cairo_translate(cr, 70, 48);
    cairo_rotate(cr, M_PI / 4 + i * M_PI / 2);
    cairo_rectangle(cr, 6, -3, 54, 6);
    Outlined(cr, kWood, 2.5);
    cairo_rectangle(cr, 20, 3, 38, 14);
    Outlined(cr, Hex(0xFFFFFF), 2.5);
    cairo_restore(cr);
  }
  cairo_arc(cr, 70, 48, 6, 0, 2 * M_PI);
  Outlined(cr, Cherry(), 2.5);
}

void Kennel(cairo_t* cr) {
  cairo_rectangle(cr, 18, 50, 88, 66);
  Outlined(cr, Hex(0xE7B466));
  cairo_move_to(cr, 8, 56);
  cairo_line_to(cr, 62, 12);
  cairo_line_to(cr, 116, 56);
  cairo_close_path(cr);
  Outlined(cr, Hex(0x4FA3D8));
  cairo_move_to(cr, 42, 116);
  cairo_line_to(cr, 42, 82);
  cairo_arc(cr, 62, 82, 20, M_PI, 2 * M_PI);
  cairo_line_to(cr, 82, 116);
  cairo_close_path(cr);
  Outlined(cr, Hex(0x4A3426), 3);
  RoundRect(cr, 44, 54, 36, 12, 3);  // name plate
  Outlined(cr, Cream(), 2.5);
  CentredText(cr, "REX", 62, 60.5, 9, Ink());
  Ellipse(cr, 102, 110, 14, 6);  // a bowl
  Outlined(cr, Cherry(), 2.5);
  cairo_move_to(cr, 4, 116);
  cairo_line_to(cr, 120, 116);
  Stroke(cr, Ink(), 3.5);
}

void Flats(cairo_t* cr) {
  cairo_rectangle(cr, 12, 20, 80, 124);
  Outlined(cr, Hex(0xF2B880));
  cairo_rectangle(cr, 6, 10, 92, 12);
  Outlined(cr, Hex(0xC0634A), 3);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 3; ++col) {
      Col lit = (row + col) % 3 == 0 ? Hex(0xFFF27A) : kGlass;
      cairo_rectangle(cr, 20 + col * 24, 30 + row * 24, 16, 16);
      Outlined(cr, lit, 2.5);
    }
  cairo_rectangle(cr, 38, 124, 28, 20);
  Outlined(cr, kGlass, 3);
  cairo_move_to(cr, 52, 124);
  cairo_line_to(cr, 52, 144);
  Stroke(cr, Ink(), 2);
  cairo_move_to(cr, 30, 124);  // a little awning over the door
  cairo_line_to(cr, 74, 124);
  cairo_line_to(cr, 70, 116);
  cairo_line_to(cr, 34, 116);
  cairo_close_path(cr);
  Outlined(cr, Leaf(), 2.5);
}

}  // namespace

StickerSet HouseStickers() {
  return {"HOUSECONTENT", "house",
          {{132, 126, Cottage}, {108, 148, TownHouse}, {144, 132, Castle}, {140, 128, Barn}, {140, 104, Igloo},
           {120, 116, Tent}, {100, 142, Lighthouse}, {140, 148, Windmill}, {124, 120, Kennel}, {104, 148, Flats}}};
}

}  // namespace art
