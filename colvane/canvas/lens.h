// The magnifying lens: a sphere-shaped magnification of a round patch of the undo snapshot.
#pragma once
#include "colvane/canvas/changed_rect.h"
#include "colvane/canvas/clip_mask.h"
#include "colvane/canvas/pixel_view.h"

struct LensShape {
  double radius;        // R0 = image height × S / 96
  double sphereRadius;  // R1 = R0 × 202 / (s + 101)
  double depth;         // h = sqrt(R1² − R0²)
};

// The lens for size S (the size value + 1, at most 65536) and strength s (limited to −100 … 100).
// 0 when there is no lens: S <= 0, R0 <= 0 or R0 > R1.
int MakeLensShape(int imageHeight, int size, int strength, LensShape* shape);

// Applies one lens centred on (cx, cy): every pixel of the lens's square inside the clip is
// computed from `snapshot` (same size as the canvas). Samples that would fall outside the
// picture are taken from its edge. Returns the square to repaint (nothing when there is no lens).
ChangedRect ApplyLens(PixelView* canvas, const PixelView& snapshot, const ClipMask& clip, int cx,
                      int cy, int strength, int size);
