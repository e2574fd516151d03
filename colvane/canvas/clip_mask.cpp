// Clip mask built from a rectangle list.
#include "colvane/canvas/clip_mask.h"

#include <algorithm>
#include <cstring>

void ClipMask::SetAll(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  all_ = true;
  bounds_ = {0, 0, width_, height_};
  mask_.clear();
}

void ClipMask::SetRects(int width, int height, const std::vector<ClipRect>& rects) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  all_ = false;
  mask_.assign(static_cast<size_t>(width_) * height_, 0);
  bounds_ = {width_, height_, 0, 0};
  for (const ClipRect& r : rects) {
    int l = std::max(r.left, 0), t = std::max(r.top, 0);
    int rt = std::min(r.right, width_), b = std::min(r.bottom, height_);
    if (l >= rt || t >= b) continue;
    for (int y = t; y < b; ++y) std::memset(&mask_[static_cast<size_t>(y) * width_ + l], 1, rt - l);
    bounds_.left = std::min(bounds_.left, l);
    bounds_.top = std::min(bounds_.top, t);
    bounds_.right = std::max(bounds_.right, rt);
    bounds_.bottom = std::max(bounds_.bottom, b);
  }
  if (bounds_.left >= bounds_.right) bounds_ = {0, 0, 0, 0};
}
