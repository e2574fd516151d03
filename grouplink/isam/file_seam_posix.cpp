// The file seam on POSIX systems: pread/pwrite and fsync.
#ifndef _WIN32
#include "grouplink/isam/file_seam.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

struct PosixFile {
  int fd;
};

static SeamFile* PosixOpen(const char* path, int how) {
  int flags = O_RDWR | O_CLOEXEC;
  if (how == kSeamCreate) flags |= O_CREAT | O_TRUNC;
  int fd = ::open(path, flags, 0644);
  if (fd < 0) return nullptr;
  return reinterpret_cast<SeamFile*>(new PosixFile{fd});
}

static int PosixReadAt(SeamFile* file, uint64_t offset, void* buf, uint32_t size) {
  PosixFile* f = reinterpret_cast<PosixFile*>(file);
  uint32_t done = 0;
  while (done < size) {
    ssize_t n = ::pread(f->fd, static_cast<char*>(buf) + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<uint32_t>(n);
  }
  return static_cast<int>(done);
}

static int PosixWriteAt(SeamFile* file, uint64_t offset, const void* buf, uint32_t size) {
  PosixFile* f = reinterpret_cast<PosixFile*>(file);
  uint32_t done = 0;
  while (done < size) {
    ssize_t n = ::pwrite(f->fd, static_cast<const char*>(buf) + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return -1;
    done += static_cast<uint32_t>(n);
  }
  return 0;
}

static int64_t PosixSize(SeamFile* file) {
  PosixFile* f = reinterpret_cast<PosixFile*>(file);
  struct stat st;
  if (::fstat(f->fd, &st) != 0) return -1;
  return static_cast<int64_t>(st.st_size);
}

static int PosixResize(SeamFile* file, uint64_t size) {
  PosixFile* f = reinterpret_cast<PosixFile*>(file);
  return ::ftruncate(f->fd, static_cast<off_t>(size)) == 0 ? 0 : -1;
}

static int PosixFlush(SeamFile* file) {
  PosixFile* f = reinterpret_cast<PosixFile*>(file);
  return ::fsync(f->fd) == 0 ? 0 : -1;
}

static void PosixClose(SeamFile* file) {
  PosixFile* f = reinterpret_cast<PosixFile*>(file);
  ::close(f->fd);
  delete f;
}

static int PosixRemove(const char* path) { return ::unlink(path) == 0 ? 0 : -1; }

static const FileSeam kPosixSeam = {PosixOpen, PosixReadAt, PosixWriteAt, PosixSize,
                                    PosixResize, PosixFlush, PosixClose, PosixRemove};

const FileSeam* PlatformFileSeam() { return &kPosixSeam; }
#endif
