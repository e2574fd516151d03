// Sound effects. The program ships no sounds yet, so every effect is silence; StopSoundEffects
// already ends whatever the system plays for the program.
#include "colvane/media/sound_effects_win.h"

#include <windows.h>
#include <mmsystem.h>

void PlaySoundEffect(const char*) {}
void ChooseToolSound(int) {}
void PlayToolSound() {}
void StopSoundEffects() { sndPlaySoundA(nullptr, SND_ASYNC | SND_NODEFAULT); }
