// The record file's result codes, index definitions and read modes, shared by its calls and its
// on-disk layout.
#pragma once
#include <cstdint>

// Results of every record-file call; 0 is success, a handle (0 or 1) for build and open.
enum {
  kIsamCantCreate = -1,     // is_build: a file can't be created or reopened
  kIsamBadHandle = -2,      // handle outside 0-1; is_open: a file can't be opened
  kIsamNoHandle = -11,      // both handles are in use
  kIsamNotOpen = -12,       // the handle isn't open
  kIsamNoIndex = -21,       // no free index slot (is_addidx); no such index (is_selidx)
  kIsamNotSelected = -22,   // no index selected
  kIsamNotYours = -31,      // the record at the caller's offset isn't the caller's record
  kIsamBeforeFirst = -32,   // moved before the first entry
  kIsamPastLast = -33,      // moved past the last entry
  kIsamKeyNotFound = -34,   // exact key not found
  // The pair is damaged: a header, page, link, list or index entry breaks the file layout
  // (short files, bad sizes or offsets, counts over capacity, wrong depth, cycles, entries
  // that point at records that are not live). Nothing is changed and no record is returned.
  kIsamDamaged = -35,
  // A read, write or flush of the pair failed. A modifying call that returns this has
  // changed nothing: its partial writes were rolled back, or will be at the next call or
  // open (from the ".jnl" journal beside the pair).
  kIsamIoFailed = -36,
  // An argument can't be used: a null pointer, an unknown read mode, a record size outside
  // 4..1048576, or an index definition whose segments leave the record or whose key is too
  // long for two entries per page.
  kIsamBadArgument = -37,
};

// Index definition as callers pass it and as the .idx header stores it (112 bytes).
struct IsamSegment {
  int32_t type;    // low 4 bits: 0 string, 1-2 32-bit integer, 3 float, 4 double; 0x80 descending
  int32_t offset;  // of the field in the record
  int32_t length;  // of the key part in bytes
};
struct IsamIndexDef {
  int32_t count;          // key segments 1-8 (0 marks a free slot in the header)
  IsamSegment segment[8];
  int32_t keyLength;      // 4 + the sum of the segment lengths (filled in by the store)
  int32_t height;         // 0 when the root is a leaf
  int32_t root;           // file offset of the root page
};
static_assert(sizeof(IsamIndexDef) == 112, "index definition is 112 bytes on disk");

// Read modes of IsamRead.
enum {
  kIsamPrevious = 1,
  kIsamNext = 2,
  kIsamFirst = 3,
  kIsamPastEnd = 4,
  kIsamExact = 5,
  kIsamNotLess = 6,
};
