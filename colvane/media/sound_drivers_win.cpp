// The real sound and video drivers, and the place where a test may lend others.
#include "colvane/media/sound_drivers_win.h"

namespace {

class RealDrivers : public SoundDrivers {
 public:
  MCIERROR SendString(const char* command, char* reply, UINT replySize, HWND callback) override {
    return mciSendStringA(command, reply, replySize, callback);
  }
  MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params) override {
    return mciSendCommandA(device, message, flags, params);
  }
  MCIDEVICEID DeviceId(const char* name) override { return mciGetDeviceIDA(name); }
  BOOL PlayWave(const char* path, UINT flags) override { return sndPlaySoundA(path, flags); }
};

RealDrivers real;
SoundDrivers* lent = nullptr;

}  // namespace

SoundDrivers& Drivers() { return lent ? *lent : real; }

SoundDrivers* LendSoundDrivers(SoundDrivers* drivers) {
  SoundDrivers* before = lent;
  lent = drivers;
  return before;
}
