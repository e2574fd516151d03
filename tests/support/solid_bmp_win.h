// Bitmap files of plain colours written for the Wine tests that load art from a layout file.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

// A 24-bit bitmap file of one colour, with an optional inner square of another.
inline void WriteSolidBmp(const std::string& path, int w, int h, COLORREF colour, COLORREF inner = CLR_INVALID,
                   int cellWidth = 0) {
  const int stride = (w * 3 + 3) & ~3;
  std::vector<unsigned char> b(54 + static_cast<size_t>(stride) * h, 0);
  auto put = [&](size_t at, unsigned v, int n) {
    for (int i = 0; i < n; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put(2, static_cast<unsigned>(b.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<unsigned>(w), 4);
  put(22, static_cast<unsigned>(h), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool in = inner != CLR_INVALID && x >= 2 && y >= 2 && x < w - 2 && y < h - 2;
      COLORREF c = in ? inner : colour;
      if (cellWidth > 0) c = RGB(40 * (x / cellWidth), 200, 60);  // one colour per cell
      const size_t at = 54 + static_cast<size_t>(y) * stride + x * 3;
      b[at] = GetBValue(c);
      b[at + 1] = GetGValue(c);
      b[at + 2] = GetRValue(c);
    }
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(b.data(), 1, b.size(), f);
  std::fclose(f);
}
