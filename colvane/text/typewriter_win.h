// The typewriter (drawing mode 14): a press on the paper starts a text, WM_CHAR types it, the
// caret blinks on timer 0, and every change of face, style, size or colour renders the whole
// text again over the picture as it was before typing began.
#pragma once
#include <windows.h>

// Gives the canvas the typewriter's press (start-up).
void InstallTypewriter();
// WM_CHAR of the main window.
void TypewriterChar(HWND window, WPARAM code);
// Timer 0: the caret.
void TypewriterCaretTick(HWND window);
// In mode 14: the caret timer restarted and the text rendered with the current font.
void TypewriterRerender(HWND window);
// Ends the text being typed (undo, new picture, the library, the file box): what was typed stays
// painted in, and keys type nothing until the next press on the paper.
void EndTypewriterText();
// Takes the caret off the window, if it is shown.
void HideTypewriterCaret(HWND window);
// Frees the bitmap the text is rendered through (at shutdown).
void FreeTypewriter();
// A text is begun and keys type into it.
bool TypewriterHasText();

// Commands 44001-44004: plain clears the styles, the others add theirs; then the text renders
// again. False for any other id.
bool TypewriterStyleCommand(HWND window, int id);
// Whether a style button shows pressed: plain when no style is set, the others when theirs is.
bool TypewriterStyleShown(int id);

const char* TypewriterFace();
// A face chosen in the face list becomes the typing face.
void SetTypewriterFace(const char* face);
