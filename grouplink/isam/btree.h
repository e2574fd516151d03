// The B+-tree of one index: page checks, descent, insert with splits, delete with
// merge, share and root collapse.
#pragma once
#include <cstdint>

#include "grouplink/isam/store.h"

struct TreePath {
  uint32_t page[kMaxHeight + 1];  // from the root (0) down to the leaf (height)
  uint32_t pos[kMaxHeight + 1];   // position taken in each page
};

enum { kSeekKey = 0, kSeekFirst = 1, kSeekLast = 2 };

// Checks the count, key order and pointers of a page read at one level of the tree.
int CheckPage(Store& s, const uint8_t* page, uint32_t entryLength, bool leaf, bool root);

// First position in `page` whose key is not less than `key` on `bytes` leading bytes.
uint32_t LowerBound(const uint8_t* page, uint32_t entryLength, const uint8_t* key, uint32_t bytes);

// Walks from the root to a leaf: to the first key not less than `key` (on `bytes` bytes),
// or to the first or past the last entry. The leaf ends up in `leaf`.
int Descend(Store& s, uint32_t slot, int how, const uint8_t* key, uint32_t bytes, TreePath* path, uint8_t* leaf);

// 0 inserted, 1 when the index already holds the key.
int TreeInsert(Store& s, uint32_t slot, uint32_t pointer, const uint8_t* key);
// 0 removed, 1 when the index holds no entry (key, pointer).
int TreeRemove(Store& s, uint32_t slot, uint32_t pointer, const uint8_t* key);
// 1 when the index holds the entry (key, pointer), 0 when not.
int TreeHolds(Store& s, uint32_t slot, uint32_t pointer, const uint8_t* key);
