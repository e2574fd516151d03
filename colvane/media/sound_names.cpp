// The names of the program's sounds and the rules about them that need no Windows.
#include "colvane/media/sound_names.h"

#include <cstdio>
#include <cstring>

const char* const kTuneNames[kTuneCount] = {"3DAYSX",  "CANYON",   "AMERICA", "ARANJUZE",
                                            "COULEUR", "COUPDECO", "GLADRAG", "ANITRAS"};

namespace {
// Indexed by tool icon; null keeps the sound chosen before.
const char* const kToolSounds[18] = {"ABSORB", nullptr,  nullptr,   "JET",    "BARROW",  "CHALK",
                                     "spec",   "WAX",    "MAGIC",   "MIKE",   "PENCIL",  "POLYGEN",
                                     "RUBBER", "TYPER",  "ROPE",    "BRUSH",  "STANDARD", "TOOTHPASTE"};
}  // namespace

const char kFirstSlotSound[] = "CHIME.WAV";

const char* const kWaveNames[] = {
    // events
    "gate", "rabish", "butdown", "MOVE", "TYPER", "Select", "BOOK", "spec",
    // jingles looped in the tool slot while the program opens and closes
    "start", "end",
    // tool sounds
    "ABSORB", "JET", "BARROW", "CHALK", "WAX", "MAGIC", "MIKE", "PENCIL", "POLYGEN", "RUBBER",
    "ROPE", "BRUSH", "STANDARD", "TOOTHPASTE",
    // both slots before anything is chosen
    kFirstSlotSound};
const int kWaveNameCount = static_cast<int>(sizeof(kWaveNames) / sizeof(kWaveNames[0]));

const char kTunePlay[] = "play clavier from 0 notify";
const char kTuneStop[] = "stop clavier";
const char kTuneClose[] = "close clavier";

const char* ToolSoundName(int toolIconIndex) {
  if (toolIconIndex < 0 || toolIconIndex >= 18) return nullptr;
  return kToolSounds[toolIconIndex];
}

bool IsSilentSlot(const char* name) { return name && std::strcmp(name, "NULL") == 0; }

int WrapTuneIndex(unsigned stored) { return static_cast<int>(stored % kTuneCount); }

int FollowingTune(int index) { return WrapTuneIndex(static_cast<unsigned>(index) + 1u); }

bool FormatTuneOpen(const char* path, char* out, int size) {
  if (!path || !out || size <= 0) return false;
  const bool quote = std::strchr(path, ' ') != nullptr;
  const int n = std::snprintf(out, static_cast<size_t>(size), quote ? "open \"sequencer!%s\" alias clavier"
                                                                     : "open sequencer!%s alias clavier",
                              path);
  if (n < 0 || n >= size) {
    out[0] = '\0';
    return false;
  }
  return true;
}

ClipCorner CentreClip(int screenWidth, int screenHeight, int width, int height) {
  return ClipCorner{(screenWidth - width) / 2, (screenHeight - height) / 2};
}
