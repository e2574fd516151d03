// The whole screen, composed back to front into one offscreen bitmap and shown with one blit.
#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/offscreen_win.h"
#include "colvane/frame/palette_scope_win.h"
#include "colvane/frame/screen_area_win.h"

void ComposeScreen(HWND window, HDC paintDc, ScreenAreas areas) {
  RECT client;
  GetClientRect(window, &client);
  PaletteScope onScreen(paintDc, ScreenPalette());
  HDC offscreen = AcquireOffscreen(paintDc, client.right, client.bottom);
  if (!offscreen) return;
  {
    PaletteScope offPalette(offscreen, ScreenPalette());
    CompositionScope composing;
    for (int i = areas.count - 1; i >= 0; --i) {
      const ScreenArea& area = *areas.rows[i];
      if (area.paint && AreaShown(area)) area.paint(window, offscreen);
    }
  }
  PresentOffscreen(paintDc, 0, 0, offscreen);
  ReleaseOffscreen(offscreen);
}
