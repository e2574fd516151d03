// Failures part-way through a modifying call: the Nth write or flush failing (once, or for
// good until the pair is reopened), and every prefix of one call's writes with the last one
// torn. Afterwards the pair opens, verifies and holds exactly the state before or after.
#include <gtest/gtest.h>

#include <functional>

#include "grouplink/isam/format.h"
#include "grouplink/isam/memory_seam.h"
#include "tests/grouplink/isam_test_util.h"

namespace {

const IsamIndexDef kWide = MakeDef({{0, kLongAt, 200}});   // C = 4: every call splits or joins
const IsamIndexDef kName = MakeDef({{0, kNameAt, 30}});

using Files = std::map<std::string, std::vector<uint8_t>>;

// A pair of 40 records with a few holes, built in memory.
Files StartingPair() {
  MemoryFiles().clear();
  IsamUseFileSeam(MemoryFileSeam());
  int h = IsamBuild("f", kRecordSize);
  EXPECT_EQ(IsamAddIndex(h, &kWide), 0);
  EXPECT_EQ(IsamAddIndex(h, &kName), 0);
  for (int i = 0; i < 40; ++i) {
    TestRecord r = MakeRecord("n" + std::to_string(i), i, "w" + std::to_string(1000 + i * 7 % 40));
    EXPECT_EQ(IsamWrite(h, r.bytes), 0);
    if (i % 9 == 4) {
      EXPECT_EQ(IsamDelete(h, r.bytes), 0);
    }
  }
  EXPECT_EQ(IsamClose(h), 0);
  IsamUseFileSeam(nullptr);
  return MemoryFiles();
}

Files PairOnly(const Files& f) {
  Files out;
  for (const char* p : {"f.dat", "f.idx"}) out[p] = f.at(p);
  return out;
}

// The modifying calls under test, each on an open handle of the starting pair.
struct Operation {
  const char* what;
  std::function<int(int)> run;
};
const Operation kOperations[] = {
    {"write", [](int h) {
       TestRecord r = MakeRecord("new", 99, "w1003x");
       return IsamWrite(h, r.bytes);
     }},
    {"change", [](int h) {
       TestRecord r = {};
       EXPECT_EQ(IsamSelectIndex(h, &kWide), 0);
       EXPECT_EQ(IsamRead(h, r.bytes, 0, kIsamFirst), 0);
       std::memcpy(r.bytes + kLongAt, "zzz", 4);
       return IsamChange(h, r.bytes);
     }},
    {"delete", [](int h) {
       TestRecord r = {};
       EXPECT_EQ(IsamSelectIndex(h, &kWide), 0);
       EXPECT_EQ(IsamRead(h, r.bytes, 0, kIsamFirst), 0);
       return IsamDelete(h, r.bytes);
     }},
    {"add index", [](int h) {
       // Wide keys: more pages than the free list holds, so some are appended.
       IsamIndexDef d = MakeDef({{1, kNumberAt, 4}, {0, kLongAt, 200}});
       return IsamAddIndex(h, &d);
     }},
};

void ExpectSound(const char* what, long n) {
  int h = IsamOpen("f");
  ASSERT_EQ(h, 0) << what << " failing at " << n;
  std::string problem;
  EXPECT_EQ(IsamVerify(h, &problem), 0) << what << " failing at " << n << ": " << problem;
  IsamClose(h);
}

TEST(IsamFaults, FailingTheNthWriteOrFlushChangesNothing) {
  const Files start = PairOnly(StartingPair());
  for (const Operation& op : kOperations) {
    MemoryFiles() = start;
    IsamUseFileSeam(MemoryFileSeam());
    int h0 = IsamOpen("f");
    ASSERT_EQ(op.run(h0), 0);
    IsamClose(h0);
    const Files after = PairOnly(MemoryFiles());
    for (bool sticky : {false, true}) {
      for (long n = 1;; ++n) {
        MemoryFiles() = start;
        FaultPlan plan;
        plan.failAt = n;
        plan.sticky = sticky;
        IsamUseFileSeam(FaultSeam(MemoryFileSeam(), &plan));
        int h = IsamOpen("f");
        ASSERT_EQ(h, 0);
        plan.operations = 0;
        int rc = op.run(h);
        bool reached = plan.operations >= n;
        IsamClose(h);
        IsamUseFileSeam(MemoryFileSeam());
        if (!reached) {
          EXPECT_EQ(rc, 0) << op.what;
          ASSERT_GT(n, 3) << op.what << " commits through the journal, the .dat and the .idx";
          break;
        }
        EXPECT_EQ(rc, kIsamIoFailed) << op.what << " failing at " << n << (sticky ? " for good" : " once");
        ExpectSound(op.what, n);
        // A disk that keeps failing may have taken every write but the last flush: the
        // reopened pair then counts the call as done. Anything in between is undone.
        Files now = PairOnly(MemoryFiles());
        if (!(sticky && now == after)) {
          EXPECT_EQ(now, start) << op.what << " failing at " << n;
        }
      }
    }
  }
  IsamUseFileSeam(nullptr);
}

void Apply(const FaultPlan::Op& op, size_t bytes) {
  std::vector<uint8_t>& f = MemoryFiles()[op.path];
  if (op.resize) {
    f.resize(op.offset);
    return;
  }
  if (f.size() < op.offset + bytes) f.resize(op.offset + bytes);
  std::memcpy(f.data() + op.offset, op.bytes.data(), bytes);
}

TEST(IsamFaults, EveryPrefixOfACallsWritesWithTheLastTornLeavesBeforeOrAfter) {
  const Files start = PairOnly(StartingPair());
  for (const Operation& op : kOperations) {
    MemoryFiles() = start;
    FaultPlan plan;
    plan.logWrites = true;
    IsamUseFileSeam(FaultSeam(MemoryFileSeam(), &plan));
    int h = IsamOpen("f");
    ASSERT_EQ(h, 0);
    plan.log.clear();
    ASSERT_EQ(op.run(h), 0);
    const Files after = PairOnly(MemoryFiles());
    const std::vector<FaultPlan::Op> log = plan.log;
    IsamClose(h);
    IsamUseFileSeam(MemoryFileSeam());
    ASSERT_GE(log.size(), 3u);
    int sawBefore = 0, sawAfter = 0;
    for (size_t k = 0; k < log.size(); ++k) {
      for (int torn = 0; torn < 3; ++torn) {
        if (torn && (log[k].resize || log[k].bytes.size() < 2)) continue;
        MemoryFiles() = start;
        for (size_t i = 0; i < k; ++i) Apply(log[i], log[i].bytes.size());
        size_t size = log[k].bytes.size();
        Apply(log[k], torn == 0 ? size : torn == 1 ? size / 2 : 1);
        int h2 = IsamOpen("f");
        ASSERT_EQ(h2, 0) << op.what << " cut at write " << k;
        std::string problem;
        EXPECT_EQ(IsamVerify(h2, &problem), 0) << op.what << " cut at write " << k << ": " << problem;
        IsamClose(h2);
        Files now = PairOnly(MemoryFiles());
        if (now == start) {
          ++sawBefore;
        } else {
          ASSERT_EQ(now, after) << op.what << " cut at write " << k << (torn ? " torn" : "");
          ++sawAfter;
        }
      }
    }
    EXPECT_GT(sawBefore, 0) << op.what;
    EXPECT_GT(sawAfter, 0) << op.what;
  }
  IsamUseFileSeam(nullptr);
}

// A build over an old pair whose journal was left behind must not replay that journal.
TEST(IsamFaults, BuildDiscardsAnOldJournal) {
  StartingPair();
  MemoryFiles()["f.jnl"] = std::vector<uint8_t>(100, 0x55);
  IsamUseFileSeam(MemoryFileSeam());
  int h = IsamBuild("f", kRecordSize);
  ASSERT_EQ(h, 0);
  EXPECT_EQ(MemoryFiles().count("f.jnl"), 0u);
  IsamClose(h);
  IsamUseFileSeam(nullptr);
}

}  // namespace
