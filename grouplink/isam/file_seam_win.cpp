// The file seam on Windows: positioned ReadFile/WriteFile and FlushFileBuffers.
#ifdef _WIN32
#include "grouplink/isam/file_seam.h"

#include <windows.h>

struct WinFile {
  HANDLE file;
};

static SeamFile* WinOpen(const char* path, int how) {
  DWORD disposition = how == kSeamCreate ? CREATE_ALWAYS : OPEN_EXISTING;
  HANDLE h = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  return reinterpret_cast<SeamFile*>(new WinFile{h});
}

static OVERLAPPED At(uint64_t offset) {
  OVERLAPPED ov = {};
  ov.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
  ov.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return ov;
}

static int WinReadAt(SeamFile* file, uint64_t offset, void* buf, uint32_t size) {
  WinFile* f = reinterpret_cast<WinFile*>(file);
  uint32_t done = 0;
  while (done < size) {
    OVERLAPPED ov = At(offset + done);
    DWORD got = 0;
    if (!ReadFile(f->file, static_cast<char*>(buf) + done, size - done, &got, &ov)) {
      if (GetLastError() == ERROR_HANDLE_EOF) break;
      return -1;
    }
    if (got == 0) break;
    done += got;
  }
  return static_cast<int>(done);
}

static int WinWriteAt(SeamFile* file, uint64_t offset, const void* buf, uint32_t size) {
  WinFile* f = reinterpret_cast<WinFile*>(file);
  uint32_t done = 0;
  while (done < size) {
    OVERLAPPED ov = At(offset + done);
    DWORD put = 0;
    if (!WriteFile(f->file, static_cast<const char*>(buf) + done, size - done, &put, &ov) || put == 0)
      return -1;
    done += put;
  }
  return 0;
}

static int64_t WinSize(SeamFile* file) {
  WinFile* f = reinterpret_cast<WinFile*>(file);
  LARGE_INTEGER size;
  if (!GetFileSizeEx(f->file, &size)) return -1;
  return static_cast<int64_t>(size.QuadPart);
}

static int WinResize(SeamFile* file, uint64_t size) {
  WinFile* f = reinterpret_cast<WinFile*>(file);
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(size);
  if (!SetFilePointerEx(f->file, at, nullptr, FILE_BEGIN)) return -1;
  return SetEndOfFile(f->file) ? 0 : -1;
}

static int WinFlush(SeamFile* file) {
  WinFile* f = reinterpret_cast<WinFile*>(file);
  return FlushFileBuffers(f->file) ? 0 : -1;
}

static void WinClose(SeamFile* file) {
  WinFile* f = reinterpret_cast<WinFile*>(file);
  CloseHandle(f->file);
  delete f;
}

static int WinRemove(const char* path) { return DeleteFileA(path) ? 0 : -1; }

static const FileSeam kWinSeam = {WinOpen, WinReadAt, WinWriteAt, WinSize,
                                  WinResize, WinFlush, WinClose, WinRemove};

const FileSeam* PlatformFileSeam() { return &kWinSeam; }
#endif
