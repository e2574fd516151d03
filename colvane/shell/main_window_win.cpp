// The main window procedure: unpacks each message and hands it to the module that owns it.
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

#include "colvane/frame/compose.h"
#include "colvane/shell/app_state.h"
#include "colvane/shell/areas.h"
#include "colvane/shell/shell.h"
#include "easelkit/easelkit.h"

namespace {

LRESULT RealizeOurPalette(HWND window) {
  HPALETTE palette = App().palette;
  if (!palette) return 0;
  HDC dc = GetDC(window);
  HPALETTE previous = SelectPalette(dc, palette, FALSE);
  UINT n = RealizePalette(dc);
  SelectPalette(dc, previous, FALSE);
  ReleaseDC(window, dc);
  if (n > 0 && n != GDI_ERROR) InvalidateRect(window, nullptr, TRUE);
  return n == GDI_ERROR ? 0 : n;
}

void OnPaint(HWND window) {
  AppState& app = App();
  app.painting = 1;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  ComposeScreen(window, dc);
  EndPaint(window, &ps);
  app.painting = 0;
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      StartUp(window);
      return 0;
    case WM_DESTROY:
      ShutDown(window);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_KEYUP:
      OnKeyUp(window, wParam);
      return 0;
    case WM_CHAR:
      TypewriterChar(window, wParam);
      return 0;
    case WM_COMMAND:
      KillTimer(window, 0);  // the caret stops whenever a command runs
      DispatchCommand(window, wParam);
      return 0;
    case WM_TIMER:
      if (!App().painting) OnTimer(window, wParam);
      return 0;
    case WM_CTLCOLORLISTBOX: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(12, 23, 0));
      SetBkColor(dc, RGB(200, 190, 153));
      return reinterpret_cast<LRESULT>(App().listBrush);
    }
    case WM_MOUSEMOVE:
      if (!isdelayon()) OnMouseMove(window, wParam, lParam);
      return 0;
    case WM_LBUTTONDOWN:
      if (isdelayon()) InPutMessage(msg, wParam, lParam);
      else OnLeftPress(window, wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
      OnLeftRelease(window, wParam, lParam);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (!isdelayon()) OnLeftDoubleClick(window, wParam, lParam);
      return 0;
    case WM_RBUTTONDOWN:
      if (!isdelayon()) OnRightPress(window, wParam, lParam);
      return 0;
    case WM_RBUTTONUP:
      if (!isdelayon()) OnRightRelease(window, wParam, lParam);
      return 0;
    case WM_RBUTTONDBLCLK:
      if (!isdelayon()) OnRightDoubleClick(window, wParam, lParam);
      return 0;
    case WM_QUERYNEWPALETTE:
      return RealizeOurPalette(window);
    case WM_PALETTECHANGED:
      if (reinterpret_cast<HWND>(wParam) == window) return 0;
      return RealizeOurPalette(window);
    case MM_MCINOTIFY:
      if (wParam == MCI_NOTIFY_SUCCESSFUL) MusicNotify(window, wParam);
      return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

void OnTimer(HWND window, WPARAM id) {
  AppState& app = App();
  switch (id) {
    case 0:
      TypewriterCaretTick(window);
      break;
    case 1:
      OnStrokeTimer(window);
      break;
    case 2:
      if (!app.animationPlaying && !app.fileBoxOpen && !CartoonBusy()) CartoonTick(window);
      break;
    case 3:
      if (!app.animationPlaying && !app.fileBoxOpen) RopeFrameTick(window);
      break;
    case 10:
      ExitScreenStep(window);
      break;
  }
}

void OnKeyUp(HWND window, WPARAM key) {
  if (key == VK_F1) {
    ShellExecuteA(window, "open", "Colvane.chm", "", "", SW_SHOWNORMAL);
    return;
  }
  if (!App().fileBoxOpen) return;
  if (key == VK_DELETE) FileBoxDeleteSelected(window);
  // Return is swallowed while the file box is open; other keys do nothing.
}
