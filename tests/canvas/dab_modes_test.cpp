// One dab of each freehand mode on small canvases, with the exact bytes the blends give.
#include "colvane/canvas/dab_modes.h"

#include <gtest/gtest.h>

#include "colvane/canvas/stroke_walker.h"
#include "colvane/canvas/texture_files.h"
#include "tests/canvas/paint_test_support.h"

namespace {

struct Tool {
  DabMasks masks;
  StrokeState state;
  StrokeTarget target;

  Tool(TestCanvas* canvas, int mode, int size, uint32_t foreground = 0x000000) {
    SetStrokeSize(&masks, size, mode);
    target.canvas = canvas->view;
    target.clip = &canvas->all;
    target.drawingMode = mode;
    target.foreground = foreground;
  }
  void DabAt(double x, double y, int first = 1) {
    state.firstDab = first;
    Dab(&state, masks, target, x, y);
  }
};

uint32_t Grey(int v) { return MakeColour(v, v, v); }

TEST(DabModes, SizeTwoDabOnWhite) {
  // Size 2 on the whole-pixel phase touches one pixel with the full mask weight 128; the
  // dab weight is that, >> 1, or >> 3 depending on the mode.
  struct Case {
    int mode;
    uint32_t expect;
  } cases[] = {
      {kModePencil, Grey(0)},      // w = 128: the colour itself
      {kModeBrush, Grey(127)},     // w = 64: (255 * 64) >> 7
      {kModeAirbrush, Grey(223)},  // w = 16: (255 * 112) >> 7
      {kModeWaterBrush, Grey(255)},  // picks up the white under it
  };
  for (const Case& c : cases) {
    TestCanvas canvas(12, 12);
    Tool tool(&canvas, c.mode, 2);
    tool.DabAt(5, 5);
    EXPECT_EQ(c.expect, canvas.Get(5, 5)) << c.mode;
    std::vector<std::string> changed = canvas.Changed(0xFFFFFF);
    EXPECT_LE(changed.size(), 1u) << c.mode;
    EXPECT_EQ(0, tool.state.firstDab);
  }
}

TEST(DabModes, SubPixelPhaseSplitsTheDab) {
  // Centre (5.5, 5): phase 4 puts two cells at distance 0.5, weight 128 * 0.25 = 32 each.
  TestCanvas canvas(12, 12);
  Tool pencil(&canvas, kModePencil, 2);
  pencil.DabAt(5.5, 5);
  EXPECT_EQ(Grey(191), canvas.Get(5, 5));
  EXPECT_EQ(Grey(191), canvas.Get(6, 5));
  EXPECT_EQ(2u, canvas.Changed(0xFFFFFF).size());
}

TEST(DabModes, SoftEraserLaysTheBackground) {
  TestCanvas canvas(12, 12, 0x000000);
  Tool eraser(&canvas, kModeSoftEraser, 2);
  eraser.target.background = 0x0000FF;
  eraser.DabAt(5, 5);
  EXPECT_EQ(MakeColour(127, 0, 0), canvas.Get(5, 5));
}

TEST(DabModes, MarkerMultipliesAndKeepsDarkening) {
  TestCanvas canvas(12, 12);
  canvas.Set(8, 8, 0x000000);
  Tool marker(&canvas, kModeMarker, 2, MakeColour(0, 128, 255));
  marker.target.texture = nullptr;
  // a = 64 / 512: each channel times (ink / 255) * a + 1 - a.
  marker.DabAt(5, 5);
  EXPECT_EQ(MakeColour(223, 239, 255), canvas.Get(5, 5));
  marker.DabAt(5, 5);
  EXPECT_EQ(MakeColour(195, 224, 255), canvas.Get(5, 5));
  marker.DabAt(8, 8);
  EXPECT_EQ(0u, canvas.Get(8, 8));  // black stays black
}

TEST(DabModes, ToothpasteIsShadedAboveRadiusFive) {
  // Size 12: h = 6. The centre cell has mask 128 / 2 = 64 and dab weight 32; the sphere's normal
  // there points at the viewer, so the lightness is 1 / sqrt 3.
  TestCanvas grey(20, 20), red(20, 20);
  Tool a(&grey, kModeToothpaste, 12, 0x000000);
  a.DabAt(10, 10);
  EXPECT_EQ(Grey(228), grey.Get(10, 10));  // (255 * 96 + 147 * 32) >> 7
  // Lit from the upper left: brighter up-left of the centre than down-right.
  EXPECT_GT(GreenOf(grey.Get(8, 8)), GreenOf(grey.Get(12, 12)));

  Tool b(&red, kModeToothpaste, 12, 0x0000FF);
  b.DabAt(10, 10);
  // Hue 0, saturation 1 at lightness 0.577: red trunc(0.9999999999999999 * 255) = 254, green 39.
  EXPECT_EQ(254, RedOf(red.Get(10, 10)));
  EXPECT_EQ(201, GreenOf(red.Get(10, 10)));

  // No pixel of any toothpaste dab moves by more than 32/128 of the way.
  TestCanvas big(80, 80);
  Tool c(&big, kModeToothpaste, 52, 0x000000);
  c.DabAt(40, 40);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 80; ++x) ASSERT_GE(GreenOf(big.Get(x, y)), (255 * 96) >> 7);

