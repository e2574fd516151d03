// Reads back the clip-art library's generated content through the program's own catalogue of
// categories: the page pictures of every category, the stickers with their masks, the cartoon
// strips, the sample pictures, and the SAMPLE picture whose cartoon file makes cartoons walk.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/asset_read.h"
#include "colvane/library/cartoon_file.h"
#include "colvane/library/library_catalogue.h"

namespace fs = std::filesystem;
using assetread::Bitmap;

namespace {

struct Generated {
  std::string root, prog;
  assetread::IniFile ini;
  bool ok = false;
};

const Generated& Content() {
  static Generated g = [] {
    Generated c;
    c.root = std::string(COLVANE_LIBRARY_TEST_DIR) + "/a";
    c.prog = c.root + "/Colvane";
    std::error_code ec;
    fs::remove_all(c.root, ec);
    const std::string cmd = std::string("\"") + COLVANE_ASSETS_EXE + "\" \"" + c.root + "\" >/dev/null";
    c.ok = std::system(cmd.c_str()) == 0 && c.ini.Load(c.prog + "/Colvane.ini");
    return c;
  }();
  return g;
}

// The bitmap a layout value names (with `suffix` added, as the program adds ".BMP").
Bitmap LoadValue(const std::string& value, const std::string& suffix = "") {
  Bitmap b;
  std::string why;
  EXPECT_TRUE(assetread::ReadBitmap(assetread::ProgramFile(Content().prog, value + suffix), b, &why))
      << value << suffix << ": " << why;
  return b;
}

std::string Key(void (*make)(int, char*), int page) {
  char key[kItemKeySize];
  make(page, key);
  return key;
}

std::string ItemKeyOf(int page, int item) {
  char key[kItemKeySize];
  ItemKey(page, item, key);
  return key;
}

bool IsKey(const uint8_t* p) { return p[0] == 255 && p[1] == 0 && p[2] == 0; }

// How far apart two same-sized areas are: the sum of channel differences.
long Difference(const Bitmap& a, int ax, const Bitmap& b, int bx, int w) {
  long d = 0;
  for (int y = 0; y < a.h; ++y)
    for (int x = 0; x < w; ++x)
      for (int k = 0; k < 3; ++k) d += std::abs(a.At(ax + x, y)[k] - b.At(bx + x, y)[k]);
  return d;
}

class Library : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Content().ok) << "the generator did not run"; }
};

// Every category the program knows lists its pages, each with its plain and pressed picture
// of the page's size (without the screen's transparent key) and an item in every slot.
TEST_F(Library, EveryCategoryHasItsPagesAndAnItemInEverySlot) {
  const assetread::IniFile& ini = Content().ini;
  int origin[2], back[4], forward[4];
  ASSERT_TRUE(ini.GetNumbers("CARTOON", "PERSONC8ORG", 2, origin));
  ASSERT_TRUE(ini.GetNumbers("DETAILTOOL", "GPAGEUPRC8", 4, back));
  ASSERT_TRUE(ini.GetNumbers("DETAILTOOL", "GPAGEDOWNRC8", 4, forward));
  for (int i = 0; i < kCategoryCount; ++i) {
    const Category& cat = CategoryAt(i);
    ASSERT_TRUE(ini.Has(cat.section, "PSD")) << cat.section;
    int pages = ini.GetInt(cat.section, "PSD", 0);
    EXPECT_GE(pages, cat.kind == ItemKind::kSticker ? 2 : 1) << cat.section;
    for (int p = 1; p <= pages; ++p) {
      Bitmap plain = LoadValue(ini.Get(cat.section, Key(PageKey, p)));
      Bitmap pressed = LoadValue(ini.Get(cat.section, Key(PressedPageKey, p)));
      for (const Bitmap* b : {&plain, &pressed}) {
        ASSERT_TRUE(b->w == 504 && b->h == 76 && b->bits == 24) << cat.section << " page " << p;
        for (int y = 0; y < b->h; ++y)
          for (int x = 0; x < b->w; ++x)
            if (IsKey(b->At(x, y))) ADD_FAILURE() << cat.section << " page " << p << " has the key at " << x << "," << y;
      }
      // the program shows an arrow's rectangle of the pressed page while the arrow is held
      for (const int* r : {back, forward}) {
        long d = 0;
        for (int y = r[1] - origin[1]; y < r[3] - origin[1]; ++y)
          for (int x = r[0] - origin[0]; x < r[2] - origin[0]; ++x)
            for (int k = 0; k < 3; ++k) d += std::abs(plain.At(x, y)[k] - pressed.At(x, y)[k]);
        EXPECT_GT(d, 20 * 255) << cat.section << " page " << p << ": an arrow does not look pressed";
      }
      for (int c = 1; c <= cat.itemsPerPage; ++c)
        EXPECT_FALSE(ini.Get(cat.section, ItemKeyOf(p, c)).empty()) << cat.section << " " << ItemKeyOf(p, c);
    }
  }
}

