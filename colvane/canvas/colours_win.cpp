// Setting the current colours and repainting the swatch that shows them.
#include "colvane/canvas/colours_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/frame/frame_art_win.h"

void SetForegroundColour(HWND window, COLORREF colour) {
  Session().colours.foregroundColour = colour;
  RepaintColourSwatch(window);
}

void SetBackgroundColour(HWND window, COLORREF colour) {
  Session().colours.backgroundColour = colour;
  RepaintColourSwatch(window);
}
