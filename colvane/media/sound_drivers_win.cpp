// The real sound and video drivers, and the place where a test may lend others.
#include "colvane/media/sound_drivers_win.h"

#include <cstring>

namespace {

// sndPlaySoundA waits for the wave it replaces to close its device, which takes milliseconds: an
// asynchronous wave is handed to this thread, so a press on the paper never waits for a sound.
// Only the latest request matters (each replaces the one before), so one slot holds it. The thread
// is woken through a condition variable rather than an event: no round trip to the system per key.
class WaveThread {
 public:
  void Post(const char* path, UINT flags) {
    if (!Start()) {
      sndPlaySoundA(path, flags);
      return;
    }
    EnterCriticalSection(&lock_);
    const bool idle = !pending_ && !playing_;  // a busy thread looks at the slot when it is done
    pending_ = true;
    hasPath_ = path != nullptr;
    if (path) lstrcpynA(path_, path, sizeof(path_));
    flags_ = flags;
    LeaveCriticalSection(&lock_);
    if (idle) WakeConditionVariable(&wake_);
  }

  // Waits until every posted wave has been handed to the driver.
  void Drain() {
    if (!thread_) return;
    for (;;) {
      EnterCriticalSection(&lock_);
      const bool busy = pending_ || playing_;
      LeaveCriticalSection(&lock_);
      if (!busy) return;
      Sleep(1);
    }
  }

  void Stop() {
    if (!thread_) return;
    Drain();
    EnterCriticalSection(&lock_);
    quit_ = true;
    LeaveCriticalSection(&lock_);
    WakeConditionVariable(&wake_);
    WaitForSingleObject(thread_, 2000);
    CloseHandle(thread_);
    DeleteCriticalSection(&lock_);
    thread_ = nullptr;
  }

 private:
  bool Start() {
    if (thread_) return true;
    InitializeCriticalSection(&lock_);
    InitializeConditionVariable(&wake_);
    quit_ = false;
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    if (!thread_) DeleteCriticalSection(&lock_);
    return thread_ != nullptr;
  }

  static DWORD WINAPI Run(void* self) {
    auto* t = static_cast<WaveThread*>(self);
    char path[MAX_PATH];
    EnterCriticalSection(&t->lock_);
    for (;;) {
      while (!t->pending_ && !t->quit_) SleepConditionVariableCS(&t->wake_, &t->lock_, INFINITE);
      if (t->quit_) break;
      const bool hasPath = t->hasPath_;
      const UINT flags = t->flags_;
      std::memcpy(path, t->path_, sizeof(path));
      t->pending_ = false;
      t->playing_ = true;
      LeaveCriticalSection(&t->lock_);
      sndPlaySoundA(hasPath ? path : nullptr, flags);
      EnterCriticalSection(&t->lock_);
      t->playing_ = false;
    }
    LeaveCriticalSection(&t->lock_);
    return 0;
  }

  CRITICAL_SECTION lock_{};
  CONDITION_VARIABLE wake_{};
  HANDLE thread_ = nullptr;
  bool quit_ = false;
  bool pending_ = false, playing_ = false, hasPath_ = false;
  char path_[MAX_PATH] = "";
  UINT flags_ = 0;
};

WaveThread waves;

class RealDrivers : public SoundDrivers {
 public:
  MCIERROR SendString(const char* command, char* reply, UINT replySize, HWND callback) override {
    return mciSendStringA(command, reply, replySize, callback);
  }
  MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params) override {
    return mciSendCommandA(device, message, flags, params);
  }
  MCIDEVICEID DeviceId(const char* name) override { return mciGetDeviceIDA(name); }
  BOOL PlayWave(const char* path, UINT flags) override {
    if (flags & SND_ASYNC) {
      waves.Post(path, flags);
      return TRUE;
    }
    waves.Drain();  // a waiting wave starts after those posted before it
    return sndPlaySoundA(path, flags);
  }
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

void FreeSoundDrivers() { waves.Stop(); }
