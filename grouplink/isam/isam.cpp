// The two record-file handles and the calls behind the is_ exports: open, build, index
// definitions, the read modes with their cursor, write, change and delete.
#include "grouplink/isam/isam.h"

#include <vector>

#include "grouplink/isam/btree.h"
#include "grouplink/isam/key.h"
#include "grouplink/isam/verify.h"

enum { kNowhere = 0, kOnEntry = 1, kBeforeFirst = 2, kAfterLast = 3 };

// The cursor keeps a copy of its leaf, which also holds the key of the entry it is on.
// When any pair changed since (the generation moved on), the copy may be stale, and the
// cursor finds its entry again by that key.
struct Cursor {
  int state;
  uint32_t leafOff;
  uint8_t leaf[kPageSize];
  uint32_t pos;
  uint64_t generation;
};

struct Handle {
  bool open;
  bool needsRecovery;  // a commit failed and could not be undone: undo it before going on
  PairFiles files;
  int selected;        // -1 = none
  uint32_t entryLength;  // of the selected index
  Cursor cursor;
  Store readStore;       // the header and sizes as reading calls last loaded them
  uint64_t readGeneration;
};

static Handle g_handles[2];
static uint64_t g_generation = 1;
static const FileSeam* g_seam = nullptr;

void IsamUseFileSeam(const FileSeam* seam) { g_seam = seam; }
const FileSeam* IsamFileSeam() { return g_seam ? g_seam : PlatformFileSeam(); }

// The files of an open handle, or null.
static PairFiles* HandleFiles(int handle) {
  if (handle < 0 || handle > 1 || !g_handles[handle].open) return nullptr;
  return &g_handles[handle].files;
}

// Something may have changed a pair: cursors find their entries again and every handle's
// read cache and header copy are dropped.
static void Changed() {
  ++g_generation;
  for (Handle& h : g_handles) {
    h.files.readCache.Clear();
  }
}

static int Enter(int handle, Handle** out) {
  if (handle < 0 || handle > 1) return kIsamBadHandle;
  Handle& h = g_handles[handle];
  if (!h.open) return kIsamNotOpen;
  if (h.needsRecovery) {
    Changed();
    if (RecoverPair(&h.files) != 0) return kIsamIoFailed;
    h.needsRecovery = false;
  }
  *out = &h;
  return 0;
}

static int FreeHandle() {
  for (int i = 0; i < 2; ++i) {
    if (!g_handles[i].open) return i;
  }
  return kIsamNoHandle;
}

static void CloseFiles(PairFiles& f) {
  for (SeamFile*& file : f.file) {
    if (file) f.seam->close(file);
    file = nullptr;
  }
  if (f.journal) f.seam->close(f.journal);
  f.journal = nullptr;
  f.readCache.Release();
}

static void StartHandle(Handle& h) {
  h.open = true;
  h.needsRecovery = false;
  h.selected = -1;
  h.cursor.state = kNowhere;
  h.readGeneration = 0;
}

// Commits a modifying call's changes unless the work failed.
static int Finish(Handle& h, Store& s, int rc, int indexFirst) {
  Changed();
  if (rc < 0) return rc;
  int rolledBack = 1;
  rc = CommitStore(s, indexFirst, &rolledBack);
  if (!rolledBack) h.needsRecovery = true;
  return rc;
}

int IsamBuild(const char* name, int recordSize) {
  if (!name) return kIsamBadArgument;
  if (recordSize < 4 || uint32_t(recordSize) > kMaxRecordSize) return kIsamBadArgument;
  int slot = FreeHandle();
  if (slot < 0) return slot;
  Handle& h = g_handles[slot];
  PairFiles& f = h.files;
  f = PairFiles{IsamFileSeam(), {nullptr, nullptr}, nullptr, std::string(name) + ".jnl", {}};
  // A journal left by an earlier pair of this name must never be applied to the new one.
  f.seam->remove(f.journalPath.c_str());
  f.file[kDatFile] = f.seam->open((std::string(name) + ".dat").c_str(), kSeamCreate);
  f.file[kIdxFile] = f.seam->open((std::string(name) + ".idx").c_str(), kSeamCreate);
  uint8_t header[kPageSize] = {};
  Put32(header, uint32_t(recordSize));
  Put32(header + 4, kNoLink);
  Put32(header + 8, kNoLink);
  if (!f.file[kDatFile] || !f.file[kIdxFile] || f.seam->writeAt(f.file[kIdxFile], 0, header, kPageSize) != 0 ||
      f.seam->flush(f.file[kDatFile]) != 0 || f.seam->flush(f.file[kIdxFile]) != 0) {
    CloseFiles(f);
    return kIsamCantCreate;
  }
  StartHandle(h);
  Changed();
  return slot;
}

