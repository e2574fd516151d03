// The frame of the screen: the eight frame bitmaps and the frame coordinates of the variant.
#pragma once
#include <windows.h>

#include "colvane/frame/screen_area_win.h"

struct FrameArt {
  // All owned by the frame: loaded at start-up, deleted by FreeFrameArt.
  HBITMAP draw = nullptr;
  HBITMAP lib = nullptr;
  HBITMAP tool = nullptr;
  HBITMAP tool1 = nullptr;
  HBITMAP color = nullptr;
  HBITMAP sizebar = nullptr;
  HBITMAP colorPageUp = nullptr;
  HBITMAP colorPageDown = nullptr;
  // Layout coordinates of the variant.
  POINT toolCord{0, 0}, glibCord{0, 0}, colorCord{0, 0};
  RECT palSBoxCord{0, 0, 0, 0};
  POINT palGBoxCord{0, 0}, sizeDomain{0, 0}, colorPageUpAt{0, 0}, colorPageDownAt{0, 0};
};

FrameArt& Frame();

// Screen variant, origins and paper geometry from the real screen, then PAPERORG and the frame
// coordinates of the variant's section.
void SetupScreenGeometry();
// The eight frame bitmaps named by the layout file.
void LoadFrameArt(HWND window);
void FreeFrameArt();
// The screen-area row of the desk picture behind everything ("DRAW").
extern const ScreenArea kBackdropArea;
// Repaints the swatch of the current colours on the colour panel.
void RepaintColourSwatch(HWND window);

// Full path of an art file named by the layout file (relative to the asset folder).
void AssetPath(const char* name, char* path);
// Loads the bitmap file named by a layout key, or null.
HBITMAP LoadLayoutBitmap(HWND window, const char* section, const char* key);
