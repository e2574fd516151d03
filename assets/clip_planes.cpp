// Stickers of things that fly: planes, a helicopter, a balloon, a rocket, an airship, a paper
// plane, a kite and a flying saucer.
#include <cmath>

#include "assets/clip_art.h"
#include "assets/theme.h"

namespace art {

namespace {

void Windows(cairo_t* cr, double x0, double y, int n, double step, double r) {
  for (int i = 0; i < n; ++i) {
    cairo_arc(cr, x0 + i * step, y, r, 0, 2 * M_PI);
    Outlined(cr, Hex(0xBFE6FF), 2);
  }
}

void Airliner(cairo_t* cr) {
  cairo_move_to(cr, 60, 58);  // far wing
  cairo_line_to(cr, 86, 26);
  cairo_line_to(cr, 98, 26);
  cairo_line_to(cr, 86, 58);
  Outlined(cr, Darker(Sky(), 0.15), 3);
  cairo_move_to(cr, 14, 52);  // tail fin
  cairo_line_to(cr, 6, 16);
  cairo_line_to(cr, 20, 16);
  cairo_line_to(cr, 40, 50);
  Outlined(cr, Cherry(), 3);
  cairo_move_to(cr, 10, 54);  // body
  cairo_curve_to(cr, 10, 44, 30, 44, 50, 44);
  cairo_line_to(cr, 128, 44);
  cairo_curve_to(cr, 146, 44, 152, 56, 148, 62);
  cairo_curve_to(cr, 144, 68, 132, 70, 120, 70);
  cairo_line_to(cr, 40, 70);
  cairo_curve_to(cr, 24, 70, 10, 64, 10, 54);
  cairo_close_path(cr);
  Outlined(cr, Hex(0xFFFFFF));
  cairo_move_to(cr, 12, 62);
  cairo_line_to(cr, 146, 62);
  Stroke(cr, Sky(), 3);
  Windows(cr, 48, 53, 7, 11, 3.2);
  cairo_move_to(cr, 134, 50);  // cockpit window
  cairo_curve_to(cr, 140, 48, 144, 52, 145, 56);
  cairo_line_to(cr, 134, 56);
  cairo_close_path(cr);
  Outlined(cr, Hex(0x4A6A8A), 2);
  cairo_move_to(cr, 64, 64);  // near wing with its engine
  cairo_line_to(cr, 94, 94);
  cairo_line_to(cr, 106, 94);
  cairo_line_to(cr, 92, 64);
  cairo_close_path(cr);
  Outlined(cr, Sky(), 3);
  RoundRect(cr, 82, 74, 22, 10, 5);
  Outlined(cr, Hex(0xD0D8E2), 2.5);
}

void PropPlane(cairo_t* cr) {
  Col body = Sun();
  cairo_move_to(cr, 10, 46);  // tail
  cairo_line_to(cr, 6, 22);
  cairo_line_to(cr, 20, 24);
  cairo_line_to(cr, 32, 46);
  Outlined(cr, Cherry(), 3);
  cairo_move_to(cr, 8, 50);
  cairo_curve_to(cr, 30, 40, 70, 34, 104, 38);
  cairo_curve_to(cr, 116, 40, 118, 60, 104, 64);
  cairo_curve_to(cr, 70, 68, 30, 62, 8, 54);
  cairo_close_path(cr);
  Outlined(cr, body);
  cairo_move_to(cr, 60, 38);  // cockpit canopy
  cairo_curve_to(cr, 64, 22, 84, 22, 88, 37);
  Outlined(cr, Hex(0xBFE6FF), 3);
  Ellipse(cr, 48, 60, 30, 7);
  Outlined(cr, Cherry(), 3);
  RoundRect(cr, 112, 44, 8, 12, 3);
  Outlined(cr, Hex(0x9AA5B1), 2.5);
  Ellipse(cr, 122, 50, 4, 24);  // the spinning propeller
  Fill(cr, Hex(0xB8C2CC), 0.7);
  cairo_move_to(cr, 122, 28);
  cairo_line_to(cr, 122, 72);
  Stroke(cr, Ink(), 3);
  for (int s : {-1, 1}) {  // wheels
    cairo_move_to(cr, 70 + s * 10, 64);
    cairo_line_to(cr, 70 + s * 12, 78);
    Stroke(cr, Ink(), 3);
    cairo_arc(cr, 70 + s * 12, 80, 6, 0, 2 * M_PI);
    Outlined(cr, Hex(0x4A4A5A), 2.5);
  }
}

void Biplane(cairo_t* cr) {
  Col wing = Hex(0x59C27A);
  RoundRect(cr, 36, 18, 72, 10, 5);
  Outlined(cr, wing, 3);
  for (double x : {50.0, 94.0}) {
    cairo_move_to(cr, x, 28);
    cairo_line_to(cr, x, 64);
  }
  Stroke(cr, Ink(), 3);
  cairo_move_to(cr, 10, 46);
  cairo_line_to(cr, 6, 24);
  cairo_line_to(cr, 18, 26);
  cairo_line_to(cr, 30, 46);
  Outlined(cr, Cherry(), 3);
  cairo_move_to(cr, 8, 50);
  cairo_curve_to(cr, 40, 38, 90, 36, 116, 40);
  cairo_line_to(cr, 116, 62);
  cairo_curve_to(cr, 90, 66, 40, 62, 8, 54);
  cairo_close_path(cr);
  Outlined(cr, Cherry());
  cairo_arc(cr, 76, 40, 8, M_PI, 2 * M_PI);  // the pilot
  Outlined(cr, Hex(0x8A5A32), 3);
  cairo_move_to(cr, 70, 38);
  cairo_curve_to(cr, 60, 34, 52, 40, 44, 36);
  Stroke(cr, Hex(0xFFFFFF), 3);
  RoundRect(cr, 36, 58, 72, 10, 5);
  Outlined(cr, wing, 3);
  Ellipse(cr, 122, 51, 4, 22);
  Fill(cr, Hex(0xB8C2CC), 0.7);
  cairo_move_to(cr, 122, 30);
  cairo_line_to(cr, 122, 72);
  Stroke(cr, Ink(), 3);
  cairo_arc(cr, 80, 80, 6, 0, 2 * M_PI);
  Outlined(cr, Hex(0x4A4A5A), 2.5);
}

void Helicopter(cairo_t* cr) {
  cairo_translate(cr, 6, 0);
  Col body = Orange();
  cairo_move_to(cr, 8, 18);  // rotor
  cairo_line_to(cr, 132, 18);
  Stroke(cr, Ink(), 6);
  RoundRect(cr, 64, 18, 8, 12, 2);
  Outlined(cr, Hex(0x9AA5B1), 2.5);
  cairo_move_to(cr, 40, 56);  // tail boom
  cairo_line_to(cr, 6, 48);
  Stroke(cr, Ink(), 12);
  cairo_move_to(cr, 40, 56);
  cairo_line_to(cr, 6, 48);
  Stroke(cr, body, 6);
  cairo_arc(cr, 8, 48, 9, 0, 2 * M_PI);
  Outlined(cr, Hex(0xD0D8E2), 2.5);
  cairo_move_to(cr, 8, 39);
  cairo_line_to(cr, 8, 57);
  Stroke(cr, Ink(), 2.5);
  Ellipse(cr, 74, 54, 36, 24);
  Outlined(cr, body);
  cairo_move_to(cr, 78, 32);  // the big window
  cairo_curve_to(cr, 98, 32, 108, 44, 110, 54);
  cairo_line_to(cr, 82, 54);
  cairo_close_path(cr);
  Outlined(cr, Hex(0xBFE6FF), 3);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 74 + s * 16, 76);
    cairo_line_to(cr, 74 + s * 18, 88);
  }
  cairo_move_to(cr, 46, 88);
  cairo_line_to(cr, 108, 88);
  Stroke(cr, Ink(), 4);
}

