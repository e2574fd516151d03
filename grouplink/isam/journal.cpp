// Commit of one call's changes through a rollback journal, and recovery from it.
//
// Before a call overwrites anything it writes name + ".jnl" and flushes it:
//   OFFSET  SIZE  FIELD
//   0       8     "GLJRNL01"
//   8       4     entry count E
//   12      8 x 4 .dat and .idx sizes before the call, then after it
//   44      ...   E entries: file (0 .dat, 1 .idx), offset (8), length, length of the old
//                 bytes kept, hash of the new bytes (8), the old bytes
//   end     8     hash of everything before
// A journal whose hash does not match was torn while being written and is ignored: the
// pair was not touched yet. A whole journal is undone unless every region already holds
// its new bytes (the call finished). After a commit the journal is emptied.
#include "grouplink/isam/store.h"

static const char kMagic[8] = {'G', 'L', 'J', 'R', 'N', 'L', '0', '1'};
constexpr uint32_t kJournalHead = 44;
constexpr uint32_t kEntryHead = 28;
constexpr uint64_t kMaxJournal = 256u << 20;

// The checksum loop has no branch worth tracing. Under the fuzzers' comparison tracing it would
// cost more than the rest of a commit, so it is kept out of it (and out of line, so inlining
// cannot bring the tracing back).
#if defined(__clang__)
#define GROUPLINK_UNTRACED __attribute__((noinline, no_sanitize("coverage")))
#else
#define GROUPLINK_UNTRACED
#endif

