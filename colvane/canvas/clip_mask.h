// Which canvas pixels a tool may change: the whole visible canvas, or the pixels of a clip
// region handed over as the rectangles GDI reports for it (so GDI decides every pixel).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct ClipRect {
  int left, top, right, bottom;  // right and bottom exclusive, canvas coordinates
};

class ClipMask {
 public:
  // Every pixel of a width x height area is allowed (no selection).
  void SetAll(int width, int height);
  // Only the pixels of the rectangles, cut to width x height.
  void SetRects(int width, int height, const std::vector<ClipRect>& rects);

  bool Contains(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    return all_ || mask_[static_cast<size_t>(y) * width_ + x] != 0;
  }
  // One byte per pixel of row y (1 = inside), or null when every pixel of the area is inside.
  const uint8_t* Row(int y) const { return all_ ? nullptr : &mask_[static_cast<size_t>(y) * width_]; }
  bool IsAll() const { return all_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Bounding box of the allowed pixels (empty when none).
  ClipRect Bounds() const { return bounds_; }

 private:
  int width_ = 0, height_ = 0;
  bool all_ = true;
  ClipRect bounds_{0, 0, 0, 0};
  std::vector<uint8_t> mask_;
};
