// The mouse messages keys and switches make.
#include "colvane/shell/synthetic_mouse_win.h"

#include "colvane/frame/coords_win.h"

namespace {

int sending = 0;  // nested: a press may play an animation that pumps messages
bool held = false;
POINT heldAt{0, 0};

void Send(HWND window, UINT message, WPARAM keys, POINT layout) {
  POINT client = layout;
  LayoutToScreen(&client);
  heldAt = client;
  ++sending;
  SendMessageA(window, message, keys, MAKELPARAM(client.x, client.y));
  --sending;
}

}  // namespace

void SendMouseMove(HWND window, POINT layout, bool buttonDown) {
  Send(window, WM_MOUSEMOVE, buttonDown ? MK_LBUTTON : 0, layout);
}

void SendLeftPress(HWND window, POINT layout) {
  held = true;
  Send(window, WM_LBUTTONDOWN, MK_LBUTTON, layout);
}

void SendLeftRelease(HWND window, POINT layout) {
  held = false;
  Send(window, WM_LBUTTONUP, 0, layout);
}

void SendClick(HWND window, POINT layout) {
  SendLeftPress(window, layout);
  SendLeftRelease(window, layout);
}

void SendDoubleClick(HWND window, POINT layout) {
  SendClick(window, layout);
  Send(window, WM_LBUTTONDBLCLK, MK_LBUTTON, layout);
  Send(window, WM_LBUTTONUP, 0, layout);
}

bool SendingMouse() { return sending > 0; }

bool MadePressHeld(POINT* client) {
  if (held) *client = heldAt;
  return held;
}
