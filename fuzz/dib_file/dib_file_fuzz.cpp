// Fuzzes the bitmap file reader: any bytes give a checked picture or a refusal, and the parts
// the picture mode reports present lie inside the bytes.
#include <cstdint>
#include <cstring>

#include "colvane/frame/dib_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DibImage image;
  if (ReadDibFile(data, size, &image) == kDibOk) {
    // Every byte of the normalised picture must be readable.
    volatile uint8_t sum = 0;
    for (uint8_t b : image.packed) sum ^= b;
    (void)sum;
    uint8_t rgb[256][3];
    DibPaletteEntries(image.packed.data(), image.packed.size(), rgb);
  }
  // The program's own read: the rows it hands GDI, in the file's bytes or in the header's copy.
  DibImage header;
  const uint8_t* rows = nullptr;
  if (ReadDibFileHeader(data, size, &header, &rows) == kDibOk) {
    volatile uint8_t last = rows[static_cast<size_t>(header.rowSize) * header.height - 1];
    (void)last;
  }
  DibLayout layout;
  if (ParseDibLayout(data, size, kDibPicture, &layout) == kDibOk) {
    // The last byte of the colour entries and of the rows present (the sanitizer checks the read).
    volatile uint8_t sink = 0;
    if (layout.coloursPresent)
      sink ^= data[layout.tableAt + uint64_t(layout.coloursPresent) * layout.entrySize - 1];
    if (layout.bitsPresent) sink ^= data[layout.bitsAt + layout.bitsPresent - 1];
    (void)sink;
  }
  DibColorCount(data, size);
  return 0;
}
