// Random writes, changes and deletes checked against a std::map model: thousands of records
// through splits, merges, shares and root collapses in four indexes of mixed segments.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "grouplink/isam/format.h"
#include "grouplink/isam/key.h"
#include "grouplink/isam/memory_seam.h"
#include "tests/grouplink/isam_test_util.h"

namespace {

const IsamIndexDef kDefs[] = {
    MakeDef({{0, kLongAt, 200}}),                         // C = 4: deep trees
    MakeDef({{1 | 0x80, kNumberAt, 4}}),                  // descending number
    MakeDef({{4, kValueAt, 8}, {0, kNameAt, 30}}),        // double, then string
    MakeDef({{0x80, kNameAt, 12}, {1, kNumberAt, 4}}),    // mixed directions
};

struct Model {
  std::map<uint32_t, TestRecord> records;                 // live records by offset
  std::map<std::vector<uint8_t>, uint32_t> index[4];      // key -> offset; the first writer keeps a key
  std::vector<uint8_t> Key(int i, const TestRecord& r) const {
    IndexSlot slot = {};
    slot.count = uint32_t(kDefs[i].count);
    std::copy(kDefs[i].segment, kDefs[i].segment + 8, slot.segment);
    CheckDefinition(slot.count, slot.segment, kRecordSize, &slot.entryLength);
    std::vector<uint8_t> k(slot.entryLength - 4);
    BuildKey(slot, r.bytes, k.data());
    return k;
  }
  // Moves `off` from `before` to `after` in every index whose key differs (null: none).
  void Rekey(uint32_t off, const TestRecord* before, const TestRecord* after) {
    for (int i = 0; i < 4; ++i) {
      if (before && after && Key(i, *before) == Key(i, *after)) continue;
      auto it = before ? index[i].find(Key(i, *before)) : index[i].end();
      if (it != index[i].end() && it->second == off) index[i].erase(it);
      if (after) index[i].emplace(Key(i, *after), off);
    }
    if (after) {
      records[off] = *after;
    } else {
      records.erase(off);
    }
  }
};

void ExpectIndexMatches(int h, const Model& m, int i) {
  ASSERT_EQ(IsamSelectIndex(h, &kDefs[i]), 0);
  std::vector<uint32_t> forward, backward, want;
  for (const TestRecord& r : ScanForward(h)) forward.push_back(Get32(r.bytes));
  TestRecord r = {};
  EXPECT_EQ(IsamRead(h, r.bytes, 0, kIsamPastEnd), kIsamPastLast);
  while (IsamRead(h, r.bytes, 0, kIsamPrevious) == 0) backward.insert(backward.begin(), Get32(r.bytes));
  for (const auto& kv : m.index[i]) want.push_back(kv.second);
  ASSERT_EQ(forward, want) << "index " << i;
  ASSERT_EQ(backward, want) << "index " << i;
  for (const auto& kv : m.records) {  // exact reads find the record holding each key
    TestRecord probe = kv.second;
    auto it = m.index[i].find(m.Key(i, probe));
    int rc = IsamRead(h, probe.bytes, 0, kIsamExact);
    ASSERT_EQ(rc, it == m.index[i].end() ? kIsamKeyNotFound : 0);
    ASSERT_TRUE(rc || std::memcmp(probe.bytes, m.records.at(it->second).bytes, kRecordSize) == 0);
  }
}

void RunSequence(unsigned seed, int steps, int spread) {
  std::mt19937 rng(seed);
  auto pick = [&](int n) { return int(rng() % unsigned(n)); };
  MemoryFiles().clear();
  IsamUseFileSeam(MemoryFileSeam());
  int h = IsamBuild("model", kRecordSize);
  for (const IsamIndexDef& d : kDefs) ASSERT_EQ(IsamAddIndex(h, &d), 0);
  Model m;
  for (int step = 0; step < steps; ++step) {
    // Grow for the first 60 %, then shrink most of the way, changing keys throughout.
    int op = pick(10);
    TestRecord r = MakeRecord("n" + std::to_string(pick(97)), pick(spread) - spread / 2,
                              "L" + std::to_string(pick(spread)), pick(spread) * 0.5);
    if (m.records.empty() || op < (step < steps * 6 / 10 ? 6 : 2)) {
      ASSERT_EQ(IsamWrite(h, r.bytes), 0);
      m.Rekey(Get32(r.bytes), nullptr, &r);
    } else {
      auto it = std::next(m.records.begin(), pick(int(m.records.size())));
      uint32_t off = it->first;
      if (op < 8) {
        ASSERT_EQ(IsamDelete(h, it->second.bytes), 0);
        m.Rekey(off, &it->second, nullptr);
      } else {
        Put32(r.bytes, off);
        ASSERT_EQ(IsamChange(h, r.bytes), 0);
        TestRecord before = it->second;
        m.Rekey(off, &before, &r);
      }
    }
    if (step % 700 == 0 || step == steps - 1) {
      std::string problem;
      ASSERT_EQ(IsamVerify(h, &problem), 0) << "step " << step << ": " << problem;
      for (int i = 0; i < 4; ++i) ExpectIndexMatches(h, m, i);
    }
  }
  ASSERT_EQ(IsamClose(h), 0);
  ASSERT_EQ(h = IsamOpen("model"), 0);
  for (int i = 0; i < 4; ++i) ExpectIndexMatches(h, m, i);
  IsamClose(h);
  IsamUseFileSeam(nullptr);
}

TEST(IsamModel, WideKeysThroughManySplitsAndMerges) { RunSequence(1, 6000, 4000); }
TEST(IsamModel, CrowdedKeysWithManyDuplicates) { RunSequence(2, 4000, 60); }

}  // namespace
