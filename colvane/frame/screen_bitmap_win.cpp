// Bitmaps in the screen's format.
#include "colvane/frame/screen_bitmap_win.h"

HBITMAP CreateScreenBitmap(HDC dc, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  if (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) return CreateCompatibleBitmap(dc, width, height);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

HBITMAP CreateScreenBitmapFromDib(HDC dc, const BITMAPINFO* info, const void* bits) {
  const LONG height = info->bmiHeader.biHeight;
  HBITMAP bitmap = CreateScreenBitmap(dc, info->bmiHeader.biWidth, height < 0 ? -height : height);
  if (bitmap && !SetDIBits(dc, bitmap, 0, height < 0 ? -height : height, bits, info, DIB_RGB_COLORS)) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}
