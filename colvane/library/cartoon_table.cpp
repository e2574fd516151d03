// The running cartoons' table: adding, stepping along their paths, hit tests and removal.
#include "colvane/library/cartoon_table.h"

#include <algorithm>
#include <utility>

int FrameCount(const Cartoon& c) { return c.frameWidth > 0 ? c.stripWidth / c.frameWidth : 0; }

CartoonRect FrameRect(const Cartoon& c, CartoonPoint at) {
  // 64-bit sums: path points are any 32-bit values read from a file.
  const int64_t left = static_cast<int64_t>(at.x) - c.frameWidth / 2;
  const int64_t top = static_cast<int64_t>(at.y) - c.height / 2;
  auto clamp = [](int64_t v) { return static_cast<int>(std::min<int64_t>(std::max<int64_t>(v, -(1 << 30)), 1 << 30)); };
  return CartoonRect{clamp(left), clamp(top), clamp(left + c.frameWidth), clamp(top + c.height)};
}

int FrameLeft(const Cartoon& c, int frame) { return frame * c.frameWidth; }

namespace {
CartoonRect Union(const CartoonRect& a, const CartoonRect& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return CartoonRect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                     std::max(a.bottom, b.bottom)};
}
}  // namespace

CartoonStep AdvanceCartoon(Cartoon* c, int canvasWidth, int canvasHeight) {
  CartoonStep step;
  if (c->path.empty()) return step;
  if (c->next >= c->path.size()) c->next = 0;
  const CartoonPoint at = c->path[c->next];
  if (c->frame >= FrameCount(*c)) c->frame = 0;
  if (at.x < canvasWidth && at.y < canvasHeight) {
    step.draw = true;
    step.at = at;
    step.frame = c->frame;
    const CartoonRect now = FrameRect(*c, at);
    step.area = Union(c->changed.Empty() ? CartoonRect{} : FrameRect(*c, c->drawnAt), now);
    c->changed = step.area;
  }
  c->next = c->next + 1 >= c->path.size() ? 0 : c->next + 1;
  c->drawnAt = at;
  ++c->frame;
  return step;
}

CartoonRect CutToCanvas(CartoonRect r, int canvasWidth, int canvasHeight) {
  if (r.left >= canvasWidth || r.top >= canvasHeight) return CartoonRect{};
  r.left = std::max(r.left, 0);
  r.top = std::max(r.top, 0);
  r.right = std::min(r.right, canvasWidth);
  r.bottom = std::min(r.bottom, canvasHeight);
  return r.Empty() ? CartoonRect{} : r;
}

int CartoonTable::Add(int32_t group, int32_t number, int frameWidth, int stripWidth, int height) {
  if (Full() || frameWidth <= 0 || stripWidth < frameWidth || height <= 0) return -1;
  Cartoon c;
  c.group = group;
  c.number = number;
  c.frameWidth = frameWidth;
  c.stripWidth = stripWidth;
  c.height = height;
  entries_.push_back(std::move(c));
  return Count() - 1;
}

void CartoonTable::Place(int i, CartoonPoint at) { SetPath(i, std::vector<CartoonPoint>{at}); }

void CartoonTable::SetPath(int i, std::vector<CartoonPoint> path) {
  if (i < 0 || i >= Count() || path.empty()) return;
  Cartoon& c = At(i);
  c.drawnAt = path.front();
  c.path = std::move(path);
  c.next = 0;
  c.changed = CartoonRect{};
}

void CartoonTable::Remove(int i) {
  if (i >= 0 && i < Count()) entries_.erase(entries_.begin() + i);
}

int CartoonTable::HitTest(CartoonPoint p) const {
  for (int i = 0; i < Count(); ++i) {
    const Cartoon& c = At(i);
    if (c.path.empty()) continue;
    const CartoonPoint at = c.next < c.path.size() ? c.path[c.next] : c.path[0];
    const CartoonRect r = FrameRect(c, at);
    if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) return i;
  }
  return -1;
}

std::vector<CartoonRecord> CartoonTable::Records() const {
  std::vector<CartoonRecord> records;
  for (const Cartoon& c : entries_) {
    if (c.path.empty()) continue;
    CartoonRecord r;
    r.group = c.group;
    r.number = c.number;
    r.state = c.state;
    r.path = c.path;
    records.push_back(std::move(r));
  }
  return records;
}
