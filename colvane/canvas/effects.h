// The three picture effects: blur, sharpen and emboss as 3 x 3 convolutions of the undo snapshot.
#pragma once
#include "colvane/canvas/clip_mask.h"
#include "colvane/canvas/pixel_view.h"

enum PictureEffect { kEffectBlur = 1, kEffectSharpen = 2, kEffectEmboss = 3 };

// Writes into `canvas` the effect computed from `snapshot` (same size, not the same pixels), for
// every pixel inside the clip. A neighbour outside the clip or the canvas counts as a copy of the
// centre pixel. 0 for an unknown effect number (nothing changes).
int ApplyPictureEffect(int effect, PixelView* canvas, const PixelView& snapshot, const ClipMask& clip);
