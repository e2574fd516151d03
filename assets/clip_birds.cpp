// Bird stickers: a robin, an owl, a parrot, a penguin, a duck, a chick, a flamingo, a toucan, a
// swan and a hen, most of them facing right.
#include <cmath>

#include "assets/clip_art.h"
#include "assets/theme.h"

namespace art {

namespace {

const Col kLegs = Hex(0xF2A03D);

void Feet(cairo_t* cr, double x, double top, double y, double spread) {
  for (double dx : {-spread, spread}) {
    cairo_move_to(cr, x + dx, top);
    cairo_line_to(cr, x + dx, y);
    cairo_move_to(cr, x + dx - 6, y);
    cairo_line_to(cr, x + dx + 7, y);
  }
  Stroke(cr, Ink(), 6);
  for (double dx : {-spread, spread}) {
    cairo_move_to(cr, x + dx, top);
    cairo_line_to(cr, x + dx, y);
    cairo_move_to(cr, x + dx - 6, y);
    cairo_line_to(cr, x + dx + 7, y);
  }
  Stroke(cr, kLegs, 2.5);
}

void Beak(cairo_t* cr, double x, double y, double len, double h, Col c) {
  cairo_move_to(cr, x, y - h);
  cairo_line_to(cr, x + len, y);
  cairo_line_to(cr, x, y + h);
  cairo_close_path(cr);
  Outlined(cr, c, 3);
}

void Wing(cairo_t* cr, double x, double y, double w, double h, Col c) {
  cairo_move_to(cr, x + w, y);
  cairo_curve_to(cr, x + w * 0.6, y - h, x - w * 0.4, y - h * 0.6, x - w, y + h * 0.3);
  cairo_curve_to(cr, x - w * 0.2, y + h * 0.6, x + w * 0.5, y + h * 0.6, x + w, y);
  cairo_close_path(cr);
  Outlined(cr, c, 3);
}

// A round songbird: body, head, belly, wing, tail, beak and legs.
void Songbird(cairo_t* cr, Col body, Col belly, Col wing) {
  Feet(cr, 56, 96, 114, 7);
  cairo_move_to(cr, 22, 78);  // tail
  cairo_line_to(cr, 4, 66);
  cairo_line_to(cr, 6, 88);
  cairo_close_path(cr);
  Outlined(cr, wing, 3);
  Merged(cr, {{[](cairo_t* cr) { Ellipse(cr, 56, 74, 36, 28); }, body},
              {[](cairo_t* cr) { cairo_arc(cr, 80, 44, 22, 0, 2 * M_PI); }, body}});
  Ellipse(cr, 70, 80, 20, 17);
  Fill(cr, belly);
  Wing(cr, 46, 74, 20, 14, wing);
  Beak(cr, 98, 46, 16, 6, Orange());
  Eye(cr, 86, 40, 4);
  Cheek(cr, 82, 52, 4);
}

void Robin(cairo_t* cr) { Songbird(cr, Hex(0x9A6B4A), Hex(0xF2734A), Hex(0x7A4B2A)); }

void Owl(cairo_t* cr) {
  Col body = Hex(0xA87A52);
  cairo_move_to(cr, 4, 124);  // the branch it sits on
  cairo_line_to(cr, 116, 124);
  Stroke(cr, Ink(), 13);
  cairo_move_to(cr, 4, 124);
  cairo_line_to(cr, 116, 124);
  Stroke(cr, Hex(0x7A4B2A), 7);
  Merged(cr, {{[](cairo_t* cr) {
                 cairo_move_to(cr, 26, 30);
                 cairo_line_to(cr, 30, 8);
                 cairo_line_to(cr, 46, 22);
                 cairo_curve_to(cr, 54, 20, 66, 20, 74, 22);
                 cairo_line_to(cr, 90, 8);
                 cairo_line_to(cr, 94, 30);
                 cairo_curve_to(cr, 106, 60, 104, 112, 60, 120);
                 cairo_curve_to(cr, 16, 112, 14, 60, 26, 30);
                 cairo_close_path(cr);
               },
               body}});
  Ellipse(cr, 60, 90, 26, 26);
  Fill(cr, Hex(0xF3DDB8));
  for (int i = 0; i < 3; ++i)
    for (int k = 0; k < 3 - (i % 2); ++k) {
      double x = 48 + k * 12 + (i % 2) * 6, y = 80 + i * 10;
      cairo_move_to(cr, x - 4, y);
      cairo_curve_to(cr, x - 2, y + 4, x + 2, y + 4, x + 4, y);
    }
  Stroke(cr, Hex(0xC9A27A), 2);
  for (int s : {-1, 1}) {
    cairo_arc(cr, 60 + s * 17, 46, 15, 0, 2 * M_PI);
    Outlined(cr, Hex(0xFFFFFF), 3);
    Eye(cr, 60 + s * 15, 47, 7);
    Wing(cr, 60 + s * 34, 86, 8, 20, Darker(body, 0.15));
  }
  cairo_move_to(cr, 55, 58);
  cairo_line_to(cr, 65, 58);
  cairo_line_to(cr, 60, 70);
  cairo_close_path(cr);
  Outlined(cr, Orange(), 2.5);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 60 + s * 12, 118);
    cairo_line_to(cr, 60 + s * 12, 126);
  }
  Stroke(cr, kLegs, 5);
}

