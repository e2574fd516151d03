// The toolbox: its two pages (TOOL, TOOL1), every tool button's states and the page buttons.
#include <cctype>
#include <cmath>

#include "assets/button_tiles.h"
#include "assets/gen_context.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

namespace {

struct ToolButton {
  const char* name;  // layout key stem
  Pic pic;
  uint32_t paint;
};

const ToolButton kPage1[12] = {
    {"BRUSH", Pic::Brush, 0x3D7FE0},   {"PENC", Pic::Pencil, 0x4A4A4A},
    {"MAC", Pic::Marker, 0x2FA84F},    {"CAND", Pic::Crayon, 0xF28C28},
    {"CHALK", Pic::Chalk, 0x9FD3FF},   {"JET", Pic::Spray, 0xE8474C},
    {"FLOOD", Pic::Bucket, 0x8E5BD0},  {"RUBBER", Pic::Eraser, 0},
    {"POLYG", Pic::Shapes, 0},         {"ROPE", Pic::Lasso, 0},
    {"DRILL", Pic::Dropper, 0xE8474C}, {"ENLARGE", Pic::Magnifier, 0},
};
const ToolButton kPage2[2] = {{"TYPER", Pic::Typewriter, 0}, {"MAGIC", Pic::Wand, 0xFFC93C}};

PictureFn PictureOf(const ToolButton& b) {
  return [b](cairo_t* cr, double x, double y, double size) {
    DrawPic(cr, b.pic, x, y, size, Hex(b.paint));
  };
}

// The page button: a pill with an arrow and two small pictures of the other page's tools, in
// the tool tiles' looks: lifted on a deeper shadow and warmer while hovered (the arrow leans the
// way the page turns and the pictures wiggle), sunk while pressed.
void PageButton(cairo_t* cr, double x, double y, int page, const TileLook& look) {
  double w = kPageBtnW, h = kPageBtnH;
  double dy = (look.pressed ? 1 : 0) - look.lift;
  double depth = look.pressed ? 0.5 : 1.5 + look.lift;
  RoundRect(cr, x + 2.5, y + 3 + dy + depth - (look.pressed ? 1 : 0), w - 5, h - 5, 11);
  cairo_set_source_rgba(cr, 0.02, 0.08, 0.15, 0.45);
  cairo_fill(cr);
  Col body = look.pressed ? Hex(0xFFD95C) : Mix(Hex(0xFFE9A8), Hex(0xFFD95C), 2 * look.glow);
  Tile(cr, x + 2, y + 2 + dy, w - 4, h - 5, 11, body, Hex(0xD49A2A));
  bool forward = page == 1;
  double ax = forward ? x + w - 22 + 1.5 * look.lift : x + 22 - 1.5 * look.lift, ay = y + h / 2 - 0.5 + dy;
  cairo_move_to(cr, ax + (forward ? 9 : -9), ay);
  cairo_line_to(cr, ax + (forward ? -3 : 3), ay - 8);
  cairo_line_to(cr, ax + (forward ? -3 : 3), ay + 8);
  cairo_close_path(cr);
  OutlineFill(cr, Cherry(), 1.5);
  const Pic pics[2] = {forward ? Pic::Typewriter : Pic::Brush, forward ? Pic::Wand : Pic::Pencil};
  const uint32_t paints[2] = {forward ? 0u : 0x3D7FE0u, forward ? 0xFFC93Cu : 0x4A4A4Au};
  for (int i = 0; i < 2; ++i) {
    // each picture turns about its own centre; the second the other way round
    double size = 20 * look.scale, cx = (forward ? x + 16 : x + 42) + 28 * i + 10, cy = y + 14 + dy;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, (i == 0 ? 1 : -1) * look.angle * M_PI / 180);
    DrawPic(cr, pics[i], -size / 2, -size / 2, size, Hex(paints[i]));
    cairo_restore(cr);
  }
}

