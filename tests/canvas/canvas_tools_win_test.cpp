// The fills, effects, lens, square eraser, shapes and sticker on real GDI under Wine: the tool
// commands, the dispatch of their gestures, regions made by GDI, and what reaches the canvas
// bitmap and the window (previews drawn and taken away).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/clip_art_win.h"
#include "colvane/canvas/effects.h"
#include "colvane/canvas/flood_fill.h"
#include "colvane/canvas/lens.h"
#include "colvane/canvas/placement.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/canvas/shape_tool_win.h"
#include "colvane/canvas/tool_state.h"
#include "colvane/canvas/colour_state.h"
#include "colvane/canvas/tool_dispatch_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/shell_win.h"
#include "tests/support/paint_window_win.h"
#include "tests/canvas/paint_test_support.h"

namespace {

// The shown paper: the screen's record and the canvas's own.
void UsePaper(int width, int height) {
  ScreenLayout screen = Screen();
  screen.paperWidth = width;
  screen.paperHeight = height;
  SetScreenLayout(screen);
  SetClipArea(width, height);
}

HWND window = nullptr;
constexpr int kOrigin = 20;  // the paper's place in the test window
constexpr uint32_t kRed = 0x0000FF, kBlue = 0xFF0000, kBlack = 0;

LRESULT CALLBACK TestWindowProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) {
    DispatchCommand(w, wParam);
    return 0;
  }
  return DefWindowProcA(w, msg, wParam, lParam);
}

// A copy of the canvas image and a view of its pixels, for the pure routine's expected result.
struct CanvasCopy {
  std::vector<uint8_t> bytes;
  PixelView view;
  CanvasCopy() {
    const Block& b = Session().canvas.canvasImage;
    bytes.assign(b.Data(), b.Data() + b.size);
    view = CanvasView(Session().canvas);
    view.bits = bytes.data() + kBitmapHeaderSize;
  }
};

std::vector<uint8_t> CanvasBytes() { return CanvasCopy().bytes; }

// Paper rows top..bottom of a source (canvas bitmap or window) as 24-bit bottom-up rows.
std::vector<uint8_t> ReadRows(HDC source, int x, int y, int top, int bottom) {
  const int rows = bottom - top + 1;
  HDC dc = GetDC(window);
  HBITMAP copy = CreateCompatibleBitmap(dc, kCanvasWidth, rows);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, copy);
  BitBlt(memory, 0, 0, kCanvasWidth, rows, source, x, y + top, SRCCOPY);
  SelectObject(memory, old);
  std::vector<uint8_t> bits(static_cast<size_t>(kCanvasStride) * rows);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kCanvasWidth;
  info.bmiHeader.biHeight = rows;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  GetDIBits(memory, copy, 0, rows, bits.data(), &info, DIB_RGB_COLORS);
  DeleteDC(memory);
  DeleteObject(copy);
  ReleaseDC(window, dc);
  return bits;
}

std::vector<uint8_t> BitmapRows(int top, int bottom) {
  HDC dc = GetDC(window);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, CanvasBitmap());
  std::vector<uint8_t> rows = ReadRows(memory, 0, 0, top, bottom);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(window, dc);
  return rows;
}

std::vector<uint8_t> ScreenRows(int top, int bottom) {
  HDC dc = GetDC(window);
  std::vector<uint8_t> rows = ReadRows(dc, kOrigin, kOrigin, top, bottom);
  ReleaseDC(window, dc);
  return rows;
}

uint32_t ScreenPixel(int x, int y) {
  HDC dc = GetDC(window);
  COLORREF c = GetPixel(dc, kOrigin + x, kOrigin + y);
  ReleaseDC(window, dc);
  return c;
}

uint32_t At(int x, int y) { return ReadCanvasPixel(Session().canvas, x, y); }
void Put(int x, int y, uint32_t c) {
  uint8_t* p = CanvasView(Session().canvas).At(x, y);
  p[0] = BlueOf(c), p[1] = GreenOf(c), p[2] = RedOf(c);
}
// A one-pixel outline of the rectangle (left, top) .. (right, bottom) on the canvas image.
void Outline(int left, int top, int right, int bottom, uint32_t c) {
  for (int x = left; x <= right; ++x) Put(x, top, c), Put(x, bottom, c);
  for (int y = top; y <= bottom; ++y) Put(left, y, c), Put(right, y, c);
  ShowWholeCanvas(window);
}

