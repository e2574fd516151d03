// The canvas on real GDI under Wine: rope regions as GDI makes them, the stroke dispatch with its
// row flush into the canvas bitmap, undo, the colour absorber, the tool commands' grain rules and
// the magic stamp.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/canvas/stroke_engine_win.h"
#include "colvane/canvas/stroke_walker.h"
#include "colvane/canvas/tool_select_win.h"
#include "colvane/canvas/tool_state.h"
#include "colvane/canvas/colour_state.h"
#include "colvane/canvas/tool_dispatch_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/shell_win.h"
#include "tests/support/message_box_watch_win.h"
#include "tests/support/paint_window_win.h"

namespace {

HWND window = nullptr;

LRESULT CALLBACK TestWindowProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) {
    DispatchCommand(w, wParam);
    return 0;
  }
  return DefWindowProcA(w, msg, wParam, lParam);
}

void Rope(int mode, const std::vector<POINT>& points) {
  Session().choice.drawingMode = static_cast<DrawingMode>(mode);
  RopePress(window, Session(), points.front());
  for (size_t i = 1; i < points.size(); ++i) RopeMove(window, Session(), points[i]);
  RopeRelease(window, Session(), points.back());
}

// The clip mask must hold exactly the pixels GDI puts in the region.
void ExpectMaskIsRegion(int x0, int y0, int x1, int y1) {
  HRGN region = ClipRegion();
  ASSERT_NE(region, nullptr);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      ASSERT_EQ(Session().clip.Contains(x, y), PtInRegion(region, x, y) != 0) << x << "," << y;
}

std::vector<uint8_t> CanvasBytes() {
  const Block& b = Session().canvas.canvasImage;
  return std::vector<uint8_t>(b.Data(), b.Data() + b.size);
}

// Rows top..bottom of the canvas bitmap read back as 24-bit bottom-up DIB rows.
std::vector<uint8_t> BitmapRows(int top, int bottom) {
  const int rows = bottom - top + 1;
  std::vector<uint8_t> bits(static_cast<size_t>(kCanvasStride) * rows);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kCanvasWidth;
  info.bmiHeader.biHeight = kCanvasHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  HDC dc = GetDC(window);
  GetDIBits(dc, CanvasBitmap(), kCanvasHeight - 1 - bottom, rows, bits.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(window, dc);
  return bits;
}

std::vector<uint8_t> ImageRows(int top, int bottom) {
  PixelView v = CanvasView(Session().canvas);
  const uint8_t* first = v.Row(bottom);
  return std::vector<uint8_t>(first, first + static_cast<size_t>(v.stride) * (bottom - top + 1));
}

bool Dark(int x, int y) {
  uint32_t c = ReadCanvasPixel(Session().canvas, x, y);
  return RedOf(c) + GreenOf(c) + BlueOf(c) < 3 * 128;
}

// What a walk does to a blank page with a fresh stroke state and the current masks and mode.
std::vector<uint8_t> BlankPageAfterWalk(int x0, int y0, int x1, int y1) {
  CanvasImage reference;
  OpenPicture(&reference, "C:\\no\\such\\picture.sam");
  StrokeTarget target = CurrentStrokeTarget(Session().choice.drawingMode);
  target.canvas = CanvasView(reference);
  target.pictureModified = nullptr;
  StrokeState state;
  Walk(&state, Session().tools.masks, target, x0, y0, x1, y1);
  const Block& b = reference.canvasImage;
  return std::vector<uint8_t>(b.Data(), b.Data() + b.size);
}

class CanvasOnScreen : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    window = OpenPaintWindow("CanvasTestWindow", TestWindowProc, 20);
    PrepareCanvas(window);
    SetClipArea(kCanvasWidth, kCanvasHeight);
  }
  static void TearDownTestSuite() {
    FreeCanvas(App().mainWindow);
    DestroyWindow(window);
  }
  void SetUp() override {
    ASSERT_NE(CanvasBitmap(), nullptr);
    FreeRope(window);
    OpenCanvasPicture(window, "C:\\no\\such\\picture.sam");
    Session().choice.drawingMode = kModeNone;
    Session().choice.lineMode = 0;
    Session().colours = ColourState();
    Session().tools.stroke = StrokeState();
    ResetLinePoints(&Session().tools);
  }
};

