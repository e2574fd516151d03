// "head.avi", the intro: on the wooden desk a sheet of paper slides into place, the letters of
// the program's name drop onto it one by one in crayon colours, a brush paints a rainbow under
// them and stars twinkle. 512 x 384, 12 frames a second, 8-bit palettised frames.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "assets/avi_write.h"
#include "assets/gen_context.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

namespace {

constexpr int kW = 512, kH = 384, kFps = 12, kFrames = 54;
const char kName[] = "Colvane";
constexpr double kPaperX = 56, kPaperY = 62, kPaperW = 400, kPaperH = 260;

// Overshoots a little and settles: 0 -> 1.
double Settle(double t) {
  t = std::clamp(t, 0.0, 1.0);
  const double s = 1.9;
  const double u = t - 1;
  return 1 + u * u * ((s + 1) * u + s);
}
double Ease(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return 1 - (1 - t) * (1 - t);
}

Col LetterColour(int i) {
  const Col colours[] = {Cherry(), Orange(), Sun(), Leaf(), Sky(), Grape(), Cherry()};
  return colours[i % 7];
}

void Letter(cairo_t* cr, const char* glyph, double x, double baseline, double size, double scale, Col fill) {
  cairo_save(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, glyph, &e);
  const double cx = x + e.x_bearing + e.width / 2, cy = baseline + e.y_bearing + e.height / 2;
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, scale, scale);
  cairo_translate(cr, -cx, -cy);
  cairo_move_to(cr, x, baseline);
  cairo_text_path(cr, glyph);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_set_line_width(cr, 9);
  cairo_stroke_preserve(cr);
  SetSource(cr, fill);
  cairo_fill_preserve(cr);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// Where each letter stands when the name is centred on the paper.
std::vector<double> LetterPositions(double size, double* left) {
  Canvas c = NewCanvas(8, 8);
  cairo_select_font_face(c.cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(c.cr, size);
  std::vector<double> x;
  double at = 0;
  for (size_t i = 0; i < std::strlen(kName); ++i) {
    const char glyph[2] = {kName[i], 0};
    cairo_text_extents_t e;
    cairo_text_extents(c.cr, glyph, &e);
    x.push_back(at);
    at += e.x_advance + 2;
  }
  FreeCanvas(c);
  *left = kPaperX + (kPaperW - at) / 2;
  return x;
}

// The rainbow under the name, painted up to `progress` (0..1) of its length.
void Rainbow(cairo_t* cr, double progress, double* tipX, double* tipY) {
  const double x0 = kPaperX + 60, x1 = kPaperX + kPaperW - 60, y0 = kPaperY + 200;
  const Col bands[] = {Cherry(), Sun(), Sky()};
  auto wave = [&](double x) { return y0 + 8 * std::sin((x - x0) / (x1 - x0) * 2 * M_PI); };
  const double end = x0 + (x1 - x0) * progress;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 8);
  for (int b = 0; b < 3; ++b) {
    cairo_move_to(cr, x0, wave(x0) + (b - 1) * 8);
    for (double x = x0; x <= end; x += 4) cairo_line_to(cr, x, wave(x) + (b - 1) * 8);
    SetSource(cr, bands[b]);
    cairo_stroke(cr);
  }
  *tipX = end;
  *tipY = wave(end);
}

Image Frame(const Image& desk, double t) {
  Canvas c = NewCanvas(kW, kH);
  cairo_t* cr = c.cr;
  PaintImage(cr, desk, 0, 0);

  // the paper slides up from below the picture and settles with a small tilt
  const double slide = Settle(t / 0.8);
  cairo_save(cr);
  cairo_translate(cr, kW / 2.0, kPaperY + kPaperH / 2 + (1 - slide) * 340);
  cairo_rotate(cr, -0.03 * slide);
  cairo_translate(cr, -kW / 2.0, -(kPaperY + kPaperH / 2));
  SoftShadow(cr, kPaperX, kPaperY, kPaperW, kPaperH, 6, 4, 6, 10, 0.35);
  RoundRect(cr, kPaperX, kPaperY, kPaperW, kPaperH, 6);
  SetSource(cr, Hex(0xFFFDF6));
  cairo_fill(cr);

  // the letters drop in one after another
  const double size = 84;
  double left = 0;
  const std::vector<double> xs = LetterPositions(size, &left);
  for (size_t i = 0; i < xs.size(); ++i) {
    const double start = 0.7 + 0.2 * i;
    if (t < start) break;
    const double k = Settle((t - start) / 0.45);
    const char glyph[2] = {kName[i], 0};
    Letter(cr, glyph, left + xs[i], kPaperY + 160 - (1 - k) * 150, size, 0.4 + 0.6 * k, LetterColour(static_cast<int>(i)));
  }

  // a brush paints the rainbow under the name
  if (t >= 2.2) {
    double tipX = 0, tipY = 0;
    Rainbow(cr, Ease((t - 2.2) / 1.0), &tipX, &tipY);
    if (t < 3.6) {
      const double lift = std::max(0.0, (t - 3.2) / 0.4) * 60;
      DrawPic(cr, Pic::Brush, tipX - PicTip(Pic::Brush).x * 0.7, tipY - PicTip(Pic::Brush).y * 0.7 - lift, 70,
              Sky());
    }
  }
  // stars twinkle around the name, and a greeting appears
  if (t >= 3.0) {
    const double stars[][3] = {{92, 96, 13}, {420, 88, 11}, {108, 280, 10}, {404, 276, 14}, {250, 72, 9}};
    for (int i = 0; i < 5; ++i) {
      const double k = Settle((t - 3.0 - 0.12 * i) / 0.4);
      if (k <= 0) continue;
      const double r = stars[i][2] * k * (1 + 0.15 * std::sin(t * 9 + i));
      StarPath(cr, stars[i][0], stars[i][1], 5, r, r * 0.45, t * 0.8 + i);
      OutlineFill(cr, LetterColour(i + 2), 2);
    }
  }
  if (t >= 3.4) {
    cairo_save(cr);
    cairo_push_group(cr);
    CentredText(cr, "Let's paint!", kW / 2.0, kPaperY + 236, 22, Ink());
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, Ease((t - 3.4) / 0.5));
    cairo_restore(cr);
  }
  cairo_restore(cr);
  Image img = Flatten(c);
  FreeCanvas(c);
  return img;
}

}  // namespace

void MakeIntroVideo(Gen& g) {
  const Image desk = WoodTexture(kW, kH, 2024);
  std::vector<Image> pictures;
  for (int f = 0; f < kFrames; ++f) pictures.push_back(Frame(desk, static_cast<double>(f) / kFps));
  const std::vector<Rgb> palette = ChoosePalette(pictures);
  std::vector<std::vector<uint8_t>> frames;
  for (const Image& p : pictures) frames.push_back(IndexPicture(p, palette));
  g.Check(WriteFile(g.ProgramPath("head.avi"), EncodeAvi8(kW, kH, kFps, palette, frames)), "head.avi");
  // a look at the intro without a player: its last frame
  g.Check(WritePng(g.root + "/preview/intro.png", pictures.back()), "intro.png");
}

}  // namespace art
