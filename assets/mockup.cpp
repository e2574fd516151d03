// colvane_mockup: composes screens from the generated layout file and bitmaps, the way the
// program layers them, and draws the labelled screen plan. Usage: colvane_mockup <asset dir>
// <output dir>. Writes mock-<variant>-<scene>.png and screen-plan-<variant>.png.
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "assets/art_common.h"
#include "assets/asset_read.h"
#include "assets/file_write.h"
#include "colvane/library/cartoon_file.h"

using namespace art;
using assetread::IniFile;

namespace {

struct Mock {
  std::string prog;  // program folder
  IniFile ini;
  std::map<std::string, Image> cache;
  int variant = 800;
  char digit = '8';
  std::string section;
  Image screen;
};

Image Load(Mock& m, const std::string& value) {
  if (value.empty()) return Image();
  auto it = m.cache.find(value);
  if (it != m.cache.end()) return it->second;
  assetread::Bitmap b;
  std::string why;
  Image img;
  if (assetread::ReadBitmap(assetread::ProgramFile(m.prog, value), b, &why)) {
    img = Image(b.w, b.h);
    img.px = b.rgb;
  } else {
    std::fprintf(stderr, "mockup: %s: %s\n", value.c_str(), why.c_str());
  }
  m.cache[value] = img;
  return img;
}

// Copies (sx, sy, w, h) of src to (x, y); keyed skips pure red.
void Draw(Mock& m, const Image& src, int x, int y, int sx = 0, int sy = 0, int w = -1,
          int h = -1, bool keyed = false) {
  if (src.w == 0) return;
  if (w < 0) w = src.w;
  if (h < 0) h = src.h;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      int px = sx + i, py = sy + j, dx = x + i, dy = y + j;
      if (px < 0 || py < 0 || px >= src.w || py >= src.h) continue;
      if (dx < 0 || dy < 0 || dx >= m.screen.w || dy >= m.screen.h) continue;
      Rgb c = src.Get(px, py);
      if (keyed && c.r == 255 && c.g == 0 && c.b == 0) continue;
      m.screen.Set(dx, dy, c);
    }
}

bool Point(Mock& m, const std::string& sec, const std::string& key, int& x, int& y) {
  int v[2];
  if (!m.ini.GetNumbers(sec, key, 2, v)) return false;
  x = v[0];
  y = v[1];
  return true;
}

bool Rect(Mock& m, const std::string& sec, const std::string& key, int* r) {
  return m.ini.GetNumbers(sec, key, 4, r);
}

void FillRect(Mock& m, int x, int y, int w, int h, Rgb c) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i)
      if (x + i >= 0 && y + j >= 0 && x + i < m.screen.w && y + j < m.screen.h)
        m.screen.Set(x + i, y + j, c);
}

// A picture a child might have painted, standing in for the canvas.
Image ChildPainting(int w, int h) {
  Canvas c = NewCanvas(w, h);
  cairo_t* cr = c.cr;
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  double s = w / 640.0;
  cairo_scale(cr, s, s);
  cairo_arc(cr, 520, 90, 46, 0, 2 * M_PI);
  SetSource(cr, Hex(0xFFD23C));
  cairo_fill(cr);
  SetSource(cr, Hex(0xF2A81D));
  cairo_set_line_width(cr, 7);
  for (int i = 0; i < 10; ++i) {
    double a = i * M_PI / 5;
    cairo_move_to(cr, 520 + 60 * std::cos(a), 90 + 60 * std::sin(a));
    cairo_line_to(cr, 520 + 85 * std::cos(a), 90 + 85 * std::sin(a));
  }
  cairo_stroke(cr);
  cairo_move_to(cr, 0, 380);
  cairo_curve_to(cr, 200, 330, 420, 400, 640, 350);
  cairo_line_to(cr, 640, 480);
  cairo_line_to(cr, 0, 480);
  SetSource(cr, Hex(0x7CCB5E));
  cairo_fill(cr);
  cairo_rectangle(cr, 120, 230, 150, 130);
  SetSource(cr, Hex(0xE8574C));
  cairo_fill(cr);
  cairo_move_to(cr, 105, 235);
  cairo_line_to(cr, 195, 160);
  cairo_line_to(cr, 285, 235);
  cairo_close_path(cr);
  SetSource(cr, Hex(0x7A4B2A));
  cairo_fill(cr);
  cairo_rectangle(cr, 175, 290, 40, 70);
  SetSource(cr, Hex(0x4A90D9));
  cairo_fill(cr);
  SetSource(cr, Hex(0x3366CC));
  cairo_set_line_width(cr, 10);
  cairo_move_to(cr, 330, 150);
  cairo_curve_to(cr, 370, 110, 400, 190, 440, 140);
  cairo_stroke(cr);
  cairo_identity_matrix(cr);
  Image img = Flatten(c);
  FreeCanvas(c);
  return img;
}

