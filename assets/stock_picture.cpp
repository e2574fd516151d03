// "STOCK": the friendly picture of the program-group dialog, 148 x 300 at 8 bits per pixel,
// painted in full colour and reduced to its own 256 colours by median cut.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "assets/gen_context.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

namespace {

constexpr int kW = 148, kH = 300;

Image Painting() {
  Canvas c = NewCanvas(kW, kH);
  cairo_t* cr = c.cr;
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kH);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.55, 0.80, 0.98);
  cairo_pattern_add_color_stop_rgb(sky, 0.55, 0.93, 0.96, 1.0);
  cairo_pattern_add_color_stop_rgb(sky, 0.56, 0.89, 0.70, 0.45);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.76, 0.52, 0.28);
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);
  // sun and a rainbow behind the easel
  cairo_arc(cr, 122, 28, 16, 0, 2 * M_PI);
  OutlineFill(cr, Sun(), 1.5);
  const Col bands[] = {Cherry(), Orange(), Sun(), Leaf(), Sky(), Grape()};
  for (int i = 0; i < 6; ++i) {
    cairo_arc(cr, 74, 150, 98 - i * 7, M_PI * 1.05, M_PI * 1.95);
    SetSource(cr, bands[i]);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
  }
  // the easel
  cairo_set_line_width(cr, 7);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (auto [x0, x1] : {std::pair{56.0, 30.0}, {92.0, 118.0}, {74.0, 74.0}}) {
    cairo_move_to(cr, x0, 60);
    cairo_line_to(cr, x1, 230);
    SetSource(cr, Ink());
    cairo_set_line_width(cr, 8);
    cairo_stroke_preserve(cr);
    SetSource(cr, Hex(0xC98A4B));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
  }
  // the picture on it: a house under a tree on a green hill
  cairo_rectangle(cr, 26, 70, 96, 84);
  OutlineFill(cr, Hex(0xFFFFFF), 2.5);
  cairo_rectangle(cr, 28, 72, 92, 80);
  cairo_clip(cr);
  cairo_arc(cr, 74, 190, 70, 0, 2 * M_PI);
  SetSource(cr, Hex(0x7CCB5E));
  cairo_fill(cr);
  cairo_rectangle(cr, 40, 104, 34, 26);
  OutlineFill(cr, Hex(0xFFE08A), 1.5);
  cairo_move_to(cr, 35, 106);
  cairo_line_to(cr, 57, 86);
  cairo_line_to(cr, 79, 106);
  cairo_close_path(cr);
  OutlineFill(cr, Cherry(), 1.5);
  cairo_rectangle(cr, 52, 114, 9, 16);
  OutlineFill(cr, Hex(0x8A5A32), 1.2);
  cairo_rectangle(cr, 96, 104, 5, 22);
  SetSource(cr, Hex(0x8A5A32));
  cairo_fill(cr);
  cairo_arc(cr, 98, 98, 12, 0, 2 * M_PI);
  OutlineFill(cr, Leaf(), 1.5);
  cairo_reset_clip(cr);
  cairo_rectangle(cr, 20, 154, 108, 8);
  OutlineFill(cr, Hex(0xC98A4B), 2);
  // a palette and brushes in a jar at the easel's foot
  cairo_save(cr);
  cairo_translate(cr, 46, 250);
  cairo_scale(cr, 1.3, 0.8);
  cairo_arc(cr, 0, 0, 26, 0, 2 * M_PI);
  cairo_restore(cr);
  OutlineFill(cr, Hex(0xE9B46E), 2);
  const Col blobs[] = {Cherry(), Sun(), Leaf(), Sky()};
  for (int i = 0; i < 4; ++i) {
    cairo_arc(cr, 26 + i * 13, 246 + (i % 2) * 6, 5, 0, 2 * M_PI);
    OutlineFill(cr, blobs[i], 1.2);
  }
  // a glass jar: its back, the brushes standing in it, then the glass in front
  RoundRect(cr, 100, 236, 34, 40, 5);
  cairo_set_source_rgba(cr, 0.75, 0.9, 1.0, 1.0);
  cairo_fill(cr);
  DrawPic(cr, Pic::Brush, 96, 212, 50, Hex(0x3D7FE0));
  DrawPic(cr, Pic::Pencil, 106, 218, 44, Hex(0x4A4A4A));
  RoundRect(cr, 100, 236, 34, 40, 5);
  cairo_set_source_rgba(cr, 0.75, 0.9, 1.0, 0.55);
  cairo_fill_preserve(cr);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  Image img = Flatten(c);
  FreeCanvas(c);
  return img;
}

