// The library's categories, their pages and the layout keys of their items.
#pragma once

enum class ItemKind { kSticker, kCartoon, kSamplePicture };

struct Category {
  int command;          // 7000..7010
  const char* section;  // layout section listing its pages
  int itemsPerPage;
  const char* slotKey;  // DETAILTOOL key of its slots
  ItemKind kind;
};

constexpr int kCategoryCount = 11;
constexpr int kDefaultPageCount = 256;  // a category that does not say how many pages it has
constexpr int kMaxItemsPerPage = 6;

// The category of a command, or null.
const Category* CategoryOf(int command);
const Category& CategoryAt(int index);

// Page back (7011) and forward (7012), both wrapping; pages run 1..count.
int PreviousLibraryPage(int page, int count);
int NextLibraryPage(int page, int count);
// The page count a layout value gives: the default for a missing value, at least 1.
int PageCountOf(long value, bool present);

// Layout keys: the page picture "G<p>", its pressed look "G<p>US", an item "G<p>C<c>" and a
// cartoon's frame width "G<p>C<c>W". Buffers of kItemKeySize bytes.
constexpr int kItemKeySize = 32;
void PageKey(int page, char* key);
void PressedPageKey(int page, char* key);
void ItemKey(int page, int item, char* key);
void FrameWidthKey(int page, int item, char* key);
