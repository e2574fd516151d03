// The nine eraser pictures (640 x 480): scenes the picture eraser uncovers from under a
// painting, named by RUBAREA<n>A.
#include <algorithm>
#include <cmath>

#include "assets/gen_context.h"
#include "assets/theme.h"

namespace art {

namespace {

constexpr int kW = 640, kH = 480;

void Sky(cairo_t* cr, uint32_t top, uint32_t bottom, double to = kH) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, to);
  Col a = Hex(top), b = Hex(bottom);
  cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
  cairo_rectangle(cr, 0, 0, kW, to);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void SunAt(cairo_t* cr, double x, double y, double r) {
  cairo_arc(cr, x, y, r * 1.5, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 1, 0.9, 0.4, 0.35);
  cairo_fill(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  SetSource(cr, Sun());
  cairo_fill(cr);
}

void Cloud(cairo_t* cr, double x, double y, double s, double alpha = 0.95) {
  const double puffs[][3] = {{0, 0, 1}, {-0.9, 0.3, 0.7}, {0.9, 0.3, 0.75}, {-0.4, -0.3, 0.8}, {0.45, -0.25, 0.7}};
  for (auto& p : puffs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + p[0] * s, y + p[1] * s, p[2] * s, 0, 2 * M_PI);
  }
  cairo_set_source_rgba(cr, 1, 1, 1, alpha);
  cairo_fill(cr);
}

void Hill(cairo_t* cr, double y0, double amp, double phase, uint32_t colour) {
  cairo_move_to(cr, 0, kH);
  for (int x = 0; x <= kW; x += 8)
    cairo_line_to(cr, x, y0 + amp * std::sin(x / 110.0 + phase) + amp * 0.4 * std::sin(x / 47.0 + phase * 2));
  cairo_line_to(cr, kW, kH);
  cairo_close_path(cr);
  SetSource(cr, Hex(colour));
  cairo_fill(cr);
}

void Flower(cairo_t* cr, double x, double y, double r, Col c) {
  for (int i = 0; i < 5; ++i) {
    double a = i * 2 * M_PI / 5;
    cairo_arc(cr, x + r * std::cos(a), y + r * std::sin(a), r * 0.75, 0, 2 * M_PI);
    SetSource(cr, c);
    cairo_fill(cr);
  }
  cairo_arc(cr, x, y, r * 0.6, 0, 2 * M_PI);
  SetSource(cr, Sun());
  cairo_fill(cr);
}

void Pine(cairo_t* cr, double x, double base, double h, uint32_t colour) {
  cairo_rectangle(cr, x - h * 0.05, base - h * 0.15, h * 0.1, h * 0.15);
  SetSource(cr, Hex(0x6B4423));
  cairo_fill(cr);
  for (int k = 0; k < 3; ++k) {
    double top = base - h + k * h * 0.25, w = h * (0.25 + k * 0.1);
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x + w, top + h * 0.45);
    cairo_line_to(cr, x - w, top + h * 0.45);
    cairo_close_path(cr);
    SetSource(cr, Hex(colour));
    cairo_fill(cr);
  }
}

void Stars(cairo_t* cr, int count, uint64_t seed, double maxY) {
  Rng r(seed);
  for (int i = 0; i < count; ++i) {
    double x = r.Range(0, kW), y = r.Range(0, maxY), s = r.Range(1.5, 5);
    StarPath(cr, x, y, 4, s * 1.6, s * 0.45, r.Range(0, 1));
    cairo_set_source_rgba(cr, 1, 0.97, 0.8, r.Range(0.6, 1));
    cairo_fill(cr);
  }
}

void Fish(cairo_t* cr, double x, double y, double s, Col c, bool left) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  if (left) cairo_scale(cr, -1, 1);
  cairo_move_to(cr, -s * 1.2, 0);
  cairo_line_to(cr, -s * 2, -s * 0.7);
  cairo_line_to(cr, -s * 2, s * 0.7);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_scale(cr, 1.5, 1);
  cairo_arc(cr, 0, 0, s, 0, 2 * M_PI);
  cairo_restore(cr);
  SetSource(cr, c);
  cairo_fill(cr);
  cairo_arc(cr, s * 0.8, -s * 0.2, s * 0.18, 0, 2 * M_PI);
  SetSource(cr, Ink());
  cairo_fill(cr);
  cairo_restore(cr);
}

void Meadow(cairo_t* cr) {
  Sky(cr, 0x7EC8F5, 0xDDF2FF, 320);
  SunAt(cr, 540, 80, 44);
  Cloud(cr, 150, 90, 36);
  Cloud(cr, 380, 60, 28);
  Hill(cr, 300, 18, 0.5, 0x8BD26E);
  Hill(cr, 360, 14, 2.1, 0x6CC35A);
  Rng r(3);
  const Col petals[] = {Cherry(), Hex(0xFF8FB1), Grape(), Hex(0xFFFFFF), Orange()};
  for (int i = 0; i < 60; ++i)
    Flower(cr, r.Range(0, kW), r.Range(380, 470), r.Range(5, 9), petals[r.Int(5)]);
}

