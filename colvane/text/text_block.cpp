// The text block: measuring, soft coverage, the blend over the snapshot, the caret point.
#include "colvane/text/text_block.h"

#include <algorithm>

TextBlockSize MeasureTextBlock(const std::vector<int>& lineWidths, int maxCharWidth, int lineHeight) {
  int widest = 0;
  for (int w : lineWidths) widest = std::max(widest, w);
  const int lines = std::max<int>(1, static_cast<int>(lineWidths.size()));
  return TextBlockSize{widest + maxCharWidth, lines * (lineHeight + 1)};
}

TextBlockSize LargerBlock(TextBlockSize a, TextBlockSize b) {
  return TextBlockSize{std::max(a.width, b.width), std::max(a.height, b.height)};
}

TextBlockPart BlockOnCanvas(int x, int y, TextBlockSize block, int canvasWidth, int canvasHeight) {
  // 64-bit sums: the origin and the block size come from the mouse and the font.
  const long long left = std::max<long long>(x, 0), top = std::max<long long>(y, 0);
  const long long right = std::min<long long>(static_cast<long long>(x) + block.width, canvasWidth);
  const long long bottom = std::min<long long>(static_cast<long long>(y) + block.height, canvasHeight);
  TextBlockPart part;
  if (right <= left || bottom <= top) return part;
  part.x = static_cast<int>(left);
  part.y = static_cast<int>(top);
  part.width = static_cast<int>(right - left);
  part.height = static_cast<int>(bottom - top);
  part.blockX = static_cast<int>(left - x);
  part.blockY = static_cast<int>(top - y);
  return part;
}

namespace {

// Pixels 1 .. w-2 of a row whose neighbourhoods all hold `kCells` cells: the divisor is known,
// so the division is a multiply.
template <int kCells>
void MiddleCoverage(const uint8_t* row, const int* columns, int w, uint8_t* out) {
  for (int c = 1; c + 1 < w; ++c) {
    const uint8_t* px = row + c * 3;
    if (px[0] == 255 && px[1] == 255 && px[2] == 255) {
      out[c] = 255;
      continue;
    }
    out[c] = static_cast<uint8_t>((columns[c - 1] + columns[c] + columns[c + 1]) / kCells);
  }
}

}  // namespace

void TextCoverage(const PixelView& mask, std::vector<uint8_t>* coverage) {
  const int w = mask.width, h = mask.height;
  coverage->resize(static_cast<size_t>(std::max(w, 0)) * std::max(h, 0));
  if (w <= 0 || h <= 0) return;
  // Each pixel is the mean of the red bytes of its 3 x 3 neighbours inside the block: the red
  // bytes of the rows above, at and below are summed per column once, then three columns at a time.
  // Most of a block is the black around the letters: rows all black are found once, and a pixel
  // with only black rows about it is 0.
  std::vector<uint8_t> black(static_cast<size_t>(h));
  for (int y = 0; y < h; ++y) {
    const uint8_t* p = mask.At(0, y);
    black[static_cast<size_t>(y)] = std::all_of(p, p + w * 3, [](uint8_t b) { return b == 0; });
  }
  std::vector<int> columns(static_cast<size_t>(w));
  for (int r = 0; r < h; ++r) {
    const int first = std::max(r - 1, 0), last = std::min(r + 1, h - 1);
    const int rows = last - first + 1;
    uint8_t* out = coverage->data() + static_cast<size_t>(r) * w;
    if (std::all_of(&black[static_cast<size_t>(first)], &black[static_cast<size_t>(last)] + 1,
                    [](uint8_t b) { return b != 0; })) {
      std::fill(out, out + w, 0);
      continue;
    }
    std::fill(columns.begin(), columns.end(), 0);
    for (int y = first; y <= last; ++y) {
      if (black[static_cast<size_t>(y)]) continue;
      const uint8_t* p = mask.At(0, y);
      for (int c = 0; c < w; ++c) columns[static_cast<size_t>(c)] += p[c * 3 + 2];
    }
    const uint8_t* p = mask.At(0, r);
    for (int c : {0, w - 1}) {  // the side columns: fewer neighbours
      const uint8_t* px = p + c * 3;
      if (px[0] == 255 && px[1] == 255 && px[2] == 255) {
        out[c] = 255;
        continue;
      }
      const int left = c > 0 ? c - 1 : 0, right = c + 1 < w ? c + 1 : w - 1;
      int sum = 0;
      for (int x = left; x <= right; ++x) sum += columns[static_cast<size_t>(x)];
      out[c] = static_cast<uint8_t>(sum / (rows * (right - left + 1)));
    }
    if (rows == 3)
      MiddleCoverage<9>(p, columns.data(), w, out);
    else if (rows == 2)
      MiddleCoverage<6>(p, columns.data(), w, out);
    else
      MiddleCoverage<3>(p, columns.data(), w, out);
  }
}

std::vector<uint8_t> TextCoverage(const PixelView& mask) {
  std::vector<uint8_t> coverage;
  TextCoverage(mask, &coverage);
  return coverage;
}

ChangedRect BlendTextBlock(PixelView* canvas, const PixelView& snapshot, const ClipMask& clip,
                           const TextBlockPart& part, const std::vector<uint8_t>& coverage, int blockWidth,
                           uint32_t colour) {
  ChangedRect changed;
  if (part.width <= 0 || part.height <= 0 || !canvas->bits || !snapshot.bits) return changed;
  const uint8_t channel[3] = {BlueOf(colour), GreenOf(colour), RedOf(colour)};
  for (int r = 0; r < part.height; ++r) {
    const int y = part.y + r;
    const uint8_t* a = &coverage[static_cast<size_t>(part.blockY + r) * blockWidth + part.blockX];
    for (int c = 0; c < part.width; ++c) {
      const int x = part.x + c;
      if (!clip.Contains(x, y) || !canvas->Inside(x, y) || !snapshot.Inside(x, y)) continue;
      uint8_t* out = canvas->At(x, y);
      const uint8_t* under = snapshot.At(x, y);
      for (int k = 0; k < 3; ++k) {
        if (a[c] == 0)
          out[k] = under[k];
        else if (a[c] == 255)
          out[k] = channel[k];
        else
          out[k] = static_cast<uint8_t>((under[k] * (255 - a[c]) + channel[k] * a[c]) / 256);
      }
    }
  }
  changed.changed = 1;
  changed.left = part.x;
  changed.top = part.y;
  changed.right = part.x + part.width - 1;
  changed.bottom = part.y + part.height - 1;
  return changed;
}

CaretPoint CaretAfterText(int originX, int originY, int lineCount, int lastLineWidth, int lineHeight) {
  return CaretPoint{originX + lastLineWidth, originY + (lineCount - 1) * lineHeight};
}
