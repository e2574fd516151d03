// GetRunPath: the folder a loaded module was started from.
#include "easelkit/easelkit_win.h"

extern "C" int WINAPI GetRunPath(HMODULE module, LPSTR buffer) {
  // The caller's buffer is 80 characters; GetModuleFileNameA always terminates what it writes.
  DWORD got = GetModuleFileNameA(module, buffer, 80);
  if (got == 0) {
    buffer[0] = '\0';
    return 0;
  }
  for (int i = lstrlenA(buffer) - 1; i >= 0; --i) {
    if (buffer[i] == '\\') {
      buffer[i] = '\0';
      return 1;
    }
  }
  return 0;
}
