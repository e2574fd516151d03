// The running cartoons without their bitmaps: frames, walking paths, what each drew last, and the
// rules of the tick, the hit test and removal. The window side keeps each cartoon's sprite and
// mask at the same index.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "colvane/library/cartoon_file.h"

constexpr int kCartoonLimit = 10;

struct CartoonRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
};

struct Cartoon {
  int32_t group = 0;
  int32_t number = 0;
  int frameWidth = 0;   // W: one frame of the strip
  int stripWidth = 0;   // all frames side by side
  int height = 0;
  int frame = 0;        // the frame drawn next
  std::vector<CartoonPoint> path;  // empty until placed
  size_t next = 0;      // the point drawn next
  uint32_t state = 0;
  CartoonPoint drawnAt;  // where the last frame was drawn
  CartoonRect changed;   // the canvas rectangle the last tick changed (empty: none yet)
};

int FrameCount(const Cartoon& c);
// The frame's rectangle centred on a point (canvas coordinates).
CartoonRect FrameRect(const Cartoon& c, CartoonPoint at);
// The strip column where the frame starts.
int FrameLeft(const Cartoon& c, int frame);

// One tick of a cartoon: where and which frame to draw, if anything.
struct CartoonStep {
  bool draw = false;   // false: no path yet, or the point lies beyond the canvas
  CartoonPoint at;
  int frame = 0;
  CartoonRect area;    // the union of what it covered last and covers now (when drawn)
};
// Takes the next point and frame and advances both (the path loops, the frames restart).
CartoonStep AdvanceCartoon(Cartoon* c, int canvasWidth, int canvasHeight);

// A rectangle cut to the canvas, or empty when it starts beyond the canvas's right or bottom.
CartoonRect CutToCanvas(CartoonRect r, int canvasWidth, int canvasHeight);

class CartoonTable {
 public:
  int Count() const { return static_cast<int>(entries_.size()); }
  bool Full() const { return Count() >= kCartoonLimit; }
  Cartoon& At(int i) { return entries_[static_cast<size_t>(i)]; }
  const Cartoon& At(int i) const { return entries_[static_cast<size_t>(i)]; }
  // A new cartoon without a path; its index, or -1 when the table is full or W is not usable.
  int Add(int32_t group, int32_t number, int frameWidth, int stripWidth, int height);
  // A one-point path at the point.
  void Place(int i, CartoonPoint at);
  // The path read from a file: it is drawn first at its first point.
  void SetPath(int i, std::vector<CartoonPoint> path);
  // Later cartoons move down one place with all that is theirs.
  void Remove(int i);
  void Clear() { entries_.clear(); }
  // The first cartoon, lowest index first, whose current frame covers the point; -1 none.
  int HitTest(CartoonPoint p) const;
  // The placed cartoons as the file keeps them.
  std::vector<CartoonRecord> Records() const;

 private:
  std::vector<Cartoon> entries_;
};
