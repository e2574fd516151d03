// Region to rectangle list through GetRegionData.
#include "colvane/canvas/region_rects_win.h"

#include <memory>

std::vector<ClipRect> RegionRects(HRGN region) {
  std::vector<ClipRect> rects;
  if (!region) return rects;
  DWORD size = GetRegionData(region, 0, nullptr);
  if (size < sizeof(RGNDATAHEADER)) return rects;
  std::unique_ptr<uint8_t[]> bytes(new (std::nothrow) uint8_t[size]);
  if (!bytes) return rects;
  RGNDATA* data = reinterpret_cast<RGNDATA*>(bytes.get());
  if (GetRegionData(region, size, data) == 0) return rects;
  // The count is GDI's own, but never trust it past the bytes it gave.
  DWORD fit = (size - sizeof(RGNDATAHEADER)) / sizeof(RECT);
  DWORD count = data->rdh.nCount < fit ? data->rdh.nCount : fit;
  const RECT* r = reinterpret_cast<const RECT*>(data->Buffer);
  rects.reserve(count);
  for (DWORD i = 0; i < count; ++i) rects.push_back(ClipRect{r[i].left, r[i].top, r[i].right, r[i].bottom});
  return rects;
}

void ClipMaskFromRegion(HRGN region, int width, int height, ClipMask* clip) {
  if (region)
    clip->SetRects(width, height, RegionRects(region));
  else
    clip->SetAll(width, height);
}
