// Reads back the generated default content: the layout file of both layouts, every bitmap it
// names, the paper grains and stamps, the resource inputs, and the generator's determinism.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "assets/asset_read.h"
#include "colvane/ids.h"
#include "colvane/shell/exit_scroll.h"
#include "tests/assets/tile_seams.h"

namespace fs = std::filesystem;
using assetread::Bitmap;
using assetread::IniFile;

namespace {

struct Generated {
  std::string root;
  IniFile ini;
  bool ok = false;
};

bool RunGenerator(const std::string& dir) {
  std::error_code ec;
  fs::remove_all(dir, ec);
  std::string cmd = std::string("\"") + COLVANE_ASSETS_EXE + "\" \"" + dir + "\"";
  return std::system(cmd.c_str()) == 0;
}

const Generated& Content() {
  static Generated g = [] {
    Generated c;
    c.root = std::string(COLVANE_ASSET_TEST_DIR) + "/a";
    c.ok = RunGenerator(c.root) && c.ini.Load(c.root + "/Colvane/Colvane.ini");
    return c;
  }();
  return g;
}

std::string Prog(const std::string& value) {
  return assetread::ProgramFile(Content().root + "/Colvane", value);
}

// Loads the bitmap named by a key; fails the test with the reason when it cannot.
Bitmap Load(const std::string& section, const std::string& key) {
  Bitmap b;
  std::string why, value = Content().ini.Get(section, key);
  EXPECT_FALSE(value.empty()) << "[" << section << "] " << key << " is missing";
  if (!value.empty()) {
    EXPECT_TRUE(assetread::ReadBitmap(Prog(value), b, &why)) << value << ": " << why;
  }
  return b;
}

struct Variant {
  const char* section;
  std::string d;
  int w, h, pw, ph;
};
const Variant kVariants[] = {{"800", "8", 800, 600, 640, 480}, {"640", "6", 640, 480, 482, 371}};

struct Box {
  int x, y, w, h;
  bool Meets(const Box& o) const { return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h; }
};

Box PointBox(const std::string& section, const std::string& key, int w, int h) {
  int v[2] = {0, 0};
  EXPECT_TRUE(Content().ini.GetNumbers(section, key, 2, v)) << key;
  return {v[0], v[1], w, h};
}

bool IsKey(const uint8_t* p) { return p[0] == 255 && p[1] == 0 && p[2] == 0; }

class Assets : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Content().ok) << "the generator did not run"; }
};

TEST_F(Assets, EveryBitmapValueNamesAWellFormedBitmap) {
  int count = 0;
  for (const auto& section : Content().ini.sections)
    for (const auto& kv : section.second) {
      const std::string& v = kv.second;
      if (v.size() < 4 || v.compare(v.size() - 4, 4, ".bmp") != 0) continue;
      Bitmap b;
      std::string why;
      EXPECT_TRUE(assetread::ReadBitmap(Prog(v), b, &why)) << kv.first << "=" << v << ": " << why;
      ++count;
    }
  EXPECT_GT(count, 200);
}

TEST_F(Assets, BothLayoutsGiveEveryFrameKey) {
  const IniFile& ini = Content().ini;
  for (const Variant& v : kVariants) {
    int n[4];
    for (const char* key : {"PAPERORG", "TOOLCORD", "GLIBCORD", "COLORCORD", "PALGBOXCORD", "SIZEDOMAIN",
                            "POSCOLORPAGEUP", "POSCOLORPAGEDOWN"})
      EXPECT_TRUE(ini.GetNumbers(v.section, key, 2, n)) << v.section << " " << key;
    EXPECT_TRUE(ini.GetNumbers(v.section, "PALSBOXCORD", 4, n));
    Bitmap draw = Load(v.section, "DRAW");
    EXPECT_EQ(draw.w, v.w);
    EXPECT_EQ(draw.h, v.h);
    for (const char* key : {"TOOL", "TOOL1", "COLOR", "sizebar", "colorpageup", "colorpagedown"})
      Load(v.section, key);
    for (int t = 1; t <= 10; ++t) Load("PAPERTYPE", v.d + std::to_string(t));
  }
  Load("800", "Lib");
  for (int n = 0; n < 9; ++n) {
    EXPECT_EQ(Load("DETAILTOOL", "TONAREA" + std::to_string(n) + "A").bits, 24);
    Bitmap scene = Load("DETAILTOOL", "RUBAREA" + std::to_string(n) + "A");
    EXPECT_EQ(scene.bits, 24);
    EXPECT_EQ(scene.w, 640);
    EXPECT_EQ(scene.h, 480);
  }
}