void Parrot(cairo_t* cr) {
  cairo_move_to(cr, 40, 92);  // long tail
  cairo_curve_to(cr, 30, 120, 26, 136, 22, 148);
  cairo_line_to(cr, 40, 146);
  cairo_curve_to(cr, 44, 130, 50, 110, 56, 96);
  cairo_close_path(cr);
  Outlined(cr, Sky(), 3);
  cairo_move_to(cr, 8, 104);  // perch
  cairo_line_to(cr, 104, 104);
  Stroke(cr, Ink(), 12);
  cairo_move_to(cr, 8, 104);
  cairo_line_to(cr, 104, 104);
  Stroke(cr, Hex(0x8B5A2B), 6);
  Merged(cr, {{[](cairo_t* cr) { Ellipse(cr, 56, 70, 24, 34); }, Cherry()},
              {[](cairo_t* cr) { cairo_arc(cr, 64, 30, 20, 0, 2 * M_PI); }, Cherry()}});
  Wing(cr, 46, 76, 16, 22, Hex(0x4DB35E));
  Ellipse(cr, 44, 86, 10, 8);
  Fill(cr, Sun());
  cairo_move_to(cr, 78, 22);  // the hooked beak
  cairo_curve_to(cr, 96, 20, 98, 40, 86, 46);
  cairo_curve_to(cr, 86, 38, 82, 34, 76, 36);
  cairo_close_path(cr);
  Outlined(cr, Hex(0xF3E2B8), 3);
  cairo_arc(cr, 70, 26, 7, 0, 2 * M_PI);
  Outlined(cr, Hex(0xFFFFFF), 2.5);
  Eye(cr, 71, 26, 3.5);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 54 + s * 6, 100);
    cairo_line_to(cr, 54 + s * 6, 108);
  }
  Stroke(cr, Hex(0x8A8A9A), 5);
}

void Penguin(cairo_t* cr) {
  Col coat = Hex(0x34405A);
  for (int s : {-1, 1}) {
    Ellipse(cr, 56 + s * 12, 134, 12, 6);
    Outlined(cr, kLegs, 3);
  }
  Merged(cr, {{[](cairo_t* cr) { Ellipse(cr, 56, 82, 38, 52); }, coat},
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 22, 74);
                 cairo_line_to(cr, 11, 102);
                 cairo_move_to(cr, 90, 74);
                 cairo_line_to(cr, 101, 102);
               },
               coat, 12}});
  cairo_move_to(cr, 56, 44);  // the white front and face
  cairo_curve_to(cr, 30, 40, 24, 60, 36, 72);
  cairo_curve_to(cr, 22, 100, 32, 130, 56, 130);
  cairo_curve_to(cr, 80, 130, 90, 100, 76, 72);
  cairo_curve_to(cr, 88, 60, 82, 40, 56, 44);
  cairo_close_path(cr);
  Fill(cr, Hex(0xFFFFFF));
  Eye(cr, 46, 56, 4);
  Eye(cr, 66, 56, 4);
  Cheek(cr, 38, 68, 4.5);
  Cheek(cr, 74, 68, 4.5);
  cairo_move_to(cr, 49, 64);
  cairo_line_to(cr, 63, 64);
  cairo_line_to(cr, 56, 74);
  cairo_close_path(cr);
  Outlined(cr, kLegs, 2.5);
  cairo_move_to(cr, 36, 84);  // a scarf
  cairo_curve_to(cr, 46, 92, 66, 92, 76, 84);
  Stroke(cr, Cherry(), 6);
}

