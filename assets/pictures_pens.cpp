// Pictures of the pen-like tools: brush, pencil, marker, crayon, chalk, dropper and wand.
#include <cmath>
#include <tuple>

#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

void OutlineFill(cairo_t* cr, Col fill, double width) {
  SetSource(cr, fill);
  cairo_fill_preserve(cr);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void AlongFromTip(cairo_t* cr, double tipX, double tipY, double degrees) {
  cairo_translate(cr, tipX, tipY);
  cairo_rotate(cr, -degrees * M_PI / 180.0);
}

void Shine(cairo_t* cr, double x0, double y0, double x1, double y1, double width, double alpha) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_source_rgba(cr, 1, 1, 1, alpha);
  cairo_stroke(cr);
}

// A body section along the axis, from t0 to t1 with half-widths w0 and w1.
static void Section(cairo_t* cr, double t0, double t1, double w0, double w1) {
  cairo_move_to(cr, t0, -w0);
  cairo_line_to(cr, t1, -w1);
  cairo_line_to(cr, t1, w1);
  cairo_line_to(cr, t0, w0);
  cairo_close_path(cr);
}

static void Brush(cairo_t* cr, Col paint) {
  AlongFromTip(cr, 9, 91, 45);
  // handle with a rounded end
  cairo_move_to(cr, 44, -6.5);
  cairo_line_to(cr, 104, -4.5);
  cairo_arc(cr, 104, 0, 4.5, -M_PI / 2, M_PI / 2);
  cairo_line_to(cr, 44, 6.5);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xD9443A));
  Shine(cr, 50, -3, 100, -2, 2.2, 0.5);
  // ferrule
  Section(cr, 28, 46, 8, 7);
  OutlineFill(cr, Hex(0xC9CED6));
  for (double t : {33.0, 40.0}) {
    cairo_move_to(cr, t, -7.5);
    cairo_line_to(cr, t, 7.5);
  }
  SetSource(cr, Hex(0x8A939E));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // bristles dipped in paint
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, 6, -4, 14, -10, 29, -8.5);
  cairo_line_to(cr, 29, 8.5);
  cairo_curve_to(cr, 14, 10, 6, 4, 0, 0);
  OutlineFill(cr, Hex(0xE8C98F));
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, 5, -3.5, 10, -7.5, 17, -7.5);
  cairo_line_to(cr, 17, 7.5);
  cairo_curve_to(cr, 10, 7.5, 5, 3.5, 0, 0);
  OutlineFill(cr, paint, 2.5);
}

static void Pencil(cairo_t* cr, Col paint) {
  AlongFromTip(cr, 8, 92, 45);
  Section(cr, 22, 92, 9, 9);
  OutlineFill(cr, Hex(0xFFC83D));
  cairo_rectangle(cr, 22, -3, 70, 6);
  SetSource(cr, Hex(0xF2A91C));
  cairo_fill(cr);
  Shine(cr, 26, -6, 88, -6, 2, 0.55);
  // wood cone and lead
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 22, -9);
  cairo_line_to(cr, 22, 9);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xF5D7A8));
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 8, -3.3);
  cairo_line_to(cr, 8, 3.3);
  cairo_close_path(cr);
  OutlineFill(cr, paint, 2);
  // band and rubber
  Section(cr, 92, 101, 9.5, 9.5);
  OutlineFill(cr, Hex(0xB8BEC7));
  cairo_move_to(cr, 101, -9);
  cairo_line_to(cr, 108, -9);
  cairo_arc(cr, 108, 0, 9, -M_PI / 2, M_PI / 2);
  cairo_line_to(cr, 101, 9);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xF59BB0));
}

static void Marker(cairo_t* cr, Col paint) {
  AlongFromTip(cr, 9, 91, 45);
  // felt tip and collar
  cairo_move_to(cr, 0, -2);
  cairo_curve_to(cr, 3, -5, 8, -5, 11, -5);
  cairo_line_to(cr, 11, 5);
  cairo_curve_to(cr, 8, 5, 3, 5, 0, 2);
  cairo_close_path(cr);
  OutlineFill(cr, paint, 2.5);
  Section(cr, 11, 22, 7, 11);
  OutlineFill(cr, Hex(0xE9ECF0));
  // barrel with a label and a coloured cap end
  RoundRect(cr, 22, -12, 70, 24, 4);
  OutlineFill(cr, Hex(0xF5F6F8));
  cairo_rectangle(cr, 40, -12, 30, 24);
  SetSource(cr, paint);
  cairo_fill(cr);
  RoundRect(cr, 22, -12, 70, 24, 4);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  RoundRect(cr, 92, -13, 16, 26, 6);
  OutlineFill(cr, paint);
  Shine(cr, 26, -7, 88, -7, 2.4, 0.6);
}