TEST_F(CanvasOnScreen, RectangleRopeHoldsTheDraggedCornerButNotTheFarEdge) {
  Rope(24, {{10, 10}, {14, 17}, {20, 20}});
  for (int y = 0; y <= 30; ++y)
    for (int x = 0; x <= 30; ++x)
      ASSERT_EQ(Session().clip.Contains(x, y), x >= 10 && x < 20 && y >= 10 && y < 20) << x << "," << y;
}

TEST_F(CanvasOnScreen, EllipseRopeReachesBothDraggedCorners) {
  Rope(23, {{20, 10}, {10, 20}});
  EXPECT_TRUE(Session().clip.Contains(10, 15));
  EXPECT_TRUE(Session().clip.Contains(20, 15));
  EXPECT_TRUE(Session().clip.Contains(15, 10));
  EXPECT_TRUE(Session().clip.Contains(15, 20));
  EXPECT_FALSE(Session().clip.Contains(9, 15));
  EXPECT_FALSE(Session().clip.Contains(21, 15));
  EXPECT_FALSE(Session().clip.Contains(15, 21));
  EXPECT_FALSE(Session().clip.Contains(10, 10));
  ExpectMaskIsRegion(0, 0, 30, 30);
}

TEST_F(CanvasOnScreen, SelfCrossingFreeRopeKeepsItsDoublyEnclosedMiddle) {
  // A five-pointed star drawn in one line: its middle is wound twice.
  std::vector<POINT> star;
  for (int k = 0; k <= 5; ++k) {
    double a = -1.5707963 + k * 2.5132741;  // every second point of a pentagon
    star.push_back(POINT{static_cast<LONG>(200 + 100 * std::cos(a)), static_cast<LONG>(200 + 100 * std::sin(a))});
  }
  Rope(13, star);
  EXPECT_TRUE(Session().clip.Contains(200, 200));
  EXPECT_TRUE(Session().clip.Contains(200, 115));  // inside the top point
  EXPECT_FALSE(Session().clip.Contains(130, 130)); // between two points
  ExpectMaskIsRegion(90, 90, 310, 310);
}

TEST_F(CanvasOnScreen, RopeIsCutToThePaperAndAClickClearsIt) {
  Rope(24, {{600, 440}, {700, 520}});
  RECT box;
  ASSERT_NE(ClipRegion(), nullptr);
  GetRgnBox(ClipRegion(), &box);
  EXPECT_EQ(box.left, 600);
  EXPECT_EQ(box.top, 440);
  EXPECT_EQ(box.right, 640);
  EXPECT_EQ(box.bottom, 480);
  EXPECT_TRUE(Session().clip.Contains(639, 479));
  EXPECT_FALSE(Session().clip.Contains(599, 479));

  Rope(24, {{300, 300}});
  EXPECT_EQ(ClipRegion(), nullptr);
  EXPECT_TRUE(Session().clip.IsAll());
  EXPECT_TRUE(Session().clip.Contains(0, 0));

  // A selection wholly off the paper would leave no pixel to paint: it makes none.
  Rope(13, {{-50, -50}, {-10, -50}, {-10, -10}, {-50, -10}});
  EXPECT_EQ(ClipRegion(), nullptr);
  EXPECT_TRUE(Session().clip.Contains(320, 240));
}

