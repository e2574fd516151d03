// The file seam: every byte the record store reads or writes passes through this table,
// so tests can swap in failing or in-memory files.
#pragma once
#include <cstdint>

struct SeamFile;  // owned by the seam that opened it; freed by its close

enum { kSeamOpenExisting = 0, kSeamCreate = 1 };  // kSeamCreate truncates an existing file

struct FileSeam {
  SeamFile* (*open)(const char* path, int how);                          // null on failure
  int (*readAt)(SeamFile* f, uint64_t offset, void* buf, uint32_t size);  // bytes read, -1 error
  int (*writeAt)(SeamFile* f, uint64_t offset, const void* buf, uint32_t size);  // 0 or -1
  int64_t (*size)(SeamFile* f);                                          // -1 on error
  int (*resize)(SeamFile* f, uint64_t size);                             // 0 or -1
  int (*flush)(SeamFile* f);                     // 0 once the data is on the disk, or -1
  void (*close)(SeamFile* f);
  int (*remove)(const char* path);               // 0 or -1
};

// The platform's files: fsync natively, FlushFileBuffers on Windows.
const FileSeam* PlatformFileSeam();

// The seam later opens use; null restores the platform's. Open handles keep theirs.
void IsamUseFileSeam(const FileSeam* seam);
const FileSeam* IsamFileSeam();
