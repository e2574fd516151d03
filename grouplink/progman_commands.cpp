// Builds the Program Manager commands with quoted arguments.
#include "grouplink/progman_commands.h"

namespace {

std::string Quoted(const std::string& argument) { return "\"" + argument + "\""; }

}  // namespace

std::string ProgmanCommand(ProgmanVerb verb, const std::string& first, const std::string& second) {
  // No code page has '"' as a trail byte, so a byte search is safe on double-byte names too.
  if (first.find('"') != std::string::npos || second.find('"') != std::string::npos) return std::string();
  switch (verb) {
    case kProgmanCreateGroup:
      return "[CreateGroup(" + Quoted(first) + ")]";
    case kProgmanAddItem:
      return "[AddItem(" + Quoted(first) + "," + Quoted(second) + ")]";
    case kProgmanDeleteGroup:
      return "[DeleteGroup(" + Quoted(first) + ")]";
    case kProgmanDeleteItem:
      return "[ShowGroup(" + Quoted(first) + ",5)][DeleteItem(" + Quoted(second) + ")]";
  }
  return std::string();
}
