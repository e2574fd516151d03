// Option panels of the fill, eraser, shapes, rope, effects, typewriter and stamp tools, the
// shape strip JI and the effects slider's knob SPECCUR.
#include <cmath>
#include <utility>

#include "assets/panel_common.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

namespace {

// A picture shown in a rounded frame inside a button, with a "next" badge: pressing the
// selected picture button again moves on to the next picture.
void PictureChoice(cairo_t* cr, Rc r, const Image& pic, double zoom) {
  Rc f = {r.x + 8, r.y + 6, r.w - 16, r.h - 12};
  cairo_save(cr);
  RoundRect(cr, f.x, f.y, f.w, f.h, 5);
  cairo_clip(cr);
  cairo_translate(cr, f.x, f.y);
  cairo_scale(cr, zoom, zoom);
  Image tile = pic;
  for (int y = 0; y < f.h / zoom + 1; y += tile.h)
    for (int x = 0; x < f.w / zoom + 1; x += tile.w) PaintImage(cr, tile, x, y);
  cairo_restore(cr);
  RoundRect(cr, f.x, f.y, f.w, f.h, 5);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_arc(cr, f.r() - 2, f.b() - 2, 8, 0, 2 * M_PI);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_fill_preserve(cr);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  Arrow(cr, {static_cast<int>(f.r()) - 10, static_cast<int>(f.b()) - 10, 16, 16}, 1);
}

Image Shrink(const Image& src, int w, int h) {
  Canvas c = NewCanvas(w, h);
  cairo_scale(c.cr, w / double(src.w), h / double(src.h));
  PaintImage(c.cr, src, 0, 0);
  Image img = Flatten(c);
  FreeCanvas(c);
  return img;
}

PanelIcon FillIcon(int n) {
  return [n](cairo_t* cr, const std::string& name, Rc r, bool) {
    if (name == "TON_FILL") {
      cairo_move_to(cr, r.x + 10, r.b() - 10);
      cairo_curve_to(cr, r.x + 6, r.y + 30, r.x + 40, r.y + 50, r.x + 60, r.b() - 12);
      cairo_close_path(cr);
      SetSource(cr, Grape());
      cairo_fill(cr);
      DrawPic(cr, Pic::Bucket, r.x + 26, r.y + 4, 42, Grape());
    } else if (name == "TON_RB") {
      cairo_pattern_t* g = cairo_pattern_create_linear(r.x + 8, 0, r.r() - 8, 0);
      cairo_pattern_add_color_stop_rgb(g, 0, 0.91, 0.28, 0.30);
      cairo_pattern_add_color_stop_rgb(g, 1, 1.0, 0.95, 0.6);
      RoundRect(cr, r.x + 8, r.y + 8, r.w - 16, r.h - 16, 6);
      cairo_set_source(cr, g);
      cairo_fill_preserve(cr);
      cairo_pattern_destroy(g);
      SetSource(cr, Ink());
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
    } else {
      PictureChoice(cr, r, FillTexture(n), 0.6);
    }
  };
}

PanelIcon EraserIcon(int n) {
  Image thumb = Shrink(EraserPicture(n), 64, 48);
  return [thumb](cairo_t* cr, const std::string& name, Rc r, bool) {
    Col paint = Hex(0x45A6E5);
    if (name == "RUB_CLEAR") {  // a hard square path wiped through colour
      RoundRect(cr, r.x + 8, r.y + 8, r.w - 16, r.h - 16, 4);
      SetSource(cr, paint);
      cairo_fill(cr);
      cairo_rectangle(cr, r.x + 8, r.y + 22, r.w - 30, 16);
      SetSource(cr, Hex(0xFFFFFF));
      cairo_fill(cr);
      DrawPic(cr, Pic::Eraser, r.r() - 36, r.y + 12, 30, Hex(0));
    } else if (name == "RUB_BLUR") {  // a soft white trail
      RoundRect(cr, r.x + 8, r.y + 8, r.w - 16, r.h - 16, 4);
      SetSource(cr, paint);
      cairo_fill(cr);
      for (int k = 6; k >= 1; --k) {
        cairo_push_group(cr);
        StrokeSample(cr, {r.x + 2, r.y, r.w - 4, r.h}, true, Hex(0xFFFFFF), 3 + k * 2.2);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, 0.3);
      }
      DrawPic(cr, Pic::Eraser, r.r() - 30, r.b() - 30, 28, Hex(0));
    } else {
      PictureChoice(cr, r, thumb, 1.0);
    }
  };
}

