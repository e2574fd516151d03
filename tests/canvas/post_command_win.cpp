// Test tool: sends WM_COMMAND with each id given on the command line to the running program's
// main window and waits until the program has handled it; an id written "post:<id>" is only
// posted (for commands that stop in a message box); "endsession" sends the log-off messages
// (exit code 3 when the program refuses the log-off); "close" and "sysclose" send WM_CLOSE and the
// window menu's close command. Exit code 1 when there is no program window.
#include <windows.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  HWND window = FindWindowA("MAIN4WClass", nullptr);
  if (!window) return 1;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "endsession") == 0) {
      DWORD_PTR agreed = 0, ignored;
      if (!SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &agreed)) return 2;
      if (!agreed) return 3;
      if (!SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &ignored)) return 2;
      continue;
    }
    if (std::strcmp(arg, "close") == 0 || std::strcmp(arg, "sysclose") == 0) {
      DWORD_PTR ignored;
      const bool menu = arg[0] == 's';
      if (!SendMessageTimeoutA(window, menu ? WM_SYSCOMMAND : WM_CLOSE, menu ? SC_CLOSE : 0, 0, SMTO_NORMAL, 10000,
                               &ignored))
        return 2;
      continue;
    }
    const bool postOnly = std::strncmp(arg, "post:", 5) == 0;
    WPARAM id = static_cast<WPARAM>(std::strtoul(postOnly ? arg + 5 : arg, nullptr, 10));
    if (postOnly) {
      PostMessageA(window, WM_COMMAND, id, 0);
      continue;
    }
    DWORD_PTR ignored;
    if (!SendMessageTimeoutA(window, WM_COMMAND, id, 0, SMTO_NORMAL, 10000, &ignored)) return 2;
  }
  return 0;
}
