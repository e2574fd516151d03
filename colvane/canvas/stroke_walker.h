// The stroke walker: lays dabs at a fixed spacing along the segment between two mouse points,
// carrying the leftover distance into the next segment so the density ignores mouse speed.
//
// Use: SetStrokeSize when a tool or size is chosen (after the drawing mode is set); BeginStroke
// on the press of a free stroke; ContinueStroke on every drag and airbrush tick; Walk from the
// line start to the release point for a straight line. Push the returned rectangle's rows to the
// screen.
#pragma once
#include "colvane/canvas/changed_rect.h"
#include "colvane/canvas/dab_masks.h"
#include "colvane/canvas/stroke_target.h"

// Lays the dabs of the segment (x0, y0) -> (x1, y1) in canvas pixels and sets the last point to
// (x1, y1). Equal ends lay one dab there and reset the carried distance (the start of every free
// stroke, and each airbrush tick). Returns the rectangle to repaint (nothing when the segment was
// too short for a dab), widened by the dab margin and cut to the clip's area.
ChangedRect Walk(StrokeState* state, const DabMasks& masks, const StrokeTarget& target, int x0, int y0,
                 int x1, int y1);

// The press of a free stroke: one dab at the point, carried distance reset.
inline ChangedRect BeginStroke(StrokeState* state, const DabMasks& masks, const StrokeTarget& target,
                               int x, int y) {
  return Walk(state, masks, target, x, y, x, y);
}

// A drag of a free stroke: walk on from the last point.
inline ChangedRect ContinueStroke(StrokeState* state, const DabMasks& masks, const StrokeTarget& target,
                                  int x, int y) {
  return Walk(state, masks, target, state->lastX, state->lastY, x, y);
}
