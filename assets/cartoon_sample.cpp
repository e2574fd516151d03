// The SAMPLE picture whose cartoons move: a meadow with a house, a path and a pond. Its cartoon
// file sends the cat out of the door and along the path, a fish across the pond, a bird over
// the sky and a ball bouncing to and fro on the grass.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "assets/clip_art.h"
#include "assets/gen_context.h"
#include "assets/scenery.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"
#include "colvane/library/cartoon_file.h"

namespace art {

namespace {

constexpr int kSampleNumber = 4;  // Sample1..3 are the file box's own pictures

// The middle of the path: out of the door, down and along to the right edge.
std::vector<CartoonPoint> PathLine() {
  std::vector<CartoonPoint> line;
  for (int i = 0; i <= 20; ++i) {  // from the door down to the meadow
    double t = i / 20.0;
    line.push_back({static_cast<int32_t>(std::lround(105 + 65 * t)), static_cast<int32_t>(std::lround(334 + 70 * t * (2 - t)))});
  }
  for (int x = 172; x <= 660; x += 4)
    line.push_back({x, static_cast<int32_t>(std::lround(404 + 9 * std::sin((x - 170) / 70.0)))});
  return line;
}

// Points `step` pixels apart along a polyline, up to x = xEnd; `lift` raises them.
std::vector<CartoonPoint> Walk(const std::vector<CartoonPoint>& line, double step, int xEnd, int lift) {
  std::vector<CartoonPoint> out;
  double next = 0, walked = 0;
  for (size_t i = 1; i < line.size(); ++i) {
    double x0 = line[i - 1].x, y0 = line[i - 1].y, dx = line[i].x - x0, dy = line[i].y - y0;
    double len = std::hypot(dx, dy);
    for (; next <= walked + len; next += step) {
      double t = (next - walked) / len;
      int x = static_cast<int>(std::lround(x0 + dx * t)), y = static_cast<int>(std::lround(y0 + dy * t));
      if (x > xEnd) return out;
      out.push_back({x, y - lift});
    }
    walked += len;
  }
  return out;
}

const Cartoon& Named(const char* file, int* index) {
  const std::vector<Cartoon>& all = Cartoons();
  for (size_t i = 0; i < all.size(); ++i)
    if (std::strcmp(all[i].file, file) == 0) {
      *index = static_cast<int>(i);
      return all[i];
    }
  *index = 0;
  return all[0];
}

// The cartoon's record: its library key G<group>C<number> comes from its place in the page.
CartoonRecord Record(const char* file, std::vector<CartoonPoint> path) {
  int i = 0;
  Named(file, &i);
  CartoonRecord r;
  r.group = i / 6 + 1;
  r.number = i % 6 + 1;
  r.path = std::move(path);
  return r;
}

void House(cairo_t* cr) {
  cairo_rectangle(cr, 136, 150, 22, 40);  // chimney
  OutlineFill(cr, Hex(0xC0634A), 3);
  cairo_rectangle(cr, 30, 206, 150, 128);
  OutlineFill(cr, Hex(0xFFE08A), 3.5);
  cairo_move_to(cr, 14, 212);
  cairo_line_to(cr, 105, 140);
  cairo_line_to(cr, 196, 212);
  cairo_close_path(cr);
  OutlineFill(cr, Cherry(), 3.5);
  cairo_move_to(cr, 84, 334);  // the open door the cat comes out of
  cairo_line_to(cr, 84, 282);
  cairo_arc(cr, 105, 282, 21, M_PI, 2 * M_PI);
  cairo_line_to(cr, 126, 334);
  cairo_close_path(cr);
  OutlineFill(cr, Hex(0x5A3A2A), 3);
  for (double x : {42.0, 140.0}) {
    cairo_rectangle(cr, x, 236, 30, 30);
    OutlineFill(cr, Hex(0xBFE6FF), 3);
    cairo_move_to(cr, x + 15, 236);
    cairo_line_to(cr, x + 15, 266);
    cairo_move_to(cr, x, 251);
    cairo_line_to(cr, x + 30, 251);
    SetSource(cr, Ink());
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
}

void Pond(cairo_t* cr) {
  Ellipse(cr, 450, 290, 146, 56);
  OutlineFill(cr, Hex(0x4FA9E0), 3.5);
  Ellipse(cr, 450, 282, 120, 38);
  Fill(cr, Hex(0x6BBDEB));
  for (auto [x, y] : {std::pair{340.0, 300.0}, {560.0, 268.0}, {520.0, 318.0}}) {  // lily pads
    cairo_move_to(cr, x, y);
    cairo_arc(cr, x, y, 13, 0.3, 2 * M_PI - 0.3);
    cairo_close_path(cr);
    OutlineFill(cr, Leaf(), 2.5);
  }
  Blossom(cr, 560, 266, 5, Hex(0xFF9CC8));
  for (int k = 0; k < 5; ++k) {  // reeds at the far end
    double x = 586 + k * 8, top = 210 + (k % 2) * 14;
    cairo_move_to(cr, x, 296);
    cairo_line_to(cr, x + 2, top);
    SetSource(cr, Hex(0x2F8F3E));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    RoundRect(cr, x - 3, top + 6, 9, 24, 4);
    OutlineFill(cr, Hex(0x8B5A2B), 2);
  }
}

void PathBand(cairo_t* cr) {
  std::vector<CartoonPoint> line = PathLine();
  for (int pass = 0; pass < 2; ++pass) {
    cairo_move_to(cr, line[0].x, line[0].y);
    for (const CartoonPoint& p : line) cairo_line_to(cr, p.x, p.y);
    SetSource(cr, pass ? Hex(0xEBC98E) : Hex(0xB58A55));
    cairo_set_line_width(cr, pass ? 44 : 50);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
  }
  Rng rng(3);
  for (size_t i = 2; i < line.size(); i += 5) {  // pebbles
    Ellipse(cr, line[i].x + rng.Range(-6, 6), line[i].y + rng.Range(-14, 14), 4, 2.5);
    Fill(cr, Hex(0xC9A26A));
  }
}

}  // namespace

Image CartoonMeadow() {
  Canvas c = NewCanvas(640, 480);
  cairo_t* cr = c.cr;
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Gradient(cr, 0, 0, 640, 240, Hex(0x79C7F7), Hex(0xDDF3FF));
  SunRays(cr, 320, 64, 30);
  CloudShape(cr, 420, 30, 130, 60, Hex(0xFFFFFF));
  CloudShape(cr, 180, 70, 100, 46, Hex(0xFFFFFF));
  Hill(cr, -10, 200, 300, 180, 650, 210, 480, Hex(0x9ED872));
  RoundTree(cr, 260, 236, 120, Hex(0x4DB35E));
  Hill(cr, -10, 236, 320, 220, 650, 232, 480, Hex(0x7CC95A));
  House(cr);
  Pond(cr);
  PathBand(cr);
  Rng rng(17);
  const Col colours[] = {Hex(0xFF8FC8), Hex(0xFFFFFF), Grape(), Hex(0xFFB347)};
  for (int i = 0; i < 24; ++i) {  // flowers in the grass, clear of where the cartoons go
    double x = rng.Range(10, 630), y = rng.Range(440, 474);
    if (i % 4 == 0) x = rng.Range(6, 60), y = rng.Range(350, 380);
    GrassTuft(cr, x + 10, y + 8, 14, Hex(0x3E9B4F));
    Blossom(cr, x, y, 5, colours[rng.Int(4)]);
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  return img;
}

void MakeCartoonSample(Gen& g) {
  std::string stem = g.ProgramPath("CUST/SAMPLE/Sample" + std::to_string(kSampleNumber));
  g.Check(WriteBmp24(stem + ".sam", CartoonMeadow()), "cartoon sample picture");

  int at = 0;
  // The cat's feet are 26 pixels below the middle of its frame: it walks on the path, three
  // pixels a tick, out of the door and to the right edge, then starts again at the door.
  const Cartoon& cat = Named("cartoon_cat.bmp", &at);
  std::vector<CartoonPoint> catPath = Walk(PathLine(), 3, 640 - cat.w / 2 - 2, 26);
  // The fish swims across the pond with a gentle rise and fall.
  std::vector<CartoonPoint> fishPath;
  for (double x = 370; x <= 530; x += 1.5)
    fishPath.push_back({static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(290 + 5 * std::sin((x - 370) / 26)))});
  // The bird crosses the sky, rising and dipping.
  std::vector<CartoonPoint> birdPath;
  for (int x = 50; x <= 590; x += 3)
    birdPath.push_back({x, static_cast<int32_t>(std::lround(120 + 16 * std::sin((x - 50) / 54.0)))});
  // The ball bounces to and fro on the grass between the house and the pond.
  std::vector<CartoonPoint> ballPath;
  for (int k = 0; k < 80; ++k) {
    int x = k < 40 ? 220 + k * 2 : 300 - (k - 40) * 2;
    ballPath.push_back({x, 356 - 42});
  }
  std::vector<CartoonRecord> records = {
      Record("cartoon_ball.bmp", ballPath), Record("cartoon_fish.bmp", fishPath),
      Record("cartoon_cat.bmp", catPath), Record("cartoon_bird.bmp", birdPath)};
  g.Check(WriteFile(stem + ".CAT", WriteCartoonFile(records)), "cartoon sample's cartoon file");
}

}  // namespace art
