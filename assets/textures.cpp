// Paper grains p1.dat..p9.dat (64 x 64 weights in 128ths) and the nine fill textures.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "assets/gen_context.h"
#include "assets/theme.h"

namespace art {

namespace {

constexpr int kG = 64;  // grain size; the grain repeats every 64 pixels

// Per-pixel white noise that repeats every 64 pixels.
double Speck(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>((x & 63) * 73856093u) ^ static_cast<uint32_t>((y & 63) * 19349663u) ^ (seed * 83492791u);
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFF) / 65535.0;
}

double Smooth(double e0, double e1, double x) {
  double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// Weight of grain n at (x, y): 128 lets a dab through unchanged, less leaves gaps.
double GrainValue(int n, int x, int y) {
  double u = x, v = y;
  switch (n) {
    case 1: {  // drawing paper (also the wax crayon's): a gentle cloudy tooth, soft enough that
               // the first paper's brush strokes stay whole
      double t = Fbm(u / 8.0, v / 8.0, 11, 3, 8);
      return 100 + 36 * Smooth(0.25, 0.75, t + 0.05 * Speck(x, y, 1));
    }
    case 2: {  // cold-pressed watercolour paper: round dimples in staggered rows, which a
               // stroke leaves white
      double cx = std::fmod(u + ((y / 8) % 2) * 4, 8.0) - 3.5, cy = std::fmod(v, 8.0) - 3.5;
      double r = std::sqrt(cx * cx + cy * cy);
      return r < 1.8 ? 6 : 70 + 90 * Smooth(1.8, 3.4, r) + 8 * Speck(x, y, 2);
    }
    case 3: {  // chalk on a rough board: harsh speckle
      double t = Fbm(u / 4.0, v / 4.0, 31, 2, 16);
      return Speck(x, y, 3) * 0.55 + t * 0.65 > 0.62 ? 215 : 20 + 40 * Speck(x, y, 4);
    }
    case 4: {  // canvas weave: threads over and under every four pixels, a thin gap between them
      double warp = 0.5 + 0.5 * std::sin(u * M_PI / 2);
      double weft = 0.5 + 0.5 * std::sin(v * M_PI / 2);
      bool over = ((x / 4) + (y / 4)) % 2 == 0;
      if ((over && x % 4 == 3) || (!over && y % 4 == 3)) return 8;
      return 110 + 60 * (over ? warp : weft);
    }
    case 5: {  // kraft paper: long pale fibres running slantwise through the pulp
      double t = Fbm(u / 16.0, v / 16.0, 51, 3, 4);
      double fibre = std::pow(std::fabs(std::sin(2 * M_PI * (3 * u + v) / kG + 6 * t)), 18);
      return fibre > 0.45 ? 8 : 115 + 50 * t - 20 * Speck(x, y, 6);
    }
    case 6: {  // notebook paper: smooth, with a ruled line every eight rows that a stroke skips
      return y % 8 == 7 ? 4 : 135 + 10 * Speck(x, y, 7);
    }
    case 7: {  // sandpaper: grains of grit one to three pixels across, at most one in each 4 x 4
               // cell, too hard for the paint to cover
      const int cx = x / 4, cy = y / 4;
      const double dx = x - (cx * 4 + 1.5), dy = y - (cy * 4 + 1.5);
      const bool grit = Speck(cx, cy, 8) > 0.35 && dx * dx + dy * dy < std::pow(0.8 + Speck(cx, cy, 10), 2);
      return grit ? 6 : 120 + 60 * Speck(x, y, 9);
    }
    case 8: {  // rice paper: cloudy, with long curling fibres
      double t = Fbm(u / 16.0, v / 16.0, 81, 4, 4);
      double fibre = std::pow(std::fabs(std::sin(2 * M_PI * (2 * u - 5 * v) / kG + 9 * t)), 30);
      return fibre > 0.3 ? 6 : 90 + 90 * t;
    }
    default: {  // wood board: long grain lines across the sheet
      double t = Fbm(u / 32.0, v / 4.0, 91, 3, 2, 16);
      double ring = 0.5 + 0.5 * std::sin(v * M_PI / 4 + 9 * t);
      return ring < 0.22 ? 8 : 90 + 100 * ring + 20 * Speck(x, y, 9);
    }
  }
}

std::vector<uint8_t> MakeGrain(int n) {
  std::vector<uint8_t> g(kG * kG);
  for (int y = 0; y < kG; ++y)
    for (int x = 0; x < kG; ++x)
      g[y * kG + x] = static_cast<uint8_t>(std::clamp(GrainValue(n, x, y), 1.0, 255.0));
  return g;
}

// Draws a motif at (x, y) and at its wrapped copies so the tile has no seams.
template <typename F>
void Wrapped(int w, int h, double x, double y, F draw) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) draw(x + dx * w, y + dy * h);
}

