// The library's colour table: the entries of a logical palette, sorted ascending.
#include "easelkit/easelkit_win.h"
#include "easelkit/palette_table_win.h"

namespace {
COLORREF table[256];
unsigned tableCount = 0;
}  // namespace

const COLORREF* PaletteTable(unsigned* count) {
  *count = tableCount;
  return table;
}

extern "C" void WINAPI InitPalette(HPALETTE palette) {
  WORD entries = 0;
  tableCount = 0;
  if (!palette || GetObjectA(palette, sizeof(entries), &entries) == 0) return;
  unsigned count = entries > 256 ? 256 : entries;  // the table holds 256 colours
  for (unsigned i = 0; i < count; ++i) {
    PALETTEENTRY e{};
    GetPaletteEntries(palette, i, 1, &e);
    table[i] = RGB(e.peRed, e.peGreen, e.peBlue);
  }
  tableCount = count;
  // Exchange passes until one makes no exchange; entry i is swapped with each later entry that
  // is smaller (comparing every pair both ways would never settle on distinct colours).
  bool exchanged = true;
  while (exchanged) {
    exchanged = false;
    for (unsigned i = 0; i < count; ++i) {
      for (unsigned j = 0; j < count; ++j) {
        if (i < j && table[i] > table[j]) {
          COLORREF t = table[i];
          table[i] = table[j];
          table[j] = t;
          exchanged = true;
        }
      }
    }
  }
}

extern "C" void WINAPI ClosePalette(void) { tableCount = 0; }
