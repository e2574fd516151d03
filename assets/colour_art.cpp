// The colour panel: COLOR (swatch well, sockets for the 16 colour boxes, the size track),
// the size-bar thumb and the two colour page buttons.
#include <cmath>

#include "assets/button_tiles.h"
#include "assets/gen_context.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

namespace {

// Left of the thumb at size slot 0 and 48, plus half its width: the centre's travel.
constexpr int kTrackL = kSizeMin + kThumbW / 2, kTrackR = kSizeMax + kThumbW / 2;

Image Panel() {
  Canvas c = NewCanvas(kColourW, kColourH);
  cairo_t* cr = c.cr;
  PaintFelt(cr, 0, 0, kColourW, kColourH);
  RoundRect(cr, 0.5, 0.5, kColourW - 1, kColourH - 1, 7);
  SetSource(cr, Cream());
  cairo_fill_preserve(cr);
  SetSource(cr, CreamRim());
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // the swatch well where the two current colours are shown
  RoundRect(cr, 1.5, 1.5, kSwatch - 2, kSwatch - 2, 5);
  SetSource(cr, Hex(0xE9DCC3));
  cairo_fill_preserve(cr);
  SetSource(cr, Hex(0xB89A70));
  cairo_stroke(cr);
  // sockets of the 16 boxes
  for (int i = 0; i < 16; ++i) {
    double x = kBoxX + (i % 8) * kBoxDx, y = kBoxY + (i / 8) * kBoxDy;
    RoundRect(cr, x - 2.5, y - 2.5, kBoxW + 6, kBoxH + 6, 4);
    SetSource(cr, Hex(0xE9DCC3));
    cairo_fill_preserve(cr);
    SetSource(cr, Hex(0xB89A70));
    cairo_stroke(cr);
  }
  // the size track: a wedge from thin to thick under the thumb's travel
  double y = kColourH - 11;
  cairo_move_to(cr, kTrackL, y - 1);
  cairo_line_to(cr, kTrackR, y - 6);
  cairo_arc(cr, kTrackR, y, 6, -M_PI / 2, M_PI / 2);
  cairo_line_to(cr, kTrackL, y + 1);
  cairo_close_path(cr);
  SetSource(cr, Hex(0x8C7A64));
  cairo_fill(cr);
  // before the track's thin end, dots of three sizes, clear of the thumb even at size 0
  // (its left edge is then at kSizeMin)
  const double dotX[] = {5.5, 14, 25.5}, dotR[] = {1.6, 3.0, 4.6};
  static_assert(25.5 + 4.6 + 2 < kSizeMin, "the thumb would cover the largest dot");
  for (int k = 0; k < 3; ++k) {
    cairo_arc(cr, dotX[k], y, dotR[k], 0, 2 * M_PI);
    SetSource(cr, Hex(0x8C7A64));
    cairo_fill(cr);
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

// The thumb: a rounded pointer with a dot, red-keyed with hard edges (it slides over the track).
Image Thumb(const Image& panel) {
  Canvas c = NewCanvas(kThumbW, kThumbH);
  cairo_t* cr = c.cr;
  double w = kThumbW, h = kThumbH;
  cairo_move_to(cr, w / 2, 0.8);
  cairo_line_to(cr, w - 1, 6);
  cairo_line_to(cr, w - 1, h - 4);
  cairo_arc(cr, w - 4, h - 4, 3, 0, M_PI / 2);
  cairo_line_to(cr, 4, h - 1);
  cairo_arc(cr, 4, h - 4, 3, M_PI / 2, M_PI);
  cairo_line_to(cr, 1, 6);
  cairo_close_path(cr);
  OutlineFill(cr, Cherry(), 1.6);
  cairo_arc(cr, w / 2, h / 2 + 2, 2.5, 0, 2 * M_PI);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_fill(cr);
  Image img = FlattenKeyed(c, panel, kSizeMin, kColourH - kThumbH, 128);
  FreeCanvas(c);
  return img;
}

// Page button pair (normal | pressed), drawn over the panel's own pixels at its position.
Image PageButtons(const Image& panel, int py, bool up) {
  Canvas c = NewCanvas(2 * kColourPageW, kColourPageH);
  cairo_t* cr = c.cr;
  for (int half = 0; half < 2; ++half) {
    PaintImage(cr, Crop(panel, kPageUpX, py, kColourPageW, kColourPageH), half * kColourPageW, 0);
    bool pressed = half == 1;
    double x = half * kColourPageW + 1, y = pressed ? 2 : 1, w = kColourPageW - 2, h = kColourPageH - 3;
    if (!pressed) {
      RoundRect(cr, x, y + 1.5, w, h, 5);
      cairo_set_source_rgba(cr, 0.3, 0.2, 0.1, 0.35);
      cairo_fill(cr);
    }
    Tile(cr, x, y, w, h, 5, pressed ? Hex(0x7FC3F0) : Hex(0xA8D8F7), Hex(0x3F7FB0));
    double cx = x + w / 2, cy = y + h / 2;
    double s = up ? -1 : 1;
    cairo_move_to(cr, cx, cy + s * 5);
    cairo_line_to(cr, cx - 5, cy - s * 2.5);
    cairo_line_to(cr, cx + 5, cy - s * 2.5);
    cairo_close_path(cr);
    OutlineFill(cr, Hex(0xFFFFFF), 1.4);
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

}  // namespace

void MakeColourPanel(Gen& g) {
  Image panel = Panel();
  std::string colour = g.Bitmap("colours.bmp", panel);
  std::string thumb = g.Bitmap("sizebar.bmp", Thumb(panel));
  std::string up = g.Bitmap("colourpage_up.bmp", PageButtons(panel, kPageUpY, true));
  std::string down = g.Bitmap("colourpage_down.bmp", PageButtons(panel, kPageDownY, false));
  for (int v : {800, 640}) {
    std::string s = Section(PlanFor(v));
    g.ini.Set(s, "COLOR", colour);
    g.ini.Set(s, "sizebar", thumb);
    g.ini.Set(s, "colorpageup", up);
    g.ini.Set(s, "colorpagedown", down);
  }
}

}  // namespace art
