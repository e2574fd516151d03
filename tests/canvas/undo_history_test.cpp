// Undo with more than one step: the changed rectangle, walking back and forth on the canvas, the
// byte cap, and the base the typewriter blends from.
#include "colvane/canvas/undo_history.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "colvane/canvas/canvas_image.h"

namespace {

void Put(PixelView v, int x, int y, uint32_t c) {
  uint8_t* p = v.At(x, y);
  p[0] = BlueOf(c), p[1] = GreenOf(c), p[2] = RedOf(c);
}

struct Picture {
  Block block;
  PixelView view;
  Picture(int w, int h) {
    AllocatePicture24(&block, w, h);
    view = Picture24View(block);
  }
};

TEST(UndoHistory, ChangedAreaIsTheSmallestRectangle) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> changed;  // pixels of a 7 x 5 picture that differ
    int channel;                               // the byte of each pixel that differs
    UndoArea expect;
  };
  const Case cases[] = {
      {"nothing changed", {}, 0, {0, 0, 0, 0}},
      {"one pixel", {{3, 2}}, 0, {3, 2, 4, 3}},
      {"only its red byte", {{3, 2}}, 2, {3, 2, 4, 3}},
      {"top-left and bottom-right corners", {{0, 0}, {6, 4}}, 1, {0, 0, 7, 5}},
      {"a column", {{5, 1}, {5, 3}}, 0, {5, 1, 6, 4}},
      {"two rows, columns from both", {{1, 1}, {4, 3}}, 2, {1, 1, 5, 4}},
  };
  for (const Case& c : cases) {
    Picture base(7, 5), picture(7, 5);
    for (auto [x, y] : c.changed) picture.view.At(x, y)[c.channel] = 9;
    const UndoArea a = ChangedArea(base.view, picture.view);
    EXPECT_EQ(c.expect.left, a.left) << c.what;
    EXPECT_EQ(c.expect.top, a.top) << c.what;
    EXPECT_EQ(c.expect.right, a.right) << c.what;
    EXPECT_EQ(c.expect.bottom, a.bottom) << c.what;
  }
  Picture small(6, 5), other(7, 5);
  other.view.At(0, 0)[0] = 1;
  EXPECT_TRUE(ChangedArea(small.view, other.view).Empty());
}

// Change k paints pixel (k, k); a row says what one command leaves on the paper (bit k: change k
// shows).
TEST(UndoHistory, StepsBackAndForthOnTheCanvas) {
  struct Step {
    char op;  // 'p': the next change, 'u': undo, 'r': redo
    unsigned shown;
  };
  const Step steps[] = {
      {'p', 0b1},     {'p', 0b11},      {'p', 0b111},    {'p', 0b1111},  {'p', 0b11111}, {'p', 0b111111},
      {'u', 0b11111}, {'u', 0b1111},    {'u', 0b111},    {'u', 0b11},    {'u', 0b1},
      {'u', 0b1},  // five steps kept: change 0 stays
      {'r', 0b11},    {'r', 0b111},     {'r', 0b1111},
      {'p', 0b1001111},  // after going back: changes 4 and 5 are gone for good
      {'r', 0b1001111}, {'u', 0b1111},  {'r', 0b1001111}, {'u', 0b1111}, {'u', 0b111},
  };
  CanvasImage canvas;
  ASSERT_EQ(kPictureMissing, OpenPictureBytes(&canvas, nullptr, 0));
  SetUndoStepLimit(&canvas, 5);
  int next = 0;
  for (size_t i = 0; i < sizeof(steps) / sizeof(steps[0]); ++i) {
    const Step& s = steps[i];
    if (s.op == 'p') {
      TakeUndoSnapshot(&canvas);
      Put(CanvasView(canvas), next, next, 0x010101u * (next + 1));
      ++next;
    } else if (s.op == 'u') {
      UndoCanvas(&canvas);
    } else {
      RedoCanvas(&canvas);
    }
    for (int k = 0; k < 7; ++k)
      EXPECT_EQ(((s.shown >> k) & 1) != 0, ReadCanvasPixel(canvas, k, k) != 0xFFFFFFu)
          << "command " << i << " (" << s.op << "), change " << k;
    // The base the typewriter blends from is the picture before the change under way: after a
    // step back or forward, the picture itself.
    if (s.op != 'p') {
      EXPECT_EQ(0, std::memcmp(canvas.undoSnapshot.Data(), canvas.canvasImage.Data(), canvas.canvasImage.size))
          << "command " << i;
    }
  }
}

TEST(UndoHistory, OpeningAPictureForgetsTheSteps) {
  CanvasImage canvas;
  ASSERT_EQ(kPictureMissing, OpenPictureBytes(&canvas, nullptr, 0));
  SetUndoStepLimit(&canvas, 99);
  EXPECT_EQ(kMaxUndoSteps, canvas.undoSteps);
  for (int k = 0; k < 3; ++k) {
    TakeUndoSnapshot(&canvas);
    Put(CanvasView(canvas), k, 0, 0);
  }
  TakeUndoSnapshot(&canvas);
  EXPECT_EQ(3u, canvas.history.steps.size());
  ASSERT_EQ(kPictureMissing, OpenPictureBytes(&canvas, nullptr, 0));
  EXPECT_TRUE(canvas.history.steps.empty());
  canvas.pictureModified = false;
  UndoCanvas(&canvas);  // at the oldest: nothing changes, nothing to keep
  EXPECT_FALSE(canvas.pictureModified);
  EXPECT_FALSE(RedoCanvas(&canvas));
  SetUndoStepLimit(&canvas, 0);
  EXPECT_EQ(1, canvas.undoSteps);
  EXPECT_FALSE(RedoCanvas(&canvas));  // one step: the toggle, no way forward
}

// A change a step records is its rectangle only; beyond the byte cap the oldest steps go.
TEST(UndoHistory, BytesStayUnderTheCap) {
  const int side = 1024;  // a whole change is 3 MiB, so the cap holds two
  Picture base(side, side), picture(side, side);
  UndoHistory h;
  std::memset(picture.block.Data() + kBitmapHeaderSize, 0, picture.block.size - kBitmapHeaderSize);
  Put(picture.view, 0, 0, 1);  // the rectangle of a small change
  ASSERT_TRUE(CloseUndoStep(&h, base.view, picture.view));
  ASSERT_EQ(1u, h.steps.size());
  EXPECT_LT(h.bytes, size_t{side} * side * 3);
  for (int k = 2; k < 6; ++k) {
    std::memset(picture.block.Data() + kBitmapHeaderSize, k, picture.block.size - kBitmapHeaderSize);
    CloseUndoStep(&h, base.view, picture.view);
    EXPECT_LE(h.bytes, kUndoHistoryBytes);
  }
  EXPECT_EQ(2u, h.steps.size());
  EXPECT_FALSE(StepBack(&h, base.view, picture.view).Empty());
  EXPECT_FALSE(StepBack(&h, base.view, picture.view).Empty());
  EXPECT_TRUE(StepBack(&h, base.view, picture.view).Empty());
  EXPECT_EQ(3, picture.view.At(5, 5)[0]);  // the oldest kept is the change before the last two
}

}  // namespace
