// What a stroke paints into and with (canvas, clip, mode, colours, grain, area picture), and the
// state that runs on from dab to dab (carried distance, last point, toothpaste shading).
#pragma once
#include <cstdint>
#include <vector>

#include "colvane/canvas/clip_mask.h"
#include "colvane/canvas/pixel_view.h"

struct StrokeTexture;

struct StrokeTarget {
  PixelView canvas;                       // the canvas image's pixels
  // Pixels that may change, sized to the visible canvas (paperWidth x paperHeight): SetAll without
  // a rope selection, SetRects with the selection's rectangles. Required.
  const ClipMask* clip = nullptr;
  int drawingMode = 0;
  uint32_t foreground = 0;                // COLORREF
  uint32_t background = 0xFFFFFF;         // COLORREF
  const StrokeTexture* texture = nullptr; // null or off: no grain
  const PixelView* areaPicture = nullptr; // the picture eraser's tiles; null: mode 20 paints nothing
  bool* pictureModified = nullptr;         // set by every walk and stamp when not null
};

struct StrokeState {
  double carried = 0;       // distance of the last segment too short for another dab
  int lastX = -1, lastY = -1;
  int firstDab = 0;         // set before the first dab of each walk, cleared by every dab
  double hue = 0;           // toothpaste colour of the current walk
  double saturation = 0;
  std::vector<uint8_t> shadeCache;  // D x D toothpaste colours (blue, green, red), filled by the first dab
  std::vector<uint8_t> markerTable;  // marker results by weight, channel and old byte for markerInk
  uint32_t markerInk = 0;
  int markerMaxWeight = 0;
  bool markerArithmetic = false;  // the table's bytes follow from integer arithmetic
};
