// File-box thumbnails on GDI: the head of the file is judged first, then only the bytes of a
// canvas-sized picture are read and stretched straight onto the card-sized bitmap.
#include "colvane/files/thumbnail_win.h"

#include <cstdint>
#include <vector>

#include "colvane/canvas/picture_reader.h"
#include "colvane/files/thumbnail_source.h"
#include "colvane/frame/file_bytes.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/palette_scope_win.h"
#include "colvane/frame/screen_bitmap_win.h"

namespace {

bool FileSize(const char* path, uint64_t* size) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  *size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return true;
}

}  // namespace

HBITMAP LoadThumbnail(HWND owner, const char* path, HPALETTE palette, int width, int height) {
  uint64_t fileSize = 0;
  std::vector<uint8_t> bytes;
  if (width <= 0 || height <= 0 || !path || !FileSize(path, &fileSize)) return nullptr;
  if (!ReadFileBytes(path, kThumbnailHeadSize, &bytes)) return nullptr;
  const uint64_t need = ThumbnailBytes(bytes.data(), bytes.size(), fileSize);
  if (need == 0) return nullptr;
  if (need > bytes.size() && !ReadFileBytes(path, static_cast<size_t>(need), &bytes)) return nullptr;
  PackedPicture picture;
  if (!ReadPicture(bytes.data(), bytes.size(), &picture)) return nullptr;
  HDC dc = GetDC(owner);
  HBITMAP scaled = CreateScreenBitmap(dc, width, height);
  if (scaled) {
    MemoryDc to(dc);
    SelectedObject art(to, scaled);
    PaletteScope realized(to, palette);
    SetStretchBltMode(to, COLORONCOLOR);
    const int rows = picture.height < 0 ? -picture.height : picture.height;
    StretchDIBits(to, 0, 0, width, height, 0, 0, picture.width, rows, picture.block.Data() + picture.pixelOffset,
                  reinterpret_cast<const BITMAPINFO*>(picture.block.Data()), DIB_RGB_COLORS, SRCCOPY);
  }
  ReleaseDC(owner, dc);
  return scaled;
}

namespace {

void DrawBrokenPicture(HDC dc, HBITMAP card, int width, int height) {
  MemoryDc to(dc);
  SelectedObject art(to, card);
  RECT all{0, 0, width, height};
  HBRUSH light = CreateSolidBrush(RGB(244, 240, 230));
  FillRect(to, &all, light);
  DeleteObject(light);
  // A sheet whose lower edge is torn off: a zigzag in steps of about a tenth of the width.
  const int left = width / 5, right = width - width / 5, top = height / 8, bottom = height - height / 5;
  POINT sheet[32];
  int n = 0;
  sheet[n++] = POINT{left, top};
  sheet[n++] = POINT{right, top};
  const int steps = 6;
  for (int i = 0; i <= steps && n < 32; ++i)
    sheet[n++] = POINT{right - (right - left) * i / steps, bottom - ((i % 2) ? height / 14 : 0)};
  HPEN grey = CreatePen(PS_SOLID, width >= 60 ? 2 : 1, RGB(150, 145, 135));
  {
    SelectedObject pen(to, grey), white(to, GetStockObject(WHITE_BRUSH));
    Polygon(to, sheet, n);
  }
  DeleteObject(grey);
  // A big question mark in the middle of the sheet.
  HFONT font = CreateFontA(-(bottom - top) * 3 / 4, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
  {
    SelectedObject face(to, font);
    SetBkMode(to, TRANSPARENT);
    SetTextColor(to, RGB(120, 150, 200));
    RECT text{left, top, right, bottom};
    DrawTextA(to, "?", 1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  DeleteObject(font);
}

}  // namespace

HBITMAP MakeBrokenPictureCard(HWND owner, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  HDC dc = GetDC(owner);
  HBITMAP card = CreateScreenBitmap(dc, width, height);
  if (card) DrawBrokenPicture(dc, card, width, height);
  ReleaseDC(owner, dc);
  return card;
}
