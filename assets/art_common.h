// Shared pieces of the art generator: RGB images, Cairo surfaces, colours, noise and the red key.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace art {

// Pure red is the transparent key of screen art; opaque art must never produce it by accident.
constexpr uint8_t kKeyR = 255, kKeyG = 0, kKeyB = 0;

struct Rgb {
  uint8_t r, g, b;
};

// A 24-bit picture, rows top-down, three bytes per pixel in red, green, blue order.
struct Image {
  int w = 0, h = 0;
  std::vector<uint8_t> px;
  Image() = default;
  Image(int width, int height, Rgb fill = {255, 255, 255});
  uint8_t* At(int x, int y) { return &px[(static_cast<size_t>(y) * w + x) * 3]; }
  const uint8_t* At(int x, int y) const { return &px[(static_cast<size_t>(y) * w + x) * 3]; }
  Rgb Get(int x, int y) const;
  void Set(int x, int y, Rgb c);
};

// A colour given as 0xRRGGBB and its channels for Cairo (0..1).
struct Col {
  double r, g, b;
};
Col Hex(uint32_t rrggbb);
Col Mix(Col a, Col b, double t);
Col Lighter(Col c, double t);  // towards white
Col Darker(Col c, double t);   // towards black
void SetSource(cairo_t* cr, Col c, double alpha = 1.0);

// An ARGB drawing surface with its context; Free releases both.
struct Canvas {
  cairo_surface_t* surface = nullptr;
  cairo_t* cr = nullptr;
  int w = 0, h = 0;
};
Canvas NewCanvas(int w, int h);
void FreeCanvas(Canvas& c);

// Surface <-> image. Flatten composites the surface over white (opaque art).
Image Flatten(const Canvas& c);
// Keyed: pixels whose alpha is below `threshold` become the red key, every other pixel is
// composited over `under` (taken at offset ux, uy), so soft edges blend into the real
// background the art will lie on and never into red.
Image FlattenKeyed(const Canvas& c, const Image& under, int ux, int uy, int threshold = 1);
// Paints an image onto a canvas at (x, y).
void PaintImage(cairo_t* cr, const Image& img, double x, double y);
Image Crop(const Image& img, int x, int y, int w, int h);
void Blit(Image& dst, const Image& src, int x, int y);
// Turns every accidental pure red into (254, 0, 0).
void AvoidKey(Image& img);

// Rounded rectangle path.
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
// A soft drop shadow of a rounded rectangle (several widening, fading passes).
void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double r, double dx,
                double dy, double spread, double strength);
// A glossy rounded tile: gradient body, rim, top highlight.
void Tile(cairo_t* cr, double x, double y, double w, double h, double r, Col body, Col rim);
// Star path with n points.
void StarPath(cairo_t* cr, double cx, double cy, int points, double outer, double inner,
              double rotation);
// Heart path centred at (cx, cy) with size s.
void HeartPath(cairo_t* cr, double cx, double cy, double s);

// Deterministic PRNG (splitmix64).
struct Rng {
  uint64_t s;
  explicit Rng(uint64_t seed) : s(seed) {}
  uint64_t Next();
  double Unit();  // [0, 1)
  double Range(double a, double b) { return a + (b - a) * Unit(); }
  int Int(int n);  // [0, n)
};

// Smooth value noise, periodic with the given periods (in lattice cells) when they are > 0;
// a negative periodY repeats periodX.
double ValueNoise(double x, double y, uint32_t seed, int period, int periodY = -1);
// Fractal sum of octaves, result roughly in [0, 1].
double Fbm(double x, double y, uint32_t seed, int octaves, int period, int periodY = -1);

// Draws text centred at (cx, cy) with a bold sans face.
void CentredText(cairo_t* cr, const char* text, double cx, double cy, double size, Col c,
                 bool bold = true);

}  // namespace art
