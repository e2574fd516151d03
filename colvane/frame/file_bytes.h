// Reads a whole file into memory (binary, no text translation), up to a size limit.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// 1 with the file's bytes (at most `limit` of them: a longer file is read as if cut there), 0 when
// the file cannot be opened or read. *opened (when given) tells the two failures apart: 1 when
// the file was opened, so it exists, even if reading it then failed.
int ReadFileBytes(const char* path, size_t limit, std::vector<uint8_t>* bytes, int* opened = nullptr);
