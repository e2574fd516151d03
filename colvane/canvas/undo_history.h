// The undo steps kept when a grown-up allows more than one: each step is the rectangle one change
// touched, walked back and forth by swapping it with the picture. Pure.
//
// The caller keeps a base picture beside the picture: the picture as it stood when the change
// under way began. CloseUndoStep compares the two and keeps what differs as a step (the base then
// catches up), so a step costs only the pixels its change touched. StepBack and StepForward close
// the change under way first, then swap one step's rectangle into the picture and the base.
#pragma once
#include <cstddef>
#include <deque>

#include "colvane/canvas/picture_block.h"
#include "colvane/canvas/pixel_view.h"

constexpr int kMaxUndoSteps = 20;
// Bytes all kept steps hold together at most; the oldest steps go first beyond it. A change of the
// whole 640 x 480 picture takes 921,600 bytes, so at least nine such changes always fit.
constexpr size_t kUndoHistoryBytes = size_t{8} << 20;

// Canvas pixels, rows counted from the top; right and bottom exclusive.
struct UndoArea {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Empty() const { return left >= right || top >= bottom; }
};

struct UndoStep {
  UndoArea area;
  Block pixels;  // the area's pixels that are not on the picture now, top row first, 3 bytes each
};

struct UndoHistory {
  std::deque<UndoStep> steps;  // oldest first
  size_t position = 0;         // steps before it are behind the picture, the rest ahead of it
  size_t bytes = 0;            // pixel bytes of all steps
  int limit = kMaxUndoSteps;   // steps kept
};

// The smallest rectangle holding every pixel where the two pictures differ (empty when they are
// the same or are not of one size).
UndoArea ChangedArea(const PixelView& base, const PixelView& picture);
// The change from `base` to `picture` becomes the newest step (dropping the steps ahead, then the
// oldest beyond the limit and the byte cap) and `base` takes it on. Nothing happens when nothing
// changed. Without memory for the step every step goes, as older ones would no longer fit.
// True when a step was kept.
bool CloseUndoStep(UndoHistory* history, PixelView base, const PixelView& picture);
// One step back or forward; the rectangle swapped, empty when there was no step that way.
UndoArea StepBack(UndoHistory* history, PixelView base, PixelView picture);
UndoArea StepForward(UndoHistory* history, PixelView base, PixelView picture);
// Every step goes: another picture was opened.
void ClearUndoHistory(UndoHistory* history);
// The number of steps kept, cut to 1..kMaxUndoSteps; every step goes.
void SetUndoHistoryLimit(UndoHistory* history, int steps);
