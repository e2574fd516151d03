// The two window classes and the creation of the full-screen windows.
#include "colvane/frame/message_box_win.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/shell_win.h"

const char kMainClass[] = "MAIN4WClass";
const char kIntroClass[] = "AVIWClass";
const char kWindowTitle[] = "Colvane Application";

bool RegisterWindowClasses(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = IntroWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, "32COLVANE");
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = kIntroClass;
  if (!RegisterClassA(&wc)) return false;
  wc.lpfnWndProc = MainWindowProc;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  wc.lpszClassName = kMainClass;
  return RegisterClassA(&wc) != 0;
}

static HWND CreateFullScreen(HINSTANCE instance, const char* className) {
  HWND window = CreateWindowExA(0, className, kWindowTitle, WS_POPUP, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                nullptr, nullptr, instance, nullptr);
  if (!window) return nullptr;
  ShowWindow(window, SW_MAXIMIZE);
  UpdateWindow(window);
  return window;
}

HWND CreateIntroWindow(HINSTANCE instance) { return CreateFullScreen(instance, kIntroClass); }
// Boxes asked for while the window was being made are shown once it is on the screen.
HWND CreateMainWindow(HINSTANCE instance) {
  HWND window = CreateFullScreen(instance, kMainClass);
  if (window) PostMessageA(window, kShowWaitingMessages, 0, 0);
  return window;
}
