// Paper texture and magic-stamp file loading.
//
// p<n>.dat:    OFFSET 0,           SIZE 4096,  64 rows of 64 weight bytes, top row first
// pat<n>.dat:  OFFSET 65536 * f,   SIZE 65536, frame f: 128 rows of 128 pixels (R, G, B, A)
#include "colvane/canvas/texture_files.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "colvane/frame/file_bytes.h"

namespace {

void LayOutWide(StrokeTexture* texture) {
  for (int y = 0; y < kTextureSide; ++y) {
    const uint8_t* row = texture->grain + y * kTextureSide;
    std::memcpy(texture->wide + 2 * y * kTextureSide, row, kTextureSide);
    std::memcpy(texture->wide + (2 * y + 1) * kTextureSide, row, kTextureSide);
  }
}

}  // namespace

StrokeTexture::StrokeTexture() {
  std::memset(grain, 255, sizeof grain);
  std::memset(wide, 255, sizeof wide);
}

std::string DataFilePath(const char* runPath, const char* fileName) {
  std::string path = runPath ? runPath : "";
  path += (!path.empty() && path.back() == '\\') ? "data\\" : "\\data\\";
  path += fileName;
  return path;
}

void SetTextureOff(StrokeTexture* texture) {
  std::memset(texture->grain, 255, sizeof texture->grain);
  std::memset(texture->wide, 255, sizeof texture->wide);
  texture->on = 0;
}

int LoadTextureBytes(StrokeTexture* texture, const uint8_t* data, size_t size) {
  if (!data || size < kTextureBytes) {
    SetTextureOff(texture);
    return 0;
  }
  for (size_t i = 0; i < kTextureBytes; ++i) texture->grain[i] = data[i] == 0 ? 10 : data[i];
  LayOutWide(texture);
  texture->on = 1;
  return 1;
}

int LoadPaperTexture(StrokeTexture* texture, const char* runPath, int n) {
  if (n <= 0) {
    SetTextureOff(texture);
    return 1;
  }
  char name[32];
  std::snprintf(name, sizeof name, "p%d.dat", n);
  std::vector<uint8_t> bytes;
  ReadFileBytes(DataFilePath(runPath, name).c_str(), kTextureBytes, &bytes);
  LoadTextureBytes(texture, bytes.data(), bytes.size());
  return 1;
}

int LoadStampBytes(MagicStamp* stamp, const uint8_t* data, size_t size) {
  FreeMagicStamp(stamp);
  size_t frames = data ? size / kStampFrameBytes : 0;
  if (frames > static_cast<size_t>(kMaxStampFrames)) frames = kMaxStampFrames;
  if (frames == 0 || !AllocateBlock(&stamp->frames, frames * kStampFrameBytes)) return 0;
  std::memcpy(stamp->frames.Data(), data, frames * kStampFrameBytes);
  stamp->frameCount = static_cast<int>(frames);
  stamp->frameIndex = 0;
  return 1;
}

int LoadMagicStamp(MagicStamp* stamp, const char* runPath, int n) {
  FreeMagicStamp(stamp);
  char name[32];
  std::snprintf(name, sizeof name, "pat%d.dat", n);
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(DataFilePath(runPath, name).c_str(), kMaxStampFrames * kStampFrameBytes, &bytes))
    return 0;
  return LoadStampBytes(stamp, bytes.data(), bytes.size());
}

int FindLoadableStamp(int start, int step, int count, const std::function<int(int)>& load) {
  if (count < 1) count = 1;
  step = step < 0 ? count - 1 : 1;  // one step back is count - 1 steps on
  int index = ((start % count) + count) % count;
  for (int tried = 0; tried < count; ++tried, index = (index + step) % count)
    if (load(index)) return index;
  return -1;
}

void FreeMagicStamp(MagicStamp* stamp) {
  FreeBlock(&stamp->frames);
  stamp->frameCount = 0;
  stamp->frameIndex = 0;
}