static void Crayon(cairo_t* cr, Col paint) {
  AlongFromTip(cr, 10, 90, 45);
  cairo_move_to(cr, 0, -3);
  cairo_line_to(cr, 16, -10);
  cairo_line_to(cr, 16, 10);
  cairo_line_to(cr, 0, 3);
  cairo_close_path(cr);
  OutlineFill(cr, paint);
  RoundRect(cr, 16, -10, 90, 20, 3);
  OutlineFill(cr, paint);
  // paper wrapper with wavy edges
  cairo_rectangle(cr, 30, -10, 62, 20);
  SetSource(cr, Darker(paint, 0.25));
  cairo_fill(cr);
  cairo_set_line_width(cr, 2);
  SetSource(cr, Lighter(paint, 0.55));
  for (double t : {36.0, 86.0}) {
    cairo_move_to(cr, t, -10);
    for (int i = 1; i <= 4; ++i) cairo_line_to(cr, t + (i % 2 ? 3 : 0), -10 + i * 5);
  }
  cairo_stroke(cr);
  RoundRect(cr, 16, -10, 90, 20, 3);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  Shine(cr, 20, -5, 100, -5, 2.2, 0.45);
}

static void Chalk(cairo_t* cr, Col paint) {
  // a little dust where it touches the board
  for (int i = 0; i < 7; ++i) {
    double a = i * 0.9, d = 5 + (i % 3) * 4;
    cairo_arc(cr, 12 + d * std::cos(a), 88 - d * std::sin(a) * 0.6, 1.8, 0, 2 * M_PI);
  }
  SetSource(cr, Lighter(paint, 0.4), 0.9);
  cairo_fill(cr);
  AlongFromTip(cr, 10, 90, 40);
  cairo_move_to(cr, 0, -4);
  cairo_curve_to(cr, 2, -9, 6, -10, 12, -10);
  cairo_line_to(cr, 76, -10);
  cairo_arc(cr, 76, 0, 10, -M_PI / 2, M_PI / 2);
  cairo_line_to(cr, 12, 10);
  cairo_curve_to(cr, 4, 10, 0, 6, 0, 4);
  cairo_close_path(cr);
  OutlineFill(cr, paint);
  cairo_arc(cr, 76, 0, 7, -M_PI / 2, M_PI / 2);
  SetSource(cr, Lighter(paint, 0.5));
  cairo_fill(cr);
  Shine(cr, 10, -5, 72, -5, 2.5, 0.6);
}

static void Dropper(cairo_t* cr, Col paint) {
  AlongFromTip(cr, 8, 92, 45);
  // glass tube holding some of the picked colour
  cairo_move_to(cr, 0, -1.5);
  cairo_line_to(cr, 18, -6);
  cairo_line_to(cr, 62, -6);
  cairo_line_to(cr, 62, 6);
  cairo_line_to(cr, 18, 6);
  cairo_line_to(cr, 0, 1.5);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xE3F2FB));
  cairo_move_to(cr, 1, -1);
  cairo_line_to(cr, 18, -5);
  cairo_line_to(cr, 38, -5);
  cairo_line_to(cr, 38, 5);
  cairo_line_to(cr, 18, 5);
  cairo_line_to(cr, 1, 1);
  cairo_close_path(cr);
  SetSource(cr, paint);
  cairo_fill(cr);
  Shine(cr, 20, -3, 58, -3, 1.8, 0.8);
  // collar and rubber bulb
  Section(cr, 62, 70, 9, 9);
  OutlineFill(cr, Hex(0x8A939E));
  cairo_move_to(cr, 70, -8);
  cairo_curve_to(cr, 85, -15, 108, -15, 108, 0);
  cairo_curve_to(cr, 108, 15, 85, 15, 70, 8);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xE8474C));
  Shine(cr, 78, -7, 98, -8, 3, 0.45);
}

static void Wand(cairo_t* cr, Col paint) {
  cairo_save(cr);
  AlongFromTip(cr, 24, 76, 45);
  RoundRect(cr, 8, -5, 88, 10, 5);
  OutlineFill(cr, Hex(0x34344A));
  RoundRect(cr, 78, -5, 18, 10, 5);
  OutlineFill(cr, Hex(0xFFFFFF));
  cairo_restore(cr);
  // the star the stamp comes out of
  StarPath(cr, 22, 78, 5, 21, 9, 0.2);
  OutlineFill(cr, paint);
  Shine(cr, 16, 72, 20, 68, 3, 0.6);
  for (auto [x, y, r] : {std::tuple{52.0, 60.0, 6.0}, {8.0, 50.0, 5.0}, {46.0, 94.0, 4.5}}) {
    StarPath(cr, x, y, 4, r, r * 0.35, 0);
    SetSource(cr, Sun());
    cairo_fill(cr);
  }
}

void DrawPen(cairo_t* cr, Pic pic, Col paint) {
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (pic) {
    case Pic::Brush: Brush(cr, paint); break;
    case Pic::Pencil: Pencil(cr, paint); break;
    case Pic::Marker: Marker(cr, paint); break;
    case Pic::Crayon: Crayon(cr, paint); break;
    case Pic::Chalk: Chalk(cr, paint); break;
    case Pic::Dropper: Dropper(cr, paint); break;
    default: Wand(cr, paint); break;
  }
}

void DrawPic(cairo_t* cr, Pic pic, double x, double y, double size, Col paint) {
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, size / 100.0, size / 100.0);
  switch (pic) {
    case Pic::Brush: case Pic::Pencil: case Pic::Marker: case Pic::Crayon: case Pic::Chalk:
    case Pic::Dropper: case Pic::Wand:
      DrawPen(cr, pic, paint);
      break;
    default:
      DrawGear(cr, pic, paint);
      break;
  }
  cairo_new_path(cr);
  cairo_restore(cr);
}

}  // namespace art
