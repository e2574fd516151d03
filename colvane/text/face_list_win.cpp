// The face list: the child LISTBOX, its subclass and the enumeration of TrueType faces.
#include "colvane/text/face_list_win.h"

#include "colvane/library/cartoons_win.h"
#include "colvane/text/face_table.h"
#include "colvane/text/typewriter_win.h"

namespace {

HWND list = nullptr;           // the list while it is open
WNDPROC listProc = nullptr;    // the list's own window procedure
// A press on the list came: its release picks. The release of the press that opened the list
// goes to the main window, or strays here, and picks nothing.
bool armed = false;

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM table) {
  AddFace(reinterpret_cast<FaceTable*>(table), font->lfFaceName, (type & TRUETYPE_FONTTYPE) != 0);
  return 1;
}

LRESULT CALLBACK FaceListProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  const WNDPROC own = listProc;
  if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) armed = true;
  if (msg == WM_LBUTTONUP) {
    const LRESULT r = CallWindowProcA(own, w, msg, wParam, lParam);
    if (!armed) return r;
    const LRESULT at = SendMessageA(w, LB_GETCURSEL, 0, 0);
    char face[LF_FACESIZE] = "";
    if (at != LB_ERR && SendMessageA(w, LB_GETTEXTLEN, static_cast<WPARAM>(at), 0) < LF_FACESIZE) {
      SendMessageA(w, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(face));
      if (face[0]) SetTypewriterFace(face);
    }
    DestroyWindow(w);
    return r;
  }
  if (msg == WM_DESTROY) {
    HWND parent = GetParent(w);
    SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    list = nullptr;
    ResumeCartoons(parent);
    TypewriterRerender(parent);
    InvalidateRect(parent, nullptr, FALSE);
    UpdateWindow(parent);
  }
  return CallWindowProcA(own, w, msg, wParam, lParam);
}

}  // namespace

void OpenFaceList(HWND window, const RECT& field) {
  if (list) return;
  PauseCartoons(window);  // the list lies over the picture
  list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_SORT,
                         field.left - 50, 15, field.right - field.left + 50, 400, window, nullptr,
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)), nullptr);
  if (!list) {
    ResumeCartoons(window);
    return;
  }
  armed = false;
  listProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FaceListProc)));
  FaceTable faces;
  HDC dc = GetDC(window);
  EnumFontFamiliesA(dc, nullptr, CollectFace, reinterpret_cast<LPARAM>(&faces));
  ReleaseDC(window, dc);
  for (const std::string& name : faces.names)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  const LRESULT at = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(TypewriterFace()));
  if (at != LB_ERR) SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
}

bool FaceListOpen() { return list != nullptr; }

void CloseFaceList() {
  if (list) DestroyWindow(list);
}
