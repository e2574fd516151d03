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
    target.background = 0x0000FF;
  }
  void DabAt(double x, double y, int first = 1) {
    state.firstDab = first;
    Dab(&state, masks, target, x, y);
  }
};

TEST(DabModes, SizeTwoDabOnWhite) {
  // Size 2 on the whole-pixel phase touches one pixel with mask weight 128; the dab weight is
  // that, >> 1, or >> 3 by mode, and the blend (old * (128 - w) + paint * w) >> 7.
  const std::pair<int, uint32_t> cases[] = {
      {kModePencil, Grey(0)},                          // w = 128: the colour itself
      {kModeBrush, Grey(127)},                         // w = 64
      {kModeAirbrush, Grey(223)},                      // w = 16
      {kModeSoftEraser, MakeColour(255, 127, 127)},    // the background colour (red)
      {kModeToothpaste, MakeColour(191, 191, 191)},    // size 2 is unshaded, halved mask: w = 32
      {kModeWaterBrush, Grey(255)},                    // picks up the white under it
  };
  for (const auto& [mode, expect] : cases) {
    TestCanvas canvas(12, 12);
    Tool tool(&canvas, mode, 2);
    tool.DabAt(5, 5);
    EXPECT_EQ(expect, canvas.Get(5, 5)) << mode;
    EXPECT_LE(canvas.Changed(0xFFFFFF).size(), 1u) << mode;
  }
  // Half a pixel to the right: two cells at distance 0.5 weigh 128 * 0.25 each.
  TestCanvas canvas(12, 12);
  Tool(&canvas, kModePencil, 2).DabAt(5.5, 5);
  EXPECT_EQ((std::vector<std::string>{"5,5", "6,5"}), canvas.Changed(0xFFFFFF));
  EXPECT_EQ(Grey(191), canvas.Get(6, 5));
}

TEST(DabModes, MarkerMultipliesAndKeepsDarkening) {
  TestCanvas canvas(12, 12);
  canvas.Set(8, 8, 0x000000);
  Tool marker(&canvas, kModeMarker, 2, MakeColour(0, 128, 255));
  // a = 64 / 512: each channel times (ink / 255) * a + 1 - a.
  marker.DabAt(5, 5);
  EXPECT_EQ(MakeColour(223, 239, 255), canvas.Get(5, 5));
  marker.DabAt(5, 5);
  EXPECT_EQ(MakeColour(195, 224, 255), canvas.Get(5, 5));
  marker.DabAt(8, 8);
  EXPECT_EQ(0u, canvas.Get(8, 8));  // black stays black
}

TEST(DabModes, ToothpasteShadingAndWeights) {
  // Size 12 (h = 6): at the centre the mask is 128 / 2 and the dab weight 32; the sphere faces
  // the viewer there, lightness 1 / sqrt 3.
  TestCanvas grey(20, 20), red(20, 20);
  Tool a(&grey, kModeToothpaste, 12, 0x000000);
  a.DabAt(10, 10);
  EXPECT_EQ(Grey(228), grey.Get(10, 10));  // (255 * 96 + 147 * 32) >> 7
  a.target.foreground = 0xFFFFFF;
  a.DabAt(10, 10, 0);  // later dabs of a walk reuse the first dab's colours
  EXPECT_EQ(Grey((228 * 96 + 147 * 32) >> 7), grey.Get(10, 10));

  Tool(&red, kModeToothpaste, 12, 0x0000FF).DabAt(10, 10);
  // Hue 0, saturation 1: red trunc(0.9999999999999999 * 255) = 254, green trunc(0.1547 * 255) = 39.
  EXPECT_EQ(254, RedOf(red.Get(10, 10)));
  EXPECT_EQ(201, GreenOf(red.Get(10, 10)));  // (255 * 96 + 39 * 32) >> 7

  TestCanvas big(80, 80);  // no pixel moves by more than 32/128 of the way
  Tool(&big, kModeToothpaste, 52, 0x000000).DabAt(40, 40);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 80; ++x) ASSERT_GE(GreenOf(big.Get(x, y)), (255 * 96) >> 7);
}

TEST(DabModes, WaterBrushSmearsButAClickOnOneColourChangesNothing) {
  TestCanvas canvas(50, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 20; ++x) canvas.Set(x, y, 0x0000FF);
  TestCanvas before = canvas;
  Tool water(&canvas, kModeWaterBrush, 16, 0x00FF00);
  Walk(&water.state, water.masks, water.target, 8, 15, 8, 15);
  EXPECT_EQ(before.bytes, canvas.bytes);
  Walk(&water.state, water.masks, water.target, 8, 15, 34, 15);
  uint32_t smeared = canvas.Get(30, 15);
  EXPECT_EQ(255, RedOf(smeared));
  EXPECT_LT(GreenOf(smeared), 255);
  EXPECT_EQ(GreenOf(smeared), BlueOf(smeared));

  TestCanvas edge(10, 10);  // a centre off the canvas picks up nothing and lays nothing
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
    // Inside the full-weight disc (radius h - E = 3.3) the weight is 64: half way to the tile.
    for (int y = cy - 3; y <= cy + 3; ++y)
      for (int x = cx - 3; x <= cx + 3; ++x) {
        if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > 11) continue;
        uint32_t t = tile.Get(x % 3, y % 2);
        ASSERT_EQ(MakeColour((255 + RedOf(t)) >> 1, (255 + GreenOf(t)) >> 1, (255 + BlueOf(t)) >> 1),
                  canvas.Get(x, y)) << x << "," << y;
      }
  }
}

TEST(DabModes, PaperTextureScalesTheWeight) {
  struct Case {
    int mode;
    uint8_t grain;
    uint32_t expect;
  } cases[] = {
      {kModeBrush, 0, Grey(245)},    // a 0 byte is read as 10: w' = (10 * 64) >> 7 = 5
      {kModePencil, 0, Grey(235)},   // full cell: (255 * (128 - 10)) >> 7
      {kModeBrush, 128, Grey(127)},  // 128 lets the weight through
      {kModeBrush, 200, Grey(55)},   // above 128 strengthens: w' = 100
      {kModePencil, 200, Grey(0)},   // but never past the full weight
      {kModeMarker, 0, Grey(223)},   // the marker ignores the grain
  };
  std::vector<uint8_t> file(4096);
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
  EXPECT_EQ(Grey(253), canvas.Get(71, 66));  // (255 * 127) >> 7
}

}  // namespace
