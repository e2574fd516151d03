// Reads a whole file into memory (binary, no text translation), up to a size limit.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// 1 with the file's bytes (at most `limit` of them: a longer file is read as if cut there), 0 when
// the file cannot be opened or read.
int ReadFileBytes(const char* path, size_t limit, std::vector<uint8_t>* bytes);
