// The labelled screen plan of one layout: the painting screen with every element outlined,
// and beside it the library page and the file box, which take over parts of the screen.
#include <cstdio>
#include <string>

#include "assets/art_common.h"
#include "assets/file_write.h"
#include "assets/screen_plan.h"

using namespace art;

namespace {

void Label(cairo_t* cr, Rc r, const std::string& text, Col c, bool dashed = false,
           int corner = 0) {
  cairo_save(cr);
  cairo_rectangle(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1);
  SetSource(cr, c);
  cairo_set_line_width(cr, 1.5);
  if (dashed) {
    double d[] = {5, 3};
    cairo_set_dash(cr, d, 2, 0);
  }
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 9.5);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  double tx = r.x + 2, ty = r.y + 2;
  if (corner == 1) ty = r.b() - 14;            // bottom-left
  if (corner == 2) tx = r.r() - e.x_advance - 6;  // top-right
  cairo_rectangle(cr, tx, ty, e.x_advance + 4, 12);
  SetSource(cr, c, 0.9);
  cairo_fill(cr);
  cairo_move_to(cr, tx + 2, ty + 9.5);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_show_text(cr, text.c_str());
  cairo_restore(cr);
}

std::string Coords(Rc r) {
  char b[64];
  std::snprintf(b, sizeof b, " (%d,%d) %dx%d", r.x, r.y, r.w, r.h);
  return b;
}

void PaintingPlan(cairo_t* cr, const Plan& p) {
  Col paper = Hex(0xD9480F), tools = Hex(0x1C7ED6), colours = Hex(0x2B8A3E),
      desk = Hex(0x862E9C), panel = Hex(0xE67700), sound = Hex(0x0B7285);
  Label(cr, p.canvas, "paper (PAPERORG)" + Coords(p.canvas), paper);
  Label(cr, {p.paperBmp.x, p.paperBmp.y, 55, 46}, "paper corner", paper, false, 1);
  Label(cr, p.paperBmp, "paper-type bitmap (PAPERCORD)", paper, true, 2);
  Label(cr, p.tool, "toolbox TOOL/TOOL1/Lib", tools);
  for (int k = 0; k < 12; ++k) {
    Pt c = ToolCell(k);
    Label(cr, {p.tool.x + c.x, p.tool.y + c.y + 12, kCellW, kCellH - 12}, std::to_string(k + 1),
          tools);
  }
  Pt pb = ToolPageButton();
  Label(cr, {p.tool.x + pb.x, p.tool.y + pb.y, kPageBtnW, kPageBtnH}, "page button", tools);
  Label(cr, p.colour, "colour panel (COLORCORD)", colours, false, 1);
  Label(cr, {p.colour.x, p.colour.y, kSwatch, kSwatch}, "swatch", colours);
  Label(cr, {p.colour.x + kBoxX, p.colour.y + kBoxY, 7 * kBoxDx + kBoxW + 1, kBoxDy + kBoxH + 1},
        "16 colour boxes", colours);
  Label(cr, {p.colour.x + kPageUpX, p.colour.y + kPageUpY, kColourPageW, kColourPageH}, "up",
        colours);
  Label(cr, {p.colour.x + kPageUpX, p.colour.y + kPageDownY, kColourPageW, kColourPageH}, "dn",
        colours);
  Label(cr, {p.colour.x + kSizeMin, p.colour.b() - kThumbH, kSizeMax - kSizeMin + kThumbW, kThumbH},
        "size bar", colours, true, 2);
  Label(cr, p.panel, "option panel (*_ORG)" + Coords(p.panel), panel);
  Label(cr, {p.newBtn.x, p.newBtn.y, kDeskBtn, kDeskBtn}, "new", desk, false, 1);
  Label(cr, {p.filePageBtn.x, p.filePageBtn.y, kDeskBtn, kDeskBtn}, "file", desk, false, 1);
  Label(cr, {p.undoBtn.x, p.undoBtn.y, kDeskBtn, kDeskBtn}, "undo", desk, false, 1);
  Label(cr, p.turn, "page turn", desk, false, 1);
  Label(cr, {p.exitBtn.x, p.exitBtn.y, kDeskBtn, kDeskBtn}, "exit", desk, false, 1);
  Label(cr, p.sound, "sound panel", sound);
}

