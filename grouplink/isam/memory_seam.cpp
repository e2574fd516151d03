// An in-memory file system behind the file seam, for tests and fuzzing.
#include "grouplink/isam/memory_seam.h"

#include <cstring>

struct MemoryFile {
  std::string path;
};

std::map<std::string, std::vector<uint8_t>>& MemoryFiles() {
  static std::map<std::string, std::vector<uint8_t>> files;
  return files;
}

static std::vector<uint8_t>* Contents(SeamFile* file) {
  MemoryFile* f = reinterpret_cast<MemoryFile*>(file);
  auto it = MemoryFiles().find(f->path);
  return it == MemoryFiles().end() ? nullptr : &it->second;
}

static SeamFile* MemOpen(const char* path, int how) {
  auto& files = MemoryFiles();
  if (how == kSeamCreate) {
    files[path].clear();
  } else if (!files.count(path)) {
    return nullptr;
  }
  return reinterpret_cast<SeamFile*>(new MemoryFile{path});
}

static int MemReadAt(SeamFile* file, uint64_t offset, void* buf, uint32_t size) {
  std::vector<uint8_t>* c = Contents(file);
  if (!c) return -1;
  if (offset >= c->size()) return 0;
  uint64_t n = c->size() - offset;
  if (n > size) n = size;
  std::memcpy(buf, c->data() + offset, static_cast<size_t>(n));
  return static_cast<int>(n);
}

static int MemWriteAt(SeamFile* file, uint64_t offset, const void* buf, uint32_t size) {
  std::vector<uint8_t>* c = Contents(file);
  if (!c || offset + size > (uint64_t(1) << 32)) return -1;
  if (c->size() < offset + size) c->resize(static_cast<size_t>(offset + size));
  if (size) std::memcpy(c->data() + offset, buf, size);
  return 0;
}

static int64_t MemSize(SeamFile* file) {
  std::vector<uint8_t>* c = Contents(file);
  return c ? static_cast<int64_t>(c->size()) : -1;
}

static int MemResize(SeamFile* file, uint64_t size) {
  std::vector<uint8_t>* c = Contents(file);
  if (!c || size > (uint64_t(1) << 32)) return -1;
  c->resize(static_cast<size_t>(size));
  return 0;
}

static int MemFlush(SeamFile* file) {
  return Contents(file) ? 0 : -1;
}
static void MemClose(SeamFile* file) {
  delete reinterpret_cast<MemoryFile*>(file);
}
static int MemRemove(const char* path) { return MemoryFiles().erase(path) ? 0 : -1; }

static const FileSeam kMemorySeam = {MemOpen, MemReadAt, MemWriteAt, MemSize,
                                     MemResize, MemFlush, MemClose, MemRemove};

const FileSeam* MemoryFileSeam() { return &kMemorySeam; }