// The paper bitmap is drawn over everything, so it must be transparent over the canvas and
// must carry the paper corner's picture where the corner is clicked.
TEST_F(Assets, PaperTypesLeaveTheCanvasOpen) {
  for (const Variant& v : kVariants) {
    Box canvas = PointBox(v.section, "PAPERORG", v.pw, v.ph);
    for (int t = 1; t <= 10; ++t) {
      Bitmap paper = Load("PAPERTYPE", v.d + std::to_string(t));
      Box at = PointBox("CARTOON", "PAPERCORD" + v.d, paper.w, paper.h);
      EXPECT_LE(at.x + at.w, v.w);
      EXPECT_LE(at.y + at.h, v.h);
      int covered = 0, corner = 0;
      for (int y = 0; y < paper.h; ++y)
        for (int x = 0; x < paper.w; ++x) {
          bool inCanvas = Box{at.x + x, at.y + y, 1, 1}.Meets(canvas);
          if (inCanvas && !IsKey(paper.At(x, y))) ++covered;
          if (!inCanvas && x < 55 && y < 46 && !IsKey(paper.At(x, y))) ++corner;
        }
      EXPECT_EQ(covered, 0) << "paper " << t << " of " << v.section << " covers the canvas";
      EXPECT_GT(corner, 100) << "paper " << t << " of " << v.section << " has no corner to click";
    }
  }
}

// Everything drawn opaquely must fit the screen, keep off the canvas and stay out of the
// paper bitmap's shape (which would cover it).
TEST_F(Assets, ScreenElementsStayOffThePaper) {
  const IniFile& ini = Content().ini;
  for (const Variant& v : kVariants) {
    Box canvas = PointBox(v.section, "PAPERORG", v.pw, v.ph);
    Bitmap paper = Load("PAPERTYPE", v.d + "1");
    Box paperAt = PointBox("CARTOON", "PAPERCORD" + v.d, paper.w, paper.h);
    std::vector<std::pair<std::string, Box>> boxes;
    Bitmap tool = Load(v.section, "TOOL"), colour = Load(v.section, "COLOR");
    boxes.push_back({"TOOL", PointBox(v.section, "TOOLCORD", tool.w, tool.h)});
    boxes.push_back({"COLOR", PointBox(v.section, "COLORCORD", colour.w, colour.h)});
    struct Desk { const char* state; const char* area; } desk[] = {
        {"NEWD", "NEWCORD"}, {"EXITD", "EXITCORD"}, {"FILEPAGEUU", "FILEPAGECORD"}, {"UNDOU", "UNDOCORD"}};
    for (const Desk& d : desk) {
      Bitmap b = Load("CARTOON", d.state);
      boxes.push_back({d.area, PointBox("CARTOON", d.area + v.d, b.w, b.h)});
    }
    Bitmap turn = Load("CARTOON", "T2LD" + v.d);
    boxes.push_back({"T2LUCORD", PointBox("CARTOON", "T2LUCORD" + v.d, turn.w, turn.h)});
    Bitmap sound = Load("CARTOON", "SOUNDON" + v.d);
    boxes.push_back({"SOUNDCORD", PointBox("CARTOON", "SOUNDCORD" + v.d, sound.w, sound.h)});
    for (const char* panel : {"BRUSH", "PENCIL", "MAC", "CAND", "CHALK", "JET", "TON", "RUB", "POLY", "ROPE",
                              "SPEC", "TYPE", "HEAP"}) {
      std::string art = std::string(panel) + "AREA" + (ini.Has("DETAILTOOL", std::string(panel) + "AREA") ? "" : "0");
      Bitmap b = Load("DETAILTOOL", art);
      boxes.push_back({panel, PointBox("DETAILTOOL", std::string(panel) + "_ORG" + v.d, b.w, b.h)});
    }
    for (const auto& [name, box] : boxes) {
      EXPECT_TRUE(box.x >= 0 && box.y >= 0 && box.x + box.w <= v.w && box.y + box.h <= v.h)
          << name << " leaves the " << v.section << " screen";
      EXPECT_FALSE(box.Meets(canvas)) << name << " overlaps the canvas of " << v.section;
      int hidden = 0;
      for (int y = 0; y < paper.h; ++y)
        for (int x = 0; x < paper.w; ++x)
          if (!IsKey(paper.At(x, y)) && Box{paperAt.x + x, paperAt.y + y, 1, 1}.Meets(box)) ++hidden;
      EXPECT_EQ(hidden, 0) << name << " lies under the paper of " << v.section;
    }
  }
}

