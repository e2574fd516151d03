// The intro window: a black full-screen window that plays the intro clips centred, one after the
// other, then opens the main window and closes itself. A click or a key release skips to the main
// window at once.
#include <windows.h>
#include <mmsystem.h>

#include "colvane/media/intro_video_win.h"
#include "colvane/media/sound_names.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/shell_win.h"

namespace {

// Commands the intro window posts to itself.
enum IntroStep : WPARAM { kPlayClip = 0, kClipDone = 1, kOpenMain = 2 };

struct IntroClip {
  const char* file;  // in the asset folder; an empty name never opens
  int width, height;
};
const IntroClip kClips[] = {{"head.avi", 512, 384}, {"", 356, 331}};
constexpr int kClipCount = static_cast<int>(sizeof(kClips) / sizeof(kClips[0]));

int clipIndex = 0;
bool mainOpened = false;  // a second skip, already queued, must not open a second main window

void Post(HWND window, IntroStep step) { PostMessageA(window, WM_COMMAND, step, 0); }

void PlayCurrentClip(HWND window) {
  const IntroClip& clip = kClips[clipIndex];
  const ClipCorner at = CentreClip(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), clip.width, clip.height);
  if (!PlayClip(window, clip.file, at.x, at.y, clip.width, clip.height, -1)) Post(window, kClipDone);
}

void OpenMainWindow(HWND intro) {
  StopClip();
  if (mainOpened) return;
  mainOpened = true;
  CreateMainWindow(App().instance);
  DestroyWindow(intro);
}

}  // namespace

LRESULT CALLBACK IntroWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      clipIndex = 0;
      mainOpened = false;
      OpenVideoDevice();
      Post(window, kPlayClip);
      return 0;
    case WM_COMMAND:
      switch (wParam) {
        case kPlayClip:
          PlayCurrentClip(window);
          break;
        case kClipDone:
          StopClip();
          ++clipIndex;
          Post(window, clipIndex < kClipCount ? kPlayClip : kOpenMain);
          break;
        case kOpenMain:
          OpenMainWindow(window);
          break;
      }
      return 0;
    case MM_MCINOTIFY:
      if (wParam == MCI_NOTIFY_SUCCESSFUL) Post(window, kClipDone);
      return 0;
    case WM_LBUTTONUP:
    case WM_KEYUP:
      Post(window, kOpenMain);
      return 0;
    case WM_PARENTNOTIFY:
      // a click on the picture goes to the clip's own window; the intro hears of its press
      if (LOWORD(wParam) == WM_LBUTTONDOWN) Post(window, kOpenMain);
      return 0;
    case WM_CLOSE:
      return 0;
    case WM_DESTROY:
      CloseVideoDevice();
      return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}
