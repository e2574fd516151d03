// Shared pieces of the art generator: RGB images, Cairo surfaces, colours, noise and the red key.
#include "assets/art_common.h"

#include <algorithm>
#include <cmath>

namespace art {

Image::Image(int width, int height, Rgb fill) : w(width), h(height) {
  px.resize(static_cast<size_t>(w) * h * 3);
  for (size_t i = 0; i < px.size(); i += 3) {
    px[i] = fill.r;
    px[i + 1] = fill.g;
    px[i + 2] = fill.b;
  }
}

Rgb Image::Get(int x, int y) const {
  const uint8_t* p = At(x, y);
  return {p[0], p[1], p[2]};
}

void Image::Set(int x, int y, Rgb c) {
  uint8_t* p = At(x, y);
  p[0] = c.r;
  p[1] = c.g;
  p[2] = c.b;
}

Col Hex(uint32_t v) {
  return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}

Col Mix(Col a, Col b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Col Lighter(Col c, double t) { return Mix(c, {1, 1, 1}, t); }
Col Darker(Col c, double t) { return Mix(c, {0, 0, 0}, t); }

void SetSource(cairo_t* cr, Col c, double alpha) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

Canvas NewCanvas(int w, int h) {
  Canvas c;
  c.w = w;
  c.h = h;
  c.surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  c.cr = cairo_create(c.surface);
  return c;
}

void FreeCanvas(Canvas& c) {
  if (c.cr) cairo_destroy(c.cr);
  if (c.surface) cairo_surface_destroy(c.surface);
  c.cr = nullptr;
  c.surface = nullptr;
}

// Cairo keeps premultiplied native-endian 32-bit pixels: 0xAARRGGBB.
static void ReadPixel(const Canvas& c, int x, int y, int& a, int& r, int& g, int& b) {
  const unsigned char* data = cairo_image_surface_get_data(c.surface);
  int stride = cairo_image_surface_get_stride(c.surface);
  uint32_t v = *reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride + 4 * x);
  a = (v >> 24) & 255;
  r = (v >> 16) & 255;
  g = (v >> 8) & 255;
  b = v & 255;
}

Image Flatten(const Canvas& c) {
  cairo_surface_flush(c.surface);
  Image img(c.w, c.h);
  for (int y = 0; y < c.h; ++y) {
    for (int x = 0; x < c.w; ++x) {
      int a, r, g, b;
      ReadPixel(c, x, y, a, r, g, b);
      // premultiplied over white: out = src + (255 - a)
      img.Set(x, y, {static_cast<uint8_t>(r + 255 - a), static_cast<uint8_t>(g + 255 - a),
                     static_cast<uint8_t>(b + 255 - a)});
    }
  }
  return img;
}

Image FlattenKeyed(const Canvas& c, const Image& under, int ux, int uy, int threshold) {
  cairo_surface_flush(c.surface);
  Image img(c.w, c.h, {kKeyR, kKeyG, kKeyB});
  for (int y = 0; y < c.h; ++y) {
    for (int x = 0; x < c.w; ++x) {
      int a, r, g, b;
      ReadPixel(c, x, y, a, r, g, b);
      if (a < threshold) continue;
      int bx = std::clamp(x + ux, 0, under.w - 1), by = std::clamp(y + uy, 0, under.h - 1);
      Rgb u = under.Get(bx, by);
      auto over = [a](int s, int d) { return static_cast<uint8_t>(s + (d * (255 - a) + 127) / 255); };
      Rgb o = {over(r, u.r), over(g, u.g), over(b, u.b)};
      if (o.r == kKeyR && o.g == kKeyG && o.b == kKeyB) o.r = 254;
      img.Set(x, y, o);
    }
  }
  return img;
}

void PaintImage(cairo_t* cr, const Image& img, double x, double y) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, img.w, img.h);
  unsigned char* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int j = 0; j < img.h; ++j) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(j) * stride);
    for (int i = 0; i < img.w; ++i) {
      Rgb c = img.Get(i, j);
      row[i] = 0xFF000000u | (c.r << 16) | (c.g << 8) | c.b;
    }
  }
  cairo_surface_mark_dirty(s);
  cairo_save(cr);
  cairo_set_source_surface(cr, s, x, y);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(s);
}

Image Crop(const Image& img, int x, int y, int w, int h) {
  Image out(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      int sx = std::clamp(x + i, 0, img.w - 1), sy = std::clamp(y + j, 0, img.h - 1);
      out.Set(i, j, img.Get(sx, sy));
    }
  return out;
}