GROUPLINK_UNTRACED static uint64_t Hash(const uint8_t* p, size_t n, uint64_t h = 1469598103934665603ull) {
  for (size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 1099511628211ull;
  return h;
}

static void Put64(std::vector<uint8_t>& out, uint64_t v) {
  for (int i = 0; i < 8; ++i) out.push_back(uint8_t(v >> (8 * i)));
}
static void Put32v(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}
static uint64_t Get64(const uint8_t* p) { return uint64_t(Get32(p)) | uint64_t(Get32(p + 4)) << 32; }

struct Piece {
  int file;
  uint64_t offset;
  const std::vector<uint8_t>* before;
  const std::vector<uint8_t>* after;
};

static int WritePieces(PairFiles* files, const std::vector<Piece>& pieces, int file, bool newBytes) {
  for (const Piece& p : pieces) {
    if (p.file != file) continue;
    const std::vector<uint8_t>& bytes = newBytes ? *p.after : *p.before;
    if (bytes.empty()) continue;
    if (files->seam->writeAt(files->file[file], p.offset, bytes.data(), uint32_t(bytes.size())) != 0) return -1;
  }
  return 0;
}

static int PutBack(PairFiles* files, const std::vector<Piece>& pieces, const uint64_t* sizeBefore) {
  const FileSeam* seam = files->seam;
  for (int f = 0; f < 2; ++f) {
    if (WritePieces(files, pieces, f, false) != 0) return -1;
    if (seam->resize(files->file[f], sizeBefore[f]) != 0) return -1;
    if (seam->flush(files->file[f]) != 0) return -1;
  }
  return 0;
}

int CommitStore(Store& s, int indexFirst, int* rolledBack) {
  *rolledBack = 1;
  uint8_t raw[kPageSize];
  std::memcpy(raw, s.rawHeader, kPageSize);
  EncodeHeader(s.header, raw);
  Changes& c = *s.changes;
  // LoadStore read the header through this call's regions, so its region exists.
  c.regions[uint64_t(kIdxFile) << 40].after.assign(raw, raw + kPageSize);

  std::vector<Piece> pieces;
  for (auto& kv : c.regions) {
    const Region& r = kv.second;
    if (r.before == r.after) continue;
    pieces.push_back({int(kv.first >> 40), kv.first & ((uint64_t(1) << 40) - 1), &r.before, &r.after});
  }
  if (pieces.empty() && s.size[0] == c.sizeBefore[0] && s.size[1] == c.sizeBefore[1]) return 0;

  std::vector<uint8_t> j(kMagic, kMagic + 8);
  Put32v(j, uint32_t(pieces.size()));
  Put64(j, c.sizeBefore[0]);
  Put64(j, c.sizeBefore[1]);
  Put64(j, s.size[0]);
  Put64(j, s.size[1]);
  for (const Piece& p : pieces) {
    Put32v(j, uint32_t(p.file));
    Put64(j, p.offset);
    Put32v(j, uint32_t(p.after->size()));
    Put32v(j, uint32_t(p.before->size()));
    Put64(j, Hash(p.after->data(), p.after->size()));
    j.insert(j.end(), p.before->begin(), p.before->end());
  }
  Put64(j, Hash(j.data(), j.size()));

  PairFiles* files = s.files;
  const FileSeam* seam = files->seam;
  if (!files->journal) files->journal = seam->open(files->journalPath.c_str(), kSeamCreate);
  if (!files->journal) return kIsamIoFailed;
  if (seam->writeAt(files->journal, 0, j.data(), uint32_t(j.size())) != 0 || seam->flush(files->journal) != 0) {
    seam->resize(files->journal, 0);
    return kIsamIoFailed;
  }
  int order[2] = {kDatFile, kIdxFile};
  if (indexFirst) std::swap(order[0], order[1]);
  for (int f : order) {
    if (WritePieces(files, pieces, f, true) != 0 || seam->flush(files->file[f]) != 0) {
      if (PutBack(files, pieces, c.sizeBefore) != 0) {
        *rolledBack = 0;
        return kIsamIoFailed;
      }
      seam->resize(files->journal, 0);
      return kIsamIoFailed;
    }
  }
  // Emptying the journal needs no flush: a journal whose regions all hold their new bytes
  // is recognised as finished and left alone.
  seam->resize(files->journal, 0);
  return 0;
}

struct JournalEntry {
  int file;
  uint64_t offset;
  uint32_t length;
  uint32_t kept;
  uint64_t hash;
  const uint8_t* old;
};

// Parses a journal; false when it is torn or malformed.
static bool ParseJournal(const std::vector<uint8_t>& j, uint64_t* sizes, std::vector<JournalEntry>* entries) {
  if (j.size() < kJournalHead + 8 || std::memcmp(j.data(), kMagic, 8) != 0) return false;
  if (Hash(j.data(), j.size() - 8) != Get64(j.data() + j.size() - 8)) return false;
  uint32_t count = Get32(j.data() + 8);
  for (int i = 0; i < 4; ++i) {
    sizes[i] = Get64(j.data() + 12 + 8 * i);
    if (sizes[i] > uint64_t(kMaxOffset) + 1) return false;
  }
  uint64_t at = kJournalHead, end = j.size() - 8;
  for (uint32_t i = 0; i < count; ++i) {
    if (end - at < kEntryHead) return false;
    const uint8_t* p = j.data() + at;
    JournalEntry e;
    e.file = int(Get32(p));
    e.offset = Get64(p + 4);
    e.length = Get32(p + 12);
    e.kept = Get32(p + 16);
    e.hash = Get64(p + 20);
    e.old = p + kEntryHead;
    if (e.file != kDatFile && e.file != kIdxFile) return false;
    if (e.offset > kMaxOffset || e.length > kMaxRecordSize || e.kept > e.length) return false;
    if (e.offset + e.length > sizes[2 + e.file] || (e.kept && e.offset + e.kept > sizes[e.file])) return false;
    if (end - at - kEntryHead < e.kept) return false;
    at += kEntryHead + e.kept;
    entries->push_back(e);
  }
  return at == end;
}

static bool Finished(PairFiles* files, const uint64_t* sizes, const std::vector<JournalEntry>& entries) {
  const FileSeam* seam = files->seam;
  for (int f = 0; f < 2; ++f) {
    if (seam->size(files->file[f]) != int64_t(sizes[2 + f])) return false;
  }
  std::vector<uint8_t> now;
  for (const JournalEntry& e : entries) {
    now.resize(e.length);
    if (seam->readAt(files->file[e.file], e.offset, now.data(), e.length) != int(e.length)) return false;
    if (Hash(now.data(), now.size()) != e.hash) return false;
  }
  return true;
}

int RecoverPair(PairFiles* files) {
  const FileSeam* seam = files->seam;
  SeamFile* jf = files->journal ? files->journal : seam->open(files->journalPath.c_str(), kSeamOpenExisting);
  if (!jf) return 0;
  int rc = 0;
  int64_t size = seam->size(jf);
  if (size < 0) {
    rc = kIsamIoFailed;
  } else if (size > 0 && uint64_t(size) <= kMaxJournal) {
    std::vector<uint8_t> j(size_t(size), 0);
    uint64_t sizes[4];
    std::vector<JournalEntry> entries;
    if (seam->readAt(jf, 0, j.data(), uint32_t(size)) != int(size)) {
      rc = kIsamIoFailed;
    } else if (ParseJournal(j, sizes, &entries) && !Finished(files, sizes, entries)) {
      // Calls only ever grow the pair's files: a size before the call beyond the file as it is
      // now cannot come from a call on this pair, and putting it back would grow the file to
      // whatever the journal says. Such a journal is damage; nothing is changed.
      for (int f = 0; f < 2; ++f) {
        const int64_t now = seam->size(files->file[f]);
        if (now < 0 || sizes[f] > uint64_t(now)) rc = kIsamDamaged;
      }
      for (const JournalEntry& e : entries) {
        if (rc == 0 && e.kept && seam->writeAt(files->file[e.file], e.offset, e.old, e.kept) != 0)
          rc = kIsamIoFailed;
      }
      for (int f = 0; f < 2 && rc == 0; ++f) {
        if (seam->resize(files->file[f], sizes[f]) != 0 || seam->flush(files->file[f]) != 0) rc = kIsamIoFailed;
      }
    }
  }
  if (rc == 0 && size != 0 && (seam->resize(jf, 0) != 0 || seam->flush(jf) != 0)) rc = kIsamIoFailed;
  if (!files->journal) seam->close(jf);
  return rc;
}
