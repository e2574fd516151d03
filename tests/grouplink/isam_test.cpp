// The record file on real files: layout bytes, handles, read modes, duplicate keys, space
// reuse, prefix search, key order of numbers and descending parts, change and delete.
#include <gtest/gtest.h>

#include "grouplink/isam/format.h"
#include "tests/grouplink/isam_test_util.h"

namespace {

const IsamIndexDef kByName = MakeDef({{0, kNameAt, 30}});              // L = 34, C = 29
const IsamIndexDef kByNumber = MakeDef({{1, kNumberAt, 4}});
const IsamIndexDef kByNumberDown = MakeDef({{1 | 0x80, kNumberAt, 4}});

struct Pair {
  std::string name;
  int h = -1;
  explicit Pair(const char* stem, int recordSize = kRecordSize) : name(ScratchName(stem)) {
    h = IsamBuild(name.c_str(), recordSize);
  }
  ~Pair() {
    if (h >= 0) IsamClose(h);
  }
  void Write(const std::string& n, int32_t number = 0) {
    TestRecord r = MakeRecord(n, number);
    ASSERT_EQ(IsamWrite(h, r.bytes), 0);
  }
  std::vector<std::string> Names() {
    std::vector<std::string> out;
    for (const TestRecord& r : ScanForward(h)) out.push_back(NameOf(r));
    return out;
  }
};

std::string Key(int i) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "k%03d", i);
  return buf;
}

TEST(IsamLayout, BuildWritesTheHeaderAndAPageOfThirtyOneByteKeys) {
  Pair p("layout");
  ASSERT_EQ(p.h, 0);
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  ASSERT_EQ(IsamAddIndex(p.h, &kByNumber), 0);
  p.Write("ab", 0x01020304);
  std::vector<uint8_t> idx = ReadWholeFile(p.name + ".idx");
  std::vector<uint8_t> dat = ReadWholeFile(p.name + ".dat");
  ASSERT_EQ(idx.size(), 3u * 1024);
  ASSERT_EQ(dat.size(), size_t(kRecordSize));
  EXPECT_EQ(Get32(idx.data()), uint32_t(kRecordSize));
  EXPECT_EQ(Get32(idx.data() + 4), 0xFFFFFFFFu);
  EXPECT_EQ(Get32(idx.data() + 8), 0xFFFFFFFFu);
  const uint8_t* slot0 = idx.data() + 12;
  EXPECT_EQ(Get32(slot0), 1u);
  EXPECT_EQ(Get32(slot0 + 8), uint32_t(kNameAt));
  EXPECT_EQ(Get32(slot0 + 12), 30u);
  EXPECT_EQ(Get32(slot0 + 100), 34u);
  EXPECT_EQ(Get32(slot0 + 104), 0u);
  EXPECT_EQ(Get32(slot0 + 108), 1024u);
  EXPECT_EQ(Get32(idx.data() + 12 + 112 + 108), 2048u);
  for (size_t i = 12 + 2 * 112; i < 1024; ++i) ASSERT_EQ(idx[i], 0) << i;
  // Leaf of the name index: one entry, pointer 0, "ab" padded with zeros.
  const uint8_t* leaf = idx.data() + 1024;
  EXPECT_EQ(Get32(leaf), 1u);
  EXPECT_EQ(Get32(leaf + 4), 0xFFFFFFFFu);
  EXPECT_EQ(Get32(leaf + 8), 0xFFFFFFFFu);
  EXPECT_EQ(Get32(leaf + 12), 0u);
  EXPECT_EQ(leaf[16], 'a');
  EXPECT_EQ(leaf[17], 'b');
  for (int i = 18; i < 16 + 30; ++i) EXPECT_EQ(leaf[i], 0);
  // Numbers go most significant byte first.
  const uint8_t* numbers = idx.data() + 2048;
  EXPECT_EQ(numbers[16], 1);
  EXPECT_EQ(numbers[17], 2);
  EXPECT_EQ(numbers[18], 3);
  EXPECT_EQ(numbers[19], 4);
  // The record starts with its own offset.
  EXPECT_EQ(Get32(dat.data()), 0u);
}