TEST_F(Assets, ColourPanelHoldsItsBoxesThumbAndPageButtons) {
  const IniFile& ini = Content().ini;
  for (const Variant& v : kVariants) {
    Bitmap colour = Load(v.section, "COLOR"), thumb = Load(v.section, "sizebar");
    Bitmap up = Load(v.section, "colorpageup"), down = Load(v.section, "colorpagedown");
    int o[2], box[4], pitch[2], dom[2], pu[2], pd[2];
    ASSERT_TRUE(ini.GetNumbers(v.section, "COLORCORD", 2, o));
    ASSERT_TRUE(ini.GetNumbers(v.section, "PALSBOXCORD", 4, box));
    ASSERT_TRUE(ini.GetNumbers(v.section, "PALGBOXCORD", 2, pitch));
    ASSERT_TRUE(ini.GetNumbers(v.section, "SIZEDOMAIN", 2, dom));
    ASSERT_TRUE(ini.GetNumbers(v.section, "POSCOLORPAGEUP", 2, pu));
    ASSERT_TRUE(ini.GetNumbers(v.section, "POSCOLORPAGEDOWN", 2, pd));
    Box panel = {0, 0, colour.w, colour.h};
    Box lastBox = {box[0] + 7 * pitch[0], box[1] + pitch[1], box[2] + 1, box[3] + 1};
    EXPECT_TRUE(lastBox.x + lastBox.w <= panel.w && lastBox.y + lastBox.h <= panel.h);
    EXPECT_GE(box[0], 35) << "the first box overlaps the 35 x 35 swatch";
    EXPECT_TRUE(dom[0] >= 0 && dom[0] < dom[1] && dom[1] + thumb.w <= colour.w);
    EXPECT_EQ(up.w % 2, 0);
    EXPECT_EQ(up.w, down.w);
    EXPECT_EQ(up.h, down.h);
    for (int* p : {pu, pd}) {
      Box b = {p[0] - o[0], p[1] - o[1], up.w / 2, up.h};
      EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.w <= colour.w && b.y + b.h <= colour.h);
      EXPECT_FALSE(b.Meets(lastBox));
    }
  }
}

