// Sound effects: the event and tool sound slots, their lookup in the layout file and the waves
// they play through the sound drivers.
#include "colvane/media/sound_effects_win.h"

#include "colvane/layout/layout_files_win.h"
#include "colvane/layout/layout_values.h"
#include "colvane/media/sound_drivers_win.h"
#include "colvane/media/sound_names.h"

namespace {

char eventSound[80] = "CHIME.WAV";
char toolSound[80] = "CHIME.WAV";
bool effectsOn = true;
bool toolLoop = false;  // a stroke's tool sound is looping
char toolPath[MAX_PATH] = "";  // the tool sound's wave, found at its first press after a change
bool toolPathKnown = false;

// The wave file of a sound name: the asset folder, a backslash and the file the layout names.
// A missing file must stay silent, so SND_NODEFAULT keeps Windows from playing its own sound.
bool FindWave(const char* name, char* path) {
  char file[256] = "";
  GetLayoutString("SOUND", name, "", file, sizeof(file));
  if (!file[0]) return false;
  char folder[144] = "";
  GetAssetFolder(folder);
  return JoinFolderPath(folder, file, path, MAX_PATH) != 0;
}

bool PlayNamed(const char* name, UINT flags) {
  char path[MAX_PATH];
  if (!FindWave(name, path)) return false;
  Drivers().PlayWave(path, flags | SND_NODEFAULT);
  return true;
}

}  // namespace

void PlaySoundEffect(const char* name) {
  lstrcpynA(eventSound, name, sizeof(eventSound));
  if (effectsOn) PlayNamed(eventSound, SND_ASYNC);
}

void ChooseToolSound(ToolIcon toolIconIndex) {
  if (toolLoop) StopSoundEffects();
  if (const char* name = ToolSoundName(toolIconIndex)) SetToolSound(name);
}

void SetToolSound(const char* name) {
  lstrcpynA(toolSound, name, sizeof(toolSound));
  toolPathKnown = false;
}
const char* ToolSound() { return toolSound; }

void PlayToolSound() {
  if (!effectsOn) return;
  if (IsSilentSlot(toolSound)) {
    Drivers().PlayWave(nullptr, SND_ASYNC | SND_LOOP);
    toolLoop = false;
    return;
  }
  // Every press on the paper plays it: the layout and settings files are read once per tool.
  if (!toolPathKnown && !FindWave(toolSound, toolPath)) toolPath[0] = '\0';
  toolPathKnown = true;
  toolLoop = toolPath[0] != '\0';
  if (toolLoop) Drivers().PlayWave(toolPath, SND_ASYNC | SND_LOOP | SND_NODEFAULT);
}

void LoopJingle(const char* name) {
  SetToolSound(name);
  if (effectsOn) PlayNamed(toolSound, SND_ASYNC | SND_LOOP);
  toolLoop = false;
}

void StopSoundEffects() {
  Drivers().PlayWave(nullptr, SND_ASYNC | SND_NODEFAULT);
  toolLoop = false;
}

bool ToolLoopPlaying() { return toolLoop; }
bool EffectsOn() { return effectsOn; }
void SetEffectsOn(bool on) { effectsOn = on; }
