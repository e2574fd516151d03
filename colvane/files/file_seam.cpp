// The picture writers' file seam on POSIX files, for the native build and its tests.
#include "colvane/files/file_seam.h"

WriteFailure WriteFailureOfError(uint32_t error, bool blockedByFile) {
  // ERROR_FILE_NOT_FOUND, _PATH_NOT_FOUND, _ACCESS_DENIED, _ALREADY_EXISTS and _FILE_EXISTS are
  // what a file in the way gives, depending on where in the path it stands.
  if (blockedByFile && (error == 2 || error == 3 || error == 5 || error == 80 || error == 183))
    return WriteFailure::kNotAFolder;
  switch (error) {
    case 39:   // ERROR_HANDLE_DISK_FULL
    case 112:  // ERROR_DISK_FULL
      return WriteFailure::kNoRoom;
    case 5:   // ERROR_ACCESS_DENIED
    case 19:  // ERROR_WRITE_PROTECT
    case 65:  // ERROR_NETWORK_ACCESS_DENIED
      return WriteFailure::kNoPermission;
    case 32:    // ERROR_SHARING_VIOLATION
    case 33:    // ERROR_LOCK_VIOLATION
    case 1224:  // ERROR_USER_MAPPED_FILE
      return WriteFailure::kInUse;
    case 267:  // ERROR_DIRECTORY
      return WriteFailure::kNotAFolder;
    default:
      return WriteFailure::kOther;
  }
}

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

const PictureSeam kPosixSeam = {PosixCreate, PosixWrite, PosixFlush, PosixClose, PosixReplace, PosixRemove, nullptr};

const PictureSeam* chosen = nullptr;

}  // namespace

const PictureSeam* PlatformPictureSeam() { return &kPosixSeam; }
void UsePictureSeam(const PictureSeam* seam) { chosen = seam; }
const PictureSeam* CurrentPictureSeam() { return chosen ? chosen : PlatformPictureSeam(); }
#endif
