// Writers of the generated files: Windows bitmaps, cursors and icons, raw data, text, PNG.
// Every multi-byte field is written explicitly little-endian.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "assets/art_common.h"

namespace art {

// Appends little-endian fields to a byte buffer.
struct Bytes {
  std::vector<uint8_t> b;
  void U8(uint32_t v) { b.push_back(static_cast<uint8_t>(v)); }
  void U16(uint32_t v) {
    U8(v & 255);
    U8((v >> 8) & 255);
  }
  void U32(uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void Append(const std::vector<uint8_t>& o) { b.insert(b.end(), o.begin(), o.end()); }
};

// Creates the folders above `path`; false when the file cannot be written.
bool WriteFile(const std::string& path, const std::vector<uint8_t>& data);
bool WriteText(const std::string& path, const std::string& text);

// 24-bit bottom-up bitmap file with the 14-byte file header and a 40-byte info header.
std::vector<uint8_t> EncodeBmp24(const Image& img);
bool WriteBmp24(const std::string& path, const Image& img);
// 8-bit bitmap with a 256-entry colour table; `index` holds w*h palette indexes, top-down.
std::vector<uint8_t> EncodeBmp8(int w, int h, const std::vector<uint8_t>& index,
                                const std::vector<Rgb>& palette);
bool WriteBmp8(const std::string& path, int w, int h, const std::vector<uint8_t>& index,
               const std::vector<Rgb>& palette);

// A 32-bit straight-alpha picture for cursors and icons, rows top-down, bytes r, g, b, a.
struct Rgba {
  int w = 0, h = 0;
  std::vector<uint8_t> px;
};
Rgba FromCanvasRgba(const Canvas& c);

// Cursor file (type 2) with one 32-bit image and its AND mask; hot spot in pixels.
bool WriteCursor(const std::string& path, const Rgba& img, int hotX, int hotY);
// Icon file (type 1) with one 32-bit image per size.
bool WriteIcon(const std::string& path, const std::vector<Rgba>& images);

bool WritePng(const std::string& path, const Image& img);

}  // namespace art
