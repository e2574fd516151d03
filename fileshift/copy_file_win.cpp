// CopyFileFromTo: the copy is written beside the target first and moved over it only when
// complete, so a failed read or a full disk never leaves a half-written target.
#include <cstring>

#include "fileshift/fileshift_win.h"

extern "C" int WINAPI CopyFileFromTo(LPCSTR target, LPCSTR source) {
  if (!target || !source) return 0;
  size_t n = std::strlen(target);
  if (n + 5 > MAX_PATH) return 0;
  char temp[MAX_PATH];
  std::memcpy(temp, target, n);
  std::memcpy(temp + n, ".cp~", 5);

  HANDLE in = CreateFileA(source, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
  if (in == INVALID_HANDLE_VALUE) return 0;
  HANDLE out = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) {
    CloseHandle(in);
    return 0;
  }
  bool ok = true;
  char buffer[65536];
  for (;;) {
    DWORD got = 0, put = 0;
    if (!ReadFile(in, buffer, sizeof(buffer), &got, nullptr)) {
      ok = false;
      break;
    }
    if (got == 0) break;
    if (!WriteFile(out, buffer, got, &put, nullptr) || put != got) {
      ok = false;
      break;
    }
  }
  CloseHandle(in);
  if (ok && !FlushFileBuffers(out)) ok = false;
  CloseHandle(out);
  if (ok && !MoveFileExA(temp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) ok = false;
  if (!ok) DeleteFileA(temp);
  return ok ? 1 : 0;
}