  // Later dabs of the same walk reuse the first dab's colours.
  TestCanvas again(20, 20);
  Tool d(&again, kModeToothpaste, 12, 0x000000);
  d.DabAt(10, 10);
  d.target.foreground = 0xFFFFFF;
  d.DabAt(10, 10, 0);
  EXPECT_EQ(Grey((228 * 96 + 147 * 32) >> 7), again.Get(10, 10));
}

TEST(DabModes, SmallToothpasteIsPlainColour) {
  TestCanvas canvas(12, 12);
  Tool tool(&canvas, kModeToothpaste, 4, 0x0000FF);  // h = 2: no shading, weight 128 / 2 / 2
  tool.DabAt(5, 5);
  EXPECT_EQ(MakeColour(255, 191, 191), canvas.Get(5, 5));
}

TEST(DabModes, WaterBrushSmearsButAClickOnOneColourChangesNothing) {
  TestCanvas canvas(50, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 20; ++x) canvas.Set(x, y, 0x0000FF);
  TestCanvas before = canvas;
  DabMasks masks;
  SetStrokeSize(&masks, 16, kModeWaterBrush);
  StrokeState state;
  StrokeTarget target;
  target.canvas = canvas.view;
  target.clip = &canvas.all;
  target.drawingMode = kModeWaterBrush;
  target.foreground = 0x00FF00;  // not used by the water brush

  Walk(&state, masks, target, 8, 15, 8, 15);
  EXPECT_EQ(before.bytes, canvas.bytes);

  Walk(&state, masks, target, 8, 15, 34, 15);
  uint32_t smeared = canvas.Get(30, 15);
  EXPECT_EQ(255, RedOf(smeared));
  EXPECT_LT(GreenOf(smeared), 255);
  EXPECT_EQ(GreenOf(smeared), BlueOf(smeared));
  EXPECT_EQ(0xFFFFFFu, canvas.Get(49, 15));

  // A centre off the canvas picks nothing up and lays nothing.
  TestCanvas edge(10, 10);
  Tool off(&edge, kModeWaterBrush, 16);
  off.DabAt(-3, 4);
  off.DabAt(12, 4);
  EXPECT_TRUE(edge.Changed(0xFFFFFF).empty());
}

