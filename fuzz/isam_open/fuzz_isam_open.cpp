// Fuzzes opening and reading a record-file pair: the input holds the .idx, the .dat and a
// journal. Nothing may crash or loop; scans end within the number of records; and a pair
// that verifies must still verify after a write, a change and a delete.
//   input: idx length (2 bytes), idx, dat length (2 bytes), dat, the rest is the journal,
//   whose last 8 bytes are replaced by its checksum so that damaged entries get looked at
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "grouplink/isam/format.h"
#include "grouplink/isam/isam.h"
#include "grouplink/isam/memory_seam.h"

static std::vector<uint8_t> Take(const uint8_t*& data, size_t& size) {
  if (size < 2) return {};
  size_t n = data[0] | size_t(data[1]) << 8;
  data += 2;
  size -= 2;
  if (n > size) n = size;
  std::vector<uint8_t> out(data, data + n);
  data += n;
  size -= n;
  return out;
}

// Reads the whole index both ways; returns false when a scan would not end.
static bool Scan(int h, uint32_t recordSize, uint64_t records) {
  std::vector<uint8_t> rec(recordSize);
  for (int mode : {kIsamFirst, kIsamPastEnd}) {
    int step = mode == kIsamFirst ? kIsamNext : kIsamPrevious;
    int rc = IsamRead(h, rec.data(), 0, mode);
    if (mode == kIsamPastEnd && rc == kIsamPastLast) rc = IsamRead(h, rec.data(), 0, step);
    for (uint64_t n = 0; rc == 0; ++n) {
      if (n > records) return false;
      rc = IsamRead(h, rec.data(), 0, step);
    }
  }
  return true;
}

static void SealJournal(std::vector<uint8_t>& j) {
  if (j.size() < 52) return;
  uint64_t h = 1469598103934665603ull;
  for (size_t i = 0; i + 8 < j.size(); ++i) h = (h ^ j[i]) * 1099511628211ull;
  for (int i = 0; i < 8; ++i) j[j.size() - 8 + i] = uint8_t(h >> (8 * i));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemoryFiles().clear();
  MemoryFiles()["f.idx"] = Take(data, size);
  MemoryFiles()["f.dat"] = Take(data, size);
  if (size) {
    std::vector<uint8_t> journal(data, data + size);
    SealJournal(journal);
    MemoryFiles()["f.jnl"] = journal;
  }
  IsamUseFileSeam(MemoryFileSeam());
  int h = IsamOpen("f");
  if (h < 0) return 0;
  const std::vector<uint8_t> idx = MemoryFiles()["f.idx"];
  uint32_t R = Get32(idx.data());
  uint64_t records = MemoryFiles()["f.dat"].size() / R;
  bool sound = IsamVerify(h, nullptr) == 0;
  Header header;
  DecodeHeader(idx.data(), &header);
  IsamIndexDef def = {};
  for (uint32_t slot = 0; slot < kSlotCount; ++slot) {
    const IndexSlot& s = header.slot[slot];
    if (s.count == 0 || s.count > 8) continue;
    def.count = int32_t(s.count);
    std::memcpy(def.segment, s.segment, sizeof def.segment);
    if (IsamSelectIndex(h, &def) != 0) continue;
    if (!Scan(h, R, records)) abort();
    std::vector<uint8_t> rec(R, 'a');
    IsamRead(h, rec.data(), 3, kIsamExact);
    IsamRead(h, rec.data(), 0, kIsamNotLess);
  }
  std::vector<uint8_t> rec(R, 'b');
  if (IsamWrite(h, rec.data()) == 0) {
    rec[R - 1] = 'c';
    IsamChange(h, rec.data());
    if (def.count && IsamRead(h, rec.data(), 0, kIsamFirst) == 0) IsamDelete(h, rec.data());
    if (sound && IsamVerify(h, nullptr) != 0) abort();
  }
  IsamClose(h);
  IsamUseFileSeam(nullptr);
  return 0;
}
