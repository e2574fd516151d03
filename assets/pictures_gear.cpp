// Pictures of the other tools and pointers: spray can, paint bucket, eraser, shapes, lasso,
// magnifying glass, typewriter, toothpaste, the two hands, the text beam and the crosshair.
#include <cmath>
#include <tuple>

#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

static void Spray(cairo_t* cr, Col paint) {
  // a mist of dots in front of the nozzle
  Rng rng(7);
  for (int i = 0; i < 26; ++i) {
    double a = rng.Range(0, 2 * M_PI), d = std::sqrt(rng.Unit()) * 15;
    cairo_arc(cr, 16 + d * std::cos(a), 28 + d * std::sin(a) * 0.9, rng.Range(1.3, 2.6), 0, 2 * M_PI);
    SetSource(cr, paint);
    cairo_fill(cr);
  }
  RoundRect(cr, 44, 36, 42, 60, 8);
  OutlineFill(cr, paint);
  cairo_rectangle(cr, 44, 52, 42, 24);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_fill(cr);
  StarPath(cr, 65, 64, 5, 9, 4, 0);
  SetSource(cr, Sun());
  cairo_fill(cr);
  RoundRect(cr, 44, 36, 42, 60, 8);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  RoundRect(cr, 50, 22, 30, 15, 4);
  OutlineFill(cr, Hex(0xC9CED6));
  RoundRect(cr, 54, 12, 16, 11, 3);
  OutlineFill(cr, Hex(0x8A939E));
  cairo_rectangle(cr, 36, 14, 18, 6);
  OutlineFill(cr, Hex(0x8A939E), 2.5);
  Shine(cr, 50, 42, 50, 90, 3, 0.5);
}

static void Bucket(cairo_t* cr, Col paint) {
  // paint pouring from the lip down to a drop at the bottom-left
  cairo_move_to(cr, 30, 40);
  cairo_curve_to(cr, 18, 52, 14, 66, 14, 80);
  cairo_line_to(cr, 22, 80);
  cairo_curve_to(cr, 22, 66, 28, 54, 40, 46);
  cairo_close_path(cr);
  OutlineFill(cr, paint, 3);
  cairo_move_to(cr, 18, 78);
  cairo_curve_to(cr, 10, 86, 10, 96, 18, 96);
  cairo_curve_to(cr, 26, 96, 26, 86, 18, 78);
  OutlineFill(cr, paint, 3);
  cairo_save(cr);
  cairo_translate(cr, 60, 50);
  cairo_rotate(cr, -0.65);
  cairo_move_to(cr, -26, -22);
  cairo_line_to(cr, 26, -22);
  cairo_line_to(cr, 20, 26);
  cairo_line_to(cr, -20, 26);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0x5DA9E9));
  cairo_save(cr);
  cairo_scale(cr, 1, 0.35);
  cairo_arc(cr, 0, -22 / 0.35, 26, 0, 2 * M_PI);
  cairo_restore(cr);
  OutlineFill(cr, paint, 3);
  cairo_arc(cr, 0, -6, 30, M_PI * 0.05, M_PI * 0.95);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  Shine(cr, -16, -12, -12, 18, 3.5, 0.5);
  cairo_restore(cr);
}

static void Eraser(cairo_t* cr, Col) {
  AlongFromTip(cr, 14, 86, 45);
  RoundRect(cr, 0, -17, 80, 34, 6);
  OutlineFill(cr, Hex(0xF48FB1));
  cairo_rectangle(cr, 38, -17, 42, 34);
  SetSource(cr, Hex(0x5C9DED));
  cairo_fill(cr);
  RoundRect(cr, 0, -17, 80, 34, 6);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  Shine(cr, 6, -11, 74, -11, 3, 0.5);
}

static void Shapes(cairo_t* cr, Col) {
  cairo_rectangle(cr, 46, 46, 44, 44);
  OutlineFill(cr, Sky());
  cairo_arc(cr, 34, 36, 24, 0, 2 * M_PI);
  OutlineFill(cr, Cherry());
  cairo_move_to(cr, 30, 92);
  cairo_line_to(cr, 52, 54);
  cairo_line_to(cr, 74, 92);
  cairo_close_path(cr);
  OutlineFill(cr, Sun());
}

