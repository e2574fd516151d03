// Checks shared by opening a pair and verifying it, and the open pair behind a handle.
#pragma once
#include <cstdint>
#include <vector>

#include "grouplink/isam/store.h"

// Walks both free lists: in range, free records not live, no cycles (each list is bounded
// by the file's size). Marks what it visits when the vectors are given (one byte per page
// or record). 0 or kIsamDamaged / kIsamIoFailed.
int CheckFreeLists(Store& s, std::vector<uint8_t>* pageMarks, std::vector<uint8_t>* recordMarks);

// The files of an open handle, or null.
PairFiles* HandleFiles(int handle);
