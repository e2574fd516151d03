// The animated cartoons: a walking cat, a flapping bird, a swimming fish, a bouncing ball, a
// twinkling star and a waving child. Every motion is a whole number of sine periods over the
// frames, so the last frame leads smoothly back into the first.
#include <cmath>

#include "assets/clip_art.h"
#include "assets/theme.h"

namespace art {

namespace {

double Phase(int f, int n) { return 2 * M_PI * f / n; }

// A leg from the hip swung by `angle` (radians, forward positive), `len` long.
Part Limb(double x, double y, double angle, double len, Col c, double width) {
  return {[=](cairo_t* cr) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + len * std::sin(angle), y + len * std::cos(angle));
          },
          c, width};
}

// The cat walks right at about 3 pixels a frame: a foot on the ground slides back as far, so
// the feet swing +-22 degrees over the 8 frames of a stride.
void Cat(cairo_t* cr, int f, int n) {
  Col fur = Hex(0xF2A65A), far = Darker(fur, 0.2);
  double t = Phase(f, n), swing = 0.38;
  double bob = -1.5 * std::fabs(std::sin(t));
  cairo_translate(cr, 0, bob);
  Merged(cr, {Limb(34, 44, swing * std::sin(t + M_PI), 18, far, 7), Limb(64, 44, swing * std::sin(t), 18, far, 7)}, 3);
  Merged(cr, {{[t](cairo_t* cr) {
                 cairo_move_to(cr, 24, 38);
                 cairo_curve_to(cr, 12, 34, 8 + 3 * std::sin(t), 22, 12 + 4 * std::sin(t), 10);
               },
               fur, 7},
              {[](cairo_t* cr) { Ellipse(cr, 48, 40, 26, 13); }, fur},
              {[](cairo_t* cr) {
                 cairo_move_to(cr, 66, 22);
                 cairo_line_to(cr, 68, 6);
                 cairo_line_to(cr, 76, 16);
                 cairo_line_to(cr, 84, 8);
                 cairo_line_to(cr, 88, 24);
               },
               fur},
              {[](cairo_t* cr) { cairo_arc(cr, 77, 28, 14, 0, 2 * M_PI); }, fur},
              Limb(30, 44, swing * std::sin(t), 18, fur, 7), Limb(60, 44, swing * std::sin(t + M_PI), 18, fur, 7)},
         3);
  for (double x : {38.0, 46.0, 54.0}) {  // tabby stripes
    cairo_move_to(cr, x, 28);
    cairo_line_to(cr, x + 2, 36);
  }
  Stroke(cr, Darker(fur, 0.3), 2.5);
  Eye(cr, 80, 25, 2.6);
  Dot(cr, 89, 30, 2, Hex(0xE86A7A));
  Smile(cr, 84, 33, 6, 1.5, 1.8);
  cairo_move_to(cr, 84, 31);
  cairo_line_to(cr, 95, 28);
  cairo_move_to(cr, 84, 33);
  cairo_line_to(cr, 95, 35);
  Stroke(cr, Ink(), 1.2);
}

void Bird(cairo_t* cr, int f, int n) {
  Col body = Sky(), wing = Hex(0x2E6FB0);
  double t = Phase(f, n), beat = 0.15 + 0.95 * std::cos(t);  // wings up at frame 0, down half-way
  cairo_translate(cr, 0, 2.5 * std::cos(t));
  auto wingPath = [](double angle, double len) {
    return [=](cairo_t* cr) {
      cairo_save(cr);
      cairo_translate(cr, 40, 34);
      cairo_rotate(cr, angle);  // the wing points back; a positive angle lifts it
      cairo_move_to(cr, 0, 0);
      cairo_curve_to(cr, -8, -10, -len * 0.7, -14, -len, -6);
      cairo_curve_to(cr, -len * 0.6, 2, -10, 6, 0, 0);
      cairo_close_path(cr);
      cairo_restore(cr);
    };
  };
  Merged(cr, {{wingPath(beat + 0.3, 30), Darker(wing, 0.15)}}, 3);
  cairo_move_to(cr, 18, 38);  // tail
  cairo_line_to(cr, 4, 30);
  cairo_line_to(cr, 6, 46);
  cairo_close_path(cr);
  Outlined(cr, wing, 3);
  Merged(cr, {{[](cairo_t* cr) { Ellipse(cr, 38, 40, 22, 15); }, body},
              {[](cairo_t* cr) { cairo_arc(cr, 58, 30, 13, 0, 2 * M_PI); }, body}},
         3);
  Ellipse(cr, 44, 46, 13, 8);
  Fill(cr, Hex(0xFFF1D0));
  cairo_move_to(cr, 69, 26);
  cairo_line_to(cr, 80, 31);
  cairo_line_to(cr, 69, 36);
  cairo_close_path(cr);
  Outlined(cr, Orange(), 2.5);
  Eye(cr, 62, 27, 2.8);
  Merged(cr, {{wingPath(beat, 34), wing}}, 3);
}