void Balloon(cairo_t* cr) {
  const Col stripes[] = {Cherry(), Sun(), Sky(), Leaf(), Grape()};
  cairo_save(cr);
  cairo_move_to(cr, 36, 88);
  cairo_curve_to(cr, 4, 66, 6, 6, 60, 6);
  cairo_curve_to(cr, 114, 6, 116, 66, 84, 88);
  cairo_close_path(cr);
  cairo_clip_preserve(cr);
  Fill(cr, Cream());
  for (int i = 0; i < 5; ++i) {  // gores that narrow towards the bottom
    double l = 10 + i * 20, r = l + 20;
    cairo_move_to(cr, 60 + (l - 60) * 0.3, 0);
    cairo_curve_to(cr, l - 8, 30, l - 4, 60, 40 + i * 8, 92);
    cairo_line_to(cr, 48 + i * 8, 92);
    cairo_curve_to(cr, r - 4, 60, r - 8, 30, 60 + (r - 60) * 0.3, 0);
    cairo_close_path(cr);
    Fill(cr, stripes[i]);
  }
  cairo_restore(cr);
  cairo_move_to(cr, 36, 88);
  cairo_curve_to(cr, 4, 66, 6, 6, 60, 6);
  cairo_curve_to(cr, 114, 6, 116, 66, 84, 88);
  cairo_close_path(cr);
  Stroke(cr, Ink(), 3.5);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 60 + s * 22, 90);
    cairo_line_to(cr, 60 + s * 13, 110);
  }
  Stroke(cr, Ink(), 2.5);
  RoundRect(cr, 44, 106, 32, 20, 4);
  Outlined(cr, Hex(0xC98A4B), 3);
  cairo_move_to(cr, 46, 114);
  cairo_line_to(cr, 74, 114);
  Stroke(cr, Darker(Hex(0xC98A4B), 0.3), 2);
}

