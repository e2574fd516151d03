// Readers for checking generated content: the layout file and the bitmap files it names.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace assetread {

// A profile (INI) file; sections and keys compare without case, as the profile API does.
struct IniFile {
  std::map<std::string, std::map<std::string, std::string>> sections;
  std::vector<std::string> order;  // section names as written
  bool Load(const std::string& path);
  bool Has(const std::string& section, const std::string& key) const;
  std::string Get(const std::string& section, const std::string& key,
                  const std::string& def = "") const;
  int GetInt(const std::string& section, const std::string& key, int def) const;
  // Numbers split on "," with empty fields skipped; false when fewer than `count` numbers.
  bool GetNumbers(const std::string& section, const std::string& key, int count,
                  int* out) const;
};

// A bitmap read back as 24-bit RGB rows top-down, with what the file said about itself.
struct Bitmap {
  int w = 0, h = 0, bits = 0, colours = 0;
  std::vector<uint8_t> rgb;
  uint8_t* At(int x, int y) { return &rgb[(static_cast<size_t>(y) * w + x) * 3]; }
  const uint8_t* At(int x, int y) const { return &rgb[(static_cast<size_t>(y) * w + x) * 3]; }
};

// Reads an uncompressed 8- or 24-bit bitmap file and checks that every header field agrees
// with the file (sizes, offsets, colour count, pixel bytes present). `why` tells a failure.
bool ReadBitmap(const std::string& path, Bitmap& out, std::string* why);
bool ReadBitmapBytes(const std::vector<uint8_t>& data, Bitmap& out, std::string* why);

// One image of a cursor or icon file: straight RGBA rows top-down, and the hot spot.
struct IconImage {
  int w = 0, h = 0, hotX = 0, hotY = 0;
  std::vector<uint8_t> rgba;
};
// Reads a cursor (type 2) or icon (type 1) file of 32-bit images with AND masks and checks
// that its directory, sizes and offsets agree with the file.
bool ReadIconFile(const std::vector<uint8_t>& data, int type, std::vector<IconImage>& out,
                  std::string* why);

bool ReadAll(const std::string& path, std::vector<uint8_t>& data);

// Maps a layout value ("art\desk8.bmp") to a path below the program folder.
std::string ProgramFile(const std::string& programDir, const std::string& value);

}  // namespace assetread