int IsamOpen(const char* name) {
  if (!name) return kIsamBadArgument;
  int slot = FreeHandle();
  if (slot < 0) return slot;
  Handle& h = g_handles[slot];
  PairFiles& f = h.files;
  f = PairFiles{IsamFileSeam(), {nullptr, nullptr}, nullptr, std::string(name) + ".jnl", {}};
  f.file[kDatFile] = f.seam->open((std::string(name) + ".dat").c_str(), kSeamOpenExisting);
  f.file[kIdxFile] = f.seam->open((std::string(name) + ".idx").c_str(), kSeamOpenExisting);
  if (!f.file[kDatFile] || !f.file[kIdxFile]) {
    CloseFiles(f);
    return kIsamBadHandle;
  }
  Changed();
  int rc = RecoverPair(&f);
  Store s;
  if (rc == 0) rc = LoadStore(&f, nullptr, &s);
  if (rc == 0) rc = CheckFreeLists(s, nullptr, nullptr);
  if (rc != 0) {
    CloseFiles(f);
    return rc;
  }
  StartHandle(h);
  return slot;
}

int IsamClose(int handle) {
  Handle* h = nullptr;
  if (handle < 0 || handle > 1) return kIsamBadHandle;
  if (!g_handles[handle].open) return kIsamNotOpen;
  h = &g_handles[handle];
  CloseFiles(h->files);
  // The journal is empty after every finished commit; one that still matters stays.
  if (!h->needsRecovery) h->files.seam->remove(h->files.journalPath.c_str());
  h->open = false;
  return 0;
}

// The count and segments of a definition as the header stores them (4 + 12 x S bytes).
static void DefinitionBytes(const IsamIndexDef* def, uint8_t* out) {
  Put32(out, uint32_t(def->count));
  for (int i = 0; i < 8; ++i) {
    Put32(out + 4 + 12 * i, uint32_t(def->segment[i].type));
    Put32(out + 8 + 12 * i, uint32_t(def->segment[i].offset));
    Put32(out + 12 + 12 * i, uint32_t(def->segment[i].length));
  }
}

int IsamAddIndex(int handle, const IsamIndexDef* def) {
  Handle* h = nullptr;
  int rc = Enter(handle, &h);
  if (rc) return rc;
  if (!def) return kIsamBadArgument;
  Changes changes;
  Store s;
  if ((rc = LoadStore(&h->files, &changes, &s)) != 0) return rc;
  uint32_t slot = 0;
  while (slot < kSlotCount && s.header.slot[slot].count != 0) ++slot;
  if (slot == kSlotCount) return kIsamNoIndex;
  uint32_t L = 0;
  if (def->count < 1 || def->count > 8) return kIsamBadArgument;
  if (CheckDefinition(uint32_t(def->count), def->segment, s.header.recordSize, &L) != 0) return kIsamBadArgument;
  IndexSlot& ix = s.header.slot[slot];
  ix = IndexSlot{};
  ix.count = uint32_t(def->count);
  for (int i = 0; i < def->count; ++i) ix.segment[i] = def->segment[i];
  ix.entryLength = L;
  ix.height = 0;
  rc = AllocatePage(s, &ix.root);
  uint8_t root[kPageSize] = {};
  Put32(root + 4, kNoLink);
  Put32(root + 8, kNoLink);
  if (rc == 0) rc = WritePage(s, ix.root, root);
  // Index every live record already in the file.
  uint32_t R = s.header.recordSize;
  std::vector<uint8_t> record(R);
  uint8_t key[kMaxEntryLength];
  for (uint64_t off = 0; rc >= 0 && off + R <= s.size[kDatFile]; off += R) {
    rc = ReadRecord(s, uint32_t(off), record.data());
    if (rc == 0 && Get32(record.data()) == off) {
      BuildKey(ix, record.data(), key);
      rc = TreeInsert(s, slot, uint32_t(off), key);
    }
  }
  return Finish(*h, s, rc, 0);
}

