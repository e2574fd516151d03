// The B+-tree of one index: page checks, descent, insert with splits, delete with
// merge, share and root collapse.
#include "grouplink/isam/btree.h"

#include "grouplink/isam/key.h"

// Room for the entries of two pages and a separator while splitting or joining.
constexpr uint32_t kWork = 3 * kPageSize;

int CheckPage(Store& s, const uint8_t* page, uint32_t L, bool leaf, bool root) {
  uint32_t n = PageCount(page);
  if (n > Capacity(L)) return Damaged(s, "entry count over capacity");
  if (n == 0 && !(root && leaf)) return Damaged(s, "empty page below the root");
  if (leaf && root && (PagePrev(page) != kNoLink || PageNext(page) != kNoLink))
    return Damaged(s, "root leaf with sibling links");
  uint32_t bytes = L - 4;
  for (uint32_t i = 1; i < n; ++i) {
    if (CompareKeys(EntryKey(page, L, i - 1), EntryKey(page, L, i), bytes) >= 0)
      return Damaged(s, "keys out of order in a page");
  }
  for (uint32_t i = 0; i < n; ++i) {
    uint32_t p = EntryPointer(page, L, i);
    if (leaf ? !RecordOffsetValid(s, p) : !PageOffsetValid(s, p)) return Damaged(s, "entry pointer out of range");
  }
  if (!leaf && !PageOffsetValid(s, LastChild(page, L))) return Damaged(s, "last child out of range");
  return 0;
}

