// Decoding, encoding and checking the .idx header.
#include "grouplink/isam/format.h"
#include "grouplink/isam/key.h"

static bool PageOffsetOk(uint32_t off, uint64_t idxSize) {
  return off % kPageSize == 0 && off >= kPageSize && uint64_t(off) + kPageSize <= idxSize;
}

void DecodeHeader(const uint8_t* raw, Header* h) {
  h->recordSize = Get32(raw);
  h->freeRecord = Get32(raw + 4);
  h->freePage = Get32(raw + 8);
  for (uint32_t s = 0; s < kSlotCount; ++s) {
    const uint8_t* p = raw + kSlotsAt + s * kSlotBytes;
    IndexSlot& slot = h->slot[s];
    slot.count = Get32(p);
    for (int i = 0; i < 8; ++i) {
      slot.segment[i].type = int32_t(Get32(p + 4 + 12 * i));
      slot.segment[i].offset = int32_t(Get32(p + 8 + 12 * i));
      slot.segment[i].length = int32_t(Get32(p + 12 + 12 * i));
    }
    slot.entryLength = Get32(p + 100);
    slot.height = Get32(p + 104);
    slot.root = Get32(p + 108);
  }
}

void EncodeHeader(const Header& h, uint8_t* raw) {
  Put32(raw, h.recordSize);
  Put32(raw + 4, h.freeRecord);
  Put32(raw + 8, h.freePage);
  for (uint32_t s = 0; s < kSlotCount; ++s) {
    const IndexSlot& slot = h.slot[s];
    if (slot.count == 0) continue;
    uint8_t* p = raw + kSlotsAt + s * kSlotBytes;
    Put32(p, slot.count);
    for (int i = 0; i < 8; ++i) {
      Put32(p + 4 + 12 * i, uint32_t(slot.segment[i].type));
      Put32(p + 8 + 12 * i, uint32_t(slot.segment[i].offset));
      Put32(p + 12 + 12 * i, uint32_t(slot.segment[i].length));
    }
    Put32(p + 100, slot.entryLength);
    Put32(p + 104, slot.height);
    Put32(p + 108, slot.root);
  }
}

static int Fail(const char** why, const char* text) {
  if (why) *why = text;
  return kIsamDamaged;
}

int CheckHeader(const Header& h, uint64_t datSize, uint64_t idxSize, const char** why) {
  if (h.recordSize < 4 || h.recordSize > kMaxRecordSize) return Fail(why, "bad record size");
  if (idxSize < kPageSize || idxSize % kPageSize != 0) return Fail(why, "index file not whole pages");
  if (idxSize > uint64_t(kMaxOffset) + 1) return Fail(why, "index file too large");
  if (datSize % h.recordSize != 0) return Fail(why, "data file ends in a partial record");
  if (datSize > uint64_t(kMaxOffset) + 1) return Fail(why, "data file too large");
  if (h.freeRecord != kNoLink &&
      (h.freeRecord % h.recordSize != 0 || uint64_t(h.freeRecord) + h.recordSize > datSize))
    return Fail(why, "bad free-record head");
  if (h.freePage != kNoLink && !PageOffsetOk(h.freePage, idxSize)) return Fail(why, "bad free-page head");
  for (uint32_t s = 0; s < kSlotCount; ++s) {
    const IndexSlot& slot = h.slot[s];
    if (slot.count == 0) continue;
    uint32_t length = 0;
    if (slot.count > 8) return Fail(why, "segment count over 8");
    if (CheckDefinition(slot.count, slot.segment, h.recordSize, &length) != 0)
      return Fail(why, "segment outside the record or key too long");
    if (length != slot.entryLength) return Fail(why, "key length does not match the segments");
    if (slot.height > kMaxHeight) return Fail(why, "tree too high");
    if (!PageOffsetOk(slot.root, idxSize)) return Fail(why, "bad root offset");
    for (uint32_t t = 0; t < s; ++t) {
      if (h.slot[t].count != 0 && h.slot[t].root == slot.root) return Fail(why, "two indexes share a root");
    }
  }
  return 0;
}