void Blit(Image& dst, const Image& src, int x, int y) {
  for (int j = 0; j < src.h; ++j)
    for (int i = 0; i < src.w; ++i) {
      int dx = x + i, dy = y + j;
      if (dx >= 0 && dy >= 0 && dx < dst.w && dy < dst.h) dst.Set(dx, dy, src.Get(i, j));
    }
}

void AvoidKey(Image& img) {
  for (size_t i = 0; i < img.px.size(); i += 3)
    if (img.px[i] == kKeyR && img.px[i + 1] == kKeyG && img.px[i + 2] == kKeyB) img.px[i] = 254;
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min(r, std::min(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double r, double dx,
                double dy, double spread, double strength) {
  const int steps = 8;
  for (int i = steps; i >= 1; --i) {
    double g = spread * i / steps;
    RoundRect(cr, x + dx - g, y + dy - g, w + 2 * g, h + 2 * g, r + g);
    cairo_set_source_rgba(cr, 0.15, 0.08, 0.02, strength / steps);
    cairo_fill(cr);
  }
}

void Tile(cairo_t* cr, double x, double y, double w, double h, double r, Col body, Col rim) {
  RoundRect(cr, x, y, w, h, r);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  Col top = Lighter(body, 0.35), bottom = Darker(body, 0.08);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetSource(cr, rim);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // highlight along the top
  RoundRect(cr, x + 3, y + 2.5, w - 6, h * 0.38, r * 0.7);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
  cairo_fill(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, int points, double outer, double inner,
              double rotation) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    double a = rotation - M_PI / 2 + i * M_PI / points;
    double rad = (i % 2) ? inner : outer;
    double px = cx + rad * std::cos(a), py = cy + rad * std::sin(a);
    if (i == 0)
      cairo_move_to(cr, px, py);
    else
      cairo_line_to(cr, px, py);
  }
  cairo_close_path(cr);
}

void HeartPath(cairo_t* cr, double cx, double cy, double s) {
  cairo_new_sub_path(cr);
  cairo_move_to(cr, cx, cy + 0.45 * s);
  cairo_curve_to(cr, cx - 0.55 * s, cy + 0.05 * s, cx - 0.55 * s, cy - 0.45 * s, cx - 0.25 * s,
                 cy - 0.45 * s);
  cairo_curve_to(cr, cx - 0.08 * s, cy - 0.45 * s, cx, cy - 0.3 * s, cx, cy - 0.22 * s);
  cairo_curve_to(cr, cx, cy - 0.3 * s, cx + 0.08 * s, cy - 0.45 * s, cx + 0.25 * s, cy - 0.45 * s);
  cairo_curve_to(cr, cx + 0.55 * s, cy - 0.45 * s, cx + 0.55 * s, cy + 0.05 * s, cx,
                 cy + 0.45 * s);
  cairo_close_path(cr);
}

uint64_t Rng::Next() {
  uint64_t z = (s += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::Unit() { return (Next() >> 11) * (1.0 / 9007199254740992.0); }

int Rng::Int(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

static double Lattice(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / 16777215.0;
}

double ValueNoise(double x, double y, uint32_t seed, int period, int periodY) {
  if (periodY < 0) periodY = period;
  int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  double fx = x - x0, fy = y - y0;
  auto wrap = [](int v, int p) { return p > 0 ? ((v % p) + p) % p : v; };
  double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  int xa = wrap(x0, period), xb = wrap(x0 + 1, period), ya = wrap(y0, periodY), yb = wrap(y0 + 1, periodY);
  double a = Lattice(xa, ya, seed), b = Lattice(xb, ya, seed);
  double c = Lattice(xa, yb, seed), d = Lattice(xb, yb, seed);
  return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

double Fbm(double x, double y, uint32_t seed, int octaves, int period, int periodY) {
  if (periodY < 0) periodY = period;
  double sum = 0, amp = 0.5, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * ValueNoise(x, y, seed + i * 101, period, periodY);
    norm += amp;
    x *= 2;
    y *= 2;
    if (period > 0) period *= 2;
    if (periodY > 0) periodY *= 2;
    amp *= 0.5;
  }
  return sum / norm;
}

void CentredText(cairo_t* cr, const char* text, double cx, double cy, double size, Col c,
                 bool bold) {
  cairo_save(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, cy - e.height / 2 - e.y_bearing);
  SetSource(cr, c);
  cairo_show_text(cr, text);
  cairo_restore(cr);
}

}  // namespace art
