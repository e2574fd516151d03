// The raw DDE client: conversation table, client window procedure, initiate, execute,
// request, the waits for acknowledgements and the termination of every conversation.
#include "grouplink/dde_client_win.h"

#include <dde.h>

#include <cstring>

#include "grouplink/grouplink_win.h"

namespace {

struct Conversation {
  bool terminating;   // this side posted WM_DDE_TERMINATE
  int pending;        // kDdeNone .. kDdeExecute
  HWND client;
  HWND server;
  char application[32];
  char topic[32];
  ATOM item;          // item atom a pending request carries (owned until answered)
  HGLOBAL commands;   // command block a pending execute carries (owned until answered)
  bool quietRefusal;  // a refused request is noted instead of reported
  bool refused;
};

const char kClientClass[] = "ClientDDEWndClass";
const char kTitle[] = "Client";

HINSTANCE g_instance;
HWND g_owner;
DWORD g_timeout = kDdeAckTimeout;
bool g_initiating;
// In order of creation; entries move down when one is removed, so no pointer into the
// table is kept across anything that can dispatch messages.
Conversation g_table[kDdeMaxConversations];
int g_count;

const char* OperationWord(int op) {
  static const char* const kWords[] = {"", "ADVISE ", "UNADVISE ", "POKE ", "REQUEST ", "EXECUTE "};
  return op >= kDdeAdvise && op <= kDdeExecute ? kWords[op] : "";
}

void Warn(const std::string& text) { MessageBoxA(DdeOwner(), text.c_str(), kTitle, MB_ICONEXCLAMATION); }

Conversation* Find(HWND client, HWND server) {
  for (int i = 0; i < g_count; ++i) {
    if (g_table[i].client == client && g_table[i].server == server) return &g_table[i];
  }
  return nullptr;
}

Conversation* First(HWND client) {
  for (int i = 0; i < g_count; ++i) {
    if (g_table[i].client == client) return &g_table[i];
  }
  return nullptr;
}

// Stops the operation's timer and frees what it carried.
void DropPending(Conversation& c) {
  if (c.pending != kDdeNone) KillTimer(c.client, reinterpret_cast<UINT_PTR>(c.server));
  if (c.item) GlobalDeleteAtom(c.item);
  if (c.commands) GlobalFree(c.commands);
  c.item = 0;
  c.commands = nullptr;
  c.pending = kDdeNone;
}

void Remove(Conversation* c) {
  DropPending(*c);
  int i = int(c - g_table);
  std::memmove(&g_table[i], &g_table[i + 1], size_t(g_count - i - 1) * sizeof(Conversation));
  --g_count;
}

void DestroyIfIdle(HWND client) {
  if (!First(client) && IsWindow(client)) DestroyWindow(client);
}

std::string AtomName(ATOM atom) {
  char name[32] = "";
  if (atom) GlobalGetAtomNameA(atom, name, sizeof name);
  return name;
}

void CopyName(char* field, size_t size, const std::string& name) {
  std::strncpy(field, name.c_str(), size - 1);
  field[size - 1] = 0;
}

// A server's answer to the initiate broadcast.
void RecordConversation(HWND client, HWND server, LPARAM lParam) {
  ATOM application = LOWORD(lParam), topic = HIWORD(lParam);
  std::string applicationName = AtomName(application), topicName = AtomName(topic);
  if (application) GlobalDeleteAtom(application);
  if (topic) GlobalDeleteAtom(topic);
  if (g_count == kDdeMaxConversations) {
    // The server now believes in a conversation: end it on its side too.
    PostMessageA(server, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(client), 0);
    Warn("Maximum conversation count exceeded");
    return;
  }
  Conversation& c = g_table[g_count++];
  c = Conversation{};
  c.client = client;
  c.server = server;
  CopyName(c.application, sizeof c.application, applicationName);
  CopyName(c.topic, sizeof c.topic, topicName);
}

void OnAck(HWND client, HWND server, LPARAM lParam) {
  if (g_initiating) {
    RecordConversation(client, server, lParam);
    return;
  }
  UINT_PTR status = 0, carried = 0;
  UnpackDDElParam(WM_DDE_ACK, lParam, &status, &carried);
  FreeDDElParam(WM_DDE_ACK, lParam);
  Conversation* c = Find(client, server);
  if (!c || c->pending == kDdeNone) return;
  int op = c->pending;
  bool positive = (status & 0x8000) != 0;
  bool quiet = !positive && op == kDdeRequest && c->quietRefusal;
  if (quiet) c->refused = true;
  DropPending(*c);
  if (!positive && !quiet) Warn(std::string("DDE ") + OperationWord(op) + "operation failed");
}

void OnTimeOut(HWND client, HWND server) {
  KillTimer(client, reinterpret_cast<UINT_PTR>(server));
  Conversation* c = Find(client, server);
  if (!c || c->pending == kDdeNone) return;
  int op = c->pending;
  DropPending(*c);
  Warn(std::string("DDE ") + OperationWord(op) + "acknowledge time out");
}

void PostAck(HWND server, HWND client, WORD status, ATOM item) {
  LPARAM lParam = PackDDElParam(WM_DDE_ACK, status, item);
  if (!PostMessageA(server, WM_DDE_ACK, reinterpret_cast<WPARAM>(client), lParam)) {
    FreeDDElParam(WM_DDE_ACK, lParam);
    if (item) GlobalDeleteAtom(item);
  }
}

// Adds every CR LF ended line of the text to the owner's list 104 and selects the first.
void AddLines(const char* text, size_t size) {
  HWND list = GetDlgItem(DdeOwner(), 104);
  if (!list) return;
  const char* end = static_cast<const char*>(std::memchr(text, 0, size));
  if (!end) end = text + size;
  const char* line = text;
  while (line < end) {
    const char* stop = line;
    while (stop < end && !(stop[0] == '\r' && stop + 1 < end && stop[1] == '\n')) ++stop;
    if (stop > line) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(line, stop).c_str()));
    line = stop + 2;
  }
  SendMessageA(list, LB_SETCURSEL, 0, 0);
}

