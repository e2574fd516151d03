// The AVI writer and the palette of the intro's frames.
#include "assets/avi_write.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "assets/file_write.h"

namespace art {

namespace {

void FourCc(Bytes& b, const char* id) {
  for (int i = 0; i < 4; ++i) b.U8(static_cast<uint8_t>(id[i]));
}

// Patches a 32-bit little-endian size at `at`.
void SizeAt(Bytes& b, size_t at, size_t value) {
  for (int i = 0; i < 4; ++i) b.b[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// Opens a RIFF or LIST chunk; returns where its size goes.
size_t Open(Bytes& b, const char* kind, const char* type) {
  FourCc(b, kind);
  const size_t at = b.b.size();
  b.U32(0);
  FourCc(b, type);
  return at;
}

void Close(Bytes& b, size_t sizeAt) { SizeAt(b, sizeAt, b.b.size() - sizeAt - 4); }

}  // namespace

// Layout of the file (every chunk: four-character id, 32-bit size, data padded to even):
//   RIFF "AVI "
//     LIST "hdrl"
//       "avih" (56)  microseconds per frame, max bytes per second, padding 0, flags (HASINDEX),
//                    total frames, initial frames 0, streams 1, suggested buffer, width, height,
//                    four reserved
//       LIST "strl"
//         "strh" (56) "vids", handler "DIB ", flags 0, priority 0, language 0, initial frames 0,
//                     scale 1, rate fps, start 0, length frames, suggested buffer, quality -1,
//                     sample size 0, frame rectangle (four 16-bit: 0, 0, width, height)
//         "strf" (1064) BITMAPINFOHEADER (40: 8 bits, BI_RGB, 256 colours) and 256 RGBQUADs
//     LIST "movi"
//       "00db" per frame: width x height bytes, rows bottom-up, width a multiple of 4
//     "idx1"  per frame: "00db", flags KEYFRAME (0x10), offset from the "movi" id, size
std::vector<uint8_t> EncodeAvi8(int width, int height, int framesPerSecond, const std::vector<Rgb>& palette,
                                const std::vector<std::vector<uint8_t>>& frames) {
  const uint32_t frameBytes = static_cast<uint32_t>(width * height);
  const uint32_t count = static_cast<uint32_t>(frames.size());
  Bytes b;
  const size_t riff = Open(b, "RIFF", "AVI ");
  const size_t hdrl = Open(b, "LIST", "hdrl");
  FourCc(b, "avih");
  b.U32(56);
  b.U32(1000000u / framesPerSecond);
  b.U32(frameBytes * framesPerSecond);
  b.U32(0);
  b.U32(0x10);
  b.U32(count);
  b.U32(0);
  b.U32(1);
  b.U32(frameBytes);
  b.U32(width);
  b.U32(height);
  for (int i = 0; i < 4; ++i) b.U32(0);
  const size_t strl = Open(b, "LIST", "strl");
  FourCc(b, "strh");
  b.U32(56);
  FourCc(b, "vids");
  FourCc(b, "DIB ");
  b.U32(0);
  b.U16(0);
  b.U16(0);
  b.U32(0);
  b.U32(1);
  b.U32(framesPerSecond);
  b.U32(0);
  b.U32(count);
  b.U32(frameBytes);
  b.U32(0xFFFFFFFFu);
  b.U32(0);
  b.U16(0);
  b.U16(0);
  b.U16(width);
  b.U16(height);
  FourCc(b, "strf");
  b.U32(40 + 1024);
  b.U32(40);
  b.U32(width);
  b.U32(height);
  b.U16(1);
  b.U16(8);
  b.U32(0);
  b.U32(frameBytes);
  b.U32(0);
  b.U32(0);
  b.U32(256);
  b.U32(0);
  for (int i = 0; i < 256; ++i) {
    const Rgb c = i < static_cast<int>(palette.size()) ? palette[i] : Rgb{0, 0, 0};
    b.U8(c.b);
    b.U8(c.g);
    b.U8(c.r);
    b.U8(0);
  }
  Close(b, strl);
  Close(b, hdrl);

  const size_t movi = Open(b, "LIST", "movi");
  const size_t moviId = movi + 4;
  std::vector<uint32_t> offsets;
  for (const std::vector<uint8_t>& frame : frames) {
    offsets.push_back(static_cast<uint32_t>(b.b.size() - moviId));
    FourCc(b, "00db");
    b.U32(frameBytes);
    for (int y = height - 1; y >= 0; --y)
      b.b.insert(b.b.end(), frame.begin() + static_cast<long>(y) * width, frame.begin() + static_cast<long>(y + 1) * width);
  }
  Close(b, movi);
  FourCc(b, "idx1");
  b.U32(count * 16);
  for (uint32_t offset : offsets) {
    FourCc(b, "00db");
    b.U32(0x10);
    b.U32(offset);
    b.U32(frameBytes);
  }
  Close(b, riff);
  return b.b;
}

namespace {

struct Counted {
  int r, g, b;
  uint64_t n;
};

// Splits boxes of counted colours at the median of their widest channel until there are 256.
std::vector<Rgb> MedianCut(std::vector<Counted> colours) {
  struct Box {
    size_t from, to;  // range in `colours`
  };
  std::vector<Box> boxes = {{0, colours.size()}};
  auto widest = [&](const Box& box, int* channel) {
    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
    for (size_t i = box.from; i < box.to; ++i) {
      const int v[3] = {colours[i].r, colours[i].g, colours[i].b};
      for (int c = 0; c < 3; ++c) lo[c] = std::min(lo[c], v[c]), hi[c] = std::max(hi[c], v[c]);
    }
    int best = 0;
    for (int c = 1; c < 3; ++c)
      if (hi[c] - lo[c] > hi[best] - lo[best]) best = c;
    *channel = best;
    return hi[best] - lo[best];
  };
  while (boxes.size() < 256) {
    int pick = -1, pickChannel = 0, pickRange = 0;
    for (size_t k = 0; k < boxes.size(); ++k) {
      if (boxes[k].to - boxes[k].from < 2) continue;
      int channel = 0;
      const int range = widest(boxes[k], &channel);
      if (range > pickRange) pick = static_cast<int>(k), pickChannel = channel, pickRange = range;
    }
    if (pick < 0) break;
    Box box = boxes[pick];
    auto key = [pickChannel](const Counted& c) { return pickChannel == 0 ? c.r : pickChannel == 1 ? c.g : c.b; };
    std::stable_sort(colours.begin() + static_cast<long>(box.from), colours.begin() + static_cast<long>(box.to),
                     [&](const Counted& a, const Counted& b) { return key(a) < key(b); });
    uint64_t total = 0, half = 0;
    for (size_t i = box.from; i < box.to; ++i) total += colours[i].n;
    size_t split = box.from + 1;
    for (size_t i = box.from; i < box.to - 1; ++i) {
      half += colours[i].n;
      split = i + 1;
      if (half * 2 >= total) break;
    }
    boxes[pick] = {box.from, split};
    boxes.push_back({split, box.to});
  }
  std::vector<Rgb> palette;
  for (const Box& box : boxes) {
    uint64_t n = 0, r = 0, g = 0, b = 0;
    for (size_t i = box.from; i < box.to; ++i) {
      n += colours[i].n;
      r += colours[i].n * colours[i].r;
      g += colours[i].n * colours[i].g;
      b += colours[i].n * colours[i].b;
    }
    if (n) palette.push_back({static_cast<uint8_t>(r / n), static_cast<uint8_t>(g / n), static_cast<uint8_t>(b / n)});
  }
  while (palette.size() < 256) palette.push_back({0, 0, 0});
  return palette;
}

}  // namespace

std::vector<Rgb> ChoosePalette(const std::vector<Image>& pictures) {
  // colours counted at 6 bits a channel, each bin keeping its counted mean
  std::vector<std::array<uint64_t, 4>> bins(1 << 18);
  for (const Image& p : pictures)
    for (size_t i = 0; i + 2 < p.px.size(); i += 3) {
      auto& bin = bins[(p.px[i] >> 2) << 12 | (p.px[i + 1] >> 2) << 6 | (p.px[i + 2] >> 2)];
      bin[0] += p.px[i], bin[1] += p.px[i + 1], bin[2] += p.px[i + 2], bin[3] += 1;
    }
  std::vector<Counted> colours;
  for (const auto& bin : bins)
    if (bin[3])
      colours.push_back({static_cast<int>(bin[0] / bin[3]), static_cast<int>(bin[1] / bin[3]),
                         static_cast<int>(bin[2] / bin[3]), bin[3]});
  return MedianCut(colours);
}

std::vector<uint8_t> IndexPicture(const Image& picture, const std::vector<Rgb>& palette) {
  std::vector<int> cache(1 << 18, -1);
  std::vector<uint8_t> out(static_cast<size_t>(picture.w) * picture.h);
  for (size_t i = 0; i < out.size(); ++i) {
    const uint8_t* p = &picture.px[i * 3];
    const int key = (p[0] >> 2) << 12 | (p[1] >> 2) << 6 | (p[2] >> 2);
    if (cache[key] < 0) {
      int best = 0, bestDistance = 1 << 30;
      for (int k = 0; k < static_cast<int>(palette.size()); ++k) {
        const int dr = palette[k].r - p[0], dg = palette[k].g - p[1], db = palette[k].b - p[2];
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) best = k, bestDistance = d;
      }
      cache[key] = best;
    }
    out[i] = static_cast<uint8_t>(cache[key]);
  }
  return out;
}

}  // namespace art