// The size bar's marks: in the rows the thumb slides along, every mark except the track itself
// (the widest) must lie beside the columns the thumb can cover, so no size hides one.
TEST_F(Assets, SizeBarDotsStayClearOfTheThumb) {
  const IniFile& ini = Content().ini;
  for (const Variant& v : kVariants) {
    Bitmap colour = Load(v.section, "COLOR"), thumb = Load(v.section, "sizebar");
    int dom[2];
    ASSERT_TRUE(ini.GetNumbers(v.section, "SIZEDOMAIN", 2, dom));
    const int top = colour.h - thumb.h, w = colour.w, h = colour.h;
    auto mark = [&](int x, int y) {
      const uint8_t* p = colour.At(x, y);
      return p[0] * 299 + p[1] * 587 + p[2] * 114 < 150 * 1000;
    };
    // 4-connected marks of the band; those touching the bitmap's edge are what lies around
    // the panel's rounded corners.
    std::vector<int> seen(static_cast<size_t>(w) * h, 0);
    struct Mark { int left, right; bool edge; };
    std::vector<Mark> marks;
    for (int y0 = top; y0 < h; ++y0)
      for (int x0 = 0; x0 < w; ++x0) {
        if (seen[y0 * w + x0] || !mark(x0, y0)) continue;
        Mark m{x0, x0, false};
        std::vector<std::pair<int, int>> stack = {{x0, y0}};
        seen[y0 * w + x0] = 1;
        while (!stack.empty()) {
          auto [x, y] = stack.back();
          stack.pop_back();
          m.left = std::min(m.left, x), m.right = std::max(m.right, x);
          m.edge = m.edge || x == 0 || x == w - 1 || y == h - 1;
          for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            int nx = x + dx, ny = y + dy;
            if (nx < 0 || nx >= w || ny < top || ny >= h || seen[ny * w + nx] || !mark(nx, ny)) continue;
            seen[ny * w + nx] = 1;
            stack.push_back({nx, ny});
          }
        }
        if (!m.edge) marks.push_back(m);
      }
    ASSERT_GE(marks.size(), 2u) << "no track and dots in " << v.section;
    auto track = std::max_element(marks.begin(), marks.end(),
                                  [](const Mark& a, const Mark& b) { return a.right - a.left < b.right - b.left; });
    const int coverLeft = dom[0], coverRight = dom[1] + thumb.w - 1;  // the thumb's columns at sizes 0..48
    for (auto m = marks.begin(); m != marks.end(); ++m) {
      if (m == track) continue;
      EXPECT_TRUE(m->right < coverLeft || m->left > coverRight)
          << "a mark at columns " << m->left << ".." << m->right << " lies under the thumb's travel "
          << coverLeft << ".." << coverRight << " in " << v.section;
    }
  }
}

TEST_F(Assets, FilmstripsHoldWholeFrames) {
  const IniFile& ini = Content().ini;
  int strips = 0;
  for (const auto& [key, value] : ini.sections.at("cartoon")) {
    // a strip's frame width is its key with W, or W before the layout digit (T2LCW8)
    std::vector<std::string> widthKeys = {key + "w"};
    if (!key.empty() && (key.back() == '8' || key.back() == '6'))
      widthKeys.push_back(key.substr(0, key.size() - 1) + "w" + key.back());
    for (const std::string& wk : widthKeys) {
      if (!ini.Has("CARTOON", wk)) continue;
      int w = ini.GetInt("CARTOON", wk, 0);
      Bitmap b = Load("CARTOON", key);
      EXPECT_GT(w, 0) << wk;
      if (w > 0) {
        EXPECT_TRUE(b.w >= w && b.w % w == 0) << key << " is " << b.w << " wide, frames of " << w;
      }
      ++strips;
    }
  }
  EXPECT_GT(strips, 50);
  for (const char* strip : {"HEAP", "JI"}) {
    int w = ini.GetInt("DETAILTOOL", std::string(strip) + "W", 0);
    Bitmap b = Load("DETAILTOOL", strip);
    EXPECT_TRUE(w > 0 && b.w % w == 0) << strip;
  }
}

