// Whole-file reads with the C library (the path is an ANSI string of the system code page).
#include "colvane/frame/file_bytes.h"

#include <cstdio>

int ReadFileBytes(const char* path, size_t limit, std::vector<uint8_t>* bytes, int* opened) {
  bytes->clear();
  if (opened) *opened = 0;
  if (!path) return 0;
  std::FILE* f = std::fopen(path, "rb");
  if (!f) return 0;
  if (opened) *opened = 1;
  // Room for the whole file at once: growing step by step copies a large file several times.
  if (std::fseek(f, 0, SEEK_END) == 0) {
    const long length = std::ftell(f);
    if (std::fseek(f, 0, SEEK_SET) != 0) {
      std::fclose(f);
      return 0;
    }
    if (length > 0) bytes->reserve(static_cast<unsigned long>(length) < limit ? static_cast<size_t>(length) : limit);
  }
  uint8_t piece[32768];
  int ok = 1;
  while (bytes->size() < limit) {
    size_t want = sizeof piece;
    if (limit - bytes->size() < want) want = limit - bytes->size();
    size_t got = std::fread(piece, 1, want, f);
    bytes->insert(bytes->end(), piece, piece + got);
    if (got < want) {
      if (std::ferror(f)) ok = 0;
      break;
    }
  }
  std::fclose(f);
  if (!ok) bytes->clear();
  return ok;
}
