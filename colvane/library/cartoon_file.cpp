// Reading and writing of the cartoon file kept beside a picture.
#include "colvane/library/cartoon_file.h"

#include "colvane/canvas/picture_block.h"

CartoonDirectory ReadCartoonDirectory(const uint8_t* data, size_t size) {
  CartoonDirectory d;
  if (!data || size < kCartoonHeadSize) return d;
  if (ReadLe16(data) != kCartoonFileMark) return d;
  const size_t count = ReadLe16(data + 2);
  if (count > (size - kCartoonHeadSize) / kCartoonEntrySize) return d;  // checked before anything is allocated
  d.valid = true;
  d.listsStart = kCartoonHeadSize + count * kCartoonEntrySize;
  d.entries.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = data + kCartoonHeadSize + i * kCartoonEntrySize;
    CartoonEntry entry;
    entry.group = static_cast<int32_t>(ReadLe32(e));
    entry.number = static_cast<int32_t>(ReadLe32(e + 4));
    entry.pointCount = ReadLe32(e + 8);
    entry.state = ReadLe32(e + 12);
    entry.listOffset = ReadLe32(e + 16);
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
    (*path)[i].x = static_cast<int32_t>(ReadLe32(p));
    (*path)[i].y = static_cast<int32_t>(ReadLe32(p + 4));
  }
  return true;
}

std::vector<uint8_t> WriteCartoonFile(const std::vector<CartoonRecord>& records) {
  std::vector<const CartoonRecord*> kept;
  size_t points = 0;
  for (const CartoonRecord& r : records)
    if (!r.path.empty() && kept.size() < 0xFFFF) {
      kept.push_back(&r);
      points += r.path.size();
    }
  const size_t listsStart = kCartoonHeadSize + kept.size() * kCartoonEntrySize;
  std::vector<uint8_t> out(listsStart + points * kCartoonPointSize);
  WriteLe16(out.data(), kCartoonFileMark);
  WriteLe16(out.data() + 2, static_cast<uint16_t>(kept.size()));
  uint8_t* entry = out.data() + kCartoonHeadSize;
  size_t offset = listsStart;
  for (const CartoonRecord* r : kept) {
    WriteLe32(entry, static_cast<uint32_t>(r->group));
    WriteLe32(entry + 4, static_cast<uint32_t>(r->number));
    WriteLe32(entry + 8, static_cast<uint32_t>(r->path.size()));
    WriteLe32(entry + 12, r->state);
    WriteLe32(entry + 16, static_cast<uint32_t>(offset));
    entry += kCartoonEntrySize;
    for (const CartoonPoint& p : r->path) {
      WriteLe32(out.data() + offset, static_cast<uint32_t>(p.x));
      WriteLe32(out.data() + offset + 4, static_cast<uint32_t>(p.y));
      offset += kCartoonPointSize;
    }
  }
  return out;
}
