// Background music through the MCI sequencer, and the sound settings.
#include "colvane/media/music_win.h"

#include <cstdlib>

#include "colvane/layout/layout_files_win.h"
#include "colvane/layout/policy_win.h"
#include "colvane/layout/layout_values.h"
#include "colvane/media/sound_drivers_win.h"
#include "colvane/media/sound_effects_win.h"
#include "colvane/media/sound_names.h"

namespace {

bool musicOn = true;
int tuneIndex = 0;
// The open tune's device: notices of any other device are stale. 0 while no tune is open, so a
// tune that could not be opened is not tried again on every notice.
MCIDEVICEID tuneDevice = 0;

MCIERROR Send(const char* command, HWND callback = nullptr) {
  char reply[144] = "";
  return Drivers().SendString(command, reply, sizeof(reply), callback);
}

void WriteSwitch(const char* key, bool on) { SetSettingString("SOUND", key, on ? "1" : "0"); }

}  // namespace

void LoadSoundSettings() {
  // A grown-up's "off at start" holds for this run only; the child's own switches stay as kept.
  musicOn = GetSettingInt("SOUND", "MIDI", 256) != 0 && !PolicyHolds(PolicyKey::kMusicOff);
  SetEffectsOn(GetSettingInt("SOUND", "SOUND", 256) != 0 && !PolicyHolds(PolicyKey::kSoundOff));
  tuneIndex = WrapTuneIndex(GetSettingInt("SOUND", "Musicname", 0));
}

bool MusicOn() { return musicOn; }
const char* TuneName() { return kTuneNames[tuneIndex]; }
bool TunePlaying() { return tuneDevice != 0; }

void StartTune(HWND window) {
  tuneDevice = 0;
  if (!musicOn) return;
  // Tunes lie in the asset folder like every other sound, whatever the current folder is.
  char file[256] = "";
  GetLayoutString("SOUND", TuneName(), "", file, sizeof(file));
  if (!file[0]) return;
  char folder[144] = "", path[MAX_PATH], command[MAX_PATH + 64];
  GetAssetFolder(folder);
  if (!JoinFolderPath(folder, file, path, sizeof(path))) return;
  if (!FormatTuneOpen(path, command, sizeof(command)) || Send(command) != 0) return;
  tuneDevice = Drivers().DeviceId("clavier");
  if (!tuneDevice) return;
  Send(kTunePlay, window);
}

void StopTune() {
  Send(kTuneStop);
  Send(kTuneClose);
  tuneDevice = 0;
}

void OnMusicNotify(HWND window, WPARAM code, LPARAM device) {
  if (code != MCI_NOTIFY_SUCCESSFUL) return;
  if (!tuneDevice || static_cast<MCIDEVICEID>(device) != tuneDevice) return;
  StopTune();
  StartTune(window);
}

void ToggleMusic(HWND window) {
  musicOn = !musicOn;
  WriteSwitch("MIDI", musicOn);
  if (musicOn)
    StartTune(window);
  else
    StopTune();
}

void ToggleEffects() {
  SetEffectsOn(!EffectsOn());
  WriteSwitch("SOUND", EffectsOn());
}

void StepTune(HWND window) {
  tuneIndex = FollowingTune(tuneIndex);
  char value[16];
  wsprintfA(value, "%d", tuneIndex);
  SetSettingString("SOUND", "MUSICNAME", value);
  if (!musicOn) return;
  StopTune();
  StartTune(window);
}
