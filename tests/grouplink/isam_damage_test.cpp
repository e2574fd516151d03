// Damaged pairs: each row breaks one rule of the layout, and opening, reading or verifying
// must report kIsamDamaged; no crash, no endless scan, no record that is not live. Then
// every truncation length, and random overwrites that must end in an answer or an error.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "grouplink/isam/format.h"
#include "grouplink/isam/memory_seam.h"
#include "tests/grouplink/isam_test_util.h"

namespace {

const IsamIndexDef kName = MakeDef({{0, kNameAt, 30}});    // slot 0: C = 29, height 1
const IsamIndexDef kWide = MakeDef({{0, kLongAt, 200}});   // slot 1: C = 4, height 3

struct Bytes {
  std::vector<uint8_t>& dat;
  std::vector<uint8_t>& idx;
  uint32_t Slot(int s, int field) { return Get32(idx.data() + 12 + 112 * s + field); }
  void SetSlot(int s, int field, uint32_t v) { Put32(idx.data() + 12 + 112 * s + field, v); }
  uint8_t* Page(uint32_t off) { return idx.data() + off; }
  // The leftmost leaf of slot s.
  uint32_t FirstLeaf(int s) {
    uint32_t off = Slot(s, 108);
    for (uint32_t level = 0; level < Slot(s, 104); ++level) off = Get32(Page(off) + 12);
    return off;
  }
};

struct Damage {
  const char* what;
  std::function<void(Bytes&)> apply;
};

const uint32_t L0 = 34;

const Damage kDamages[] = {
    {"index file shorter than its header", [](Bytes& b) { b.idx.resize(1000); }},
    {"index file not whole pages", [](Bytes& b) { b.idx.resize(b.idx.size() + 10); }},
    {"data file ends in a partial record", [](Bytes& b) { b.dat.resize(b.dat.size() + 3); }},
    {"record size 0", [](Bytes& b) { Put32(b.idx.data(), 0); }},
    {"record size 3", [](Bytes& b) { Put32(b.idx.data(), 3); }},
    {"absurd record size", [](Bytes& b) { Put32(b.idx.data(), 0x7FFFFFFF); }},
    {"nine segments", [](Bytes& b) { b.SetSlot(0, 0, 9); }},
    {"segment past the record", [](Bytes& b) { b.SetSlot(0, 8, kRecordSize - 10); }},
    {"key length not matching", [](Bytes& b) { b.SetSlot(0, 100, L0 + 1); }},
    {"capacity below 2", [](Bytes& b) {
       Put32(b.idx.data(), 4096);
       b.dat.resize(4096 * ((b.dat.size() + 4095) / 4096));
       b.SetSlot(0, 12, 600);
       b.SetSlot(0, 100, 604);
     }},
    {"unaligned root", [](Bytes& b) { b.SetSlot(0, 108, b.Slot(0, 108) + 4); }},
    {"root in the header", [](Bytes& b) { b.SetSlot(0, 108, 0); }},
    {"root past the end", [](Bytes& b) { b.SetSlot(0, 108, uint32_t(b.idx.size())); }},
    {"unaligned free-page head", [](Bytes& b) { Put32(b.idx.data() + 8, 1030); }},
    {"free-record head past the end", [](Bytes& b) { Put32(b.idx.data() + 4, uint32_t(b.dat.size())); }},
    {"leaf count over capacity", [](Bytes& b) { Put32(b.Page(b.FirstLeaf(0)), 30); }},
    {"empty leaf below the root", [](Bytes& b) { Put32(b.Page(b.FirstLeaf(0)), 0); }},
    {"inner count over capacity", [](Bytes& b) { Put32(b.Page(b.Slot(1, 108)), 5); }},
    {"child pointing at the root", [](Bytes& b) {
       uint8_t* root = b.Page(b.Slot(1, 108));
       Put32(root + 12, b.Slot(1, 108));
     }},
    {"tree higher than declared", [](Bytes& b) { b.SetSlot(1, 104, b.Slot(1, 104) - 1); }},
    {"tree lower than declared", [](Bytes& b) { b.SetSlot(0, 104, 2); }},
    {"leaf link cycle", [](Bytes& b) {
       uint32_t first = b.FirstLeaf(1);
       uint32_t second = Get32(b.Page(first) + 8);
       Put32(b.Page(second) + 8, first);
     }},
    {"leaf link to itself", [](Bytes& b) {
       uint32_t first = b.FirstLeaf(1);
       Put32(b.Page(first) + 8, first);
     }},
    {"free-page cycle", [](Bytes& b) {
       uint32_t head = Get32(b.idx.data() + 8);
       Put32(b.Page(head), head);
     }},
    {"free-record cycle", [](Bytes& b) {
       uint32_t head = Get32(b.idx.data() + 4);
       uint32_t next = Get32(b.dat.data() + head);
       Put32(b.dat.data() + next, head);
     }},
    {"entry pointing at a free record", [](Bytes& b) {
       Put32(b.Page(b.FirstLeaf(0)) + 12, Get32(b.idx.data() + 4));
     }},
    {"entry pointing at another record", [](Bytes& b) {
       uint8_t* leaf = b.Page(b.FirstLeaf(0));
       Put32(leaf + 12, Get32(leaf + 12 + L0));
     }},
    {"unaligned record pointer", [](Bytes& b) { Put32(b.Page(b.FirstLeaf(0)) + 12, 5); }},
    {"keys out of order", [](Bytes& b) { b.Page(b.FirstLeaf(0))[16 + L0] = 0; }},
    {"a free page that is also a leaf", [](Bytes& b) { Put32(b.idx.data() + 8, b.FirstLeaf(1)); }},
    {"two indexes sharing a root", [](Bytes& b) { b.SetSlot(1, 108, b.Slot(0, 108)); }},
};

struct DamageFixture : ::testing::Test {
  std::map<std::string, std::vector<uint8_t>> good;
  void SetUp() override {
    MemoryFiles().clear();
    IsamUseFileSeam(MemoryFileSeam());
    int h = IsamBuild("d", kRecordSize);
    ASSERT_EQ(IsamAddIndex(h, &kName), 0);
    ASSERT_EQ(IsamAddIndex(h, &kWide), 0);
    std::vector<TestRecord> written;
    for (int i = 0; i < 70; ++i) {
      written.push_back(MakeRecord("n" + std::to_string(100 + i), i, "w" + std::to_string(100 + i)));
      ASSERT_EQ(IsamWrite(h, written.back().bytes), 0);
    }
    for (int i = 0; i < 70; ++i) {  // leaves free records and free pages to damage
      ASSERT_EQ(i % 10 == 3 || (i >= 40 && i < 60) ? IsamDelete(h, written[i].bytes) : 0, 0);
    }
    IsamClose(h);
    good = MemoryFiles();
    ASSERT_NE(Get32(good["d.idx"].data() + 4), 0xFFFFFFFFu);
    ASSERT_NE(Get32(good["d.idx"].data() + 8), 0xFFFFFFFFu);
  }
  void TearDown() override { IsamUseFileSeam(nullptr); }
};

// Opens the pair and reads everything, both ways. Returns whether damage was reported;
// every record handed out must be the live record the .dat file holds at its offset.
bool Probe() {
  const std::vector<uint8_t> dat = MemoryFiles()["d.dat"];
  int h = IsamOpen("d");
  if (h < 0) return h == kIsamDamaged;
  bool damaged = IsamVerify(h, nullptr) == kIsamDamaged;
  for (const IsamIndexDef* def : {&kName, &kWide}) {
    if (IsamSelectIndex(h, def) != 0) continue;
    for (int mode : {kIsamFirst, kIsamPastEnd}) {
      TestRecord r = MakeRecord("n105", 0, "w105");
      int rc = IsamRead(h, r.bytes, 0, mode);
      for (int steps = 0; rc == 0 || (steps == 0 && rc == kIsamPastLast); ++steps) {
        uint32_t at = Get32(r.bytes);
        EXPECT_TRUE(rc || (at % kRecordSize == 0 && at + kRecordSize <= dat.size() &&
                           std::memcmp(dat.data() + at, r.bytes, kRecordSize) == 0));
        if (steps > 100) {
          ADD_FAILURE() << "a scan that does not end";
          break;
        }
        rc = IsamRead(h, r.bytes, 0, mode == kIsamFirst ? kIsamNext : kIsamPrevious);
      }
      damaged |= rc == kIsamDamaged;
      damaged |= IsamRead(h, r.bytes, 0, kIsamExact) == kIsamDamaged;
    }
  }
  TestRecord w = MakeRecord("n999", 1, "w999");
  IsamWrite(h, w.bytes);
  IsamClose(h);
  return damaged;
}

TEST_F(DamageFixture, EachBrokenRuleIsReported) {
  for (const Damage& d : kDamages) {
    MemoryFiles() = good;
    Bytes b{MemoryFiles()["d.dat"], MemoryFiles()["d.idx"]};
    d.apply(b);
    EXPECT_TRUE(Probe()) << d.what;
  }
}

TEST_F(DamageFixture, AFreeRecordStillIndexedIsNeverHandedOut) {
  std::vector<uint8_t>& idx = MemoryFiles()["d.idx"];
  std::vector<uint8_t>& dat = MemoryFiles()["d.dat"];
  Put32(dat.data() + 0, Get32(idx.data() + 4));  // record 0 is live and indexed
  Put32(idx.data() + 4, 0);
  const std::vector<uint8_t> before = dat;
  int h = IsamOpen("d");
  ASSERT_EQ(h, 0);
  TestRecord r = MakeRecord("n999", 1, "w999");
  EXPECT_EQ(IsamWrite(h, r.bytes), kIsamDamaged);
  IsamClose(h);
  EXPECT_EQ(MemoryFiles()["d.dat"], before);
}

TEST_F(DamageFixture, EveryTruncationIsReported) {
  for (const char* file : {"d.idx", "d.dat"}) {
    for (size_t len = 0; len < good[file].size(); len += (len % 1024 < 16 || len % 1024 > 1008) ? 1 : 61) {
      MemoryFiles() = good;
      MemoryFiles()[file].resize(len);
      EXPECT_TRUE(Probe()) << file << " cut to " << len;
    }
  }
}

TEST_F(DamageFixture, RandomOverwritesEndInAnAnswerOrAnError) {
  std::mt19937 rng(5);
  for (int round = 0; round < 3000; ++round) {
    MemoryFiles() = good;
    std::vector<uint8_t>& f = MemoryFiles()[round % 4 == 0 ? "d.dat" : "d.idx"];
    for (int i = 0, hits = 1 + int(rng() % 4); i < hits; ++i) f[rng() % f.size()] = uint8_t(rng() % 3 ? rng() : 0xFF);
    Probe();
  }
}

}  // namespace
