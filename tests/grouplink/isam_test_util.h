// Helpers for the record-file tests: scratch folders, index definitions, record layouts,
// and a file seam that logs writes and fails the Nth write or flush.
#pragma once
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "grouplink/isam/file_seam.h"
#include "grouplink/isam/isam.h"

// A fresh folder for one test's pairs; returns "<folder>/<stem>".
std::string ScratchName(const char* stem);

IsamIndexDef MakeDef(std::initializer_list<IsamSegment> segments);

// The test record: offset, a 30-byte name, a 32-bit number, a 200-byte long name, a double.
constexpr int kRecordSize = 4 + 30 + 4 + 200 + 8;
struct TestRecord {
  uint8_t bytes[kRecordSize];
};
TestRecord MakeRecord(const std::string& name, int32_t number, const std::string& longName = "", double value = 0);
std::string NameOf(const TestRecord& r);
int32_t NumberOf(const TestRecord& r);
constexpr int kNameAt = 4, kNumberAt = 34, kLongAt = 38, kValueAt = 238;

// All files of a pair as bytes (path suffix -> contents), through the platform seam.
std::vector<uint8_t> ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);

// Writes and flushes reaching the platform or memory seam underneath, counted from 1.
struct FaultPlan {
  long failAt = 0;        // 0 = never
  bool sticky = false;    // keep failing from failAt on
  long operations = 0;    // writes and flushes seen
  bool logWrites = false;
  struct Op {
    std::string path;
    bool resize;
    uint64_t offset;      // or the new size
    std::vector<uint8_t> bytes;
  };
  std::vector<Op> log;
};
// A seam over `base` that follows `plan` (which must outlive its use).
const FileSeam* FaultSeam(const FileSeam* base, FaultPlan* plan);

// Reads every record of the selected index forwards (mode 3 then 2); stops on an error.
std::vector<TestRecord> ScanForward(int handle, int* lastResult = nullptr);
