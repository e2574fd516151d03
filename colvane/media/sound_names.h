// The names the program's sounds go by, and the few rules about them that need no Windows: the
// eight tunes in their order, the tool sound of each tool icon, the MCI string that opens a tune
// and where a clip stands on the screen. A sound name is a key of the layout file's [SOUND]
// section, never a file name.
#pragma once

constexpr int kTuneCount = 8;
// The tunes in the order the disc steps through them.
extern const char* const kTuneNames[kTuneCount];

// The sound of a tool icon, or null for the icons that keep the sound chosen before (the two
// hands, 1 and 2) and for numbers that are no icon.
const char* ToolSoundName(int toolIconIndex);

// Every wave the program may ask for by name: event sounds, jingles, tool sounds and the name both
// sound slots start with.
extern const char* const kWaveNames[];
extern const int kWaveNameCount;
// The name a sound slot holds at start.
extern const char kFirstSlotSound[];  // "CHIME.WAV"
// A tool slot holding exactly this name plays silence.
bool IsSilentSlot(const char* name);

// The stored tune number as an index into kTuneNames (any stored value maps to 0..7).
int WrapTuneIndex(unsigned stored);
int FollowingTune(int index);

// The MCI string that opens a tune file under the alias "clavier": "open sequencer!<path> alias
// clavier", with "sequencer!<path>" quoted when the path holds a space (MCI splits words on
// spaces). False when it does not fit in size bytes.
bool FormatTuneOpen(const char* path, char* out, int size);
extern const char kTunePlay[];   // "play clavier from 0 notify"
extern const char kTuneStop[];   // "stop clavier"
extern const char kTuneClose[];  // "close clavier"

// The top-left corner of a width x height clip centred on a screen.
struct ClipCorner {
  int x, y;
};
ClipCorner CentreClip(int screenWidth, int screenHeight, int width, int height);
