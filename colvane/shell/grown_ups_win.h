// The grown-ups' screen: reached by holding Ctrl+Shift+G for three seconds, it edits the user's
// policy file and shows, locked, what the computer's policy decides. The same keys held after a
// refused quit end the program.
#pragma once
#include <windows.h>

#include "colvane/frame/screen_area_win.h"

// WM_KEYDOWN: true when the key was the chord's (the wait for three seconds starts).
bool GrownUpsKeyDown(HWND window, WPARAM key);
// Timer timer::kGrownUpsChord: the keys still held, and for how long.
void GrownUpsChordTick(HWND window);
// A quit was refused by the policy (its card just shown): the chord held within the next minute,
// while no other card came and no click put that one away, ends the program.
void NoteQuitRefused();
bool GrownUpsShown();

extern const ScreenArea kGrownUpsArea;