// The header for a reading call: loaded again, and the read cache dropped, only when a pair
// changed since the last reading call.
static int LoadForRead(Handle& h, Store** out) {
  Store& s = h.readStore;
  if (h.readGeneration != g_generation) {
    h.files.readCache.Clear();
    int rc = LoadStore(&h.files, nullptr, &s);
    if (rc) return rc;
    h.readGeneration = g_generation;
  }
  s.why = nullptr;
  *out = &s;
  if (h.selected >= 0 && s.header.slot[h.selected].count == 0) return Damaged(s, "selected index vanished");
  return 0;
}

int IsamSelectIndex(int handle, const IsamIndexDef* def) {
  Handle* h = nullptr;
  int rc = Enter(handle, &h);
  if (rc) return rc;
  if (!def) return kIsamBadArgument;
  Store s;
  if ((rc = LoadStore(&h->files, nullptr, &s)) != 0) return rc;
  if (def->count < 1 || def->count > 8) return kIsamNoIndex;
  uint8_t want[kSlotBytes];
  DefinitionBytes(def, want);
  for (uint32_t slot = 0; slot < kSlotCount; ++slot) {
    const uint8_t* have = s.rawHeader + kSlotsAt + slot * kSlotBytes;
    if (std::memcmp(have, want, 4 + 12 * size_t(def->count)) == 0) {
      h->selected = int(slot);
      h->entryLength = s.header.slot[slot].entryLength;
      h->cursor.state = kNowhere;
      return 0;
    }
  }
  return kIsamNoIndex;
}

// ---- reading ------------------------------------------------------------------------------

// `leaf` may be the cursor's own copy: a step within a leaf copies nothing.
static void PlaceCursor(Handle& h, int state, uint32_t leafOff, const uint8_t* leaf, uint32_t pos) {
  Cursor& c = h.cursor;
  c.state = state;
  c.leafOff = leafOff;
  if (leaf != c.leaf) std::memcpy(c.leaf, leaf, kPageSize);
  c.pos = pos;
  c.generation = g_generation;
}

// The key of the entry the cursor is on (state kOnEntry).
static const uint8_t* CursorKey(const Handle& h) { return EntryKey(h.cursor.leaf, h.entryLength, h.cursor.pos); }

// Room for one record: on the stack for the usual small records, so reads allocate nothing.
class RecordBuffer {
 public:
  explicit RecordBuffer(uint32_t size) {
    if (size > sizeof small_) {
      large_.resize(size);
      data_ = large_.data();
    }
  }
  RecordBuffer(const RecordBuffer&) = delete;
  RecordBuffer& operator=(const RecordBuffer&) = delete;
  uint8_t* data() { return data_; }

 private:
  uint8_t small_[512];
  std::vector<uint8_t> large_;
  uint8_t* data_ = small_;
};

// Reads the record of entry `pos` after checking that it is live and carries the entry's key,
// so a damaged index never hands out free or foreign data.
static int FetchRecord(Store& s, Handle& h, const uint8_t* leaf, uint32_t pos, uint8_t* out) {
  uint32_t L = h.entryLength;
  uint32_t at = EntryPointer(leaf, L, pos);
  RecordBuffer buffer(s.header.recordSize);
  uint8_t* record = buffer.data();
  int rc = ReadRecord(s, at, record);
  if (rc) return rc;
  if (Get32(record) != at) return Damaged(s, "index entry points at a record that is not live");
  uint8_t key[kMaxEntryLength];
  BuildKey(s.header.slot[h.selected], record, key);
  if (CompareKeys(key, EntryKey(leaf, L, pos), L - 4) != 0) return Damaged(s, "index entry and record disagree");
  std::memcpy(out, record, s.header.recordSize);
  return 0;
}

// Loads the leaf a link leads to and checks it joins on to `from` (links back to it, keys
// carry on in order), which also stops a scan round a cycle of links.
static int FollowLink(Store& s, Handle& h, const uint8_t* from, uint32_t fromOff, bool forward, uint8_t* to) {
  uint32_t L = h.entryLength;
  uint32_t off = forward ? PageNext(from) : PagePrev(from);
  int rc = ReadPage(s, off, to);
  if (rc == 0) rc = CheckPage(s, to, L, true, false);
  if (rc) return rc;
  if ((forward ? PagePrev(to) : PageNext(to)) != fromOff) return Damaged(s, "leaf links disagree");
  uint32_t nf = PageCount(from), nt = PageCount(to);
  if (nf > 0) {
    const uint8_t* a = forward ? EntryKey(from, L, nf - 1) : EntryKey(to, L, nt - 1);
    const uint8_t* b = forward ? EntryKey(to, L, 0) : EntryKey(from, L, 0);
    if (CompareKeys(a, b, L - 4) >= 0) return Damaged(s, "leaf keys out of order across a link");
  }
  return 0;
}

