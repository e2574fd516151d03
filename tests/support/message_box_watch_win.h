// Watches for message boxes of this process (or of any process) from a second thread, records
// their caption, text, owner and the face their text is drawn in, and dismisses each one, so a
// test that makes the code under test show one never hangs.
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
    HWND owner = nullptr;       // the window the box belongs to (null: none)
    bool ownerEnabled = true;   // a box modal to its owner disables it
    std::wstring face;          // the face of the font the text control draws with
    int missingGlyphs = -1;     // characters of the text that face has no glyph for
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

  // The button pressed on each box seen from now on (IDOK unless told).
  void answer(int id) { InterlockedExchange(&answer_, id); }

  std::vector<Seen> seen() {
    EnterCriticalSection(&lock_);
    std::vector<Seen> copy = seen_;
    LeaveCriticalSection(&lock_);
    return copy;
  }
  // The most boxes that were on the screen at one time.
  int mostAtOnce() {
    EnterCriticalSection(&lock_);
    int n = mostAtOnce_;
    LeaveCriticalSection(&lock_);
    return n;
  }

  // The face a control draws its text with, and how many characters of `text` it lacks.
  static void FontOf(HWND control, const std::wstring& text, std::wstring* face, int* missing) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    wchar_t name[LF_FACESIZE] = L"";
    GetTextFaceW(dc, LF_FACESIZE, name);
    *face = name;
    std::vector<WORD> glyphs(text.size() + 1);
    *missing = 0;
    if (!text.empty() &&
        GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                         GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR) {
      for (size_t i = 0; i < text.size(); ++i)
        if (glyphs[i] == 0xFFFF && text[i] >= 0x20) ++*missing;
    }
    SelectObject(dc, old);
    DeleteDC(dc);
  }

 private:
  bool Ours(HWND w) {
    wchar_t cls[64] = L"";
    GetClassNameW(w, cls, 64);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return (anyProcess_ || pid == GetCurrentProcessId()) && lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(w);
  }
  static BOOL CALLBACK Count(HWND w, LPARAM self) {
    auto* watch = reinterpret_cast<MessageBoxWatch*>(self);
    if (watch->Ours(w)) ++watch->countNow_;
    return TRUE;
  }
  static BOOL CALLBACK Visit(HWND w, LPARAM self) {
    auto* watch = reinterpret_cast<MessageBoxWatch*>(self);
    if (!watch->Ours(w)) return TRUE;
    if (std::find(watch->handled_.begin(), watch->handled_.end(), w) != watch->handled_.end()) return TRUE;
    watch->handled_.push_back(w);
    Seen s;
    wchar_t buffer[1024] = L"";
    GetWindowTextW(w, buffer, 1024);
    s.caption = buffer;
    buffer[0] = 0;
    GetDlgItemTextW(w, 0xFFFF, buffer, 1024);  // the message text
    s.text = buffer;
    s.owner = GetWindow(w, GW_OWNER);
    s.ownerEnabled = s.owner ? IsWindowEnabled(s.owner) != FALSE : true;
    FontOf(GetDlgItem(w, 0xFFFF), s.text, &s.face, &s.missingGlyphs);
    EnterCriticalSection(&watch->lock_);
    watch->seen_.push_back(s);
    LeaveCriticalSection(&watch->lock_);
    PostMessageW(w, WM_COMMAND, static_cast<WPARAM>(watch->answer_), 0);
    PostMessageW(w, WM_CLOSE, 0, 0);
    return TRUE;
  }
  static DWORD WINAPI Run(LPVOID self) {
    auto* watch = static_cast<MessageBoxWatch*>(self);
    while (!watch->stop_) {
      watch->countNow_ = 0;
      EnumWindows(&MessageBoxWatch::Count, reinterpret_cast<LPARAM>(self));
      EnterCriticalSection(&watch->lock_);
      watch->mostAtOnce_ = std::max(watch->mostAtOnce_, watch->countNow_);
      LeaveCriticalSection(&watch->lock_);
      EnumWindows(&MessageBoxWatch::Visit, reinterpret_cast<LPARAM>(self));
      Sleep(100);
    }
    return 0;
  }

  bool anyProcess_;
  HANDLE thread_ = nullptr;
  volatile LONG stop_ = 0;
  volatile LONG answer_ = IDOK;
  CRITICAL_SECTION lock_;
  std::vector<Seen> seen_;
  int mostAtOnce_ = 0;
  int countNow_ = 0;                // only touched by the watching thread
  std::vector<HWND> handled_;       // only touched by the watching thread
};
