// Look-up of the library's categories, the paging of their pages and the layout keys of their items.
#include "colvane/library/library_catalogue.h"

#include <climits>
#include <cstdio>

const Category* CategoryOf(int command) {
  for (const Category& c : kCategories)
    if (c.Command() == command) return &c;
  return nullptr;
}

const Category& CategoryAt(int index) { return kCategories[index]; }

int PreviousLibraryPage(int page, int count) {
  if (count < 1) count = 1;
  return page <= 1 || page > count ? count : page - 1;
}

int NextLibraryPage(int page, int count) {
  if (count < 1) count = 1;
  return page < 1 || page >= count ? 1 : page + 1;
}

int PageCountOf(long value, bool present) {
  if (!present) return kDefaultPageCount;
  if (value < 1) return 1;
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

void PageKey(int page, char* key) { std::snprintf(key, kItemKeySize, "G%d", page); }
void PressedPageKey(int page, char* key) { std::snprintf(key, kItemKeySize, "G%dUS", page); }
void ItemKey(int page, int item, char* key) { std::snprintf(key, kItemKeySize, "G%dC%d", page, item); }
void FrameWidthKey(int page, int item, char* key) { std::snprintf(key, kItemKeySize, "G%dC%dW", page, item); }
