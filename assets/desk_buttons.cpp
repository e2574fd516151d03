// The desk buttons: new picture, file page, undo, exit and the page turn between the toolbox
// and the library, with the page-turn animation played over the toolbox.
#include <algorithm>
#include <cmath>

#include "assets/button_tiles.h"
#include "assets/gen_context.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

namespace {

void NewSheet(cairo_t* cr, double cx, double cy) {
  cairo_move_to(cr, cx - 8, cy - 10);
  cairo_line_to(cr, cx + 4, cy - 10);
  cairo_line_to(cr, cx + 8, cy - 6);
  cairo_line_to(cr, cx + 8, cy + 10);
  cairo_line_to(cr, cx - 8, cy + 10);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xFFFFFF), 1.6);
  StarPath(cr, cx + 7, cy - 8, 5, 6.5, 3, 0);
  OutlineFill(cr, Sun(), 1.2);
}

}  // namespace

void PictureBox(cairo_t* cr, double cx, double cy) {
  for (int k = 0; k < 2; ++k) {
    cairo_rectangle(cr, cx - 8 + k * 3, cy - 11 + k * 3, 14, 11);
    OutlineFill(cr, k ? Hex(0xBFE3FF) : Hex(0xFFFFFF), 1.2);
  }
  cairo_move_to(cr, cx - 4, cy - 1);
  cairo_line_to(cr, cx + 1, cy - 5);
  cairo_line_to(cr, cx + 5, cy - 1);
  SetSource(cr, Leaf());
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_move_to(cr, cx - 11, cy);
  cairo_line_to(cr, cx + 11, cy);
  cairo_line_to(cr, cx + 9, cy + 10);
  cairo_line_to(cr, cx - 9, cy + 10);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xC98A4B), 1.6);
}

namespace {

void UndoArrow(cairo_t* cr, double cx, double cy) {
  // a curl turning back: from the bottom round the right and the top to the left, then down
  for (int pass = 0; pass < 2; ++pass) {
    cairo_arc(cr, cx + 1, cy + 1, 8.5, M_PI, 2.5 * M_PI);
    cairo_set_line_width(cr, pass ? 3.5 : 6.5);
    SetSource(cr, pass ? Hex(0xFFFFFF) : Ink());
    cairo_stroke(cr);
  }
  cairo_move_to(cr, cx - 7.5 - 6, cy - 1);
  cairo_line_to(cr, cx - 7.5 + 6, cy - 1);
  cairo_line_to(cr, cx - 7.5, cy + 7);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xFFFFFF), 1.6);
}

}  // namespace

void Door(cairo_t* cr, double cx, double cy) {
  cairo_rectangle(cr, cx - 8, cy - 11, 14, 22);
  OutlineFill(cr, Hex(0x5A3A22), 1.6);
  cairo_move_to(cr, cx - 8, cy - 11);
  cairo_line_to(cr, cx + 1, cy - 8);
  cairo_line_to(cr, cx + 1, cy + 13);
  cairo_line_to(cr, cx - 8, cy + 11);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xF2B05A), 1.6);
  cairo_arc(cr, cx - 1.5, cy + 1, 1.3, 0, 2 * M_PI);
  SetSource(cr, Ink());
  cairo_fill(cr);
  cairo_move_to(cr, cx + 5, cy);
  cairo_line_to(cr, cx + 13, cy);
  cairo_set_line_width(cr, 3);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_stroke(cr);
  cairo_move_to(cr, cx + 15, cy);
  cairo_line_to(cr, cx + 10, cy - 5);
  cairo_line_to(cr, cx + 10, cy + 5);
  cairo_close_path(cr);
  SetSource(cr, Hex(0xFFFFFF));
  cairo_fill(cr);
}

namespace {

// A round bubble button on felt, with its icon; pressed sinks and darkens.
}  // namespace

Image Bubble(Col colour, Icon icon, bool pressed) {
  Canvas c = NewCanvas(kDeskBtn, kDeskBtn);
  cairo_t* cr = c.cr;
  PaintFelt(cr, 0, 0, kDeskBtn, kDeskBtn);
  double cx = kDeskBtn / 2.0, cy = kDeskBtn / 2.0 - 1 + (pressed ? 1 : 0), r = 17;
  cairo_arc(cr, cx + 0.5, cy + (pressed ? 1 : 2.2), r, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 0.02, 0.08, 0.15, 0.5);
  cairo_fill(cr);
  Col body = pressed ? Darker(colour, 0.15) : colour;
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - 6, cy - 8, 2, cx, cy, r);
  Col hi = Lighter(body, 0.45);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 1, body.r, body.g, body.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetSource(cr, Darker(colour, 0.45));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  icon(cr, cx, cy);
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

