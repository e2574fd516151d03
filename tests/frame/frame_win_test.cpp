// Bitmap files, blits, strips and the offscreen pool on real GDI under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "colvane/frame/bitmap_file_win.h"
#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/filmstrip_win.h"
#include "colvane/frame/offscreen_win.h"
#include "colvane/frame/paper_overlay_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/shell/app_state_win.h"
#include "tests/frame/bmp_builder.h"
#include "tests/support/message_box_watch_win.h"

namespace {

std::string WriteFile(const char* name, const std::vector<uint8_t>& bytes) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  std::string path = std::string(dir) + name;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return path;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  COLORREF c = GetPixel(memory, x, y);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return c;
}

// A bitmap of `frames` frames of width w (plus `extra` remainder columns), frame i filled with
// the colour RGB(i * 40, 100, 0).
HBITMAP MakeStrip(int frames, int w, int h, int extra) {
  HDC screen = GetDC(nullptr);
  HBITMAP b = CreateCompatibleBitmap(screen, frames * w + extra, h);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, b);
  for (int i = 0; i <= frames; ++i) {
    HBRUSH brush = CreateSolidBrush(i < frames ? RGB(i * 40, 100, 0) : RGB(9, 9, 9));
    RECT r{i * w, 0, i * w + (i < frames ? w : extra), h};
    FillRect(memory, &r, brush);
    DeleteObject(brush);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return b;
}

class Frame : public ::testing::Test {
 protected:
  void SetUp() override {
    App().instance = GetModuleHandleA(nullptr);
    SetScreenLayout(ScreenLayout{});
    CoverDesk(true);  // no paper overlay in these tests
  }
};

}  // namespace

