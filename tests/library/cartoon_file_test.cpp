// The cartoon file: what the writer makes, what the reader takes back, and every way a file on
// disk can be cut short or lie about its counts and offsets.
#include <gtest/gtest.h>

#include <cstring>

#include "colvane/library/cartoon_file.h"

namespace {

std::vector<CartoonRecord> ThreeCartoons() {
  std::vector<CartoonRecord> r(3);
  r[0].group = 1, r[0].number = 2, r[0].path = {{100, 200}};
  r[1].group = 1, r[1].number = 6, r[1].state = 7, r[1].path = {{-5, 3}, {10, 20}, {2147483647, -2147483647 - 1}};
  r[2].group = 3, r[2].number = 1, r[2].path = {{639, 479}};
  return r;
}

void Put32(std::vector<uint8_t>* f, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) (*f)[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

struct Loaded {
  CartoonDirectory directory;
  std::vector<std::vector<CartoonPoint>> paths;  // empty for entries whose list was refused
};

Loaded Load(const std::vector<uint8_t>& f) {
  Loaded l;
  l.directory = ReadCartoonDirectory(f.data(), f.size());
  for (const CartoonEntry& e : l.directory.entries) {
    std::vector<CartoonPoint> p;
    ReadCartoonPath(f.data(), f.size(), l.directory, e, &p);
    l.paths.push_back(p);
  }
  return l;
}

}  // namespace

TEST(CartoonFile, RoundTripKeepsEveryField) {
  const std::vector<CartoonRecord> records = ThreeCartoons();
  const std::vector<uint8_t> f = WriteCartoonFile(records);
  ASSERT_EQ(f.size(), 4u + 3 * 20 + 5 * 8);
  EXPECT_EQ(f[0], 0x0D);
  EXPECT_EQ(f[1], 0x0D);
  EXPECT_EQ(f[2], 3);
  EXPECT_EQ(f[3], 0);
  // The first list starts right after the directory, the next where the first ends.
  EXPECT_EQ(f[4 + 16], 64);
  EXPECT_EQ(f[4 + 20 + 16], 72);
  EXPECT_EQ(f[4 + 40 + 16], 96);
  const Loaded l = Load(f);
  ASSERT_TRUE(l.directory.valid);
  ASSERT_EQ(l.directory.entries.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(l.directory.entries[i].group, records[i].group);
    EXPECT_EQ(l.directory.entries[i].number, records[i].number);
    EXPECT_EQ(l.directory.entries[i].state, records[i].state);
    ASSERT_EQ(l.paths[i].size(), records[i].path.size());
    for (size_t k = 0; k < l.paths[i].size(); ++k) {
      EXPECT_EQ(l.paths[i][k].x, records[i].path[k].x);
      EXPECT_EQ(l.paths[i][k].y, records[i].path[k].y);
    }
  }
}

TEST(CartoonFile, NoCartoonsIsAHeadSayingZero) {
  const std::vector<uint8_t> f = WriteCartoonFile({});
  ASSERT_EQ(f.size(), 4u);
  const CartoonDirectory d = ReadCartoonDirectory(f.data(), f.size());
  EXPECT_TRUE(d.valid);
  EXPECT_TRUE(d.entries.empty());
  // A record without a point (a cartoon taken but not placed) is not written.
  std::vector<CartoonRecord> r(1);
  EXPECT_EQ(WriteCartoonFile(r).size(), 4u);
}

TEST(CartoonFile, EveryCutGivesWholeListsOnly) {
  const std::vector<uint8_t> whole = WriteCartoonFile(ThreeCartoons());
  for (size_t n = 0; n < whole.size(); ++n) {
    const std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(n));
    const Loaded l = Load(cut);
    // A head cut short, or a directory the file no longer holds whole: refused.
    if (n < 4 + 3 * 20) {
      EXPECT_FALSE(l.directory.valid) << n;
      EXPECT_TRUE(l.directory.entries.empty()) << n;
      continue;
    }
    ASSERT_EQ(l.directory.entries.size(), 3u) << n;
    for (size_t i = 0; i < l.paths.size(); ++i) {
      const CartoonEntry& e = l.directory.entries[i];
      const bool fits = e.listOffset + e.pointCount * 8ull <= n;
      EXPECT_EQ(l.paths[i].size(), fits ? e.pointCount : 0u) << n << " entry " << i;
    }
  }
}

TEST(CartoonFile, HostileHeadsCountsAndOffsets) {
  std::vector<uint8_t> f = WriteCartoonFile(ThreeCartoons());
  // Wrong mark: nothing.
  std::vector<uint8_t> bad = f;
  bad[0] = 0x0C;
  EXPECT_FALSE(ReadCartoonDirectory(bad.data(), bad.size()).valid);
  EXPECT_FALSE(ReadCartoonDirectory(nullptr, 0).valid);
  // A count whose directory the file does not hold: refused before anything is allocated.
  bad = f;
  bad[2] = 0xFF, bad[3] = 0xFF;
  CartoonDirectory d = ReadCartoonDirectory(bad.data(), bad.size());
  EXPECT_FALSE(d.valid);
  EXPECT_TRUE(d.entries.empty());
  // A smaller count than the lists would allow: the lists then start inside nothing declared.
  bad = f;
  bad[2] = 1;
  d = ReadCartoonDirectory(bad.data(), bad.size());
  ASSERT_EQ(d.entries.size(), 1u);
  EXPECT_EQ(d.listsStart, 24u);
  // A huge point count, an offset past the end, an offset that would wrap: refused, no allocation.
  std::vector<CartoonPoint> path;
  for (uint32_t count : {0u, 0xFFFFFFFFu, 0x20000000u, 6u}) {
    bad = f;
    Put32(&bad, 4 + 8, count);
    d = ReadCartoonDirectory(bad.data(), bad.size());
    EXPECT_FALSE(ReadCartoonPath(bad.data(), bad.size(), d, d.entries[0], &path)) << count;
    EXPECT_TRUE(path.empty());
  }
  for (uint32_t offset : {static_cast<uint32_t>(f.size()), static_cast<uint32_t>(f.size() - 4), 0xFFFFFFF8u}) {
    bad = f;
    Put32(&bad, 4 + 16, offset);
    d = ReadCartoonDirectory(bad.data(), bad.size());
    EXPECT_FALSE(ReadCartoonPath(bad.data(), bad.size(), d, d.entries[0], &path)) << offset;
  }
  // A list that ends exactly at the end of the file is whole.
  bad = f;
  Put32(&bad, 4 + 16, static_cast<uint32_t>(f.size() - 8));
  d = ReadCartoonDirectory(bad.data(), bad.size());
  ASSERT_TRUE(ReadCartoonPath(bad.data(), bad.size(), d, d.entries[0], &path));
  EXPECT_EQ(path[0].x, 639);
  // A list starting inside the head or the directory is no list.
  for (uint32_t offset : {0u, 4u, 63u}) {
    bad = f;
    Put32(&bad, 4 + 16, offset);
    d = ReadCartoonDirectory(bad.data(), bad.size());
    EXPECT_FALSE(ReadCartoonPath(bad.data(), bad.size(), d, d.entries[0], &path)) << offset;
  }
  // Two cartoons sharing one list both read it.
  bad = f;
  Put32(&bad, 4 + 20 + 16, 64);
  Put32(&bad, 4 + 20 + 8, 1);
  d = ReadCartoonDirectory(bad.data(), bad.size());
  ASSERT_TRUE(ReadCartoonPath(bad.data(), bad.size(), d, d.entries[1], &path));
  EXPECT_EQ(path[0].x, 100);
}