struct Scene {
  const char* name;
  const char* panel;       // option panel (AREA key prefix and panel name)
  const char* selected;    // selected panel button
  const char* tool;        // selected toolbox button (its C strip)
  int page;                // toolbox page
  bool library;            // library page shown
  const char* sample = nullptr;  // a SAMPLE picture on the canvas, its cartoons where they are at tick 40
};

// Draws the cartoons of a cartoon file into the picture as the program shows them after `tick`
// ticks: each at its point of that tick, centred, in its frame of that tick.
void Cartoons(Mock& m, Image& picture, const std::string& file, int tick) {
  std::vector<uint8_t> data;
  if (!assetread::ReadAll(m.prog + "/" + file, data)) return;
  CartoonDirectory dir = ReadCartoonDirectory(data.data(), data.size());
  for (const CartoonEntry& e : dir.entries) {
    std::vector<CartoonPoint> path;
    std::string key = "G" + std::to_string(e.group) + "C" + std::to_string(e.number);
    int w = m.ini.GetInt("CARTCONTENT", key + "W", 0);
    Image strip = Load(m, m.ini.Get("CARTCONTENT", key));
    if (w <= 0 || strip.w < w || !ReadCartoonPath(data.data(), data.size(), dir, e, &path)) continue;
    CartoonPoint at = path[tick % path.size()];
    int frame = tick % (strip.w / w);
    for (int y = 0; y < strip.h; ++y)
      for (int x = 0; x < w; ++x) {
        int dx = at.x - w / 2 + x, dy = at.y - strip.h / 2 + y;
        Rgb c = strip.Get(frame * w + x, y);
        if ((c.r == 255 && c.g == 0 && c.b == 0) || dx < 0 || dy < 0 || dx >= picture.w || dy >= picture.h) continue;
        picture.Set(dx, dy, c);
      }
  }
}

void DrawPanel(Mock& m, const Scene& s) {
  std::string area = std::string(s.panel) + "AREA";
  if (std::string(s.panel) == "TON" || std::string(s.panel) == "RUB") area += "0";
  int ox = 0, oy = 0;
  if (!Point(m, "DETAILTOOL", std::string(s.panel) + "_ORG" + m.digit, ox, oy)) return;
  Image normal = Load(m, m.ini.Get("DETAILTOOL", area));
  Draw(m, normal, ox, oy);
  Image sel = Load(m, m.ini.Get("DETAILTOOL", area + "S"));
  int r[4];
  if (s.selected && Rect(m, "DETAILTOOL", std::string(s.selected) + "_CORD" + m.digit, r))
    Draw(m, sel, r[0], r[1], r[0] - ox, r[1] - oy, r[2] - r[0], r[3] - r[1]);
  std::string p = s.panel;
  if (p == "HEAP" && Rect(m, "DETAILTOOL", std::string("HEAP_SELECT_CORD") + m.digit, r)) {
    Image strip = Load(m, m.ini.Get("DETAILTOOL", "HEAP"));
    int cw = m.ini.GetInt("DETAILTOOL", "HEAPW", 0);
    if (cw > 0)
      Draw(m, strip, r[0] + (r[2] - r[0] - cw) / 2, r[1] + (r[3] - r[1] - strip.h) / 2, 0, 0, cw,
           strip.h);
  }
  if (p == "POLY") {
    Image strip = Load(m, m.ini.Get("DETAILTOOL", "JI"));
    int cw = m.ini.GetInt("DETAILTOOL", "JIW", 0);
    const char* slots[] = {"POLY_1", "POLY_2", "POLY_3"};
    for (int i = 0; i < 3 && cw > 0; ++i)
      if (Rect(m, "DETAILTOOL", std::string(slots[i]) + "_CORD" + m.digit, r))
        Draw(m, strip, r[0] + (r[2] - r[0] - cw) / 2, r[1] + (r[3] - r[1] - strip.h) / 2,
             i * cw, 0, cw, strip.h);
  }
  if (p == "SPEC" && Rect(m, "DETAILTOOL", std::string("SPECCUR_CORD") + m.digit, r)) {
    Image knob = Load(m, m.ini.Get("DETAILTOOL", "SPECCUR"));
    int kx = r[0] + static_cast<int>((r[2] - r[0] - knob.w) * 100 * 0.005);
    Draw(m, knob, kx, r[1], 0, 0, -1, -1, true);
  }
}