void Rope(int mode, POINT a, POINT b) {
  Session().choice.drawingMode = static_cast<DrawingMode>(mode);
  RopePress(window, Session(), a);
  RopeMove(window, Session(), b);
  RopeRelease(window, Session(), b);
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

class ToolsOnScreen : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    window = OpenPaintWindow("ToolsTestWindow", TestWindowProc, kOrigin, WS_EX_TOPMOST);
    PrepareCanvas(window);
  }
  static void TearDownTestSuite() {
    FreeCanvas(App().mainWindow);
    DestroyWindow(window);
  }
  void SetUp() override {
    ASSERT_NE(CanvasBitmap(), nullptr);
    UsePaper(kCanvasWidth, kCanvasHeight);
    FreeRope(window);
    FreeClipArtPicture();
    OpenCanvasPicture(window, "C:\\no\\such\\picture.sam");
    Session().choice.drawingMode = kModeNone;
    Session().choice.lineMode = 0;
    Session().colours = ColourState();
    Session().tools.stroke = StrokeState();
    ResetLinePoints(&Session().tools);
    ShowWholeCanvas(window);
  }
};

TEST_F(ToolsOnScreen, ShownPaperBoundsTheFillAndTheRepaint) {
  // On a 640 x 480 screen only 482 x 371 pixels of the picture are shown.
  UsePaper(482, 371);
  SendMessageA(window, WM_COMMAND, 11001, 0);
  EXPECT_EQ(Session().choice.drawingMode, 9);
  Outline(100, 100, 200, 180, kBlack);
  Session().colours.foregroundColour = kRed;
  EXPECT_EQ(CanvasPress(window, POINT{300, 300}), 1);
  CanvasRelease(window, POINT{300, 300});
  EXPECT_EQ(At(481, 370), kRed);
  EXPECT_EQ(At(150, 150), 0xFFFFFFu);
  EXPECT_EQ(At(482, 300), 0xFFFFFFu);
  EXPECT_EQ(At(300, 371), 0xFFFFFFu);
  EXPECT_EQ(Session().canvas.pictureModified, 1);

  // A lens whose square reaches past the shown paper repaints nothing beyond it.
  Put(500, 300, kBlue);
  RefreshCanvasBitmap(window);
  const uint32_t beside = ScreenPixel(500, 300);
  ASSERT_NE(beside, kBlue);
  SendMessageA(window, WM_COMMAND, 42004, 0);
  EXPECT_EQ(CanvasPress(window, POINT{470, 300}), 1);
  EXPECT_EQ(ScreenPixel(500, 300), beside);
}

TEST_F(ToolsOnScreen, PictureEffectsComputeFromThePictureBeforeAndStayInTheSelection) {
  for (int y = 0; y < kCanvasHeight; ++y)
    for (int x = 0; x < kCanvasWidth; ++x)
      Put(x, y, (x / 7 + y / 5) % 3 ? MakeColour(x % 256, y % 256, 90) : kBlack);
  ShowWholeCanvas(window);
  Session().choice.drawingMode = kModeBrush;
  const int effects[3][2] = {{42002, kEffectBlur}, {42001, kEffectSharpen}, {42003, kEffectEmboss}};
  for (const auto& e : effects) {
    CanvasCopy before, expected;
    ApplyPictureEffect(e[1], &expected.view, before.view, Session().clip);
    SendMessageA(window, WM_COMMAND, e[0], 0);
    EXPECT_EQ(CanvasBytes(), expected.bytes) << e[0];
    EXPECT_EQ(BitmapRows(0, kCanvasHeight - 1), ScreenRows(0, kCanvasHeight - 1)) << e[0];
    EXPECT_EQ(Session().choice.drawingMode, 2);
    EXPECT_EQ(GetCapture(), nullptr);
  }
  SendMessageA(window, WM_COMMAND, 4003, 0);  // undo takes the emboss back
  Rope(23, POINT{100, 100}, POINT{200, 160});
  CanvasCopy before, expected;
  ApplyPictureEffect(kEffectEmboss, &expected.view, before.view, Session().clip);
  SendMessageA(window, WM_COMMAND, 42003, 0);
  EXPECT_EQ(CanvasBytes(), expected.bytes);
  const uint8_t* p = before.view.At(60, 60);
  EXPECT_EQ(At(60, 60), MakeColour(p[2], p[1], p[0]));
}