uint32_t LowerBound(const uint8_t* page, uint32_t L, const uint8_t* key, uint32_t bytes) {
  uint32_t lo = 0, hi = PageCount(page);
  while (lo < hi) {
    uint32_t mid = lo + (hi - lo) / 2;
    if (CompareKeys(EntryKey(page, L, mid), key, bytes) < 0) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return lo;
}

int Descend(Store& s, uint32_t slot, int how, const uint8_t* key, uint32_t bytes, TreePath* path, uint8_t* leaf) {
  const IndexSlot& ix = s.header.slot[slot];
  uint32_t L = ix.entryLength;
  uint32_t off = ix.root;
  for (uint32_t level = 0;; ++level) {
    for (uint32_t up = 0; up < level; ++up) {
      if (path->page[up] == off) return Damaged(s, "child points at an ancestor");
    }
    int rc = ReadPage(s, off, leaf);
    if (rc) return rc;
    bool isLeaf = level == ix.height;
    rc = CheckPage(s, leaf, L, isLeaf, level == 0);
    if (rc) return rc;
    uint32_t n = PageCount(leaf);
    uint32_t pos = how == kSeekFirst ? 0 : how == kSeekLast ? n : LowerBound(leaf, L, key, bytes);
    path->page[level] = off;
    path->pos[level] = pos;
    if (isLeaf) return 0;
    off = ChildAt(leaf, L, pos);
  }
}

static void StartPage(uint8_t* page, uint32_t n, uint32_t prev, uint32_t next) {
  std::memset(page, 0, kPageSize);
  Put32(page, n);
  Put32(page + 4, prev);
  Put32(page + 8, next);
}

// Points the neighbour leaf at `offset` (which linked to `was`) at `now` instead.
static int Relink(Store& s, uint32_t offset, uint32_t fieldAt, uint32_t was, uint32_t now) {
  if (offset == kNoLink) return 0;
  uint8_t page[kPageSize];
  int rc = ReadPage(s, offset, page);
  if (rc) return rc;
  if (Get32(page + fieldAt) != was) return Damaged(s, "leaf links disagree");
  Put32(page + fieldAt, now);
  return WritePage(s, offset, page);
}

// Inserts `entry` (pointer and key) at path->pos[level] of path->page[level], splitting
// upwards as needed.
static int InsertAt(Store& s, uint32_t slot, const TreePath& path, uint32_t level, const uint8_t* entry) {
  IndexSlot& ix = s.header.slot[slot];
  const uint32_t L = ix.entryLength, C = Capacity(L);
  const bool leaf = level == ix.height;
  const uint32_t off = path.page[level], pos = path.pos[level];
  uint8_t page[kPageSize];
  int rc = ReadPage(s, off, page);
  if (rc) return rc;
  uint32_t n = PageCount(page);
  if (n < C) {
    uint8_t* at = PageEntry(page, L, pos);
    std::memmove(at + L, at, L * (n - pos) + (leaf ? 0 : 4));
    std::memcpy(at, entry, L);
    Put32(page, n + 1);
    return WritePage(s, off, page);
  }
  // Split the C + 1 entries: with h = C / 2 a leaf keeps the lower h + 1 and an inner page
  // the lower h, the middle key moving up. The lower part moves to a new page.
  uint8_t all[kWork];
  std::memcpy(all, PageEntry(page, L, 0), L * pos);
  std::memcpy(all + L * pos, entry, L);
  std::memcpy(all + L * (pos + 1), PageEntry(page, L, pos), L * (n - pos));
  const uint32_t h = C / 2, total = C + 1;
  uint32_t lowerOff = 0;
  rc = AllocatePage(s, &lowerOff);
  if (rc) return rc;
  uint8_t lower[kPageSize], upper[kPageSize];
  uint8_t up[kMaxEntryLength];
  if (leaf) {
    uint32_t keep = h + 1;
    StartPage(lower, keep, PagePrev(page), off);
    std::memcpy(PageEntry(lower, L, 0), all, L * keep);
    StartPage(upper, total - keep, lowerOff, PageNext(page));
    std::memcpy(PageEntry(upper, L, 0), all + L * keep, L * (total - keep));
    rc = Relink(s, PagePrev(page), 8, off, lowerOff);
    if (rc) return rc;
    std::memcpy(up, all + L * (keep - 1), L);
  } else {
    uint32_t lastChild = LastChild(page, L);
    StartPage(lower, h, kNoLink, kNoLink);
    std::memcpy(PageEntry(lower, L, 0), all, L * h);
    Put32(PageEntry(lower, L, h), Get32(all + L * h));
    StartPage(upper, total - h - 1, kNoLink, kNoLink);
    std::memcpy(PageEntry(upper, L, 0), all + L * (h + 1), L * (total - h - 1));
    Put32(PageEntry(upper, L, total - h - 1), lastChild);
    std::memcpy(up, all + L * h, L);
  }
  Put32(up, lowerOff);
  if ((rc = WritePage(s, lowerOff, lower)) != 0 || (rc = WritePage(s, off, upper)) != 0) return rc;
  if (level > 0) return InsertAt(s, slot, path, level - 1, up);
  // The root split: a new root with one key above the two halves.
  uint32_t rootOff = 0;
  if ((rc = AllocatePage(s, &rootOff)) != 0) return rc;
  uint8_t root[kPageSize];
  StartPage(root, 1, kNoLink, kNoLink);
  std::memcpy(PageEntry(root, L, 0), up, L);
  Put32(PageEntry(root, L, 1), off);
  if ((rc = WritePage(s, rootOff, root)) != 0) return rc;
  if (ix.height >= kMaxHeight) return Damaged(s, "tree too high");
  ix.root = rootOff;
  ix.height += 1;
  return 0;
}

int TreeInsert(Store& s, uint32_t slot, uint32_t pointer, const uint8_t* key) {
  const IndexSlot& ix = s.header.slot[slot];
  uint32_t L = ix.entryLength;
  TreePath path;
  uint8_t leaf[kPageSize];
  int rc = Descend(s, slot, kSeekKey, key, L - 4, &path, leaf);
  if (rc) return rc;
  uint32_t pos = path.pos[ix.height];
  if (pos < PageCount(leaf) && CompareKeys(EntryKey(leaf, L, pos), key, L - 4) == 0) return 1;
  uint8_t entry[kMaxEntryLength];
  Put32(entry, pointer);
  std::memcpy(entry + 4, key, L - 4);
  return InsertAt(s, slot, path, ix.height, entry);
}

// Drops entry `at` of an inner page (its pointer; the following pointers move down).
static void DropInner(uint8_t* page, uint32_t L, uint32_t at) {
  uint32_t n = PageCount(page);
  uint8_t* p = PageEntry(page, L, at);
  std::memmove(p, p + L, L * (n - at - 1) + 4);
  Put32(page, n - 1);
}

// Repairs the page at `level` after it lost an entry.
static int Rebalance(Store& s, uint32_t slot, const TreePath& path, uint32_t level) {
  IndexSlot& ix = s.header.slot[slot];
  const uint32_t L = ix.entryLength, C = Capacity(L);
  const bool leaf = level == ix.height;
  const uint32_t off = path.page[level];
  uint8_t page[kPageSize];
  int rc = ReadPage(s, off, page);
  if (rc) return rc;
  uint32_t n = PageCount(page);
  if (level == 0) {
    if (leaf || n > 0) return 0;
    // An inner root with no key left: its only child becomes the root.
    ix.root = LastChild(page, L);
    ix.height -= 1;
    return FreePage(s, off);
  }
  if (n >= C / 2) return 0;
  const uint32_t parentOff = path.page[level - 1], ppos = path.pos[level - 1];
  uint8_t parent[kPageSize];
  if ((rc = ReadPage(s, parentOff, parent)) != 0) return rc;
  uint32_t pn = PageCount(parent);
  if (pn == 0 || ppos > pn) return Damaged(s, "parent changed under its child");
  // Join with the right neighbour, or the left one for the last child.
  uint32_t sep = ppos < pn ? ppos : pn - 1;
  uint32_t leftOff = EntryPointer(parent, L, sep), rightOff = ChildAt(parent, L, sep + 1);
  for (uint32_t up = 0; up < level; ++up) {
    if (path.page[up] == leftOff || path.page[up] == rightOff) return Damaged(s, "child points at an ancestor");
  }
  if (leftOff == rightOff) return Damaged(s, "two children share a page");
  uint8_t left[kPageSize], right[kPageSize];
  if ((rc = ReadPage(s, leftOff, left)) != 0 || (rc = CheckPage(s, left, L, leaf, false)) != 0) return rc;
  if ((rc = ReadPage(s, rightOff, right)) != 0 || (rc = CheckPage(s, right, L, leaf, false)) != 0) return rc;
  uint32_t nl = PageCount(left), nr = PageCount(right);

  // Everything in order: left entries, [separator with the left's last child], right entries.
  uint8_t all[kWork];
  uint32_t t = 0;
  std::memcpy(all, PageEntry(left, L, 0), L * nl);
  t = nl;
  if (!leaf) {
    Put32(all + L * t, LastChild(left, L));
    std::memcpy(all + L * t + 4, EntryKey(parent, L, sep), L - 4);
    ++t;
  }
  std::memcpy(all + L * t, PageEntry(right, L, 0), L * nr);
  t += nr;
  uint32_t rightLast = leaf ? 0 : LastChild(right, L);

  if (t <= C) {
    // Merge into the right page; the left page is freed and the parent loses its key.
    uint32_t prev = PagePrev(left);
    StartPage(right, t, leaf ? prev : kNoLink, leaf ? PageNext(right) : kNoLink);
    std::memcpy(PageEntry(right, L, 0), all, L * t);
    if (!leaf) Put32(PageEntry(right, L, t), rightLast);
    if (leaf && (rc = Relink(s, prev, 8, leftOff, rightOff)) != 0) return rc;
    if ((rc = WritePage(s, rightOff, right)) != 0 || (rc = FreePage(s, leftOff)) != 0) return rc;
    DropInner(parent, L, sep);
    if ((rc = WritePage(s, parentOff, parent)) != 0) return rc;
    return Rebalance(s, slot, path, level - 1);
  }
  // Share evenly; the parent's separator becomes the left page's last key (leaves) or the
  // entry that moves up (inner pages).
  uint32_t keepLeft = leaf ? t / 2 : (t - 1) / 2;
  uint32_t rightStart = leaf ? keepLeft : keepLeft + 1;
  StartPage(left, keepLeft, leaf ? PagePrev(left) : kNoLink, leaf ? PageNext(left) : kNoLink);
  std::memcpy(PageEntry(left, L, 0), all, L * keepLeft);
  if (!leaf) Put32(PageEntry(left, L, keepLeft), Get32(all + L * keepLeft));
  StartPage(right, t - rightStart, leaf ? PagePrev(right) : kNoLink, leaf ? PageNext(right) : kNoLink);
  std::memcpy(PageEntry(right, L, 0), all + L * rightStart, L * (t - rightStart));
  if (!leaf) Put32(PageEntry(right, L, t - rightStart), rightLast);
  const uint8_t* sepEntry = all + L * (leaf ? keepLeft - 1 : keepLeft);
  std::memcpy(PageEntry(parent, L, sep) + 4, sepEntry + 4, L - 4);
  if ((rc = WritePage(s, leftOff, left)) != 0 || (rc = WritePage(s, rightOff, right)) != 0) return rc;
  return WritePage(s, parentOff, parent);
}

int TreeRemove(Store& s, uint32_t slot, uint32_t pointer, const uint8_t* key) {
  const IndexSlot& ix = s.header.slot[slot];
  uint32_t L = ix.entryLength;
  TreePath path;
  uint8_t leaf[kPageSize];
  int rc = Descend(s, slot, kSeekKey, key, L - 4, &path, leaf);
  if (rc) return rc;
  uint32_t pos = path.pos[ix.height], n = PageCount(leaf);
  if (pos >= n || CompareKeys(EntryKey(leaf, L, pos), key, L - 4) != 0 || EntryPointer(leaf, L, pos) != pointer)
    return 1;
  uint8_t* at = PageEntry(leaf, L, pos);
  std::memmove(at, at + L, L * (n - pos - 1));
  Put32(leaf, n - 1);
  if ((rc = WritePage(s, path.page[ix.height], leaf)) != 0) return rc;
  return Rebalance(s, slot, path, ix.height);
}

int TreeHolds(Store& s, uint32_t slot, uint32_t pointer, const uint8_t* key) {
  const IndexSlot& ix = s.header.slot[slot];
  uint32_t L = ix.entryLength;
  TreePath path;
  uint8_t leaf[kPageSize];
  int rc = Descend(s, slot, kSeekKey, key, L - 4, &path, leaf);
  if (rc) return rc;
  uint32_t pos = path.pos[ix.height];
  return pos < PageCount(leaf) && CompareKeys(EntryKey(leaf, L, pos), key, L - 4) == 0 &&
         EntryPointer(leaf, L, pos) == pointer;
}
