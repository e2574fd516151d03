// Whole-pair checks on an open pair: the free lists (also walked when a pair is opened) and
// the full verification behind `IsamVerify`.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "grouplink/isam/store.h"

// Walks both free lists: in range, free records not live, no cycles (each list is bounded
// by the file's size). Marks what it visits when the vectors are given (one byte per page
// or record). 0 or kIsamDamaged / kIsamIoFailed.
int CheckFreeLists(Store& s, std::vector<uint8_t>* pageMarks, std::vector<uint8_t>* recordMarks);

// Checks the whole pair as the files hold it (the read cache is dropped first): header,
// every page of every tree, leaf links, both free lists, and that every index entry points
// at a live record with that key. 0, kIsamDamaged (the first problem found in `problem`)
// or kIsamIoFailed.
int VerifyPair(PairFiles* files, std::string* problem);
