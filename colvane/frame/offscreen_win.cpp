// A pool of four offscreen bitmaps with their memory DCs, used for flicker-free composition.
#include "colvane/frame/blit_win.h"

namespace {
struct Slot {
  HBITMAP bitmap = nullptr;  // null: the slot is free
  HDC dc = nullptr;
  HGDIOBJ previous = nullptr;
  int width = 0, height = 0;
};
Slot slots[4];

Slot* FindSlot(HDC dc) {
  if (!dc) return nullptr;
  for (Slot& s : slots)
    if (s.bitmap && s.dc == dc) return &s;
  return nullptr;
}
}  // namespace

HDC AcquireOffscreen(HDC dc, int width, int height) {
  for (Slot& s : slots) {
    if (s.bitmap) continue;
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    if (!bitmap) return nullptr;
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) {
      DeleteObject(bitmap);
      return nullptr;
    }
    s.bitmap = bitmap;
    s.dc = memory;
    s.previous = SelectObject(memory, bitmap);
    s.width = width;
    s.height = height;
    BitBlt(memory, 0, 0, width, height, nullptr, 0, 0, BLACKNESS);
    return memory;
  }
  return nullptr;
}

int PresentOffscreen(HDC destination, int x, int y, HDC memoryDc) {
  Slot* s = FindSlot(memoryDc);
  if (!s) return 0;
  BitBlt(destination, x, y, s->width, s->height, s->dc, 0, 0, SRCCOPY);
  return 1;
}

int ReleaseOffscreen(HDC memoryDc) {
  Slot* s = FindSlot(memoryDc);
  if (!s) return 0;
  SelectObject(s->dc, s->previous);
  DeleteDC(s->dc);
  DeleteObject(s->bitmap);
  *s = Slot{};
  return 1;
}
