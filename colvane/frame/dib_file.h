// Reading Windows bitmap files from memory into one checked, normalised form: a packed DIB
// (40-byte info header, full colour table, bottom-up rows) ready for CreateDIBitmap.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

enum DibResult {
  kDibOk = 0,
  kDibNotBitmap = 1,  // no "BM" signature: the caller reports a non-bitmap file
  kDibBad = 2,        // a bitmap that is damaged, lies about its sizes or is not supported
};

struct DibImage {
  std::vector<uint8_t> packed;  // header + colour table + bits
  int width = 0;
  int height = 0;               // rows, always positive (stored bottom-up)
  int bitCount = 0;
  uint32_t colours = 0;         // colour-table entries in packed
  uint32_t rowSize = 0;         // bytes per stored row
  size_t bitsOffset = 0;        // where the rows start in packed

  const uint8_t* Bits() const { return packed.data() + bitsOffset; }
};

// Largest width or height accepted; pictures of the program are at most a screen.
constexpr int kDibMaxSide = 16384;

// Reads a whole bitmap file (14-byte file header, then a 12-byte core or 40-byte info header).
// Uncompressed 1, 4, 8, 16, 24 and 32-bit pictures are accepted; top-down files are flipped.
DibResult ReadDibFile(const uint8_t* data, size_t size, DibImage* out, const char** why = nullptr);

// Colour-table entries of a packed DIB header: biClrUsed when nonzero (40-byte header), else by
// the bit count: 1 -> 2, 4 -> 16, 8 -> 256, anything else 0. size bounds the header read.
uint32_t DibColorCount(const uint8_t* header, size_t size);

// The palette entries (red, green, blue) of a packed DIB with a 40-byte header, bounded by
// size: 0 when the header is not 40 bytes, has no table, or the table does not fit.
int DibPaletteEntries(const uint8_t* dib, size_t size, uint8_t rgb[256][3]);
