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
// The wave file of a sound name: the asset folder, a backslash and the file the layout names.
bool FindWave(const char* name, char* path) {
  char file[256] = "";
  GetLayoutString("SOUND", name, "", file, sizeof(file));
  if (!file[0]) return false;
  char folder[144] = "";
  GetAssetFolder(folder);
  return JoinFolderPath(folder, file, path, MAX_PATH) != 0;
}

// Waves found before, kept while the layout file and both settings files stay as they were:
// a key press or a press on the paper plays one, and reading the files takes longer than that.
// The files are looked at once a second at most (three looks cost a key a tenth of a millisecond),
// so an edit made while the program runs is heard within a second.
struct FoundWave {
  char name[80];
  char path[MAX_PATH];
  bool found;
};
FoundWave foundWaves[16];
int foundCount = 0;
WIN32_FILE_ATTRIBUTE_DATA stamps[3];
DWORD lastLook = 0;
bool looked = false;

bool FilesAsBefore() {
  const DWORD now = GetTickCount();
  if (looked && now - lastLook < 1000) return true;
  looked = true;
  lastLook = now;
  char paths[3][MAX_PATH];
  LayoutFilePath(paths[0]);
  SettingsFilePath(paths[1]);
  UserSettingsFilePath(paths[2]);
  bool same = true;
  for (int i = 0; i < 3; ++i) {
    WIN32_FILE_ATTRIBUTE_DATA stamp{};
    if (!paths[i][0] || !GetFileAttributesExA(paths[i], GetFileExInfoStandard, &stamp)) stamp = WIN32_FILE_ATTRIBUTE_DATA{};
    if (CompareFileTime(&stamp.ftLastWriteTime, &stamps[i].ftLastWriteTime) != 0 ||
        stamp.nFileSizeLow != stamps[i].nFileSizeLow || stamp.nFileSizeHigh != stamps[i].nFileSizeHigh)
      same = false;
    stamps[i] = stamp;
  }
  return same;
}

bool KnownWave(const char* name, char* path) {
  if (!FilesAsBefore()) foundCount = 0;
  for (int i = 0; i < foundCount; ++i)
    if (lstrcmpA(foundWaves[i].name, name) == 0) {
      lstrcpynA(path, foundWaves[i].path, MAX_PATH);
      return foundWaves[i].found;
    }
  const bool found = FindWave(name, path);
  if (foundCount == 16) foundCount = 0;
  FoundWave& w = foundWaves[foundCount++];
  lstrcpynA(w.name, name, sizeof(w.name));
  lstrcpynA(w.path, found ? path : "", sizeof(w.path));
  w.found = found;
  return found;
}

// A missing file must stay silent, so SND_NODEFAULT keeps Windows from playing its own sound.
bool PlayNamed(const char* name, UINT flags) {
  char path[MAX_PATH];
  if (!KnownWave(name, path)) return false;
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

void SetToolSound(const char* name) { lstrcpynA(toolSound, name, sizeof(toolSound)); }
const char* ToolSound() { return toolSound; }

void PlayToolSound() {
  if (!effectsOn) return;
  if (IsSilentSlot(toolSound)) {
    Drivers().PlayWave(nullptr, SND_ASYNC | SND_LOOP);
    toolLoop = false;
    return;
  }
  toolLoop = PlayNamed(toolSound, SND_ASYNC | SND_LOOP);
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