TEST_F(Frame, ReadsBitmapFilesOfEachKind) {
  BmpSpec s;
  s.width = 3;
  s.height = 2;
  s.fill = 0;
  HBITMAP b = LoadBitmapFile(nullptr, WriteFile("c24.bmp", BuildBmp(s)).c_str(), nullptr);
  ASSERT_NE(b, nullptr);
  SIZE size = BitmapSize(b);
  EXPECT_EQ(size.cx, 3);
  EXPECT_EQ(size.cy, 2);
  // Bottom row stored first: bytes 0,1,2 are blue, green, red of the bottom-left pixel.
  EXPECT_EQ(PixelOf(b, 0, 1), RGB(2, 1, 0));
  DeleteObject(b);

  s.bits = 8;
  s.fill = 5;  // every pixel indexes entries 5, 6, ...
  b = LoadBitmapFile(nullptr, WriteFile("c8.bmp", BuildBmp(s)).c_str(), nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(PixelOf(b, 0, 1), RGB(250, 10, 5));  // entry 5: red 255-5, green 10, blue 5
  DeleteObject(b);

  s.headerSize = 12;
  s.bits = 4;
  s.fill = 0x33;
  b = LoadBitmapFile(nullptr, WriteFile("core4.bmp", BuildBmp(s)).c_str(), nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(PixelOf(b, 0, 1), RGB(252, 6, 3));  // entry 3 of a 3-byte table
  DeleteObject(b);
}

TEST_F(Frame, NonBitmapFilesAreReportedAndDamagedOnesAreSilent) {
  MessageBoxWatch watch;
  std::string notBitmap = WriteFile("notabitmap.bmp", std::vector<uint8_t>(100, 'x'));
  EXPECT_EQ(LoadBitmapFile(nullptr, notBitmap.c_str(), nullptr), nullptr);
  BmpSpec s;
  s.pixelBytes = 3;  // rows cut
  EXPECT_EQ(LoadBitmapFile(nullptr, WriteFile("cut.bmp", BuildBmp(s)).c_str(), nullptr), nullptr);
  EXPECT_EQ(LoadBitmapFile(nullptr, "C:\\no\\such\\file.bmp", nullptr), nullptr);
  auto seen = watch.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text.substr(0, 6), L"\x975E[QVF]");
  EXPECT_NE(seen[0].text.find(L"notabitmap.bmp"), std::wstring::npos);
}

TEST_F(Frame, ScaledLoadStretchesToTheAskedSize) {
  BmpSpec s;
  s.width = 4;
  s.height = 4;
  HBITMAP b = LoadBitmapFileScaled(nullptr, WriteFile("s.bmp", BuildBmp(s)).c_str(), nullptr, 10, 7);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(BitmapSize(b).cx, 10);
  EXPECT_EQ(BitmapSize(b).cy, 7);
  DeleteObject(b);
}

TEST_F(Frame, StripFramesDrawByIndexAndIgnoreRemainderColumns) {
  StripRecord strip;
  strip.bitmap = MakeStrip(3, 10, 8, 4);
  strip.frameWidth = 10;
  strip.height = 8;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP target = CreateCompatibleBitmap(screen, 40, 20);
  HGDIOBJ old = SelectObject(memory, target);
  EXPECT_EQ(DrawStripFrame(nullptr, memory, &strip, -1, 1, POINT{0, 0}, nullptr), 1);
  EXPECT_EQ(GetPixel(memory, 5, 5), RGB(80, 100, 0));  // the last whole frame, not the remainder
  EXPECT_EQ(DrawStripFrame(nullptr, memory, &strip, 1, 1, POINT{20, 0}, nullptr), 1);
  EXPECT_EQ(GetPixel(memory, 25, 5), RGB(40, 100, 0));
  EXPECT_EQ(DrawStripFrame(nullptr, memory, &strip, 3, 1, POINT{0, 0}, nullptr), 0);
  EXPECT_EQ(DrawStripFrame(nullptr, memory, &strip, 2, 2, POINT{0, 0}, nullptr), 0);
  StripRecord empty;
  EXPECT_EQ(DrawStripFrame(nullptr, memory, &empty, 0, 1, POINT{0, 0}, nullptr), 0);
  SelectObject(memory, old);
  DeleteObject(target);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  DeleteObject(strip.bitmap);
}

TEST_F(Frame, TransparentBlitsSkipPureRed) {
  HDC screen = GetDC(nullptr);
  HBITMAP art = CreateCompatibleBitmap(screen, 4, 1);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, art);
  SetPixel(memory, 0, 0, RGB(255, 0, 0));
  SetPixel(memory, 1, 0, RGB(10, 200, 30));
  SetPixel(memory, 2, 0, RGB(254, 0, 0));
  SetPixel(memory, 3, 0, RGB(0, 0, 0));
  SelectObject(memory, old);
  HBITMAP target = CreateCompatibleBitmap(screen, 4, 1);
  old = SelectObject(memory, target);
  RECT all{0, 0, 4, 1};
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  FillRect(memory, &all, blue);
  DeleteObject(blue);
  BlitTransparentKeyed(nullptr, memory, art, nullptr, 0, 0, 4, 1, 0, 0);
  EXPECT_EQ(GetPixel(memory, 0, 0), RGB(0, 0, 255));  // key colour: background shows
  EXPECT_EQ(GetPixel(memory, 1, 0), RGB(10, 200, 30));
  EXPECT_EQ(GetPixel(memory, 2, 0), RGB(254, 0, 0));  // near-red is drawn
  EXPECT_EQ(GetPixel(memory, 3, 0), RGB(0, 0, 0));
  SelectObject(memory, old);
  DeleteObject(target);
  DeleteObject(art);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

// The paper laid straight into a 32-bit section gives the pixels its mask and image give (which
// a clip of more than one rectangle makes it use), bottom-up and top-down, whole and in part.
TEST_F(Frame, PaperLaidStraightEqualsItsMaskAndImage) {
  HDC screen = GetDC(nullptr);
  PaperArt paper;
  paper.bitmap = CreateCompatibleBitmap(screen, 9, 7);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, paper.bitmap);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x) SetPixel(memory, x, y, (x * y) % 4 == 1 ? RGB(x * 20, 200, y * 30) : RGB(255, 0, 0));
  SelectObject(memory, old);
  paper.size = SIZE{9, 7};
  MakeTransparentPair(nullptr, paper.bitmap, nullptr, RGB(255, 0, 0), &paper.image, &paper.mask);
  FindPaperCovers(&paper);
  const auto lay = [&](int height, bool oneRectangle, int x, int y, RECT part) {
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 16, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP target = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ before = SelectObject(memory, target);
    PatBlt(memory, 0, 0, 16, 12, DSTINVERT);  // white: nothing in the paper's colours
    if (!oneRectangle) {  // all of it but one corner pixel the paper never reaches
      HRGN clip = CreateRectRgn(0, 0, 16, 12), corner = CreateRectRgn(15, 11, 16, 12);
      CombineRgn(clip, clip, corner, RGN_DIFF);
      SelectClipRgn(memory, clip);
      DeleteObject(clip);
      DeleteObject(corner);
    }
    BlitPaperPart(memory, paper, x, y, part.right - part.left, part.bottom - part.top, part.left, part.top);
    SelectClipRgn(memory, nullptr);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    std::vector<uint32_t> pixels(p, p + 16 * 12);
    for (uint32_t& v : pixels) v &= 0xFFFFFF;  // the fourth byte of a 32-bit pixel means nothing here
    SelectObject(memory, before);
    DeleteObject(target);
    return pixels;
  };
  for (int height : {12, -12})
    for (RECT part : {RECT{0, 0, 9, 7}, RECT{2, 1, 7, 5}}) {
      const std::vector<uint32_t> straight = lay(height, true, 3, 2, part), blitted = lay(height, false, 3, 2, part);
      for (size_t i = 0; i < straight.size(); ++i)
        ASSERT_EQ(straight[i], blitted[i]) << height << " " << part.left << " at " << i % 16 << "," << i / 16;
    }
  for (HBITMAP b : {paper.bitmap, paper.image, paper.mask}) DeleteObject(b);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

