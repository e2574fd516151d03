// The shell: window procedures, start-up and shutdown, and the routing of messages to the
// modules that own them.
#pragma once
#include <windows.h>

extern const char kMainClass[];   // "MAIN4WClass"
extern const char kIntroClass[];  // "AVIWClass"
extern const char kWindowTitle[]; // "Colvane Application"

LRESULT CALLBACK MainWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK IntroWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
bool RegisterWindowClasses(HINSTANCE instance);
// True when this user's program runs already; it has been brought to the front, and this copy
// must end without touching anything.
bool AnotherCopyRuns();
// Create, show (maximized) and update the full-screen windows; null on failure.
HWND CreateIntroWindow(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);

// Start-up (WM_CREATE) and shutdown (WM_DESTROY) of the main window. False when the screen's
// palette could not be made: the mouse is let go, the parent is told, and the program ends (the
// window is not made, and its shutdown touches nothing, not even the recovery copy).
bool StartUp(HWND window);
// Posted by start-up when the start picture could not be read; the main window then tells the
// parent so, once, after its first paint.
const UINT kStartPictureNotice = WM_APP + 2;
void ShowStartPictureNotice(HWND window);
void ShutDown(HWND window);
// Loads the toolbox and sends the tool commands it stands for: the brush on the first load, then
// the open panel's command and its selected button's (none after the effects panel).
void LoadToolboxAndTools(HWND window);

// The way out: the picture kept, the goodbye music and the exit screen (no lock asked).
void SayGoodbye(HWND window);
// What a grown-up's change to the policy alters in a running program (the undo steps).
void ApplyPolicyNow(HWND window);

// WM_COMMAND; true when some area or the dispatcher took the id.
bool DispatchCommand(HWND window, WPARAM id);
// WM_CHAR's Ctrl+Z and Ctrl+Y step undo back and forward when it keeps more than one step; true
// when the key was taken so.
bool UndoKey(HWND window, WPARAM code);
void OnTimer(HWND window, WPARAM id);
void OnKeyUp(HWND window, WPARAM key);

// Mouse routers; each returns true when some area took the event.
bool OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam);
bool OnLeftPress(HWND window, WPARAM wParam, LPARAM lParam);
bool OnLeftRelease(HWND window, WPARAM wParam, LPARAM lParam);
bool OnLeftDoubleClick(HWND window, WPARAM wParam, LPARAM lParam);
bool OnRightPress(HWND window, WPARAM wParam, LPARAM lParam);
bool OnRightRelease(HWND window, WPARAM wParam, LPARAM lParam);
bool OnRightDoubleClick(HWND window, WPARAM wParam, LPARAM lParam);
// WM_CAPTURECHANGED: another window took the mouse, so a stroke under way ends where the cursor is.
void OnCaptureChanged(HWND window, HWND gaining);
// Timer 1: a drag to where the cursor stands, while a stroke is under way.
void OnStrokeTimer(HWND window);
