// The one-message store and the message-pumping delay that keep a press made during a button
// animation from being lost or acted on half-way through.
#include "easelkit/easelkit_win.h"

namespace {
int delaying = 0;
int slotEmpty = 1;
UINT storedMessage = 0;
WPARAM storedWParam = 0;
LPARAM storedLParam = 0;
// The release of the stored press, when it came before the press was posted back: without it the
// press would be replayed after its own release and leave a button held down.
int releaseStored = 0;
WPARAM releaseWParam = 0;
LPARAM releaseLParam = 0;
}  // namespace

extern "C" int WINAPI isdelayon(void) { return delaying; }

// A left release is kept only as the end of a stored left press (result 1); with no press stored it
// belongs to a press handled already, so it is not kept (result 0) and the caller acts on it.
extern "C" int WINAPI InPutMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONUP) {
    if (slotEmpty || storedMessage != WM_LBUTTONDOWN) return 0;
    releaseStored = 1;
    releaseWParam = wParam;
    releaseLParam = lParam;
    return 1;
  }
  releaseStored = 0;
  storedMessage = message;
  storedWParam = wParam;
  storedLParam = lParam;
  slotEmpty = 0;
  return 1;
}

extern "C" int WINAPI IsIntMessage(UINT* message, WPARAM* wParam, LPARAM* lParam) {
  if (slotEmpty) return 0;
  *message = storedMessage;
  *wParam = storedWParam;
  *lParam = storedLParam;
  return 1;
}

// Posts what the caller passes (the values it read with IsIntMessage), not the stored message,
// then the stored press's release behind it.
extern "C" int WINAPI OutPutMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (slotEmpty) return 1;
  slotEmpty = 1;
  const int posted = PostMessageA(window, message, wParam, lParam);
  if (releaseStored) PostMessageA(window, WM_LBUTTONUP, releaseWParam, releaseLParam);
  releaseStored = 0;
  return posted;
}

extern "C" void WINAPI ClearMessage(void) {
  slotEmpty = 1;
  releaseStored = 0;
}

extern "C" int WINAPI Echo_the_Window(HWND window) {
  MSG msg;
  while (PeekMessageA(&msg, window, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

// Pumps the window's messages until more than ms milliseconds have passed. The elapsed time is
// an unsigned difference, so a wrap of the tick counter does not end or stretch the wait; the
// loop yields between polls instead of spinning a core.
extern "C" void WINAPI Delay(HWND window, int ms) {
  DWORD start = GetTickCount();
  delaying = 1;
  if (ms >= 0) {
    for (;;) {
      DWORD now = GetTickCount();
      Echo_the_Window(window);
      if (now - start > static_cast<DWORD>(ms)) break;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
  }
  delaying = 0;
}