// A sticker is a file stem: the picture ".BMP" and the mask "A.BMP" beside it, of one size,
// the mask in greys only, with something drawn that stays clear of the edges (art touching the
// edge is cut off), and the picture white where the mask is black.
TEST_F(Library, StickersHaveAPictureAndAGreyMaskOfOneSize) {
  const assetread::IniFile& ini = Content().ini;
  int stickers = 0;
  for (int i = 0; i < kCategoryCount; ++i) {
    const Category& cat = CategoryAt(i);
    if (cat.kind != ItemKind::kSticker) continue;
    int pages = ini.GetInt(cat.section, "PSD", 0);
    for (int p = 1; p <= pages; ++p)
      for (int c = 1; c <= cat.itemsPerPage; ++c) {
        std::string stem = ini.Get(cat.section, ItemKeyOf(p, c));
        ASSERT_EQ(stem.find('.'), std::string::npos) << stem << " is a stem, without an extension";
        Bitmap picture = LoadValue(stem, ".BMP"), mask = LoadValue(stem, "A.BMP");
        ASSERT_TRUE(picture.w == mask.w && picture.h == mask.h && picture.w > 0) << stem;
        EXPECT_TRUE(picture.bits == 24 && mask.bits == 24) << stem;
        // a size for a 640 x 480 picture; long things (a plane, a lying dinosaur) are flatter
        int longer = std::max(picture.w, picture.h), shorter = std::min(picture.w, picture.h);
        EXPECT_TRUE(longer >= 85 && longer <= 170 && shorter >= 60) << stem << " is " << picture.w << " x " << picture.h;
        long opaque = 0, edge = 0, notGrey = 0, notWhite = 0;
        for (int y = 0; y < mask.h; ++y)
          for (int x = 0; x < mask.w; ++x) {
            const uint8_t* m = mask.At(x, y);
            notGrey += m[0] != m[1] || m[1] != m[2];
            opaque += m[0] > 127;
            bool border = x == 0 || y == 0 || x == mask.w - 1 || y == mask.h - 1;
            edge += border && m[0] > 0;
            const uint8_t* q = picture.At(x, y);
            notWhite += m[0] == 0 && (q[0] & q[1] & q[2]) != 255;
          }
        EXPECT_EQ(notGrey, 0) << stem << "A.BMP has coloured pixels";
        EXPECT_GT(opaque * 5, static_cast<long>(mask.w) * mask.h) << stem << " is mostly empty";
        EXPECT_EQ(edge, 0) << stem << " is cut off at its edge";
        EXPECT_EQ(notWhite, 0) << stem << ".BMP is not white outside its mask";
        ++stickers;
      }
  }
  EXPECT_GE(stickers, 80);
}