void Duck(cairo_t* cr) {
  Col body = Hex(0xFFD84A);
  Merged(cr, {{[](cairo_t* cr) {
                 cairo_move_to(cr, 8, 66);
                 cairo_curve_to(cr, 16, 72, 26, 66, 34, 62);
                 cairo_curve_to(cr, 60, 58, 70, 60, 76, 66);
                 cairo_curve_to(cr, 100, 60, 112, 78, 104, 94);
                 cairo_curve_to(cr, 96, 112, 40, 116, 22, 98);
                 cairo_curve_to(cr, 12, 90, 8, 78, 8, 66);
                 cairo_close_path(cr);
               },
               body},
              {[](cairo_t* cr) { cairo_arc(cr, 82, 40, 22, 0, 2 * M_PI); }, body}});
  Wing(cr, 52, 84, 24, 14, Hex(0xF6C431));
  cairo_move_to(cr, 98, 42);  // the flat bill
  cairo_curve_to(cr, 112, 38, 124, 42, 124, 48);
  cairo_curve_to(cr, 118, 54, 106, 54, 98, 52);
  cairo_close_path(cr);
  Outlined(cr, Orange(), 3);
  Eye(cr, 88, 34, 4);
  Cheek(cr, 84, 48, 4);
  cairo_move_to(cr, 2, 116);  // a ripple of water
  cairo_curve_to(cr, 20, 108, 30, 124, 48, 116);
  cairo_curve_to(cr, 66, 108, 76, 124, 94, 116);
  cairo_curve_to(cr, 106, 110, 114, 118, 124, 114);
  Stroke(cr, Sky(), 3.5);
}

void Chick(cairo_t* cr) {
  Feet(cr, 52, 92, 108, 9);
  Merged(cr, {{[](cairo_t* cr) { Ellipse(cr, 52, 70, 38, 34); }, Hex(0xFFE45C)},
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 48, 38);
                 cairo_curve_to(cr, 44, 24, 54, 20, 56, 30);
                 cairo_curve_to(cr, 58, 22, 66, 24, 60, 38);
               },
               Hex(0xFFE45C)}});
  Wing(cr, 30, 74, 12, 10, Hex(0xFFD12E));
  Wing(cr, 74, 74, 12, 10, Hex(0xFFD12E));
  Eye(cr, 40, 58, 4);
  Eye(cr, 64, 58, 4);
  Cheek(cr, 32, 70, 4.5);
  Cheek(cr, 72, 70, 4.5);
  cairo_move_to(cr, 46, 66);
  cairo_line_to(cr, 58, 66);
  cairo_line_to(cr, 52, 74);
  cairo_close_path(cr);
  Outlined(cr, Orange(), 2.5);
}

void Flamingo(cairo_t* cr) {
  Col pink = Hex(0xFF8FB8);
  cairo_move_to(cr, 54, 96);  // one leg straight, one bent
  cairo_line_to(cr, 54, 150);
  cairo_move_to(cr, 60, 96);
  cairo_line_to(cr, 72, 118);
  cairo_line_to(cr, 56, 120);
  Stroke(cr, Ink(), 7);
  cairo_move_to(cr, 54, 96);
  cairo_line_to(cr, 54, 150);
  cairo_move_to(cr, 60, 96);
  cairo_line_to(cr, 72, 118);
  cairo_line_to(cr, 56, 120);
  Stroke(cr, pink, 3);
  Merged(cr, {{[](cairo_t* cr) {
                 cairo_move_to(cr, 74, 76);
                 cairo_curve_to(cr, 92, 60, 70, 46, 74, 30);
                 cairo_curve_to(cr, 76, 20, 84, 16, 90, 18);
               },
               pink, 9},
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 20, 66);
                 cairo_curve_to(cr, 40, 60, 70, 62, 80, 76);
                 cairo_curve_to(cr, 82, 96, 50, 104, 34, 92);
                 cairo_curve_to(cr, 24, 86, 18, 76, 20, 66);
                 cairo_close_path(cr);
               },
               pink},
              {[](cairo_t* cr) { cairo_arc(cr, 92, 20, 11, 0, 2 * M_PI); }, pink}});
  Wing(cr, 48, 78, 20, 10, Hex(0xFF6FA0));
  cairo_move_to(cr, 100, 16);  // the bent beak with its dark tip
  cairo_line_to(cr, 114, 22);
  cairo_line_to(cr, 110, 34);
  cairo_line_to(cr, 100, 26);
  cairo_close_path(cr);
  Outlined(cr, Hex(0xFFF1D0), 2.5);
  cairo_move_to(cr, 113, 26);
  cairo_line_to(cr, 110, 34);
  Stroke(cr, Ink(), 3);
  Eye(cr, 92, 18, 2.8);
}

