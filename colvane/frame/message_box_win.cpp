// Owned, single message boxes.
#include "colvane/frame/message_box_win.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

enum class OwnerState { kNone, kMainWindow, kGone };
OwnerState ownerState = OwnerState::kNone;
HWND mainWindow = nullptr;

// The boxes on the screen now. A box runs its own message loop, so a posted command can ask for
// the same box again while it is up: the second request finds it here.
std::vector<std::wstring> shown;

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
  // A window holding the mouse would take the clicks meant for the box's buttons.
  if (GetCapture()) ReleaseCapture();
  shown.push_back(key);
  int answer = MessageBoxW(owner, text, caption, style);
  shown.erase(std::find(shown.begin(), shown.end(), key));
  return answer;
}

int ShowProgramMessageA(HWND fallback, const char* text, const char* caption, UINT style) {
  const std::wstring wideText = Wide(text), wideCaption = Wide(caption);
  return ShowProgramMessage(fallback, wideText.c_str(), caption ? wideCaption.c_str() : nullptr, style);
}