// A cartoon strip: whole frames of its frame width, 4 to 8 of them, on the pure red key with
// hard edges (no pixel at the edge of a figure tinted toward red), none empty, each different
// from the next, and the last leading back into the first as gently as the others follow.
TEST_F(Library, CartoonStripsAreWholeFramesThatLoop) {
  const assetread::IniFile& ini = Content().ini;
  const Category& cat = *CategoryOf(7008);
  int pages = ini.GetInt(cat.section, "PSD", 0), strips = 0;
  for (int p = 1; p <= pages; ++p)
    for (int c = 1; c <= cat.itemsPerPage; ++c) {
      char wk[kItemKeySize];
      FrameWidthKey(p, c, wk);
      std::string value = ini.Get(cat.section, ItemKeyOf(p, c));
      int w = ini.GetInt(cat.section, wk, 0);
      Bitmap strip = LoadValue(value);
      ASSERT_GT(w, 0) << wk;
      ASSERT_TRUE(strip.w % w == 0) << value << " is " << strip.w << " wide, frames of " << w;
      int frames = strip.w / w;
      EXPECT_TRUE(frames >= 4 && frames <= 8) << value << " has " << frames << " frames";
      EXPECT_TRUE(strip.h >= 64 && strip.h <= 100 && strip.bits == 24) << value;
      long tinted = 0;
      std::vector<long> drawn(frames, 0);
      for (int y = 0; y < strip.h; ++y)
        for (int x = 0; x < strip.w; ++x) {
          const uint8_t* q = strip.At(x, y);
          if (IsKey(q)) continue;
          ++drawn[x / w];
          bool edge = false;
          for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            int nx = x + dx, ny = y + dy;
            edge = edge || (nx >= 0 && ny >= 0 && nx < strip.w && ny < strip.h && IsKey(strip.At(nx, ny)));
          }
          tinted += edge && q[0] > 2 * std::max(q[1], q[2]) + 60;
        }
      EXPECT_EQ(tinted, 0) << value << ": figure edges blend toward the key";
      for (int f = 0; f < frames; ++f) {
        EXPECT_GT(drawn[f] * 10, static_cast<long>(w) * strip.h) << value << " frame " << f << " is nearly empty";
        EXPECT_LT(drawn[f] * 10, static_cast<long>(w) * strip.h * 9) << value << " frame " << f << " has no background";
      }
      long largest = 0;
      for (int f = 0; f + 1 < frames; ++f) {
        long d = Difference(strip, f * w, strip, (f + 1) * w, w);
        EXPECT_GT(d, 0) << value << " frames " << f << " and " << f + 1 << " are the same";
        largest = std::max(largest, d);
      }
      EXPECT_LE(Difference(strip, (frames - 1) * w, strip, 0, w), largest * 3 / 2)
          << value << " jumps when the loop starts again";
      ++strips;
    }
  EXPECT_GE(strips, 6);
}

// Sample pictures open as the canvas: 640 x 480 at 24 bits. Colouring pages are only black and
// white, with many closed shapes for the paint bucket to fill.
TEST_F(Library, SamplePicturesFitTheCanvasAndColouringPagesAreClean) {
  const assetread::IniFile& ini = Content().ini;
  for (int command : {7009, 7010}) {
    const Category& cat = *CategoryOf(command);
    int pages = ini.GetInt(cat.section, "PSD", 0);
    for (int p = 1; p <= pages; ++p)
      for (int c = 1; c <= cat.itemsPerPage; ++c) {
        std::string value = ini.Get(cat.section, ItemKeyOf(p, c));
        Bitmap b = LoadValue(value);
        ASSERT_TRUE(b.w == 640 && b.h == 480 && b.bits == 24) << value;
        if (command != 7009) continue;
        long other = 0, black = 0;
        for (int y = 0; y < b.h; ++y)
          for (int x = 0; x < b.w; ++x) {
            const uint8_t* q = b.At(x, y);
            bool k = q[0] == 0 && q[1] == 0 && q[2] == 0, white = q[0] == 255 && q[1] == 255 && q[2] == 255;
            other += !k && !white;
            black += k;
          }
        EXPECT_EQ(other, 0) << value << " has pixels neither black nor white";
        EXPECT_TRUE(black > 640 * 480 / 50 && black < 640 * 480 / 3) << value << " has " << black << " black pixels";
        // white areas the bucket fills one at a time (4-connected, as a fill spreads)
        std::vector<uint8_t> seen(640 * 480, 0);
        int areas = 0;
        for (int start = 0; start < 640 * 480; ++start) {
          if (seen[start] || b.rgb[start * 3] == 0) continue;
          ++areas;
          std::vector<int> stack = {start};
          seen[start] = 1;
          while (!stack.empty()) {
            int at = stack.back(), x = at % 640, y = at / 640;
            stack.pop_back();
            for (int n : {x > 0 ? at - 1 : -1, x < 639 ? at + 1 : -1, y > 0 ? at - 640 : -1, y < 479 ? at + 640 : -1})
              if (n >= 0 && !seen[n] && b.rgb[n * 3] != 0) {
                seen[n] = 1;
                stack.push_back(n);
              }
          }
        }
        EXPECT_GE(areas, 15) << value << " has few shapes to fill";
      }
  }
}

