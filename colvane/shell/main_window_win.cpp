// The main window procedure: unpacks each message and hands it to the module that owns it.
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

#include "colvane/canvas/rope_win.h"
#include "colvane/files/file_box_win.h"
#include "colvane/files/picture_save_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/filmstrip_win.h"
#include "colvane/frame/locks_win.h"
#include "colvane/frame/message_box_win.h"
#include "colvane/frame/notice_card_win.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/library/cartoons_win.h"
#include "colvane/media/music_win.h"
#include "colvane/shell/accessible_win.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/exit_screen_win.h"
#include "colvane/shell/grown_ups_win.h"
#include "colvane/shell/keyboard_win.h"
#include "colvane/shell/screen_areas_win.h"
#include "colvane/shell/shell_win.h"
#include "colvane/shell/switch_scan_win.h"
#include "colvane/shell/synthetic_mouse_win.h"
#include "colvane/text/typewriter_win.h"
#include "easelkit/easelkit_win.h"

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

bool keyTaken = false;  // the last WM_KEYDOWN went to keys or switches: its WM_CHAR types nothing

bool OnKeyDown(HWND window, WPARAM key, LPARAM flags) {
  keyTaken = !ExitScreenRunning() && (SwitchKeyDown(window, key, flags) || KeyboardKeyDown(window, key, flags));
  return keyTaken;
}

void OnChar(HWND window, WPARAM code) {
  if (keyTaken) return;
  TypewriterChar(window, code);
}

// The real mouse hides the marks keys showed; the scanner's stay.
void PointerUsed(HWND window, bool press) {
  if (!SendingMouse() && !SwitchScanning()) KeyboardPointerUsed(window, press);
}

// The update region as GDI made it, read back as rectangles before BeginPaint validates it; more
// pieces than `capacity` are composed as their bounding rectangle.
int UpdateRects(HWND window, RECT* out, int capacity) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (!region) return 0;
  int count = 0;
  if (GetUpdateRgn(window, region, FALSE) > NULLREGION) {
    struct {
      RGNDATAHEADER header;
      RECT rects[16];
    } data;
    const int room = capacity < 16 ? capacity : 16;
    const DWORD bytes = GetRegionData(region, 0, nullptr);
    if (bytes <= sizeof(data.header) + room * sizeof(RECT) &&
        GetRegionData(region, bytes, reinterpret_cast<RGNDATA*>(&data)) == bytes) {
      for (count = 0; count < static_cast<int>(data.header.nCount) && count < room; ++count) out[count] = data.rects[count];
    } else if (GetRgnBox(region, &out[0]) > NULLREGION) {
      count = 1;
    }
  }
  DeleteObject(region);
  return count;
}

void OnPaint(HWND window) {
  AppState& app = App();
  app.painting = true;
  RECT rects[16];
  int count = UpdateRects(window, rects, 16);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (count == 0) {
    rects[0] = ps.rcPaint;
    count = 1;
  }
  if (ExitScreenRunning())
    PaintExitScreen(dc);
  else
    PaintScreen(window, dc, ProgramAreas(), rects, count);
  EndPaint(window, &ps);
  app.painting = false;
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      return StartUp(window) ? 0 : -1;
    case WM_DESTROY:
      ShutDown(window);
      FreeAccessible();
      return 0;
    case WM_QUERYENDSESSION:  // log-off, restart, shutdown: keep everything now, ask nothing
      SetMessageBoxOwner(nullptr);  // no box may wait for an answer while the session ends
      SaveAtEndOfSession(window);
      SetMessageBoxOwner(window);   // back, in case the session goes on after all
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) SaveAtEndOfSession(window);  // a change since the question is kept too
      return 0;
    case WM_CLOSE:  // Alt+F4 and the like: kept like the exit button, without its goodbye
      if (!ExitScreenRunning() && LockRefuses(window, PolicyKey::kNoQuit)) {
        NoteQuitRefused();
        return 0;
      }
      if (!ExitScreenRunning() && !SaveBeforeLeaving(window)) return 0;
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_PRINTCLIENT:  // the screen as it would be painted now, into the caller's DC
      ComposeScreen(window, reinterpret_cast<HDC>(wParam), ProgramAreas());
      return 0;
    case WM_KEYUP:
      if (!GrownUpsShown()) OnKeyUp(window, wParam);
      return 0;
    case WM_KEYDOWN:
      if (GrownUpsKeyDown(window, wParam) || OnKeyDown(window, wParam, lParam)) return 0;
      break;
    case WM_CHAR:
      if (!GrownUpsShown() && !UndoKey(window, wParam)) OnChar(window, wParam);
      return 0;
    case WM_COMMAND:
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
      PointerUsed(window, false);
      if (!isdelayon()) OnMouseMove(window, wParam, lParam);
      return 0;
    case WM_LBUTTONDOWN:
      PointerUsed(window, true);
      if (isdelayon()) InPutMessage(msg, wParam, lParam);
      else OnLeftPress(window, wParam, lParam);
      return 0;
    case WM_LBUTTONUP:  // the release of a press stored during an animation goes back with it
      if (!isdelayon() || !InPutMessage(msg, wParam, lParam)) OnLeftRelease(window, wParam, lParam);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (!isdelayon()) OnLeftDoubleClick(window, wParam, lParam);
      return 0;
    case WM_RBUTTONDOWN:
      PointerUsed(window, true);
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
    case WM_CAPTURECHANGED:
      OnCaptureChanged(window, reinterpret_cast<HWND>(lParam));
      return 0;
    case MM_MCINOTIFY:
      OnMusicNotify(window, wParam, lParam);
      return 0;
    case kStartPictureNotice:
      ShowStartPictureNotice(window);
      return 0;
    case kShowWaitingMessages:
      ShowWaitingMessages();
      return 0;
    case WM_GETOBJECT: {
      LRESULT answer = 0;
      if (AnswerGetObject(window, wParam, lParam, &answer)) return answer;
      break;
    }
    case kPressAccessibleChild:
      PressAccessibleChild(window, static_cast<LONG>(wParam));
      return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

void OnTimer(HWND window, WPARAM id) {
  switch (id) {
    case timer::kCaret:
      if (!CoverShown()) TypewriterCaretTick(window);
      break;
    case timer::kStrokeRepeat:
      OnStrokeTimer(window);
      break;
    case timer::kCartoons:
      if (!FilmstripPlaying() && !DeskCovered() && !CartoonsBusy() && !CoverShown()) CartoonTick(window);
      break;
    case timer::kRopeFrame:
      if (!FilmstripPlaying() && !DeskCovered()) RopeFrameTick(window);
      break;
    case timer::kExitScroll:
      ExitScreenStep(window);
      break;
    case timer::kRecovery:
      RecoveryTick(window);
      break;
    case timer::kNoticeCard:
      NoticeCardTimer(window);
      break;
    case timer::kGrownUpsChord:
      GrownUpsChordTick(window);
      break;
    case timer::kSwitchScan:
      SwitchScanTick(window);
      break;
  }
}

void OnKeyUp(HWND window, WPARAM key) {
  if (key == VK_F1) {
    // The help file stands beside the program; a bare name would follow the current folder.
    char help[MAX_PATH + 16];
    ProgramFolder(help);
    lstrcatA(help, "\\Colvane.chm");
    ShellExecuteA(window, "open", help, "", "", SW_SHOWNORMAL);
    return;
  }
  FileBoxKeyUp(window, key);
}
