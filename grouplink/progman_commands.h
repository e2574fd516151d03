// The Program Manager command strings, every argument quoted so that it reaches the server whole.
#pragma once
#include <string>

// CreateGroup, CreateGroupItem, myCreateGroup and myCreateGroupItem return
// GL_PROGMAN_NAME_REFUSED (grouplink_win.h) for a group, item or command line the commands cannot
// carry (one holding a double quote).

enum ProgmanVerb { kProgmanCreateGroup, kProgmanAddItem, kProgmanDeleteGroup, kProgmanDeleteItem };

// The command text of one operation:
//   kProgmanCreateGroup  [CreateGroup("first")]
//   kProgmanAddItem      [AddItem("first","second")]          first: command line, second: item
//   kProgmanDeleteGroup  [DeleteGroup("first")]
//   kProgmanDeleteItem   [ShowGroup("first",5)][DeleteItem("second")]   first: group, second: item
// Inside quotes the server takes brackets, parentheses and commas as text; a double quote would
// end the argument and cannot be escaped, so an argument holding one gives "" (send nothing).
std::string ProgmanCommand(ProgmanVerb verb, const std::string& first,
                           const std::string& second = std::string());