static void Lasso(cairo_t* cr, Col) {
  cairo_save(cr);
  cairo_translate(cr, 60, 38);
  cairo_rotate(cr, -0.35);
  cairo_scale(cr, 1, 0.62);
  cairo_arc(cr, 0, 0, 32, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_set_line_width(cr, 11);
  SetSource(cr, Ink());
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 6.5);
  SetSource(cr, Hex(0xD9A45B));
  cairo_stroke(cr);
  cairo_move_to(cr, 38, 60);
  cairo_curve_to(cr, 30, 72, 26, 70, 22, 78);
  cairo_curve_to(cr, 18, 86, 14, 86, 10, 90);
  cairo_set_line_width(cr, 11);
  SetSource(cr, Ink());
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 6.5);
  SetSource(cr, Hex(0xD9A45B));
  cairo_stroke(cr);
  cairo_arc(cr, 39, 58, 7, 0, 2 * M_PI);
  OutlineFill(cr, Hex(0xB9823F), 3);
}

static void Magnifier(cairo_t* cr, Col) {
  cairo_save(cr);
  AlongFromTip(cr, 60, 60, -45);
  RoundRect(cr, 2, -7, 44, 14, 7);
  OutlineFill(cr, Hex(0x8E5BD0));
  cairo_restore(cr);
  cairo_arc(cr, 38, 38, 28, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 0.75, 0.9, 1.0, 1.0);
  cairo_fill_preserve(cr);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 11);
  cairo_stroke_preserve(cr);
  SetSource(cr, Hex(0xFFC93C));
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  cairo_arc(cr, 38, 38, 18, M_PI * 1.1, M_PI * 1.45);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  StarPath(cr, 38, 38, 4, 9, 3, 0);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_fill(cr);
}

static void Typewriter(cairo_t* cr, Col) {
  cairo_rectangle(cr, 30, 8, 40, 36);
  OutlineFill(cr, Hex(0xFFFFFF));
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, 37, 18 + i * 8);
    cairo_line_to(cr, 63 - i * 6, 18 + i * 8);
  }
  SetSource(cr, Hex(0x5C9DED));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  RoundRect(cr, 14, 38, 72, 16, 6);
  OutlineFill(cr, Hex(0x4F4F66));
  cairo_move_to(cr, 10, 90);
  cairo_line_to(cr, 18, 54);
  cairo_line_to(cr, 82, 54);
  cairo_line_to(cr, 90, 90);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xE8474C));
  for (int row = 0; row < 2; ++row)
    for (int k = 0; k < 5 - row; ++k) {
      cairo_arc(cr, 27 + row * 6 + k * 11.5, 64 + row * 12, 4.2, 0, 2 * M_PI);
      OutlineFill(cr, Hex(0xFFF6E2), 2);
    }
  RoundRect(cr, 34, 83, 32, 5, 2.5);
  OutlineFill(cr, Hex(0xFFF6E2), 2);
}

static void Toothpaste(cairo_t* cr, Col paint) {
  // the squeezed stripe of paste
  cairo_move_to(cr, 8, 94);
  cairo_curve_to(cr, 6, 84, 14, 80, 22, 80);
  cairo_set_line_width(cr, 12);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetSource(cr, Ink());
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 7);
  SetSource(cr, paint);
  cairo_stroke(cr);
  AlongFromTip(cr, 22, 78, 45);
  RoundRect(cr, 0, -7, 12, 14, 3);
  OutlineFill(cr, Hex(0xFFFFFF));
  cairo_move_to(cr, 12, -11);
  cairo_line_to(cr, 84, -19);
  cairo_line_to(cr, 88, -19);
  cairo_line_to(cr, 88, 19);
  cairo_line_to(cr, 84, 19);
  cairo_line_to(cr, 12, 11);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xF4F7FB));
  cairo_rectangle(cr, 34, -8, 32, 16);
  SetSource(cr, paint);
  cairo_fill(cr);
  Shine(cr, 20, -7, 80, -13, 2.5, 0.7);
}

static void Finger(cairo_t* cr, double x, double y0, double y1, double w) {
  cairo_move_to(cr, x - w / 2, y1);
  cairo_line_to(cr, x - w / 2, y0 + w / 2);
  cairo_arc(cr, x, y0 + w / 2, w / 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, x + w / 2, y1);
}