// The seven shapes of the shapes tool: ellipse, rectangle, triangle, pentagon, hexagon,
// four-pointed and five-pointed star.
void ShapePath(cairo_t* cr, int k, double cx, double cy, double r) {
  switch (k) {
    case 0:
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_scale(cr, 1, 0.72);
      cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
      cairo_restore(cr);
      break;
    case 1:
      cairo_rectangle(cr, cx - r, cy - r * 0.72, 2 * r, 1.44 * r);
      break;
    case 5:
      StarPath(cr, cx, cy, 4, r, r * 0.38, 0);
      break;
    case 6:
      StarPath(cr, cx, cy, 5, r, r * 0.42, 0);
      break;
    default: {
      int n = k + 1;  // 3, 5 or 6 sides
      if (k == 3) n = 5;
      if (k == 4) n = 6;
      for (int i = 0; i < n; ++i) {
        double a = -M_PI / 2 + i * 2 * M_PI / n;
        if (i == 0)
          cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else
          cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
      }
      cairo_close_path(cr);
    }
  }
}

Image ShapeStrip() {
  const Col colours[] = {Cherry(), Sky(), Sun(), Leaf(), Grape(), Orange(), Hex(0xFF6FB5)};
  Canvas c = NewCanvas(kShapeCell * 7, kShapeCell);
  SetSource(c.cr, Hex(0xFFFFFF));
  cairo_paint(c.cr);
  cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
  for (int k = 0; k < 7; ++k) {
    ShapePath(c.cr, k, k * kShapeCell + kShapeCell / 2.0, kShapeCell / 2.0 + (k == 2 ? 2 : 0), 16);
    OutlineFill(c.cr, colours[k], 2.2);
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

void ShapesIcon(cairo_t* cr, const std::string& name, Rc r, bool) {
  if (name == "POLY_UP" || name == "POLY_DOWN") {
    Arrow(cr, r, name == "POLY_UP" ? -1 : 1);
    return;
  }
  double cx = r.x + r.w / 2.0, cy = r.y + r.h / 2.0;
  cairo_arc(cr, cx, cy, 10, 0, 2 * M_PI);
  if (name == "POLY_FULL") {
    OutlineFill(cr, Cherry(), 2);
  } else {
    SetSource(cr, Cherry());
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
  }
}

void Dashed(cairo_t* cr) {
  double d[] = {5, 4};
  cairo_set_dash(cr, d, 2, 0);
  SetSource(cr, Ink());
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
}

// The rope's first button makes an ellipse selection and the second a rectangle.
void RopeIcon(cairo_t* cr, const std::string& name, Rc r, bool) {
  double cx = r.x + r.w / 2.0, cy = r.y + r.h / 2.0;
  if (name == "ROPE_SQUARE") {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1.4, 1);
    cairo_arc(cr, 0, 0, 19, 0, 2 * M_PI);
    cairo_restore(cr);
    Dashed(cr);
  } else if (name == "ROPE_CIRCLE") {
    cairo_rectangle(cr, cx - 26, cy - 18, 52, 36);
    Dashed(cr);
  } else {
    cairo_move_to(cr, cx - 24, cy + 4);
    cairo_curve_to(cr, cx - 30, cy - 26, cx + 12, cy - 24, cx + 24, cy - 10);
    cairo_curve_to(cr, cx + 34, cy + 6, cx + 2, cy + 4, cx + 6, cy + 18);
    cairo_curve_to(cr, cx - 6, cy + 26, cx - 20, cy + 20, cx - 24, cy + 4);
    Dashed(cr);
    DrawPic(cr, Pic::Lasso, r.r() - 30, r.b() - 30, 28, Hex(0));
  }
}

void EffectsIcon(cairo_t* cr, const std::string& name, Rc r, bool) {
  double cx = r.x + r.w / 2.0, cy = r.y + r.h / 2.0;
  if (name == "SPEC_BLUR") {
    for (int k = 8; k >= 0; --k) {
      StarPath(cr, cx, cy, 5, 14 + k, 6 + k, 0);
      cairo_set_source_rgba(cr, 0.56, 0.36, 0.82, 0.12 + (k == 0 ? 0.5 : 0));
      cairo_fill(cr);
    }
  } else if (name == "SPEC_CLEAR") {
    StarPath(cr, cx, cy, 5, 16, 7, 0);
    OutlineFill(cr, Grape(), 2.5);
    for (auto [dx, dy] : {std::pair{-18.0, -12.0}, {18.0, -10.0}, {16.0, 12.0}}) {
      StarPath(cr, cx + dx, cy + dy, 4, 5, 1.5, 0);
      SetSource(cr, Sun());
      cairo_fill(cr);
    }
  } else if (name == "SPEC_EMBOSE") {
    StarPath(cr, cx + 1.5, cy + 1.5, 5, 16, 7, 0);
    SetSource(cr, Hex(0x5E5E5E));
    cairo_fill(cr);
    StarPath(cr, cx - 1.5, cy - 1.5, 5, 16, 7, 0);
    SetSource(cr, Hex(0xF4F4F4));
    cairo_fill(cr);
    StarPath(cr, cx, cy, 5, 16, 7, 0);
    SetSource(cr, Hex(0xB0B0B0));
    cairo_fill(cr);
  } else {
    DrawPic(cr, Pic::Magnifier, cx - 19, cy - 19, 38, Hex(0));
  }
}

// The lens strength track: a groove from a small lens to a big one.
void EffectsTrack(cairo_t* cr, bool) {
  Rc t = SpecTrack();
  double y = t.y + t.h / 2.0;
  RoundRect(cr, t.x + 4, y - 3, t.w - 8, 6, 3);
  SetSource(cr, Hex(0xB89A70));
  cairo_fill(cr);
  for (int i = 0; i <= 8; ++i) {
    double x = t.x + kKnobW / 2.0 + i * (t.w - kKnobW) / 8.0;
    cairo_move_to(cr, x, y + 5);
    cairo_line_to(cr, x, y + (i % 4 == 0 ? 10 : 8));
  }
  SetSource(cr, Hex(0xB89A70));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

Image Knob(const Image& panel) {
  Canvas c = NewCanvas(kKnobW, kKnobH);
  cairo_arc(c.cr, kKnobW / 2.0, kKnobH / 2.0, kKnobW / 2.0 - 1, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(7, 7, 1, 10, 11, 10);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.95, 0.7);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.95, 0.62, 0.1);
  cairo_set_source(c.cr, g);
  cairo_fill_preserve(c.cr);
  cairo_pattern_destroy(g);
  SetSource(c.cr, Ink());
  cairo_set_line_width(c.cr, 1.6);
  cairo_stroke(c.cr);
  Rc t = SpecTrack();
  Image img = FlattenKeyed(c, panel, t.x, t.y, 128);
  FreeCanvas(c);
  return img;
}

void TypeIcon(cairo_t* cr, const std::string& name, Rc r, bool) {
  double cx = r.x + r.w / 2.0, cy = r.y + r.h / 2.0;
  const char* letter = name == "TYPE_BOLD" ? "B" : name == "TYPE_ITALY" ? "I" : name == "TYPE_UNDER" ? "U" : "A";
  cairo_save(cr);
  cairo_select_font_face(cr, "DejaVu Serif",
                         name == "TYPE_ITALY" ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                         name == "TYPE_BOLD" ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 22);
  cairo_text_extents_t e;
  cairo_text_extents(cr, letter, &e);
  cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, cy - e.height / 2 - e.y_bearing);
  SetSource(cr, Ink());
  cairo_show_text(cr, letter);
  if (name == "TYPE_UNDER") {
    cairo_rectangle(cr, cx - e.width / 2 - 2, cy + e.height / 2 + 2, e.width + 4, 2);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

// The face-name field the typewriter writes the chosen face into.
void TypeField(cairo_t* cr, bool) {
  Rc f = TypeFontField();
  RoundRect(cr, f.x + 0.5, f.y + 0.5, f.w - 1, f.h - 1, 5);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_fill_preserve(cr);
  SetSource(cr, Hex(0xB89A70));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  double ax = f.r() - 12, ay = f.y + f.h / 2.0;
  cairo_move_to(cr, ax - 6, ay - 3);
  cairo_line_to(cr, ax + 6, ay - 3);
  cairo_line_to(cr, ax, ay + 4);
  cairo_close_path(cr);
  SetSource(cr, Sky());
  cairo_fill(cr);
}

void StampIcon(cairo_t* cr, const std::string& name, Rc r, bool) {
  Arrow(cr, r, name == "HEAP_UP" ? 1 : -1);
  DrawPic(cr, Pic::Wand, name == "HEAP_UP" ? r.x + 4 : r.r() - 24, r.b() - 22, 20, Sun());
}

}  // namespace

void MakeOtherPanels(Gen& g) {
  for (int n = 0; n < 9; ++n) {
    WritePanel(g, "TONAREA" + std::to_string(n), "panel_fill" + std::to_string(n), PanelNamed("TON"), FillIcon(n));
    WritePanel(g, "RUBAREA" + std::to_string(n), "panel_eraser" + std::to_string(n), PanelNamed("RUB"), EraserIcon(n));
  }
  WritePanel(g, "POLYAREA", "panel_shapes", PanelNamed("POLY"), ShapesIcon);
  g.ini.Set("DETAILTOOL", "JI", g.Bitmap("shapes.bmp", ShapeStrip()));
  g.ini.SetInt("DETAILTOOL", "JIW", kShapeCell);
  WritePanel(g, "ROPEAREA", "panel_rope", PanelNamed("ROPE"), RopeIcon);
  WritePanel(g, "SPECAREA", "panel_effects", PanelNamed("SPEC"), EffectsIcon, EffectsTrack);
  g.ini.Set("DETAILTOOL", "SPECCUR",
            g.Bitmap("effects_knob.bmp", Knob(RenderPanel(PanelNamed("SPEC"), false, EffectsIcon, EffectsTrack))));
  WritePanel(g, "TYPEAREA", "panel_type", PanelNamed("TYPE"), TypeIcon, TypeField);
  WritePanel(g, "HEAPAREA", "panel_stamp", PanelNamed("HEAP"), StampIcon);
}

}  // namespace art
