// The picture writers' file seam on POSIX files, for the native build and its tests.
#include "colvane/files/file_seam.h"

// On Windows the platform's files and the seam choice live in file_seam_win.cpp.
#if !defined(_WIN32)
// POSIX files, for the native build: write(2), fsync(2), rename(2).
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

struct PictureSeamFile {
  int fd;
};

namespace {

PictureSeamFile* PosixCreate(const char* path) {
  int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return nullptr;
  return new PictureSeamFile{fd};
}

int PosixWrite(PictureSeamFile* f, const void* bytes, uint32_t size) {
  const char* p = static_cast<const char*>(bytes);
  while (size > 0) {
    ssize_t n = ::write(f->fd, p, size);
    if (n <= 0) return -1;
    p += n;
    size -= static_cast<uint32_t>(n);
  }
  return 0;
}

int PosixFlush(PictureSeamFile* f) { return ::fsync(f->fd) == 0 ? 0 : -1; }
void PosixClose(PictureSeamFile* f) {
  ::close(f->fd);
  delete f;
}
int PosixReplace(const char* from, const char* to) { return std::rename(from, to) == 0 ? 0 : -1; }
int PosixRemove(const char* path) { return ::unlink(path) == 0 ? 0 : -1; }

const PictureSeam kPosixSeam = {PosixCreate, PosixWrite, PosixFlush, PosixClose, PosixReplace, PosixRemove};

const PictureSeam* chosen = nullptr;

}  // namespace

const PictureSeam* PlatformPictureSeam() { return &kPosixSeam; }
void UsePictureSeam(const PictureSeam* seam) { chosen = seam; }
const PictureSeam* CurrentPictureSeam() { return chosen ? chosen : PlatformPictureSeam(); }
#endif
