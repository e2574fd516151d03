// Small canvases and hand-built bitmap files for the painting tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "colvane/canvas/clip_mask.h"
#include "colvane/canvas/pixel_view.h"

// A width x height 24-bit bottom-up picture filled with one colour (COLORREF).
struct TestCanvas {
  std::vector<uint8_t> bytes;
  PixelView view;
  ClipMask all;

  TestCanvas(int width, int height, uint32_t colour = 0xFFFFFF) {
    int stride = Stride24(width);
    bytes.assign(static_cast<size_t>(stride) * height, 0);
    view = PixelView{bytes.data(), width, height, stride};
    Fill(colour);
    all.SetAll(width, height);
  }
  void Fill(uint32_t colour) {
    for (int y = 0; y < view.height; ++y)
      for (int x = 0; x < view.width; ++x) Set(x, y, colour);
  }
  void Set(int x, int y, uint32_t colour) {
    uint8_t* p = view.At(x, y);
    p[0] = BlueOf(colour);
    p[1] = GreenOf(colour);
    p[2] = RedOf(colour);
  }
  uint32_t Get(int x, int y) const {
    const uint8_t* p = view.At(x, y);
    return MakeColour(p[2], p[1], p[0]);
  }
  // Pixels that differ from `colour`, as "x,y" strings (for readable failures).
  std::vector<std::string> Changed(uint32_t colour) const {
    std::vector<std::string> out;
    for (int y = 0; y < view.height; ++y)
      for (int x = 0; x < view.width; ++x)
        if (Get(x, y) != colour) out.push_back(std::to_string(x) + "," + std::to_string(y));
    return out;
  }
};

// Little-endian writers for building bitmap files byte by byte.
inline void Put16(std::vector<uint8_t>* v, uint32_t x) {
  v->push_back(static_cast<uint8_t>(x));
  v->push_back(static_cast<uint8_t>(x >> 8));
}
inline void Put32(std::vector<uint8_t>* v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}
