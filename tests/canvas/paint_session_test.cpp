// The painting session without a window: gestures change the session's canvas inside its clip,
// take undo where a change begins, and say what to repaint.
#include "colvane/canvas/paint_session.h"

#include <gtest/gtest.h>

namespace {

struct Session : PaintSession {
  Session() {
    EXPECT_EQ(MakeBlankPage(&canvas), 1);
    SetSessionPaperSize(this, kCanvasWidth, kCanvasHeight);
    choice.drawingMode = kModeBrush;
    SetSessionStrokeSize(this, 20);
  }
  uint32_t At(int x, int y) const { return ReadCanvasPixel(canvas, x, y); }
};

constexpr uint32_t kWhite = 0xFFFFFF;

TEST(PaintSession, FreeStrokePaintsTakesUndoAndReportsItsRows) {
  Session s;
  const GestureResult press = FreeStrokePress(&s, CanvasPoint{100, 100});
  EXPECT_TRUE(press.taken);
  EXPECT_TRUE(press.undoTaken);
  EXPECT_FALSE(s.canvas.undoSnapshot.Empty());
  ASSERT_TRUE(press.changed.changed);
  EXPECT_LE(press.changed.left, 100);
  EXPECT_GE(press.changed.right, 100);
  EXPECT_NE(s.At(100, 100), kWhite);
  EXPECT_EQ(s.canvas.pictureModified, 1);

  const GestureResult drag = FreeStrokeDrag(&s, CanvasPoint{200, 100});
  EXPECT_FALSE(drag.undoTaken);
  EXPECT_GE(drag.changed.right, 200);
  EXPECT_NE(s.At(150, 100), kWhite);
  EXPECT_EQ(s.At(150, 300), kWhite);
}

TEST(PaintSession, StrokesStayInsideTheClip) {
  Session s;
  std::vector<ClipRect> left{{0, 0, 150, kCanvasHeight}};
  s.clip.SetRects(kCanvasWidth, kCanvasHeight, left);
  FreeStrokePress(&s, CanvasPoint{100, 100});
  FreeStrokeDrag(&s, CanvasPoint{300, 100});
  EXPECT_NE(s.At(120, 100), kWhite);
  for (int x = 150; x < 320; ++x) ASSERT_EQ(s.At(x, 100), kWhite) << x;
}

TEST(PaintSession, LineReleaseDrawsFromTheStartAndEndsTheGesture) {
  Session s;
  s.choice.lineMode = 1;
  s.tools.lineStartX = s.tools.stroke.lastX = 50;
  s.tools.lineStartY = s.tools.stroke.lastY = 60;
  const GestureResult r = LineStrokeRelease(&s, CanvasPoint{250, 60});
  EXPECT_TRUE(r.changed.changed);
  EXPECT_NE(s.At(150, 60), kWhite);
  EXPECT_EQ(s.tools.lineStartX, -1);
  EXPECT_EQ(s.tools.stroke.lastX, -1);
}

TEST(PaintSession, AbsorberPicksBothColoursAndOnlyThePressTakesUndo) {
  Session s;
  s.choice.drawingMode = kModeAbsorber;
  FreeStrokePress(&s, CanvasPoint{10, 10});  // a dab of black to pick up
  const uint32_t painted = s.At(10, 10);
  s.canvas.undoSnapshot = Block();
  const GestureResult press = AbsorbForeground(&s, CanvasPoint{10, 10}, true);
  EXPECT_TRUE(press.coloursChanged);
  EXPECT_TRUE(press.undoTaken);
  EXPECT_EQ(s.colours.foregroundColour, painted);
  const GestureResult release = AbsorbForeground(&s, CanvasPoint{300, 300}, false);
  EXPECT_FALSE(release.undoTaken);
  EXPECT_EQ(s.colours.foregroundColour, kWhite);
  AbsorbBackground(&s, CanvasPoint{10, 10});
  EXPECT_EQ(s.colours.backgroundColour, painted);
  EXPECT_FALSE(press.changed.changed);  // colours change, no canvas pixel
}

TEST(PaintSession, StampWithoutAStampFileTakesTheGestureButPaintsNothing) {
  Session s;
  s.choice.drawingMode = kModeMagicStamp;
  const GestureResult r = StampPress(&s, CanvasPoint{100, 100});
  EXPECT_TRUE(r.taken);
  EXPECT_FALSE(r.changed.changed);
  EXPECT_EQ(s.At(100, 100), kWhite);
}

}  // namespace
