// The record file on real files: the bytes it writes, handles, the read modes, duplicate
// keys, space reuse, prefixes, key order, change and delete while stepping; and, in memory,
// reads of a pair too big for the read cache.
#include <gtest/gtest.h>

#include <algorithm>

#include "grouplink/isam/format.h"
#include "grouplink/isam/memory_seam.h"
#include "tests/grouplink/isam_test_util.h"

namespace {

const IsamIndexDef kByName = MakeDef({{0, kNameAt, 30}});  // L = 34, C = 29
const IsamIndexDef kByNumber = MakeDef({{1, kNumberAt, 4}});

struct Pair {
  std::string name = ScratchName("pair");
  int h = IsamBuild(name.c_str(), kRecordSize);
  ~Pair() { IsamClose(h); }
  int Write(const std::string& n, int32_t number = 0) {
    TestRecord r = MakeRecord(n, number);
    EXPECT_EQ(IsamWrite(h, r.bytes), 0);
    return int(Get32(r.bytes));
  }
  std::vector<std::string> Names() {
    std::vector<std::string> out;
    for (const TestRecord& r : ScanForward(h)) out.push_back(NameOf(r));
    return out;
  }
  void Verify() {
    std::string problem;
    EXPECT_EQ(IsamVerify(h, &problem), 0) << problem;
  }
};

std::string Key(int i) { return "k" + std::to_string(1000 + i); }

TEST(IsamLayout, HeaderPagesAndKeysAreWrittenAsLaidDown) {
  Pair p;
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  ASSERT_EQ(IsamAddIndex(p.h, &kByNumber), 0);
  p.Write("ab", 0x01020304);
  std::vector<uint8_t> idx = ReadWholeFile(p.name + ".idx");
  ASSERT_EQ(idx.size(), 3u * 1024);
  const uint32_t header[] = {kRecordSize, 0xFFFFFFFF, 0xFFFFFFFF, 1, 0, kNameAt, 30};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(Get32(idx.data() + 4 * i), header[i]) << i;
  EXPECT_EQ(Get32(idx.data() + 12 + 100), 34u);    // L
  EXPECT_EQ(Get32(idx.data() + 12 + 108), 1024u);  // root of slot 0
  EXPECT_EQ(Get32(idx.data() + 124 + 108), 2048u);
  const uint8_t leaf[] = {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 'a', 'b', 0};
  EXPECT_EQ(0, std::memcmp(idx.data() + 1024, leaf, sizeof leaf));
  const uint8_t number[] = {1, 2, 3, 4};  // most significant byte first
  EXPECT_EQ(0, std::memcmp(idx.data() + 2048 + 16, number, 4));
  EXPECT_EQ(Get32(ReadWholeFile(p.name + ".dat").data()), 0u);
}

TEST(IsamLayout, ThirtyInsertsWithCapacity29MakeARootOverTwoLeaves) {
  Pair p;
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  for (int i = 0; i < 30; ++i) p.Write(Key(i));
  std::vector<uint8_t> idx = ReadWholeFile(p.name + ".idx");
  ASSERT_EQ(Get32(idx.data() + 12 + 104), 1u);
  const uint8_t* root = idx.data() + Get32(idx.data() + 12 + 108);
  ASSERT_EQ(Get32(root), 1u);
  uint32_t lower = Get32(root + 12), upper = Get32(root + 12 + 34);
  EXPECT_EQ(upper, 1024u) << "the upper half stays where the page was";
  EXPECT_EQ(Get32(idx.data() + lower), 15u);
  EXPECT_EQ(Get32(idx.data() + upper), 15u);
  EXPECT_EQ(Get32(idx.data() + lower + 8), upper);
  EXPECT_EQ(Get32(idx.data() + upper + 4), lower);
  EXPECT_STREQ(reinterpret_cast<const char*>(root + 16), Key(14).c_str());
  p.Verify();
}

TEST(IsamHandles, SlotsStatesAndArguments) {
  Pair a, b;
  EXPECT_EQ(IsamBuild(ScratchName("c").c_str(), 10), kIsamNoHandle);
  EXPECT_EQ(IsamClose(2), kIsamBadHandle);
  TestRecord r = MakeRecord("x", 1);
  EXPECT_EQ(IsamRead(a.h, r.bytes, 0, kIsamFirst), kIsamNotSelected);
  EXPECT_EQ(IsamSelectIndex(a.h, &kByName), kIsamNoIndex);
  ASSERT_EQ(IsamClose(b.h), 0);
  EXPECT_EQ(IsamWrite(b.h, r.bytes), kIsamNotOpen);
  EXPECT_EQ(IsamOpen((b.name + "x").c_str()), kIsamBadHandle);
  EXPECT_EQ(b.h = IsamOpen(b.name.c_str()), 1);
  for (int i = 0; i < 8; ++i) ASSERT_EQ(IsamAddIndex(a.h, &kByName), 0) << "identical definitions are allowed";
  EXPECT_EQ(IsamAddIndex(a.h, &kByNumber), kIsamNoIndex);
  IsamIndexDef outside = MakeDef({{0, kRecordSize - 10, 11}});
  EXPECT_EQ(IsamAddIndex(b.h, &outside), kIsamBadArgument);
  ASSERT_EQ(IsamSelectIndex(a.h, &kByName), 0);
  EXPECT_EQ(IsamRead(a.h, r.bytes, 0, 7), kIsamBadArgument);
}

TEST(IsamRead, ModesStepBothWaysAcrossLeaves) {
  Pair p;
  for (int i = 99; i >= 0; --i) p.Write(Key(i));
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0) << "indexes what is already there";
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  TestRecord r = {};
  EXPECT_EQ(IsamRead(p.h, r.bytes, 0, kIsamNext), kIsamPastLast) << "right after selecting";
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  EXPECT_EQ(IsamRead(p.h, r.bytes, 0, kIsamPrevious), kIsamBeforeFirst) << "right after selecting";
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamPastEnd), kIsamPastLast);
  for (int i = 99; i >= 0; --i) {
    ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamPrevious), 0);
    ASSERT_EQ(NameOf(r), Key(i));
  }
  EXPECT_EQ(IsamRead(p.h, r.bytes, 0, kIsamPrevious), kIsamBeforeFirst);
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamNext), 0);
  EXPECT_EQ(NameOf(r), Key(0));
  EXPECT_EQ(p.Names().size(), 100u);
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamPrevious), 0) << "after the end, the last";
  EXPECT_EQ(NameOf(r), Key(99));
}

