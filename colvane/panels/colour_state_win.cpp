// Setting the current colours and repainting the swatch that shows them.
#include "colvane/panels/colour_state_win.h"

#include "colvane/frame/blit.h"
#include "colvane/frame/frame_art.h"
#include "colvane/panels/colour_state.h"

namespace {

// The swatch is the 35 x 35 square at the colour panel's origin.
void RepaintSwatch(HWND window) {
  POINT o = Frame().colorCord;
  RECT swatch{o.x, o.y, o.x + 35, o.y + 35};
  RepaintLayoutRect(window, &swatch);
}

}  // namespace

void SetForegroundColour(HWND window, COLORREF colour) {
  Colours().foregroundColour = colour;
  RepaintSwatch(window);
}

void SetBackgroundColour(HWND window, COLORREF colour) {
  Colours().backgroundColour = colour;
  RepaintSwatch(window);
}