void Toucan(cairo_t* cr) {
  Col black = Hex(0x2E2E3A);
  cairo_move_to(cr, 6, 116);
  cairo_line_to(cr, 110, 116);
  Stroke(cr, Ink(), 12);
  cairo_move_to(cr, 6, 116);
  cairo_line_to(cr, 110, 116);
  Stroke(cr, Hex(0x8B5A2B), 6);
  cairo_move_to(cr, 30, 96);
  cairo_line_to(cr, 18, 136);
  cairo_line_to(cr, 34, 134);
  cairo_close_path(cr);
  Outlined(cr, black, 3);
  Merged(cr, {{[](cairo_t* cr) { Ellipse(cr, 40, 76, 24, 36); }, black},
              {[](cairo_t* cr) { cairo_arc(cr, 48, 40, 18, 0, 2 * M_PI); }, black}});
  Ellipse(cr, 50, 56, 14, 16);
  Fill(cr, Hex(0xFFF1D0));
  cairo_move_to(cr, 60, 28);  // the big bright beak
  cairo_curve_to(cr, 86, 20, 110, 28, 114, 44);
  cairo_curve_to(cr, 100, 52, 80, 54, 62, 50);
  cairo_close_path(cr);
  Outlined(cr, Orange());
  cairo_move_to(cr, 62, 41);
  cairo_curve_to(cr, 80, 40, 100, 40, 113, 44);
  Stroke(cr, Ink(), 2.5);
  cairo_move_to(cr, 106, 30);
  cairo_curve_to(cr, 110, 34, 114, 40, 114, 44);
  cairo_curve_to(cr, 110, 46, 106, 46, 104, 46);
  cairo_close_path(cr);
  Fill(cr, Cherry());
  cairo_arc(cr, 52, 36, 7, 0, 2 * M_PI);
  Outlined(cr, Hex(0x7FD3C8), 2.5);
  Eye(cr, 53, 36, 3.2);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 42 + s * 6, 108);
    cairo_line_to(cr, 42 + s * 6, 118);
  }
  Stroke(cr, Hex(0x7A8AA0), 5);
}

void Swan(cairo_t* cr) {
  Col white = Hex(0xFFFFFF);
  Merged(cr, {{[](cairo_t* cr) {
                 cairo_move_to(cr, 76, 82);
                 cairo_curve_to(cr, 90, 60, 64, 48, 70, 28);
                 cairo_curve_to(cr, 74, 16, 86, 14, 92, 20);
               },
               white, 11},
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 6, 62);
                 cairo_curve_to(cr, 20, 76, 40, 70, 60, 76);
                 cairo_curve_to(cr, 80, 80, 96, 80, 98, 92);
                 cairo_curve_to(cr, 96, 108, 40, 112, 22, 98);
                 cairo_curve_to(cr, 12, 90, 6, 76, 6, 62);
                 cairo_close_path(cr);
               },
               white},
              {[](cairo_t* cr) { cairo_arc(cr, 90, 22, 11, 0, 2 * M_PI); }, white}});
  Wing(cr, 46, 86, 26, 16, Hex(0xEAF2F8));
  cairo_move_to(cr, 98, 18);
  cairo_line_to(cr, 114, 26);
  cairo_line_to(cr, 98, 30);
  cairo_close_path(cr);
  Outlined(cr, Orange(), 2.5);
  Dot(cr, 98, 24, 3.5, Ink());
  Eye(cr, 90, 20, 2.8);
  cairo_move_to(cr, 2, 112);
  cairo_curve_to(cr, 20, 104, 30, 120, 48, 112);
  cairo_curve_to(cr, 66, 104, 76, 120, 94, 112);
  cairo_curve_to(cr, 104, 108, 110, 114, 116, 110);
  Stroke(cr, Sky(), 3.5);
}

void Hen(cairo_t* cr) {
  Col body = Hex(0xF3E2C8);
  Feet(cr, 60, 100, 122, 9);
  cairo_move_to(cr, 24, 70);  // tail feathers
  cairo_curve_to(cr, 6, 50, 10, 26, 18, 24);
  cairo_curve_to(cr, 22, 40, 30, 50, 40, 58);
  cairo_close_path(cr);
  Outlined(cr, Hex(0xB5523B), 3);
  Merged(cr, {{[](cairo_t* cr) { Ellipse(cr, 58, 78, 38, 28); }, body},
              {[](cairo_t* cr) { cairo_arc(cr, 86, 42, 20, 0, 2 * M_PI); }, body}});
  for (int i = 0; i < 3; ++i) {  // the comb
    cairo_new_sub_path(cr);
    cairo_arc(cr, 78 + i * 8, 22 - (i == 1 ? 2 : 0), 6, 0, 2 * M_PI);
  }
  Outlined(cr, Cherry(), 2.5);
  Ellipse(cr, 100, 56, 4, 7);  // the wattle
  Outlined(cr, Cherry(), 2.5);
  Beak(cr, 104, 44, 12, 5, Orange());
  Wing(cr, 54, 80, 22, 14, Hex(0xE3C9A6));
  Eye(cr, 92, 38, 3.5);
}

}  // namespace

StickerSet BirdStickers() {
  return {"BIRDCONTENT", "bird",
          {{118, 120, Robin}, {120, 132, Owl}, {110, 150, Parrot}, {112, 142, Penguin}, {128, 122, Duck},
           {104, 114, Chick}, {120, 154, Flamingo}, {120, 140, Toucan}, {120, 118, Swan}, {120, 128, Hen}}};
}

}  // namespace art
