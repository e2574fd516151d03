// A GDI region read back as the rectangles GDI reports for it, so the pure painting code changes
// exactly the pixels GDI counts as inside.
#pragma once
#include <windows.h>

#include <vector>

#include "colvane/canvas/clip_mask.h"

// The region's rectangles (right and bottom exclusive); empty for a null or empty region.
std::vector<ClipRect> RegionRects(HRGN region);
// The clip mask of a width x height area: the region's pixels, or every pixel when region is null.
void ClipMaskFromRegion(HRGN region, int width, int height, ClipMask* clip);
