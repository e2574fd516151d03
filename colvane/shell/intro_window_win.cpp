// The intro window: shown first; when its sequence ends (or on a click or key) it opens the
// main window and closes itself. Until the intro video plays, the sequence ends at once.
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/shell_win.h"

namespace {
const UINT kIntroDone = WM_APP + 1;
bool introFinished = false;

void FinishIntro(HWND intro) {
  if (introFinished) return;
  introFinished = true;
  CreateMainWindow(App().instance);
  DestroyWindow(intro);
}
}  // namespace

LRESULT CALLBACK IntroWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      introFinished = false;
      PostMessageA(window, kIntroDone, 0, 0);
      return 0;
    case kIntroDone:
    case WM_LBUTTONDOWN:
    case WM_KEYDOWN:
      FinishIntro(window);
      return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}
