// One open pair as a modifying or reading call sees it: bounds-checked page and record
// access, page allocation, and the changes of one call gathered for its commit.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "grouplink/isam/file_seam.h"
#include "grouplink/isam/format.h"
#include "grouplink/isam/read_cache.h"

enum { kDatFile = 0, kIdxFile = 1 };

struct PairFiles {
  const FileSeam* seam;
  SeamFile* file[2];     // .dat and .idx, owned by the handle
  SeamFile* journal;     // opened at the first commit; owned by the handle
  std::string journalPath;
  ReadCache readCache;    // cleared by every change
};

// A piece of a file this call has read or changed: what the file held before the call
// (shorter at the end of the file) and what it will hold.
struct Region {
  std::vector<uint8_t> before;
  std::vector<uint8_t> after;
};

struct Changes {
  std::map<uint64_t, Region> regions;  // key: file << 40 | offset
  uint64_t sizeBefore[2];
};

struct Store {
  PairFiles* files;
  Header header;
  uint8_t rawHeader[kPageSize];
  uint64_t size[2];      // file sizes, including what this call appends
  Changes* changes;      // null for reading calls: reads go straight to the files
  const char* why;       // the first damage found, for verify and tests
};

// Reads the sizes and the header and checks them. 0, kIsamDamaged or kIsamIoFailed.
int LoadStore(PairFiles* files, Changes* changes, Store* s);

int ReadPage(Store& s, uint32_t offset, uint8_t* page);
int WritePage(Store& s, uint32_t offset, const uint8_t* page);
int ReadRecord(Store& s, uint32_t offset, uint8_t* record);
int WriteRecord(Store& s, uint32_t offset, const uint8_t* record);
// A page from the free-page list or the end of the file (its contents are undefined).
int AllocatePage(Store& s, uint32_t* offset);
int FreePage(Store& s, uint32_t offset);

inline int Damaged(Store& s, const char* why) {
  if (!s.why) s.why = why;
  return kIsamDamaged;
}
inline bool PageOffsetValid(const Store& s, uint32_t off) {
  return off % kPageSize == 0 && off >= kPageSize && uint64_t(off) + kPageSize <= s.size[kIdxFile];
}
inline bool RecordOffsetValid(const Store& s, uint32_t off) {
  return off % s.header.recordSize == 0 && uint64_t(off) + s.header.recordSize <= s.size[kDatFile];
}

// Writes the header and every changed region: journal first, then the .dat and the .idx
// (the .idx first when `indexFirst`), each flushed. On a failure the files are put back;
// `*rolledBack` says whether that worked. 0 or kIsamIoFailed.
int CommitStore(Store& s, int indexFirst, int* rolledBack);

// Undoes or completes an interrupted commit from the journal beside the pair.
int RecoverPair(PairFiles* files);
