// The library's categories, their pages and the layout keys of their items.
#pragma once

#include "colvane/ids.h"

enum class ItemKind { kSticker, kCartoon, kSamplePicture };

// A category's id; its command is cmd::kLibraryCategoryFirst + id.
enum CategoryId : int {
  kCategoryPerson,
  kCategoryDinosaur,
  kCategoryInsect,
  kCategoryPlane,
  kCategoryCloud,
  kCategoryHouse,
  kCategoryLeaf,
  kCategoryBird,
  kCategoryCartoon,
  kCategoryDiagram,
  kCategoryLandscape,
};
constexpr int kCategoryCount = 11;
static_assert(cmd::kLibraryCategoryFirst + kCategoryCount - 1 == cmd::kLibraryCategoryLast,
              "one command per category");

constexpr int CategoryCommand(CategoryId id) { return cmd::kLibraryCategoryFirst + id; }

struct Category {
  CategoryId id;
  const char* button;   // layout key stem of its shelf button (also its art's file stem)
  const char* section;  // layout section listing its pages
  int itemsPerPage;
  const char* slotKey;  // DETAILTOOL key of its slots
  ItemKind kind;
  constexpr int Command() const { return CategoryCommand(id); }
};

// Every category, in the order of its button on the shelf: read by the program and by the
// generator of its content.
inline constexpr Category kCategories[kCategoryCount] = {
    {kCategoryDiagram, "DIAGRAM", "DIAGRAMCONTENT", 4, "SMPLIB", ItemKind::kSamplePicture},
    {kCategoryLandscape, "LANDSCAPE", "LANDCONTENT", 4, "SMPLIB", ItemKind::kSamplePicture},
    {kCategoryPerson, "PERSON", "PERSONCONTENT", 5, "GRLIB", ItemKind::kSticker},
    {kCategoryDinosaur, "DIANAS", "DIANACONTENT", 5, "GRLIB", ItemKind::kSticker},
    {kCategoryInsect, "INSECT", "INSECTCONTENT", 5, "GRLIB", ItemKind::kSticker},
    {kCategoryPlane, "PLANE", "PLANECONTENT", 5, "GRLIB", ItemKind::kSticker},
    {kCategoryCloud, "CLOUD", "CLOUDCONTENT", 5, "GRLIB", ItemKind::kSticker},
    {kCategoryHouse, "HOUSE", "HOUSECONTENT", 5, "GRLIB", ItemKind::kSticker},
    {kCategoryLeaf, "LEAVE", "LEAVECONTENT", 5, "GRLIB", ItemKind::kSticker},
    {kCategoryBird, "BIRD", "BIRDCONTENT", 5, "GRLIB", ItemKind::kSticker},
    {kCategoryCartoon, "FILM", "CARTCONTENT", 6, "JLIB", ItemKind::kCartoon},
};
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