TEST(IsamLayout, ThirtyInsertsWithCapacity29MakeARootOverTwoLeaves) {
  Pair p("split");
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  for (int i = 0; i < 29; ++i) p.Write(Key(i));
  std::vector<uint8_t> idx = ReadWholeFile(p.name + ".idx");
  EXPECT_EQ(Get32(idx.data() + 1024), 29u) << "29 entries fit one page";
  p.Write(Key(29));
  idx = ReadWholeFile(p.name + ".idx");
  const uint8_t* slot = idx.data() + 12;
  ASSERT_EQ(Get32(slot + 104), 1u);
  uint32_t rootOff = Get32(slot + 108);
  const uint8_t* root = idx.data() + rootOff;
  ASSERT_EQ(Get32(root), 1u);
  uint32_t lowerOff = Get32(root + 12), upperOff = Get32(root + 12 + 34);
  EXPECT_EQ(upperOff, 1024u) << "the upper half stays at the old page";
  const uint8_t* lower = idx.data() + lowerOff;
  const uint8_t* upper = idx.data() + upperOff;
  EXPECT_EQ(Get32(lower), 15u);
  EXPECT_EQ(Get32(upper), 15u);
  EXPECT_EQ(Get32(lower + 8), upperOff);
  EXPECT_EQ(Get32(upper + 4), lowerOff);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(root + 16)), Key(14)) << "separator is the lower half's last key";
  std::string problem;
  EXPECT_EQ(IsamVerify(p.h, &problem), 0) << problem;
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  EXPECT_EQ(p.Names().size(), 30u);
}

TEST(IsamHandles, SlotsAndStates) {
  Pair a("a"), b("b");
  EXPECT_EQ(a.h, 0);
  EXPECT_EQ(b.h, 1);
  EXPECT_EQ(IsamBuild(ScratchName("c").c_str(), 10), kIsamNoHandle);
  EXPECT_EQ(IsamOpen(a.name.c_str()), kIsamNoHandle);
  EXPECT_EQ(IsamClose(2), kIsamBadHandle);
  EXPECT_EQ(IsamClose(-1), kIsamBadHandle);
  TestRecord r = MakeRecord("x", 1);
  EXPECT_EQ(IsamRead(a.h, r.bytes, 0, kIsamFirst), kIsamNotSelected);
  EXPECT_EQ(IsamSelectIndex(a.h, &kByName), kIsamNoIndex);
  ASSERT_EQ(IsamClose(b.h), 0);
  EXPECT_EQ(IsamClose(b.h), kIsamNotOpen);
  EXPECT_EQ(IsamWrite(b.h, r.bytes), kIsamNotOpen);
  EXPECT_EQ(IsamOpen((b.name + "-missing").c_str()), kIsamBadHandle);
  b.h = IsamOpen(b.name.c_str());
  EXPECT_EQ(b.h, 1);
  for (int i = 0; i < 8; ++i) ASSERT_EQ(IsamAddIndex(a.h, &kByName), 0) << "identical definitions are allowed";
  EXPECT_EQ(IsamAddIndex(a.h, &kByNumber), kIsamNoIndex);
  IsamIndexDef outside = MakeDef({{0, kRecordSize - 10, 11}});
  EXPECT_EQ(IsamAddIndex(b.h, &outside), kIsamBadArgument);
  EXPECT_EQ(IsamBuild(ScratchName("tiny").c_str(), 3), kIsamBadArgument);
}

TEST(IsamRead, StepsRightAfterSelectingFail) {
  Pair p("fresh");
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  p.Write("one");
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  TestRecord r = {};
  EXPECT_EQ(IsamRead(p.h, r.bytes, 0, kIsamNext), kIsamPastLast);
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  EXPECT_EQ(IsamRead(p.h, r.bytes, 0, kIsamPrevious), kIsamBeforeFirst);
  EXPECT_EQ(IsamRead(p.h, r.bytes, 0, 7), kIsamBadArgument);
}

TEST(IsamRead, ModesWalkBothWaysAcrossLeaves) {
  Pair p("modes");
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  for (int i = 99; i >= 0; --i) p.Write(Key(i));
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  TestRecord r = {};
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamPastEnd), kIsamPastLast);
  for (int i = 99; i >= 0; --i) {
    ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamPrevious), 0);
    ASSERT_EQ(NameOf(r), Key(i));
  }
  EXPECT_EQ(IsamRead(p.h, r.bytes, 0, kIsamPrevious), kIsamBeforeFirst);
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamNext), 0) << "after falling off the front, next reads the first";
  EXPECT_EQ(NameOf(r), Key(0));
  std::vector<std::string> names = p.Names();
  ASSERT_EQ(names.size(), 100u);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(names[i], Key(i));
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamPrevious), 0) << "after the end, previous reads the last";
  EXPECT_EQ(NameOf(r), Key(99));
}

