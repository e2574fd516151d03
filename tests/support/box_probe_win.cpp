// Test tool: reports the message boxes of the running program, one line each:
//   <caption>|<text>|<owner class>|<owner enabled 0/1>|<face>|<characters without a glyph>
// in UTF-8, and with the argument "ok", "yes" or "no" then presses that button on the first of
// them; with "main" it prints only whether the main window is enabled (1 or 0). Exit code: the number of boxes found
// (0 when none).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/message_box_watch_win.h"

namespace {

std::vector<HWND> boxes;

BOOL CALLBACK Visit(HWND w, LPARAM program) {
  wchar_t cls[16] = L"";
  GetClassNameW(w, cls, 16);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid == static_cast<DWORD>(program) && lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(w)) boxes.push_back(w);
  return TRUE;
}

std::string Utf8(const std::wstring& s) {
  int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, s.c_str(), -1, &out[0], n, nullptr, nullptr);
  for (char& c : out)
    if (c == '\n' || c == '\r') c = ' ';
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  HWND main = FindWindowA("MAIN4WClass", nullptr);
  if (!main) return 0;
  if (argc > 1 && std::strcmp(argv[1], "main") == 0) {
    std::printf("%d\n", IsWindowEnabled(main) ? 1 : 0);
    return 0;
  }
  DWORD program = 0;
  GetWindowThreadProcessId(main, &program);
  EnumWindows(Visit, static_cast<LPARAM>(program));
  for (HWND box : boxes) {
    wchar_t caption[256] = L"", text[1024] = L"", ownerClass[64] = L"";
    GetWindowTextW(box, caption, 256);
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    HWND owner = GetWindow(box, GW_OWNER);
    if (owner) GetClassNameW(owner, ownerClass, 64);
    std::wstring face;
    int missing = -1;
    MessageBoxWatch::FontOf(GetDlgItem(box, 0xFFFF), text, &face, &missing);
    std::printf("%s|%s|%s|%d|%s|%d\n", Utf8(caption).c_str(), Utf8(text).c_str(), Utf8(ownerClass).c_str(),
                owner && IsWindowEnabled(owner) ? 1 : 0, Utf8(face).c_str(), missing);
  }
  std::fflush(stdout);
  const char* answer = argc > 1 ? argv[1] : "";
  const int button = std::strcmp(answer, "ok") == 0 ? IDOK
                     : std::strcmp(answer, "yes") == 0 ? IDYES
                     : std::strcmp(answer, "no") == 0 ? IDNO
                                                      : 0;
  if (button && !boxes.empty()) PostMessageW(boxes[0], WM_COMMAND, button, 0);
  return static_cast<int>(boxes.size());
}
