// Fuzzes the cartoon file reader as the program uses it: the directory, then the paths of the
// first ten entries that hold one; what is read is written again and must read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "colvane/library/cartoon_file.h"
#include "colvane/library/cartoon_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CartoonDirectory d = ReadCartoonDirectory(data, size);
  if (!d.valid) return 0;
  if (d.listsStart != d.entries.size() * kCartoonEntrySize + kCartoonHeadSize || d.listsStart > size) abort();
  CartoonTable table;
  std::vector<CartoonPoint> path;
  for (const CartoonEntry& e : d.entries) {
    if (table.Full()) break;
    if (!ReadCartoonPath(data, size, d, e, &path)) continue;
    if (path.size() * kCartoonPointSize > size - d.listsStart) abort();  // never more than the lists hold
    const int i = table.Add(e.group, e.number, 16, 64, 16);
    table.SetPath(i, path);
    for (int k = 0; k < 3; ++k) AdvanceCartoon(&table.At(i), 640, 480);
  }
  for (int k = 0; k < table.Count(); ++k) table.HitTest(table.At(k).path[0]);
  const std::vector<CartoonRecord> records = table.Records();
  const std::vector<uint8_t> again = WriteCartoonFile(records);
  const CartoonDirectory back = ReadCartoonDirectory(again.data(), again.size());
  if (!back.valid || back.entries.size() != records.size()) abort();
  for (size_t i = 0; i < records.size(); ++i) {
    if (!ReadCartoonPath(again.data(), again.size(), back, back.entries[i], &path)) abort();
    if (path.size() != records[i].path.size() || back.entries[i].group != records[i].group) abort();
    for (size_t k = 0; k < path.size(); ++k)
      if (path[k].x != records[i].path[k].x || path[k].y != records[i].path[k].y) abort();
  }
  return 0;
}
