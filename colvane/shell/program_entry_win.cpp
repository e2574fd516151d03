// Program entry: leaves a running copy alone, refuses palette displays, registers the window classes, opens the intro window
// and runs the message loop.
#include "colvane/frame/message_box_win.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/shell_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int) {
  if (AnotherCopyRuns()) return 0;
  HDC screen = GetDC(nullptr);
  int palettized = GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE;
  ReleaseDC(nullptr, screen);
  if (palettized) {
    ShowProgramMessageA(nullptr, "Please run under the hight color mode or true color mode", "ERROR",
                        MB_ICONEXCLAMATION);
    return 0;
  }
  if (!previous && !RegisterWindowClasses(instance)) return 0;
  App().instance = instance;
  HWND intro = CreateIntroWindow(instance);
  if (!intro) return 0;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
