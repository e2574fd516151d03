// The face table of the typewriter's face list.
#include "colvane/text/face_table.h"

#include <cstring>

bool AddFace(FaceTable* table, const char* name, bool trueType) {
  if (!trueType || !name || !name[0] || name[0] == '@') return false;
  if (static_cast<int>(table->names.size()) >= kMaxFaces) return false;
  if (std::strlen(name) > static_cast<size_t>(kMaxFaceNameLength)) return false;
  // The enumeration reports a family once per character set.
  for (const std::string& known : table->names)
    if (known == name) return false;
  table->names.emplace_back(name);
  return true;
}