// Settles on position `pos` of `leaf` going forwards (pos may be n: then the next leaf's
// first entry) and reads that record. kIsamPastLast when there is none.
static int ReadForward(Store& s, Handle& h, uint32_t leafOff, const uint8_t* leaf, uint32_t pos, uint8_t* out) {
  uint8_t next[kPageSize];
  if (pos >= PageCount(leaf)) {
    if (PageNext(leaf) == kNoLink) {
      PlaceCursor(h, kAfterLast, leafOff, leaf, 0);
      return kIsamPastLast;
    }
    int rc = FollowLink(s, h, leaf, leafOff, true, next);
    if (rc) return rc;
    leafOff = PageNext(leaf);
    leaf = next;
    pos = 0;
  }
  int rc = FetchRecord(s, h, leaf, pos, out);
  if (rc) return rc;
  PlaceCursor(h, kOnEntry, leafOff, leaf, pos);
  return 0;
}

// Reads the entry before position `pos` of `leaf`. kIsamBeforeFirst when there is none.
static int ReadBackward(Store& s, Handle& h, uint32_t leafOff, const uint8_t* leaf, uint32_t pos, uint8_t* out) {
  uint8_t prev[kPageSize];
  if (pos == 0) {
    if (PagePrev(leaf) == kNoLink) {
      PlaceCursor(h, kBeforeFirst, leafOff, leaf, 0);
      return kIsamBeforeFirst;
    }
    int rc = FollowLink(s, h, leaf, leafOff, false, prev);
    if (rc) return rc;
    leafOff = PagePrev(leaf);
    leaf = prev;
    pos = PageCount(leaf);
  }
  int rc = FetchRecord(s, h, leaf, pos - 1, out);
  if (rc) return rc;
  PlaceCursor(h, kOnEntry, leafOff, leaf, pos - 1);
  return 0;
}

// Modes 1 and 2 from an entry. When nothing changed since the cursor was placed its leaf
// copy is current and is used in place; otherwise the entry is found again by key (it may
// be gone).
static int Step(Store& s, Handle& h, bool forward, uint8_t* out) {
  Cursor& c = h.cursor;
  uint8_t found[kPageSize];
  const uint8_t* leaf = c.leaf;
  uint32_t leafOff = c.leafOff, pos = c.pos;
  if (c.generation == g_generation) {
    if (forward) ++pos;
  } else {
    uint32_t L = h.entryLength;
    const uint8_t* key = CursorKey(h);
    TreePath path;
    int rc = Descend(s, uint32_t(h.selected), kSeekKey, key, L - 4, &path, found);
    if (rc) return rc;
    uint32_t height = s.header.slot[h.selected].height;
    leaf = found;
    leafOff = path.page[height];
    pos = path.pos[height];
    if (forward && pos < PageCount(leaf) && CompareKeys(EntryKey(leaf, L, pos), key, L - 4) == 0) ++pos;
  }
  return forward ? ReadForward(s, h, leafOff, leaf, pos, out) : ReadBackward(s, h, leafOff, leaf, pos, out);
}

static int Seek(Store& s, Handle& h, int how, const uint8_t* key, uint32_t bytes, uint32_t* leafOff,
                uint8_t* leaf, uint32_t* pos) {
  TreePath path;
  int rc = Descend(s, uint32_t(h.selected), how, key, bytes, &path, leaf);
  if (rc) return rc;
  uint32_t height = s.header.slot[h.selected].height;
  *leafOff = path.page[height];
  *pos = path.pos[height];
  return 0;
}

