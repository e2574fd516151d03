// The main window's face to screen readers and switch software: an IAccessible whose children are
// the targets keys and switches reach now.
#pragma once
#include <windows.h>

// Posted by a client's default action: the press of child wParam, made on the window's own thread.
const UINT kPressAccessibleChild = WM_APP + 7;

// WM_GETOBJECT: whether the program answers it (the client area), and the answer.
bool AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId, LRESULT* answer);
// kPressAccessibleChild: the child's target, if it is still there, pressed as the keyboard does.
void PressAccessibleChild(HWND window, LONG child);
// The window is going: COM, if answering it began it, ends.
void FreeAccessible();
