// Small canvases and hand-built bitmap files for the painting tests.
#pragma once
#include <cstdint>
#include <functional>
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
    bytes.assign(static_cast<size_t>(Stride24(width)) * height, 0);
    view = PixelView{bytes.data(), width, height, Stride24(width)};
    all.SetAll(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) Set(x, y, colour);
  }
  void Set(int x, int y, uint32_t c) {
    uint8_t* p = view.At(x, y);
    p[0] = BlueOf(c), p[1] = GreenOf(c), p[2] = RedOf(c);
  }
  uint32_t Get(int x, int y) const {
    const uint8_t* p = view.At(x, y);
    return MakeColour(p[2], p[1], p[0]);
  }
  // Pixels that differ from `colour`, as "x,y" (readable failures).
  std::vector<std::string> Changed(uint32_t colour) const {
    std::vector<std::string> out;
    for (int y = 0; y < view.height; ++y)
      for (int x = 0; x < view.width; ++x)
        if (Get(x, y) != colour) out.push_back(std::to_string(x) + "," + std::to_string(y));
    return out;
  }
};

inline uint32_t Grey(int v) { return MakeColour(v, v, v); }

inline void Put16(std::vector<uint8_t>* v, uint32_t x) { v->insert(v->end(), {uint8_t(x), uint8_t(x >> 8)}); }
inline void Put32(std::vector<uint8_t>* v, uint32_t x) { Put16(v, x & 0xFFFF), Put16(v, x >> 16); }

// A bitmap file of 8 or 24 bits, with or without the file header, with an info or core header.
struct BmpSpec {
  int width = 0, height = 0, bits = 24;  // negative height: rows stored top-down
  bool fileHeader = true, core = false;
  std::vector<uint32_t> table;  // COLORREF entries
  uint32_t clrUsed = 0;
  std::function<uint32_t(int, int)> pixel;  // index or COLORREF of (x, y), y from the top
};

inline std::vector<uint8_t> MakeBmp(const BmpSpec& s) {
  std::vector<uint8_t> head, body;
  Put32(&head, s.core ? 12 : 40);
  if (s.core) {
    Put16(&head, s.width), Put16(&head, s.height), Put16(&head, 1), Put16(&head, s.bits);
  } else {
    Put32(&head, s.width), Put32(&head, s.height), Put16(&head, 1), Put16(&head, s.bits);
    for (uint32_t v : {0u, 0u, 0u, 0u, s.clrUsed, 0u}) Put32(&head, v);
  }
  for (uint32_t c : s.table) {
    head.insert(head.end(), {BlueOf(c), GreenOf(c), RedOf(c)});
    if (!s.core) head.push_back(0);
  }
  int rows = s.height < 0 ? -s.height : s.height;
  size_t stride = (static_cast<size_t>(s.width) * s.bits + 31) / 32 * 4;
  for (int stored = 0; stored < rows; ++stored) {
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < s.width; ++x) {
      uint32_t v = s.pixel(x, s.height < 0 ? stored : rows - 1 - stored);
      if (s.bits == 8)
        row[x] = static_cast<uint8_t>(v);
      else
        row[3 * x] = BlueOf(v), row[3 * x + 1] = GreenOf(v), row[3 * x + 2] = RedOf(v);
    }
    body.insert(body.end(), row.begin(), row.end());
  }
  std::vector<uint8_t> file;
  if (s.fileHeader) {
    file = {'B', 'M'};
    Put32(&file, static_cast<uint32_t>(14 + head.size() + body.size()));
    Put32(&file, 0);
    Put32(&file, static_cast<uint32_t>(14 + head.size()));
  }
  file.insert(file.end(), head.begin(), head.end());
  file.insert(file.end(), body.begin(), body.end());
  return file;
}
