// The row-at-a-time dabs against a plain cell-by-cell dab written from the blend rules, on a
// canvas wide enough for the whole-block paths and with dabs over every edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "colvane/canvas/dab_modes.h"
#include "colvane/canvas/texture_files.h"
#include "tests/canvas/paint_test_support.h"

namespace {

// One dab cell by cell: weight = mask >> shift, grained and capped, 0 outside the clip; then the
// blend toward the mode's colour, or the marker's multiply.
void PlainDab(const DabMasks& m, const StrokeTarget& t, double x, double y) {
  const PixelView& v = t.canvas;
  const int mode = t.drawingMode;
  uint32_t colour = mode == kModeSoftEraser ? t.background : t.foreground;
  if (mode == kModeWaterBrush) {
    if (!v.Inside(static_cast<int>(x), static_cast<int>(y))) return;
    const uint8_t* p = v.At(static_cast<int>(x), static_cast<int>(y));
    colour = MakeColour(p[2], p[1], p[0]);
  }
  const double fx = std::floor(x), fy = std::floor(y);
  const int left = static_cast<int>(fx) - m.margin - 1, top = static_cast<int>(fy) - m.margin - 1;
  const int phase = std::clamp(static_cast<int>((x - fx) * 8), 0, 7) + 8 * std::clamp(static_cast<int>((y - fy) * 8), 0, 7);
  const uint8_t* mask = DabMask(m, phase);
  const int shift = mode == kModePencil ? 0 : (mode == kModeAirbrush ? 3 : 1);
  const bool grained = t.texture && t.texture->on && mode != kModeMarker;
  const int width = std::min(v.width, t.clip->Width()), height = std::min(v.height, t.clip->Height());
  for (int r = 0; r < m.dim; ++r)
    for (int c = 0; c < m.dim; ++c) {
      const int cx = left + c, cy = top + r;
      if (cx < 0 || cy < 0 || cx >= width || cy >= height || !t.clip->Contains(cx, cy)) continue;
      int w = mask[r * m.dim + c] >> shift;
      if (w == 0) continue;
      if (grained) w = std::min((t.texture->grain[(cy & 63) * 64 + (cx & 63)] * w) >> 7, 128);
      uint8_t* p = v.At(cx, cy);
      uint8_t paint[3] = {BlueOf(colour), GreenOf(colour), RedOf(colour)};
      if (mode == kModePictureEraser) {
        const PixelView& a = *t.areaPicture;
        std::copy_n(a.At(cx % a.width, cy % a.height), 3, paint);
      }
      for (int k = 0; k < 3; ++k) {
        if (mode == kModeMarker) {
          double a = w * 0.001953125;
          p[k] = static_cast<uint8_t>(255.0 * (p[k] / 255.0) * (paint[k] / 255.0 * a + 1 - a));
        } else {
          p[k] = static_cast<uint8_t>((p[k] * (128 - w) + paint[k] * w) >> 7);
        }
      }
    }
}

TEST(DabRows, EveryModeMatchesThePlainDabAtEverySizeAndEdge) {
  const int kW = 200, kH = 150;
  StrokeTexture grain;
  std::vector<uint8_t> bytes(kTextureBytes);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 2654435761u >> 24);
  LoadTextureBytes(&grain, bytes.data(), bytes.size());
  TestCanvas area(37, 23);
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 37; ++x) area.Set(x, y, MakeColour(x * 7, y * 11, x * y));
  ClipMask rope;
  rope.SetRects(kW, kH, {{10, 5, 120, 90}, {60, 90, 199, 140}, {150, 0, 200, 60}});
  // Centres along a diagonal and beyond each edge, at fractional phases.
  std::vector<std::pair<double, double>> centres;
  for (int i = 0; i < 14; ++i) centres.push_back({-30 + i * 17.3, -20 + i * 12.6});
  for (double x : {1.4, 198.7, 230.0, -12.5}) centres.push_back({x, 75.25});
  for (double y : {0.6, 149.9, -9.0, 160.2}) centres.push_back({100.875, y});

  const int modes[] = {kModePencil, kModeBrush, kModeWaterBrush, kModeMarker, kModeAirbrush,
                       kModeSoftEraser, kModePictureEraser};
  for (int mode : modes)
    for (int size : {2, 13, 52, 140, 256})
      for (bool textured : {false, true})
        for (bool clipped : {false, true}) {
          TestCanvas rows(kW, kH), plain(kW, kH);
          for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) rows.Set(x, y, MakeColour(x * 3, y * 5, (x + y) * 2)), plain.Set(x, y, rows.Get(x, y));
          DabMasks masks;
          SetStrokeSize(&masks, size, mode);
          StrokeTarget target;
          target.clip = clipped ? &rope : &rows.all;
          target.drawingMode = mode;
          target.foreground = 0x2080F0;
          target.background = 0x10E040;
          target.texture = textured ? &grain : nullptr;
          target.areaPicture = &area.view;
          StrokeState state;
          for (auto [x, y] : centres) {
            target.canvas = rows.view;
            Dab(&state, masks, target, x, y);
            target.canvas = plain.view;
            PlainDab(masks, target, x, y);
          }
          ASSERT_EQ(plain.bytes, rows.bytes) << "mode " << mode << " size " << size << " textured " << textured
                                             << " clipped " << clipped;
        }
}

TEST(DabRows, MarkerFollowsAChangeOfInk) {
  TestCanvas rows(80, 80), plain(80, 80);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 80; ++x)
      rows.Set(x, y, MakeColour(x + 3 * y, 2 * x + y, x * y)), plain.Set(x, y, rows.Get(x, y));
  DabMasks masks;
  SetStrokeSize(&masks, 20, kModeMarker);
  StrokeTarget target;
  target.clip = &rows.all;
  target.drawingMode = kModeMarker;
  StrokeState state;
  // Over 0x333333 the doubles fall a byte short of the exact product for some old bytes.
  for (uint32_t ink : {0x0000FFu, 0xFF8000u, 0x333333u, 0x0000FFu}) {
    target.foreground = ink;
    target.canvas = rows.view;
    Dab(&state, masks, target, 40.3, 40.6);
    target.canvas = plain.view;
    PlainDab(masks, target, 40.3, 40.6);
  }
  EXPECT_EQ(plain.bytes, rows.bytes);
}

}  // namespace
