// Shape vertices, polygon outlines, region fills and the ellipse.
#include "colvane/canvas/shapes.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "colvane/canvas/dab_modes.h"

namespace {

// The pixels of box (right and bottom exclusive) as a repaint rectangle.
inline ChangedRect Changed(const ClipRect& box) {
  if (box.left >= box.right || box.top >= box.bottom) return {};
  return {1, box.left, box.top, box.right - 1, box.bottom - 1};
}

// Angles and radii (as fractions of r) of vertices 1.. of shapes 2-6; vertex 0 is the point.
// The angles are these literal values, not multiples of pi computed here: the rounding of the
// vertices depends on them.
struct VertexSpec {
  double angle, radius;
};

const double kInnerFive =
    std::sin(0.9424777960770001) - std::cos(0.9424777960770001) * std::tan(0.628318530718);

const VertexSpec kTriangle[] = {{2.0943951023933334, 1}, {4.188790204786667, 1}};
const VertexSpec kPentagon[] = {
    {1.256637061436, 1}, {2.513274122872, 1}, {3.7699111843080004, 1}, {5.026548245744, 1}};
const VertexSpec kHexagon[] = {{1.0471975511966667, 1}, {2.0943951023933334, 1}, {3.14159265359, 1},
                               {4.188790204786667, 1}, {5.2359877559833325, 1}};
const VertexSpec kFourStar[] = {{0.7853981633975, 0.25}, {1.570796326795, 1},
                                {2.3561944901925003, 0.25}, {3.14159265359, 1},
                                {3.9269908169875, 0.25}, {4.7123889803850005, 1},
                                {5.4977871437825, 0.25}};
const VertexSpec kFiveStar[] = {{0.628318530718, kInnerFive},     {1.256637061436, 1},
                                {1.8849555921540002, kInnerFive}, {2.513274122872, 1},
                                {3.14159265359, kInnerFive},      {3.7699111843080004, 1},
                                {4.398229715026001, kInnerFive},  {5.026548245744, 1},
                                {5.654866776462001, kInnerFive}};

// trunc() toward zero, held to the int range.
inline int TruncToInt(double v) {
  if (!(v > -2147483648.0)) return std::numeric_limits<int>::min();
  if (v > 2147483647.0) return std::numeric_limits<int>::max();
  return static_cast<int>(v);
}

// One axis term of (x − cx)²/a² + (y − cy)²/b². An axis of 0 is a flat ellipse, the segment
// along the other axis: points on it are inside, every other point is infinitely far out.
inline double AxisTerm(double d, double a) {
  if (a == 0) return d == 0 ? 0 : std::numeric_limits<double>::infinity();
  return d * d / (a * a);
}

inline double EllipseValue(double dx, double dy, double a, double b) {
  return AxisTerm(dx, a) + AxisTerm(dy, b);
}

// Distance of the pixel at offset (dx, dy) from the centre line of the ellipse with semi-axes
// (rx, ry): the radial distance |r − R| to the centre line along the ray, tilted toward the
// normal by cos(atan(dy·rx² / (dx·ry²)) − atan(dy / dx)). Flat ellipses take the limits of the
// formulas: on the axis of a segment R is its half length, beside it R is 0 and the tilt turns
// r into the distance from the segment's line.
double CentreLineDistance(double dx, double dy, double rx, double ry) {
  if (dx == 0 && dy == 0) return std::min(rx, ry);
  double r = std::sqrt(dx * dx + dy * dy);
  double den = dx * dx * ry * ry + dy * dy * rx * rx;
  double R = den == 0 ? (dx == 0 ? ry : rx) : std::sqrt(rx * rx * ry * ry * r * r / den);
  double d = std::fabs(r - R);
  if (dx != 0) {
    // atan(a / b) with b = dx·ry²: the sign of dx moved into the numerator keeps b >= 0, so a
    // zero ry gives ±pi/2 and 0/0 gives 0 instead of a division by zero.
    double normal = std::atan2(dy * rx * rx * (dx > 0 ? 1 : -1), std::fabs(dx) * ry * ry);
    d *= std::cos(normal - std::atan(dy / dx));
  }
  return d;
}

}  // namespace

