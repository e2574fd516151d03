// One copy of the program per user: a second start brings the running copy to the front and
// ends, so two copies never write the same picture, settings or recovery copy.
#include "colvane/shell/shell_win.h"

namespace {

struct Search {
  DWORD self;
  HWND main, intro;
};

BOOL CALLBACK FindCopyWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char cls[32] = "";
  GetClassNameA(window, cls, sizeof(cls));
  if (pid == search->self) return TRUE;
  if (lstrcmpA(cls, kMainClass) == 0) search->main = window;
  if (lstrcmpA(cls, kIntroClass) == 0) search->intro = window;
  return TRUE;
}

}  // namespace

bool AnotherCopyRuns() {
  // Named by the user, so two people sharing one session (Run as) each get their own copy.
  char name[128] = "Local\\Colvane.OneCopy.";
  char user[64] = "";
  DWORD size = sizeof(user);
  if (GetUserNameA(user, &size)) lstrcatA(name, user);
  // Held for the program's life: Windows lets it go when the process ends, however it ends.
  HANDLE mutex = CreateMutexA(nullptr, FALSE, name);
  if (!mutex || GetLastError() != ERROR_ALREADY_EXISTS) return false;
  CloseHandle(mutex);
  Search search{GetCurrentProcessId(), nullptr, nullptr};
  EnumWindows(FindCopyWindow, reinterpret_cast<LPARAM>(&search));
  HWND running = search.main ? search.main : search.intro;
  if (running) {
    if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
    SetForegroundWindow(running);
  }
  return true;
}