void Rocket(cairo_t* cr) {
  cairo_move_to(cr, 44, 104);  // flame
  cairo_curve_to(cr, 40, 120, 50, 128, 56, 138);
  cairo_curve_to(cr, 62, 128, 72, 120, 68, 104);
  cairo_close_path(cr);
  Outlined(cr, Orange(), 3);
  cairo_move_to(cr, 50, 106);
  cairo_curve_to(cr, 50, 116, 56, 122, 56, 126);
  cairo_curve_to(cr, 58, 120, 62, 116, 62, 106);
  Fill(cr, Sun());
  for (int s : {-1, 1}) {  // fins
    cairo_move_to(cr, 56 + s * 18, 70);
    cairo_line_to(cr, 56 + s * 34, 100);
    cairo_line_to(cr, 56 + s * 32, 110);
    cairo_line_to(cr, 56 + s * 14, 102);
    cairo_close_path(cr);
    Outlined(cr, Cherry(), 3);
  }
  cairo_move_to(cr, 56, 6);
  cairo_curve_to(cr, 80, 24, 80, 80, 72, 106);
  cairo_line_to(cr, 40, 106);
  cairo_curve_to(cr, 32, 80, 32, 24, 56, 6);
  cairo_close_path(cr);
  Outlined(cr, Hex(0xFFFFFF));
  cairo_move_to(cr, 56, 6);
  cairo_curve_to(cr, 64, 12, 68, 18, 71, 26);
  cairo_line_to(cr, 41, 26);
  cairo_curve_to(cr, 44, 18, 48, 12, 56, 6);
  cairo_close_path(cr);
  Outlined(cr, Cherry(), 3);
  cairo_arc(cr, 56, 52, 11, 0, 2 * M_PI);
  Outlined(cr, Sky(), 3.5);
  Ellipse(cr, 52, 48, 4, 3);
  Fill(cr, Hex(0xFFFFFF), 0.7);
}

void Airship(cairo_t* cr) {
  Col body = Hex(0xA7D8F0);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 28, 46 + s * 10);
    cairo_line_to(cr, 8, 46 + s * 30);
    cairo_line_to(cr, 20, 46 + s * 30);
    cairo_line_to(cr, 40, 46 + s * 12);
    Outlined(cr, Cherry(), 3);
  }
  Ellipse(cr, 80, 46, 68, 28);
  Outlined(cr, body);
  for (double y : {34.0, 58.0}) {
    cairo_move_to(cr, 24, y + (y < 46 ? 6 : -6));
    cairo_curve_to(cr, 60, y + (y < 46 ? -6 : 6), 110, y + (y < 46 ? -6 : 6), 140, y + (y < 46 ? 4 : -4));
  }
  Stroke(cr, Darker(body, 0.2), 2.5);
  Ellipse(cr, 60, 40, 18, 5);
  Fill(cr, Hex(0xFFFFFF), 0.6);
  RoundRect(cr, 64, 76, 36, 14, 5);
  Outlined(cr, Sun(), 3);
  Windows(cr, 72, 83, 3, 10, 2.6);
  CentredText(cr, "HELLO", 86, 47, 13, Darker(body, 0.55));
}