void LibraryPlan(cairo_t* cr, const Plan& p) {
  Col lib = Hex(0xC2255C), desk = Hex(0x862E9C);
  const char* names[] = {"samples", "landscapes", "people", "dinosaurs", "insects", "planes",
                         "weather", "houses", "plants", "birds", "cartoons"};
  Label(cr, p.tool, "library categories (Lib at GLIBCORD)", lib);
  for (int k = 0; k < 11; ++k) {
    Pt c = ToolCell(k);
    Label(cr, {p.tool.x + c.x, p.tool.y + c.y + 12, kCellW, kCellH - 12}, names[k], lib);
  }
  Rc page = p.library;
  Label(cr, {page.x, page.y - 14, page.w, 14}, "library page: category C origin" + Coords(page), lib);
  Label(cr, Offset(LibraryPageBack(), {page.x, page.y}), "<", lib);
  Label(cr, Offset(LibraryPageForward(), {page.x, page.y}), ">", lib);
  std::vector<Rc> slots = LibrarySlots(5);
  for (size_t i = 0; i < slots.size(); ++i)
    Label(cr, Offset(slots[i], {page.x, page.y}), "GRLIB" + std::to_string(i + 1), lib);
  Label(cr, p.turn, "back to tools", desk, false, 1);
}

void FileBoxPlan(cairo_t* cr, const Plan& p) {
  Col box = Hex(0x364FC7), desk = Hex(0x862E9C);
  cairo_rectangle(cr, 0, 0, p.screenW, p.screenH);
  SetSource(cr, Hex(0x2B2118));
  cairo_fill(cr);
  Label(cr, {0, 0, p.screenW, p.screenH}, "file box (FILE, full screen)", box, true, 1);
  Label(cr, p.boxCards, "box cards (BOXRC)" + Coords(p.boxCards), box);
  Label(cr, p.thumbs, "thumbnails (FILE_IN_BOX)" + Coords(p.thumbs), box);
  struct B { Pt at; const char* name; } buttons[] = {
      {p.dirLeft, "box<"}, {p.boxNew, "new"}, {p.dirRight, "box>"}, {p.boxLeft, "pic<"},
      {p.boxRight, "pic>"}, {p.save, "export"}, {p.print, "print"}};
  for (const B& b : buttons) Label(cr, {b.at.x, b.at.y, kDeskBtn, kDeskBtn}, b.name, box, false, 1);
  Label(cr, p.bin, "bin", box);
  Label(cr, {p.filePageBtn.x, p.filePageBtn.y, kDeskBtn, kDeskBtn}, "back", desk, false, 1);
  Label(cr, {p.exitBtn.x, p.exitBtn.y, kDeskBtn, kDeskBtn}, "exit", desk, false, 1);
  Label(cr, p.turn, "page turn*", desk, true, 1);
}

}  // namespace

void DrawPlan(const Image& painting, const Image& library, int variant, const std::string& path) {
  const Plan& p = PlanFor(variant);
  const int pad = 16, title = 28;
  int W = 3 * p.screenW + 4 * pad, H = p.screenH + title + 2 * pad;
  Canvas c = NewCanvas(W, H);
  cairo_t* cr = c.cr;
  SetSource(cr, Hex(0xF4EEE4));
  cairo_paint(cr);
  char head[160];
  std::snprintf(head, sizeof head,
                "colvane screen plan, layout \"%d\" (%d x %d, paper %d x %d): painting, library, file box",
                variant, p.screenW, p.screenH, p.canvas.w, p.canvas.h);
  CentredText(cr, head, W / 2.0, pad + 8, 15, Hex(0x3B2A1E));
  for (int panel = 0; panel < 3; ++panel) {
    cairo_save(cr);
    cairo_translate(cr, pad + panel * (p.screenW + pad), pad + title);
    if (panel < 2) {
      PaintImage(cr, panel == 0 ? painting : library, 0, 0);
      cairo_rectangle(cr, 0, 0, p.screenW, p.screenH);
      cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
      cairo_fill(cr);
    }
    if (panel == 0) PaintingPlan(cr, p);
    if (panel == 1) LibraryPlan(cr, p);
    if (panel == 2) FileBoxPlan(cr, p);
    cairo_restore(cr);
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  WritePng(path, img);
}