TEST_F(CanvasOnScreen, AClickLaysOneDabAndItsRowsReachTheCanvasBitmap) {
  SendMessageA(window, WM_COMMAND, 10001, 0);  // free brush
  ASSERT_EQ(Session().choice.drawingMode, 2);
  EXPECT_EQ(CanvasPress(window, POINT{100, 100}), 1);
  EXPECT_EQ(CanvasRelease(window, POINT{100, 100}), 1);
  EXPECT_EQ(CanvasBytes(), BlankPageAfterWalk(100, 100, 100, 100));
  EXPECT_TRUE(Dark(100, 100));
  EXPECT_EQ(BitmapRows(80, 120), ImageRows(80, 120));
  EXPECT_EQ(Session().canvas.pictureModified, 1);
}

TEST_F(CanvasOnScreen, LineModeDrawsOnlyTheStraightLineOnRelease) {
  SendMessageA(window, WM_COMMAND, 20002, 0);  // pencil, line
  ASSERT_EQ(Session().choice.lineMode, 1);
  const std::vector<uint8_t> blank = CanvasBytes();
  EXPECT_NE(CanvasPress(window, POINT{50, 50}), 0);
  CanvasMove(window, POINT{80, 120});
  CanvasMove(window, POINT{200, 60});
  EXPECT_EQ(CanvasBytes(), blank);  // only the rubber band on the screen so far
  EXPECT_EQ(CanvasRelease(window, POINT{200, 60}), 1);
  EXPECT_EQ(CanvasBytes(), BlankPageAfterWalk(50, 50, 200, 60));
  EXPECT_TRUE(Dark(125, 55));
  EXPECT_FALSE(Dark(80, 120));
  EXPECT_EQ(BitmapRows(30, 80), ImageRows(30, 80));
  EXPECT_EQ(Session().tools.lineStartX, -1);
  EXPECT_EQ(Session().tools.stroke.lastX, -1);
}

TEST_F(CanvasOnScreen, LineAndStrokeStayInsideTheRope) {
  Rope(24, {{100, 100}, {200, 200}});
  SendMessageA(window, WM_COMMAND, 20002, 0);
  EXPECT_EQ(CanvasPress(window, POINT{50, 150}), 0);  // a line must start inside
  CanvasRelease(window, POINT{50, 150});
  SendMessageA(window, WM_COMMAND, 20001, 0);
  EXPECT_EQ(CanvasPress(window, POINT{50, 150}), 1);  // a free stroke may start outside
  CanvasMove(window, POINT{250, 150});
  CanvasRelease(window, POINT{250, 150});
  EXPECT_TRUE(Dark(150, 150));
  EXPECT_FALSE(Dark(99, 150));
  EXPECT_FALSE(Dark(200, 150));
  EXPECT_FALSE(Dark(60, 150));
}

TEST_F(CanvasOnScreen, UndoShowsTheSnapshotThenThePaintedPictureAgain) {
  const std::vector<uint8_t> blank = CanvasBytes();
  SendMessageA(window, WM_COMMAND, 10001, 0);
  CanvasPress(window, POINT{300, 200});
  CanvasMove(window, POINT{400, 220});
  CanvasRelease(window, POINT{400, 220});
  const std::vector<uint8_t> painted = CanvasBytes();
  ASSERT_NE(painted, blank);
  SendMessageA(window, WM_COMMAND, 4003, 0);
  EXPECT_EQ(CanvasBytes(), blank);
  EXPECT_EQ(BitmapRows(180, 240), ImageRows(180, 240));
  SendMessageA(window, WM_COMMAND, 4003, 0);
  EXPECT_EQ(CanvasBytes(), painted);
  EXPECT_EQ(BitmapRows(180, 240), ImageRows(180, 240));
}

