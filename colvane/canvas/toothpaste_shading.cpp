// HLS conversions for the toothpaste shading.
#include "colvane/canvas/toothpaste_shading.h"

#include <cmath>

#include "colvane/canvas/pixel_view.h"

void HueAndSaturation(uint32_t colour, double* hue, double* saturation) {
  double r = RedOf(colour) * 0.00392156862745098;
  double g = GreenOf(colour) * 0.00392156862745098;
  double b = BlueOf(colour) * 0.00392156862745098;
  double mx = std::fmax(r, std::fmax(g, b));
  double mn = std::fmin(r, std::fmin(g, b));
  double lightness = (mx + mn) * 0.5;
  if (mx == mn) {
    *hue = 0;
    *saturation = 0;
    return;
  }
  double delta = mx - mn;
  *saturation = lightness < 0.5 ? delta / (mx + mn) : delta / (2.0 - mx - mn);
  double h;
  if (r == mx)
    h = (g - b) / delta;
  else if (g == mx)
    h = 2.0 + (b - r) / delta;
  else
    h = 4.0 + (r - g) / delta;
  h *= 0.16666666666666666;
  if (h < 0) h += 1;
  *hue = h;
}

// One channel of the HLS to RGB conversion.
static double HlsValue(double m1, double m2, double t) {
  if (t < 0) t += 1;
  if (t > 1) t -= 1;
  if (6 * t < 1) return m1 + (m2 - m1) * 6 * t;
  if (2 * t < 1) return m2;
  if (3 * t < 2) return m1 + (m2 - m1) * (0.6666666666666666 - t) * 6;
  return m1;
}

uint32_t ShadeToothpaste(double fx, double fy, double radius, double hue, double saturation) {
  // Surface normal of a sphere of radius h inside the disc, flat at its rim and beyond.
  double d = std::sqrt(fx * fx + fy * fy);
  double nx, ny, nz;
  if (d < radius) {
    nx = fx / radius;
    ny = fy / radius;
    double z2 = 1 - nx * nx - ny * ny;
    nz = z2 > 0 ? std::sqrt(z2) : 0;
  } else {
    nx = fx / d;
    ny = fy / d;
    nz = 0;
  }
  // Light from (-1, -1, 1) / sqrt 3.
  double l = nz * 0.5773502691896258 + (nx + ny) * -0.5773502691896258;
  if (l < 0) l = 0;
  if (l > 1) l = 1;
  double r, g, b;
  if (saturation == 0) {
    r = g = b = l;
  } else {
    double m2 = l <= 0.5 ? l * (1 + saturation) : l + saturation - l * saturation;
    double m1 = 2 * l - m2;
    r = HlsValue(m1, m2, hue + 0.3333333333333333);
    g = HlsValue(m1, m2, hue);
    b = HlsValue(m1, m2, hue - 0.3333333333333333);
  }
  return MakeColour(static_cast<uint8_t>(r * 255.0), static_cast<uint8_t>(g * 255.0),
                    static_cast<uint8_t>(b * 255.0));
}