TEST(IsamRead, ExactAndNotLessOnWholeKeysAndPrefixes) {
  Pair p;
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  for (const char* n : {"apple", "apricot", "banana", "cherry"}) p.Write(n);
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  TestRecord r = MakeRecord("ap", 0);
  EXPECT_EQ(IsamRead(p.h, r.bytes, 0, kIsamExact), kIsamKeyNotFound) << "length 0 is the whole key";
  ASSERT_EQ(IsamRead(p.h, r.bytes, 2, kIsamExact), 0);
  EXPECT_EQ(NameOf(r), "apple");
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamNext), 0);
  EXPECT_EQ(NameOf(r), "apricot");
  r = MakeRecord("b", 0);
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamNotLess), 0);
  EXPECT_EQ(NameOf(r), "banana");
  r = MakeRecord("zebra", 0);
  EXPECT_EQ(IsamRead(p.h, r.bytes, 0, kIsamNotLess), kIsamPastLast);
  r = MakeRecord("blueberry", 0);
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamExact), kIsamKeyNotFound);
  EXPECT_EQ(NameOf(r), "blueberry") << "a miss leaves the buffer alone";
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamPrevious), 0) << "and stands where the key would be";
  EXPECT_EQ(NameOf(r), "banana");
}

// Records of 8200 bytes, each spanning three 4 KB blocks, numbered at offset 4, the rest a
// pattern of the number: a block served for the wrong place shows as wrong bytes.
struct BigPair {
  static constexpr int kSize = 8200;
  const IsamIndexDef byNumber = MakeDef({{1, 4, 4}});
  int h;
  BigPair() {
    MemoryFiles().clear();
    IsamUseFileSeam(MemoryFileSeam());
    h = IsamBuild("big", kSize);
  }
  ~BigPair() {
    IsamClose(h);
    IsamUseFileSeam(nullptr);
  }
  static std::vector<uint8_t> Make(int i) {
    std::vector<uint8_t> r(kSize);
    Put32(r.data() + 4, uint32_t(i));
    for (int k = 8; k < kSize; ++k) r[k] = uint8_t(i * 7 + k);
    return r;
  }
  static bool Holds(const std::vector<uint8_t>& r, int i) {
    std::vector<uint8_t> want = Make(i);
    return Get32(r.data()) == uint32_t(i) * kSize && std::equal(r.begin() + 4, r.end(), want.begin() + 4);
  }
};