TEST_F(CanvasOnScreen, AbsorberPicksForegroundWithTheLeftButtonAndBackgroundWithTheRight) {
  uint8_t* p = CanvasView(Session().canvas).At(30, 40);
  p[0] = 0x30, p[1] = 0x20, p[2] = 0x10;  // blue, green, red
  EXPECT_EQ(CanvasPickColour(window, POINT{30, 40}), 0);  // only the absorber picks
  SendMessageA(window, WM_COMMAND, 2003, 0);
  EXPECT_EQ(CanvasPickColour(window, POINT{30, 40}), 1);
  EXPECT_EQ(Session().colours.backgroundColour, 0x302010u);
  EXPECT_EQ(Session().colours.foregroundColour, 0u);
  EXPECT_EQ(CanvasPress(window, POINT{30, 40}), 1);
  EXPECT_EQ(Session().colours.foregroundColour, 0x302010u);
}

TEST_F(CanvasOnScreen, CrayonGrainLastsUntilTheNextCommandButNewPictureKeepsIt) {
  SendMessageA(window, WM_COMMAND, 50001, 0);  // chalk
  EXPECT_EQ(Session().tools.textureOn, 1);
  EXPECT_EQ(Session().tools.textureIndex, 2);
  SendMessageA(window, WM_COMMAND, 4004, 0);
  EXPECT_EQ(Session().tools.textureOn, 1);
  SendMessageA(window, WM_COMMAND, 20001, 0);
  EXPECT_EQ(Session().tools.textureOn, 0);
  // The candle's line is one size smaller than its free stroke.
  SendMessageA(window, WM_COMMAND, 40001, 0);
  EXPECT_EQ(Session().tools.masks.strokeSize, 22);
  SendMessageA(window, WM_COMMAND, 40002, 0);
  EXPECT_EQ(Session().tools.masks.strokeSize, 21);
}

// Without a single stamp file the tool cannot paint: choosing it says so at once, and so does
// each paging step, in a box owned by the window.
TEST_F(CanvasOnScreen, WithNoStampAtAllChoosingAndPagingSaySo) {
  MessageBoxWatch watch;
  SendMessageA(window, WM_COMMAND, 2006, 0);  // no data folder beside the tests: nothing loads
  EXPECT_EQ(Session().choice.drawingMode, 12);
  SendMessageA(window, WM_COMMAND, 43001, 0);
  auto seen = watch.seen();
  ASSERT_EQ(seen.size(), 2u);
  for (const auto& box : seen) {
    EXPECT_EQ(box.caption, L"WARNING");
    EXPECT_EQ(box.text, L"Data Error. Call engineer!");
    EXPECT_EQ(box.owner, window);
  }
  const std::vector<uint8_t> blank = CanvasBytes();
  EXPECT_EQ(CanvasPress(window, POINT{100, 100}), 1);
  EXPECT_EQ(CanvasBytes(), blank);
}

TEST_F(CanvasOnScreen, MagicStampIsCentredOnTheCursorAndCutAtTheEdge) {
  MessageBoxWatch watch;  // no stamp files beside the tests: choosing the tool warns
  SendMessageA(window, WM_COMMAND, 2006, 0);
  std::vector<uint8_t> frame(kStampFrameBytes);
  for (size_t i = 0; i < frame.size(); i += 4) frame[i] = 255, frame[i + 3] = 255;  // opaque red
  ASSERT_EQ(LoadStampBytes(&Session().tools.magicStamp, frame.data(), frame.size()), 1);
  EXPECT_EQ(CanvasPress(window, POINT{0, 0}), 1);
  EXPECT_EQ(ReadCanvasPixel(Session().canvas, 0, 0), 0x0000FFu);
  EXPECT_EQ(ReadCanvasPixel(Session().canvas, 63, 63), 0x0000FFu);
  EXPECT_EQ(ReadCanvasPixel(Session().canvas, 64, 0), 0xFFFFFFu);
  EXPECT_EQ(ReadCanvasPixel(Session().canvas, 0, 64), 0xFFFFFFu);
  EXPECT_EQ(BitmapRows(0, 70), ImageRows(0, 70));
  FreeMagicStamp(&Session().tools.magicStamp);
}

}  // namespace
