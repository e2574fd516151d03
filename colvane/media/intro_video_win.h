// The intro's video clips, played through the MCI "avivideo" device in a child window of the
// intro window, which is told through MM_MCINOTIFY when a clip has played (and, as for any child
// window, through WM_PARENTNOTIFY when the picture is clicked).
#pragma once
#include <windows.h>

// Opens the "avivideo" driver, so each clip opens without loading it again.
bool OpenVideoDevice();
// Plays a clip file of the asset folder in a child window of `window` at (x, y), width x height
// (a width of 0 takes the clip's own size), from its start to `end` (-1: to its end), with
// `window` told when it ends. False, with the window repainted, when a clip already plays or this
// one cannot be opened (an empty name never opens).
bool PlayClip(HWND window, const char* file, int x, int y, int width, int height, long end);
// Closes the playing clip; nothing when none plays.
void StopClip();
// Stops the clip and closes the driver.
void CloseVideoDevice();

bool ClipPlaying();
// The playing clip's window (null when none plays or the device gave none).
HWND ClipWindow();
