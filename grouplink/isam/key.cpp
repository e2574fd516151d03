// Index definitions and the keys built from records.
#include "grouplink/isam/key.h"

int CheckDefinition(uint32_t count, const IsamSegment* segments, uint32_t recordSize,
                    uint32_t* entryLength) {
  if (count < 1 || count > 8) return kIsamBadArgument;
  uint64_t length = 4;
  for (uint32_t i = 0; i < count; ++i) {
    const IsamSegment& s = segments[i];
    if ((uint32_t(s.type) & kKindMask) > 4) return kIsamBadArgument;
    if (s.offset < 0 || s.length < 0) return kIsamBadArgument;
    if (uint64_t(uint32_t(s.offset)) + uint32_t(s.length) > recordSize) return kIsamBadArgument;
    length += uint32_t(s.length);
  }
  if (length > kMaxEntryLength) return kIsamBadArgument;
  *entryLength = uint32_t(length);
  return 0;
}

void BuildKey(const IndexSlot& slot, const uint8_t* record, uint8_t* key) {
  uint8_t* out = key;
  for (uint32_t i = 0; i < slot.count; ++i) {
    const IsamSegment& s = slot.segment[i];
    const uint8_t* field = record + s.offset;
    uint32_t n = uint32_t(s.length);
    if ((uint32_t(s.type) & kKindMask) == 0) {
      const void* end = std::memchr(field, 0, n);
      uint32_t k = end ? uint32_t(static_cast<const uint8_t*>(end) - field) : n;
      std::memcpy(out, field, k);
      std::memset(out + k, 0, n - k);
    } else {
      // Little-endian fields: reversing the bytes puts the most significant first.
      for (uint32_t k = 0; k < n; ++k) out[k] = field[n - 1 - k];
    }
    if (uint32_t(s.type) & kDescending) {
      for (uint32_t k = 0; k < n; ++k) out[k] ^= 0xFF;
    }
    out += n;
  }
}
