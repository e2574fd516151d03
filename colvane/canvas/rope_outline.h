// The selection's outline walked along its edge, so the marching frame can lay its dashes by
// distance along the edge: as long on a slant as across or down, whatever the rope's shape.
//
// Use: TraceOutline when the selection changes; on every frame step colour each pixel by
// DashIndex of its distance and the step's phase.
#pragma once
#include <vector>

#include "colvane/canvas/clip_mask.h"

struct OutlinePixel {
  int x, y;     // canvas pixel: inside the selection, beside a pixel that is not
  float along;  // distance along the edge from where its walk began; a diagonal step is sqrt 2
};

// The edge pixels of the clip's selection, each once, in walking order (clockwise from the top
// left of each piece of edge). Empty when the clip holds its whole area (no selection).
std::vector<OutlinePixel> TraceOutline(const ClipMask& clip);

// The dash pattern has 8 places a pixel long; after `phase` steps (0..7) the pattern has moved
// that many pixels along the edge.
inline int DashIndex(float along, int phase) {
  int i = (static_cast<int>(along) - phase) % 8;
  return i < 0 ? i + 8 : i;
}
