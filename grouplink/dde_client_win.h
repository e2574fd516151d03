// The raw DDE client: the conversation table, the client window class and the operations
// the exports run against the shell's program-group server.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Pending operation of a conversation.
enum { kDdeNone = 0, kDdeAdvise = 1, kDdeUnadvise = 2, kDdePoke = 3, kDdeRequest = 4, kDdeExecute = 5 };

enum { kDdeMaxConversations = 8, kDdeAckTimeout = 4000 };

// The module the client window class and the dialog resources belong to (set at load).
void SetGroupLinkInstance(HINSTANCE instance);
HINSTANCE GroupLinkInstance();

// Registers and removes "ClientDDEWndClass" (window procedure DDEWndProc).
bool RegisterClientClass();
void UnregisterClientClass();

// Starts an exported operation: remembers the owner window and sets the time-out.
void DdeBegin(HWND owner);
void DdeSetOwner(HWND owner);
// The owner window when it is still a window, else null (parent of message boxes).
HWND DdeOwner();

// Creates a client window and broadcasts WM_DDE_INITIATE; every server that answers becomes
// a conversation of that window. Returns the client window (null when it can't be made).
HWND DdeInitiate(const char* application, const char* topic);
// The server window of the client's first conversation, or null.
HWND DdeServer(HWND client);

// Post EXECUTE or REQUEST to the client's first conversation. 1 when posted. With
// quietRefusal a negative acknowledgement of the request is only noted (DdeRequestRefused).
int DdeExecute(HWND client, const char* command);
int DdeRequest(HWND client, const char* item, bool quietRefusal);
bool DdeRequestRefused(HWND client);

// Dispatches DDE messages and the client windows' time-out timers until no conversation
// waits for an acknowledgement (each waits at most the time-out).
void DdeAwaitAnswers();
// Dispatches the DDE messages already waiting.
void DdeDispatchWaiting();
// Asks every server to end its conversation and waits for the answers, at most the time-out;
// conversations that stay unanswered are dropped. The table is empty afterwards.
void DdeTerminateAll();

// One conversation with "PROGMAN" that runs the commands in turn, each waiting for its
// acknowledgement.
void RunProgmanCommands(HWND owner, const std::vector<std::string>& commands);

extern "C" LRESULT WINAPI DDEWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
