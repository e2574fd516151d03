// Index definitions and the keys built from records.
#pragma once
#include <cstdint>

#include "grouplink/isam/format.h"

// Checks a definition's count and segments against the record size and computes its
// key-entry length. 0, or kIsamBadArgument.
int CheckDefinition(uint32_t count, const IsamSegment* segments, uint32_t recordSize,
                    uint32_t* entryLength);

// Builds the key (entryLength - 4 bytes) of `record` for `slot`: strings up to their
// terminator padded with 0x00, numbers most significant byte first, descending parts inverted.
void BuildKey(const IndexSlot& slot, const uint8_t* record, uint8_t* key);

// Compares the first `bytes` of two keys as unsigned byte strings.
inline int CompareKeys(const uint8_t* a, const uint8_t* b, uint32_t bytes) {
  return bytes ? std::memcmp(a, b, bytes) : 0;
}