TEST(IsamRead, APairBiggerThanTheReadCacheReadsBackEveryByte) {
  // 640 records make a 5 MB .dat file: blocks 4 MB apart share a cache slot, so records
  // 512 apart push each other out.
  constexpr int kCount = 640;
  BigPair p;
  ASSERT_EQ(IsamAddIndex(p.h, &p.byNumber), 0);
  for (int i = 0; i < kCount; ++i) ASSERT_EQ(IsamWrite(p.h, BigPair::Make(i).data()), 0);
  ASSERT_EQ(IsamSelectIndex(p.h, &p.byNumber), 0);
  std::vector<uint8_t> r(BigPair::kSize);
  int n = 0;
  for (int rc = IsamRead(p.h, r.data(), 0, kIsamFirst); rc == 0; rc = IsamRead(p.h, r.data(), 0, kIsamNext))
    ASSERT_TRUE(BigPair::Holds(r, n++)) << "record " << n - 1;
  EXPECT_EQ(n, kCount);
  for (int i = 0; i < 128; ++i) {
    for (int j : {i, i + 512, i}) {
      r = BigPair::Make(j);
      ASSERT_EQ(IsamRead(p.h, r.data(), 0, kIsamExact), 0) << j;
      ASSERT_TRUE(BigPair::Holds(r, j)) << "record " << j;
    }
  }
  std::string problem;
  EXPECT_EQ(IsamVerify(p.h, &problem), 0) << problem;
}

TEST(IsamWrite, DuplicateKeysAreStoredButIndexedOnce) {
  Pair p;
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  ASSERT_EQ(IsamAddIndex(p.h, &kByNumber), 0);
  p.Write("same", 1);
  TestRecord second = MakeRecord("same", 2);
  ASSERT_EQ(IsamWrite(p.h, second.bytes), 0);
  EXPECT_EQ(ReadWholeFile(p.name + ".dat").size(), 2u * kRecordSize);
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  ASSERT_EQ(ScanForward(p.h).size(), 1u);
  EXPECT_EQ(NumberOf(ScanForward(p.h)[0]), 1);
  ASSERT_EQ(IsamDelete(p.h, second.bytes), 0) << "the unindexed one goes without touching the other's entry";
  EXPECT_EQ(p.Names(), std::vector<std::string>{"same"});
  p.Verify();
}

TEST(IsamWrite, FreedRecordsAndPagesAreReused) {
  Pair p;
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  for (int i = 0; i < 90; ++i) p.Write(Key(i));
  size_t idxSize = ReadWholeFile(p.name + ".idx").size();
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  std::vector<TestRecord> all = ScanForward(p.h);
  ASSERT_EQ(IsamDelete(p.h, all[7].bytes), 0);
  EXPECT_EQ(IsamDelete(p.h, all[7].bytes), kIsamNotYours);
  EXPECT_EQ(p.Write("new"), int(Get32(all[7].bytes)));
  for (const TestRecord& r : ScanForward(p.h)) ASSERT_EQ(IsamDelete(p.h, r.bytes), 0);
  EXPECT_TRUE(ScanForward(p.h).empty());
  for (int i = 0; i < 90; ++i) p.Write(Key(i));
  EXPECT_EQ(ReadWholeFile(p.name + ".idx").size(), idxSize);
  EXPECT_EQ(ReadWholeFile(p.name + ".dat").size(), 90u * kRecordSize);
  p.Verify();
}