void OnData(HWND client, HWND server, LPARAM lParam) {
  UINT_PTR dataHandle = 0, itemAtom = 0;
  UnpackDDElParam(WM_DDE_DATA, lParam, &dataHandle, &itemAtom);
  FreeDDElParam(WM_DDE_DATA, lParam);
  HGLOBAL data = reinterpret_cast<HGLOBAL>(dataHandle);
  ATOM item = ATOM(itemAtom);
  Conversation* c = Find(client, server);
  if (!c || c->terminating) {
    if (data) GlobalFree(data);
    if (item) GlobalDeleteAtom(item);
    return;
  }
  if (c->pending == kDdeRequest) {
    // The request's item atom travels on with the data.
    c->item = 0;
    DropPending(*c);
  }
  const uint8_t* bytes = data ? static_cast<const uint8_t*>(GlobalLock(data)) : nullptr;
  size_t size = bytes ? GlobalSize(data) : 0;
  // DDEDATA: status word (0x8000 acknowledge, 0x2000 release), format, then the value.
  if (!bytes || size < 4 || (bytes[2] | bytes[3] << 8) != CF_TEXT) {
    if (bytes) GlobalUnlock(data);
    PostAck(server, client, 0, item);
    return;
  }
  WORD status = WORD(bytes[0] | bytes[1] << 8);
  AddLines(reinterpret_cast<const char*>(bytes) + 4, size - 4);
  GlobalUnlock(data);
  if (status & 0x8000) {
    PostAck(server, client, 0x8000, item);
  } else if (item) {
    GlobalDeleteAtom(item);
  }
  if (status & 0x2000) GlobalFree(data);
}

void OnTerminate(HWND client, HWND server) {
  Conversation* c = Find(client, server);
  if (!c) return;
  if (!c->terminating) PostMessageA(server, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(client), 0);
  Remove(c);
  DestroyIfIdle(client);
  if (HWND owner = DdeOwner()) InvalidateRect(owner, nullptr, TRUE);
}

