// The cartoons on real GDI under Wine: a strip's red made transparent in its sprite and mask, a
// tick that draws on the window and never into the canvas, points beyond the canvas, the soft
// eraser's hit, and cartoon files read from disk, damaged ones too.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/clip_art_win.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/library/cartoon_file.h"
#include "colvane/library/cartoons_win.h"
#include "colvane/shell/app_state_win.h"
#include "tests/support/message_box_watch_win.h"
#include "tests/support/paint_window_win.h"

namespace {

HWND window = nullptr;
constexpr int kOrigin = 20;  // the paper's top-left in the test window
constexpr int kW = 32, kH = 20;
// Frame k of the test strip: a 10 x 10 square of its own colour on pure red.
COLORREF FrameColour(int k) { return RGB(40 + 60 * k, 200, 255 - 60 * k); }

// The test's own asset folder beside the test program; the settings file points there while the
// tests run and is put back afterwards.
std::string assetFolder;
std::string settingsBefore;
bool hadSettings = false;

std::string AssetFile(const char* name) { return assetFolder + "\\" + name; }

void PointSettingsAtOwnFolder() {
  char exe[MAX_PATH], settings[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, sizeof(exe));
  assetFolder = exe;
  assetFolder = assetFolder.substr(0, assetFolder.find_last_of('\\')) + "\\cartoon_test_assets";
  CreateDirectoryA(assetFolder.c_str(), nullptr);
  SettingsFilePath(settings);
  if (FILE* f = std::fopen(settings, "rb")) {
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof(buffer), f)) > 0) settingsBefore.append(buffer, n);
    std::fclose(f);
    hadSettings = true;
  }
  FILE* f = std::fopen(settings, "wb");
  if (!f) return;
  std::fprintf(f, "[FILE]\r\nPATH=%s\r\n", assetFolder.c_str());
  std::fclose(f);
}

void PutSettingsBack() {
  char settings[MAX_PATH];
  SettingsFilePath(settings);
  if (!hadSettings) {
    DeleteFileA(settings);
    return;
  }
  if (FILE* f = std::fopen(settings, "wb")) {
    std::fwrite(settingsBefore.data(), 1, settingsBefore.size(), f);
    std::fclose(f);
  }
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

// Three frames 32 pixels wide: red, with the frame's square at (11..20, 5..14).
void WriteStrip(const std::string& path) {
  const int w = 3 * kW, stride = (w * 3 + 3) & ~3;
  std::vector<uint8_t> b(54 + static_cast<size_t>(stride) * kH, 0);
  auto put = [&](size_t at, unsigned v, int n) {
    for (int i = 0; i < n; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put(2, static_cast<unsigned>(b.size()), 4);
  put(10, 54, 4), put(14, 40, 4), put(18, w, 4), put(22, kH, 4), put(26, 1, 2), put(28, 24, 2);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < w; ++x) {
      const int fx = x % kW;
      const bool square = fx >= 11 && fx <= 20 && y >= 5 && y <= 14;
      const COLORREF c = square ? FrameColour(x / kW) : RGB(255, 0, 0);
      const size_t at = 54 + static_cast<size_t>(kH - 1 - y) * stride + x * 3;
      b[at] = GetBValue(c), b[at + 1] = GetGValue(c), b[at + 2] = GetRValue(c);
    }
  WriteFile(path, b);
}

std::vector<uint8_t> CartoonFile(const std::vector<CartoonRecord>& records) { return WriteCartoonFile(records); }

CartoonRecord Record(int group, int number, std::vector<CartoonPoint> path) {
  CartoonRecord r;
  r.group = group, r.number = number, r.path = std::move(path);
  return r;
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  return c;
}

COLORREF WindowPixel(int paperX, int paperY) {
  HDC dc = GetDC(window);
  const COLORREF c = GetPixel(dc, kOrigin + paperX, kOrigin + paperY);
  ReleaseDC(window, dc);
  return c;
}

std::vector<uint8_t> CanvasBytes() {
  const Block& b = Session().canvas.canvasImage;
  return std::vector<uint8_t>(b.Data(), b.Data() + b.size);
}

LRESULT CALLBACK TestWindowProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(w, msg, wParam, lParam);
}

class CartoonPlayer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    window = OpenPaintWindow("CartoonTestWindow", TestWindowProc, kOrigin);
    PointSettingsAtOwnFolder();
    PrepareCanvas(window);
    SetClipArea(640, 480);
    InstallCartoonHooks();
    WriteStrip(AssetFile("cartoon_test_strip.bmp"));
    char layout[MAX_PATH];
    LayoutFilePath(layout);
    WritePrivateProfileStringA("CARTCONTENT", "G1C1", "cartoon_test_strip.bmp", layout);
    WritePrivateProfileStringA("CARTCONTENT", "G1C1W", "32", layout);
    WritePrivateProfileStringA("CARTCONTENT", "G1C2", "cartoon_test_strip.bmp", layout);
    WritePrivateProfileStringA("CARTCONTENT", "G1C2W", "0", layout);  // no frame width: not loadable
  }
  static void TearDownTestSuite() {
    FreeCartoons(window);
    FreeCanvas(window);
    DestroyWindow(window);
    PutSettingsBack();
  }
  void SetUp() override {
    RemoveAllCartoons(window);
    ShowWholeCanvas(window);
  }
  // Reads a cartoon file written from the records.
  int Read(const std::vector<uint8_t>& bytes) {
    const std::string path = AssetFile("cartoon_test.CAT");
    WriteFile(path, bytes);
    return ReadCartoonFile(window, path.c_str());
  }
};