// The SAMPLE box's cartoon files: each lies beside its picture, parses with the program's
// reader and names cartoons of the library whose frames stay wholly on the canvas along paths
// that move a few pixels a tick.
TEST_F(Library, SampleCartoonFilesWalkLibraryCartoonsOverTheCanvas) {
  const assetread::IniFile& ini = Content().ini;
  int files = 0, walkers = 0;
  for (const auto& e : fs::directory_iterator(Content().prog + "/CUST/SAMPLE")) {
    if (e.path().extension() != ".CAT") continue;
    ++files;
    fs::path picture = e.path();
    picture.replace_extension(".sam");
    Bitmap canvas;
    ASSERT_TRUE(assetread::ReadBitmap(picture.string(), canvas, nullptr)) << picture;
    EXPECT_TRUE(canvas.w == 640 && canvas.h == 480) << picture;
    std::vector<uint8_t> data;
    ASSERT_TRUE(assetread::ReadAll(e.path().string(), data));
    CartoonDirectory dir = ReadCartoonDirectory(data.data(), data.size());
    ASSERT_TRUE(dir.valid) << e.path();
    ASSERT_GE(dir.entries.size(), 1u);
    EXPECT_EQ(dir.listsStart, 4 + 20 * dir.entries.size());
    for (const CartoonEntry& entry : dir.entries) {
      char key[kItemKeySize], wk[kItemKeySize];
      ItemKey(entry.group, entry.number, key);
      FrameWidthKey(entry.group, entry.number, wk);
      std::string value = ini.Get("CARTCONTENT", key);
      ASSERT_FALSE(value.empty()) << "the cartoon file names " << key << ", which the library lacks";
      Bitmap strip = LoadValue(value);
      int w = ini.GetInt("CARTCONTENT", wk, 0);
      std::vector<CartoonPoint> path;
      ASSERT_TRUE(ReadCartoonPath(data.data(), data.size(), dir, entry, &path)) << key;
      std::vector<int> steps;
      for (size_t i = 0; i < path.size(); ++i) {
        const CartoonPoint& q = path[i];
        EXPECT_TRUE(q.x - w / 2 >= 0 && q.x - w / 2 + w <= 640 && q.y - strip.h / 2 >= 0 &&
                    q.y - strip.h / 2 + strip.h <= 480)
            << key << " point " << i << " (" << q.x << ", " << q.y << ") puts its frame off the canvas";
        if (i) steps.push_back(std::max(std::abs(q.x - path[i - 1].x), std::abs(q.y - path[i - 1].y)));
      }
      if (path.size() < 20) continue;
      ++walkers;
      std::sort(steps.begin(), steps.end());
      EXPECT_LE(steps[steps.size() / 2], 5) << key << " moves too fast";
      EXPECT_GE(steps[steps.size() / 2], 1) << key << " stands still";
      EXPECT_LE(steps[steps.size() - 2], 8) << key << " jumps more than once a loop";
    }
  }
  EXPECT_GE(files, 1);
  EXPECT_GE(walkers, 1);
}

}  // namespace
