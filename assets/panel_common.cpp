// Tool option panels: the card, the button faces and the helpers the panel pictures share.
#include "assets/panel_common.h"

#include <cmath>

#include "assets/button_tiles.h"
#include "assets/theme.h"

namespace art {

Image RenderPanel(const PanelLayout& layout, bool selected, const PanelIcon& icon,
                  const PanelExtra& extra) {
  Canvas c = NewCanvas(kPanelW, kPanelH);
  cairo_t* cr = c.cr;
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  PaintFelt(cr, 0, 0, kPanelW, kPanelH);
  RoundRect(cr, 0.5, 0.5, kPanelW - 1, kPanelH - 1, 8);
  SetSource(cr, Cream());
  cairo_fill_preserve(cr);
  SetSource(cr, CreamRim());
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (extra) extra(cr, selected);
  for (const PanelButton& b : layout.buttons) {
    Rc r = b.rect;
    std::string name = b.name;
    // shape slots and the stamp window show pictures the program draws into them
    if (name == "POLY_1" || name == "POLY_2" || name == "POLY_3" || name == "HEAP_SELECT") {
      Well(cr, r, selected);
    } else {
      RoundRect(cr, r.x + 0.5, r.y + 2, r.w - 1, r.h - 1.5, 8);
      cairo_set_source_rgba(cr, 0.35, 0.22, 0.08, 0.3);
      cairo_fill(cr);
      Col body = selected ? Hex(0xFFE27A) : Hex(0xFFFFFF);
      Col rim = selected ? Hex(0xE0A21B) : Hex(0xD8C29C);
      Tile(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 2, 8, body, rim);
      if (selected) {
        RoundRect(cr, r.x + 3, r.y + 3, r.w - 6, r.h - 7, 6);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.6);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
      }
      cairo_save(cr);
      RoundRect(cr, r.x + 1, r.y + 1, r.w - 2, r.h - 3, 7);
      cairo_clip(cr);
      icon(cr, b.name, {r.x, r.y, r.w, r.h - 2}, selected);
      cairo_restore(cr);
    }
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

void WritePanel(Gen& g, const std::string& key, const std::string& file, const PanelLayout& layout,
                const PanelIcon& icon, const PanelExtra& extra) {
  g.ini.Set("DETAILTOOL", key, g.Bitmap(file + ".bmp", RenderPanel(layout, false, icon, extra)));
  g.ini.Set("DETAILTOOL", key + "S", g.Bitmap(file + "_sel.bmp", RenderPanel(layout, true, icon, extra)));
}

void Well(cairo_t* cr, Rc r, bool selected) {
  RoundRect(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1, 6);
  SetSource(cr, selected ? Hex(0xFFC93C) : Hex(0xE3D2B2));
  cairo_fill(cr);
  double inset = 3;
  cairo_rectangle(cr, r.x + inset, r.y + inset, r.w - 2 * inset, r.h - 2 * inset);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_fill(cr);
}

void StrokeSample(cairo_t* cr, Rc r, bool wavy, Col colour, double width) {
  double x0 = r.x + 10, x1 = r.r() - 10, y = r.y + r.h * 0.5;
  cairo_new_path(cr);
  if (wavy) {
    cairo_move_to(cr, x0, y + 6);
    double w = x1 - x0;
    cairo_curve_to(cr, x0 + w * 0.25, y - 22, x0 + w * 0.4, y + 24, x0 + w * 0.6, y);
    cairo_curve_to(cr, x0 + w * 0.75, y - 16, x0 + w * 0.9, y - 10, x1, y - 4);
  } else {
    cairo_move_to(cr, x0, y + 8);
    cairo_line_to(cr, x1, y - 8);
  }
  SetSource(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  if (!wavy)
    for (double x : {x0, x1}) {
      cairo_arc(cr, x, x == x0 ? y + 8 : y - 8, width * 0.35 + 2, 0, 2 * M_PI);
      SetSource(cr, Ink());
      cairo_fill(cr);
    }
}

void Arrow(cairo_t* cr, Rc r, int dir) {
  double cx = r.x + r.w / 2.0, cy = r.y + r.h / 2.0, s = std::min(r.w, r.h) * 0.32;
  cairo_move_to(cr, cx + dir * s, cy);
  cairo_line_to(cr, cx - dir * s * 0.6, cy - s);
  cairo_line_to(cr, cx - dir * s * 0.6, cy + s);
  cairo_close_path(cr);
  SetSource(cr, Sky());
  cairo_fill_preserve(cr);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
}

void MakePanels(Gen& g) {
  MakeStrokePanels(g);
  MakeOtherPanels(g);
}

}  // namespace art
