// The platform's files for the picture writers: CreateFileA, WriteFile, FlushFileBuffers and a
// write-through MoveFileExA that replaces the old file in one step.
#include <windows.h>

#include "colvane/files/file_seam.h"

struct PictureSeamFile {
  HANDLE handle;
};

namespace {

PictureSeamFile* WinCreate(const char* path) {
  HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  return new PictureSeamFile{h};
}

int WinWrite(PictureSeamFile* f, const void* bytes, uint32_t size) {
  DWORD written = 0;
  return WriteFile(f->handle, bytes, size, &written, nullptr) && written == size ? 0 : -1;
}

int WinFlush(PictureSeamFile* f) { return FlushFileBuffers(f->handle) ? 0 : -1; }
void WinClose(PictureSeamFile* f) {
  CloseHandle(f->handle);
  delete f;
}
int WinReplace(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 0 : -1;
}
int WinRemove(const char* path) { return DeleteFileA(path) ? 0 : -1; }

const PictureSeam kWinSeam = {WinCreate, WinWrite, WinFlush, WinClose, WinReplace, WinRemove};
const PictureSeam* chosen = nullptr;

}  // namespace

const PictureSeam* PlatformPictureSeam() { return &kWinSeam; }
void UsePictureSeam(const PictureSeam* seam) { chosen = seam; }
const PictureSeam* CurrentPictureSeam() { return chosen ? chosen : PlatformPictureSeam(); }