void Sea(cairo_t* cr) {
  Sky(cr, 0x2E9BD6, 0x0B4F8A);
  for (int i = 0; i < 6; ++i) {  // light rays
    cairo_move_to(cr, 80 + i * 100, 0);
    cairo_line_to(cr, 130 + i * 100, 0);
    cairo_line_to(cr, 60 + i * 110, kH);
    cairo_line_to(cr, 20 + i * 110, kH);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.06);
    cairo_fill(cr);
  }
  Hill(cr, 430, 10, 1.0, 0xF2D59B);
  Rng r(5);
  for (int i = 0; i < 9; ++i) {
    double x = 30 + i * 72 + r.Range(-10, 10);
    cairo_move_to(cr, x, 470);
    cairo_curve_to(cr, x - 20, 420, x + 20, 380, x, 320 + r.Range(0, 60));
    SetSource(cr, Hex(0x2FA84F));
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
  }
  const Col colours[] = {Orange(), Sun(), Hex(0xFF8FB1), Hex(0x9BE37A), Grape()};
  for (int i = 0; i < 9; ++i)
    Fish(cr, r.Range(40, 600), r.Range(60, 360), r.Range(14, 24), colours[i % 5], i % 2);
  for (int i = 0; i < 30; ++i) {
    cairo_arc(cr, r.Range(0, kW), r.Range(0, 420), r.Range(3, 8), 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
}

void Night(cairo_t* cr) {
  Sky(cr, 0x0B1340, 0x3A3E8C);
  Stars(cr, 120, 11, 360);
  cairo_arc(cr, 500, 100, 48, 0, 2 * M_PI);
  SetSource(cr, Hex(0xFFF3B0));
  cairo_fill(cr);
  cairo_arc(cr, 522, 86, 44, 0, 2 * M_PI);
  SetSource(cr, Hex(0x10184A));
  cairo_fill(cr);
  Hill(cr, 390, 20, 1.7, 0x1F2F5A);
  Hill(cr, 430, 14, 0.3, 0x15213F);
}

void Beach(cairo_t* cr) {
  Sky(cr, 0x5EC6F2, 0xCFF1FF, 260);
  SunAt(cr, 120, 80, 40);
  Cloud(cr, 420, 80, 30);
  cairo_rectangle(cr, 0, 250, kW, 110);
  SetSource(cr, Hex(0x1E9BD7));
  cairo_fill(cr);
  for (int k = 0; k < 5; ++k) {
    cairo_move_to(cr, 0, 270 + k * 20);
    for (int x = 0; x <= kW; x += 20) cairo_line_to(cr, x, 270 + k * 20 + 3 * std::sin(x / 15.0 + k));
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  Hill(cr, 360, 8, 0.2, 0xF5D58E);
  // a palm tree
  cairo_move_to(cr, 500, 440);
  cairo_curve_to(cr, 490, 360, 520, 280, 540, 220);
  SetSource(cr, Hex(0x9A6A3A));
  cairo_set_line_width(cr, 16);
  cairo_stroke(cr);
  for (int i = 0; i < 5; ++i) {
    double a = -M_PI + i * M_PI / 4;
    cairo_move_to(cr, 540, 220);
    cairo_curve_to(cr, 540 + 50 * std::cos(a), 190 + 30 * std::sin(a), 540 + 90 * std::cos(a), 230 + 50 * std::sin(a) + 30,
                   540 + 100 * std::cos(a), 250 + 40 * std::sin(a));
    SetSource(cr, Hex(0x3FAE4E));
    cairo_set_line_width(cr, 12);
    cairo_stroke(cr);
  }
}

void Snow(cairo_t* cr) {
  Sky(cr, 0xA9D6F5, 0xEAF6FF, 300);
  const double peaks[][3] = {{120, 140, 200}, {330, 90, 260}, {540, 150, 200}};
  for (auto& p : peaks) {
    cairo_move_to(cr, p[0] - p[2], 360);
    cairo_line_to(cr, p[0], p[1]);
    cairo_line_to(cr, p[0] + p[2], 360);
    cairo_close_path(cr);
    SetSource(cr, Hex(0x8AA3C2));
    cairo_fill(cr);
    cairo_move_to(cr, p[0] - p[2] * 0.3, p[1] + (360 - p[1]) * 0.3);
    cairo_line_to(cr, p[0], p[1]);
    cairo_line_to(cr, p[0] + p[2] * 0.3, p[1] + (360 - p[1]) * 0.3);
    cairo_close_path(cr);
    SetSource(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
  }
  Hill(cr, 380, 10, 0.8, 0xFFFFFF);
  for (int i = 0; i < 7; ++i) Pine(cr, 40 + i * 95, 440 + (i % 2) * 16, 110, 0x2F7A4C);
  Rng r(17);
  for (int i = 0; i < 90; ++i) {
    cairo_arc(cr, r.Range(0, kW), r.Range(0, kH), r.Range(1.5, 4), 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
    cairo_fill(cr);
  }
}

void Rainbow(cairo_t* cr) {
  Sky(cr, 0x8FD3FF, 0xFFF0F8);
  const Col bands[] = {Cherry(), Orange(), art::Sun(), Leaf(), art::Sky(), Grape()};
  for (int i = 0; i < 6; ++i) {
    cairo_arc(cr, 320, 480, 360 - i * 26, M_PI, 2 * M_PI);
    SetSource(cr, bands[i]);
    cairo_set_line_width(cr, 26);
    cairo_stroke(cr);
  }
  Cloud(cr, 60, 430, 60);
  Cloud(cr, 580, 430, 60);
  Cloud(cr, 320, 90, 30, 0.8);
}

void Forest(cairo_t* cr) {
  Sky(cr, 0xBFE8C0, 0xF4FBE8, 300);
  SunAt(cr, 320, 70, 34);
  Hill(cr, 330, 12, 1.2, 0x9ED47E);
  Rng r(23);
  for (int row = 0; row < 3; ++row)
    for (int i = 0; i < 9; ++i) {
      double x = i * 76 + r.Range(-15, 15) + row * 30, base = 330 + row * 60;
      double h = 150 - row * 10 + r.Range(-20, 20);
      if (i % 3 == 1) {
        cairo_rectangle(cr, x - 7, base - h * 0.45, 14, h * 0.45);
        SetSource(cr, Hex(0x7A4B2A));
        cairo_fill(cr);
        cairo_arc(cr, x, base - h * 0.6, h * 0.32, 0, 2 * M_PI);
        SetSource(cr, Mix(Hex(0x3FAE4E), Hex(0x1F6E38), row / 2.0));
        cairo_fill(cr);
      } else {
        Pine(cr, x, base, h, row == 2 ? 0x1F6E38 : 0x2F8A48);
      }
    }
}

void Space(cairo_t* cr) {
  Sky(cr, 0x090C24, 0x2A1450);
  Stars(cr, 160, 29, kH);
  cairo_arc(cr, 150, 360, 90, 0, 2 * M_PI);
  SetSource(cr, Hex(0xF28C28));
  cairo_fill(cr);
  // a ringed planet: the ring's far half behind it, the near half in front
  for (int half = 0; half < 2; ++half) {
    if (half == 1) {
      cairo_arc(cr, 470, 150, 56, 0, 2 * M_PI);
      SetSource(cr, Hex(0x8E5BD0));
      cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, 470, 150);
    cairo_scale(cr, 1, 0.3);
    cairo_arc(cr, 0, 0, 110, half ? 0 : M_PI, half ? M_PI : 2 * M_PI);
    cairo_restore(cr);
    SetSource(cr, Hex(0xC9A0F0));
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
  }
  cairo_arc(cr, 560, 400, 26, 0, 2 * M_PI);
  SetSource(cr, Hex(0x45A6E5));
  cairo_fill(cr);
}

void City(cairo_t* cr) {
  Sky(cr, 0xFF9A6B, 0xFFE3A3, 380);
  SunAt(cr, 320, 300, 70);
  Rng r(31);
  for (int i = 0; i < 12; ++i) {
    double x = i * 56 - 10, w = 50, h = r.Range(120, 300);
    cairo_rectangle(cr, x, kH - h, w, h);
    SetSource(cr, Mix(Hex(0x5A4E7A), Hex(0x3B3358), (i % 3) / 2.0));
    cairo_fill(cr);
    for (double wy = kH - h + 12; wy < kH - 20; wy += 22)
      for (double wx = x + 8; wx < x + w - 10; wx += 14) {
        cairo_rectangle(cr, wx, wy, 7, 10);
        SetSource(cr, r.Unit() < 0.6 ? Hex(0xFFE08A) : Hex(0x2C2544));
        cairo_fill(cr);
      }
  }
}

Image Picture(int n) {
  Canvas c = NewCanvas(kW, kH);
  cairo_set_line_cap(c.cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
  void (*scenes[9])(cairo_t*) = {Meadow, Sea, Night, Beach, Snow, Rainbow, Forest, Space, City};
  scenes[n](c.cr);
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

}  // namespace

const Image& EraserPicture(int n) {
  static std::vector<Image> pictures;
  if (pictures.empty())
    for (int i = 0; i < 9; ++i) pictures.push_back(Picture(i));
  return pictures[std::clamp(n, 0, 8)];
}

void MakeEraserPictures(Gen& g) {
  const char* names[] = {"meadow", "sea", "night", "beach", "snow", "rainbow", "forest", "space", "city"};
  for (int n = 0; n < 9; ++n)
    g.ini.Set("DETAILTOOL", "RUBAREA" + std::to_string(n) + "A",
              g.Bitmap(std::string("scene_") + names[n] + ".bmp", EraserPicture(n)));
}

}  // namespace art