TEST_F(ToolsOnScreen, LensMagnifiesAroundTheClick) {
  for (int y = 0; y < kCanvasHeight; ++y)
    for (int x = 0; x < kCanvasWidth; ++x) Put(x, y, (x / 4 + y / 4) % 2 ? kBlack : kRed);
  ShowWholeCanvas(window);
  Session().choice.lineMode = 1;
  SendMessageA(window, WM_COMMAND, 42004, 0);
  EXPECT_EQ(Session().choice.drawingMode, 15);
  EXPECT_EQ(Session().choice.lineMode, 0);
  EXPECT_EQ(Session().choice.toolIconIndex, 6);
  CanvasCopy before, expected;
  ApplyLens(&expected.view, before.view, Session().clip, 320, 240, 0, Session().colours.sizeValue + 1);
  ASSERT_NE(expected.bytes, before.bytes);
  EXPECT_EQ(CanvasPress(window, POINT{320, 240}), 1);
  CanvasMove(window, POINT{340, 240});  // the lens is not repeated while the mouse moves
  CanvasRelease(window, POINT{340, 240});
  EXPECT_EQ(CanvasBytes(), expected.bytes);
  EXPECT_EQ(BitmapRows(100, 380), ScreenRows(100, 380));
}

TEST_F(ToolsOnScreen, SquareEraserWipesWhatGdiPutsInTheSweptRegion) {
  SendMessageA(window, WM_COMMAND, 21001, 0);
  EXPECT_EQ(Session().choice.drawingMode, 19);
  EXPECT_EQ(Session().tools.masks.strokeSize, 22);
  Session().colours.backgroundColour = kRed;
  EXPECT_EQ(CanvasPress(window, POINT{100, 100}), 1);  // k = 10
  for (int y = 85; y < 115; ++y)
    for (int x = 85; x < 115; ++x)
      ASSERT_EQ(At(x, y) == kRed, x >= 90 && x < 110 && y >= 90 && y < 110) << x << "," << y;
  EXPECT_NE(ScreenRows(90, 90), BitmapRows(90, 90));  // the outline is on the screen

  CanvasMove(window, POINT{160, 130});
  POINT hexagon[6] = {{90, 90}, {110, 90}, {170, 120}, {170, 140}, {150, 140}, {90, 110}};
  HRGN swept = CreatePolygonRgn(hexagon, 6, WINDING);
  for (int y = 80; y < 150; ++y)
    for (int x = 80; x < 180; ++x) {
      const bool inFirst = x >= 90 && x < 110 && y >= 90 && y < 110;
      ASSERT_EQ(At(x, y) == kRed, inFirst || PtInRegion(swept, x, y)) << x << "," << y;
    }
  DeleteObject(swept);
  CanvasRelease(window, POINT{160, 130});
  EXPECT_EQ(ScreenRows(80, 150), BitmapRows(80, 150));  // the outline went
  EXPECT_EQ(Session().tools.stroke.lastX, -1);
  // A drag without a press wipes nothing.
  const std::vector<uint8_t> wiped = CanvasBytes();
  CanvasMove(window, POINT{400, 400});
  EXPECT_EQ(CanvasBytes(), wiped);
}

TEST_F(ToolsOnScreen, ShapesToolDrawsTheEllipseOnReleaseAndTakesItsPreviewsAway) {
  SendMessageA(window, WM_COMMAND, 2001, 0);
  EXPECT_EQ(Session().choice.drawingMode, 25);
  EXPECT_EQ(Session().choice.toolIconIndex, 11);
  CanvasCopy expected;
  DrawEllipse(&expected.view, Session().clip, EllipseDrawing{200, 150, 400, 300, 21, 0, kBlack});
  const std::vector<uint8_t> before = CanvasBytes();
  CanvasPress(window, POINT{200, 150});
  CanvasMove(window, POINT{300, 200});
  CanvasMove(window, POINT{380, 310});
  EXPECT_EQ(CanvasBytes(), before);
  EXPECT_NE(ScreenRows(150, 310), BitmapRows(150, 310));
  EXPECT_EQ(CanvasRelease(window, POINT{400, 300}), 1);
  EXPECT_EQ(CanvasBytes(), expected.bytes);
  EXPECT_EQ(ScreenRows(0, kCanvasHeight - 1), BitmapRows(0, kCanvasHeight - 1));
  // A release with no press of its own draws nothing.
  EXPECT_EQ(CanvasRelease(window, POINT{500, 400}), 0);
  EXPECT_EQ(CanvasBytes(), expected.bytes);
}

