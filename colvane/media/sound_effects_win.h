// The program's sound effects as the other modules ask for them: a named event sound played once,
// the tool sound that loops while a stroke lasts, the jingles that loop while the program opens
// and closes, and silence. Names are keys of the layout file's [SOUND] section; a name the layout
// file does not give plays nothing. Nothing plays while effects are switched off.
#pragma once

#include "colvane/ids.h"

// Plays the named event sound once ("butdown", "Select", "spec", ...).
void PlaySoundEffect(const char* name);

// The tool icon's sound becomes the tool sound (icons 1 and 2 keep the one chosen before). A tool
// sound still looping from a stroke stops: it belonged to the tool being left.
void ChooseToolSound(ToolIcon toolIconIndex);
// Puts a name in the tool sound slot as it stands ("NULL" makes the tool silent).
void SetToolSound(const char* name);
const char* ToolSound();
// Starts the tool sound looping for a stroke; StopSoundEffects (or the next sound) ends it.
void PlayToolSound();
// Loops a jingle through the tool sound slot ("start" while the program opens, "end" while it
// closes); unlike a stroke's loop, choosing a tool does not stop it.
void LoopJingle(const char* name);
// Silence: ends whatever wave plays.
void StopSoundEffects();
// True while a stroke's tool sound loops.
bool ToolLoopPlaying();

bool EffectsOn();
void SetEffectsOn(bool on);
