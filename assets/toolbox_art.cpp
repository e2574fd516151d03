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

// The page button: a pill with an arrow and two small pictures of the other page's tools.
void PageButton(cairo_t* cr, double x, double y, int page, bool pressed) {
  double w = kPageBtnW, h = kPageBtnH;
  double dy = pressed ? 1 : 0;
  RoundRect(cr, x + 2.5, y + 3 + (pressed ? 0.5 : 1.5), w - 5, h - 5, 11);
  cairo_set_source_rgba(cr, 0.02, 0.08, 0.15, 0.45);
  cairo_fill(cr);
  Col body = pressed ? Hex(0xFFD95C) : Hex(0xFFE9A8);
  Tile(cr, x + 2, y + 2 + dy, w - 4, h - 5, 11, body, Hex(0xD49A2A));
  bool forward = page == 1;
  double ax = forward ? x + w - 22 : x + 22, ay = y + h / 2 - 0.5 + dy;
  cairo_move_to(cr, ax + (forward ? 9 : -9), ay);
  cairo_line_to(cr, ax + (forward ? -3 : 3), ay - 8);
  cairo_line_to(cr, ax + (forward ? -3 : 3), ay + 8);
  cairo_close_path(cr);
  OutlineFill(cr, Cherry(), 1.5);
  double px = forward ? x + 16 : x + 42;
  if (forward) {
    DrawPic(cr, Pic::Typewriter, px, y + 4 + dy, 20, Hex(0));
    DrawPic(cr, Pic::Wand, px + 28, y + 4 + dy, 20, Hex(0xFFC93C));
  } else {
    DrawPic(cr, Pic::Brush, px, y + 4 + dy, 20, Hex(0x3D7FE0));
    DrawPic(cr, Pic::Pencil, px + 28, y + 4 + dy, 20, Hex(0x4A4A4A));
  }
}

// An empty pocket of the felt where no tool lives.
void Pocket(cairo_t* cr, Rc cell) {
  RoundRect(cr, cell.x + 3.5, cell.y + 3.5, cell.w - 7, cell.h - 8, 8);
  cairo_set_source_rgba(cr, 0, 0.05, 0.1, 0.18);
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.10);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
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
    else
      Pocket(c.cr, cell);
  }
  Pt pb = ToolPageButton();
  PageButton(c.cr, pb.x, pb.y, page, false);
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

Image PageButtonImage(int page, bool pressed) {
  Canvas c = NewCanvas(kPageBtnW, kPageBtnH);
  PaintFelt(c.cr, 0, 0, kPageBtnW, kPageBtnH);
  PageButton(c.cr, 0, 0, page, pressed);
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
  // page buttons: the page look (one frame, also the hit rectangle) and the pressed look
  std::string looks[2][2];
  for (int page = 1; page <= 2; ++page) {
    looks[page - 1][0] = g.Bitmap("toolpage" + std::to_string(page) + "_m.bmp", PageButtonImage(page, false));
    looks[page - 1][1] = g.Bitmap("toolpage" + std::to_string(page) + "_s.bmp", PageButtonImage(page, true));
  }
  for (int v : {800, 640}) {
    const Plan& p = PlanFor(v);
    Pt pb = ToolPageButton();
    Pt org = {p.tool.x + pb.x, p.tool.y + pb.y};
    for (int page = 1; page <= 2; ++page) {
      std::string stem = page == 1 ? std::string("TOOL122") + p.digit : std::string("TOOL221") + p.digit;
      for (int s = 0; s < 2; ++s) {
        std::string key = stem + (s == 0 ? "M" : "S");
        g.ini.Set("CARTOON", key, looks[page - 1][s]);
        g.ini.SetInt("CARTOON", key + "W", kPageBtnW);
        g.ini.SetPoint("CARTOON", key + "ORG", org);
      }
    }
  }
}

}  // namespace art