// Button states are shared by both layouts and drawn opaquely: their first frame must be the
// very pixels of the toolbox page under them (the page buttons' too), and desk buttons must
// meet the desk's colour.
TEST_F(Assets, SharedButtonArtMatchesWhatLiesUnderIt) {
  const char* page1[] = {"BRUSH", "PENC", "MAC", "CAND", "CHALK", "JET", "FLOOD", "RUBBER", "POLYG",
                         "ROPE", "DRILL", "ENLARGE"};
  for (const Variant& v : kVariants) {
    Bitmap tool = Load(v.section, "TOOL"), draw = Load(v.section, "DRAW");
    Box at = PointBox(v.section, "TOOLCORD", tool.w, tool.h);
    for (const char* name : page1)
      for (const char* state : {"M", "S"}) {
        Bitmap b = Load("CARTOON", std::string(name) + state);
        int w = Content().ini.GetInt("CARTOON", std::string(name) + state + "W", 0);
        Box org = PointBox("CARTOON", std::string(name) + state + v.d + "ORG", w, b.h);
        int differ = 0;
        for (int y = 0; y < b.h; ++y)
          for (int x = 0; x < w; ++x)
            for (int k = 0; k < 3; ++k)
              differ += b.At(x, y)[k] != tool.At(org.x - at.x + x, org.y - at.y + y)[k];
        EXPECT_EQ(differ, 0) << name << state << " differs from TOOL in " << v.section;
      }
    // the page buttons' look and the first frame of their hover state, on their own page
    for (int page = 1; page <= 2; ++page) {
      Bitmap tray = page == 1 ? tool : Load(v.section, "TOOL1");
      for (const char* state : {"M", "H"}) {
        std::string key = std::string(page == 1 ? "TOOL122" : "TOOL221") + v.d + state;
        Bitmap b = Load("CARTOON", key);
        int w = Content().ini.GetInt("CARTOON", key + "W", 0);
        Box org = PointBox("CARTOON", key + "ORG", w, b.h);
        int differ = 0;
        for (int y = 0; y < b.h; ++y)
          for (int x = 0; x < w; ++x)
            for (int k = 0; k < 3; ++k) differ += b.At(x, y)[k] != tray.At(org.x - at.x + x, org.y - at.y + y)[k];
        EXPECT_EQ(differ, 0) << key << " differs from its toolbox page in " << v.section;
      }
    }
    const std::pair<const char*, const char*> desk[] = {
        {"NEWD", "NEWCORD"}, {"EXITD", "EXITCORD"}, {"FILEPAGEUU", "FILEPAGECORD"}, {"UNDOU", "UNDOCORD"}};
    for (const auto& [state, area] : desk) {
      Bitmap b = Load("CARTOON", state);
      Box org = PointBox("CARTOON", area + v.d, b.w, b.h);
      for (int k = 0; k < 3; ++k) EXPECT_EQ(b.At(0, 0)[k], draw.At(org.x, org.y)[k]) << state << " " << v.section;
    }
  }
}

TEST_F(Assets, PaperGrainsAndStampsHaveWholeRecords) {
  for (int n = 1; n <= 9; ++n)
    EXPECT_EQ(fs::file_size(Content().root + "/Colvane/data/p" + std::to_string(n) + ".dat"), 4096u) << n;
  Bitmap strip = Load("DETAILTOOL", "HEAP");
  int cell = Content().ini.GetInt("DETAILTOOL", "HEAPW", 0);
  ASSERT_GT(cell, 0);
  int stamps = strip.w / cell;
  EXPECT_GE(stamps, 4);
  for (int n = 1; n <= stamps; ++n) {
    auto size = fs::file_size(Content().root + "/Colvane/data/pat" + std::to_string(n) + ".dat");
    EXPECT_EQ(size % 65536, 0u) << "pat" << n;
    EXPECT_GE(size / 65536, 2u) << "pat" << n << " is not animated";
  }
}

