// Plain and transparent blits of screen art to layout points, and the composition scope.
#pragma once
#include <windows.h>

// Destinations are layout points; the palette passed is usually ScreenPalette().
#include "colvane/frame/coords_win.h"

int BlitPart(HWND window, HDC dc, HBITMAP bitmap, POINT destination, int width, int height,
             POINT source, HPALETTE palette);
int BlitPartToWindow(HWND window, HBITMAP bitmap, POINT destination, int width, int height,
                     POINT source, HPALETTE palette);
void MakeTransparentPair(HWND window, HBITMAP bitmap, HPALETTE palette, COLORREF key,
                         HBITMAP* image, HBITMAP* mask);
void BlitTransparentKeyed(HWND window, HDC destination, HBITMAP bitmap, HPALETTE palette, int x,
                          int y, int width, int height, int sourceX, int sourceY);
// The same through a memory DC the caller lends, for many pairs in a row.
void BlitTransparentPairThrough(HDC destination, HDC memory, HBITMAP image, HBITMAP mask, int x, int y, int width,
                                int height, int sourceX, int sourceY);
void BlitTransparentPair(HWND window, HDC destination, HBITMAP image, HBITMAP mask,
                         HPALETTE palette, int x, int y, int width, int height, int sourceX,
                         int sourceY);

// While the whole screen is composed, the paper is painted last, over everything: blits into the
// composition draw their art as it is, without laying the paper over it each time.
struct CompositionScope {
  CompositionScope();
  ~CompositionScope();
  CompositionScope(const CompositionScope&) = delete;
  CompositionScope& operator=(const CompositionScope&) = delete;
};
