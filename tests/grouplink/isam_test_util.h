// Helpers for the record-file tests: scratch names, definitions, a test record, and a file
// seam that logs writes and fails the Nth write or flush.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "grouplink/isam/file_seam.h"
#include "grouplink/isam/isam.h"

std::string ScratchName(const char* stem);  // "<fresh folder>/<stem>"
IsamIndexDef MakeDef(std::initializer_list<IsamSegment> segments);

// Offset, 30-byte name, 32-bit number, 200-byte long name, double.
constexpr int kNameAt = 4, kNumberAt = 34, kLongAt = 38, kValueAt = 238, kRecordSize = 246;
struct TestRecord {
  uint8_t bytes[kRecordSize];
};
TestRecord MakeRecord(const std::string& name, int32_t number, const std::string& longName = "", double value = 0);
std::string NameOf(const TestRecord& r);
int32_t NumberOf(const TestRecord& r);
std::vector<uint8_t> ReadWholeFile(const std::string& path);

// Writes and flushes are counted from 1; `failAt` fails one of them, or all from it on.
struct FaultPlan {
  long failAt = 0;
  bool sticky = false;
  long operations = 0;
  bool logWrites = false;
  struct Op {
    std::string path;
    bool resize;
    uint64_t offset;  // or the new size
    std::vector<uint8_t> bytes;
  };
  std::vector<Op> log;
};
const FileSeam* FaultSeam(const FileSeam* base, FaultPlan* plan);

// Every record of the selected index, by modes 3 and 2.
std::vector<TestRecord> ScanForward(int handle);