TEST_F(Assets, ResourceScriptNamesEveryResourceWithItsFile) {
  std::string res = Content().root + "/res/";
  std::ifstream rc(res + "colvane_res.rc");
  std::set<std::string> names;
  std::string line;
  while (std::getline(rc, line)) {
    if (line.empty() || line[0] == '/') continue;
    std::istringstream words(line);
    std::string name, type, file;
    words >> name >> type >> file;
    names.insert(name + " " + type);
    ASSERT_TRUE(fs::exists(res + file)) << line;
    std::vector<uint8_t> data;
    ASSERT_TRUE(assetread::ReadAll(res + file, data));
    std::vector<assetread::IconImage> images;
    std::string why;
    if (type == "CURSOR") {
      ASSERT_TRUE(assetread::ReadIconFile(data, 2, images, &why)) << file << ": " << why;
      const assetread::IconImage& c = images[0];
      EXPECT_TRUE(c.w == 32 && c.h == 32) << file;
      EXPECT_TRUE(c.hotX >= 0 && c.hotX < 32 && c.hotY >= 0 && c.hotY < 32) << file;
      int near = 0;  // the hot spot sits on the tool, not in empty space
      for (int y = std::max(0, c.hotY - 2); y <= std::min(31, c.hotY + 2); ++y)
        for (int x = std::max(0, c.hotX - 2); x <= std::min(31, c.hotX + 2); ++x) near += c.rgba[4 * (y * 32 + x) + 3] > 128;
      EXPECT_GT(near, 0) << file;
    } else if (type == "ICON") {
      EXPECT_TRUE(assetread::ReadIconFile(data, 1, images, &why)) << file << ": " << why;
    } else {
      Bitmap b;
      EXPECT_TRUE(assetread::ReadBitmapBytes(data, b, &why)) << file << ": " << why;
    }
  }
  std::set<std::string> expected = {"PAL BITMAP", "\"32COLVANE\" ICON", "DARK BITMAP", "RgnBrush BITMAP"};
  for (const char* c : {"ABSORB", "HAND1", "HAND2", "JETGUN", "FLOOD", "CHALK", "ENLARGE", "CANDLE", "MAGIC",
                        "MIKE", "PENCIL", "POLYGEN", "RUBBER", "TYPEW", "ROPE", "BRUSH"})
    expected.insert(std::string(c) + " CURSOR");
  EXPECT_EQ(names, expected);
  std::ifstream group(res + "grouplink_res.rc");
  std::string text((std::istreambuf_iterator<char>(group)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("STOCK BITMAP stock.bmp"), std::string::npos);
}

TEST_F(Assets, PatternBitmapsHaveTheirExactSizesAndPixels) {
  std::string res = Content().root + "/res/";
  Bitmap brush, dark, pal, stock;
  ASSERT_TRUE(assetread::ReadBitmap(res + "rgnbrush.bmp", brush, nullptr));
  ASSERT_EQ(brush.w * 100 + brush.h, 808);
  // row 0: four white, four black; each row below is the row above moved one pixel left
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      uint8_t want = (x + y) % 8 < 4 ? 255 : 0;
      for (int k = 0; k < 3; ++k) EXPECT_EQ(brush.At(x, y)[k], want) << x << "," << y;
    }
  EXPECT_EQ(brush.At(0, 1)[0], 255);
  EXPECT_EQ(brush.At(3, 1)[0], 0);
  EXPECT_EQ(brush.At(7, 1)[0], 255);
  ASSERT_TRUE(assetread::ReadBitmap(res + "dark.bmp", dark, nullptr));
  EXPECT_TRUE(dark.w == 12 && dark.h == 12);
  ASSERT_TRUE(assetread::ReadBitmap(res + "pal.bmp", pal, nullptr));
  EXPECT_TRUE(pal.bits == 8 && pal.colours == 256);
  ASSERT_TRUE(assetread::ReadBitmap(res + "stock.bmp", stock, nullptr));
  EXPECT_TRUE(stock.w == 148 && stock.h == 300 && stock.bits == 8);
}

// The goodbye card rises (and scrolls) through a square as wide as itself, one step every
// timer tick, and the program closes three seconds after: leaving must take at most six seconds,
// half a second of which is kept for saving the picture and closing.
TEST_F(Assets, GoodbyeCardEndsSoonEnough) {
  Bitmap exit;
  ASSERT_TRUE(assetread::ReadBitmap(Content().root + "/Colvane/advert.sys", exit, nullptr));
  ASSERT_GT(exit.w, 0);
  EXPECT_GE(exit.h, exit.w) << "the card would end above the square's bottom";
  ExitScroll scroll;
  int ticks = 1;
  while (!ExitScrollStep(&scroll, exit.w, exit.h) && ticks < 10000) ++ticks;
  EXPECT_LE(ticks * timer::kExitScrollMs + 3000, 5500) << exit.w << " x " << exit.h << " takes " << ticks << " ticks";
  int card = 0;
  for (int y = 0; y < exit.h; ++y)
    for (int x = 0; x < exit.w; ++x) card += !IsKey(exit.At(x, y));
  EXPECT_GT(card * 10, exit.w * exit.h * 9) << "the card is mostly transparent";
}

