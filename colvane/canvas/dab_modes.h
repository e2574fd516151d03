// One dab of a freehand tool: a mask blended into the canvas the way the drawing mode says.
#pragma once
#include "colvane/canvas/dab_masks.h"
#include "colvane/canvas/stroke_target.h"

// Blends one dab centred at (x, y) into target.canvas (no repaint; the caller flushes) and clears
// state->firstDab. Only pixels inside target.clip change.
void Dab(StrokeState* state, const DabMasks& masks, const StrokeTarget& target, double x, double y);
