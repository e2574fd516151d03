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
  // The pixels every view holds, and the clip's area: the same columns for every row.
  const int x0 = std::max(part.x, 0);
  const int x1 = std::min({part.x + part.width, canvas->width, snapshot.width, clip.Width()});
  int left = x1, right = -1, top = -1, bottom = -1;
  for (int r = 0; r < part.height; ++r) {
    const int y = part.y + r;
    if (y < 0 || y >= canvas->height || y >= snapshot.height || y >= clip.Height()) continue;
    const uint8_t* a = &coverage[static_cast<size_t>(part.blockY + r) * blockWidth + part.blockX];  // from part.x
    const uint8_t* inside = clip.Row(y);  // null: all of it
    uint8_t* out = canvas->Row(y);
    const uint8_t* under = snapshot.Row(y);
    int rowLeft = x1, rowRight = -1;
    for (int x = x0; x < x1; ++x) {
      if (inside && !inside[x]) continue;
      uint8_t* o = out + x * 3;
      const uint8_t* u = under + x * 3;
      uint8_t v[3];
      const int cover = a[x - part.x];
      if (cover == 0) {
        v[0] = u[0], v[1] = u[1], v[2] = u[2];
      } else if (cover == 255) {
        v[0] = channel[0], v[1] = channel[1], v[2] = channel[2];
      } else {
        for (int k = 0; k < 3; ++k) v[k] = static_cast<uint8_t>((u[k] * (255 - cover) + channel[k] * cover) / 256);
      }
      if (v[0] == o[0] && v[1] == o[1] && v[2] == o[2]) continue;
      o[0] = v[0], o[1] = v[1], o[2] = v[2];
      rowLeft = std::min(rowLeft, x);
      rowRight = x;
    }
    if (rowRight < 0) continue;
    left = std::min(left, rowLeft);
    right = std::max(right, rowRight);
    if (top < 0) top = y;
    bottom = y;
  }
  if (right < 0) return changed;  // the canvas already showed this text
  changed.changed = 1;
  changed.left = left;
  changed.top = top;
  changed.right = right;
  changed.bottom = bottom;
  return changed;
}

CaretPoint CaretAfterText(int originX, int originY, int lineCount, int lastLineWidth, int lineHeight) {
  return CaretPoint{originX + lastLineWidth, originY + (lineCount - 1) * lineHeight};
}
