// A view of a packed 24-bit bottom-up picture: the layout every canvas routine works on.
#pragma once
#include <cstddef>
#include <cstdint>

// Bytes of a pixel are blue, green, red. Row y counted from the top (canvas coordinates) lies
// at bits + (height - 1 - y) * stride, because the picture is stored bottom-up.
struct PixelView {
  uint8_t* bits = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;  // bytes per stored row, a multiple of 4

  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  uint8_t* Row(int y) const { return bits + static_cast<ptrdiff_t>(height - 1 - y) * stride; }
  uint8_t* At(int x, int y) const { return Row(y) + static_cast<ptrdiff_t>(x) * 3; }
};

// Row stride of a 24-bit row: 3 bytes per pixel rounded up to a multiple of 4.
inline int Stride24(int width) { return ((width * 24 + 31) / 32) * 4; }

// COLORREF layout 0x00BBGGRR; canvas bytes are stored B, G, R.
inline uint8_t RedOf(uint32_t c) { return static_cast<uint8_t>(c); }
inline uint8_t GreenOf(uint32_t c) { return static_cast<uint8_t>(c >> 8); }
inline uint8_t BlueOf(uint32_t c) { return static_cast<uint8_t>(c >> 16); }
inline uint32_t MakeColour(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16);
}