Image Compose(Mock& m, const Scene& s) {
  const std::string& sec = m.section;
  m.screen = Image(m.variant == 800 ? 800 : 640, m.variant == 800 ? 600 : 480, {0, 0, 0});
  Draw(m, Load(m, m.ini.Get(sec, "DRAW")), 0, 0);
  int px = 0, py = 0;
  Point(m, sec, "PAPERORG", px, py);
  int pw = m.variant == 800 ? 640 : 482, ph = m.variant == 800 ? 480 : 371;
  if (s.sample) {
    Image picture = Load(m, std::string("CUST\\SAMPLE\\") + s.sample + ".sam");
    Cartoons(m, picture, std::string("CUST/SAMPLE/") + s.sample + ".CAT", 40);
    Draw(m, picture, px, py, 0, 0, pw, ph);
  } else {
    Draw(m, ChildPainting(640, 480), px, py, 0, 0, pw, ph);
  }
  int tx = 0, ty = 0, ox = 0, oy = 0;
  Point(m, sec, "TOOLCORD", tx, ty);
  Point(m, sec, "COLORCORD", ox, oy);
  if (!s.library) {
    Image colour = Load(m, m.ini.Get(sec, "COLOR"));
    Draw(m, colour, ox, oy);
    int dom[2] = {0, 0}, box[4] = {0, 0, 0, 0}, pitch[2] = {0, 0};
    m.ini.GetNumbers(sec, "SIZEDOMAIN", 2, dom);
    m.ini.GetNumbers(sec, "PALSBOXCORD", 4, box);
    m.ini.GetNumbers(sec, "PALGBOXCORD", 2, pitch);
    Image thumb = Load(m, m.ini.Get(sec, "sizebar"));
    int left = ox + dom[0] + (dom[1] - dom[0]) * 20 / 48;
    Draw(m, thumb, left, oy + colour.h - thumb.h, 0, 0, -1, -1, true);
    const uint32_t page0[16] = {0xFFFFFF, 0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF,
                                0xFF00FF, 0xFFFF00, 0xC0C0C0, 0x808080, 0x000080, 0x008000,
                                0x800000, 0x008080, 0x800080, 0x808000};
    for (int i = 0; i < 16; ++i) {
      uint32_t bgr = page0[i];
      Rgb c{static_cast<uint8_t>(bgr & 255), static_cast<uint8_t>((bgr >> 8) & 255),
            static_cast<uint8_t>(bgr >> 16)};
      FillRect(m, ox + box[0] + (i % 8) * pitch[0], oy + box[1] + (i / 8) * pitch[1], box[2] + 1,
               box[3] + 1, c);
    }
    FillRect(m, ox + 7, oy + 14, 18, 18, {0, 0, 0});
    FillRect(m, ox + 8, oy + 15, 16, 16, {255, 255, 255});
    FillRect(m, ox + 3, oy + 8, 18, 18, {0, 0, 0});
    FillRect(m, ox + 4, oy + 9, 16, 16, {0xE8, 0x47, 0x4C});
    Draw(m, Load(m, m.ini.Get(sec, s.page == 1 ? "TOOL" : "TOOL1")), tx, ty);
  } else {
    Point(m, sec, "GLIBCORD", tx, ty);
    Draw(m, Load(m, m.ini.Get("800", "Lib")), tx, ty);
  }
  // toolbox: page button, then the selected tool as the last frame of its selection strip
  std::string pb = s.page == 1 ? std::string("TOOL122") + m.digit + "M" : std::string("TOOL221") + m.digit + "M";
  int bx = 0, by = 0;
  if (!s.library && Point(m, "CARTOON", pb + "ORG", bx, by)) Draw(m, Load(m, m.ini.Get("CARTOON", pb)), bx, by);
  if (s.tool) {
    std::string c = std::string(s.tool) + "C";
    Image strip = Load(m, m.ini.Get("CARTOON", c));
    int w = m.ini.GetInt("CARTOON", c + "W", 256);
    if (w > 0 && strip.w >= w && Point(m, "CARTOON", c + m.digit + "ORG", bx, by))
      Draw(m, strip, bx, by, (strip.w / w - 1) * w, 0, w, strip.h);
  }
  // desk buttons: frame 0 of state 1
  struct Desk { std::string state, area; };
  std::string turn = s.library ? "L2T" : "T2L";
  Desk desk[] = {{turn + "D" + m.digit, turn + "UCORD"}, {"NEWD", "NEWCORD"}, {"EXITD", "EXITCORD"},
                 {"FILEPAGEUU", "FILEPAGECORD"}, {"UNDOU", "UNDOCORD"}};
  for (const Desk& d : desk) {
    int a[2];
    if (!m.ini.GetNumbers("CARTOON", d.area + m.digit, 2, a)) continue;
    Image img = Load(m, m.ini.Get("CARTOON", d.state));
    Draw(m, img, a[0], a[1]);  // states 1 and 2 are single frames
  }
  if (!s.library) {
    Image up = Load(m, m.ini.Get(sec, "colorpageup")), down = Load(m, m.ini.Get(sec, "colorpagedown"));
    if (Point(m, sec, "POSCOLORPAGEUP", bx, by)) Draw(m, up, bx, by, 0, 0, up.w / 2, up.h);
    if (Point(m, sec, "POSCOLORPAGEDOWN", bx, by)) Draw(m, down, bx, by, 0, 0, up.w / 2, up.h);
  }
  if (s.panel) DrawPanel(m, s);
  if (s.library) {
    int lx = 0, ly = 0;
    if (Point(m, "CARTOON", std::string("BIRDC") + m.digit + "ORG", lx, ly))
      Draw(m, Load(m, m.ini.Get("BIRDCONTENT", "G1")), lx, ly);
  }
  // sound panel
  int sx = 0, sy = 0;
  if (Point(m, "CARTOON", std::string("SOUNDCORD") + m.digit, sx, sy))
    Draw(m, Load(m, m.ini.Get("CARTOON", std::string("SOUNDON") + m.digit)), sx, sy);
  // the paper type bitmap over everything beneath its shape
  int cx = 0, cy = 0;
  if (Point(m, "CARTOON", std::string("PAPERCORD") + m.digit, cx, cy))
    Draw(m, Load(m, m.ini.Get("PAPERTYPE", std::string(1, m.digit) + "1")), cx, cy, 0, 0, -1, -1, true);
  return m.screen;
}

}  // namespace