void PaperPlane(cairo_t* cr) {
  cairo_move_to(cr, 6, 52);
  cairo_line_to(cr, 134, 10);
  cairo_line_to(cr, 56, 64);
  cairo_close_path(cr);
  Outlined(cr, Hex(0xFFFFFF));
  cairo_move_to(cr, 56, 64);
  cairo_line_to(cr, 134, 10);
  cairo_line_to(cr, 70, 90);
  cairo_line_to(cr, 58, 74);
  cairo_close_path(cr);
  Outlined(cr, Hex(0xDDEBFA));
  cairo_move_to(cr, 6, 70);  // a swoosh behind it
  cairo_curve_to(cr, 20, 88, 40, 92, 56, 90);
  Stroke(cr, Sky(), 3);
  cairo_move_to(cr, 14, 86);
  cairo_curve_to(cr, 24, 96, 36, 98, 46, 98);
  Stroke(cr, Sky(), 2);
}

void Kite(cairo_t* cr) {
  cairo_move_to(cr, 52, 56);  // the tail with its bows
  cairo_curve_to(cr, 40, 80, 70, 90, 54, 124);
  Stroke(cr, Ink(), 2);
  for (int i = 0; i < 3; ++i) {
    double x = 50 + (i == 1 ? 8 : 0), y = 80 + i * 15;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - 8, y - 5);
    cairo_line_to(cr, x - 8, y + 5);
    cairo_close_path(cr);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 8, y - 5);
    cairo_line_to(cr, x + 8, y + 5);
    cairo_close_path(cr);
    Outlined(cr, i % 2 ? Sun() : Cherry(), 2);
  }
  const Col quarters[] = {Cherry(), Sky(), Sun(), Leaf()};
  const double px[] = {56, 96, 56, 16}, py[] = {4, 34, 60, 34};
  for (int q = 0; q < 4; ++q) {
    cairo_move_to(cr, 56, 34);
    cairo_line_to(cr, px[q], py[q]);
    cairo_line_to(cr, px[(q + 1) % 4], py[(q + 1) % 4]);
    cairo_close_path(cr);
    Fill(cr, quarters[q]);
  }
  cairo_move_to(cr, 56, 4);
  cairo_line_to(cr, 96, 34);
  cairo_line_to(cr, 56, 60);
  cairo_line_to(cr, 16, 34);
  cairo_close_path(cr);
  cairo_move_to(cr, 56, 4);
  cairo_line_to(cr, 56, 60);
  cairo_move_to(cr, 16, 34);
  cairo_line_to(cr, 96, 34);
  Stroke(cr, Ink(), 3.5);
  Eye(cr, 48, 28, 2.8);
  Eye(cr, 64, 28, 2.8);
  Smile(cr, 56, 40, 12, 3);
}

void Saucer(cairo_t* cr) {
  cairo_arc(cr, 70, 40, 26, M_PI, 2 * M_PI);  // the dome with its pilot
  cairo_close_path(cr);
  Outlined(cr, Hex(0xD6F2FF));
  cairo_arc(cr, 70, 34, 11, 0, 2 * M_PI);
  Outlined(cr, Leaf(), 3);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 70 + s * 5, 24);
    cairo_line_to(cr, 70 + s * 9, 14);
    Stroke(cr, Ink(), 2);
    Dot(cr, 70 + s * 9, 14, 2.5, Sun());
  }
  Eye(cr, 66, 33, 2.4);
  Eye(cr, 74, 33, 2.4);
  Smile(cr, 70, 38, 7, 2, 2);
  Ellipse(cr, 70, 48, 62, 16);
  Outlined(cr, Hex(0xB9C3D0));
  Ellipse(cr, 70, 44, 50, 6);
  Fill(cr, Hex(0xFFFFFF), 0.45);
  for (int i = 0; i < 5; ++i) {
    cairo_arc(cr, 30 + i * 20, 52, 4, 0, 2 * M_PI);
    Outlined(cr, i % 2 ? Sun() : Cherry(), 2);
  }
  cairo_move_to(cr, 50, 64);  // a soft beam below
  cairo_line_to(cr, 90, 64);
  cairo_line_to(cr, 104, 92);
  cairo_line_to(cr, 36, 92);
  cairo_close_path(cr);
  Fill(cr, Hex(0xFFF27A), 0.45);
}

}  // namespace

StickerSet PlaneStickers() {
  return {"PLANECONTENT", "plane",
          {{156, 100, Airliner}, {132, 90, PropPlane}, {130, 92, Biplane}, {146, 96, Helicopter}, {120, 130, Balloon},
           {112, 142, Rocket}, {152, 96, Airship}, {140, 104, PaperPlane}, {104, 128, Kite}, {140, 96, Saucer}}};
}

}  // namespace art
