// The blocks of a pair's files that reading calls have read since the pair last changed.
#include "grouplink/isam/read_cache.h"

const uint8_t* ReadCache::Find(int file, uint64_t start, uint32_t* size) const {
  const uint32_t at = SlotOf(file, start);
  if (at >= slots_.size()) return nullptr;
  const Slot& slot = slots_[at];
  if (slot.epoch != epoch_ || slot.key != Key(file, start)) return nullptr;
  *size = slot.size;
  return slot.bytes.get();
}

uint8_t* ReadCache::Room(int file, uint64_t start) {
  const uint32_t at = SlotOf(file, start);
  if (at >= slots_.size()) slots_.resize(at + 1);  // new slots hold nothing: epoch 0
  Slot& slot = slots_[at];
  slot.epoch = 0;
  if (!slot.bytes) slot.bytes.reset(new uint8_t[kBlock]);
  return slot.bytes.get();
}

void ReadCache::Keep(int file, uint64_t start, uint32_t size) {
  Slot& slot = slots_[SlotOf(file, start)];
  slot.key = Key(file, start);
  slot.size = size;
  slot.epoch = epoch_;
}

void ReadCache::Release() {
  std::vector<Slot>().swap(slots_);
  ++epoch_;
}
