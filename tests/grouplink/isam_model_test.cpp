// Random write, change and delete sequences checked against a model after every step:
// thousands of records through splits, merges, shares and root collapses in four indexes.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "grouplink/isam/format.h"
#include "grouplink/isam/key.h"
#include "grouplink/isam/memory_seam.h"
#include "tests/grouplink/isam_test_util.h"

namespace {

// Index 0: 200-byte string, C = 4 (deep trees). 1: number descending. 2: double then name.
// 3: name descending then number (two segments, mixed directions).
const IsamIndexDef kDefs[] = {
    MakeDef({{0, kLongAt, 200}}),
    MakeDef({{1 | 0x80, kNumberAt, 4}}),
    MakeDef({{4, kValueAt, 8}, {0, kNameAt, 30}}),
    MakeDef({{0 | 0x80, kNameAt, 12}, {1, kNumberAt, 4}}),
};
constexpr int kIndexes = 4;

struct Model {
  std::map<uint32_t, TestRecord> records;               // offset -> live record
  std::map<std::vector<uint8_t>, uint32_t> index[kIndexes];  // key -> offset
  IndexSlot slots[kIndexes];

  std::vector<uint8_t> KeyOf(int i, const TestRecord& r) const {
    std::vector<uint8_t> k(slots[i].entryLength - 4);
    BuildKey(slots[i], r.bytes, k.data());
    return k;
  }
  void Add(uint32_t off, const TestRecord& r) {
    records[off] = r;
    for (int i = 0; i < kIndexes; ++i) index[i].emplace(KeyOf(i, r), off);
  }
  void Remove(uint32_t off) {
    const TestRecord& r = records.at(off);
    for (int i = 0; i < kIndexes; ++i) {
      auto it = index[i].find(KeyOf(i, r));
      if (it != index[i].end() && it->second == off) index[i].erase(it);
    }
    records.erase(off);
  }
  void Change(uint32_t off, const TestRecord& r) {
    const TestRecord old = records.at(off);
    records[off] = r;
    for (int i = 0; i < kIndexes; ++i) {
      std::vector<uint8_t> before = KeyOf(i, old), after = KeyOf(i, r);
      if (before == after) continue;
      auto it = index[i].find(before);
      if (it != index[i].end() && it->second == off) index[i].erase(it);
      index[i].emplace(after, off);
    }
  }
};

TestRecord RandomRecord(std::mt19937& rng, int spread) {
  std::uniform_int_distribution<int> pick(0, spread);
  std::string longName = "L" + std::to_string(pick(rng));
  return MakeRecord("n" + std::to_string(pick(rng) % 97), pick(rng) - spread / 2, longName, pick(rng) * 0.5);
}

void ExpectIndexMatches(int h, const Model& m, int i) {
  ASSERT_EQ(IsamSelectIndex(h, &kDefs[i]), 0);
  std::vector<TestRecord> got = ScanForward(h);
  ASSERT_EQ(got.size(), m.index[i].size()) << "index " << i;
  auto it = m.index[i].begin();
  for (const TestRecord& r : got) {
    ASSERT_EQ(Get32(r.bytes), it->second) << "index " << i;
    ASSERT_EQ(0, std::memcmp(r.bytes, m.records.at(it->second).bytes, kRecordSize));
    ++it;
  }
  // Backwards from past the end.
  TestRecord r = {};
  ASSERT_EQ(IsamRead(h, r.bytes, 0, kIsamPastEnd), kIsamPastLast);
  for (auto back = m.index[i].rbegin(); back != m.index[i].rend(); ++back) {
    ASSERT_EQ(IsamRead(h, r.bytes, 0, kIsamPrevious), 0);
    ASSERT_EQ(Get32(r.bytes), back->second);
  }
  ASSERT_EQ(IsamRead(h, r.bytes, 0, kIsamPrevious), kIsamBeforeFirst);
}

void RunSequence(unsigned seed, int steps, int spread) {
  std::mt19937 rng(seed);
  MemoryFiles().clear();
  IsamUseFileSeam(MemoryFileSeam());
  int h = IsamBuild("model", kRecordSize);
  ASSERT_EQ(h, 0);
  Model m;
  for (int i = 0; i < kIndexes; ++i) {
    ASSERT_EQ(IsamAddIndex(h, &kDefs[i]), 0);
    CheckDefinition(uint32_t(kDefs[i].count), kDefs[i].segment, kRecordSize, &m.slots[i].entryLength);
    m.slots[i].count = uint32_t(kDefs[i].count);
    for (int s = 0; s < 8; ++s) m.slots[i].segment[s] = kDefs[i].segment[s];
  }
  // Grow to a few thousand records, then shrink most of the way, changing keys throughout.
  for (int step = 0; step < steps; ++step) {
    bool growing = step < steps * 6 / 10;
    int op = std::uniform_int_distribution<int>(0, 9)(rng);
    if (m.records.empty() || (growing ? op < 6 : op < 2)) {
      TestRecord r = RandomRecord(rng, spread);
      ASSERT_EQ(IsamWrite(h, r.bytes), 0);
      m.Add(Get32(r.bytes), r);
    } else {
      auto it = m.records.begin();
      std::advance(it, std::uniform_int_distribution<size_t>(0, m.records.size() - 1)(rng));
      uint32_t off = it->first;
      if (op < 8) {
        ASSERT_EQ(IsamDelete(h, it->second.bytes), 0);
        m.Remove(off);
      } else {
        TestRecord r = RandomRecord(rng, spread);
        Put32(r.bytes, off);
        ASSERT_EQ(IsamChange(h, r.bytes), 0);
        m.Change(off, r);
      }
    }
    if (step % 500 == 0 || step == steps - 1) {
      std::string problem;
      ASSERT_EQ(IsamVerify(h, &problem), 0) << "step " << step << ": " << problem;
      for (int i = 0; i < kIndexes; ++i) ExpectIndexMatches(h, m, i);
      // Exact reads by every index for a sample of live records.
      int n = 0;
      for (const auto& kv : m.records) {
        if (n++ % 17) continue;
        for (int i = 0; i < kIndexes; ++i) {
          ASSERT_EQ(IsamSelectIndex(h, &kDefs[i]), 0);
          TestRecord probe = kv.second;
          int rc = IsamRead(h, probe.bytes, 0, kIsamExact);
          // A duplicate left unindexed stays so when the record that held the key goes.
          auto it = m.index[i].find(m.KeyOf(i, kv.second));
          ASSERT_EQ(rc, it == m.index[i].end() ? kIsamKeyNotFound : 0) << "index " << i << " step " << step;
          if (rc == 0) {
            ASSERT_EQ(Get32(probe.bytes), it->second);
          }
        }
      }
    }
  }
  ASSERT_EQ(IsamClose(h), 0);
  h = IsamOpen("model");
  ASSERT_EQ(h, 0);
  for (int i = 0; i < kIndexes; ++i) ExpectIndexMatches(h, m, i);
  ASSERT_EQ(IsamClose(h), 0);
  IsamUseFileSeam(nullptr);
}

TEST(IsamModel, WideKeysThroughManySplitsAndMerges) { RunSequence(1, 6000, 4000); }
TEST(IsamModel, CrowdedKeysWithManyDuplicates) { RunSequence(2, 4000, 60); }
TEST(IsamModel, AnotherSeed) { RunSequence(3, 5000, 100000); }

// Stepping while the tree changes under the cursor: every deletion of the current entry is
// followed by "next", which must land on the entry after it.
TEST(IsamModel, StepAfterEveryKindOfChange) {
  MemoryFiles().clear();
  IsamUseFileSeam(MemoryFileSeam());
  int h = IsamBuild("steps", kRecordSize);
  ASSERT_EQ(IsamAddIndex(h, &kDefs[0]), 0);
  std::mt19937 rng(9);
  std::map<std::string, bool> keep;
  for (int i = 0; i < 800; ++i) {
    TestRecord r = MakeRecord("", 0, "k" + std::to_string(100000 + i));
    ASSERT_EQ(IsamWrite(h, r.bytes), 0);
    keep["k" + std::to_string(100000 + i)] = rng() % 4 == 0;
  }
  ASSERT_EQ(IsamSelectIndex(h, &kDefs[0]), 0);
  TestRecord r = {};
  auto expect = keep.begin();
  for (int rc = IsamRead(h, r.bytes, 0, kIsamFirst); rc == 0; rc = IsamRead(h, r.bytes, 0, kIsamNext)) {
    std::string name(reinterpret_cast<const char*>(r.bytes + kLongAt));
    ASSERT_EQ(name, expect->first);
    if (!expect->second) {
      ASSERT_EQ(IsamDelete(h, r.bytes), 0);
    }
    ++expect;
  }
  EXPECT_EQ(expect, keep.end());
  std::string problem;
  EXPECT_EQ(IsamVerify(h, &problem), 0) << problem;
  ASSERT_EQ(IsamClose(h), 0);
  IsamUseFileSeam(nullptr);
}

}  // namespace
