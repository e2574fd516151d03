// The group dialog: proposes a name, lists the shell's existing groups and returns the choice.
#include "grouplink/grouplink_win.h"

#include <cstring>
#include <string>

#include "grouplink/dde_client_win.h"
#include "grouplink/uninstall_log_win.h"

namespace {

enum { kPictureId = 446, kListId = 104, kEditId = 105 };

char g_groupName[GL_GROUP_NAME_SIZE];  // the dialog's copy; the caller's buffer changes only on Continue
HBITMAP g_stock;              // "STOCK", owned while the dialog is open

// Asks the shell for its groups; the data handler adds them to the list. The shell may refuse
// the empty item name, and then "Groups" names the same list.
void FillGroupList(HWND dialog) {
  DdeBegin(dialog);
  HWND client = DdeInitiate("PROGMAN", "PROGMAN");
  if (!client) return;
  if (DdeRequest(client, "", true)) DdeAwaitAnswers();
  if (IsWindow(client) && DdeRequestRefused(client) && DdeRequest(client, "Groups", false)) DdeAwaitAnswers();
  DdeDispatchWaiting();
}

// Copies the picture unscaled to the top-left of the control, clipped to its client area.
void DrawStock(HWND picture, HDC dc) {
  if (!g_stock || !picture) return;
  RECT area;
  GetClientRect(picture, &area);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, g_stock);
  BitBlt(dc, 0, 0, area.right, area.bottom, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

void OnPaint(HWND dialog) {
  PAINTSTRUCT ps;
  BeginPaint(dialog, &ps);
  EndPaint(dialog, &ps);
  HWND picture = GetDlgItem(dialog, kPictureId);
  if (HDC dc = picture ? GetDC(picture) : nullptr) {
    DrawStock(picture, dc);
    ReleaseDC(picture, dc);
  }
}

void TakeListChoice(HWND dialog) {
  HWND list = GetDlgItem(dialog, kListId);
  LRESULT chosen = SendMessageA(list, LB_GETCURSEL, 0, 0);
  LRESULT length = chosen == LB_ERR ? LB_ERR : SendMessageA(list, LB_GETTEXTLEN, WPARAM(chosen), 0);
  if (length == LB_ERR || length < 0) return;
  std::string text(size_t(length) + 1, '\0');
  if (SendMessageA(list, LB_GETTEXT, WPARAM(chosen), reinterpret_cast<LPARAM>(&text[0])) == LB_ERR) return;
  CopyField(g_groupName, sizeof g_groupName, text.c_str());
  SetDlgItemTextA(dialog, kEditId, g_groupName);
}

void FreeStock() {
  if (g_stock) DeleteObject(g_stock);
  g_stock = nullptr;
}

void Finish(HWND dialog, INT_PTR result) {
  FreeStock();
  EndDialog(dialog, result);
  DdeTerminateAll();
}

}  // namespace

extern "C" {

INT_PTR WINAPI FGroupEditProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      DdeBegin(dialog);
      SetDlgItemTextA(dialog, kEditId, g_groupName);
      FillGroupList(dialog);
      g_stock = LoadBitmapA(GroupLinkInstance(), "STOCK");
      return TRUE;
    case WM_PAINT:
      OnPaint(dialog);
      return TRUE;
    case WM_DRAWITEM:
      // The picture repaints on its own too (uncovered alone): same copy.
      if (wParam != kPictureId) return FALSE;
      DrawStock(GetDlgItem(dialog, kPictureId), reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hDC);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kListId:
          TakeListChoice(dialog);
          return TRUE;
        case IDOK:
          GetDlgItemTextA(dialog, kEditId, g_groupName, GL_GROUP_NAME_SIZE);
          Finish(dialog, 0);
          return TRUE;
        case IDCANCEL:
          Finish(dialog, 1);
          return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      FreeStock();
      return FALSE;
  }
  return FALSE;
}

// 1 and the chosen name in `name` (80 characters) for Continue; 0 and `name` untouched for
// Exit or when the dialog can't be shown.
int WINAPI GetGroupName(HWND owner, char* name) {
  if (!name) return 0;
  DdeSetOwner(owner);
  CopyField(g_groupName, sizeof g_groupName, name);
  INT_PTR result = DialogBoxParamA(GroupLinkInstance(), "GETGROUPNAME", owner, FGroupEditProc, 0);
  DdeSetOwner(owner);
  if (result != 0) return 0;
  std::memcpy(name, g_groupName, std::strlen(g_groupName) + 1);
  return 1;
}

}  // extern "C"
