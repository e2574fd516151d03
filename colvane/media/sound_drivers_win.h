// The program's one door to the sound and video drivers: the MCI string and command interfaces
// and sndPlaySoundA. Every sound and clip of the program goes through Drivers(); the program
// always has the real drivers there, and a test may lend a recorder in their place.
#pragma once
#include <windows.h>
#include <mmsystem.h>

class SoundDrivers {
 public:
  virtual ~SoundDrivers() = default;
  // mciSendStringA: the reply (reply may be null when size is 0) and the notification window.
  virtual MCIERROR SendString(const char* command, char* reply, UINT replySize, HWND callback) = 0;
  // mciSendCommandA with a pointer to the message's parameter block.
  virtual MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params) = 0;
  // mciGetDeviceIDA: 0 when no device goes by that name or alias.
  virtual MCIDEVICEID DeviceId(const char* name) = 0;
  // sndPlaySoundA; a null path stops the wave that plays.
  virtual BOOL PlayWave(const char* path, UINT flags) = 0;
};

SoundDrivers& Drivers();
// Puts drivers in place of the real ones (null gives the real ones back); returns what was lent
// before, or null when the real drivers were in place.
SoundDrivers* LendSoundDrivers(SoundDrivers* drivers);
// Ends the thread that hands asynchronous waves to the driver (at shutdown, after the last sound).
void FreeSoundDrivers();