// A client window that goes away (with its owner, say) ends its conversations.
void OnDestroy(HWND client) {
  while (Conversation* c = First(client)) {
    if (!c->terminating && IsWindow(c->server)) {
      PostMessageA(c->server, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(client), 0);
    }
    Remove(c);
  }
}

bool AnyPending() {
  for (int i = 0; i < g_count; ++i) {
    if (g_table[i].pending != kDdeNone) return true;
  }
  return false;
}

// Dispatches one DDE message, or one time-out of a waiting conversation.
bool DispatchOne() {
  MSG msg;
  if (PeekMessageA(&msg, nullptr, WM_DDE_FIRST, WM_DDE_LAST, PM_REMOVE)) {
    DispatchMessageA(&msg);
    return true;
  }
  for (int i = 0; i < g_count; ++i) {
    if (g_table[i].pending != kDdeNone && PeekMessageA(&msg, g_table[i].client, WM_TIMER, WM_TIMER, PM_REMOVE)) {
      DispatchMessageA(&msg);
      return true;
    }
  }
  return false;
}

void WaitForMessages(DWORD ms) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_POSTMESSAGE | QS_SENDMESSAGE | QS_TIMER);
}

}  // namespace

void SetGroupLinkInstance(HINSTANCE instance) { g_instance = instance; }
HINSTANCE GroupLinkInstance() { return g_instance; }

bool RegisterClientClass() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DDEWndProc;
  wc.hInstance = g_instance;
  wc.lpszClassName = kClientClass;
  return RegisterClassA(&wc) != 0;
}

void UnregisterClientClass() { UnregisterClassA(kClientClass, g_instance); }

void DdeSetOwner(HWND owner) { g_owner = owner; }

void DdeBegin(HWND owner) {
  g_owner = owner;
  g_timeout = kDdeAckTimeout;
}

HWND DdeOwner() { return g_owner && IsWindow(g_owner) ? g_owner : nullptr; }

HWND DdeInitiate(const char* application, const char* topic) {
  HWND parent = DdeOwner();
  // Without an owner window the client is an invisible top-level window.
  HWND client = CreateWindowExA(0, kClientClass, "ClientDDE", parent ? WS_CHILD : WS_POPUP, 0, 0, 0, 0, parent,
                                nullptr, g_instance, nullptr);
  if (!client) return nullptr;
  ATOM applicationAtom = application && *application ? GlobalAddAtomA(application) : 0;
  ATOM topicAtom = topic && *topic ? GlobalAddAtomA(topic) : 0;
  g_initiating = true;
  // A hung top-level window must not hold the caller for ever.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(client),
                      MAKELPARAM(applicationAtom, topicAtom), SMTO_ABORTIFHUNG, g_timeout, &ignored);
  g_initiating = false;
  if (applicationAtom) GlobalDeleteAtom(applicationAtom);
  if (topicAtom) GlobalDeleteAtom(topicAtom);
  if (!First(client)) {
    DestroyWindow(client);
    return nullptr;
  }
  return client;
}

HWND DdeServer(HWND client) {
  Conversation* c = First(client);
  return c ? c->server : nullptr;
}

// The client's first conversation when it is free for a new operation.
static Conversation* Ready(HWND client) {
  Conversation* c = client ? First(client) : nullptr;
  if (!c) return nullptr;
  if (c->pending != kDdeNone) {
    Warn("Previous DDE operation must be acknowledged first");
    return nullptr;
  }
  return c;
}

