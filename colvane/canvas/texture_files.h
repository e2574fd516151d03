// Paper texture files p<n>.dat (a 64 x 64 grain) and magic-stamp files pat<n>.dat (128 x 128
// frames with alpha) from the program's "data" folder.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "colvane/canvas/picture_block.h"

constexpr int kTextureSide = 64;
constexpr size_t kTextureBytes = kTextureSide * kTextureSide;
constexpr int kStampSide = 128;
constexpr size_t kStampFrameBytes = kStampSide * kStampSide * 4;
// Frames beyond this many in one file are ignored.
constexpr int kMaxStampFrames = 512;

// The stroke texture: weights in 128ths (above 128 they strengthen the half-weight dabs), row-major, the byte for canvas pixel (x, y) at
// (y mod 64) * 64 + (x mod 64). Off: every byte 255 and the dab ignores the grain.
struct StrokeTexture {
  uint8_t grain[kTextureBytes];
  // Each grain row twice side by side (rows of 128), so a run of up to 64 cells reads its grain
  // without wrapping. Kept with `grain` by the functions below.
  uint8_t wide[2 * kTextureBytes];
  int on = 0;
  StrokeTexture();
};

// Frames of 128 x 128 pixels, 4 bytes each (red, green, blue, alpha), top row first.
struct MagicStamp {
  Block frames;  // frameCount whole frames; empty = no stamp
  int frameCount = 0;
  int frameIndex = 0;
};

// "<run path>data\<name>" (a backslash is added after the run path when it lacks one).
std::string DataFilePath(const char* runPath, const char* fileName);

// The texture number of a grain (a paper type or a crayon grain, 0..9): p<grain + 1>.dat, and
// grain 9 wraps to 0, no grain.
inline int GrainTextureNumber(int grain) { return (grain + 1) % 10; }

// Texture 0: no grain.
void SetTextureOff(StrokeTexture* texture);
// Takes the first 4096 bytes as the grain (byte 0 becomes 10). Fewer than 4096 bytes switch the
// texture off. 1 when on.
int LoadTextureBytes(StrokeTexture* texture, const uint8_t* data, size_t size);
// Texture n: 0 switches it off, 1..9 load p<n>.dat; an unreadable file switches it off too.
// Returns 1.
int LoadPaperTexture(StrokeTexture* texture, const char* runPath, int n);

// Replaces the stamp by the frames in `data` (a tail shorter than a frame is ignored) and
// restarts at frame 0. 0, with no stamp loaded, when there is not one whole frame or no memory.
int LoadStampBytes(MagicStamp* stamp, const uint8_t* data, size_t size);
// pat<n>.dat from the data folder; 0 (no stamp) when it is missing or shorter than one frame.
int LoadMagicStamp(MagicStamp* stamp, const char* runPath, int n);
// The stamp to use in a series of `count` stamps (indexes 0 .. count - 1; a count below 1 is
// taken as 1): from `start`, stepping by `step` (+1 on, -1 back, wrapping at both ends), the
// first index for which load(index) returns nonzero, each tried at most once. -1 when none loads.
int FindLoadableStamp(int start, int step, int count, const std::function<int(int)>& load);
void FreeMagicStamp(MagicStamp* stamp);
