// The hourglass for work that keeps the program busy: the mouse is captured and the wait cursor
// shown for the holder's lifetime, then the previous cursor comes back and the capture goes.
#pragma once
#include <windows.h>

class WaitCursor {
 public:
  explicit WaitCursor(HWND window) {
    SetCapture(window);
    previous_ = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  }
  ~WaitCursor() {
    ReleaseCapture();
    SetCursor(previous_);
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};
