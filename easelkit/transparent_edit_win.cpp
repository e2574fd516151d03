// A plain edit field that captures the mouse while focused and hands its text back to the
// parent: Enter copies it to the caller's buffer and posts 8010, Escape posts 8011.
#include "easelkit/easelkit_win.h"

namespace {
HWND editParent = nullptr;
LPSTR editText = nullptr;
WNDPROC previousProc = nullptr;
int liveEdits = 0;

const UINT kCommandTextDone = 8010;
const UINT kCommandTextCancel = 8011;

LRESULT CALLBACK EditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
  WNDPROC prev = previousProc;
  switch (msg) {
    case WM_SETFOCUS:
      SetCapture(edit);
      break;
    case WM_DESTROY:
      ReleaseCapture();
      break;
    case WM_NCDESTROY: {
      LRESULT r = CallWindowProcA(prev, edit, msg, wParam, lParam);
      if (--liveEdits <= 0) {
        liveEdits = 0;
        previousProc = nullptr;
      }
      return r;
    }
    case WM_CHAR:
      if (wParam == VK_RETURN) {
        if (editText) GetWindowTextA(edit, editText, 80);
        PostMessageA(editParent, WM_COMMAND, kCommandTextDone, 0);
        DestroyWindow(edit);
        return 0;
      }
      if (wParam == VK_ESCAPE) {
        PostMessageA(editParent, WM_COMMAND, kCommandTextCancel, 0);
        DestroyWindow(edit);
        return 0;
      }
      break;
  }
  return CallWindowProcA(prev, edit, msg, wParam, lParam);
}
}  // namespace

extern "C" HWND WINAPI CreateTransparentEdit(HINSTANCE module, HWND parent, int x, int y, int width,
                                             int height, LPSTR text) {
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, x, y, width,
                              height, parent, nullptr, module, nullptr);
  if (!edit) return nullptr;
  editParent = parent;
  editText = text;
  WNDPROC prev = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
  // Every EDIT shares the class procedure, so the one remembered serves all live controls.
  previousProc = prev;
  ++liveEdits;
  SetFocus(edit);
  return edit;
}
