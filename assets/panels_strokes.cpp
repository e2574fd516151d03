// Option panels of the stroke tools: brush, pencil, marker, candle, chalk and spray. Each
// button shows the stroke it makes, freehand or straight, next to a small picture of the tool.
#include <cmath>

#include "assets/panel_common.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

namespace {

bool EndsWith(const std::string& s, const char* tail) {
  std::string t = tail;
  return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

// A stroke grained by one of the paper textures, the way the wax and chalk tools lay it.
void GrainedStroke(cairo_t* cr, Rc r, bool wavy, Col colour, double width, int grain) {
  Canvas mask = NewCanvas(r.w, r.h);
  StrokeSample(mask.cr, {0, 0, r.w, r.h}, wavy, colour, width);
  cairo_surface_flush(mask.surface);
  unsigned char* data = cairo_image_surface_get_data(mask.surface);
  int stride = cairo_image_surface_get_stride(mask.surface);
  const std::vector<uint8_t>& g = PaperGrain(grain);
  for (int y = 0; y < r.h; ++y)
    for (int x = 0; x < r.w; ++x) {
      uint32_t* p = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride + 4 * x);
      // scale the premultiplied pixel by the grain weight (128 = unchanged, at most 1)
      double k = std::min(1.0, g[((y + r.y) & 63) * 64 + ((x + r.x) & 63)] / 128.0);
      uint32_t v = *p, out = 0;
      for (int sh = 0; sh < 32; sh += 8) out |= static_cast<uint32_t>(((v >> sh) & 255) * k) << sh;
      *p = out;
    }
  cairo_surface_mark_dirty(mask.surface);
  cairo_set_source_surface(cr, mask.surface, r.x, r.y);
  cairo_paint(cr);
  FreeCanvas(mask);
}

struct StrokeTool {
  const char* panel;
  const char* file;
  Pic pic;
  uint32_t colour;
  double width;
  int grain;  // 0: a smooth stroke
};

// Freehand and straight buttons: the stroke across, and the tool in the bottom-right corner.
PanelIcon StrokeIcon(const StrokeTool& t) {
  return [t](cairo_t* cr, const std::string& name, Rc r, bool) {
    bool wavy = EndsWith(name, "_FREE");
    if (std::string(t.panel) == "CHALK") {  // chalk writes on a little blackboard
      RoundRect(cr, r.x + 5, r.y + 5, r.w - 10, r.h - 10, 4);
      SetSource(cr, Hex(0x2F5D4A));
      cairo_fill(cr);
    }
    Rc s = {r.x, r.y - 4, r.w - 14, r.h};
    if (t.grain)
      GrainedStroke(cr, s, wavy, Hex(t.colour), t.width, t.grain);
    else
      StrokeSample(cr, s, wavy, Hex(t.colour), t.width);
    DrawPic(cr, t.pic, r.r() - 34, r.b() - 34, 32, Hex(t.colour));
  };
}

void BrushIcon(cairo_t* cr, const std::string& name, Rc r, bool) {
  Col blue = Hex(0x3D7FE0);
  if (name == "BRUSH_WATER") {
    // a smudged blob pulled by a wet brush, with a drop of water
    for (int i = 0; i < 6; ++i) {
      cairo_arc(cr, r.x + 18 + i * 6, r.y + 36 - i * 2, 10 - i, 0, 2 * M_PI);
      cairo_set_source_rgba(cr, 0.24, 0.5, 0.88, 0.9 - i * 0.13);
      cairo_fill(cr);
    }
    cairo_move_to(cr, r.x + 24, r.y + 8);
    cairo_curve_to(cr, r.x + 16, r.y + 20, r.x + 18, r.y + 26, r.x + 24, r.y + 26);
    cairo_curve_to(cr, r.x + 30, r.y + 26, r.x + 32, r.y + 20, r.x + 24, r.y + 8);
    SetSource(cr, Hex(0xA8D8F7));
    cairo_fill_preserve(cr);
    SetSource(cr, Ink());
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
  } else {
    StrokeSample(cr, {r.x, r.y - 4, r.w - 10, r.h}, name == "BRUSH_FREE", blue, 8);
  }
  DrawPic(cr, Pic::Brush, r.r() - 34, r.b() - 34, 32, blue);
}

void SprayIcon(cairo_t* cr, const std::string& name, Rc r, bool) {
  if (name == "JET_PASTE") {
    // a fat ribbon of striped paste
    cairo_move_to(cr, r.x + 12, r.y + 40);
    cairo_curve_to(cr, r.x + 30, r.y + 4, r.x + 50, r.y + 60, r.x + 76, r.y + 18);
    cairo_set_line_width(cr, 15);
    SetSource(cr, Ink());
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 12);
    SetSource(cr, Hex(0x4DB35E));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 4);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
    cairo_stroke(cr);
    DrawPic(cr, Pic::Toothpaste, r.r() - 38, r.b() - 38, 36, Hex(0x4DB35E));
  } else {
    Rng rng(99);
    for (int i = 0; i < 120; ++i) {
      double a = rng.Range(0, 2 * M_PI), d = std::sqrt(rng.Unit()) * 22;
      cairo_arc(cr, r.x + 40 + d * std::cos(a) * 1.3, r.y + 28 + d * std::sin(a), 1.2, 0, 2 * M_PI);
      SetSource(cr, Cherry());
      cairo_fill(cr);
    }
    DrawPic(cr, Pic::Spray, r.r() - 38, r.b() - 38, 36, Cherry());
  }
}

}  // namespace

void MakeStrokePanels(Gen& g) {
  WritePanel(g, "BRUSHAREA", "panel_brush", PanelNamed("BRUSH"), BrushIcon);
  const StrokeTool tools[] = {
      {"PENCIL", "panel_pencil", Pic::Pencil, 0x4A4A4A, 3, 0},
      {"MAC", "panel_marker", Pic::Marker, 0x2FA84F, 10, 0},
      {"CAND", "panel_candle", Pic::Crayon, 0xF28C28, 11, 1},
      {"CHALK", "panel_chalk", Pic::Chalk, 0xE8F4FF, 9, 3},
  };
  for (const StrokeTool& t : tools)
    WritePanel(g, std::string(t.panel) + "AREA", t.file, PanelNamed(t.panel), StrokeIcon(t));
  WritePanel(g, "JETAREA", "panel_spray", PanelNamed("JET"), SprayIcon);
}

}  // namespace art
