// The program's message boxes on real windows under Wine: owned by the main window and modal to
// it, never stacked, gone with the main window, and drawn in a face that has the glyphs of the
// system's own Chinese message.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "colvane/frame/message_box_win.h"
#include "tests/support/message_box_watch_win.h"

namespace {

const UINT kAsk = WM_APP + 10;      // the window asks for a box (text index in wParam)
const UINT kDestroy = WM_APP + 11;  // the window destroys itself
std::vector<int> answers;           // what each request returned, in the order they ended
int boxesWhenDestroyed = -1;        // boxes of this thread when the timer closed the window
const wchar_t* const kTexts[] = {L"Data Error. Call engineer!", L"\x975E[QVF]\x6A94\x6848\xFF1A" L"C:\\art\\x.bmp"};

BOOL CALLBACK CountBoxes(HWND w, LPARAM count) {
  wchar_t cls[16] = L"";
  GetClassNameW(w, cls, 16);
  if (lstrcmpW(cls, L"#32770") == 0 && IsWindow(w)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int BoxesOfThisThread() {
  int n = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountBoxes, reinterpret_cast<LPARAM>(&n));
  return n;
}

LRESULT CALLBACK OwnerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case kAsk:
      answers.push_back(ShowProgramMessage(nullptr, kTexts[wParam], L"WARNING", MB_ICONEXCLAMATION));
      return 0;
    case kDestroy:
      DestroyWindow(window);
      return 0;
    case WM_TIMER:
      KillTimer(window, wParam);
      boxesWhenDestroyed = BoxesOfThisThread();
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      SetMessageBoxOwner(nullptr);
      return 0;
    case kShowWaitingMessages:
      ShowWaitingMessages();
      return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

HWND MakeOwner() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BoxOwnerWindow";
    RegisterClassW(&wc);
    registered = true;
  }
  HWND w = CreateWindowExW(0, L"BoxOwnerWindow", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  SetMessageBoxOwner(w);
  answers.clear();
  return w;
}

void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG msg;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(10);
  }
}

}  // namespace

// A box asked for twice while it is up (the second request arrives through its own message
// loop, as a posted command does) is shown once, owned by the main window, which stays disabled
// behind it.
TEST(ProgramMessages, OwnedModalAndNeverStacked) {
  HWND owner = MakeOwner();
  MessageBoxWatch watch;
  PostMessageW(owner, kAsk, 0, 0);
  PostMessageW(owner, kAsk, 0, 0);
  PostMessageW(owner, kAsk, 0, 0);
  Pump(1500);
  auto seen = watch.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].owner, owner);
  EXPECT_FALSE(seen[0].ownerEnabled);
  EXPECT_EQ(watch.mostAtOnce(), 1);
  EXPECT_EQ(answers, (std::vector<int>{0, 0, IDOK}));  // the inner two end first, unshown
  EXPECT_TRUE(IsWindowEnabled(owner));
  // Once it is closed the same box may come again; a different one is not held back by it.
  PostMessageW(owner, kAsk, 0, 0);
  PostMessageW(owner, kAsk, 1, 0);
  Pump(1500);
  EXPECT_EQ(watch.seen().size(), 3u);
  DestroyWindow(owner);
}

// The main window closing while a box is up takes the box with it, and nothing is shown after.
TEST(ProgramMessages, NoBoxOutlivesTheMainWindow) {
  HWND owner = MakeOwner();
  SetTimer(owner, 1, 400, nullptr);  // arrives inside the box's own loop
  ShowProgramMessage(nullptr, kTexts[0], L"WARNING", MB_ICONEXCLAMATION);
  EXPECT_EQ(boxesWhenDestroyed, 1);
  EXPECT_FALSE(IsWindow(owner));
  EXPECT_EQ(BoxesOfThisThread(), 0);
  MessageBoxWatch watch;
  EXPECT_EQ(ShowProgramMessage(nullptr, kTexts[0], L"WARNING", MB_ICONEXCLAMATION), 0);
  Pump(300);
  EXPECT_TRUE(watch.seen().empty());
}

// A box asked for while the main window is still hidden (its start-up) waits, once however often
// it is asked for, and shows over the window when that is on the screen.
TEST(ProgramMessages, BoxesWaitForTheMainWindowToShow) {
  HWND owner = MakeOwner();
  ShowWindow(owner, SW_HIDE);
  MessageBoxWatch watch;
  EXPECT_EQ(ShowProgramMessage(nullptr, kTexts[1], nullptr, MB_ICONHAND), 0);
  EXPECT_EQ(ShowProgramMessage(nullptr, kTexts[1], nullptr, MB_ICONHAND), 0);
  Sleep(300);
  EXPECT_TRUE(watch.seen().empty());
  PostMessageW(owner, kShowWaitingMessages, 0, 0);  // too early: nothing is shown, nothing lost
  Pump(300);
  EXPECT_TRUE(watch.seen().empty());
  ShowWindow(owner, SW_SHOW);
  PostMessageW(owner, kShowWaitingMessages, 0, 0);  // as the shell does once the window shows
  Pump(1500);
  auto seen = watch.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, kTexts[1]);
  EXPECT_EQ(seen[0].owner, owner);
  DestroyWindow(owner);
}

// The system's own text "非[QVF]檔案：" reads as written: the face the box draws its text in has
// a glyph for every character.
TEST(ProgramMessages, TheChineseMessageHasItsGlyphs) {
  HWND owner = MakeOwner();
  MessageBoxWatch watch;
  PostMessageW(owner, kAsk, 1, 0);
  Pump(1500);
  auto seen = watch.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, kTexts[1]);
  EXPECT_EQ(seen[0].missingGlyphs, 0) << "face " << std::string(seen[0].face.begin(), seen[0].face.end());
  DestroyWindow(owner);
}
