// Background music: one of eight MIDI tunes played through the MCI sequencer under the alias
// "clavier" and started again each time it ends; the music and effects switches and the tune
// number, kept in the settings file's [SOUND] section.
#pragma once
#include <windows.h>

// Reads the switches and the tune number from the settings file (both switches on and the first
// tune when nothing is stored). Starts nothing.
void LoadSoundSettings();

bool MusicOn();
const char* TuneName();

// Opens the current tune and plays it from the start with `window` told when it ends; nothing
// while the music is off. A tune the layout names no file for, or that cannot be opened, stays
// silent.
void StartTune(HWND window);
// Stops and closes the tune.
void StopTune();
// True while a tune is open.
bool TunePlaying();

// MM_MCINOTIFY: a tune that played to its end starts again. Other notices, and notices of a
// device that is not the open tune, change nothing.
void OnMusicNotify(HWND window, WPARAM code, LPARAM device);

// The sound panel's three controls; each writes its setting.
void ToggleMusic(HWND window);
void ToggleEffects();
void StepTune(HWND window);