int ShapeVertices(int shape, CanvasPoint anchor, CanvasPoint point, CanvasPoint* out) {
  if (shape == 1) {
    out[0] = anchor;
    out[1] = {anchor.x, point.y};
    out[2] = point;
    out[3] = {point.x, anchor.y};
    return 4;
  }
  const VertexSpec* spec = nullptr;
  int count = 0;
  switch (shape) {
    case 2: spec = kTriangle; count = 3; break;
    case 3: spec = kPentagon; count = 5; break;
    case 4: spec = kHexagon; count = 6; break;
    case 5: spec = kFourStar; count = 8; break;
    case 6: spec = kFiveStar; count = 10; break;
    default: return 0;
  }
  double px = static_cast<double>(point.x) - anchor.x, py = static_cast<double>(point.y) - anchor.y;
  double r = std::sqrt(px * px + py * py);
  if (r == 0) return 0;
  double u = px / r, v = py / r;
  out[0] = point;
  for (int k = 1; k < count; ++k) {
    double a = spec[k - 1].angle, rho = spec[k - 1].radius * r;
    out[k] = {TruncToInt(anchor.x + rho * (std::cos(a) * u - std::sin(a) * v)),
              TruncToInt(anchor.y + rho * (std::sin(a) * u + std::cos(a) * v))};
  }
  return count;
}

DabSink BrushOutlineDab(BrushOutline* outline) {
  auto lay = [](void* context, double x, double y, int textured) {
    BrushOutline* o = static_cast<BrushOutline*>(context);
    StrokeTarget target = o->target;
    if (!textured) target.texture = nullptr;
    Dab(o->state, *o->masks, target, x, y);
  };
  return {lay, outline};
}

void StepEdge(CanvasPoint* previous, CanvasPoint next, double spacing, double* carried,
              const ClipMask& clip, const DabSink& dab) {
  CanvasPoint p = *previous;
  *previous = next;
  if (p.x == next.x && p.y == next.y) {
    dab.lay(dab.context, p.x, p.y, 1);
    *carried = 0;
    return;
  }
  double dx = static_cast<double>(next.x) - p.x, dy = static_cast<double>(next.y) - p.y;
  double d = std::sqrt(dx * dx + dy * dy);
  if (!(spacing > 0)) return;  // a size without spacing lays no dabs along edges
  if (*carried + d < spacing) {
    *carried += d;
    return;
  }
  double n = std::trunc((*carried + d) / spacing);
  double bx = p.x - dx * *carried / d, by = p.y - dy * *carried / d;
  double sx = dx * spacing / d, sy = dy * spacing / d;
  // Only steps whose centre can lie on the clip's box are tried: an edge far off the canvas
  // costs nothing however many steps it has.
  ClipRect box = clip.Bounds();
  double first = 1, last = n;
  auto limit = [&first, &last](double base, double step, double lo, double hi) {
    if (step > 0) {
      first = std::max(first, std::floor((lo - base) / step));
      last = std::min(last, std::ceil((hi - base) / step));
    } else if (step < 0) {
      first = std::max(first, std::floor((hi - base) / step));
      last = std::min(last, std::ceil((lo - base) / step));
    } else if (base < lo || base > hi) {
      last = 0;
    }
  };
  limit(bx, sx, box.left - 1.0, box.right + 1.0);
  limit(by, sy, box.top - 1.0, box.bottom + 1.0);
  for (double k = first; k <= last; ++k) {
    double x = bx + k * sx, y = by + k * sy;
    if (clip.Contains(TruncToInt(x), TruncToInt(y))) dab.lay(dab.context, x, y, 0);
  }
  *carried = (*carried + d) - n * spacing;
}

