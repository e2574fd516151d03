// Fuzzes the bitmap file reader: any bytes give a checked picture or a refusal.
#include <cstdint>
#include <cstring>

#include "colvane/frame/dib_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DibImage image;
  if (ReadDibFile(data, size, &image) == kDibOk) {
    // Every byte of the normalised picture must be readable.
    volatile uint8_t sum = 0;
    for (uint8_t b : image.packed) sum ^= b;
    uint8_t rgb[256][3];
    DibPaletteEntries(image.packed.data(), image.packed.size(), rgb);
  }
  DibColorCount(data, size);
  return 0;
}
