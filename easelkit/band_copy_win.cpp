// OutputDIB2BMP: pushes a band of rows of an in-memory bottom-up DIB into a screen bitmap.
#include <cstring>

#include "easelkit/easelkit_win.h"

extern "C" HBITMAP WINAPI OutputDIB2BMP(HDC dc, const BITMAPINFOHEADER* info, const BYTE* bits, int x,
                                        int y, int width, int rows, HBITMAP target, int dibHeight,
                                        int stride) {
  if (!info || !bits || rows <= 0 || y < 0 || y + rows > dibHeight) return target;
  // The header and the first colour entry, as a 24-bit DIB needs no more.
  struct {
    BITMAPINFOHEADER h;
    RGBQUAD first;
  } band{};
  std::memcpy(&band, info, sizeof(band));
  LONG rowSize = ((band.h.biWidth * band.h.biBitCount + 31) / 32) * 4;
  band.h.biHeight = rows;
  band.h.biSizeImage = static_cast<DWORD>(rowSize) * rows;

  // The band goes from the caller's rows straight into the target: a bitmap in between would cost
  // more to make than the copy itself. The DC's palette maps the colours, as it would for the band.
  HDC targetDc = CreateCompatibleDC(dc);
  if (!targetDc) return target;
  HGDIOBJ oldTarget = SelectObject(targetDc, target);
  HPALETTE palette = static_cast<HPALETTE>(GetCurrentObject(dc, OBJ_PAL));
  HPALETTE oldPalette = palette ? SelectPalette(targetDc, palette, FALSE) : nullptr;
  if (oldPalette) RealizePalette(targetDc);
  // Bottom-up: picture row y (from the top) lies dibHeight - y - 1 rows into the buffer, so the
  // band's lowest stored row is dibHeight - y - rows.
  const BYTE* first = bits + static_cast<ptrdiff_t>(dibHeight - y - rows) * stride;
  SetDIBitsToDevice(targetDc, x, y, width, rows, x, 0, 0, rows, first, reinterpret_cast<BITMAPINFO*>(&band),
                    DIB_RGB_COLORS);
  if (oldPalette) SelectPalette(targetDc, oldPalette, FALSE);
  SelectObject(targetDc, oldTarget);
  DeleteDC(targetDc);
  return target;
}