TEST(IsamRead, ExactAndNotLessWithPrefixes) {
  Pair p("prefix");
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  for (const char* n : {"apple", "apricot", "banana", "cherry"}) p.Write(n);
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  TestRecord r = MakeRecord("ap", 0);
  EXPECT_EQ(IsamRead(p.h, r.bytes, 0, kIsamExact), kIsamKeyNotFound) << "length 0 compares the whole key";
  EXPECT_EQ(NameOf(r), "ap") << "a miss leaves the buffer alone";
  ASSERT_EQ(IsamRead(p.h, r.bytes, 2, kIsamExact), 0);
  EXPECT_EQ(NameOf(r), "apple");
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamNext), 0);
  EXPECT_EQ(NameOf(r), "apricot");
  r = MakeRecord("b", 0);
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamNotLess), 0);
  EXPECT_EQ(NameOf(r), "banana");
  r = MakeRecord("banana", 0);
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamExact), 0);
  EXPECT_EQ(NameOf(r), "banana");
  r = MakeRecord("zebra", 0);
  EXPECT_EQ(IsamRead(p.h, r.bytes, 0, kIsamNotLess), kIsamPastLast);
  EXPECT_EQ(IsamRead(p.h, r.bytes, 0, kIsamExact), kIsamKeyNotFound);
  // A miss stands where the key would be: previous reads the entry before it.
  r = MakeRecord("blueberry", 0);
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamExact), kIsamKeyNotFound);
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamPrevious), 0);
  EXPECT_EQ(NameOf(r), "banana");
}

TEST(IsamWrite, DuplicateKeysKeepBothRecordsButIndexTheFirst) {
  Pair p("dup");
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  ASSERT_EQ(IsamAddIndex(p.h, &kByNumber), 0);
  p.Write("same", 1);
  p.Write("same", 2);
  EXPECT_EQ(ReadWholeFile(p.name + ".dat").size(), 2u * kRecordSize);
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  std::vector<TestRecord> byName = ScanForward(p.h);
  ASSERT_EQ(byName.size(), 1u);
  EXPECT_EQ(NumberOf(byName[0]), 1);
  ASSERT_EQ(IsamSelectIndex(p.h, &kByNumber), 0);
  EXPECT_EQ(ScanForward(p.h).size(), 2u);
  // Deleting the unindexed duplicate leaves the first one's entry alone.
  TestRecord second = ScanForward(p.h)[1];
  ASSERT_EQ(IsamDelete(p.h, second.bytes), 0);
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  EXPECT_EQ(ScanForward(p.h).size(), 1u);
  std::string problem;
  EXPECT_EQ(IsamVerify(p.h, &problem), 0) << problem;
}

TEST(IsamWrite, DeletedSpaceIsReusedAndPagesComeBack) {
  Pair p("reuse");
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  for (int i = 0; i < 200; ++i) p.Write(Key(i));
  size_t idxSize = ReadWholeFile(p.name + ".idx").size();
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  TestRecord r = MakeRecord(Key(7), 0);
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamExact), 0);
  uint32_t freed = Get32(r.bytes);
  ASSERT_EQ(IsamDelete(p.h, r.bytes), 0);
  EXPECT_EQ(IsamDelete(p.h, r.bytes), kIsamNotYours) << "a freed record is no longer the caller's";
  TestRecord n = MakeRecord("new", 0);
  ASSERT_EQ(IsamWrite(p.h, n.bytes), 0);
  EXPECT_EQ(Get32(n.bytes), freed);
  EXPECT_EQ(ReadWholeFile(p.name + ".dat").size(), 200u * kRecordSize);
  // Emptying the index frees every page but the root; refilling takes them back.
  for (const TestRecord& each : ScanForward(p.h)) ASSERT_EQ(IsamDelete(p.h, each.bytes), 0);
  EXPECT_TRUE(ScanForward(p.h).empty());
  for (int i = 0; i < 200; ++i) p.Write(Key(i));
  EXPECT_EQ(ReadWholeFile(p.name + ".idx").size(), idxSize);
  std::string problem;
  EXPECT_EQ(IsamVerify(p.h, &problem), 0) << problem;
}

TEST(IsamWrite, DeletingWhileSteppingVisitsEveryEntryOnce) {
  Pair p("sweep");
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  for (int i = 0; i < 300; ++i) p.Write(Key(i), i % 3);
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  TestRecord r = {};
  int seen = 0, rc = IsamRead(p.h, r.bytes, 0, kIsamFirst);
  for (; rc == 0; rc = IsamRead(p.h, r.bytes, 0, kIsamNext)) {
    ASSERT_EQ(NameOf(r), Key(seen));
    ++seen;
    if (NumberOf(r) != 0) {
      ASSERT_EQ(IsamDelete(p.h, r.bytes), 0);
    }
  }
  EXPECT_EQ(rc, kIsamPastLast);
  EXPECT_EQ(seen, 300);
  EXPECT_EQ(p.Names().size(), 100u);
}