int DdeExecute(HWND client, const char* command) {
  Conversation* c = Ready(client);
  if (!c || !command) return 0;
  size_t length = std::strlen(command);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, length + 1);
  char* text = block ? static_cast<char*>(GlobalLock(block)) : nullptr;
  if (!text) {
    if (block) GlobalFree(block);
    return 0;
  }
  std::memcpy(text, command, length + 1);
  GlobalUnlock(block);
  c->pending = kDdeExecute;
  c->commands = block;
  SetTimer(client, reinterpret_cast<UINT_PTR>(c->server), g_timeout, nullptr);
  // The lParam of WM_DDE_EXECUTE is the command block itself.
  if (!PostMessageA(c->server, WM_DDE_EXECUTE, reinterpret_cast<WPARAM>(client), reinterpret_cast<LPARAM>(block))) {
    DropPending(*c);
    return 0;
  }
  return 1;
}

int DdeRequest(HWND client, const char* item, bool quietRefusal) {
  Conversation* c = Ready(client);
  if (!c) return 0;
  ATOM atom = item && *item ? GlobalAddAtomA(item) : 0;
  c->pending = kDdeRequest;
  c->item = atom;
  c->quietRefusal = quietRefusal;
  c->refused = false;
  SetTimer(client, reinterpret_cast<UINT_PTR>(c->server), g_timeout, nullptr);
  if (!PostMessageA(c->server, WM_DDE_REQUEST, reinterpret_cast<WPARAM>(client),
                    PackDDElParam(WM_DDE_REQUEST, CF_TEXT, atom))) {
    DropPending(*c);
    return 0;
  }
  return 1;
}

bool DdeRequestRefused(HWND client) {
  Conversation* c = client ? First(client) : nullptr;
  return c && c->refused;
}

void DdeAwaitAnswers() {
  DWORD start = GetTickCount();
  while (AnyPending()) {
    if (DispatchOne()) continue;
    if (GetTickCount() - start > g_timeout + 1000) {
      // The timer should have fired by now; end the wait as it would have.
      for (int i = 0; i < g_count; ++i) {
        if (g_table[i].pending != kDdeNone) {
          OnTimeOut(g_table[i].client, g_table[i].server);
          i = -1;
        }
      }
      break;
    }
    WaitForMessages(50);
  }
}

void DdeDispatchWaiting() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_DDE_FIRST, WM_DDE_LAST, PM_REMOVE)) DispatchMessageA(&msg);
}

void DdeTerminateAll() {
  for (int i = 0; i < g_count;) {
    Conversation& c = g_table[i];
    if (IsWindow(c.server)) {
      c.terminating = true;
      PostMessageA(c.server, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(c.client), 0);
      ++i;
    } else {
      HWND client = c.client;
      Remove(&c);
      DestroyIfIdle(client);
    }
  }
  DWORD start = GetTickCount();
  MSG msg;
  while (g_count > 0 && GetTickCount() - start < g_timeout) {
    if (PeekMessageA(&msg, nullptr, WM_DDE_FIRST, WM_DDE_LAST, PM_REMOVE)) {
      DispatchMessageA(&msg);
    } else {
      WaitForMessages(50);
    }
  }
  while (g_count > 0) {
    HWND client = g_table[0].client;
    Remove(&g_table[0]);
    DestroyIfIdle(client);
  }
}

void RunProgmanCommands(HWND owner, const std::vector<std::string>& commands) {
  if (commands.empty()) return;
  DdeBegin(owner);
  HWND client = DdeInitiate("PROGMAN", "PROGMAN");
  for (const std::string& command : commands) {
    if (!client || !IsWindow(client)) break;
    if (DdeExecute(client, command.c_str())) DdeAwaitAnswers();
  }
  DdeDispatchWaiting();
  DdeTerminateAll();
}

extern "C" LRESULT WINAPI DDEWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND other = reinterpret_cast<HWND>(wParam);
  switch (message) {
    case WM_DDE_ACK:
      OnAck(window, other, lParam);
      return 0;
    case WM_TIMER:
      OnTimeOut(window, other);
      return 0;
    case WM_DDE_DATA:
      OnData(window, other, lParam);
      return 0;
    case WM_DDE_TERMINATE:
      OnTerminate(window, other);
      return 0;
    case WM_DESTROY:
      OnDestroy(window);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
