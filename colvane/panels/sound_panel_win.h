// The music and sound panel on the desk: a music switch, an effects switch and the tune disc,
// which shows the tune's name and steps to the next tune. Drawn from two whole-panel pictures,
// "SOUNDON" and "SOUNDOFF", each switch copied from the one that matches its state.
#pragma once
#include <windows.h>

#include "colvane/frame/screen_area_win.h"

// Loads the pictures, the origin and the three rectangles of the screen variant, and starts the
// tune when the music is on (the sound settings are read before, at the start of start-up).
void LoadSoundPanel(HWND window);
// Stops the music and frees the pictures.
void FreeSoundPanel();

// The screen-area row, shown once loaded while the file box does not cover the desk. Hover: the
// hand over the three controls (set once until the pointer leaves them); a press on a switch or
// the disc acts.
extern const ScreenArea kSoundPanelArea;