void Fish(cairo_t* cr, int f, int n) {
  Col body = Orange();
  double t = Phase(f, n), wag = 0.35 * std::sin(t);
  for (int k = 0; k < 2; ++k) {  // bubbles rising from the mouth, one every half loop
    double u = std::fmod(f / double(n) + k * 0.5, 1.0);
    cairo_arc(cr, 80 + 3 * std::sin(u * 6), 26 - u * 22, 2.5 + u * 2.5, 0, 2 * M_PI);
    Outlined(cr, Hex(0xDFF4FF), 1.6);
  }
  cairo_save(cr);  // the tail turns about where it meets the body
  cairo_translate(cr, 22, 34);
  cairo_rotate(cr, wag);
  cairo_move_to(cr, 4, 0);
  cairo_line_to(cr, -16, -14);
  cairo_curve_to(cr, -12, -4, -12, 4, -16, 14);
  cairo_close_path(cr);
  cairo_restore(cr);
  Outlined(cr, Hex(0xF7C948), 3);
  cairo_move_to(cr, 36, 20);  // top fin
  cairo_curve_to(cr, 40, 8, 54, 8, 60, 18);
  Outlined(cr, Hex(0xF7C948), 3);
  Ellipse(cr, 46, 34, 28, 17);
  Outlined(cr, body, 3);
  cairo_save(cr);
  Ellipse(cr, 46, 34, 26.5, 15.5);
  cairo_clip(cr);
  for (double x : {40.0, 54.0}) {
    cairo_move_to(cr, x, 14);
    cairo_curve_to(cr, x - 4, 26, x - 4, 42, x, 54);
    Stroke(cr, Hex(0xFFFFFF), 5);
  }
  cairo_restore(cr);
  cairo_save(cr);  // side fin, paddling against the tail
  cairo_translate(cr, 44, 40);
  cairo_rotate(cr, -wag);
  Ellipse(cr, -6, 4, 8, 4.5);
  cairo_restore(cr);
  Outlined(cr, Hex(0xF7C948), 2.5);
  cairo_arc(cr, 63, 29, 6, 0, 2 * M_PI);
  Outlined(cr, Hex(0xFFFFFF), 2.5);
  Eye(cr, 64, 29, 3.2);
  Smile(cr, 68, 40, 6, 1.5, 2);
}

// One bounce per loop: the ball falls with gravity, squashes on the ground in frame 0.
void Ball(cairo_t* cr, int f, int n) {
  double u = f / double(n), height = 56 * 4 * u * (1 - u);
  double squash = f == 0 ? 0.25 : 0;
  double rx = 16 * (1 + squash), ry = 16 * (1 - squash);
  double ground = 90, cy = ground - ry - height;
  Ellipse(cr, 32, ground, 18 - height * 0.12, 3.5 - height * 0.025);  // a solid shadow: no soft edge
  Fill(cr, Hex(0x8C8478));
  const Col slices[] = {Cherry(), Hex(0xFFFFFF), Sky(), Hex(0xFFFFFF), Sun(), Hex(0xFFFFFF)};
  cairo_save(cr);
  cairo_translate(cr, 32, cy);
  cairo_scale(cr, rx / 16, ry / 16);
  double spin = 0.3 * std::sin(2 * M_PI * u);  // a little wobble, back where it started
  for (int i = 0; i < 6; ++i) {
    cairo_move_to(cr, 0, 0);
    cairo_arc(cr, 0, 0, 16, spin + i * M_PI / 3, spin + (i + 1) * M_PI / 3);
    cairo_close_path(cr);
    Fill(cr, slices[i]);
  }
  cairo_arc(cr, 0, 0, 16, 0, 2 * M_PI);
  cairo_restore(cr);
  Stroke(cr, Ink(), 3);
  Ellipse(cr, 27, cy - 6 * ry / 16, 4, 2.5);
  Fill(cr, Hex(0xFFFFFF), 0.8);
}