namespace {

// The page-turn button: a wide pill with a picture of the page it leads to and an arrow.
Image TurnButton(bool toLibrary, bool pressed) {
  Canvas c = NewCanvas(kTurnW, kDeskBtn);
  cairo_t* cr = c.cr;
  PaintFelt(cr, 0, 0, kTurnW, kDeskBtn);
  double dy = pressed ? 1 : 0;
  RoundRect(cr, 2.5, 3 + (pressed ? 1 : 2.5), kTurnW - 5, kDeskBtn - 7, 15);
  cairo_set_source_rgba(cr, 0.02, 0.08, 0.15, 0.5);
  cairo_fill(cr);
  Col body = toLibrary ? Grape() : Orange();
  if (pressed) body = Darker(body, 0.15);
  Tile(cr, 2, 2 + dy, kTurnW - 4, kDeskBtn - 7, 15, body, Darker(body, 0.4));
  double ay = 2 + dy + (kDeskBtn - 7) / 2.0;
  if (toLibrary) {
    // a book of stickers, then an arrow pointing on
    cairo_rectangle(cr, 11, ay - 11, 16, 22);
    OutlineFill(cr, Hex(0xFFF6E2), 1.4);
    cairo_rectangle(cr, 27, ay - 11, 16, 22);
    OutlineFill(cr, Hex(0xFFF6E2), 1.4);
    HeartPath(cr, 19, ay, 11);
    SetSource(cr, Cherry());
    cairo_fill(cr);
    StarPath(cr, 35, ay, 5, 6, 2.6, 0);
    SetSource(cr, Sun());
    cairo_fill(cr);
  } else {
    DrawPic(cr, Pic::Brush, 9, ay - 14, 26, Hex(0x3D7FE0));
    DrawPic(cr, Pic::Pencil, 22, ay - 14, 26, Hex(0x4A4A4A));
  }
  double ax = toLibrary ? 62 : 62;
  cairo_move_to(cr, ax + 9, ay);
  cairo_line_to(cr, ax - 4, ay - 9);
  cairo_line_to(cr, ax - 4, ay + 9);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xFFFFFF), 1.5);
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

// The toolbox page turning over on its left edge and showing the library tray beneath:
// each column of the page is squeezed toward the hinge and stretched as it rises.
Image PageTurn(const Image& front, const Image& back) {
  const int frames = 8, W = front.w, H = front.h;
  Image strip(W * frames, H);
  for (int f = 0; f < frames; ++f) {
    double th = f * (M_PI / 2) / (frames - 1), cw = std::cos(th), sn = std::sin(th);
    int edge = static_cast<int>(std::lround(W * cw));
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) {
        Rgb c = back.Get(x, y);
        if (x < edge) {
          double u = x / std::max(cw, 1e-6);
          double s = 1 + 0.10 * sn * u / W;
          int sy = static_cast<int>(std::lround((y - H / 2.0) / s + H / 2.0));
          int sx = std::min(W - 1, static_cast<int>(u));
          double shade = 1 - 0.45 * sn * (0.4 + 0.6 * u / W);
          Rgb p = front.Get(sx, std::clamp(sy, 0, H - 1));
          if (sy < 0 || sy >= H) p = {250, 244, 226};
          c = {static_cast<uint8_t>(p.r * shade), static_cast<uint8_t>(p.g * shade),
               static_cast<uint8_t>(p.b * shade)};
        } else if (f > 0 && f < frames - 1 && x < edge + 14) {
          double k = 0.55 * (1 - (x - edge) / 14.0) * sn;  // the page's shadow on the library
          c = {static_cast<uint8_t>(c.r * (1 - k)), static_cast<uint8_t>(c.g * (1 - k)),
               static_cast<uint8_t>(c.b * (1 - k))};
        }
        strip.Set(f * W + x, y, c);
      }
  }
  AvoidKey(strip);
  return strip;
}

}  // namespace

void MakeDeskButtons(Gen& g) {
  struct Desk { const char* normal; const char* pressed; const char* file; Col colour; Icon icon; };
  const Desk desk[] = {
      {"NEWD", "NEWU", "desk_new", Leaf(), NewSheet},
      {"FILEPAGEUU", "FILEPAGEUD", "desk_files", Orange(), PictureBox},
      {"UNDOU", "UNDOD", "desk_undo", Sky(), UndoArrow},
      {"EXITD", "EXITU", "desk_exit", Cherry(), Door},
  };
  for (const Desk& d : desk) {
    g.ini.Set("CARTOON", d.normal, g.Bitmap(std::string(d.file) + ".bmp", Bubble(d.colour, d.icon, false)));
    g.ini.Set("CARTOON", d.pressed, g.Bitmap(std::string(d.file) + "_down.bmp", Bubble(d.colour, d.icon, true)));
  }
  std::string t2l[2] = {g.Bitmap("desk_library.bmp", TurnButton(true, false)),
                        g.Bitmap("desk_library_down.bmp", TurnButton(true, true))};
  std::string l2t[2] = {g.Bitmap("desk_tools.bmp", TurnButton(false, false)),
                        g.Bitmap("desk_tools_down.bmp", TurnButton(false, true))};
  // one strip per toolbox page; the return button plays the same strip backwards
  std::string turn1 = g.Bitmap("pageturn1.bmp", PageTurn(ToolboxPage(1), LibraryTray()));
  std::string turn2 = g.Bitmap("pageturn2.bmp", PageTurn(ToolboxPage(2), LibraryTray()));
  for (int v : {800, 640}) {
    const Plan& p = PlanFor(v);
    std::string d(1, p.digit);
    for (const char* stem : {"T2L", "L2T"}) {
      bool lib = std::string(stem) == "T2L";
      g.ini.Set("CARTOON", std::string(stem) + "D" + d, lib ? t2l[0] : l2t[0]);
      g.ini.Set("CARTOON", std::string(stem) + "U" + d, lib ? t2l[1] : l2t[1]);
      g.ini.Set("CARTOON", std::string(stem) + "C" + d, turn1);
      g.ini.Set("CARTOON", std::string(stem) + "C" + d + "2", turn2);
      g.ini.SetInt("CARTOON", std::string(stem) + "CW" + d, kToolW);
      g.ini.SetPoint("CARTOON", std::string(stem) + "CCORD" + d, {p.tool.x, p.tool.y});
    }
  }
}

}  // namespace art