TEST_F(ToolsOnScreen, FilledPolygonTakesGdisRegionInsideTheSelection) {
  SendMessageA(window, WM_COMMAND, 20001, 0);  // masks of a small pencil for the outline
  Session().choice.drawingMode = kModeShapes;
  Session().colours.foregroundColour = kRed;
  CanvasPoint v[kMaxShapeVertices];
  const int n = ShapeVertices(6, CanvasPoint{300, 240}, CanvasPoint{300, 100}, v);
  ASSERT_EQ(n, 10);
  POINT points[kMaxShapeVertices];
  for (int i = 0; i < n; ++i) points[i] = POINT{v[i].x, v[i].y};
  HRGN star = CreatePolygonRgn(points, n, WINDING);
  Rope(24, POINT{250, 90}, POINT{600, 400});
  Session().choice.drawingMode = kModeShapes;
  DrawShapePolygon(window, v, n, 1);
  int inside = 0;
  for (int y = 90; y < 390; ++y)
    for (int x = 150; x < 450; ++x) {
      const bool filled = PtInRegion(star, x, y) && Session().clip.Contains(x, y);
      if (filled) {
        ++inside;
        ASSERT_EQ(At(x, y), kRed) << x << "," << y;
      }
      if (!Session().clip.Contains(x, y)) {
        ASSERT_EQ(At(x, y), 0xFFFFFFu) << x << "," << y;
      }
    }
  EXPECT_GT(inside, 10000);
  EXPECT_NE(At(300, 100), 0xFFFFFFu);  // the outline's first dab at vertex 0
  EXPECT_EQ(ScreenRows(0, kCanvasHeight - 1), BitmapRows(0, kCanvasHeight - 1));
  DeleteObject(star);
}

class StickerOnScreen : public ToolsOnScreen {
 protected:
  // A 20 x 10 sticker: red picture; mask white on the left half, black on the right, one grey.
  void SetUp() override {
    ToolsOnScreen::SetUp();
    auto picture = MakeBmp({20, 10, 24, true, false, {}, 0, [](int, int) { return kRed; }});
    auto mask = MakeBmp({20, 10, 24, true, false, {}, 0, [](int x, int y) {
                           return x == 5 && y == 5 ? Grey(128) : x < 10 ? 0xFFFFFFu : kBlack;
                         }});
    WriteFile("sticker_test.BMP", picture);
    WriteFile("sticker_testA.BMP", mask);
  }
};

TEST_F(StickerOnScreen, PreviewFollowsTheMouseAndTheDropBlendsThroughTheMask) {
  ASSERT_EQ(PickUpSticker(window, "sticker_test"), 1);
  EXPECT_EQ(Session().choice.drawingMode, 16);
  const std::vector<uint8_t> blank = CanvasBytes();
  CanvasMove(window, POINT{100, 100});  // top-left at (90, 95)
  EXPECT_EQ(ScreenPixel(92, 97), kRed);
  EXPECT_EQ(ScreenPixel(105, 97), 0xFFFFFFu);  // transparent half shows the canvas
  CanvasMove(window, POINT{200, 100});
  EXPECT_EQ(ScreenPixel(92, 97), 0xFFFFFFu);  // the old place is restored
  EXPECT_EQ(ScreenPixel(192, 97), kRed);
  EXPECT_EQ(CanvasBytes(), blank);

  // Partly off the paper: nothing is drawn outside it.
  const uint32_t beside = ScreenPixel(-2, 0);
  CanvasMove(window, POINT{2, 2});
  EXPECT_EQ(ScreenPixel(0, 0), kRed);
  EXPECT_EQ(ScreenPixel(-2, 0), beside);

  // A release off the paper keeps the sticker in hand.
  EXPECT_EQ(CanvasRelease(window, POINT{-30, 100}), 0);
  EXPECT_FALSE(CurrentClipArt().picture.Empty());
  CanvasMove(window, POINT{300, 200});
  CanvasCopy expected;
  DropClipArt(&expected.view, Session().clip, Picture24View(CurrentClipArt().picture),
              Picture24View(CurrentClipArt().mask), CanvasPoint{300, 200});
  EXPECT_EQ(CanvasRelease(window, POINT{300, 200}), 1);
  EXPECT_EQ(CanvasBytes(), expected.bytes);
  EXPECT_EQ(At(292, 197), kRed);
  EXPECT_EQ(At(305, 197), 0xFFFFFFu);
  EXPECT_EQ(At(295, 200), MakeColour(254, 126, 126));  // grey mask pixel: about half and half
  EXPECT_TRUE(CurrentClipArt().picture.Empty());
  EXPECT_EQ(ScreenRows(180, 220), BitmapRows(180, 220));
  EXPECT_EQ(Session().canvas.pictureModified, 1);
}

TEST_F(StickerOnScreen, AStickerThatCannotBeReadIsNotPickedUp) {
  EXPECT_EQ(PickUpSticker(window, "no_such_sticker"), 0);
  EXPECT_EQ(Session().choice.drawingMode, 16);
  const std::vector<uint8_t> blank = CanvasBytes();
  EXPECT_EQ(CanvasMove(window, POINT{100, 100}), 0);
  EXPECT_EQ(ScreenRows(90, 110), BitmapRows(90, 110));
  CanvasRelease(window, POINT{100, 100});
  EXPECT_EQ(CanvasBytes(), blank);
}

}  // namespace
