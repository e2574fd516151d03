// The faces the typewriter's face list offers: TrueType families in the order the system reports
// them, each once, at most 49 names of at most 39 characters.
#pragma once
#include <string>
#include <vector>

constexpr int kMaxFaces = 49;
constexpr int kMaxFaceNameLength = 39;

struct FaceTable {
  std::vector<std::string> names;
};

// Adds a family reported by the font enumeration; false when it is not kept (not TrueType, a
// repeat, a vertical-writing "@" face, too long a name, or the table is full).
bool AddFace(FaceTable* table, const char* name, bool trueType);
