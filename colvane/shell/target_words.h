// The words a screen reader says for a target whose name is a layout key ("PENC": "Pencil").
#pragma once

// The friendly words for `name`, or `name` itself when it has none.
const char* TargetWords(const char* name);
