// The music and sound panel on the desk: a music switch, an effects switch and the tune disc,
// which shows the tune's name and steps to the next tune. Drawn from two whole-panel pictures,
// "SOUNDON" and "SOUNDOFF", each switch copied from the one that matches its state.
#pragma once
#include <windows.h>

// Loads the pictures, the origin and the three rectangles of the screen variant, and starts the
// tune when the music is on (the sound settings are read before, at the start of start-up).
void LoadSoundPanel(HWND window);
// Stops the music and frees the pictures.
void FreeSoundPanel();

void PaintSoundPanel(HWND window, HDC dc);
// Hover: the hand over the three controls (set once until the pointer leaves them).
bool SoundPanelHover(HWND window, POINT layout);
// Press on a switch or the disc; 1 when the point was one of them.
bool SoundPanelPress(HWND window, POINT layout);
