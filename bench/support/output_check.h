// A benchmark's one-time guard that the measured code still gives the same bytes: a hash of the
// output checked against the value the straightforward code gave, aborting on a difference.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// FNV-1a over the bytes.
inline uint64_t OutputHash(const uint8_t* bytes, size_t size) {
  uint64_t h = 1469598103934665603ull;
  for (size_t i = 0; i < size; ++i) h = (h ^ bytes[i]) * 1099511628211ull;
  return h;
}

inline void RequireOutput(const char* what, const uint8_t* bytes, size_t size, uint64_t expected) {
  uint64_t got = OutputHash(bytes, size);
  if (got == expected) return;
  std::fprintf(stderr, "%s: output changed (hash 0x%016llxull, expected 0x%016llxull)\n", what,
               static_cast<unsigned long long>(got), static_cast<unsigned long long>(expected));
  std::abort();
}
