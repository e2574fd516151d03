// Bitmap files and palettes on GDI. The file bytes are checked by the pure reader first, so a
// damaged or lying file gives a null bitmap instead of a wild read.
#include "colvane/frame/bitmap_file_win.h"

#include <vector>

#include "colvane/frame/file_bytes.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/dib_file.h"
#include "colvane/frame/message_box_win.h"
#include "colvane/frame/palette_scope_win.h"
#include "colvane/frame/screen_bitmap_win.h"

namespace {
// Art files are at most a screen of 32-bit pixels plus headers; a longer file is read cut
// there, and its rows then fail the reader's size check.
const size_t kMaxBitmapFile = 64u << 20;
}

// "非[QVF]檔案：<path>": shown in Unicode so it reads right whatever the system code page.
static void ShowNotBitmapMessage(HWND owner, const char* path) {
  wchar_t message[400] = L"\x975E[QVF]\x6A94\x6848\xFF1A";
  int used = lstrlenW(message);
  MultiByteToWideChar(CP_ACP, 0, path, -1, message + used, 400 - used);
  message[399] = 0;
  ShowProgramMessage(owner, message, nullptr, MB_ICONHAND);
}

static HBITMAP BitmapFromFile(HWND owner, const char* path, HPALETTE palette) {
  std::vector<uint8_t> bytes;
  if (!path || !path[0] || !ReadFileBytes(path, kMaxBitmapFile, &bytes)) return nullptr;
  DibImage image;
  const uint8_t* rows = nullptr;  // the file's own rows: art is large, and a copy costs its time
  DibResult r = ReadDibFileHeader(bytes.data(), bytes.size(), &image, &rows);
  if (r == kDibNotBitmap) {
    ShowNotBitmapMessage(owner, path);
    return nullptr;
  }
  if (r != kDibOk) return nullptr;
  HDC dc = GetDC(owner);
  HBITMAP bitmap;
  {
    PaletteScope realized(dc, palette);
    auto* info = reinterpret_cast<const BITMAPINFO*>(image.packed.data());
    bitmap = CreateScreenBitmapFromDib(dc, info, rows);
  }
  ReleaseDC(owner, dc);
  return bitmap;
}

HBITMAP LoadBitmapFile(HWND owner, const char* path, HPALETTE palette) {
  return BitmapFromFile(owner, path, palette);
}

HBITMAP LoadBitmapFileScaled(HWND owner, const char* path, HPALETTE palette, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  HBITMAP picture = BitmapFromFile(owner, path, palette);
  if (!picture) return nullptr;
  BITMAP bm{};
  GetObjectA(picture, sizeof(bm), &bm);
  HDC dc = GetDC(owner);
  HBITMAP scaled = CreateScreenBitmap(dc, width, height);
  if (scaled) {
    MemoryDc from(dc), to(dc);
    SelectedObject fromArt(from, picture), toArt(to, scaled);
    SetStretchBltMode(to, COLORONCOLOR);
    StretchBlt(to, 0, 0, width, height, from, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
  }
  ReleaseDC(owner, dc);
  DeleteObject(picture);
  return scaled;
}

HPALETTE CreatePaletteFromDib(const void* dib, size_t dibSize) {
  uint8_t rgb[256][3];
  int count = DibPaletteEntries(static_cast<const uint8_t*>(dib), dibSize, rgb);
  if (count == 0) return nullptr;
  struct {
    LOGPALETTE head;
    PALETTEENTRY more[255];
  } pal{};
  pal.head.palVersion = 0x300;
  pal.head.palNumEntries = static_cast<WORD>(count);
  for (int i = 0; i < count; ++i) {
    PALETTEENTRY& e = pal.head.palPalEntry[i];
    e.peRed = rgb[i][0];
    e.peGreen = rgb[i][1];
    e.peBlue = rgb[i][2];
    e.peFlags = 0;
  }
  return CreatePalette(&pal.head);
}

HPALETTE CreatePaletteFromResource(HWND window, const char* name, HINSTANCE instance) {
  HRSRC found = FindResourceA(instance, name, reinterpret_cast<LPCSTR>(RT_BITMAP));
  if (!found) return nullptr;
  HGLOBAL loaded = LoadResource(instance, found);
  if (!loaded) return nullptr;
  const void* data = LockResource(loaded);
  DWORD size = SizeofResource(instance, found);
  HPALETTE palette = data ? CreatePaletteFromDib(data, size) : nullptr;
  FreeResource(loaded);
  return palette;
}

UINT DibColorCount(const BITMAPINFOHEADER* header) {
  if (!header) return 0;
  size_t size = header->biSize == 12 ? 12 : sizeof(BITMAPINFOHEADER);
  return ::DibColorCount(reinterpret_cast<const uint8_t*>(header), size);
}
