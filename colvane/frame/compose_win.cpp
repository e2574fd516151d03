// The whole screen, composed back to front into one offscreen bitmap and shown with one blit.
#include "colvane/frame/blit_win.h"
#include "colvane/frame/screen_area_win.h"

namespace {

// Selects and realises the palette in a DC for the holder's lifetime.
class PaletteInDc {
 public:
  PaletteInDc(HDC dc, HPALETTE palette) : dc_(dc) {
    if (palette) {
      old_ = SelectPalette(dc, palette, FALSE);
      RealizePalette(dc);
    }
  }
  ~PaletteInDc() {
    if (old_) SelectPalette(dc_, old_, FALSE);
  }
  PaletteInDc(const PaletteInDc&) = delete;
  PaletteInDc& operator=(const PaletteInDc&) = delete;

 private:
  HDC dc_;
  HPALETTE old_ = nullptr;
};

}  // namespace

void ComposeScreen(HWND window, HDC paintDc, ScreenAreas areas) {
  RECT client;
  GetClientRect(window, &client);
  PaletteInDc onScreen(paintDc, ScreenPalette());
  HDC offscreen = AcquireOffscreen(paintDc, client.right, client.bottom);
  if (!offscreen) return;
  {
    PaletteInDc offPalette(offscreen, ScreenPalette());
    for (int i = areas.count - 1; i >= 0; --i)
      if (areas.rows[i].paint) areas.rows[i].paint(window, offscreen);
  }
  PresentOffscreen(paintDc, 0, 0, offscreen);
  ReleaseOffscreen(offscreen);
}
