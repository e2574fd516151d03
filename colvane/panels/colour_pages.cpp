// Colour pages, box geometry and the size bar's arithmetic.
#include "colvane/panels/colour_pages.h"

#include <algorithm>
#include <cstring>

namespace {

const uint32_t kStartColours[kColourPages * kColoursPerPage] = {
    0xFFFFFF, 0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00,
    0xC0C0C0, 0x808080, 0x000080, 0x008000, 0x800000, 0x008080, 0x800080, 0x808000,
    0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0xFFFFFF, 0x000000, 0x0000FF, 0x00FF00,
    0xC0C0C0, 0x808080, 0x000080, 0x008000, 0x800000, 0x008080, 0x800080, 0x808000,
    0xFFFFFF, 0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00,
    0x800000, 0x008080, 0x800080, 0x808000, 0xC0C0C0, 0x808080, 0x000080, 0x008000,
    0x800000, 0x008080, 0x800080, 0x808000, 0xFFFFFF, 0x000000, 0x0000FF, 0x00FF00,
    0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0xC0C0C0, 0x808080, 0x000080, 0x008000,
};

uint32_t table[kColourPages * kColoursPerPage];
bool tableReady = false;

}  // namespace

uint32_t* ColourTable() {
  if (!tableReady) ResetColourTable();
  return table;
}

void ResetColourTable() {
  std::memcpy(table, kStartColours, sizeof(table));
  tableReady = true;
}

PanelRect ColourBoxRect(const ColourPanelGeometry& g, int slot) {
  const int column = slot % 8, row = slot / 8;
  const int left = g.originX + g.boxX + column * g.pitchX;
  const int top = g.originY + g.boxY + row * g.rowY;
  return PanelRect{left, top, left + g.boxW + 1, top + g.boxH + 1};
}

int HitColourBox(const ColourPanelGeometry& g, int x, int y) {
  for (int i = 0; i < 8; ++i) {
    if (ColourBoxRect(g, i).Contains(x, y)) return i;
    if (ColourBoxRect(g, i + 8).Contains(x, y)) return i + 8;
  }
  return -1;
}

int StepColourPage(int page, int delta) {
  return ((page + delta) % kColourPages + kColourPages) % kColourPages;
}

int SizeValueAt(const ColourPanelGeometry& g, int x) {
  const int span = g.sizeMax - g.sizeMin;
  if (span <= 0) return 0;  // a layout without a travel leaves the bar at its first slot
  const int from = g.originX + g.sizeMin;
  x = std::clamp(x, from, g.originX + g.sizeMax);
  return static_cast<int>((x - from) * static_cast<double>(kSizeValueMax) / span);
}

PanelRect ThumbRect(const ColourPanelGeometry& g, int sizeValue) {
  const int span = std::max(g.sizeMax - g.sizeMin, 0);
  const int left = g.originX + g.sizeMin + static_cast<int>(static_cast<int64_t>(span) * sizeValue / kSizeValueMax);
  const int bottom = g.originY + g.panelHeight;
  return PanelRect{left, bottom - g.thumbH, left + g.thumbW, bottom};
}