TEST(IsamWrite, DeletingWhileSteppingVisitsEveryEntryOnce) {
  Pair p;
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  for (int i = 0; i < 150; ++i) p.Write(Key(i), i % 3);
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  TestRecord r = {};
  int seen = 0;
  for (int rc = IsamRead(p.h, r.bytes, 0, kIsamFirst); rc == 0; rc = IsamRead(p.h, r.bytes, 0, kIsamNext)) {
    ASSERT_EQ(NameOf(r), Key(seen++));
    if (NumberOf(r) != 0) {
      ASSERT_EQ(IsamDelete(p.h, r.bytes), 0);
    }
  }
  EXPECT_EQ(seen, 150);
  EXPECT_EQ(p.Names().size(), 50u);
}

TEST(IsamKeys, NumbersOrderByBytePatternAndDescendingPartsInvert) {
  Pair p;
  const IsamIndexDef down = MakeDef({{1 | 0x80, kNumberAt, 4}}), namesDown = MakeDef({{0x80, kNameAt, 30}});
  for (const IsamIndexDef* d : {&kByNumber, &down, &namesDown})
    ASSERT_EQ(IsamAddIndex(p.h, d), 0);
  int32_t values[] = {256, -1, 1, 0, 65536};
  const char* names[] = {"b", "ab", "a", "", "c"};
  for (int i = 0; i < 5; ++i) p.Write(names[i], values[i]);
  auto numbers = [&](const IsamIndexDef* d) {
    std::vector<int32_t> out;
    EXPECT_EQ(IsamSelectIndex(p.h, d), 0);
    for (const TestRecord& r : ScanForward(p.h)) out.push_back(NumberOf(r));
    return out;
  };
  EXPECT_EQ(numbers(&kByNumber), (std::vector<int32_t>{0, 1, 256, 65536, -1}));
  EXPECT_EQ(numbers(&down), (std::vector<int32_t>{-1, 65536, 256, 1, 0}));
  ASSERT_EQ(IsamSelectIndex(p.h, &namesDown), 0);
  EXPECT_EQ(p.Names(), (std::vector<std::string>{"c", "b", "ab", "a", ""}));
}

TEST(IsamChange, ReKeysOnlyTheIndexesWhoseKeyChanged) {
  Pair p;
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  ASSERT_EQ(IsamAddIndex(p.h, &kByNumber), 0);
  for (int i = 0; i < 50; ++i) p.Write(Key(i), i);
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  TestRecord r = MakeRecord(Key(10), 0);
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamExact), 0);
  std::vector<uint8_t> idx = ReadWholeFile(p.name + ".idx");
  std::memcpy(r.bytes + kLongAt, "not a key", 9);
  ASSERT_EQ(IsamChange(p.h, r.bytes), 0);
  EXPECT_EQ(ReadWholeFile(p.name + ".idx"), idx) << "no key changed, no page rewritten";
  std::memcpy(r.bytes + kNameAt, "zz", 3);
  ASSERT_EQ(IsamChange(p.h, r.bytes), 0);
  EXPECT_EQ(p.Names().back(), "zz");
  ASSERT_EQ(IsamSelectIndex(p.h, &kByNumber), 0);
  TestRecord byNumber = MakeRecord("", 10);
  ASSERT_EQ(IsamRead(p.h, byNumber.bytes, 0, kIsamExact), 0);
  EXPECT_EQ(NameOf(byNumber), "zz");
  for (uint32_t bad : {7u, 0x7FFFFF00u}) {
    Put32(r.bytes, bad);
    EXPECT_EQ(IsamChange(p.h, r.bytes), kIsamNotYours);
  }
  p.Verify();
}

}  // namespace
