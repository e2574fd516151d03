// Selects and realizes a palette in a DC for the holder's lifetime.
#pragma once
#include <windows.h>

class PaletteScope {
 public:
  PaletteScope(HDC dc, HPALETTE palette) : dc_(dc) {
    if (palette) {
      old_ = SelectPalette(dc, palette, FALSE);
      RealizePalette(dc);
    }
  }
  ~PaletteScope() {
    if (old_) SelectPalette(dc_, old_, FALSE);
  }
  PaletteScope(const PaletteScope&) = delete;
  PaletteScope& operator=(const PaletteScope&) = delete;

 private:
  HDC dc_;
  HPALETTE old_ = nullptr;
};
