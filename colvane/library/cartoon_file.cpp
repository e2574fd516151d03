#include "colvane/library/cartoon_file.h"

namespace {

uint32_t Read32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

void Put16(std::vector<uint8_t>* out, uint32_t v) {
  out->push_back(static_cast<uint8_t>(v));
  out->push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>* out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

CartoonDirectory ReadCartoonDirectory(const uint8_t* data, size_t size) {
  CartoonDirectory d;
  if (!data || size < kCartoonHeadSize) return d;
  if ((data[0] | data[1] << 8) != kCartoonFileMark) return d;
  const size_t count = static_cast<size_t>(data[2] | data[3] << 8);
  if (count > (size - kCartoonHeadSize) / kCartoonEntrySize) return d;  // checked before anything is allocated
  d.valid = true;
  d.listsStart = kCartoonHeadSize + count * kCartoonEntrySize;
  d.entries.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = data + kCartoonHeadSize + i * kCartoonEntrySize;
    CartoonEntry entry;
    entry.group = static_cast<int32_t>(Read32(e));
    entry.number = static_cast<int32_t>(Read32(e + 4));
    entry.pointCount = Read32(e + 8);
    entry.state = Read32(e + 12);
    entry.listOffset = Read32(e + 16);
    d.entries.push_back(entry);
  }
  return d;
}

bool ReadCartoonPath(const uint8_t* data, size_t size, const CartoonDirectory& directory, const CartoonEntry& entry,
                     std::vector<CartoonPoint>* path) {
  path->clear();
  if (!data || !directory.valid || entry.pointCount == 0 || entry.listOffset < directory.listsStart ||
      entry.listOffset > size)
    return false;
  // Counted in points so that no product can wrap: the list must end inside the file.
  if (entry.pointCount > (size - entry.listOffset) / kCartoonPointSize) return false;
  path->resize(entry.pointCount);
  const uint8_t* p = data + entry.listOffset;
  for (uint32_t i = 0; i < entry.pointCount; ++i, p += kCartoonPointSize) {
    (*path)[i].x = static_cast<int32_t>(Read32(p));
    (*path)[i].y = static_cast<int32_t>(Read32(p + 4));
  }
  return true;
}

std::vector<uint8_t> WriteCartoonFile(const std::vector<CartoonRecord>& records) {
  std::vector<const CartoonRecord*> kept;
  for (const CartoonRecord& r : records)
    if (!r.path.empty() && kept.size() < 0xFFFF) kept.push_back(&r);
  std::vector<uint8_t> out;
  Put16(&out, kCartoonFileMark);
  Put16(&out, static_cast<uint32_t>(kept.size()));
  uint64_t offset = kCartoonHeadSize + kept.size() * kCartoonEntrySize;
  for (const CartoonRecord* r : kept) {
    Put32(&out, static_cast<uint32_t>(r->group));
    Put32(&out, static_cast<uint32_t>(r->number));
    Put32(&out, static_cast<uint32_t>(r->path.size()));
    Put32(&out, r->state);
    Put32(&out, static_cast<uint32_t>(offset));
    offset += r->path.size() * kCartoonPointSize;
  }
  for (const CartoonRecord* r : kept)
    for (const CartoonPoint& p : r->path) {
      Put32(&out, static_cast<uint32_t>(p.x));
      Put32(&out, static_cast<uint32_t>(p.y));
    }
  return out;
}
