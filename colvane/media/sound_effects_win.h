// The program's sound effects as the other modules ask for them: a named effect, the current
// tool's looping sound, and silence.
#pragma once

// Plays the effect named in the layout file's sound list (nothing for an unknown name).
void PlaySoundEffect(const char* name);
// The tool icon's sound becomes the tool sound (icons 1 and 2 keep the one chosen before).
void ChooseToolSound(int toolIconIndex);
// Starts the current tool's looping sound; StopSoundEffects silences it.
void PlayToolSound();
void StopSoundEffects();
