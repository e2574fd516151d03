// Colouring pages: black outlines on white, 640 x 480. Lines are 4 pixels wide, drawn without
// anti-aliasing and every shape is closed, so the paint bucket fills one shape at a time.
#include <cmath>

#include "assets/clip_art.h"

namespace art {

namespace {

constexpr double kLine = 4;

void Ink4(cairo_t* cr) {
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, kLine);
  cairo_stroke(cr);
}

void Circle(cairo_t* cr, double x, double y, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  Ink4(cr);
}

void Box(cairo_t* cr, double x, double y, double w, double h) {
  cairo_rectangle(cr, x, y, w, h);
  Ink4(cr);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  Ink4(cr);
}

// A flower of round petals on a stem with two leaves, every part a closed shape.
void Flower(cairo_t* cr, double x, double y, double r, double ground) {
  cairo_rectangle(cr, x - 3, y + r, 6, ground - y - r);
  Ink4(cr);
  for (int s : {-1, 1}) {
    double ly = (y + ground) / 2 + s * 8;
    cairo_move_to(cr, x + s * 3, ly);
    cairo_curve_to(cr, x + s * 12, ly - 18, x + s * 30, ly - 14, x + s * 34, ly - 16);
    cairo_curve_to(cr, x + s * 30, ly, x + s * 14, ly + 6, x + s * 3, ly);
    cairo_close_path(cr);
    Ink4(cr);
  }
  for (int k = 0; k < 6; ++k) {
    double a = k * M_PI / 3;
    Circle(cr, x + r * 1.1 * std::cos(a), y + r * 1.1 * std::sin(a), r * 0.62);
  }
  cairo_arc(cr, x, y, r * 0.62, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill_preserve(cr);
  Ink4(cr);
}

void Sun(cairo_t* cr, double x, double y, double r) {
  for (int i = 0; i < 10; ++i) {
    double a = i * M_PI / 5;
    cairo_move_to(cr, x + (r + 8) * std::cos(a - 0.13), y + (r + 8) * std::sin(a - 0.13));
    cairo_line_to(cr, x + (r + 30) * std::cos(a), y + (r + 30) * std::sin(a));
    cairo_line_to(cr, x + (r + 8) * std::cos(a + 0.13), y + (r + 8) * std::sin(a + 0.13));
    cairo_close_path(cr);
    Ink4(cr);
  }
  Circle(cr, x, y, r);
}

void Cloud(cairo_t* cr, double x, double y, double w) {
  double h = w * 0.45;
  cairo_move_to(cr, x, y + h);
  cairo_curve_to(cr, x - h * 0.5, y + h, x - h * 0.4, y + h * 0.3, x + w * 0.15, y + h * 0.4);
  cairo_curve_to(cr, x + w * 0.15, y - h * 0.2, x + w * 0.55, y - h * 0.3, x + w * 0.6, y + h * 0.2);
  cairo_curve_to(cr, x + w * 0.8, y, x + w * 1.05, y + h * 0.4, x + w * 0.95, y + h * 0.7);
  cairo_curve_to(cr, x + w * 1.1, y + h, x + w, y + h * 1.1, x + w * 0.9, y + h);
  cairo_close_path(cr);
  Ink4(cr);
}

void House(cairo_t* cr) {
  Sun(cr, 560, 78, 34);
  Cloud(cr, 60, 50, 130);
  Cloud(cr, 370, 40, 90);
  Line(cr, 0, 400, 640, 400);                      // the ground
  Box(cr, 330, 150, 30, 70);                       // chimney
  cairo_move_to(cr, 150, 230);                     // roof
  cairo_line_to(cr, 290, 120);
  cairo_line_to(cr, 430, 230);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill_preserve(cr);
  Ink4(cr);
  Box(cr, 170, 230, 240, 170);                     // walls
  Circle(cr, 290, 185, 20);                        // round attic window
  cairo_move_to(cr, 265, 400);                     // door
  cairo_line_to(cr, 265, 310);
  cairo_arc(cr, 290, 310, 25, M_PI, 2 * M_PI);
  cairo_line_to(cr, 315, 400);
  Ink4(cr);
  Circle(cr, 302, 358, 4);
  for (double x : {190.0, 340.0}) {                // windows with four panes
    Box(cr, x, 260, 52, 52);
    Line(cr, x + 26, 260, x + 26, 312);
    Line(cr, x, 286, x + 52, 286);
  }
  // a tree beside the house
  Box(cr, 492, 300, 28, 100);
  cairo_move_to(cr, 506, 310);
  cairo_curve_to(cr, 420, 320, 430, 200, 490, 210);
  cairo_curve_to(cr, 480, 150, 560, 140, 560, 200);
  cairo_curve_to(cr, 620, 200, 620, 310, 506, 310);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill_preserve(cr);
  Ink4(cr);
  for (auto [x, y] : {std::pair{470.0, 250.0}, {530.0, 190.0}, {570.0, 260.0}}) Circle(cr, x, y, 10);
  Flower(cr, 70, 330, 16, 400);
  Flower(cr, 120, 350, 12, 400);
  Line(cr, 265, 400, 215, 480);                    // the path to the door
  Line(cr, 315, 400, 365, 480);
}

void FishPage(cairo_t* cr) {
  for (int k = 0; k < 4; ++k) Circle(cr, 520 + k * 12, 190 - k * 44, 8 + k * 4);  // bubbles
  cairo_move_to(cr, 0, 420);                       // the sea floor
  cairo_curve_to(cr, 160, 390, 320, 450, 640, 410);
  Ink4(cr);
  for (double x : {60.0, 560.0}) {                 // seaweed
    cairo_move_to(cr, x, 425);
    cairo_curve_to(cr, x - 30, 360, x + 30, 320, x, 250);
    cairo_curve_to(cr, x + 40, 320, x + 10, 360, x + 30, 420);
    cairo_close_path(cr);
    Ink4(cr);
  }
  cairo_move_to(cr, 150, 240);                     // tail
  cairo_line_to(cr, 60, 160);
  cairo_curve_to(cr, 80, 220, 80, 260, 60, 320);
  cairo_close_path(cr);
  Ink4(cr);
  cairo_move_to(cr, 230, 160);                     // top fin
  cairo_curve_to(cr, 260, 90, 350, 90, 380, 150);
  Ink4(cr);
  cairo_save(cr);                                  // the body
  cairo_translate(cr, 300, 240);
  cairo_scale(cr, 160, 95);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill_preserve(cr);
  Ink4(cr);
  cairo_move_to(cr, 390, 170);                     // gill
  cairo_curve_to(cr, 360, 210, 360, 270, 390, 310);
  Ink4(cr);
  for (int row = 0; row < 3; ++row)                // scales
    for (int k = 0; k < 4 - (row == 1 ? 0 : 1); ++k) {
      double x = 200 + k * 50 + (row == 1 ? -25 : 0) + 25, y = 190 + row * 45;
      cairo_arc(cr, x, y, 22, 0.15 * M_PI, 0.85 * M_PI);
      Ink4(cr);
    }
  Circle(cr, 410, 215, 22);                        // eye
  Circle(cr, 415, 215, 8);
  cairo_move_to(cr, 420, 275);                     // smile
  cairo_curve_to(cr, 430, 285, 445, 282, 452, 270);
  Ink4(cr);
  cairo_move_to(cr, 250, 290);                     // side fin
  cairo_curve_to(cr, 255, 330, 290, 350, 322, 346);
  cairo_curve_to(cr, 302, 322, 282, 302, 250, 290);
  cairo_close_path(cr);
  Ink4(cr);
  StarPath(cr, 430, 420, 5, 32, 14, 0.2);          // a starfish and a shell on the floor
  Ink4(cr);
  cairo_move_to(cr, 200, 430);
  cairo_curve_to(cr, 200, 380, 280, 380, 280, 430);
  cairo_close_path(cr);
  Ink4(cr);
  for (int k = 1; k < 4; ++k) Line(cr, 240, 428, 200 + k * 20, 392 + std::abs(k - 2) * 8);
}

void ButterflyPage(cairo_t* cr) {
  const double cx = 320, cy = 200;
  for (int s : {-1, 1}) {
    cairo_move_to(cr, cx + s * 14, cy - 10);       // upper wing
    cairo_curve_to(cr, cx + s * 60, cy - 170, cx + s * 260, cy - 180, cx + s * 230, cy - 40);
    cairo_curve_to(cr, cx + s * 220, cy + 10, cx + s * 120, cy + 20, cx + s * 14, cy + 10);
    cairo_close_path(cr);
    Ink4(cr);
    cairo_move_to(cr, cx + s * 14, cy + 20);       // lower wing
    cairo_curve_to(cr, cx + s * 150, cy + 20, cx + s * 200, cy + 130, cx + s * 140, cy + 170);
    cairo_curve_to(cr, cx + s * 90, cy + 200, cx + s * 30, cy + 120, cx + s * 14, cy + 50);
    cairo_close_path(cr);
    Ink4(cr);
    Circle(cr, cx + s * 150, cy - 80, 36);         // patterns
    Circle(cr, cx + s * 150, cy - 80, 14);
    Circle(cr, cx + s * 80, cy - 40, 16);
    Circle(cr, cx + s * 110, cy + 100, 26);
    HeartPath(cr, cx + s * 60, cy + 60, 34);
    Ink4(cr);
    cairo_move_to(cr, cx + s * 6, cy - 70);        // antennae ending in a ball
    cairo_curve_to(cr, cx + s * 10, cy - 120, cx + s * 40, cy - 150, cx + s * 60, cy - 150);
    Ink4(cr);
    Circle(cr, cx + s * 68, cy - 150, 9);
  }
  cairo_save(cr);                                  // the body and head
  cairo_translate(cr, cx, cy + 40);
  cairo_scale(cr, 16, 110);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill_preserve(cr);
  Ink4(cr);
  cairo_arc(cr, cx, cy - 70, 24, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill_preserve(cr);
  Ink4(cr);
  Circle(cr, cx - 9, cy - 74, 4);
  Circle(cr, cx + 9, cy - 74, 4);
  cairo_arc(cr, cx, cy - 66, 10, 0.2 * M_PI, 0.8 * M_PI);
  Ink4(cr);
  Line(cr, 0, 440, 640, 440);                      // grass and flowers below
  Flower(cr, 70, 380, 18, 440);
  Flower(cr, 570, 370, 20, 440);
  Flower(cr, 500, 400, 12, 440);
}

void FlowerPotPage(cairo_t* cr) {
  Sun(cr, 90, 80, 36);
  Cloud(cr, 430, 50, 140);
  Line(cr, 0, 452, 640, 452);                      // the window sill
  cairo_move_to(cr, 230, 330);                     // the pot
  cairo_line_to(cr, 410, 330);
  cairo_line_to(cr, 385, 452);
  cairo_line_to(cr, 255, 452);
  cairo_close_path(cr);
  Ink4(cr);
  Box(cr, 215, 310, 210, 28);
  HeartPath(cr, 320, 395, 50);
  Ink4(cr);
  Box(cr, 316, 170, 8, 140);                       // stem
  for (int s : {-1, 1}) {
    double ly = 255 + s * 10;
    cairo_move_to(cr, 320 + s * 4, ly);
    cairo_curve_to(cr, 320 + s * 30, ly - 50, 320 + s * 90, ly - 40, 320 + s * 110, ly - 50);
    cairo_curve_to(cr, 320 + s * 90, ly, 320 + s * 40, ly + 14, 320 + s * 4, ly);
    cairo_close_path(cr);
    Ink4(cr);
    Line(cr, 320 + s * 10, ly - 3, 320 + s * 90, ly - 38);
  }
  for (int k = 0; k < 8; ++k) {                    // petals round the face
    double a = k * M_PI / 4;
    cairo_save(cr);
    cairo_translate(cr, 320 + 72 * std::cos(a), 130 + 72 * std::sin(a));
    cairo_rotate(cr, a);
    cairo_scale(cr, 34, 22);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    Ink4(cr);
  }
  cairo_arc(cr, 320, 130, 52, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill_preserve(cr);
  Ink4(cr);
  Circle(cr, 302, 120, 7);
  Circle(cr, 338, 120, 7);
  cairo_arc(cr, 320, 136, 20, 0.2 * M_PI, 0.8 * M_PI);
  Ink4(cr);
  // a ladybird on the right leaf
  cairo_arc(cr, 400, 222, 16, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill_preserve(cr);
  Ink4(cr);
  Line(cr, 400, 206, 400, 238);
  Circle(cr, 392, 218, 3);
  Circle(cr, 408, 226, 3);
  Circle(cr, 418, 208, 7);
}

}  // namespace

Image ColouringPage(int n) {
  Canvas c = NewCanvas(640, 480);
  cairo_t* cr = c.cr;
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  // Hard pixels: a grey edge would stop the paint bucket short of the line, or let it through.
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  switch (n) {
    case 0: House(cr); break;
    case 1: FishPage(cr); break;
    case 2: ButterflyPage(cr); break;
    default: FlowerPotPage(cr); break;
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  for (size_t i = 0; i < img.px.size(); i += 3) {  // only black and white remain
    int lum = img.px[i] + img.px[i + 1] + img.px[i + 2];
    uint8_t v = lum < 3 * 128 ? 0 : 255;
    img.px[i] = img.px[i + 1] = img.px[i + 2] = v;
  }
  return img;
}

}  // namespace art
