// Bounds-checked page and record access for one call, and page allocation.
#include "grouplink/isam/store.h"

static uint64_t RegionKey(int file, uint64_t offset) { return uint64_t(file) << 40 | offset; }

// Reads `size` bytes that must lie inside the file as the call found it.
static int ReadFile(Store& s, int file, uint64_t offset, uint8_t* out, uint32_t size) {
  int got = s.files->seam->readAt(s.files->file[file], offset, out, size);
  if (got < 0) return kIsamIoFailed;
  if (uint32_t(got) != size) return Damaged(s, "file shorter than expected");
  return 0;
}

// The region of this call at (file, offset), read from the file the first time.
static int Touch(Store& s, int file, uint64_t offset, uint32_t size, Region** out) {
  auto it = s.changes->regions.find(RegionKey(file, offset));
  if (it != s.changes->regions.end()) {
    *out = &it->second;
    return 0;
  }
  Region r;
  uint64_t before = s.changes->sizeBefore[file];
  uint32_t have = offset >= before ? 0 : uint32_t(before - offset < size ? before - offset : size);
  r.before.resize(have);
  if (have) {
    int rc = ReadFile(s, file, offset, r.before.data(), have);
    if (rc) return rc;
  }
  r.after.assign(size, 0);
  if (have) std::memcpy(r.after.data(), r.before.data(), have);
  *out = &s.changes->regions.emplace(RegionKey(file, offset), std::move(r)).first->second;
  return 0;
}

// Reading calls go through whole 4 KB blocks kept until the pair changes.
static int ReadCached(Store& s, int file, uint64_t offset, uint8_t* out, uint32_t size) {
  constexpr uint32_t kBlock = ReadCache::kBlock;
  PairFiles& f = *s.files;
  while (size > 0) {
    uint64_t start = offset / kBlock * kBlock;
    uint32_t have = 0;
    const uint8_t* block = f.readCache.Find(file, start, &have);
    if (!block) {
      uint64_t left = s.size[file] > start ? s.size[file] - start : 0;
      uint32_t want = uint32_t(left < kBlock ? left : kBlock);
      uint8_t* room = f.readCache.Room(file, start);
      int got = want == 0 ? 0 : f.seam->readAt(f.file[file], start, room, want);
      if (got < 0) return kIsamIoFailed;
      have = uint32_t(got) < want ? uint32_t(got) : want;
      f.readCache.Keep(file, start, have);
      block = room;
    }
    uint64_t at = offset - start;
    uint32_t n = uint32_t(kBlock - at < size ? kBlock - at : size);
    if (at + n > have) return Damaged(s, "file shorter than expected");
    std::memcpy(out, block + at, n);
    out += n;
    offset += n;
    size -= n;
  }
  return 0;
}

static int ReadPiece(Store& s, int file, uint64_t offset, uint8_t* out, uint32_t size) {
  if (!s.changes) return ReadCached(s, file, offset, out, size);
  Region* r = nullptr;
  int rc = Touch(s, file, offset, size, &r);
  if (rc) return rc;
  std::memcpy(out, r->after.data(), size);
  return 0;
}

static int WritePiece(Store& s, int file, uint64_t offset, const uint8_t* in, uint32_t size) {
  Region* r = nullptr;
  int rc = Touch(s, file, offset, size, &r);
  if (rc) return rc;
  std::memcpy(r->after.data(), in, size);
  if (offset + size > s.size[file]) s.size[file] = offset + size;
  return 0;
}

int LoadStore(PairFiles* files, Changes* changes, Store* s) {
  s->files = files;
  s->changes = changes;
  s->why = nullptr;
  for (int f = 0; f < 2; ++f) {
    int64_t n = files->seam->size(files->file[f]);
    if (n < 0) return kIsamIoFailed;
    s->size[f] = uint64_t(n);
    if (changes) changes->sizeBefore[f] = uint64_t(n);
  }
  if (s->size[kIdxFile] < kPageSize) return Damaged(*s, "index file shorter than its header");
  int rc = ReadPiece(*s, kIdxFile, 0, s->rawHeader, kPageSize);
  if (rc) return rc;
  DecodeHeader(s->rawHeader, &s->header);
  const char* why = nullptr;
  if (CheckHeader(s->header, s->size[kDatFile], s->size[kIdxFile], &why) != 0) return Damaged(*s, why);
  return 0;
}

int ReadPage(Store& s, uint32_t offset, uint8_t* page) {
  if (!PageOffsetValid(s, offset)) return Damaged(s, "page offset out of range");
  return ReadPiece(s, kIdxFile, offset, page, kPageSize);
}

int WritePage(Store& s, uint32_t offset, const uint8_t* page) {
  if (offset % kPageSize != 0 || offset < kPageSize || uint64_t(offset) + kPageSize > s.size[kIdxFile])
    return Damaged(s, "page offset out of range");
  return WritePiece(s, kIdxFile, offset, page, kPageSize);
}

int ReadRecord(Store& s, uint32_t offset, uint8_t* record) {
  if (!RecordOffsetValid(s, offset)) return Damaged(s, "record offset out of range");
  return ReadPiece(s, kDatFile, offset, record, s.header.recordSize);
}

int WriteRecord(Store& s, uint32_t offset, const uint8_t* record) {
  uint32_t R = s.header.recordSize;
  if (offset % R != 0 || offset > s.size[kDatFile]) return Damaged(s, "record offset out of range");
  if (uint64_t(offset) + R > uint64_t(kMaxOffset)) return kIsamIoFailed;
  return WritePiece(s, kDatFile, offset, record, R);
}

int AllocatePage(Store& s, uint32_t* offset) {
  uint32_t head = s.header.freePage;
  if (head != kNoLink) {
    uint8_t page[kPageSize];
    int rc = ReadPage(s, head, page);
    if (rc) return rc;
    uint32_t next = Get32(page);
    if (next != kNoLink && (!PageOffsetValid(s, next) || next == head)) return Damaged(s, "bad free-page link");
    s.header.freePage = next;
    *offset = head;
    return 0;
  }
  uint64_t end = s.size[kIdxFile];
  if (end + kPageSize > uint64_t(kMaxOffset)) return kIsamIoFailed;
  s.size[kIdxFile] = end + kPageSize;
  *offset = uint32_t(end);
  return 0;
}

int FreePage(Store& s, uint32_t offset) {
  uint8_t page[kPageSize] = {};
  Put32(page, s.header.freePage);
  int rc = WritePage(s, offset, page);
  if (rc) return rc;
  s.header.freePage = offset;
  return 0;
}
