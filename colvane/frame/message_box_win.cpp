// Owned, single message boxes.
#include "colvane/frame/message_box_win.h"

#include <algorithm>
#include <string>
#include <vector>

#include "colvane/layout/profile_reads_win.h"

namespace {

enum class OwnerState { kNone, kMainWindow, kGone };
OwnerState ownerState = OwnerState::kNone;
HWND mainWindow = nullptr;

// The boxes on the screen now. A box runs its own message loop, so a posted command can ask for
// the same box again while it is up: the second request finds it here.
std::vector<std::wstring> shown;

// Boxes asked for while the main window was still being made (a bitmap that is not one, read
// at start-up): shown once the window is on the screen, not over a black screen while the
// window's creation waits on them (under Wine such a box also left the process running after
// its window had closed).
struct Waiting {
  std::wstring key, text, caption;
  bool hasCaption;
  UINT style;
};
std::vector<Waiting> waiting;

std::wstring Key(const wchar_t* text, const wchar_t* caption, UINT style) {
  std::wstring key = text ? text : L"";
  key += L'\x1F';
  key += caption ? caption : L"";
  key += L'\x1F';
  key += std::to_wstring(style);
  return key;
}

std::wstring Wide(const char* text) {
  if (!text) return std::wstring();
  int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], n);
  wide.resize(static_cast<size_t>(n - 1));
  return wide;
}

}  // namespace

void SetMessageBoxOwner(HWND window) {
  if (!window) waiting.clear();
  mainWindow = window;
  ownerState = window ? OwnerState::kMainWindow : OwnerState::kGone;
}

HWND MessageBoxOwner(HWND fallback) {
  if (ownerState == OwnerState::kMainWindow && IsWindow(mainWindow)) return mainWindow;
  return fallback;
}

int ShowProgramMessage(HWND fallback, const wchar_t* text, const wchar_t* caption, UINT style) {
  if (ownerState == OwnerState::kGone) return 0;
  const std::wstring key = Key(text, caption, style);
  if (std::find(shown.begin(), shown.end(), key) != shown.end()) return 0;
  HWND owner = MessageBoxOwner(fallback);
  if (owner && owner == mainWindow && !IsWindowVisible(owner)) {
    for (const Waiting& w : waiting)
      if (w.key == key) return 0;
    waiting.push_back(Waiting{key, text ? text : L"", caption ? caption : L"", caption != nullptr, style});
    return 0;
  }
  // A window holding the mouse would take the clicks meant for the box's buttons.
  if (GetCapture()) ReleaseCapture();
  shown.push_back(key);
  int answer = MessageBoxW(owner, text, caption, style);
  ForgetProfileSnapshots();  // someone may have changed a settings file while the box waited
  shown.erase(std::find(shown.begin(), shown.end(), key));
  return answer;
}

void ShowWaitingMessages() {
  if (ownerState != OwnerState::kMainWindow || !IsWindowVisible(mainWindow)) return;
  std::vector<Waiting> now;
  now.swap(waiting);
  for (const Waiting& w : now)
    ShowProgramMessage(nullptr, w.text.c_str(), w.hasCaption ? w.caption.c_str() : nullptr, w.style);
}

int ShowProgramMessageA(HWND fallback, const char* text, const char* caption, UINT style) {
  const std::wstring wideText = Wide(text), wideCaption = Wide(caption);
  return ShowProgramMessage(fallback, wideText.c_str(), caption ? wideCaption.c_str() : nullptr, style);
}