// Fill textures, paper grains and the two screen patterns are laid edge to edge across the
// canvas or the screen: each must repeat without a visible seam.
TEST_F(Assets, TexturesTileWithoutSeams) {
  auto fromBitmap = [](const Bitmap& b) {
    TileImage t;
    t.w = b.w, t.h = b.h, t.channels = 3, t.v = b.rgb;
    return t;
  };
  for (int n = 0; n < 9; ++n) {
    std::string key = "TONAREA" + std::to_string(n) + "A";
    Bitmap b = Load("DETAILTOOL", key);
    if (b.w > 0) {
      EXPECT_EQ("", SeamReport(fromBitmap(b))) << key;
    }
  }
  for (int n = 1; n <= 9; ++n) {
    TileImage grain;
    grain.w = grain.h = 64;
    ASSERT_TRUE(assetread::ReadAll(Content().root + "/Colvane/data/p" + std::to_string(n) + ".dat", grain.v));
    ASSERT_EQ(grain.v.size(), 4096u);
    EXPECT_EQ("", SeamReport(grain)) << "p" << n << ".dat";
  }
  for (const char* pattern : {"dark.bmp", "rgnbrush.bmp"}) {
    Bitmap b;
    ASSERT_TRUE(assetread::ReadBitmap(Content().root + "/res/" + pattern, b, nullptr));
    EXPECT_EQ("", SeamReport(fromBitmap(b))) << pattern;
  }
}

// Each paper grain must show on a stroke and be told apart from every other there. A brush
// lays about ten dabs of half weight on each pixel, each scaled by the grain (w = grain * 64 >> 7
// of 128): white paper keeps 255 * (1 - w / 128)^10 of its light. The grain's look on the stroke
// is its contrast and how far its pattern carries along rows, columns and diagonals (the
// normalised autocorrelation at a few distances); two grains alike in all of these look the same.
// The first grain is the smooth drawing paper's, on which strokes stay whole.
TEST_F(Assets, PaperGrainsAreEachTheirOwn) {
  std::vector<std::vector<double>> looks;
  for (int n = 1; n <= 9; ++n) {
    std::vector<uint8_t> g;
    ASSERT_TRUE(assetread::ReadAll(Content().root + "/Colvane/data/p" + std::to_string(n) + ".dat", g));
    ASSERT_EQ(g.size(), 4096u);
    std::vector<double> stroke(4096);
    for (int i = 0; i < 4096; ++i) {
      const int w = std::min(((g[i] ? g[i] : 10) * 64) >> 7, 128);
      stroke[i] = 255 * std::pow(1 - w / 128.0, 10);
    }
    double mean = 0, var = 0;
    for (double v : stroke) mean += v / 4096.0;
    for (double v : stroke) var += (v - mean) * (v - mean) / 4096.0;
    if (n > 1) {
      EXPECT_GE(std::sqrt(var), 20) << "p" << n << ".dat hardly shows on a stroke";
    }
    std::vector<double> look = {std::sqrt(var) / 40};
    const int lags[][2] = {{1, 0}, {0, 1}, {2, 0}, {0, 2}, {4, 0}, {0, 4}, {8, 0}, {0, 8}, {16, 0}, {0, 16}, {2, 2}, {2, -2}};
    for (const auto& l : lags) {
      double c = 0;
      for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
          c += (stroke[y * 64 + x] - mean) * (stroke[((y + l[1] + 64) % 64) * 64 + (x + l[0]) % 64] - mean);
      look.push_back(c / 4096 / std::max(var, 1.0));
    }
    looks.push_back(look);
  }
  for (int a = 0; a < 9; ++a)
    for (int b = a + 1; b < 9; ++b) {
      double apart = 0;
      for (size_t k = 0; k < looks[a].size(); ++k) apart = std::max(apart, std::fabs(looks[a][k] - looks[b][k]));
      EXPECT_GE(apart, 0.4) << "p" << a + 1 << ".dat and p" << b + 1 << ".dat look alike";
    }
}

TEST_F(Assets, GeneratorWritesTheSameBytesEveryRun) {
  std::string other = std::string(COLVANE_ASSET_TEST_DIR) + "/b";
  ASSERT_TRUE(RunGenerator(other));
  int files = 0;
  for (const auto& e : fs::recursive_directory_iterator(Content().root)) {
    if (!e.is_regular_file()) continue;
    std::string rel = fs::relative(e.path(), Content().root).string();
    std::vector<uint8_t> a, b;
    ASSERT_TRUE(assetread::ReadAll(e.path().string(), a));
    ASSERT_TRUE(assetread::ReadAll(other + "/" + rel, b)) << rel << " missing from the second run";
    EXPECT_TRUE(a == b) << rel << " differs between runs";
    ++files;
  }
  EXPECT_GT(files, 200);
}

}  // namespace