struct Box {
  int begin, end;  // range of the pixel list
};

// Median cut: split the box with the widest channel range at its median until there are
// `count` boxes; each box's mean colour is a palette entry.
std::vector<Rgb> MedianCut(std::vector<Rgb> px, size_t count) {
  std::vector<Box> boxes = {{0, static_cast<int>(px.size())}};
  auto range = [&](const Box& b, int& channel) {
    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
    for (int i = b.begin; i < b.end; ++i) {
      const uint8_t v[3] = {px[i].r, px[i].g, px[i].b};
      for (int k = 0; k < 3; ++k) {
        lo[k] = std::min(lo[k], static_cast<int>(v[k]));
        hi[k] = std::max(hi[k], static_cast<int>(v[k]));
      }
    }
    channel = 0;
    for (int k = 1; k < 3; ++k)
      if (hi[k] - lo[k] > hi[channel] - lo[channel]) channel = k;
    return hi[channel] - lo[channel];
  };
  while (boxes.size() < count) {
    int best = -1, bestRange = 0, channel = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      int ch, r = range(boxes[i], ch);
      if (r > bestRange && boxes[i].end - boxes[i].begin > 1) {
        best = static_cast<int>(i);
        bestRange = r;
        channel = ch;
      }
    }
    if (best < 0) break;
    Box b = boxes[best];
    auto key = [channel](const Rgb& c) {
      const uint8_t v[3] = {c.r, c.g, c.b};
      return (static_cast<uint32_t>(v[channel]) << 24) | (c.r << 16) | (c.g << 8) | c.b;
    };
    std::sort(px.begin() + b.begin, px.begin() + b.end,
              [&](const Rgb& a, const Rgb& c) { return key(a) < key(c); });
    int mid = (b.begin + b.end) / 2;
    boxes[best] = {b.begin, mid};
    boxes.push_back({mid, b.end});
  }
  std::vector<Rgb> pal;
  for (const Box& b : boxes) {
    int64_t sum[3] = {0, 0, 0};
    for (int i = b.begin; i < b.end; ++i) {
      sum[0] += px[i].r;
      sum[1] += px[i].g;
      sum[2] += px[i].b;
    }
    int64_t n = std::max(1, b.end - b.begin);
    pal.push_back({static_cast<uint8_t>(sum[0] / n), static_cast<uint8_t>(sum[1] / n),
                   static_cast<uint8_t>(sum[2] / n)});
  }
  while (pal.size() < 256) pal.push_back({0, 0, 0});
  return pal;
}

}  // namespace

void WriteStock(Gen& g) {
  Image img = Painting();
  std::vector<Rgb> px;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) px.push_back(img.Get(x, y));
  std::vector<Rgb> pal = MedianCut(px, 256);
  std::vector<uint8_t> index(static_cast<size_t>(kW) * kH);
  for (size_t i = 0; i < px.size(); ++i) {
    int best = 0, bestD = 1 << 30;
    for (int k = 0; k < 256; ++k) {
      int dr = px[i].r - pal[k].r, dg = px[i].g - pal[k].g, db = px[i].b - pal[k].b;
      int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
      if (d < bestD) {
        bestD = d;
        best = k;
      }
    }
    index[i] = static_cast<uint8_t>(best);
  }
  g.Check(WriteBmp8(g.ResPath("stock.bmp"), kW, kH, index, pal), "stock.bmp");
}

}  // namespace art