int IsamRead(int handle, void* record, int keyBytes, int mode) {
  Handle* h = nullptr;
  int rc = Enter(handle, &h);
  if (rc) return rc;
  if (h->selected < 0) return kIsamNotSelected;
  if (!record || mode < kIsamPrevious || mode > kIsamNotLess) return kIsamBadArgument;
  Store* store = nullptr;
  if ((rc = LoadForRead(*h, &store)) != 0) return rc;
  Store& s = *store;
  uint8_t* out = static_cast<uint8_t*>(record);
  Cursor& c = h->cursor;
  uint32_t L = h->entryLength, leafOff = 0, pos = 0;
  uint8_t leaf[kPageSize];
  switch (mode) {
    case kIsamPrevious:
      if (c.state == kOnEntry) {
        rc = Step(s, *h, false, out);
      } else if (c.state == kAfterLast) {
        rc = Seek(s, *h, kSeekLast, nullptr, 0, &leafOff, leaf, &pos);
        if (rc == 0) rc = ReadBackward(s, *h, leafOff, leaf, pos, out);
      } else {
        rc = kIsamBeforeFirst;
      }
      break;
    case kIsamNext:
      if (c.state == kOnEntry) {
        rc = Step(s, *h, true, out);
      } else if (c.state == kBeforeFirst) {
        rc = Seek(s, *h, kSeekFirst, nullptr, 0, &leafOff, leaf, &pos);
        if (rc == 0) rc = ReadForward(s, *h, leafOff, leaf, pos, out);
      } else {
        rc = kIsamPastLast;
      }
      break;
    case kIsamFirst:
      rc = Seek(s, *h, kSeekFirst, nullptr, 0, &leafOff, leaf, &pos);
      if (rc == 0) rc = ReadForward(s, *h, leafOff, leaf, pos, out);
      break;
    case kIsamPastEnd:
      rc = Seek(s, *h, kSeekLast, nullptr, 0, &leafOff, leaf, &pos);
      if (rc == 0) {
        PlaceCursor(*h, kAfterLast, leafOff, leaf, 0);
        rc = kIsamPastLast;
      }
      break;
    default: {
      uint8_t key[kMaxEntryLength];
      BuildKey(s.header.slot[h->selected], out, key);
      uint32_t bytes = keyBytes <= 0 || uint32_t(keyBytes) > L - 4 ? L - 4 : uint32_t(keyBytes);
      rc = Seek(s, *h, kSeekKey, key, bytes, &leafOff, leaf, &pos);
      if (rc) break;
      if (mode == kIsamNotLess) {
        rc = ReadForward(s, *h, leafOff, leaf, pos, out);
        break;
      }
      // Exact: look before reading; on a miss the cursor stands where the key would be.
      RecordBuffer scratch(s.header.recordSize);
      rc = ReadForward(s, *h, leafOff, leaf, pos, scratch.data());
      if (rc == kIsamPastLast) {
        rc = kIsamKeyNotFound;
      } else if (rc == 0) {
        if (CompareKeys(CursorKey(*h), key, bytes) != 0) {
          rc = kIsamKeyNotFound;
        } else {
          std::memcpy(out, scratch.data(), s.header.recordSize);
        }
      }
    }
  }
  if (rc == kIsamDamaged || rc == kIsamIoFailed) c.state = kNowhere;
  return rc;
}

// ---- changing -----------------------------------------------------------------------------

static uint32_t Slots(const Store& s, uint32_t* list) {
  uint32_t n = 0;
  for (uint32_t i = 0; i < kSlotCount; ++i) {
    if (s.header.slot[i].count != 0) list[n++] = i;
  }
  return n;
}

// A record offset from the free-record list or the end of the file. A free record that is
// live or still indexed means the list is damaged; it is never handed out.
static int AllocateRecord(Store& s, uint32_t* offset) {
  uint32_t head = s.header.freeRecord, R = s.header.recordSize;
  if (head == kNoLink) {
    if (s.size[kDatFile] + R > kMaxOffset) return kIsamIoFailed;
    *offset = uint32_t(s.size[kDatFile]);
    return 0;
  }
  std::vector<uint8_t> record(R);
  int rc = ReadRecord(s, head, record.data());
  if (rc) return rc;
  uint32_t next = Get32(record.data());
  if (next == head) return Damaged(s, "free record is live");
  if (next != kNoLink && !RecordOffsetValid(s, next)) return Damaged(s, "bad free-record link");
  uint32_t slots[kSlotCount];
  uint8_t key[kMaxEntryLength];
  for (uint32_t i = 0, n = Slots(s, slots); i < n; ++i) {
    BuildKey(s.header.slot[slots[i]], record.data(), key);
    rc = TreeHolds(s, slots[i], head, key);
    if (rc < 0) return rc;
    if (rc == 1) return Damaged(s, "free record still indexed");
  }
  s.header.freeRecord = next;
  *offset = head;
  return 0;
}

