// The intro's video clips through the MCI command interface.
#include "colvane/media/intro_video_win.h"

#include <mmsystem.h>
#include <digitalv.h>

#include "colvane/layout/layout_files_win.h"
#include "colvane/layout/layout_values.h"
#include "colvane/media/sound_drivers_win.h"

namespace {

bool playing = false;
MCIDEVICEID clipDevice = 0;
HWND clipWindow = nullptr;  // owned by the video device

void Repaint(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

}  // namespace

bool OpenVideoDevice() {
  MCI_OPEN_PARMSA open{};
  open.lpstrDeviceType = "avivideo";
  return Drivers().SendCommand(0, MCI_OPEN, MCI_OPEN_TYPE, reinterpret_cast<DWORD_PTR>(&open)) == 0;
}

bool PlayClip(HWND window, const char* file, int x, int y, int width, int height, long end) {
  if (playing) return false;
  char folder[144] = "", path[MAX_PATH] = "";
  GetAssetFolder(folder);
  if (!file || !file[0] || !JoinFolderPath(folder, file, path, sizeof(path))) {
    Repaint(window);
    return false;
  }
  SoundDrivers& drivers = Drivers();
  MCI_ANIM_OPEN_PARMSA open{};
  open.lpstrElementName = path;
  open.dwStyle = WS_CHILD;
  open.hWndParent = window;
  if (drivers.SendCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_ANIM_OPEN_PARENT | MCI_ANIM_OPEN_WS,
                          reinterpret_cast<DWORD_PTR>(&open)) != 0) {
    Repaint(window);
    return false;
  }
  clipDevice = open.wDeviceID;

  MCI_ANIM_WINDOW_PARMSA show{};
  show.nCmdShow = SW_SHOW;
  drivers.SendCommand(clipDevice, MCI_WINDOW, MCI_ANIM_WINDOW_STATE, reinterpret_cast<DWORD_PTR>(&show));
  MCI_STATUS_PARMS status{};
  status.dwItem = MCI_ANIM_STATUS_HWND;
  drivers.SendCommand(clipDevice, MCI_STATUS, MCI_STATUS_ITEM, reinterpret_cast<DWORD_PTR>(&status));
  clipWindow = reinterpret_cast<HWND>(status.dwReturn);

  if (width == 0) {
    // MCI gives a source rectangle as its corner and then its size.
    MCI_ANIM_RECT_PARMS where{};
    drivers.SendCommand(clipDevice, MCI_WHERE, MCI_ANIM_WHERE_SOURCE, reinterpret_cast<DWORD_PTR>(&where));
    width = where.rc.right;
    height = where.rc.bottom;
  }
  // The device keeps its window where it last put it: the move goes through the device, and the
  // window itself is moved too for a device that does not take it.
  MCI_DGV_PUT_PARMS put{};
  put.rc = RECT{x, y, width, height};  // MCI rectangles hold a corner and then a size
  drivers.SendCommand(clipDevice, MCI_PUT, MCI_DGV_PUT_WINDOW | MCI_DGV_RECT, reinterpret_cast<DWORD_PTR>(&put));
  if (clipWindow) MoveWindow(clipWindow, x, y, width, height, TRUE);

  playing = true;

  MCI_PLAY_PARMS play{};
  play.dwCallback = reinterpret_cast<DWORD_PTR>(window);
  play.dwFrom = 0;
  DWORD flags = MCI_NOTIFY | MCI_FROM;
  if (end >= 0) {
    play.dwTo = static_cast<DWORD>(end);
    flags |= MCI_TO;
  }
  drivers.SendCommand(clipDevice, MCI_PLAY, flags, reinterpret_cast<DWORD_PTR>(&play));
  Repaint(window);
  return true;
}

void StopClip() {
  if (!playing) return;
  MCI_GENERIC_PARMS close{};
  Drivers().SendCommand(clipDevice, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&close));
  playing = false;
  clipDevice = 0;
  clipWindow = nullptr;
}

void CloseVideoDevice() {
  StopClip();
  if (MCIDEVICEID driver = Drivers().DeviceId("avivideo")) {
    MCI_GENERIC_PARMS close{};
    Drivers().SendCommand(driver, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&close));
  }
}

bool ClipPlaying() { return playing; }
HWND ClipWindow() { return clipWindow; }
