// Failures part-way through a modifying call: the Nth write or flush failing (once, or from
// then on until the pair is reopened), and every prefix of one call's writes replayed with
// the last one whole or torn. The pair must open, verify and hold the state before or after.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "grouplink/isam/format.h"
#include "grouplink/isam/memory_seam.h"
#include "tests/grouplink/isam_test_util.h"

namespace {

const IsamIndexDef kWide = MakeDef({{0, kLongAt, 200}});  // C = 4: every call splits or joins
const IsamIndexDef kName = MakeDef({{0, kNameAt, 30}});
using Files = std::map<std::string, std::vector<uint8_t>>;

Files PairFiles() { return {{"f.dat", MemoryFiles()["f.dat"]}, {"f.idx", MemoryFiles()["f.idx"]}}; }

// 40 records with holes, so there are free records and free pages.
Files StartingPair() {
  MemoryFiles().clear();
  IsamUseFileSeam(MemoryFileSeam());
  int h = IsamBuild("f", kRecordSize);
  EXPECT_EQ(IsamAddIndex(h, &kWide), 0);
  EXPECT_EQ(IsamAddIndex(h, &kName), 0);
  for (int i = 0; i < 40; ++i) {
    TestRecord r = MakeRecord("n" + std::to_string(i), i, "w" + std::to_string(1000 + i * 7 % 40));
    EXPECT_EQ(IsamWrite(h, r.bytes), 0);
    EXPECT_EQ(i % 9 == 4 ? IsamDelete(h, r.bytes) : 0, 0);
  }
  IsamClose(h);
  return PairFiles();
}

int FirstChanged(int h, const char* longName, int (*call)(int, const void*)) {
  TestRecord r = {};
  EXPECT_EQ(IsamSelectIndex(h, &kWide), 0);
  EXPECT_EQ(IsamRead(h, r.bytes, 0, kIsamFirst), 0);
  std::strcpy(reinterpret_cast<char*>(r.bytes + kLongAt), longName);
  return call(h, r.bytes);
}

const std::pair<const char*, std::function<int(int)>> kCalls[] = {
    {"write", [](int h) { TestRecord r = MakeRecord("new", 99, "w1003x"); return IsamWrite(h, r.bytes); }},
    {"change", [](int h) { return FirstChanged(h, "zzz", IsamChange); }},
    {"delete", [](int h) { return FirstChanged(h, "w1000", IsamDelete); }},
    {"add index", [](int h) {  // more pages than the free list holds: some are appended
       IsamIndexDef d = MakeDef({{1, kNumberAt, 4}, {0, kLongAt, 200}});
       return IsamAddIndex(h, &d);
     }},
};

// Runs `call` on the pair `start` through a fault seam following `plan`; returns its result.
int RunCall(const Files& start, const std::function<int(int)>& call, FaultPlan* plan) {
  MemoryFiles() = start;
  IsamUseFileSeam(FaultSeam(MemoryFileSeam(), plan));
  int h = IsamOpen("f");
  EXPECT_EQ(h, 0);
  plan->operations = 0;
  plan->log.clear();
  int rc = call(h);
  IsamClose(h);
  IsamUseFileSeam(MemoryFileSeam());
  return rc;
}

// Opens and verifies the pair as the memory files now hold it; returns its files.
Files Reopened(const std::string& what) {
  int h = IsamOpen("f");
  EXPECT_EQ(h, 0) << what;
  std::string problem;
  EXPECT_EQ(IsamVerify(h, &problem), 0) << what << ": " << problem;
  IsamClose(h);
  return PairFiles();
}

TEST(IsamFaults, AFailingWriteOrFlushLeavesThePairAsItWas) {
  const Files start = StartingPair();
  for (const auto& call : kCalls) {
    FaultPlan clean;
    ASSERT_EQ(RunCall(start, call.second, &clean), 0);
    const Files after = PairFiles();
    for (bool sticky : {false, true}) {
      for (long n = 1; n <= clean.operations; ++n) {
        FaultPlan plan;
        plan.failAt = n;
        plan.sticky = sticky;
        std::string what = std::string(call.first) + " failing at " + std::to_string(n) + (sticky ? " for good" : "");
        EXPECT_EQ(RunCall(start, call.second, &plan), kIsamIoFailed) << what;
        Files now = Reopened(what);
        // A disk that keeps failing may have taken every write and failed only the last
        // flush: reopening then counts the call as done. Anything else is undone.
        EXPECT_TRUE(now == start || (sticky && now == after)) << what;
      }
    }
  }
  IsamUseFileSeam(nullptr);
}

TEST(IsamFaults, EveryPrefixOfACallsWritesWithTheLastTornLeavesBeforeOrAfter) {
  const Files start = StartingPair();
  for (const auto& call : kCalls) {
    FaultPlan plan;
    plan.logWrites = true;
    ASSERT_EQ(RunCall(start, call.second, &plan), 0);
    const Files after = PairFiles();
    int before = 0, done = 0;
    for (size_t k = 0; k < plan.log.size(); ++k) {
      for (size_t keep : {size_t(1), plan.log[k].bytes.size() / 2, plan.log[k].bytes.size()}) {
        MemoryFiles() = start;
        for (size_t i = 0; i <= k; ++i) {
          const FaultPlan::Op& op = plan.log[i];
          std::vector<uint8_t>& f = MemoryFiles()[op.path];
          size_t n = i == k ? std::min(keep, op.bytes.size()) : op.bytes.size();
          if (op.resize || f.size() < op.offset + n) f.resize(op.resize ? op.offset : op.offset + n);
          if (n) std::memcpy(f.data() + op.offset, op.bytes.data(), n);
        }
        std::string what = std::string(call.first) + " cut in write " + std::to_string(k);
        Files now = Reopened(what);
        EXPECT_TRUE(now == start || now == after) << what;
        (now == start ? before : done) += 1;
      }
    }
    EXPECT_TRUE(before && done) << call.first;
  }
  IsamUseFileSeam(nullptr);
}

TEST(IsamFaults, BuildDiscardsAnOldJournal) {
  StartingPair();
  MemoryFiles()["f.jnl"] = std::vector<uint8_t>(100, 0x55);
  IsamUseFileSeam(MemoryFileSeam());
  int h = IsamBuild("f", kRecordSize);
  EXPECT_EQ(MemoryFiles().count("f.jnl"), 0u);
  IsamClose(h);
  IsamUseFileSeam(nullptr);
}

}  // namespace
