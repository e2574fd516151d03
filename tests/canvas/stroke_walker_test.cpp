// Stroke walker: dab spacing independent of mouse speed, the carried distance of line mode,
// clipping of dab centres, and the repaint rectangle.
#include "colvane/canvas/stroke_walker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "colvane/canvas/dab_modes.h"
#include "tests/canvas/paint_test_support.h"

namespace {

struct Brush {
  DabMasks masks;
  StrokeState state;
  StrokeTarget target;
  bool modified = false;

  Brush(TestCanvas* canvas, int size, int mode = kModeBrush, const ClipMask* clip = nullptr) {
    SetStrokeSize(&masks, size, mode);
    target.canvas = canvas->view;
    target.clip = clip ? clip : &canvas->all;
    target.drawingMode = mode;
    target.foreground = 0x000000;
    target.pictureModified = &modified;
  }
  ChangedRect Walk(int x0, int y0, int x1, int y1) { return ::Walk(&state, masks, target, x0, y0, x1, y1); }
};

TEST(StrokeWalker, OneLongMoveLaysTheSameDabsAsManyShortOnes) {
  for (int size : {16, 20}) {  // spacing 2 and 2.5
    TestCanvas fast(90, 40), slow(90, 40);
    Brush a(&fast, size), b(&slow, size);
    a.Walk(10, 20, 10, 20);
    a.Walk(10, 20, 70, 20);
    b.Walk(10, 20, 10, 20);
    int drawn = 0;
    for (int x = 11; x <= 70; ++x) drawn += b.Walk(x - 1, 20, x, 20).changed;
    EXPECT_EQ(fast.bytes, slow.bytes) << "size " << size;
    EXPECT_EQ(1, b.modified);
    // Spacing 2: every second one-pixel move lays a dab; 2.5: two in every five.
    EXPECT_EQ(size == 16 ? 30 : 24, drawn);
  }
}

TEST(StrokeWalker, PressLaysExactlyOneDabOnThePoint) {
  TestCanvas walked(30, 30), dabbed(30, 30);
  Brush a(&walked, 12), b(&dabbed, 12);
  a.state.carried = 1.5;
  ChangedRect r = a.Walk(15, 14, 15, 14);
  EXPECT_DOUBLE_EQ(0.0, a.state.carried);
  b.state.firstDab = 1;
  Dab(&b.state, b.masks, b.target, 15, 14);
  EXPECT_EQ(dabbed.bytes, walked.bytes);
  // Widened by the margin R = 7: left = x - R - 1, right = x + R + 2.
  EXPECT_EQ(1, r.changed);
  EXPECT_EQ(7, r.left);
  EXPECT_EQ(6, r.top);
  EXPECT_EQ(24, r.right);
  EXPECT_EQ(23, r.bottom);
}

TEST(StrokeWalker, LineModeIsShiftedByTheCarriedDistance) {
  TestCanvas line(60, 60), expected(60, 60);
  Brush a(&line, 16), b(&expected, 16);  // spacing 2
  // An earlier free stroke leaves 1 pixel carried.
  for (Brush* brush : {&a, &b}) {
    brush->Walk(10, 10, 10, 10);
    brush->Walk(10, 10, 13, 10);
    ASSERT_DOUBLE_EQ(1.0, brush->state.carried);
  }
  // The line from (20, 40) to (30, 40) starts without a press dab: its first dab lies
  // spacing - carried = 1 from the press point, none on the press point itself.
  a.Walk(20, 40, 30, 40);
  for (int x = 21; x <= 29; x += 2) Dab(&b.state, b.masks, b.target, x, 40);
  EXPECT_EQ(expected.bytes, line.bytes);
  EXPECT_DOUBLE_EQ(1.0, a.state.carried);
}

TEST(StrokeWalker, DabsStayInsideTheClip) {
  TestCanvas canvas(60, 40);
  ClipMask clip;
  clip.SetRects(60, 40, {{20, 0, 40, 40}});
  Brush brush(&canvas, 16, kModeBrush, &clip);
  // A stroke that starts outside the selection, crosses it and leaves the canvas.
  brush.Walk(2, 20, 2, 20);
  ChangedRect r = brush.Walk(2, 20, 75, 20);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x)
      if (x < 20 || x >= 40) {
        ASSERT_EQ(0xFFFFFFu, canvas.Get(x, y)) << x << "," << y;
      }
  EXPECT_NE(0xFFFFFFu, canvas.Get(30, 20));
  EXPECT_EQ(0, r.left);
  EXPECT_EQ(59, r.right);  // cut to the canvas
}

// The smallest pencil lays a line one pixel wide in any direction, and the soft eraser at the
// same size wipes exactly such a line back to the background colour.
TEST(StrokeWalker, SizeOnePencilAndSoftEraserLayAOnePixelLine) {
  const int ends[][4] = {{5, 10, 40, 10}, {5, 5, 30, 30}, {5, 30, 40, 14}, {20, 2, 20, 35}};
  for (const auto& e : ends) {
    TestCanvas paper(48, 40);
    Brush pencil(&paper, 1, kModePencil);
    pencil.Walk(e[0], e[1], e[0], e[1]);
    pencil.Walk(e[0], e[1], e[2], e[3]);
    // Every column (or row, for steep lines) the line crosses holds one or two black pixels
    // (two only where a stair steps), and nothing else changed. No dab lies past the release
    // point, so the line may stop one pixel short of it.
    bool steep = std::abs(e[3] - e[1]) > std::abs(e[2] - e[0]);
    int lineLength = std::max(std::abs(e[3] - e[1]), std::abs(e[2] - e[0])), painted = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 48; ++x) {
        uint32_t c = paper.Get(x, y);
        ASSERT_TRUE(c == 0xFFFFFFu || c == 0u) << x << "," << y << " is grey";
        painted += c == 0u;
      }
    for (int i = 0; i < lineLength; ++i) {
      int across = 0;
      for (int j = 0; j < (steep ? 48 : 40); ++j) {
        int along = steep ? e[1] + (e[3] > e[1] ? i : -i) : e[0] + (e[2] > e[0] ? i : -i);
        across += steep ? paper.Get(j, along) == 0u : paper.Get(along, j) == 0u;
      }
      EXPECT_TRUE(across == 1 || across == 2) << "line " << e[0] << "," << e[1] << " step " << i;
    }
    EXPECT_GE(painted, lineLength);

    TestCanvas black(48, 40, 0x000000);
    Brush eraser(&black, 1, kModeSoftEraser);
    eraser.target.background = 0xFFFFFF;
    eraser.Walk(e[0], e[1], e[0], e[1]);
    eraser.Walk(e[0], e[1], e[2], e[3]);
    // The same dabs touch the same pixels; each lays half the background, so a pixel crossed
    // by a few of them ends near white (a stair's corner may see only one).
    int wiped = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 48; ++x) {
        bool onLine = paper.Get(x, y) == 0u;
        uint32_t c = black.Get(x, y);
        ASSERT_EQ(onLine, c != 0u) << x << "," << y;
        if (onLine) {
          EXPECT_GE(GreenOf(c), 127) << x << "," << y;
        }
        wiped += GreenOf(c) > 220;
      }
    EXPECT_GE(wiped * 10, painted * 8) << "line " << e[0] << "," << e[1];
  }
}

}  // namespace