void DrawPlan(const Image& painting, const Image& library, int variant, const std::string& path);

// All cursors on a light and a dark strip, hot spots marked, four times their size.
bool CursorSheet(const std::string& resDir, const std::string& path) {
  const char* names[] = {"absorb", "hand1", "hand2", "jetgun", "flood", "chalk", "enlarge", "candle",
                         "magic", "mike", "pencil", "polygen", "rubber", "typew", "rope", "brush"};
  const int z = 4, cell = 32 * z + 8;
  Image sheet(16 * cell, 2 * cell, {240, 232, 218});
  for (int i = 0; i < 16; ++i) {
    std::vector<uint8_t> data;
    std::vector<assetread::IconImage> imgs;
    if (!assetread::ReadAll(resDir + "/" + names[i] + ".cur", data) ||
        !assetread::ReadIconFile(data, 2, imgs, nullptr))
      continue;
    const assetread::IconImage& c = imgs[0];
    for (int row = 0; row < 2; ++row)
      for (int y = 0; y < 32 * z; ++y)
        for (int x = 0; x < 32 * z; ++x) {
          Rgb bg = row ? Rgb{40, 50, 70} : Rgb{255, 255, 255};
          const uint8_t* p = &c.rgba[4 * ((y / z) * 32 + x / z)];
          int a = p[3];
          Rgb o = {static_cast<uint8_t>((p[0] * a + bg.r * (255 - a)) / 255),
                   static_cast<uint8_t>((p[1] * a + bg.g * (255 - a)) / 255),
                   static_cast<uint8_t>((p[2] * a + bg.b * (255 - a)) / 255)};
          if (x / z == c.hotX && y / z == c.hotY) o = {255, 0, 255};
          sheet.Set(i * cell + 4 + x, row * cell + 4 + y, o);
        }
  }
  return WritePng(path, sheet);
}

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: colvane_mockup <asset dir> <output dir>\n");
    return 2;
  }
  Mock m;
  m.prog = std::string(argv[1]) + "/Colvane";
  std::string out = argv[2];
  if (!m.ini.Load(m.prog + "/Colvane.ini")) {
    std::fprintf(stderr, "mockup: no layout file in %s\n", m.prog.c_str());
    return 1;
  }
  const Scene scenes[] = {
      {"brush", "BRUSH", "BRUSH_FREE", "BRUSH", 1, false},
      {"stamp", "HEAP", "HEAP_SELECT", "MAGIC", 2, false},
      {"shapes", "POLY", "POLY_1", "POLYG", 1, false},
      {"effects", "SPEC", "SPEC_SPEC", "ENLARGE", 1, false},
      {"library", "BRUSH", "BRUSH_FREE", "BIRD", 1, true},
      {"cartoons", "BRUSH", "BRUSH_FREE", "BRUSH", 1, false, "Sample4"},
  };
  int status = 0;
  for (int v : {800, 640}) {
    m.variant = v;
    m.digit = v == 800 ? '8' : '6';
    m.section = v == 800 ? "800" : "640";
    Image painting, library;
    for (const Scene& s : scenes) {
      Image img = Compose(m, s);
      std::string name = out + "/mock-" + std::to_string(v) + "-" + s.name + ".png";
      if (!WritePng(name, img)) status = 1;
      if (std::string(s.name) == "brush") painting = img;
      if (s.library) library = img;
    }
    DrawPlan(painting, library, v, out + "/screen-plan-" + std::to_string(v) + ".png");
  }
  if (!CursorSheet(std::string(argv[1]) + "/res", out + "/cursors.png")) status = 1;
  return status;
}
