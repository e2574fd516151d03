// An in-memory file system behind the file seam, for tests and fuzzing.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "grouplink/isam/file_seam.h"

// Path -> contents. Files opened through MemoryFileSeam() read and write these vectors.
std::map<std::string, std::vector<uint8_t>>& MemoryFiles();
const FileSeam* MemoryFileSeam();
