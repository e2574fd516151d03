// Undo steps as changed rectangles, swapped between the picture and the history.
#include "colvane/canvas/undo_history.h"

#include <algorithm>
#include <cstring>

namespace {

bool SameShape(const PixelView& a, const PixelView& b) {
  return a.bits && b.bits && a.width == b.width && a.height == b.height && a.width > 0 && a.height > 0;
}

size_t AreaBytes(const UndoArea& a) {
  return static_cast<size_t>(a.right - a.left) * 3 * static_cast<size_t>(a.bottom - a.top);
}

// The area's pixels of `from` into the step (top row first).
void Keep(const PixelView& from, const UndoArea& a, uint8_t* to) {
  const size_t row = static_cast<size_t>(a.right - a.left) * 3;
  for (int y = a.top; y < a.bottom; ++y, to += row) std::memcpy(to, from.At(a.left, y), row);
}

// The area's pixels of `from` over `to`.
void CopyArea(const PixelView& from, const UndoArea& a, PixelView to) {
  const size_t row = static_cast<size_t>(a.right - a.left) * 3;
  for (int y = a.top; y < a.bottom; ++y) std::memcpy(to.At(a.left, y), from.At(a.left, y), row);
}

// The step's pixels and the picture's trade places; the base follows the picture.
UndoArea Swap(UndoStep* step, PixelView base, PixelView picture) {
  const UndoArea& a = step->area;
  const size_t row = static_cast<size_t>(a.right - a.left) * 3;
  uint8_t* kept = step->pixels.Data();
  for (int y = a.top; y < a.bottom; ++y, kept += row) std::swap_ranges(kept, kept + row, picture.At(a.left, y));
  CopyArea(picture, a, base);
  return a;
}

// Only ever a step behind the picture: the steps ahead hang on the one before them.
void DropOldest(UndoHistory* h) {
  h->bytes -= h->steps.front().pixels.size;
  h->steps.pop_front();
  --h->position;
}

void DropAhead(UndoHistory* h) {
  while (h->steps.size() > h->position) {
    h->bytes -= h->steps.back().pixels.size;
    h->steps.pop_back();
  }
}

}  // namespace

UndoArea ChangedArea(const PixelView& base, const PixelView& picture) {
  UndoArea a;
  if (!SameShape(base, picture)) return a;
  const size_t row = static_cast<size_t>(base.width) * 3;
  int left = base.width, right = 0, top = -1, bottom = -1;
  for (int y = 0; y < base.height; ++y) {
    const uint8_t* b = base.Row(y);
    const uint8_t* p = picture.Row(y);
    if (std::memcmp(b, p, row) == 0) continue;
    if (top < 0) top = y;
    bottom = y;
    size_t first = 0, last = row - 1;
    while (b[first] == p[first]) ++first;
    while (b[last] == p[last]) --last;
    left = std::min(left, static_cast<int>(first / 3));
    right = std::max(right, static_cast<int>(last / 3) + 1);
  }
  if (top < 0) return a;
  a.left = left;
  a.top = top;
  a.right = right;
  a.bottom = bottom + 1;
  return a;
}

bool CloseUndoStep(UndoHistory* h, PixelView base, const PixelView& picture) {
  const UndoArea a = ChangedArea(base, picture);
  if (a.Empty()) return false;
  DropAhead(h);
  UndoStep step;
  step.area = a;
  const bool kept = AllocateBlock(&step.pixels, AreaBytes(a)) != 0;
  if (kept) {
    Keep(base, a, step.pixels.Data());
    h->bytes += step.pixels.size;
    h->steps.push_back(std::move(step));
    h->position = h->steps.size();
  } else {
    ClearUndoHistory(h);
  }
  CopyArea(picture, a, base);
  while (!h->steps.empty() &&
         (h->steps.size() > static_cast<size_t>(h->limit) || h->bytes > kUndoHistoryBytes))
    DropOldest(h);
  return kept && !h->steps.empty();
}

UndoArea StepBack(UndoHistory* h, PixelView base, PixelView picture) {
  CloseUndoStep(h, base, picture);
  if (h->position == 0 || !SameShape(base, picture)) return UndoArea{};
  --h->position;
  return Swap(&h->steps[h->position], base, picture);
}

UndoArea StepForward(UndoHistory* h, PixelView base, PixelView picture) {
  CloseUndoStep(h, base, picture);
  if (h->position >= h->steps.size() || !SameShape(base, picture)) return UndoArea{};
  return Swap(&h->steps[h->position++], base, picture);
}

void ClearUndoHistory(UndoHistory* h) {
  h->steps.clear();
  h->position = 0;
  h->bytes = 0;
}

void SetUndoHistoryLimit(UndoHistory* h, int steps) {
  h->limit = std::clamp(steps, 1, kMaxUndoSteps);
  ClearUndoHistory(h);
}