TEST_F(CartoonPlayer, StripRedBecomesTransparentInSpriteAndMask) {
  const int i = LoadCartoon(window, AssetFile("cartoon_test_strip.bmp").c_str(), kW, 1, 1);
  ASSERT_EQ(i, 0);
  EXPECT_EQ(Cartoons().At(i).stripWidth, 3 * kW);
  EXPECT_EQ(FrameCount(Cartoons().At(i)), 3);
  HBITMAP sprite = CartoonSprite(i), mask = CartoonMask(i);
  EXPECT_EQ(BitmapPixel(sprite, 0, 0), RGB(0, 0, 0));   // red: black in the sprite
  EXPECT_EQ(BitmapPixel(mask, 0, 0), RGB(255, 255, 255));  // and white in the mask
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(BitmapPixel(sprite, k * kW + 15, 10), FrameColour(k)) << k;
    EXPECT_EQ(BitmapPixel(mask, k * kW + 15, 10), RGB(0, 0, 0)) << k;
  }
  // Refused: a width of 0, a missing file, a file that is not a picture.
  EXPECT_EQ(LoadCartoon(window, AssetFile("cartoon_test_strip.bmp").c_str(), 0, 1, 1), -1);
  EXPECT_EQ(LoadCartoon(window, AssetFile("no_such_strip.bmp").c_str(), kW, 1, 1), -1);
  WriteFile(AssetFile("cartoon_not_a_picture.bmp"), std::vector<uint8_t>(300, 'x'));
  {
    MessageBoxWatch watch;  // the loader tells that the file is not a picture
    EXPECT_EQ(LoadCartoon(window, AssetFile("cartoon_not_a_picture.bmp").c_str(), kW, 1, 1), -1);
    EXPECT_EQ(watch.seen().size(), 1u);
  }
  EXPECT_EQ(CartoonCount(), 1);
}

TEST_F(CartoonPlayer, TickDrawsOnTheWindowNeverIntoTheCanvas) {
  ASSERT_EQ(Read(CartoonFile({Record(1, 1, {{100, 100}})})), 1);
  ASSERT_EQ(CartoonCount(), 1);
  const std::vector<uint8_t> before = CanvasBytes();
  const COLORREF canvasBefore = BitmapPixel(CanvasBitmap(), 100, 100);
  CartoonTick(window);
  // Frame 0 centred on (100, 100): its square covers (95..104, 95..104); the red shows the canvas.
  EXPECT_EQ(WindowPixel(100, 100), FrameColour(0));
  EXPECT_EQ(WindowPixel(86, 92), RGB(255, 255, 255));
  CartoonTick(window);
  EXPECT_EQ(WindowPixel(100, 100), FrameColour(1));
  CartoonTick(window);
  CartoonTick(window);
  EXPECT_EQ(WindowPixel(100, 100), FrameColour(0));  // three frames, then the first again
  EXPECT_EQ(CanvasBytes(), before);
  EXPECT_EQ(BitmapPixel(CanvasBitmap(), 100, 100), canvasBefore);
  // Paused: a tick shows nothing new.
  PauseCartoons(window);
  CartoonTick(window);
  EXPECT_EQ(WindowPixel(100, 100), FrameColour(0));
  ResumeCartoons(window);
  CartoonTick(window);
  EXPECT_EQ(WindowPixel(100, 100), FrameColour(1));
}

TEST_F(CartoonPlayer, PointsBeyondTheCanvasAreNotDrawnButTheFramesGoOn) {
  ASSERT_EQ(Read(CartoonFile({Record(1, 1, {{640, 100}, {300, 480}, {200, 200}})})), 1);
  CartoonTick(window);
  CartoonTick(window);
  EXPECT_EQ(WindowPixel(200, 200), RGB(255, 255, 255));
  CartoonTick(window);
  EXPECT_EQ(WindowPixel(200, 200), FrameColour(2));  // the third tick shows the third frame
  CartoonTick(window);  // walks off again: where it stood is the canvas again
  EXPECT_EQ(WindowPixel(200, 200), RGB(255, 255, 255));
}