TEST_F(Frame, OffscreenPoolHasFourSlots) {
  HDC screen = GetDC(nullptr);
  HDC slots[4];
  for (HDC& s : slots) {
    s = AcquireOffscreen(screen, 16, 16);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(GetPixel(s, 3, 3), RGB(0, 0, 0));  // cleared to black
  }
  EXPECT_EQ(AcquireOffscreen(screen, 16, 16), nullptr);
  EXPECT_EQ(ReleaseOffscreen(screen), 0);  // not a pool DC
  EXPECT_EQ(PresentOffscreen(screen, 0, 0, screen), 0);
  EXPECT_EQ(ReleaseOffscreen(slots[2]), 1);
  EXPECT_EQ(ReleaseOffscreen(slots[2]), 0);
  HDC again = AcquireOffscreen(screen, 8, 8);
  EXPECT_NE(again, nullptr);
  ReleaseOffscreen(again);
  for (int i : {0, 1, 3}) EXPECT_EQ(ReleaseOffscreen(slots[i]), 1);
  ReleaseDC(nullptr, screen);
}

TEST_F(Frame, CoordinatesFollowTheScreenAndPaperOrigins) {
  ScreenLayout screen;
  screen.screenOriginX = 112;
  screen.screenOriginY = 84;
  screen.paperOriginX = 112 + 20;
  screen.paperOriginY = 84 + 30;
  SetScreenLayout(screen);
  POINT p{5, 6};
  LayoutToScreen(&p);
  EXPECT_EQ(p.x, 117);
  EXPECT_EQ(p.y, 90);
  ScreenToPaper(&p);
  EXPECT_EQ(p.x, -15);
  EXPECT_EQ(p.y, -24);
  PaperToScreen(&p);
  ScreenToLayout(&p);
  EXPECT_EQ(p.x, 5);
  EXPECT_EQ(p.y, 6);
}
