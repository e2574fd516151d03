// The 16 tool cursors (32 x 32, hot spot where the tool touches the paper) and the program
// icon "32COLVANE", written as resource inputs.
#include <algorithm>
#include <cmath>

#include "assets/gen_context.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

namespace {

struct CursorArt {
  const char* resource;  // resource name the program loads
  const char* file;
  Pic pic;
  uint32_t paint;
};

const CursorArt kCursors[16] = {
    {"ABSORB", "absorb.cur", Pic::Dropper, 0xE8474C},  {"HAND1", "hand1.cur", Pic::OpenHand, 0},
    {"HAND2", "hand2.cur", Pic::PointHand, 0},         {"JETGUN", "jetgun.cur", Pic::Spray, 0xE8474C},
    {"FLOOD", "flood.cur", Pic::Bucket, 0x8E5BD0},     {"CHALK", "chalk.cur", Pic::Chalk, 0x9FD3FF},
    {"ENLARGE", "enlarge.cur", Pic::Magnifier, 0},     {"CANDLE", "candle.cur", Pic::Crayon, 0xF28C28},
    {"MAGIC", "magic.cur", Pic::Wand, 0xFFC93C},       {"MIKE", "mike.cur", Pic::Marker, 0x2FA84F},
    {"PENCIL", "pencil.cur", Pic::Pencil, 0x4A4A4A},   {"POLYGEN", "polygen.cur", Pic::Crosshair, 0},
    {"RUBBER", "rubber.cur", Pic::Eraser, 0},          {"TYPEW", "typew.cur", Pic::IBeam, 0},
    {"ROPE", "rope.cur", Pic::Lasso, 0},               {"BRUSH", "brush.cur", Pic::Brush, 0x3D7FE0},
};

// A light rim around the picture so the cursor stays visible over dark paint.
void Halo(Rgba& img) {
  Rgba src = img;
  auto alpha = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= src.w || y >= src.h) return 0;
    return static_cast<int>(src.px[(static_cast<size_t>(y) * src.w + x) * 4 + 3]);
  };
  for (int y = 0; y < img.h; ++y)
    for (int x = 0; x < img.w; ++x) {
      if (alpha(x, y) >= 128) continue;
      int near = 0;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) near = std::max(near, alpha(x + dx, y + dy));
      if (near < 160) continue;
      uint8_t* p = &img.px[(static_cast<size_t>(y) * img.w + x) * 4];
      p[0] = p[1] = p[2] = 255;
      p[3] = 200;
    }
}

Rgba CursorImage(const CursorArt& c) {
  Canvas cv = NewCanvas(32, 32);
  DrawPic(cv.cr, c.pic, 0, 0, 32, Hex(c.paint));
  Rgba img = FromCanvasRgba(cv);
  FreeCanvas(cv);
  Halo(img);
  return img;
}

// The icon: a painter's palette with blobs of colour and a brush across it.
Rgba IconImage(int size) {
  Canvas cv = NewCanvas(size, size);
  cairo_t* cr = cv.cr;
  cairo_scale(cr, size / 100.0, size / 100.0);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_move_to(cr, 50, 8);
  cairo_curve_to(cr, 84, 8, 98, 34, 94, 56);
  cairo_curve_to(cr, 90, 78, 70, 94, 46, 92);
  cairo_curve_to(cr, 30, 90, 30, 76, 38, 70);
  cairo_curve_to(cr, 46, 64, 34, 56, 24, 62);
  cairo_curve_to(cr, 12, 68, 4, 58, 6, 44);
  cairo_curve_to(cr, 10, 22, 28, 8, 50, 8);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0xE9B46E), size < 24 ? 6 : 4);
  const uint32_t blobs[] = {0xE8474C, 0xFFC93C, 0x4DB35E, 0x45A6E5, 0x8E5BD0};
  const double at[][2] = {{30, 30}, {52, 22}, {74, 32}, {80, 56}, {64, 74}};
  for (int i = 0; i < 5; ++i) {
    cairo_arc(cr, at[i][0], at[i][1], 9, 0, 2 * M_PI);
    OutlineFill(cr, Hex(blobs[i]), size < 24 ? 3 : 2.5);
  }
  cairo_identity_matrix(cr);
  DrawPic(cr, Pic::Brush, size * 0.30, size * 0.18, size * 0.72, Hex(0x3D7FE0));
  Rgba img = FromCanvasRgba(cv);
  FreeCanvas(cv);
  return img;
}

}  // namespace

void MakeCursors(Gen& g) {
  for (const CursorArt& c : kCursors) {
    Pt tip = PicTip(c.pic);
    int hx = std::clamp(static_cast<int>(std::lround(tip.x * 0.32)), 0, 31);
    int hy = std::clamp(static_cast<int>(std::lround(tip.y * 0.32)), 0, 31);
    g.Check(WriteCursor(g.ResPath(c.file), CursorImage(c), hx, hy), c.file);
  }
  g.Check(WriteIcon(g.ResPath("colvane.ico"), {IconImage(16), IconImage(32), IconImage(48)}),
          "colvane.ico");
}

// The resource names and files, for the resource script.
std::vector<std::pair<std::string, std::string>> CursorResources() {
  std::vector<std::pair<std::string, std::string>> list;
  for (const CursorArt& c : kCursors) list.emplace_back(c.resource, c.file);
  return list;
}

}  // namespace art
