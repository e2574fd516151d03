// Helpers for the record-file tests.
#include "tests/grouplink/isam_test_util.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

std::string ScratchName(const char* stem) {
  static int counter = 0;
  auto dir = std::filesystem::temp_directory_path() /
             ("isam_test_" + std::to_string(std::random_device{}()) + "_" + std::to_string(counter++));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return (dir / stem).string();
}

IsamIndexDef MakeDef(std::initializer_list<IsamSegment> segments) {
  IsamIndexDef d = {};
  for (const IsamSegment& s : segments) d.segment[d.count++] = s;
  return d;
}

TestRecord MakeRecord(const std::string& name, int32_t number, const std::string& longName, double value) {
  TestRecord r = {};
  std::memcpy(r.bytes + kNameAt, name.data(), std::min<size_t>(name.size(), 29));
  std::memcpy(r.bytes + kNumberAt, &number, 4);
  std::memcpy(r.bytes + kLongAt, longName.data(), std::min<size_t>(longName.size(), 199));
  std::memcpy(r.bytes + kValueAt, &value, 8);
  return r;
}

std::string NameOf(const TestRecord& r) { return reinterpret_cast<const char*>(r.bytes + kNameAt); }
int32_t NumberOf(const TestRecord& r) {
  int32_t v;
  std::memcpy(&v, r.bytes + kNumberAt, 4);
  return v;
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A fault-seam file wraps a file of the seam underneath and remembers its path.
struct FaultFile {
  SeamFile* inner;
  std::string path;
};
static const FileSeam* g_base;
static FaultPlan* g_plan;

static FaultFile* F(SeamFile* f) { return reinterpret_cast<FaultFile*>(f); }
static bool Fails() {
  long n = ++g_plan->operations;
  return g_plan->failAt && (n == g_plan->failAt || (g_plan->sticky && n > g_plan->failAt));
}
static SeamFile* FOpen(const char* path, int how) {
  SeamFile* inner = g_base->open(path, how);
  return inner ? reinterpret_cast<SeamFile*>(new FaultFile{inner, path}) : nullptr;
}
static int FRead(SeamFile* f, uint64_t off, void* buf, uint32_t n) { return g_base->readAt(F(f)->inner, off, buf, n); }
static int FWrite(SeamFile* f, uint64_t off, const void* buf, uint32_t n) {
  if (Fails()) return -1;
  const uint8_t* p = static_cast<const uint8_t*>(buf);
  if (g_plan->logWrites) g_plan->log.push_back({F(f)->path, false, off, std::vector<uint8_t>(p, p + n)});
  return g_base->writeAt(F(f)->inner, off, buf, n);
}
static int64_t FSize(SeamFile* f) { return g_base->size(F(f)->inner); }
static int FResize(SeamFile* f, uint64_t size) {
  if (g_plan->logWrites) g_plan->log.push_back({F(f)->path, true, size, {}});
  return g_base->resize(F(f)->inner, size);
}
static int FFlush(SeamFile* f) { return Fails() ? -1 : g_base->flush(F(f)->inner); }
static void FClose(SeamFile* f) {
  g_base->close(F(f)->inner);
  delete F(f);
}
static int FRemove(const char* path) { return g_base->remove(path); }
static const FileSeam kFaultSeam = {FOpen, FRead, FWrite, FSize, FResize, FFlush, FClose, FRemove};

const FileSeam* FaultSeam(const FileSeam* base, FaultPlan* plan) {
  g_base = base;
  g_plan = plan;
  return &kFaultSeam;
}

std::vector<TestRecord> ScanForward(int handle) {
  std::vector<TestRecord> out;
  TestRecord r = {};
  for (int rc = IsamRead(handle, r.bytes, 0, kIsamFirst); rc == 0; rc = IsamRead(handle, r.bytes, 0, kIsamNext))
    out.push_back(r);
  return out;
}
