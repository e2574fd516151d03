// Rendering of stickers and cartoon strips, and the small drawing helpers of the clip art.
#include <algorithm>
#include <cmath>

#include "assets/clip_art.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_new_sub_path(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void Fill(cairo_t* cr, Col c, double alpha) {
  SetSource(cr, c, alpha);
  cairo_fill(cr);
}

void Stroke(cairo_t* cr, Col c, double width) {
  SetSource(cr, c);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void Outlined(cairo_t* cr, Col fill, double width) { OutlineFill(cr, fill, width); }

void Dot(cairo_t* cr, double x, double y, double r, Col c) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  Fill(cr, c);
}

void Eye(cairo_t* cr, double x, double y, double r) {
  Dot(cr, x, y, r, Ink());
  Dot(cr, x + r * 0.35, y - r * 0.35, r * 0.38, Hex(0xFFFFFF));
}

void Smile(cairo_t* cr, double x, double y, double w, double depth, double width) {
  cairo_move_to(cr, x - w / 2, y);
  cairo_curve_to(cr, x - w / 4, y + depth * 1.3, x + w / 4, y + depth * 1.3, x + w / 2, y);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void Cheek(cairo_t* cr, double x, double y, double r) {
  Ellipse(cr, x, y, r, r * 0.65);
  Fill(cr, Hex(0xFF8A8A), 0.55);
}

void Merged(cairo_t* cr, const std::vector<Part>& parts, double outline) {
  for (const Part& p : parts) {
    cairo_new_path(cr);
    p.path(cr);
    SetSource(cr, Ink());
    if (p.width > 0) {
      cairo_set_line_width(cr, p.width + 2 * outline);
      cairo_stroke(cr);
    } else {
      cairo_set_line_width(cr, 2 * outline);
      cairo_stroke_preserve(cr);
      cairo_fill(cr);
    }
  }
  for (const Part& p : parts) {
    cairo_new_path(cr);
    p.path(cr);
    SetSource(cr, p.colour);
    if (p.width > 0) {
      cairo_set_line_width(cr, p.width);
      cairo_stroke(cr);
    } else {
      cairo_fill(cr);
    }
  }
}

namespace {

void Prepare(cairo_t* cr) {
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
}

// Cairo keeps premultiplied 0xAARRGGBB words.
uint32_t Word(const Canvas& c, int x, int y) {
  const unsigned char* data = cairo_image_surface_get_data(c.surface);
  int stride = cairo_image_surface_get_stride(c.surface);
  return *reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride + 4 * x);
}

}  // namespace

namespace {

// The sticker drawn with its box moved to (ox, oy) of a canvas of w x h.
Canvas DrawSticker(const Sticker& s, int w, int h, int ox, int oy) {
  Canvas c = NewCanvas(w, h);
  Prepare(c.cr);
  cairo_translate(c.cr, ox, oy);
  s.draw(c.cr);
  cairo_surface_flush(c.surface);
  return c;
}

}  // namespace

Bounds StickerBounds(const Sticker& s) {
  // Drawn with room all round, so strokes that stray past the box are found too.
  const int m = std::max(s.w, s.h) / 2;
  Canvas c = DrawSticker(s, s.w + 2 * m, s.h + 2 * m, m, m);
  int x0 = c.w, y0 = c.h, x1 = -1, y1 = -1;
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x)
      if (Word(c, x, y) >> 24) {
        x0 = std::min(x0, x), y0 = std::min(y0, y);
        x1 = std::max(x1, x), y1 = std::max(y1, y);
      }
  FreeCanvas(c);
  if (x1 < 0) return {0, 0, s.w, s.h};
  return {x0 - m - 2, y0 - m - 2, x1 - x0 + 5, y1 - y0 + 5};
}

void RenderSticker(const Sticker& s, Image* picture, Image* mask) {
  Bounds b = StickerBounds(s);
  Canvas c = DrawSticker(s, b.w, b.h, -b.x, -b.y);
  *picture = Image(b.w, b.h);
  *mask = Image(b.w, b.h, {0, 0, 0});
  for (int y = 0; y < b.h; ++y)
    for (int x = 0; x < b.w; ++x) {
      uint32_t v = Word(c, x, y);
      int a = v >> 24;
      if (a == 0) continue;
      // The drop blends picture * a + canvas * (1 - a): the picture holds the straight colour.
      auto straight = [a](int p) { return static_cast<uint8_t>(std::min(255, (p * 255 + a / 2) / a)); };
      picture->Set(x, y, {straight((v >> 16) & 255), straight((v >> 8) & 255), straight(v & 255)});
      mask->Set(x, y, {static_cast<uint8_t>(a), static_cast<uint8_t>(a), static_cast<uint8_t>(a)});
    }
  FreeCanvas(c);
}

Image CartoonStrip(const Cartoon& k) {
  Canvas c = NewCanvas(k.w * k.frames, k.h);
  Prepare(c.cr);
  for (int f = 0; f < k.frames; ++f) {
    cairo_save(c.cr);
    cairo_rectangle(c.cr, f * k.w, 0, k.w, k.h);
    cairo_clip(c.cr);
    cairo_translate(c.cr, f * k.w, 0);
    k.draw(c.cr, f, k.frames);
    cairo_restore(c.cr);
  }
  // Hard edges: half-covered pixels are opaque and take their colour over the outline ink,
  // the rest is the key, so no pixel blends toward red.
  Image ink(1, 1, {0x3B, 0x2A, 0x1E});
  Image img = FlattenKeyed(c, ink, 0, 0, 128);
  FreeCanvas(c);
  return img;
}

}  // namespace art
