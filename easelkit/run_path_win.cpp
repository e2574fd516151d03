// GetRunPath: the folder a loaded module was started from.
#include "easelkit/easelkit_win.h"

extern "C" int WINAPI GetRunPath(HMODULE module, LPSTR buffer) {
  // The caller's buffer is 80 characters. A folder that doesn't fit is refused rather than cut:
  // a cut path names some other folder.
  const int kBuffer = 80;
  char full[MAX_PATH];
  buffer[0] = '\0';
  DWORD got = GetModuleFileNameA(module, full, MAX_PATH);
  if (got == 0 || got >= MAX_PATH) return 0;
  char* slash = nullptr;  // the last one, stepping by characters: a trail byte may be 0x5C
  for (char* p = full; *p; p = CharNextA(p)) {
    if (*p == '\\') slash = p;
  }
  if (slash) {
    if (slash - full >= kBuffer) return 0;
    *slash = '\0';
    lstrcpynA(buffer, full, kBuffer);
    return 1;
  }
  // No backslash: the whole name, when it fits.
  if (got >= static_cast<DWORD>(kBuffer)) return 0;
  lstrcpynA(buffer, full, kBuffer);
  return 0;
}
