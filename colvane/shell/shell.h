// The shell: window procedures, start-up and shutdown, routing of messages.
#pragma once
#include <windows.h>

#include "colvane/shell/upper_case.h"

extern const char kMainClass[];   // "MAIN4WClass"
extern const char kIntroClass[];  // "AVIWClass"
extern const char kWindowTitle[]; // "Colvane Application"

LRESULT CALLBACK MainWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK IntroWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
bool RegisterWindowClasses(HINSTANCE instance);
// Create, show (maximized) and update the full-screen windows; null on failure.
HWND CreateIntroWindow(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);

// Start-up (WM_CREATE) and shutdown (WM_DESTROY) of the main window.
void StartUp(HWND window);
void ShutDown(HWND window);

// WM_COMMAND with a 32-bit command id.
void DispatchCommand(HWND window, WPARAM id);
void OnTimer(HWND window, WPARAM id);
void OnKeyUp(HWND window, WPARAM key);

// Mouse routers; each returns 1 when some area took the event.
int OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam);
int OnLeftPress(HWND window, WPARAM wParam, LPARAM lParam);
int OnLeftRelease(HWND window, WPARAM wParam, LPARAM lParam);
int OnLeftDoubleClick(HWND window, WPARAM wParam, LPARAM lParam);
int OnRightPress(HWND window, WPARAM wParam, LPARAM lParam);
int OnRightRelease(HWND window, WPARAM wParam, LPARAM lParam);
int OnRightDoubleClick(HWND window, WPARAM wParam, LPARAM lParam);
void OnStrokeTimer(HWND window);
int IsOnPaper(POINT paper);

// Tool cursors.
void LoadToolCursors(HINSTANCE instance);
void DestroyToolCursors();
HCURSOR ToolCursor(int index);
// Makes cursor the window's class cursor (shown from the next mouse move).
void SetClassCursor(HWND window, HCURSOR cursor);
void SelectToolIcon(HWND window, int index);

// Helper of the file box.
int CreateFolderOnce(const char* path);