void Fill(cairo_t* cr, Col c) {
  SetSource(cr, c);
  cairo_paint(cr);
}

Image TextureTile(int n) {
  const int S = 64;
  Canvas c = NewCanvas(S, S);
  cairo_t* cr = c.cr;
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (n) {
    case 0: {  // bricks, two to a row; the odd rows' second brick is cut by the tile's edge
      Fill(cr, Hex(0xE9DCC9));
      for (int row = 0; row < 4; ++row)
        for (int col = -1; col < 2; ++col) {
          double x = col * 32 + (row % 2) * 16 + 1.5, y = row * 16 + 1.5;
          RoundRect(cr, x, y, 29, 13, 2);
          // The shade follows the brick's place in the tile (col -1 is col 1 one tile over),
          // so both parts of a cut brick get the same one.
          int brick = (col + 2) % 2;
          SetSource(cr, Mix(Hex(0xC8553D), Hex(0xA8402E), ((row + 2 * brick) % 3) / 3.0));
          cairo_fill(cr);
        }
      break;
    }
    case 1:  // polka dots
      Fill(cr, Hex(0xFF8FB1));
      for (auto [x, y] : {std::pair{16.0, 16.0}, {48.0, 48.0}, {48.0, 16.0}, {16.0, 48.0}})
        Wrapped(S, S, x, y, [&](double px, double py) {
          cairo_arc(cr, px, py, 8, 0, 2 * M_PI);
          SetSource(cr, Hex(0xFFFFFF));
          cairo_fill(cr);
        });
      break;
    case 2:  // stars on a night sky
      Fill(cr, Hex(0x24306E));
      for (auto [x, y, r] : {std::tuple{16.0, 18.0, 10.0}, {48.0, 50.0, 10.0}, {50.0, 14.0, 5.0},
                             {14.0, 50.0, 5.0}})
        Wrapped(S, S, x, y, [&](double px, double py) {
          StarPath(cr, px, py, 5, r, r * 0.45, 0);
          SetSource(cr, Hex(0xFFD84A));
          cairo_fill(cr);
        });
      break;
    case 3:  // hearts
      Fill(cr, Hex(0xFFE0EA));
      for (auto [x, y] : {std::pair{16.0, 17.0}, {48.0, 49.0}})
        Wrapped(S, S, x, y, [&](double px, double py) {
          HeartPath(cr, px, py, 24);
          SetSource(cr, Hex(0xE8475F));
          cairo_fill(cr);
        });
      for (auto [x, y] : {std::pair{48.0, 17.0}, {16.0, 49.0}})
        Wrapped(S, S, x, y, [&](double px, double py) {
          HeartPath(cr, px, py, 12);
          SetSource(cr, Hex(0xFF8FA8));
          cairo_fill(cr);
        });
      break;
    case 4:  // candy stripes on the diagonal
      Fill(cr, Hex(0xFFFFFF));
      cairo_set_line_width(cr, 11);
      SetSource(cr, Hex(0x37B5A5));
      for (int k = -2; k <= 2; ++k) {
        cairo_move_to(cr, k * 32 - 8, -8);
        cairo_line_to(cr, k * 32 + 72, 72);
      }
      cairo_stroke(cr);
      break;
    case 5:  // gingham
      Fill(cr, Hex(0xFFFFFF));
      for (int k = 0; k < 4; ++k) {
        cairo_rectangle(cr, k * 16, 0, 8, S);
        cairo_rectangle(cr, 0, k * 16, S, 8);
        cairo_set_source_rgba(cr, 0.27, 0.5, 0.86, 0.45);
        cairo_fill(cr);
      }
      break;
    case 6:  // daisies on grass
      Fill(cr, Hex(0x6CC36A));
      for (auto [x, y] : {std::pair{16.0, 16.0}, {48.0, 46.0}})
        Wrapped(S, S, x, y, [&](double px, double py) {
          for (int i = 0; i < 8; ++i) {
            double a = i * M_PI / 4;
            cairo_save(cr);
            cairo_translate(cr, px + 7 * std::cos(a), py + 7 * std::sin(a));
            cairo_rotate(cr, a);
            cairo_scale(cr, 1.6, 1);
            cairo_arc(cr, 0, 0, 3.3, 0, 2 * M_PI);
            cairo_restore(cr);
            SetSource(cr, Hex(0xFFFFFF));
            cairo_fill(cr);
          }
          cairo_arc(cr, px, py, 4, 0, 2 * M_PI);
          SetSource(cr, Hex(0xFFC93C));
          cairo_fill(cr);
        });
      break;
    case 7:  // fish scales
      Fill(cr, Hex(0x2E86C1));
      cairo_set_line_width(cr, 2.5);
      for (int row = -1; row < 5; ++row)
        for (int col = -1; col < 5; ++col) {
          double x = col * 16 + (row % 2 ? 8 : 0), y = row * 16;
          cairo_arc(cr, x + 8, y, 8.5, 0, M_PI);
          SetSource(cr, Hex(0x85C1E9));
          cairo_stroke(cr);
        }
      break;
    default:  // leopard spots
      Fill(cr, Hex(0xF2B84B));
      for (auto [x, y] : {std::pair{14.0, 14.0}, {46.0, 22.0}, {26.0, 44.0}, {56.0, 54.0}})
        Wrapped(S, S, x, y, [&](double px, double py) {
          cairo_save(cr);
          cairo_translate(cr, px, py);
          cairo_scale(cr, 1.3, 1);
          cairo_arc(cr, 0, 0, 6, 0, 2 * M_PI);
          cairo_restore(cr);
          SetSource(cr, Hex(0xC27A22));
          cairo_fill_preserve(cr);
          SetSource(cr, Hex(0x4A2C14));
          cairo_set_line_width(cr, 3);
          cairo_stroke(cr);
        });
      break;
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

}  // namespace

const std::vector<uint8_t>& PaperGrain(int n) {
  static std::vector<std::vector<uint8_t>> grains;
  if (grains.empty())
    for (int i = 1; i <= 9; ++i) grains.push_back(MakeGrain(i));
  return grains[std::clamp(n, 1, 9) - 1];
}

const Image& FillTexture(int n) {
  static std::vector<Image> tiles;
  if (tiles.empty())
    for (int i = 0; i < 9; ++i) tiles.push_back(TextureTile(i));
  return tiles[std::clamp(n, 0, 8)];
}

void MakeTextures(Gen& g) {
  for (int n = 1; n <= 9; ++n)
    g.Check(WriteFile(g.ProgramPath("data/p" + std::to_string(n) + ".dat"), PaperGrain(n)),
            "p" + std::to_string(n) + ".dat");
  const char* names[] = {"bricks", "dots", "stars", "hearts", "stripes",
                         "gingham", "daisies", "scales", "leopard"};
  for (int n = 0; n < 9; ++n)
    g.ini.Set("DETAILTOOL", "TONAREA" + std::to_string(n) + "A",
              g.Bitmap(std::string("fill_") + names[n] + ".bmp", FillTexture(n)));
}

}  // namespace art
