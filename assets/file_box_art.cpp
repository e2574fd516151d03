// The file box: its page for each layout, the card every box and picture sits on, its ten
// buttons with their pressed looks, the four frames of the rubbish bin, and the SAMPLE box of
// finished pictures a fresh install opens on.
#include <cmath>
#include <string>

#include "assets/button_tiles.h"
#include "assets/gen_context.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

namespace {

constexpr int kCardW = kFileCardW, kCardH = kFileCardH;  // the cell of both grids
constexpr int kBinW = 80, kBinH = 56;

// A felt tray sunk into the wood, with a rim, holding the cards or the pictures.
void Tray(cairo_t* cr, Rc r, const char* label) {
  SoftShadow(cr, r.x, r.y, r.w, r.h, 10, 0, 2, 6, 0.45);
  RoundRect(cr, r.x - kTrayRim, r.y - kTrayRim, r.w + 2 * kTrayRim, r.h + 2 * kTrayRim, 12);
  SetSource(cr, WoodDark());
  cairo_fill(cr);
  cairo_save(cr);
  RoundRect(cr, r.x, r.y, r.w, r.h, 10);
  cairo_clip(cr);
  PaintFelt(cr, r.x, r.y, r.w, r.h);
  cairo_restore(cr);
  if (label) {  // a little name plate on the rim, outside the cells
    const Rc plate = TrayLabel(r, label);
    RoundRect(cr, plate.x, plate.y, plate.w, plate.h, 5);
    OutlineFill(cr, Cream(), 1.2);
    CentredText(cr, label, plate.x + plate.w / 2.0, plate.y + 7, 10, Ink());
  }
}

Image FilePage(const Plan& p) {
  Canvas c = NewCanvas(p.screenW, p.screenH);
  cairo_t* cr = c.cr;
  PaintImage(cr, DeskImage(p.variant), 0, 0);
  // the paper is put away: wood where it lay, then the two trays
  cairo_rectangle(cr, 0, 0, p.rightWell.x - 2, p.screenH);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, p.screenH);
  cairo_pattern_add_color_stop_rgb(g, 0, WoodLight().r, WoodLight().g, WoodLight().b);
  cairo_pattern_add_color_stop_rgb(g, 1, WoodDark().r, WoodDark().g, WoodDark().b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  for (int k = 0; k < p.screenH; k += 7) {  // grain
    cairo_move_to(cr, 0, k + 3 * std::sin(k * 0.37));
    cairo_curve_to(cr, 200, k + 4 * std::sin(k * 0.11), 400, k - 3, p.rightWell.x - 2, k + 2 * std::cos(k * 0.2));
    cairo_set_source_rgba(cr, 0.45, 0.25, 0.1, 0.08);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  Tray(cr, p.boxCards, "boxes");
  Tray(cr, p.thumbs, "pictures");
  // felt under the bin, where it stands beside the desk's buttons
  Tray(cr, Grow(p.bin, kBinFelt), nullptr);
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

// A card: cream paper with a soft edge and a folded corner; thumbnails sit 2 pixels in.
Image Card() {
  Canvas c = NewCanvas(kCardW, kCardH);
  cairo_t* cr = c.cr;
  PaintFelt(cr, 0, 0, kCardW, kCardH);
  RoundRect(cr, 0.5, 0.5, kCardW - 1, kCardH - 1, 4);
  OutlineFill(cr, Cream(), 1.0);
  cairo_move_to(cr, kCardW - 14, kCardH - 1);
  cairo_line_to(cr, kCardW - 1, kCardH - 14);
  cairo_line_to(cr, kCardW - 14, kCardH - 14);
  cairo_close_path(cr);
  OutlineFill(cr, Darker(Cream(), 0.12), 1.0);
  // a coloured tab along the top that a box name is written under
  cairo_rectangle(cr, 6, 22, kCardW - 12, 3);
  SetSource(cr, Sky(), 0.6);
  cairo_fill(cr);
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

void Triangle(cairo_t* cr, double cx, double cy, double dir) {
  cairo_move_to(cr, cx + 9 * dir, cy);
  cairo_line_to(cr, cx - 6 * dir, cy - 10);
  cairo_line_to(cr, cx - 6 * dir, cy + 10);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xFFFFFF), 1.6);
}
void BoxesBack(cairo_t* cr, double cx, double cy) { Triangle(cr, cx - 1, cy, -1); }
void BoxesOn(cairo_t* cr, double cx, double cy) { Triangle(cr, cx + 1, cy, 1); }
void PicturesBack(cairo_t* cr, double cx, double cy) {
  Triangle(cr, cx - 4, cy, -1);
  Triangle(cr, cx + 5, cy, -1);
}
void PicturesOn(cairo_t* cr, double cx, double cy) {
  Triangle(cr, cx - 5, cy, 1);
  Triangle(cr, cx + 4, cy, 1);
}
void NewBox(cairo_t* cr, double cx, double cy) {
  cairo_rectangle(cr, cx - 11, cy - 4, 20, 13);
  OutlineFill(cr, Hex(0xC98A4B), 1.6);
  cairo_rectangle(cr, cx + 2, cy - 14, 5, 14);
  cairo_rectangle(cr, cx - 2, cy - 10, 13, 5);
  OutlineFill(cr, Sun(), 1.4);
}
void Export(cairo_t* cr, double cx, double cy) {
  cairo_rectangle(cr, cx - 10, cy - 8, 15, 18);
  OutlineFill(cr, Hex(0xFFFFFF), 1.6);
  cairo_move_to(cr, cx - 6, cy + 6);
  cairo_line_to(cr, cx - 2, cy);
  cairo_line_to(cr, cx + 2, cy + 6);
  SetSource(cr, Leaf());
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_move_to(cr, cx + 13, cy - 8);
  cairo_line_to(cr, cx + 5, cy - 14);
  cairo_line_to(cr, cx + 5, cy - 2);
  cairo_close_path(cr);
  OutlineFill(cr, Sun(), 1.4);
}
void Printer(cairo_t* cr, double cx, double cy) {
  cairo_rectangle(cr, cx - 7, cy - 13, 14, 10);
  OutlineFill(cr, Hex(0xFFFFFF), 1.4);
  RoundRect(cr, cx - 13, cy - 4, 26, 12, 3);
  OutlineFill(cr, Hex(0x6F7C8A), 1.6);
  cairo_rectangle(cr, cx - 8, cy + 4, 16, 9);
  OutlineFill(cr, Hex(0xFFFFFF), 1.4);
  cairo_arc(cr, cx + 9, cy, 1.5, 0, 2 * M_PI);
  SetSource(cr, Leaf());
  cairo_fill(cr);
}

// The rubbish bin with its lid lifted by `open` (0 shut .. 1 wide open); `lit` when a picture is
// held over it.
Image Bin(double open, bool lit) {
  Canvas c = NewCanvas(kBinW, kBinH);
  cairo_t* cr = c.cr;
  PaintFelt(cr, 0, 0, kBinW, kBinH);
  const double cx = kBinW / 2.0;
  Col body = lit ? Leaf() : Hex(0x6FA8DC);
  cairo_move_to(cr, cx - 18, 18);
  cairo_line_to(cr, cx + 18, 18);
  cairo_line_to(cr, cx + 14, kBinH - 3);
  cairo_line_to(cr, cx - 14, kBinH - 3);
  cairo_close_path(cr);
  OutlineFill(cr, body, 1.8);
  for (int k = -1; k <= 1; ++k) {
    cairo_move_to(cr, cx + k * 8, 23);
    cairo_line_to(cr, cx + k * 6.5, kBinH - 8);
    SetSource(cr, Darker(body, 0.3));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  // the lid turns about its left end
  cairo_save(cr);
  cairo_translate(cr, cx - 20, 16);
  cairo_rotate(cr, -open * 0.9);
  RoundRect(cr, 0, -5, 40, 6, 2);
  OutlineFill(cr, Darker(body, 0.1), 1.6);
  RoundRect(cr, 16, -9, 8, 4, 1.5);
  OutlineFill(cr, Darker(body, 0.2), 1.2);
  cairo_restore(cr);
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

// The SAMPLE box: finished pictures to open, print and paint on.
Image SamplePicture(int n) {
  Canvas c = NewCanvas(640, 480);
  cairo_t* cr = c.cr;
  if (n == 1) {  // a house under the sun, flowers in the grass
    cairo_rectangle(cr, 0, 0, 640, 480);
    SetSource(cr, Hex(0xBFE6FF));
    cairo_fill(cr);
    cairo_arc(cr, 540, 90, 48, 0, 2 * M_PI);
    OutlineFill(cr, Sun(), 3);
    cairo_rectangle(cr, 0, 340, 640, 140);
    SetSource(cr, Leaf());
    cairo_fill(cr);
    cairo_rectangle(cr, 180, 210, 200, 160);
    OutlineFill(cr, Hex(0xF6D7A7), 3);
    cairo_move_to(cr, 160, 215);
    cairo_line_to(cr, 280, 120);
    cairo_line_to(cr, 400, 215);
    cairo_close_path(cr);
    OutlineFill(cr, Cherry(), 3);
    cairo_rectangle(cr, 255, 290, 50, 80);
    OutlineFill(cr, Hex(0x8B5A2B), 3);
    cairo_rectangle(cr, 200, 240, 40, 36);
    cairo_rectangle(cr, 320, 240, 40, 36);
    OutlineFill(cr, Sky(), 3);
    for (int k = 0; k < 6; ++k) {
      double x = 60 + k * 100 + (k > 1 ? 180 : 0) * 0, y = 420 + (k % 2) * 20;
      if (x > 160 && x < 400) continue;
      StarPath(cr, x, y, 5, 14, 7, 0);
      OutlineFill(cr, k % 2 ? Grape() : Orange(), 2);
      cairo_arc(cr, x, y, 4, 0, 2 * M_PI);
      SetSource(cr, Sun());
      cairo_fill(cr);
    }
  } else if (n == 2) {  // a fish in the sea
    cairo_rectangle(cr, 0, 0, 640, 480);
    SetSource(cr, Hex(0x2E86C1));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 420, 640, 60);
    SetSource(cr, Hex(0xF4D58D));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 300, 230);
    cairo_scale(cr, 1.6, 1);
    cairo_arc(cr, 0, 0, 80, 0, 2 * M_PI);
    cairo_restore(cr);
    OutlineFill(cr, Orange(), 4);
    cairo_move_to(cr, 420, 230);
    cairo_line_to(cr, 520, 160);
    cairo_line_to(cr, 520, 300);
    cairo_close_path(cr);
    OutlineFill(cr, Orange(), 4);
    cairo_arc(cr, 220, 210, 16, 0, 2 * M_PI);
    OutlineFill(cr, Hex(0xFFFFFF), 3);
    cairo_arc(cr, 224, 212, 7, 0, 2 * M_PI);
    SetSource(cr, Ink());
    cairo_fill(cr);
    for (int k = 0; k < 5; ++k) {
      cairo_arc(cr, 120 - k * 12, 150 - k * 28, 8 + k * 2, 0, 2 * M_PI);
      SetSource(cr, Hex(0xFFFFFF), 0.7);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
    }
    for (int k = 0; k < 4; ++k) {
      cairo_move_to(cr, 40 + k * 170, 430);
      cairo_curve_to(cr, 20 + k * 170, 380, 60 + k * 170, 350, 40 + k * 170, 300);
      SetSource(cr, Leaf());
      cairo_set_line_width(cr, 9);
      cairo_stroke(cr);
    }
  } else {  // a rocket among the stars
    cairo_rectangle(cr, 0, 0, 640, 480);
    SetSource(cr, Hex(0x1B2A49));
    cairo_fill(cr);
    Rng rng(7);
    for (int k = 0; k < 40; ++k) {
      StarPath(cr, rng.Range(10, 630), rng.Range(10, 470), 5, rng.Range(3, 8), 2, 0);
      SetSource(cr, Sun());
      cairo_fill(cr);
    }
    cairo_arc(cr, 110, 380, 60, 0, 2 * M_PI);
    OutlineFill(cr, Hex(0xD9D9D9), 3);
    cairo_move_to(cr, 320, 70);
    cairo_curve_to(cr, 380, 130, 380, 250, 360, 330);
    cairo_line_to(cr, 280, 330);
    cairo_curve_to(cr, 260, 250, 260, 130, 320, 70);
    OutlineFill(cr, Hex(0xFFFFFF), 4);
    cairo_arc(cr, 320, 180, 24, 0, 2 * M_PI);
    OutlineFill(cr, Sky(), 4);
    cairo_move_to(cr, 280, 290);
    cairo_line_to(cr, 240, 350);
    cairo_line_to(cr, 284, 330);
    cairo_close_path(cr);
    cairo_move_to(cr, 360, 290);
    cairo_line_to(cr, 400, 350);
    cairo_line_to(cr, 356, 330);
    cairo_close_path(cr);
    OutlineFill(cr, Cherry(), 4);
    cairo_move_to(cr, 290, 335);
    cairo_line_to(cr, 320, 420);
    cairo_line_to(cr, 350, 335);
    cairo_close_path(cr);
    OutlineFill(cr, Orange(), 3);
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  return img;
}

}  // namespace

void MakeFileBox(Gen& g) {
  for (int v : {800, 640}) {
    const Plan& p = PlanFor(v);
    g.ini.Set(Section(p), "FILE", g.Bitmap(v == 800 ? "filebox8.bmp" : "filebox6.bmp", FilePage(p)));
  }
  g.ini.Set("800", "FILEPAPER", g.Bitmap("filecard.bmp", Card()));
  struct Button { const char* up; const char* down; const char* file; Col colour; Icon icon; };
  const Button buttons[] = {
      {"FEXITD", "FEXITU", "file_exit", Cherry(), Door},
      {"FILEPAGEDU", "FILEPAGEDD", "file_back", Orange(), PictureBox},
      {"DIRLEFTU", "DIRLEFTD", "file_boxes_back", Grape(), BoxesBack},
      {"DIRRIGHTU", "DIRRIGHTD", "file_boxes_on", Grape(), BoxesOn},
      {"BOXLEFTU", "BOXLEFTD", "file_pictures_back", Sky(), PicturesBack},
      {"BOXRIGHTU", "BOXRIGHTD", "file_pictures_on", Sky(), PicturesOn},
      {"BOXNEWU", "BOXNEWD", "file_new_box", Leaf(), NewBox},
      {"SAVEU", "SAVED", "file_export", Leaf(), Export},
      {"PRINTU", "PRINTD", "file_print", Sky(), Printer},
  };
  for (const Button& b : buttons) {
    g.ini.Set("CARTOON", b.up, g.Bitmap(std::string(b.file) + ".bmp", Bubble(b.colour, b.icon, false)));
    g.ini.Set("CARTOON", b.down, g.Bitmap(std::string(b.file) + "_down.bmp", Bubble(b.colour, b.icon, true)));
  }
  g.ini.Set("CARTOON", "GABAGEM", g.Bitmap("bin.bmp", Bin(0, false)));
  g.ini.Set("CARTOON", "GABAGEC", g.Bitmap("bin_down.bmp", Bin(0.3, true)));
  // the lid lifting, four frames side by side
  Image strip(kBinW * 4, kBinH);
  for (int f = 0; f < 4; ++f) Blit(strip, Bin(f / 3.0, f == 3), f * kBinW, 0);
  g.ini.Set("CARTOON", "GABAGES", g.Bitmap("bin_open.bmp", strip));
  g.ini.SetInt("CARTOON", "GABAGESW", kBinW);
  for (int n = 1; n <= 3; ++n)
    g.Check(WriteBmp24(g.ProgramPath("CUST/SAMPLE/Sample" + std::to_string(n) + ".sam"), SamplePicture(n)),
            "SAMPLE picture");
  // the box a fresh install keeps its first pictures in
  g.Check(WriteText(g.ProgramPath("CUST/MY PICTURES/.keep"), ""), "first box");
}

}  // namespace art
