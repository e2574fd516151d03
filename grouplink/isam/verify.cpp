// Whole-pair checks: the free lists (also walked when a pair is opened) and the verification
// that walks every tree, its leaf chain and every record an entry points at.
#include "grouplink/isam/verify.h"

#include "grouplink/isam/btree.h"
#include "grouplink/isam/key.h"

static int Mark(Store& s, std::vector<uint8_t>& marks, uint64_t index, const char* twice) {
  if (index >= marks.size()) return Damaged(s, "offset out of range");
  if (marks[index]) return Damaged(s, twice);
  marks[index] = 1;
  return 0;
}

int CheckFreeLists(Store& s, std::vector<uint8_t>* pageMarks, std::vector<uint8_t>* recordMarks) {
  std::vector<uint8_t> pages, records;
  if (!pageMarks) pageMarks = &pages;
  if (!recordMarks) recordMarks = &records;
  uint32_t R = s.header.recordSize;
  pageMarks->assign(size_t(s.size[kIdxFile] / kPageSize), 0);
  recordMarks->assign(size_t(s.size[kDatFile] / R), 0);
  int rc = 0;
  for (uint32_t off = s.header.freePage; off != kNoLink;) {
    uint8_t page[kPageSize];
    if ((rc = ReadPage(s, off, page)) != 0) return rc;
    if ((rc = Mark(s, *pageMarks, off / kPageSize, "free-page list cycles")) != 0) return rc;
    off = Get32(page);
  }
  std::vector<uint8_t> record(R);
  for (uint32_t off = s.header.freeRecord; off != kNoLink;) {
    if ((rc = ReadRecord(s, off, record.data())) != 0) return rc;
    if ((rc = Mark(s, *recordMarks, off / R, "free-record list cycles")) != 0) return rc;
    uint32_t next = Get32(record.data());
    if (next == off) return Damaged(s, "free record is live");
    off = next;
  }
  return 0;
}

struct Walk {
  Store* s;
  uint32_t slot;
  std::vector<uint8_t> pageMarks;
  std::vector<uint32_t> leaves;
  std::vector<uint8_t> record;
};

// Checks the subtree at `off`: every key above `low` and at most `high` (null = unbounded).
static int VisitPage(Walk& w, uint32_t off, uint32_t level, const uint8_t* low, const uint8_t* high) {
  Store& s = *w.s;
  const IndexSlot& ix = s.header.slot[w.slot];
  const uint32_t L = ix.entryLength, bytes = L - 4;
  const bool leaf = level == ix.height;
  uint8_t page[kPageSize];
  int rc = ReadPage(s, off, page);
  if (rc == 0) rc = Mark(s, w.pageMarks, off / kPageSize, "page used twice");
  if (rc == 0) rc = CheckPage(s, page, L, leaf, level == 0);
  if (rc) return rc;
  uint32_t n = PageCount(page);
  if (n > 0 && low && CompareKeys(EntryKey(page, L, 0), low, bytes) <= 0) return Damaged(s, "key below its subtree");
  if (n > 0 && high && CompareKeys(EntryKey(page, L, n - 1), high, bytes) > 0)
    return Damaged(s, "key above its subtree");
  if (leaf) {
    w.leaves.push_back(off);
    uint8_t key[kMaxEntryLength];
    for (uint32_t i = 0; i < n; ++i) {
      uint32_t at = EntryPointer(page, L, i);
      if ((rc = ReadRecord(s, at, w.record.data())) != 0) return rc;
      if (Get32(w.record.data()) != at) return Damaged(s, "index entry points at a record that is not live");
      BuildKey(ix, w.record.data(), key);
      if (CompareKeys(key, EntryKey(page, L, i), bytes) != 0) return Damaged(s, "index entry and record disagree");
    }
    return 0;
  }
  for (uint32_t i = 0; i <= n; ++i) {
    const uint8_t* childLow = i == 0 ? low : EntryKey(page, L, i - 1);
    const uint8_t* childHigh = i < n ? EntryKey(page, L, i) : high;
    if ((rc = VisitPage(w, ChildAt(page, L, i), level + 1, childLow, childHigh)) != 0) return rc;
  }
  return 0;
}

static int CheckLeafChain(Walk& w) {
  Store& s = *w.s;
  for (size_t i = 0; i < w.leaves.size(); ++i) {
    uint8_t page[kPageSize];
    int rc = ReadPage(s, w.leaves[i], page);
    if (rc) return rc;
    uint32_t prev = i == 0 ? kNoLink : w.leaves[i - 1];
    uint32_t next = i + 1 == w.leaves.size() ? kNoLink : w.leaves[i + 1];
    if (PagePrev(page) != prev || PageNext(page) != next) return Damaged(s, "leaf links do not follow the tree");
  }
  return 0;
}

int VerifyPair(PairFiles* files, std::string* problem) {
  files->readCache.Clear();
  Store s;
  Walk w;
  w.s = &s;
  std::vector<uint8_t> recordMarks;
  int rc = LoadStore(files, nullptr, &s);
  if (rc == 0) rc = CheckFreeLists(s, &w.pageMarks, &recordMarks);
  w.record.resize(rc == 0 ? s.header.recordSize : 0);
  for (uint32_t slot = 0; rc == 0 && slot < kSlotCount; ++slot) {
    if (s.header.slot[slot].count == 0) continue;
    w.slot = slot;
    w.leaves.clear();
    rc = VisitPage(w, s.header.slot[slot].root, 0, nullptr, nullptr);
    if (rc == 0) rc = CheckLeafChain(w);
  }
  if (problem) *problem = rc == 0 ? "" : s.why ? s.why : "files could not be read";
  return rc;
}