TEST_F(CartoonPlayer, TheSoftEraserRubsOutTheEarliestCartoonItTouches) {
  ASSERT_EQ(Read(CartoonFile({Record(1, 1, {{100, 100}}), Record(1, 1, {{110, 100}}), Record(1, 1, {{400, 300}})})),
            1);
  ASSERT_EQ(CartoonCount(), 3);
  const CartoonHooks& hooks = CurrentCartoonHooks();
  ASSERT_NE(hooks.eraseAt, nullptr);
  EXPECT_TRUE(hooks.eraseAt(window, POINT{105, 100}));
  ASSERT_EQ(CartoonCount(), 2);
  EXPECT_EQ(Cartoons().At(0).path[0].x, 110);
  EXPECT_FALSE(hooks.eraseAt(window, POINT{250, 250}));
  EXPECT_TRUE(CartoonsRemovedSinceFile());
}

TEST_F(CartoonPlayer, PlacingFromTheLibraryAndDiscardingOffTheCanvas) {
  const int i = LoadCartoon(window, AssetFile("cartoon_test_strip.bmp").c_str(), kW, 1, 1);
  SetPickedCartoon(i);
  const CartoonHooks& hooks = CurrentCartoonHooks();
  hooks.dragEnd(window, POINT{50, 60}, true);
  EXPECT_EQ(PickedCartoon(), -1);
  ASSERT_EQ(CartoonCount(), 1);
  EXPECT_EQ(Cartoons().At(0).path.size(), 1u);
  SetPickedCartoon(LoadCartoon(window, AssetFile("cartoon_test_strip.bmp").c_str(), kW, 1, 1));
  hooks.dragEnd(window, POINT{-5, 60}, false);
  EXPECT_EQ(CartoonCount(), 1);
  // The file written for them names the placed cartoon with its point.
  const std::vector<uint8_t> bytes = CartoonFileBytes();
  const CartoonDirectory d = ReadCartoonDirectory(bytes.data(), bytes.size());
  ASSERT_EQ(d.entries.size(), 1u);
  EXPECT_EQ(d.entries[0].group, 1);
  EXPECT_EQ(d.entries[0].number, 1);
}

TEST_F(CartoonPlayer, DamagedAndHostileFilesLoadWhatTheyWhollyHold) {
  // More than ten: the first ten that load.
  std::vector<CartoonRecord> many;
  for (int k = 0; k < 14; ++k) many.push_back(Record(1, 1, {{10 * k, 50}}));
  ASSERT_EQ(Read(CartoonFile(many)), 1);
  EXPECT_EQ(CartoonCount(), kCartoonLimit);
  EXPECT_EQ(Cartoons().At(9).path[0].x, 90);
  // Items the layout does not give, or gives unusable, are skipped; the rest still load.
  ASSERT_EQ(Read(CartoonFile({Record(7, 7, {{1, 1}}), Record(1, 2, {{2, 2}}), Record(1, 1, {{3, 3}})})), 1);
  ASSERT_EQ(CartoonCount(), 1);
  EXPECT_EQ(Cartoons().At(0).path[0].x, 3);
  // A head declaring zero cartoons gives none.
  ASSERT_EQ(Read(CartoonFile({})), 1);
  EXPECT_EQ(CartoonCount(), 0);
  // A wrong mark or a short head: none, though there were some before.
  Read(CartoonFile({Record(1, 1, {{3, 3}})}));
  std::vector<uint8_t> bad = CartoonFile({Record(1, 1, {{3, 3}})});
  bad[1] = 0;
  Read(bad);
  EXPECT_EQ(CartoonCount(), 0);
  Read(CartoonFile({Record(1, 1, {{3, 3}})}));
  Read(std::vector<uint8_t>{0x0D, 0x0D, 0x01});
  EXPECT_EQ(CartoonCount(), 0);
  // A huge point count and a list past the end: that cartoon is skipped, no allocation.
  bad = CartoonFile({Record(1, 1, {{3, 3}}), Record(1, 1, {{4, 4}})});
  bad[4 + 8] = bad[4 + 9] = bad[4 + 10] = bad[4 + 11] = 0xFF;
  bad[4 + 20 + 16] = 0xF0;
  Read(bad);
  EXPECT_EQ(CartoonCount(), 0);
  // A file that cannot be opened keeps the cartoons running.
  Read(CartoonFile({Record(1, 1, {{3, 3}})}));
  EXPECT_EQ(ReadCartoonFile(window, AssetFile("no_such_file.CAT").c_str()), 0);
  EXPECT_EQ(CartoonCount(), 1);
}

}  // namespace