void Star(cairo_t* cr, int f, int n) {
  double t = Phase(f, n), s = 1 + 0.12 * std::sin(t);
  for (int k = 0; k < 3; ++k) {  // sparkles that come and go in turn
    double a = 0.5 + 0.5 * std::sin(t + k * 2 * M_PI / 3), r = 2 + 6 * a;
    const double xs[] = {12, 60, 58}, ys[] = {14, 12, 60};
    StarPath(cr, xs[k], ys[k], 4, r, r * 0.3, 0);
    Outlined(cr, Hex(0xFFF6C0), 1.6);
  }
  StarPath(cr, 36, 38, 5, 26 * s, 12 * s, 0.12 * std::sin(t));
  Outlined(cr, Sun(), 3);
  Eye(cr, 31, 36, 2.6);
  Eye(cr, 41, 36, 2.6);
  Smile(cr, 36, 42, 8, 2, 2);
  Cheek(cr, 26, 42, 2.8);
  Cheek(cr, 46, 42, 2.8);
}

void Child(cairo_t* cr, int f, int n) {
  Col skin = Hex(0xFFD9B8), shirt = Leaf(), hair = Hex(0x7A4B2A);
  double t = Phase(f, n);
  for (int s : {-1, 1}) {  // legs and shoes
    cairo_rectangle(cr, 36 + s * 6 - 4, 70, 8, 20);
    Outlined(cr, Hex(0x3F6FB5), 2.5);
    Ellipse(cr, 36 + s * 8, 92, 7, 4);
    Outlined(cr, Hex(0x5A3A2A), 2.5);
  }
  cairo_move_to(cr, 24, 62);  // the resting arm
  cairo_line_to(cr, 16, 76);
  Stroke(cr, Ink(), 10);
  cairo_move_to(cr, 24, 62);
  cairo_line_to(cr, 16, 76);
  Stroke(cr, shirt, 5);
  cairo_arc(cr, 16, 77, 4.5, 0, 2 * M_PI);
  Outlined(cr, skin, 2);
  RoundRect(cr, 22, 50, 28, 26, 8);
  Outlined(cr, shirt, 3);
  // the waving arm: out to the elbow, the forearm swinging about it
  double w = 0.2 + 0.5 * std::sin(t + M_PI / 6), ex = 62, ey = 52, hx = ex + 21 * std::sin(w), hy = ey - 21 * std::cos(w);
  for (int pass = 0; pass < 2; ++pass) {
    cairo_move_to(cr, 46, 57);
    cairo_line_to(cr, ex, ey);
    cairo_line_to(cr, hx, hy);
    Stroke(cr, pass ? shirt : Ink(), pass ? 5 : 10);
  }
  cairo_arc(cr, hx, hy, 5.5, 0, 2 * M_PI);
  Outlined(cr, skin, 2);
  cairo_arc(cr, 36, 30, 17, 0, 2 * M_PI);
  Outlined(cr, skin, 3);
  cairo_arc(cr, 36, 30, 18, M_PI * 1.02, M_PI * 1.98);  // hair with a fringe
  cairo_curve_to(cr, 48, 24, 40, 18, 30, 22);
  cairo_curve_to(cr, 26, 24, 22, 26, 18, 28);
  cairo_close_path(cr);
  Outlined(cr, hair, 2.5);
  Eye(cr, 30, 32, 2.4);
  Eye(cr, 42, 32, 2.4);
  Smile(cr, 36, 38, 10, 3.5, 2);
  Cheek(cr, 25, 38, 3);
  Cheek(cr, 47, 38, 3);
}

}  // namespace

const std::vector<Cartoon>& Cartoons() {
  static const std::vector<Cartoon> cartoons = {
      {"cartoon_cat.bmp", 96, 72, 8, Cat},   {"cartoon_bird.bmp", 84, 72, 6, Bird},
      {"cartoon_fish.bmp", 92, 64, 6, Fish}, {"cartoon_ball.bmp", 64, 96, 8, Ball},
      {"cartoon_star.bmp", 72, 72, 6, Star}, {"cartoon_child.bmp", 84, 100, 6, Child},
  };
  return cartoons;
}

}  // namespace art