// Below page 2's two tools, in the room of ten: a sheet pinned to the felt showing what they
// make, letters from the typewriter and a trail of the magic stamp's pictures.
void Showcase(cairo_t* cr, Rc area) {
  const double x = area.x + 8, y = area.y + 10, w = area.w - 16, h = area.h - 20;
  SoftShadow(cr, x, y, w, h, 4, 2, 3, 4, 0.5);
  cairo_save(cr);
  cairo_translate(cr, x + w / 2, y + h / 2);
  cairo_rotate(cr, -0.03);
  cairo_translate(cr, -w / 2, -h / 2);
  RoundRect(cr, 0, 0, w, h, 3);
  OutlineFill(cr, Cream(), 1.4);
  for (double ly = 30; ly < h - 8; ly += 16) {  // the sheet's ruled lines
    cairo_move_to(cr, 8, ly);
    cairo_line_to(cr, w - 8, ly);
  }
  SetSource(cr, Sky(), 0.35);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  const struct { const char* text; double size; Col colour; } lines[] = {
      {"Abc", 24, Cherry()}, {"Hello!", 17, Sky()}, {"I can", 15, Leaf()}, {"write", 15, Grape()}};
  double ly = 26;
  for (const auto& l : lines) {
    CentredText(cr, l.text, w / 2, ly - l.size * 0.32, l.size, l.colour);
    ly += l.size < 20 ? 20 : 28;
  }
  // the magic stamp's trail of pictures across the lower half
  const double sy = h - 64;
  for (int i = 0; i < 5; ++i) {
    const double sx = 18 + i * (w - 36) / 4, yy = sy + (i % 2 ? 10 : 0) + 14;
    if (i % 3 == 0) {
      StarPath(cr, sx, yy, 5, 10, 4.5, i * 0.2);
      OutlineFill(cr, Sun(), 1.2);
    } else if (i % 3 == 1) {
      HeartPath(cr, sx, yy, 18);
      OutlineFill(cr, Cherry(), 1.2);
    } else {
      for (int k = 0; k < 5; ++k) {
        cairo_arc(cr, sx + 5 * std::cos(k * 2 * M_PI / 5), yy + 5 * std::sin(k * 2 * M_PI / 5), 4, 0, 2 * M_PI);
        OutlineFill(cr, Grape(), 1.0);
      }
      cairo_arc(cr, sx, yy, 3, 0, 2 * M_PI);
      OutlineFill(cr, Sun(), 1.0);
    }
  }
  for (int i = 0; i < 6; ++i) {  // sparkles of the wand
    StarPath(cr, 14 + i * (w - 28) / 5, h - 14 - (i % 2) * 8, 4, 4.5, 1.5, 0);
    SetSource(cr, Sun());
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_arc(cr, x + w / 2, y + 6, 4, 0, 2 * M_PI);  // the pin
  OutlineFill(cr, Cherry(), 1.2);
}

Image Page(int page) {
  Canvas c = NewCanvas(kToolW, kToolH);
  PaintFelt(c.cr, 0, 0, kToolW, kToolH);
  for (int k = 0; k < 12; ++k) {
    Pt at = ToolCell(k);
    Rc cell = {at.x, at.y, kCellW, kCellH};
    if (page == 1)
      DrawTile(c.cr, cell, TileLook{}, PictureOf(kPage1[k]));
    else if (k < 2)
      DrawTile(c.cr, cell, TileLook{}, PictureOf(kPage2[k]));
  }
  if (page == 2) {
    const Pt top = ToolCell(2), last = ToolCell(11);
    Showcase(c.cr, {top.x, top.y, last.x + kCellW - top.x, last.y + kCellH - top.y});
  }
  Pt pb = ToolPageButton();
  PageButton(c.cr, pb.x, pb.y, page, TileLook{});
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

// A strip of the page button in each look, side by side, on flat felt.
Image PageButtonStrip(int page, const std::vector<TileLook>& frames) {
  const int n = static_cast<int>(frames.size());
  Canvas c = NewCanvas(kPageBtnW * n, kPageBtnH);
  PaintFelt(c.cr, 0, 0, kPageBtnW * n, kPageBtnH);
  for (int i = 0; i < n; ++i) {
    cairo_save(c.cr);
    cairo_rectangle(c.cr, i * kPageBtnW, 0, kPageBtnW, kPageBtnH);
    cairo_clip(c.cr);
    PageButton(c.cr, i * kPageBtnW, 0, page, frames[i]);
    cairo_restore(c.cr);
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

void ButtonStates(Gen& g, const ToolButton& b, int k) {
  PictureFn pic = PictureOf(b);
  std::string stem = b.name;
  for (char& ch : stem) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  struct State { const char* suffix; std::vector<TileLook> frames; } states[] = {
      {"M", HoverFrames()}, {"S", PlainFrames()}, {"C", SelectFrames()}};
  for (const State& s : states) {
    std::string key = std::string(b.name) + s.suffix;
    g.ini.Set("CARTOON", key,
              g.Bitmap("tool_" + stem + "_" + s.suffix + ".bmp", TileStrip(kCellW, kCellH, s.frames, pic)));
    g.ini.SetInt("CARTOON", key + "W", kCellW);
  }
  for (int v : {800, 640}) {
    const Plan& p = PlanFor(v);
    Pt at = ToolCell(k);
    Pt org = {p.tool.x + at.x, p.tool.y + at.y};
    for (const State& s : states)
      g.ini.SetPoint("CARTOON", std::string(b.name) + s.suffix + p.digit + "ORG", org);
    g.ini.SetRect("CARTOON", std::string(b.name) + "A" + p.digit, {org.x, org.y, kCellW, kCellH});
  }
}

}  // namespace

const Image& ToolboxPage(int page) {
  static const Image one = Page(1), two = Page(2);
  return page == 1 ? one : two;
}

void MakeToolbox(Gen& g) {
  std::string tool = g.Bitmap("tool1.bmp", ToolboxPage(1));
  std::string tool1 = g.Bitmap("tool2.bmp", ToolboxPage(2));
  for (int v : {800, 640}) {
    const Plan& p = PlanFor(v);
    g.ini.Set(Section(p), "TOOL", tool);
    g.ini.Set(Section(p), "TOOL1", tool1);
  }
  for (int k = 0; k < 12; ++k) ButtonStates(g, kPage1[k], k);
  for (int k = 0; k < 2; ++k) ButtonStates(g, kPage2[k], k);
  // page buttons: the page look (one frame, also the hit rectangle), the pressed look (the
  // tiles' pressed frame) and the hover animation (the tiles' hover frames)
  TileLook pressed;
  pressed.pressed = true;
  pressed.scale = 0.92;
  const struct { const char* suffix; std::vector<TileLook> frames; } states[] = {
      {"M", PlainFrames()}, {"S", {pressed}}, {"H", HoverFrames()}};
  std::string looks[2][3];
  for (int page = 1; page <= 2; ++page)
    for (int s = 0; s < 3; ++s) {
      std::string file = "toolpage" + std::to_string(page) + "_" + static_cast<char>(std::tolower(*states[s].suffix)) + ".bmp";
      looks[page - 1][s] = g.Bitmap(file, PageButtonStrip(page, states[s].frames));
    }
  for (int v : {800, 640}) {
    const Plan& p = PlanFor(v);
    Pt pb = ToolPageButton();
    Pt org = {p.tool.x + pb.x, p.tool.y + pb.y};
    for (int page = 1; page <= 2; ++page) {
      std::string stem = page == 1 ? std::string("TOOL122") + p.digit : std::string("TOOL221") + p.digit;
      for (int s = 0; s < 3; ++s) {
        std::string key = stem + states[s].suffix;
        g.ini.Set("CARTOON", key, looks[page - 1][s]);
        g.ini.SetInt("CARTOON", key + "W", kPageBtnW);
        g.ini.SetPoint("CARTOON", key + "ORG", org);
      }
    }
  }
}

}  // namespace art
