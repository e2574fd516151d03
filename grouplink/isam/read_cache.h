// The blocks of a pair's files that reading calls have read since the pair last changed.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

// A direct-mapped table of 4 KB blocks: a block's number picks its slot and a block read
// into a taken slot replaces the one there, so at most kSlots blocks (8 MB) are kept and a
// lookup is one index, not a search. Clear forgets every block at once but keeps the
// memory for the reads that follow; Release frees it.
class ReadCache {
 public:
  static constexpr uint32_t kBlock = 4096;
  static constexpr uint32_t kSlots = 2048;

  // The block of `file` at `start` (a multiple of kBlock), with in `*size` the bytes it
  // holds (fewer at the end of a file), or null when it is not kept.
  const uint8_t* Find(int file, uint64_t start, uint32_t* size) const;
  // kBlock bytes of room for reading that block, in its slot, which is emptied; Keep
  // marks the block read.
  uint8_t* Room(int file, uint64_t start);
  void Keep(int file, uint64_t start, uint32_t size);
  void Clear() { ++epoch_; }
  void Release();

 private:
  struct Slot {
    uint64_t key = 0;    // file << 40 | start
    uint64_t epoch = 0;  // the slot holds its block only while this equals epoch_
    uint32_t size = 0;
    std::unique_ptr<uint8_t[]> bytes;  // kBlock bytes, owned here
  };
  static uint64_t Key(int file, uint64_t start) { return uint64_t(file) << 40 | start; }
  // Neighbouring blocks of both files take neighbouring slots, so pairs up to 4 MB a file
  // never evict.
  static uint32_t SlotOf(int file, uint64_t start) {
    return uint32_t((start / kBlock * 2 + uint64_t(file)) % kSlots);
  }

  // Grown to the highest slot used so far (at most kSlots): a small pair, the usual install
  // log, never pays for the whole table.
  std::vector<Slot> slots_;
  uint64_t epoch_ = 1;
};