TEST(DabModes, PictureEraserTilesFromTheCanvasOrigin) {
  TestCanvas tile(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) tile.Set(x, y, MakeColour(x * 60, y * 90, 30 + x * 10 + y * 100));
  TestCanvas canvas(60, 40);
  Tool eraser(&canvas, kModePictureEraser, 20);
  eraser.target.areaPicture = &tile.view;
  for (auto [cx, cy] : {std::pair{10, 10}, std::pair{31, 23}}) {
    eraser.DabAt(cx, cy);
    // Within the full-weight disc (radius h - E = 3.3) the dab weight is 64: half the tile.
    for (int y = cy - 3; y <= cy + 3; ++y)
      for (int x = cx - 3; x <= cx + 3; ++x) {
        if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > 11) continue;
        uint32_t t = tile.Get(x % 3, y % 2);
        uint32_t expect = MakeColour((255 + RedOf(t)) >> 1, (255 + GreenOf(t)) >> 1, (255 + BlueOf(t)) >> 1);
        ASSERT_EQ(expect, canvas.Get(x, y)) << x << "," << y;
      }
  }
  // Without an area picture nothing is painted.
  TestCanvas blank(20, 20);
  Tool none(&blank, kModePictureEraser, 20);
  none.DabAt(10, 10);
  EXPECT_TRUE(blank.Changed(0xFFFFFF).empty());
}

TEST(DabModes, PaperTextureScalesTheWeight) {
  StrokeTexture zero;
  std::vector<uint8_t> file(4096, 0);
  ASSERT_EQ(1, LoadTextureBytes(&zero, file.data(), file.size()));
  EXPECT_EQ(10, zero.grain[0]);  // a 0 byte is read as 10

  struct Case {
    int mode;
    uint8_t grain;
    uint32_t expect;
  } cases[] = {
      {kModeBrush, 0, Grey(245)},     // w' = (10 * 64) >> 7 = 5
      {kModePencil, 0, Grey(235)},    // full cell: (255 * (128 - 10)) >> 7
      {kModeBrush, 128, Grey(127)},   // 128 lets the weight through
      {kModeBrush, 200, Grey(127)},   // never more than the full weight
      {kModeMarker, 0, MakeColour(223, 223, 223)},  // the marker ignores the grain
  };
  for (const Case& c : cases) {
    StrokeTexture texture;
    std::fill(file.begin(), file.end(), c.grain);
    LoadTextureBytes(&texture, file.data(), file.size());
    TestCanvas canvas(12, 12);
    Tool tool(&canvas, c.mode, 2);
    tool.target.texture = &texture;
    tool.DabAt(5, 5);
    EXPECT_EQ(c.expect, canvas.Get(5, 5)) << c.mode << " " << int(c.grain);
  }

  // The grain is aligned to the canvas origin: pixel (70, 66) uses byte (6, 2).
  StrokeTexture spot;
  std::fill(file.begin(), file.end(), 1);
  file[2 * 64 + 6] = 128;
  LoadTextureBytes(&spot, file.data(), file.size());
  TestCanvas canvas(80, 80);
  Tool pencil(&canvas, kModePencil, 2);
  pencil.target.texture = &spot;
  pencil.DabAt(70, 66);
  pencil.DabAt(71, 66);
  EXPECT_EQ(Grey(0), canvas.Get(70, 66));
  EXPECT_EQ(Grey((255 * 127) >> 7), canvas.Get(71, 66));
}

TEST(DabModes, ClipKeepsEveryPixelOutside) {
  TestCanvas canvas(30, 30);
  ClipMask clip;
  clip.SetRects(30, 30, {{0, 0, 15, 30}});
  Tool brush(&canvas, kModeBrush, 20);
  brush.target.clip = &clip;
  brush.DabAt(15, 15);
  for (int y = 0; y < 30; ++y)
    for (int x = 15; x < 30; ++x) ASSERT_EQ(0xFFFFFFu, canvas.Get(x, y)) << x << "," << y;
  EXPECT_EQ(Grey(127), canvas.Get(14, 15));
  // A dab hanging over the canvas edges paints only what is on it.
  TestCanvas small(6, 6);
  Tool big(&small, kModeBrush, 52);
  big.DabAt(-30.5, -40.25);  // wholly off the canvas
  EXPECT_TRUE(small.Changed(0xFFFFFF).empty());
  big.DabAt(0, 0);
  EXPECT_EQ(Grey(127), small.Get(0, 0));
  EXPECT_EQ(Grey(127), small.Get(5, 5));
}

}  // namespace