static void Hand(cairo_t* cr, bool pointing) {
  cairo_new_path(cr);
  if (pointing) {
    Finger(cr, 34, 4, 56, 14);
    cairo_close_path(cr);
  }
  RoundRect(cr, 26, 44, 52, 46, 16);
  for (int i = pointing ? 1 : 0; i < 4; ++i) {
    double x = 34 + i * 13.5, top = pointing ? 42 : (i == 1 || i == 2 ? 14 : 20);
    Finger(cr, x, top, 60, 13);
    cairo_close_path(cr);
  }
  cairo_move_to(cr, 30, 70);
  cairo_curve_to(cr, 18, 62, 8, 56, 10, 50);
  cairo_curve_to(cr, 14, 44, 24, 50, 34, 58);
  cairo_close_path(cr);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 7);
  cairo_stroke_preserve(cr);
  SetSource(cr, Hex(0xFFE2C2));
  cairo_fill(cr);
  SetSource(cr, Hex(0xE8B48E));
  cairo_set_line_width(cr, 2);
  for (int i = pointing ? 2 : 1; i < 4; ++i) {
    cairo_move_to(cr, 27 + i * 13.5, pointing ? 46 : 40);
    cairo_line_to(cr, 27 + i * 13.5, 58);
  }
  cairo_stroke(cr);
}

static void IBeam(cairo_t* cr, Col) {
  cairo_move_to(cr, 18, 6);
  cairo_curve_to(cr, 26, 6, 30, 8, 30, 14);
  cairo_line_to(cr, 30, 86);
  cairo_curve_to(cr, 30, 92, 26, 94, 18, 94);
  cairo_move_to(cr, 42, 6);
  cairo_curve_to(cr, 34, 6, 30, 8, 30, 14);
  cairo_move_to(cr, 42, 94);
  cairo_curve_to(cr, 34, 94, 30, 92, 30, 86);
  cairo_move_to(cr, 22, 50);
  cairo_line_to(cr, 38, 50);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_set_line_width(cr, 14);
  cairo_stroke_preserve(cr);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 7);
  cairo_stroke(cr);
  // a small key of the typewriter
  cairo_arc(cr, 70, 74, 18, 0, 2 * M_PI);
  OutlineFill(cr, Hex(0xE8474C));
  CentredText(cr, "A", 70, 74, 22, Hex(0xFFFFFF));
}

static void Crosshair(cairo_t* cr, Col) {
  cairo_move_to(cr, 40, 4);
  cairo_line_to(cr, 40, 76);
  cairo_move_to(cr, 4, 40);
  cairo_line_to(cr, 76, 40);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_set_line_width(cr, 12);
  cairo_stroke_preserve(cr);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_rectangle(cr, 62, 66, 30, 26);
  OutlineFill(cr, Sky(), 3);
  cairo_arc(cr, 70, 64, 13, 0, 2 * M_PI);
  OutlineFill(cr, Cherry(), 3);
}

void DrawGear(cairo_t* cr, Pic pic, Col paint) {
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (pic) {
    case Pic::Spray: Spray(cr, paint); break;
    case Pic::Bucket: Bucket(cr, paint); break;
    case Pic::Eraser: Eraser(cr, paint); break;
    case Pic::Shapes: Shapes(cr, paint); break;
    case Pic::Lasso: Lasso(cr, paint); break;
    case Pic::Magnifier: Magnifier(cr, paint); break;
    case Pic::Typewriter: Typewriter(cr, paint); break;
    case Pic::Toothpaste: Toothpaste(cr, paint); break;
    case Pic::OpenHand: Hand(cr, false); break;
    case Pic::PointHand: Hand(cr, true); break;
    case Pic::IBeam: IBeam(cr, paint); break;
    default: Crosshair(cr, paint); break;
  }
}

Pt PicTip(Pic pic) {
  switch (pic) {
    case Pic::Brush: case Pic::Marker: return {9, 91};
    case Pic::Pencil: case Pic::Dropper: return {8, 92};
    case Pic::Crayon: case Pic::Chalk: return {10, 90};
    case Pic::Wand: return {22, 78};
    case Pic::Spray: return {16, 28};
    case Pic::Bucket: return {18, 95};
    case Pic::Eraser: return {17, 83};
    case Pic::Lasso: return {10, 90};
    case Pic::Magnifier: return {38, 38};
    case Pic::Toothpaste: return {8, 94};
    case Pic::OpenHand: return {52, 60};
    case Pic::PointHand: return {34, 4};
    case Pic::IBeam: return {30, 12};
    case Pic::Crosshair: return {40, 40};
    default: return {50, 50};
  }
}

}  // namespace art
