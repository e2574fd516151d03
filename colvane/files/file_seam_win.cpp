// The platform's files for the picture writers: CreateFileA, WriteFile, FlushFileBuffers and a
// write-through MoveFileExA that replaces the old file in one step.
#include <windows.h>

#include "colvane/files/file_seam.h"

struct PictureSeamFile {
  HANDLE handle;
};

namespace {

WriteFailure lastFailure = WriteFailure::kNone;

// Whether a file stands where `path` needs a folder: the nearest part of the path that exists
// is a file, or the path itself is a folder.
bool BlockedByFile(const char* path) {
  char part[MAX_PATH];
  lstrcpynA(part, path, sizeof(part));
  DWORD attributes = GetFileAttributesA(part);
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  for (int i = lstrlenA(part) - 1; i > 0; --i) {
    if (part[i] != '\\' && part[i] != '/') continue;
    part[i] = '\0';
    attributes = GetFileAttributesA(part);
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }
  return false;
}

// Notes why the call that just failed on `path` failed; -1 for the caller.
int Failed(const char* path) {
  const DWORD error = GetLastError();
  lastFailure = WriteFailureOfError(error, path && BlockedByFile(path));
  return -1;
}

// Whether another program holds `path` open without letting others delete it: replacing such a
// file is refused as access denied, though it is the other program that is in the way.
bool HeldByAnother(const char* path) {
  HANDLE h = CreateFileA(path, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h != INVALID_HANDLE_VALUE) {
    CloseHandle(h);
    return false;
  }
  return GetLastError() == ERROR_SHARING_VIOLATION;
}

PictureSeamFile* WinCreate(const char* path) {
  HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    Failed(path);
    return nullptr;
  }
  return new PictureSeamFile{h};
}

int WinWrite(PictureSeamFile* f, const void* bytes, uint32_t size) {
  DWORD written = 0;
  if (!WriteFile(f->handle, bytes, size, &written, nullptr)) return Failed(nullptr);
  if (written != size) {  // a short write: the disk filled up
    lastFailure = WriteFailure::kNoRoom;
    return -1;
  }
  return 0;
}

int WinFlush(PictureSeamFile* f) { return FlushFileBuffers(f->handle) ? 0 : Failed(nullptr); }
void WinClose(PictureSeamFile* f) {
  CloseHandle(f->handle);
  delete f;
}
int WinReplace(const char* from, const char* to) {
  if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
  const DWORD error = GetLastError();
  if (error == ERROR_ACCESS_DENIED && HeldByAnother(to)) {
    lastFailure = WriteFailure::kInUse;
    return -1;
  }
  SetLastError(error);
  return Failed(to);
}
int WinRemove(const char* path) { return DeleteFileA(path) ? 0 : -1; }
WriteFailure WinFailure() { return lastFailure; }

const PictureSeam kWinSeam = {WinCreate, WinWrite, WinFlush, WinClose, WinReplace, WinRemove, WinFailure};
const PictureSeam* chosen = nullptr;

}  // namespace

const PictureSeam* PlatformPictureSeam() { return &kWinSeam; }
void UsePictureSeam(const PictureSeam* seam) { chosen = seam; }
const PictureSeam* CurrentPictureSeam() { return chosen ? chosen : PlatformPictureSeam(); }