int IsamWrite(int handle, void* record) {
  Handle* h = nullptr;
  int rc = Enter(handle, &h);
  if (rc) return rc;
  if (!record) return kIsamBadArgument;
  Changes changes;
  Store s;
  if ((rc = LoadStore(&h->files, &changes, &s)) != 0) return rc;
  uint8_t* rec = static_cast<uint8_t*>(record);
  uint32_t off = 0;
  if ((rc = AllocateRecord(s, &off)) != 0) return Finish(*h, s, rc, 0);
  Put32(rec, off);
  rc = WriteRecord(s, off, rec);
  uint32_t slots[kSlotCount];
  uint8_t key[kMaxEntryLength];
  for (uint32_t i = 0, n = Slots(s, slots); i < n && rc >= 0; ++i) {
    BuildKey(s.header.slot[slots[i]], rec, key);
    rc = TreeInsert(s, slots[i], off, key);
  }
  return Finish(*h, s, rc, 0);
}

// Checks that the buffer's record is the live record at the offset it names.
static int LoadOwnRecord(Store& s, const uint8_t* rec, std::vector<uint8_t>* stored) {
  uint32_t off = Get32(rec);
  if (!RecordOffsetValid(s, off)) return kIsamNotYours;
  stored->resize(s.header.recordSize);
  int rc = ReadRecord(s, off, stored->data());
  if (rc) return rc;
  return Get32(stored->data()) == off ? 0 : kIsamNotYours;
}

int IsamChange(int handle, const void* record) {
  Handle* h = nullptr;
  int rc = Enter(handle, &h);
  if (rc) return rc;
  if (!record) return kIsamBadArgument;
  Changes changes;
  Store s;
  if ((rc = LoadStore(&h->files, &changes, &s)) != 0) return rc;
  const uint8_t* rec = static_cast<const uint8_t*>(record);
  std::vector<uint8_t> old;
  if ((rc = LoadOwnRecord(s, rec, &old)) != 0) return rc;
  uint32_t off = Get32(rec);
  rc = WriteRecord(s, off, rec);
  // Only the indexes whose key changed are touched.
  uint32_t slots[kSlotCount];
  uint8_t before[kMaxEntryLength], after[kMaxEntryLength];
  for (uint32_t i = 0, n = Slots(s, slots); i < n && rc >= 0; ++i) {
    const IndexSlot& ix = s.header.slot[slots[i]];
    BuildKey(ix, old.data(), before);
    BuildKey(ix, rec, after);
    if (CompareKeys(before, after, ix.entryLength - 4) == 0) continue;
    rc = TreeRemove(s, slots[i], off, before);
    if (rc >= 0) rc = TreeInsert(s, slots[i], off, after);
  }
  return Finish(*h, s, rc, 0);
}

int IsamDelete(int handle, const void* record) {
  Handle* h = nullptr;
  int rc = Enter(handle, &h);
  if (rc) return rc;
  if (!record) return kIsamBadArgument;
  Changes changes;
  Store s;
  if ((rc = LoadStore(&h->files, &changes, &s)) != 0) return rc;
  const uint8_t* rec = static_cast<const uint8_t*>(record);
  std::vector<uint8_t> old;
  if ((rc = LoadOwnRecord(s, rec, &old)) != 0) return rc;
  uint32_t off = Get32(rec);
  uint32_t slots[kSlotCount];
  uint8_t key[kMaxEntryLength];
  for (uint32_t i = 0, n = Slots(s, slots); i < n && rc >= 0; ++i) {
    BuildKey(s.header.slot[slots[i]], old.data(), key);
    rc = TreeRemove(s, slots[i], off, key);
  }
  if (rc >= 0) {
    Put32(old.data(), s.header.freeRecord);
    rc = WriteRecord(s, off, old.data());
    s.header.freeRecord = off;
  }
  // The index entries go before the record is freed: the .idx is committed first.
  return Finish(*h, s, rc, 1);
}

// ---- checking ----------------------------------------------------------------------------

int IsamVerify(int handle, std::string* problem) {
  PairFiles* files = HandleFiles(handle);
  if (!files) return handle < 0 || handle > 1 ? kIsamBadHandle : kIsamNotOpen;
  return VerifyPair(files, problem);
}
