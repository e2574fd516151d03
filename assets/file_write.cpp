// Writers of the generated files: Windows bitmaps, cursors and icons, raw data, text, PNG.
#include "assets/file_write.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace art {

bool WriteFile(const std::string& path, const std::vector<uint8_t>& data) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  size_t n = data.empty() ? 0 : std::fwrite(data.data(), 1, data.size(), f);
  bool ok = (n == data.size());
  ok = (std::fclose(f) == 0) && ok;
  return ok;
}

bool WriteText(const std::string& path, const std::string& text) {
  return WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

// Bitmap file layout:
//   OFFSET SIZE FIELD
//   0      2    "BM"
//   2      4    file size
//   6      4    reserved (0)
//   10     4    offset of the pixels
//   14     40   BITMAPINFOHEADER (size 40, width, height > 0 = bottom-up, planes 1, bit count,
//               compression 0, image size, 0, 0, colours used, colours important)
//   54     4*n  colour table (blue, green, red, 0)
//   ...         rows bottom-up, each padded to a multiple of 4 bytes
static void BmpHeaders(Bytes& o, int w, int h, int bits, int colours) {
  uint32_t stride = ((static_cast<uint32_t>(w) * bits + 31) / 32) * 4;
  uint32_t image = stride * static_cast<uint32_t>(h);
  uint32_t offset = 14 + 40 + 4 * colours;
  o.U8('B');
  o.U8('M');
  o.U32(offset + image);
  o.U32(0);
  o.U32(offset);
  o.U32(40);
  o.U32(static_cast<uint32_t>(w));
  o.U32(static_cast<uint32_t>(h));
  o.U16(1);
  o.U16(bits);
  o.U32(0);
  o.U32(image);
  o.U32(2835);  // 72 dpi
  o.U32(2835);
  o.U32(colours);
  o.U32(0);
}

std::vector<uint8_t> EncodeBmp24(const Image& img) {
  Bytes o;
  BmpHeaders(o, img.w, img.h, 24, 0);
  int pad = (4 - (img.w * 3) % 4) % 4;
  for (int y = img.h - 1; y >= 0; --y) {
    for (int x = 0; x < img.w; ++x) {
      const uint8_t* p = img.At(x, y);
      o.U8(p[2]);
      o.U8(p[1]);
      o.U8(p[0]);
    }
    for (int i = 0; i < pad; ++i) o.U8(0);
  }
  return o.b;
}

bool WriteBmp24(const std::string& path, const Image& img) {
  return WriteFile(path, EncodeBmp24(img));
}

std::vector<uint8_t> EncodeBmp8(int w, int h, const std::vector<uint8_t>& index,
                                const std::vector<Rgb>& palette) {
  Bytes o;
  BmpHeaders(o, w, h, 8, 256);
  for (int i = 0; i < 256; ++i) {
    Rgb c = i < static_cast<int>(palette.size()) ? palette[i] : Rgb{0, 0, 0};
    o.U8(c.b);
    o.U8(c.g);
    o.U8(c.r);
    o.U8(0);
  }
  int pad = (4 - w % 4) % 4;
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) o.U8(index[static_cast<size_t>(y) * w + x]);
    for (int i = 0; i < pad; ++i) o.U8(0);
  }
  return o.b;
}

bool WriteBmp8(const std::string& path, int w, int h, const std::vector<uint8_t>& index,
               const std::vector<Rgb>& palette) {
  return WriteFile(path, EncodeBmp8(w, h, index, palette));
}

Rgba FromCanvasRgba(const Canvas& c) {
  cairo_surface_flush(c.surface);
  Rgba out;
  out.w = c.w;
  out.h = c.h;
  out.px.resize(static_cast<size_t>(c.w) * c.h * 4);
  const unsigned char* data = cairo_image_surface_get_data(c.surface);
  int stride = cairo_image_surface_get_stride(c.surface);
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      uint32_t v = *reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride + 4 * x);
      int a = (v >> 24) & 255;
      auto un = [a](int p) { return a == 0 ? 0 : std::min(255, (p * 255 + a / 2) / a); };
      uint8_t* d = &out.px[(static_cast<size_t>(y) * c.w + x) * 4];
      d[0] = static_cast<uint8_t>(un((v >> 16) & 255));
      d[1] = static_cast<uint8_t>(un((v >> 8) & 255));
      d[2] = static_cast<uint8_t>(un(v & 255));
      d[3] = static_cast<uint8_t>(a);
    }
  return out;
}

// The image part of a cursor or icon: a BITMAPINFOHEADER whose height counts the colour
// rows and the AND-mask rows, 32-bit BGRA rows bottom-up, then the 1-bit AND mask (1 where
// the pixel is transparent) with rows padded to 4 bytes.
static std::vector<uint8_t> IconImage(const Rgba& img) {
  Bytes o;
  int maskStride = ((img.w + 31) / 32) * 4;
  o.U32(40);
  o.U32(img.w);
  o.U32(img.h * 2);
  o.U16(1);
  o.U16(32);
  o.U32(0);
  o.U32(img.w * img.h * 4 + maskStride * img.h);
  o.U32(0);
  o.U32(0);
  o.U32(0);
  o.U32(0);
  for (int y = img.h - 1; y >= 0; --y)
    for (int x = 0; x < img.w; ++x) {
      const uint8_t* p = &img.px[(static_cast<size_t>(y) * img.w + x) * 4];
      o.U8(p[2]);
      o.U8(p[1]);
      o.U8(p[0]);
      o.U8(p[3]);
    }
  for (int y = img.h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskStride, 0);
    for (int x = 0; x < img.w; ++x)
      if (img.px[(static_cast<size_t>(y) * img.w + x) * 4 + 3] < 128) row[x / 8] |= 0x80 >> (x % 8);
    o.Append(row);
  }
  return o.b;
}

// Icon/cursor directory: reserved 0, type (1 icon, 2 cursor), count; then per image
// width, height, colour count, reserved, planes|hotX, bits|hotY, bytes, offset.
static std::vector<uint8_t> IconFile(const std::vector<Rgba>& images, int type, int hotX,
                                     int hotY) {
  Bytes o;
  o.U16(0);
  o.U16(type);
  o.U16(static_cast<uint32_t>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  std::vector<std::vector<uint8_t>> parts;
  for (const Rgba& img : images) parts.push_back(IconImage(img));
  for (size_t i = 0; i < images.size(); ++i) {
    o.U8(images[i].w >= 256 ? 0 : images[i].w);
    o.U8(images[i].h >= 256 ? 0 : images[i].h);
    o.U8(0);
    o.U8(0);
    o.U16(type == 2 ? hotX : 1);
    o.U16(type == 2 ? hotY : 32);
    o.U32(static_cast<uint32_t>(parts[i].size()));
    o.U32(offset);
    offset += static_cast<uint32_t>(parts[i].size());
  }
  for (const auto& p : parts) o.Append(p);
  return o.b;
}

bool WriteCursor(const std::string& path, const Rgba& img, int hotX, int hotY) {
  return WriteFile(path, IconFile({img}, 2, hotX, hotY));
}

bool WriteIcon(const std::string& path, const std::vector<Rgba>& images) {
  return WriteFile(path, IconFile(images, 1, 0, 0));
}

bool WritePng(const std::string& path, const Image& img) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  Canvas c = NewCanvas(img.w, img.h);
  PaintImage(c.cr, img, 0, 0);
  cairo_surface_flush(c.surface);
  bool ok = cairo_surface_write_to_png(c.surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  FreeCanvas(c);
  return ok;
}

}  // namespace art
