// Bitmaps in the screen's format: what every picture the program shows is kept in.
#pragma once
#include <windows.h>

// A bitmap for `dc`'s screen: on a true-colour screen a 32-bit DIB section (a device-dependent
// bitmap costs far more to make and to select into a DC under some drivers, and composing selects
// one for every blit); on a palette screen a compatible bitmap, so the palette keeps mapping it.
// The contents start black. Null on failure.
HBITMAP CreateScreenBitmap(HDC dc, int width, int height);
// The same, holding a packed DIB's pixels (as CreateDIBitmap with CBM_INIT would).
HBITMAP CreateScreenBitmapFromDib(HDC dc, const BITMAPINFO* info, const void* bits);
