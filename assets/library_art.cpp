// The clip-art library tray (Lib) with its eleven category buttons and their states; a
// category's selection animation opens the library page in the bottom compartment, and its
// chosen look stays on the button while that page is open.
#include <cctype>
#include <cmath>
#include <utility>

#include "assets/button_tiles.h"
#include "assets/clip_art.h"
#include "assets/gen_context.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"
#include "colvane/library/library_catalogue.h"

namespace art {

namespace {

void SunDisk(cairo_t* cr, double x, double y, double r) {
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  OutlineFill(cr, art::Sun(), 3);
}

void CategoryPicture(cairo_t* cr, CategoryId id) {
  switch (id) {
    case kCategoryDiagram:  // pictures to finish: an easel with a drawing
      cairo_rectangle(cr, 16, 12, 68, 56);
      OutlineFill(cr, Hex(0xFFFFFF));
      cairo_move_to(cr, 26, 56);
      cairo_curve_to(cr, 40, 26, 52, 60, 74, 26);
      SetSource(cr, Sky());
      cairo_set_line_width(cr, 5);
      cairo_stroke(cr);
      cairo_move_to(cr, 30, 68);
      cairo_line_to(cr, 20, 94);
      cairo_move_to(cr, 70, 68);
      cairo_line_to(cr, 80, 94);
      SetSource(cr, Ink());
      cairo_set_line_width(cr, 6);
      cairo_stroke(cr);
      break;
    case kCategoryLandscape:  // landscapes
      SunDisk(cr, 70, 28, 13);
      cairo_move_to(cr, 4, 84);
      cairo_line_to(cr, 36, 34);
      cairo_line_to(cr, 56, 62);
      cairo_line_to(cr, 68, 48);
      cairo_line_to(cr, 96, 84);
      cairo_close_path(cr);
      OutlineFill(cr, Hex(0x6AAE5B));
      cairo_move_to(cr, 28, 46);
      cairo_line_to(cr, 36, 34);
      cairo_line_to(cr, 44, 46);
      cairo_close_path(cr);
      SetSource(cr, Hex(0xFFFFFF));
      cairo_fill(cr);
      break;
    case kCategoryPerson:  // people: a smiling face
      cairo_arc(cr, 50, 54, 32, 0, 2 * M_PI);
      OutlineFill(cr, Hex(0xFFD7B0));
      cairo_arc(cr, 50, 46, 33, M_PI * 1.05, M_PI * 1.95);
      cairo_close_path(cr);
      OutlineFill(cr, Hex(0x7A4B2A));
      for (double x : {39.0, 61.0}) {
        cairo_arc(cr, x, 54, 3.5, 0, 2 * M_PI);
        SetSource(cr, Ink());
        cairo_fill(cr);
      }
      cairo_arc(cr, 50, 62, 12, 0.15 * M_PI, 0.85 * M_PI);
      cairo_set_line_width(cr, 4);
      cairo_stroke(cr);
      break;
    case kCategoryDinosaur:  // dinosaurs
      cairo_move_to(cr, 8, 74);
      cairo_curve_to(cr, 20, 60, 30, 46, 50, 46);
      cairo_curve_to(cr, 60, 46, 64, 30, 66, 20);
      cairo_curve_to(cr, 70, 10, 92, 12, 92, 24);
      cairo_curve_to(cr, 92, 30, 80, 32, 76, 34);
      cairo_curve_to(cr, 74, 50, 78, 70, 66, 80);
      cairo_line_to(cr, 64, 94);
      cairo_line_to(cr, 54, 94);
      cairo_line_to(cr, 54, 82);
      cairo_line_to(cr, 38, 82);
      cairo_line_to(cr, 36, 94);
      cairo_line_to(cr, 26, 94);
      cairo_line_to(cr, 28, 78);
      cairo_curve_to(cr, 20, 78, 14, 78, 8, 74);
      cairo_close_path(cr);
      OutlineFill(cr, Hex(0x5DBB63));
      cairo_arc(cr, 80, 21, 3, 0, 2 * M_PI);
      SetSource(cr, Ink());
      cairo_fill(cr);
      for (int i = 0; i < 4; ++i) StarPath(cr, 36 + i * 8, 46 - i * 1.5, 3, 6, 2, 0);
      SetSource(cr, Orange());
      cairo_fill(cr);
      break;
    case kCategoryInsect:  // insects: a ladybird
      cairo_arc(cr, 50, 24, 13, 0, 2 * M_PI);
      OutlineFill(cr, Ink());
      cairo_arc(cr, 50, 58, 34, 0, 2 * M_PI);
      OutlineFill(cr, Cherry());
      cairo_move_to(cr, 50, 24);
      cairo_line_to(cr, 50, 92);
      SetSource(cr, Ink());
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      for (auto [x, y] : {std::pair{34.0, 46.0}, {66.0, 46.0}, {30.0, 70.0}, {70.0, 70.0}, {44.0, 82.0}, {56.0, 82.0}}) {
        cairo_arc(cr, x, y, 6, 0, 2 * M_PI);
        cairo_fill(cr);
      }
      break;
    case kCategoryPlane:  // planes
      cairo_move_to(cr, 8, 50);
      cairo_curve_to(cr, 8, 40, 80, 40, 92, 48);
      cairo_curve_to(cr, 80, 58, 8, 60, 8, 50);
      OutlineFill(cr, Hex(0xFFFFFF));
      cairo_move_to(cr, 40, 48);
      cairo_line_to(cr, 62, 14);
      cairo_line_to(cr, 70, 14);
      cairo_line_to(cr, 60, 50);
      cairo_line_to(cr, 70, 86);
      cairo_line_to(cr, 62, 86);
      cairo_close_path(cr);
      OutlineFill(cr, Cherry());
      cairo_move_to(cr, 10, 48);
      cairo_line_to(cr, 4, 30);
      cairo_line_to(cr, 14, 30);
      cairo_line_to(cr, 22, 46);
      cairo_close_path(cr);
      OutlineFill(cr, Sky());
      break;
    case kCategoryCloud:  // clouds and weather
      SunDisk(cr, 66, 32, 16);
      cairo_new_sub_path(cr);
      cairo_arc(cr, 34, 58, 16, 0, 2 * M_PI);
      cairo_new_sub_path(cr);
      cairo_arc(cr, 54, 48, 20, 0, 2 * M_PI);
      cairo_new_sub_path(cr);
      cairo_arc(cr, 72, 62, 14, 0, 2 * M_PI);
      RoundRect(cr, 20, 58, 66, 18, 9);
      SetSource(cr, Ink());
      cairo_set_line_width(cr, 7);
      cairo_stroke_preserve(cr);
      SetSource(cr, Hex(0xFFFFFF));
      cairo_fill(cr);
      for (double x : {34.0, 52.0, 70.0}) {
        cairo_move_to(cr, x, 84);
        cairo_line_to(cr, x - 4, 94);
      }
      SetSource(cr, Sky());
      cairo_set_line_width(cr, 4);
      cairo_stroke(cr);
      break;
    case kCategoryHouse:  // houses
      cairo_rectangle(cr, 22, 46, 56, 44);
      OutlineFill(cr, Hex(0xFFE08A));
      cairo_move_to(cr, 12, 50);
      cairo_line_to(cr, 50, 14);
      cairo_line_to(cr, 88, 50);
      cairo_close_path(cr);
      OutlineFill(cr, Cherry());
      cairo_rectangle(cr, 42, 62, 16, 28);
      OutlineFill(cr, Hex(0x8A5A32), 3);
      cairo_rectangle(cr, 28, 56, 10, 10);
      OutlineFill(cr, Sky(), 3);
      break;
    case kCategoryLeaf:  // leaves and trees
      cairo_move_to(cr, 50, 94);
      cairo_line_to(cr, 50, 50);
      SetSource(cr, Hex(0x8A5A32));
      cairo_set_line_width(cr, 7);
      cairo_stroke(cr);
      cairo_move_to(cr, 50, 70);
      cairo_curve_to(cr, 10, 60, 14, 16, 50, 6);
      cairo_curve_to(cr, 86, 16, 90, 60, 50, 70);
      OutlineFill(cr, Leaf());
      cairo_move_to(cr, 50, 64);
      cairo_line_to(cr, 50, 16);
      SetSource(cr, Hex(0x2F7A3C));
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      break;
    case kCategoryBird:  // birds
      cairo_arc(cr, 46, 56, 28, 0, 2 * M_PI);
      OutlineFill(cr, Sky());
      cairo_move_to(cr, 72, 46);
      cairo_line_to(cr, 92, 52);
      cairo_line_to(cr, 72, 58);
      cairo_close_path(cr);
      OutlineFill(cr, Orange());
      cairo_move_to(cr, 26, 52);
      cairo_curve_to(cr, 36, 30, 56, 40, 52, 62);
      OutlineFill(cr, Hex(0x2E86C1), 3);
      cairo_arc(cr, 62, 46, 4, 0, 2 * M_PI);
      SetSource(cr, Ink());
      cairo_fill(cr);
      break;
    case kCategoryCartoon:  // a strip of film with a star
      RoundRect(cr, 8, 22, 84, 56, 6);
      OutlineFill(cr, Hex(0x3A3A4A));
      for (int i = 0; i < 6; ++i) {
        cairo_rectangle(cr, 14 + i * 13.5, 26, 7, 6);
        cairo_rectangle(cr, 14 + i * 13.5, 68, 7, 6);
      }
      SetSource(cr, Hex(0xFFFFFF));
      cairo_fill(cr);
      cairo_rectangle(cr, 18, 36, 64, 28);
      SetSource(cr, Hex(0xBFE3FF));
      cairo_fill(cr);
      StarPath(cr, 50, 50, 5, 13, 6, 0);
      OutlineFill(cr, art::Sun(), 2.5);
      break;
  }
}


PictureFn PictureOf(int k) {
  return [k](cairo_t* cr, double x, double y, double size) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, size / 100.0, size / 100.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    CategoryPicture(cr, kCategories[k].id);
    cairo_new_path(cr);
    cairo_restore(cr);
  };
}

Image Tray() {
  Canvas c = NewCanvas(kToolW, kToolH);
  PaintFelt(c.cr, 0, 0, kToolW, kToolH);
  for (int k = 0; k <= kCategoryCount; ++k) {  // a cell per category and the pocket of stars
    Pt at = ToolCell(k);
    Rc cell = {at.x, at.y, kCellW, kCellH};
    if (k < kCategoryCount) {
      DrawTile(c.cr, cell, TileLook{}, PictureOf(k));
    } else {  // the last pocket holds a little pile of stars
      for (int i = 0; i < 3; ++i) {
        StarPath(c.cr, cell.x + 16 + i * 12, cell.y + 26 - (i % 2) * 8, 5, 8, 3.5, i * 0.3);
        OutlineFill(c.cr, i == 1 ? Cherry() : art::Sun(), 1.3);
      }
    }
  }
  Pt pb = ToolPageButton();
  RoundRect(c.cr, pb.x + 2, pb.y + 3, kPageBtnW - 4, kPageBtnH - 6, 10);
  SetSource(c.cr, Hex(0x24516E));
  cairo_fill(c.cr);
  for (int i = 0; i < 5; ++i) {
    HeartPath(c.cr, pb.x + 18 + i * 20, pb.y + 14, 12);
    SetSource(c.cr, i % 2 ? art::Sun() : Cherry());
    cairo_fill(c.cr);
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

// The selection animation: the page slides up out of the compartment's bottom.
Image Drawer(int slots) {
  const int frames = 5;
  Canvas c = NewCanvas(kLibPageW * frames, kLibPageH);
  PaintFelt(c.cr, 0, 0, kLibPageW * frames, kLibPageH);
  for (int f = 0; f < frames; ++f) {
    cairo_save(c.cr);
    cairo_rectangle(c.cr, f * kLibPageW, 0, kLibPageW, kLibPageH);
    cairo_clip(c.cr);
    double t = 1.0 - f / double(frames - 1);
    PageBase(c.cr, f * kLibPageW, std::round(kLibPageH * t * t), slots);
    cairo_restore(c.cr);
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

}  // namespace

const Image& LibraryTray() {
  static const Image tray = Tray();
  return tray;
}

void MakeLibraryTray(Gen& g) {
  g.ini.Set("800", "Lib", g.Bitmap("library.bmp", LibraryTray()));
  std::string drawers[3];
  for (int k = 0; k < kCategoryCount; ++k) {
    std::string name = kCategories[k].button, stem = name;
    for (char& ch : stem) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    g.ini.Set("CARTOON", name + "M", g.Bitmap("lib_" + stem + "_M.bmp", TileStrip(kCellW, kCellH, HoverFrames(), PictureOf(k))));
    g.ini.Set("CARTOON", name + "S", g.Bitmap("lib_" + stem + "_S.bmp", TileStrip(kCellW, kCellH, PlainFrames(), PictureOf(k))));
    // the look of the category whose page is open: chosen, as a selected tool looks
    g.ini.Set("CARTOON", name + "P", g.Bitmap("lib_" + stem + "_P.bmp", TileStrip(kCellW, kCellH, {SelectFrames().back()}, PictureOf(k))));
    g.ini.SetInt("CARTOON", name + "MW", kCellW);
    g.ini.SetInt("CARTOON", name + "SW", kCellW);
    g.ini.SetInt("CARTOON", name + "PW", kCellW);
    int slots = kCategories[k].itemsPerPage, d = slots - 4;
    if (drawers[d].empty()) drawers[d] = g.Bitmap("lib_drawer" + std::to_string(slots) + ".bmp", Drawer(slots));
    g.ini.Set("CARTOON", name + "C", drawers[d]);
    g.ini.SetInt("CARTOON", name + "CW", kLibPageW);
    for (int v : {800, 640}) {
      const Plan& p = PlanFor(v);
      Pt at = ToolCell(k);
      Pt org = {p.tool.x + at.x, p.tool.y + at.y};
      g.ini.SetPoint("CARTOON", name + "M" + p.digit + "ORG", org);
      g.ini.SetPoint("CARTOON", name + "S" + p.digit + "ORG", org);
      g.ini.SetPoint("CARTOON", name + "P" + p.digit + "ORG", org);
      // the page of the category opens where its selection animation plays
      g.ini.SetPoint("CARTOON", name + "C" + p.digit + "ORG", {p.library.x, p.library.y});
      g.ini.SetRect("CARTOON", name + "A" + p.digit, {org.x, org.y, kCellW, kCellH});
    }
  }
}

}  // namespace art