TEST(IsamKeys, NumbersOrderByBytePatternAndDescendingPartsInvert) {
  Pair p("numbers");
  ASSERT_EQ(IsamAddIndex(p.h, &kByNumber), 0);
  ASSERT_EQ(IsamAddIndex(p.h, &kByNumberDown), 0);
  IsamIndexDef nameDown = MakeDef({{0x80, kNameAt, 30}});
  ASSERT_EQ(IsamAddIndex(p.h, &nameDown), 0);
  int32_t values[] = {256, -1, 1, 0, 65536};
  const char* names[] = {"b", "ab", "a", "", "c"};
  for (int i = 0; i < 5; ++i) p.Write(names[i], values[i]);
  ASSERT_EQ(IsamSelectIndex(p.h, &kByNumber), 0);
  std::vector<int32_t> up;
  for (const TestRecord& r : ScanForward(p.h)) up.push_back(NumberOf(r));
  EXPECT_EQ(up, (std::vector<int32_t>{0, 1, 256, 65536, -1})) << "negative numbers sort by their high bit";
  ASSERT_EQ(IsamSelectIndex(p.h, &kByNumberDown), 0);
  std::vector<int32_t> down;
  for (const TestRecord& r : ScanForward(p.h)) down.push_back(NumberOf(r));
  EXPECT_EQ(down, (std::vector<int32_t>{-1, 65536, 256, 1, 0}));
  ASSERT_EQ(IsamSelectIndex(p.h, &nameDown), 0);
  EXPECT_EQ(p.Names(), (std::vector<std::string>{"c", "b", "ab", "a", ""}));
}

TEST(IsamChange, ReKeysOnlyTheIndexesWhoseKeyChanged) {
  Pair p("change");
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  ASSERT_EQ(IsamAddIndex(p.h, &kByNumber), 0);
  for (int i = 0; i < 50; ++i) p.Write(Key(i), i);
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  TestRecord r = MakeRecord(Key(10), 0);
  ASSERT_EQ(IsamRead(p.h, r.bytes, 0, kIsamExact), 0);
  std::vector<uint8_t> idxBefore = ReadWholeFile(p.name + ".idx");
  int32_t same = 10;
  std::memcpy(r.bytes + kLongAt, "not a key", 9);
  ASSERT_EQ(IsamChange(p.h, r.bytes), 0);
  EXPECT_EQ(ReadWholeFile(p.name + ".idx"), idxBefore) << "no key changed, no page rewritten";
  std::memcpy(r.bytes + kNameAt, "zz", 3);
  ASSERT_EQ(IsamChange(p.h, r.bytes), 0);
  EXPECT_EQ(p.Names().back(), "zz");
  ASSERT_EQ(IsamSelectIndex(p.h, &kByNumber), 0);
  TestRecord byNumber = MakeRecord("", same);
  ASSERT_EQ(IsamRead(p.h, byNumber.bytes, 0, kIsamExact), 0);
  EXPECT_EQ(NameOf(byNumber), "zz");
  TestRecord wrong = r;
  Put32(wrong.bytes, 7);
  EXPECT_EQ(IsamChange(p.h, wrong.bytes), kIsamNotYours);
  Put32(wrong.bytes, 0x7FFFFF00u);
  EXPECT_EQ(IsamChange(p.h, wrong.bytes), kIsamNotYours);
  std::string problem;
  EXPECT_EQ(IsamVerify(p.h, &problem), 0) << problem;
}

TEST(IsamAddIndex, IndexesTheRecordsAlreadyThere) {
  Pair p("late");
  for (int i = 0; i < 120; ++i) p.Write(Key(119 - i), i);
  TestRecord gone = MakeRecord("", 0);
  Put32(gone.bytes, 5 * kRecordSize);
  ASSERT_EQ(IsamDelete(p.h, gone.bytes), 0);
  ASSERT_EQ(IsamAddIndex(p.h, &kByName), 0);
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  std::vector<std::string> names = p.Names();
  ASSERT_EQ(names.size(), 119u);
  EXPECT_EQ(names.front(), Key(0));
  EXPECT_EQ(std::count(names.begin(), names.end(), Key(114)), 0) << "the freed record is not indexed";
  ASSERT_EQ(IsamClose(p.h), 0);
  p.h = IsamOpen(p.name.c_str());
  ASSERT_EQ(p.h, 0);
  ASSERT_EQ(IsamSelectIndex(p.h, &kByName), 0);
  EXPECT_EQ(p.Names(), names);
}

}  // namespace
