// Fuzzes operation scripts on a record-file pair: index definitions, writes, changes,
// deletes, reads, reopening, and writes or flushes that fail part-way. After every step the
// pair must verify, and every record the store holds must be what was last written to it.
//
// Run with the flags in ./options: scripts of at most 32 bytes reach the same edges as longer
// ones (the committed long scripts still replay whole), and each input turns up so many distinct
// features that libFuzzer's entropic bookkeeping would take three quarters of the time.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "grouplink/isam/format.h"
#include "grouplink/isam/isam.h"
#include "grouplink/isam/memory_seam.h"
#include "tests/grouplink/isam_test_util.h"

namespace {

struct Script {
  const uint8_t* data;
  size_t size;
  uint8_t Byte() {
    if (!size) return 0;
    --size;
    return *data++;
  }
};

struct Run {
  int h = -1;
  uint32_t R = 0;
  std::vector<IsamIndexDef> defs;
  std::map<uint32_t, std::vector<uint8_t>> live;  // what each live record must hold
  FaultPlan plan;
};

void Check(bool ok) {
  if (!ok) abort();
}

// Every live record in the .dat file is one the script wrote, with its bytes.
void CheckRecords(Run& run) {
  const std::vector<uint8_t>& dat = MemoryFiles()["f.dat"];
  size_t liveCount = 0;
  for (size_t off = 0; off + run.R <= dat.size(); off += run.R) {
    if (Get32(dat.data() + off) != off) continue;
    ++liveCount;
    auto it = run.live.find(uint32_t(off));
    Check(it != run.live.end() && std::memcmp(it->second.data(), dat.data() + off, run.R) == 0);
  }
  Check(liveCount == run.live.size());
}

void Reopen(Run& run) {
  IsamClose(run.h);
  IsamUseFileSeam(MemoryFileSeam());
  run.h = IsamOpen("f");
  std::string problem;
  int rc = run.h == 0 ? IsamVerify(run.h, &problem) : run.h;
  if (rc != 0) std::fprintf(stderr, "reopened pair: %d %s\n", rc, problem.c_str());
  Check(rc == 0);
}

// After a failed call the pair holds the state before or after it: take it from the file.
void Resync(Run& run) {
  Reopen(run);
  const std::vector<uint8_t>& dat = MemoryFiles()["f.dat"];
  run.live.clear();
  for (size_t off = 0; off + run.R <= dat.size(); off += run.R) {
    if (Get32(dat.data() + off) == off) run.live[uint32_t(off)].assign(dat.data() + off, dat.data() + off + run.R);
  }
}

std::vector<uint8_t> MakeRecord(Run& run, Script& s) {
  std::vector<uint8_t> rec(run.R, 0);
  uint32_t fill = s.Byte() % 12;
  for (uint32_t i = 0; i < fill; ++i) rec[4 + (s.Byte() % (run.R - 4))] = uint8_t('a' + s.Byte() % 4);
  return rec;
}

uint32_t PickLive(Run& run, Script& s) {
  auto it = run.live.begin();
  std::advance(it, s.Byte() % run.live.size());
  return it->first;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Script s{data, size};
  Run run;
  run.R = 8 + s.Byte() % 120;
  MemoryFiles().clear();
  IsamUseFileSeam(MemoryFileSeam());
  run.h = IsamBuild("f", int(run.R));
  Check(run.h == 0);
  for (int steps = 0; s.size && steps < 400; ++steps) {
    uint8_t op = s.Byte() % 9;
    bool faulty = false;
    if (op == 8) {  // the next modifying call meets a failing disk
      run.plan = FaultPlan();
      run.plan.failAt = 1 + s.Byte() % 24;
      run.plan.sticky = s.Byte() & 1;
      IsamUseFileSeam(FaultSeam(MemoryFileSeam(), &run.plan));
      IsamClose(run.h);
      run.h = IsamOpen("f");
      Check(run.h == 0);
      run.plan.operations = 0;
      faulty = true;
      op = s.Byte() % 4;
    }
    int rc = 0;
    if (op == 0 && run.defs.size() < 8) {
      IsamIndexDef d = {};
      d.count = 1 + s.Byte() % 3;
      for (int i = 0; i < d.count; ++i) {
        uint8_t kind = s.Byte();
        d.segment[i].type = (kind % 5) | (kind & 0x80);
        d.segment[i].length = 1 + s.Byte() % 40;
        if (d.segment[i].length > int(run.R)) d.segment[i].length = int(run.R);
        d.segment[i].offset = int(s.Byte() % (run.R - uint32_t(d.segment[i].length) + 1));
      }
      rc = IsamAddIndex(run.h, &d);
      if (rc == 0) run.defs.push_back(d);
    } else if (op == 1 || (op == 0 && run.defs.size() == 8)) {
      std::vector<uint8_t> rec = MakeRecord(run, s);
      rc = IsamWrite(run.h, rec.data());
      if (rc == 0) run.live[Get32(rec.data())] = rec;
    } else if (op == 2 && !run.live.empty()) {
      uint32_t off = PickLive(run, s);
      rc = IsamDelete(run.h, run.live[off].data());
      if (rc == 0) run.live.erase(off);
    } else if (op == 3 && !run.live.empty()) {
      uint32_t off = PickLive(run, s);
      std::vector<uint8_t> rec = MakeRecord(run, s);
      Put32(rec.data(), off);
      rc = IsamChange(run.h, rec.data());
      if (rc == 0) run.live[off] = rec;
    } else if (op == 4 && !run.defs.empty()) {
      Check(IsamSelectIndex(run.h, &run.defs[s.Byte() % run.defs.size()]) == 0);
    } else if (op == 5 || op == 6) {
      std::vector<uint8_t> rec = MakeRecord(run, s);
      int mode = 1 + s.Byte() % 6;
      rc = IsamRead(run.h, rec.data(), s.Byte() % 8, mode);
      Check(rc != kIsamDamaged && rc != kIsamIoFailed);
      if (rc == 0) {
        auto it = run.live.find(Get32(rec.data()));
        Check(it != run.live.end() && it->second == rec);
      }
      rc = 0;
    } else if (op == 7) {
      Reopen(run);
      CheckRecords(run);
    }
    if (getenv("ISAM_TRACE")) fprintf(stderr, "op %d faulty %d rc %d fail@%ld sticky %d ops %ld live %zu\n", op, faulty, rc, run.plan.failAt, run.plan.sticky, run.plan.operations, run.live.size());
    if (faulty) {
      Check(rc == 0 || rc == kIsamIoFailed || rc == kIsamNoIndex || rc == kIsamBadArgument);
      Resync(run);
    } else {
      Check(rc == 0 || rc == kIsamNoIndex || rc == kIsamBadArgument);
    }
  }
  Check(IsamVerify(run.h, nullptr) == 0);
  CheckRecords(run);
  IsamClose(run.h);
  IsamUseFileSeam(nullptr);
  return 0;
}
