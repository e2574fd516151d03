// Watches for message boxes of this process (or of any process) from a second thread, records their caption and
// text, and dismisses each one, so a test that makes the code under test show one never hangs.
#pragma once
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

class MessageBoxWatch {
 public:
  struct Seen {
    std::wstring caption;
    std::wstring text;
  };

  explicit MessageBoxWatch(bool anyProcess = false) : anyProcess_(anyProcess) {
    InitializeCriticalSection(&lock_);
    thread_ = CreateThread(nullptr, 0, &MessageBoxWatch::Run, this, 0, nullptr);
  }
  ~MessageBoxWatch() {
    InterlockedExchange(&stop_, 1);
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    DeleteCriticalSection(&lock_);
  }
  MessageBoxWatch(const MessageBoxWatch&) = delete;
  MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

  std::vector<Seen> seen() {
    EnterCriticalSection(&lock_);
    std::vector<Seen> copy = seen_;
    LeaveCriticalSection(&lock_);
    return copy;
  }

 private:
  static BOOL CALLBACK Visit(HWND w, LPARAM self) {
    auto* watch = reinterpret_cast<MessageBoxWatch*>(self);
    wchar_t cls[64] = L"";
    GetClassNameW(w, cls, 64);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if ((!watch->anyProcess_ && pid != GetCurrentProcessId()) || lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(w)) return TRUE;
    if (std::find(watch->handled_.begin(), watch->handled_.end(), w) != watch->handled_.end()) return TRUE;
    watch->handled_.push_back(w);
    Seen s;
    wchar_t buffer[1024] = L"";
    GetWindowTextW(w, buffer, 1024);
    s.caption = buffer;
    buffer[0] = 0;
    GetDlgItemTextW(w, 0xFFFF, buffer, 1024);  // the message text
    s.text = buffer;
    EnterCriticalSection(&watch->lock_);
    watch->seen_.push_back(s);
    LeaveCriticalSection(&watch->lock_);
    PostMessageW(w, WM_COMMAND, IDOK, 0);
    PostMessageW(w, WM_CLOSE, 0, 0);
    return TRUE;
  }
  static DWORD WINAPI Run(LPVOID self) {
    auto* watch = static_cast<MessageBoxWatch*>(self);
    while (!watch->stop_) {
      EnumWindows(&MessageBoxWatch::Visit, reinterpret_cast<LPARAM>(self));
      Sleep(100);
    }
    return 0;
  }

  bool anyProcess_;
  HANDLE thread_ = nullptr;
  volatile LONG stop_ = 0;
  CRITICAL_SECTION lock_;
  std::vector<Seen> seen_;
  std::vector<HWND> handled_;  // only touched by the watching thread
};