void DrawPolygonOutline(const CanvasPoint* vertices, int count, double spacing, double* carried,
                        const ClipMask& clip, const DabSink& dab) {
  if (count <= 0) return;
  *carried = 0;
  CanvasPoint previous = vertices[0];
  for (int i = 0; i < count; ++i) StepEdge(&previous, vertices[i], spacing, carried, clip, dab);
  StepEdge(&previous, vertices[0], spacing, carried, clip, dab);
}

ChangedRect FillRegion(PixelView* canvas, const ClipMask& clip, const ClipMask& region, uint32_t colour) {
  ClipRect box = region.Bounds();
  box.right = std::min({box.right, canvas->width, clip.Width()});
  box.bottom = std::min({box.bottom, canvas->height, clip.Height()});
  if (box.left >= box.right || box.top >= box.bottom) return {};
  const uint8_t b = BlueOf(colour), g = GreenOf(colour), r = RedOf(colour);
  for (int y = box.top; y < box.bottom; ++y) {
    uint8_t* row = canvas->Row(y);
    for (int x = box.left; x < box.right; ++x) {
      if (!region.Contains(x, y) || !clip.Contains(x, y)) continue;
      row[3 * x] = b;
      row[3 * x + 1] = g;
      row[3 * x + 2] = r;
    }
  }
  return Changed(box);
}

ChangedRect DrawEllipse(PixelView* canvas, const ClipMask& clip, const EllipseDrawing& e) {
  const double hw = std::max((static_cast<double>(e.size) - 2) / 2, 1.0);
  const double rx = std::fabs(static_cast<double>(e.x1) - e.x0) / 2;
  const double ry = std::fabs(static_cast<double>(e.y1) - e.y0) / 2;
  const double cx = (static_cast<double>(e.x0) + e.x1) / 2;
  const double cy = (static_cast<double>(e.y0) + e.y1) / 2;
  const double fringe = 1.2;
  const double minAxis = std::min(rx, ry);
  // The visit reaches trunc(hw) + 2 beyond the box, held to the canvas.
  const int64_t reach = static_cast<int64_t>(std::min(hw, 1e9)) + 2;
  const int64_t width = std::min(canvas->width, clip.Width());
  const int64_t height = std::min(canvas->height, clip.Height());
  const int left = static_cast<int>(std::max<int64_t>(std::min(e.x0, e.x1) - reach, 0));
  const int top = static_cast<int>(std::max<int64_t>(std::min(e.y0, e.y1) - reach, 0));
  const int right = static_cast<int>(std::min<int64_t>(std::max(e.x0, e.x1) + reach, width - 1));
  const int bottom = static_cast<int>(std::min<int64_t>(std::max(e.y0, e.y1) + reach, height - 1));
  if (left > right || top > bottom) return {};
  const uint8_t fg[3] = {BlueOf(e.colour), GreenOf(e.colour), RedOf(e.colour)};
  for (int x = left; x <= right; ++x)
    for (int y = top; y <= bottom; ++y) {
      if (!clip.Contains(x, y)) continue;
      const double dx = x - cx, dy = y - cy;
      double D;
      if (e.filled && EllipseValue(dx, dy, rx, ry) <= 1) {
        D = 0;
      } else if (EllipseValue(dx, dy, rx + hw, ry + hw) < 1 &&
                 (minAxis < hw || EllipseValue(dx, dy, rx - hw, ry - hw) > 1)) {
        D = 0;
      } else {
        if (EllipseValue(dx, dy, rx + hw + fringe, ry + hw + fringe) > 1) continue;
        if (minAxis > hw + 2 && EllipseValue(dx, dy, rx - hw - 2, ry - hw - 2) < 1) continue;
        D = CentreLineDistance(dx, dy, rx, ry);
      }
      uint8_t* p = canvas->At(x, y);
      if (D <= hw) {
        for (int c = 0; c < 3; ++c) p[c] = fg[c];
      } else if (D < hw + fringe) {
        // The fringe fades out over 1.2 pixels: w is the weight of the old pixel, in 128ths.
        int w = static_cast<int>((D - hw) * (128 / 1.2));
        for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>((fg[c] * (128 - w) + p[c] * w) >> 7);
      }
    }
  return {1, left, top, right, bottom};
}
