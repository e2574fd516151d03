// Loading bitmap files into device-dependent bitmaps, and palettes from DIBs.
#pragma once
#include <windows.h>

#include <cstddef>

HBITMAP LoadBitmapFile(HWND owner, const char* path, HPALETTE palette);
HBITMAP LoadBitmapFileScaled(HWND owner, const char* path, HPALETTE palette, int width, int height);
HPALETTE CreatePaletteFromResource(HWND window, const char* name, HINSTANCE instance);
// dibSize bounds the reads of the header and colour table.
HPALETTE CreatePaletteFromDib(const void* dib, size_t dibSize);
UINT DibColorCount(const BITMAPINFOHEADER* header);
