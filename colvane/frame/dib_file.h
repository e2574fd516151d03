// Reading Windows bitmap files from memory: the one checked parser of their headers, and the
// normalised form art is loaded in, a packed DIB (40-byte info header, full colour table,
// bottom-up rows) ready for CreateDIBitmap.
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

// How much of what its headers promise a file must hold.
enum DibMode {
  kDibWholeFile,  // art: "BM" file header, every colour entry and every row present
  kDibPicture,    // a picture opened for painting: the file header is optional and a file cut
                  // after its header gives the colour entries and rows it holds
};

// Where the parts of a checked bitmap file lie. The parts reported present lie inside the
// bytes parsed; in picture mode the table or the rows may be short, never in whole-file mode.
struct DibLayout {
  uint64_t headerAt = 0;       // 14 after a file header, 0 for a bare info header
  uint32_t headerSize = 0;     // 40, or 12 for a core header
  int width = 0;
  int height = 0;              // as stored: negative for rows stored top-down
  int bitCount = 0;
  uint32_t colours = 0;        // table entries the header names, at most 2^bits up to 8 bits
  uint32_t coloursPresent = 0; // of those, the whole entries inside the file
  uint32_t entrySize = 0;      // 4, or 3 after a core header
  uint64_t tableAt = 0;
  uint64_t bitsAt = 0;
  uint32_t rowSize = 0;        // bytes per stored row, padded to 4
  uint64_t imageSize = 0;      // rowSize x rows, computed (the header's field is never used)
  uint64_t bitsPresent = 0;    // row bytes inside the file, from bitsAt

  int Rows() const { return height < 0 ? -height : height; }
};

// Checks the headers and colour table of a bitmap file against its size. Both modes refuse
// header sizes other than 12 and 40, planes other than 1, depths other than 1, 4, 8, 16, 24
// and 32, compression, sides <= 0 or above kDibMaxSide, and bits offsets inside the headers,
// above 2^31 or past the end. Picture mode also takes:
//   - a bare info header at byte 0, and a zero offset: rows then follow the colour table;
//   - a colour table or rows cut by the end of the file (coloursPresent, bitsPresent);
//   - 16 and 32 bits after a core header;
// and refuses a header with fewer than 40 bytes behind it, or a colour count above 2^bits
// (whole-file mode keeps the first 2^bits entries). kDibNotBitmap only in whole-file mode.
DibResult ParseDibLayout(const uint8_t* data, size_t size, DibMode mode, DibLayout* out,
                         const char** why = nullptr);

// Reads a whole bitmap file (ParseDibLayout in whole-file mode) into its normalised form;
// top-down files are flipped. `out` is left as it was unless the result is kDibOk.
DibResult ReadDibFile(const uint8_t* data, size_t size, DibImage* out, const char** why = nullptr);
// The same without copying rows a file stores bottom-up: `out->packed` holds the header and the
// colour table, and *rows points at the rows inside `data`. A top-down file's rows are flipped
// into `out->packed` after the table, and *rows points there. Valid while both live.
DibResult ReadDibFileHeader(const uint8_t* data, size_t size, DibImage* out, const uint8_t** rows,
                            const char** why = nullptr);

// Colour-table entries of a packed DIB header: biClrUsed when nonzero (40-byte header), else by
// the bit count: 1 -> 2, 4 -> 16, 8 -> 256, anything else 0. size bounds the header read.
uint32_t DibColorCount(const uint8_t* header, size_t size);

// The palette entries (red, green, blue) of a packed DIB with a 40-byte header, bounded by
// size: 0 when the header is not 40 bytes, has no table, or the table does not fit.
int DibPaletteEntries(const uint8_t* dib, size_t size, uint8_t rgb[256][3]);
