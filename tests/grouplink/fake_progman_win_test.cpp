// grouplink.dll against program-group servers played by this test: one that never
// acknowledges, one that refuses, and nine at once.
#include <windows.h>

#include <dde.h>
#include <gtest/gtest.h>

#include <memory>

#include "tests/grouplink/grouplink_win_test_util.h"

namespace {

enum { kNeverAck = -1, kRefuse = 0, kAccept = 0x8000 };

struct FakeServer {
  HWND window = nullptr;
  int ackStatus = kAccept;
  int executes = 0;
  int terminates = 0;
  std::string lastCommand;
};

LRESULT CALLBACK FakeProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  FakeServer* s = reinterpret_cast<FakeServer*>(GetWindowLongPtrA(w, GWLP_USERDATA));
  HWND client = reinterpret_cast<HWND>(wp);
  switch (m) {
    case WM_DDE_INITIATE: {
      char app[32] = "", topic[32] = "";
      GlobalGetAtomNameA(LOWORD(lp), app, sizeof app);
      GlobalGetAtomNameA(HIWORD(lp), topic, sizeof topic);
      if (lstrcmpiA(app, "PROGMAN") == 0 && lstrcmpiA(topic, "PROGMAN") == 0) {
        SendMessageA(client, WM_DDE_ACK, WPARAM(w), MAKELPARAM(GlobalAddAtomA("PROGMAN"), GlobalAddAtomA("PROGMAN")));
      }
      return 0;
    }
    case WM_DDE_EXECUTE:
      ++s->executes;
      if (const char* text = static_cast<const char*>(GlobalLock(reinterpret_cast<HGLOBAL>(lp)))) {
        s->lastCommand = text;
        GlobalUnlock(reinterpret_cast<HGLOBAL>(lp));
      }
      if (s->ackStatus != kNeverAck) {
        PostMessageA(client, WM_DDE_ACK, WPARAM(w), PackDDElParam(WM_DDE_ACK, UINT_PTR(s->ackStatus), UINT_PTR(lp)));
      }
      return 0;
    case WM_DDE_TERMINATE:
      ++s->terminates;
      PostMessageA(client, WM_DDE_TERMINATE, WPARAM(w), 0);
      return 0;
  }
  return DefWindowProcA(w, m, wp, lp);
}

// Top-most, so the broadcast reaches them before the shell's own server.
std::unique_ptr<FakeServer> StartFake(int ackStatus) {
  static ATOM registered = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FakeProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FakeProgman";
    return RegisterClassA(&wc);
  }();
  auto s = std::make_unique<FakeServer>();
  s->ackStatus = ackStatus;
  s->window = CreateWindowExA(WS_EX_TOPMOST, MAKEINTATOM(registered), "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(s->window, GWLP_USERDATA, LONG_PTR(s.get()));
  return s;
}

class GroupLinkFakeServer : public testing::Test {
 protected:
  void SetUp() override { RemoveLogs(); }
  void TearDown() override {
    for (auto& s : fakes_) DestroyWindow(s->window);
    RemoveLogs();
  }
  FakeServer& Fake(int ackStatus) {
    fakes_.push_back(StartFake(ackStatus));
    return *fakes_.back();
  }
  std::vector<std::unique_ptr<FakeServer>> fakes_;
};

TEST_F(GroupLinkFakeServer, ServerThatNeverAcknowledgesTimesOut) {
  BoxWatcher boxes;
  FakeServer& slow = Fake(kNeverAck);
  Lib().createGroup(TestOwner(), "Colvane Slow");
  EXPECT_EQ(slow.executes, 1);
  EXPECT_EQ(slow.lastCommand, "[CreateGroup(Colvane Slow)]");
  EXPECT_EQ(slow.terminates, 1);
  EXPECT_FALSE(Exists(ProgramsFolder() + "\\Colvane Slow")) << "only the first server hears the command";
  std::vector<SeenBox> seen = boxes.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, "Client");
  EXPECT_EQ(seen[0].text, "DDE EXECUTE acknowledge time out");
  EXPECT_EQ(seen[0].owner, TestOwner());
}

TEST_F(GroupLinkFakeServer, RefusedCommandIsReportedAndLongTextsArriveWhole) {
  BoxWatcher boxes;
  FakeServer& refusing = Fake(kRefuse);
  std::string item(3000, 'i'), command(5000, 'c');
  Lib().createGroupItem(TestOwner(), "unused", item.c_str(), command.c_str());
  EXPECT_EQ(refusing.lastCommand, "[AddItem(" + command + "," + item + ")]");
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"DDE EXECUTE operation failed"});
}

TEST_F(GroupLinkFakeServer, NinthServerIsTurnedAwayAndEveryConversationEnds) {
  BoxWatcher boxes;
  for (int i = 0; i < 9; ++i) Fake(kAccept);
  Lib().createGroupItem(TestOwner(), "unused", "Nine", "nine.exe");
  int executes = 0;
  for (auto& s : fakes_) {
    executes += s->executes;
    EXPECT_EQ(s->terminates, 1);
  }
  EXPECT_EQ(executes, 1);
  std::vector<std::string> texts = boxes.Texts();
  ASSERT_FALSE(texts.empty());
  for (const std::string& t : texts) EXPECT_EQ(t, "Maximum conversation count exceeded");
}

}  // namespace
