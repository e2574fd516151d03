// A pool of four offscreen bitmaps with their memory DCs, used for flicker-free composition. A
// released bitmap is kept for the next acquire of the same size: the screen is composed into a
// bitmap of the same size on every paint, and making one costs more than drawing into it.
#include "colvane/frame/offscreen_win.h"
#include "colvane/frame/screen_bitmap_win.h"

namespace {
struct Slot {
  HBITMAP bitmap = nullptr;  // owned here; null: the slot is empty
  HDC dc = nullptr;
  HGDIOBJ previous = nullptr;
  int width = 0, height = 0;
  bool inUse = false;
};
Slot slots[4];

Slot* FindSlot(HDC dc) {
  if (!dc) return nullptr;
  for (Slot& s : slots)
    if (s.inUse && s.dc == dc) return &s;
  return nullptr;
}

void Empty(Slot* s) {
  if (!s->bitmap) return;
  SelectObject(s->dc, s->previous);
  DeleteDC(s->dc);
  DeleteObject(s->bitmap);
  *s = Slot{};
}

HDC Take(Slot* s) {
  s->inUse = true;
  BitBlt(s->dc, 0, 0, s->width, s->height, nullptr, 0, 0, BLACKNESS);
  return s->dc;
}
}  // namespace

HDC AcquireOffscreen(HDC dc, int width, int height) {
  for (Slot& s : slots)
    if (!s.inUse && s.bitmap && s.width == width && s.height == height) return Take(&s);
  Slot* free = nullptr;
  for (Slot& s : slots)
    if (!s.inUse && (!free || !s.bitmap)) free = &s;  // an empty slot, else a kept one
  if (!free) return nullptr;
  Empty(free);
  HBITMAP bitmap = CreateScreenBitmap(dc, width, height);
  if (!bitmap) return nullptr;
  HDC memory = CreateCompatibleDC(dc);
  if (!memory) {
    DeleteObject(bitmap);
    return nullptr;
  }
  free->bitmap = bitmap;
  free->dc = memory;
  free->previous = SelectObject(memory, bitmap);
  free->width = width;
  free->height = height;
  return Take(free);
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
  s->inUse = false;
  return 1;
}

void FreeOffscreens() {
  for (Slot& s : slots) Empty(&s);
}
