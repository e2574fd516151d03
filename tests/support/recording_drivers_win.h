// Sound drivers that record what the program asked for instead of playing it. A tune's open
// answers with a new device, or fails when told to; a clip's open answers with a device whose
// window is a real child of the clip's parent, so where the program puts it can be checked.
#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

#include "colvane/media/sound_drivers_win.h"

struct RecordedCommand {
  UINT message;
  DWORD_PTR flags;
  MCIDEVICEID device;
  std::string name;  // MCI_OPEN: the device type or the element
  HWND window;       // MCI_OPEN: the parent; MCI_PLAY: the callback
};

struct RecordedWave {
  std::string path;  // empty: silence
  UINT flags;
};

class RecordingDrivers : public SoundDrivers {
 public:
  std::vector<std::string> strings;
  std::vector<HWND> stringCallbacks;
  std::vector<RecordedCommand> commands;
  std::vector<RecordedWave> waves;
  bool failTuneOpen = false;
  bool failClipOpen = false;
  MCIDEVICEID clavier = 0;  // the open tune's device
  MCIDEVICEID driver = 0;   // the "avivideo" driver opened alone
  HWND clipWindow = nullptr;

  void Clear() {
    strings.clear();
    stringCallbacks.clear();
    commands.clear();
    waves.clear();
  }
  int Count(const std::string& prefix) const {
    int n = 0;
    for (const std::string& s : strings) n += s.compare(0, prefix.size(), prefix) == 0;
    return n;
  }
  // Waves that are not silence.
  std::vector<RecordedWave> Played() const {
    std::vector<RecordedWave> out;
    for (const RecordedWave& w : waves)
      if (!w.path.empty()) out.push_back(w);
    return out;
  }

  MCIERROR SendString(const char* command, char* reply, UINT replySize, HWND callback) override {
    const std::string c(command);
    strings.push_back(c);
    stringCallbacks.push_back(callback);
    if (reply && replySize) reply[0] = '\0';
    if (c.compare(0, 5, "open ") == 0) {
      if (failTuneOpen) return MCIERR_FILE_NOT_FOUND;
      clavier = ++next_;
    } else if (c == "close clavier") {
      clavier = 0;
    }
    return 0;
  }

  MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params) override {
    RecordedCommand r{message, flags, device, "", nullptr};
    MCIERROR result = 0;
    if (message == MCI_OPEN && (flags & MCI_OPEN_TYPE)) {
      auto* open = reinterpret_cast<MCI_OPEN_PARMSA*>(params);
      r.name = open->lpstrDeviceType;
      open->wDeviceID = driver = ++next_;
    } else if (message == MCI_OPEN) {
      auto* open = reinterpret_cast<MCI_ANIM_OPEN_PARMSA*>(params);
      r.name = open->lpstrElementName;
      r.window = open->hWndParent;
      if (failClipOpen) {
        result = MCIERR_FILE_NOT_FOUND;
      } else {
        open->wDeviceID = ++next_;
        clipWindow = CreateWindowExA(0, ClipClass(), "clip", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, open->hWndParent,
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
      }
    } else if (message == MCI_STATUS) {
      auto* status = reinterpret_cast<MCI_STATUS_PARMS*>(params);
      status->dwReturn = status->dwItem == MCI_ANIM_STATUS_HWND ? reinterpret_cast<DWORD_PTR>(clipWindow) : 4500;
    } else if (message == MCI_PLAY) {
      r.window = reinterpret_cast<HWND>(reinterpret_cast<MCI_PLAY_PARMS*>(params)->dwCallback);
    } else if (message == MCI_CLOSE && device != driver && clipWindow) {
      DestroyWindow(clipWindow);
      clipWindow = nullptr;
    }
    commands.push_back(r);
    return result;
  }

  MCIDEVICEID DeviceId(const char* name) override {
    const std::string n(name);
    return n == "clavier" ? clavier : n == "avivideo" ? driver : 0;
  }

  BOOL PlayWave(const char* path, UINT flags) override {
    waves.push_back({path ? path : "", flags});
    return TRUE;
  }

 private:
  // A plain window class for the clip's window: it takes the clicks on it, as a player's does.
  static const char* ClipClass() {
    static bool registered = false;
    if (!registered) {
      WNDCLASSA wc{};
      wc.lpfnWndProc = DefWindowProcA;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
      wc.lpszClassName = "RecordedClip";
      registered = RegisterClassA(&wc) != 0;
    }
    return "RecordedClip";
  }
  MCIDEVICEID next_ = 40;
};
