// The categories and paging of the library.
#include <gtest/gtest.h>

#include <cstring>

#include "colvane/library/library_catalogue.h"

TEST(LibraryCatalogue, CategoriesAndTheirSlots) {
  for (int command = 7000; command <= 7010; ++command) {
    const Category* c = CategoryOf(command);
    ASSERT_NE(c, nullptr) << command;
    // The slot key follows from the items per page.
    const char* key = c->itemsPerPage == 5 ? "GRLIB" : c->itemsPerPage > 5 ? "JLIB" : "SMPLIB";
    EXPECT_STREQ(c->slotKey, key);
    EXPECT_LE(c->itemsPerPage, kMaxItemsPerPage);
  }
  EXPECT_EQ(CategoryOf(7008)->kind, ItemKind::kCartoon);
  EXPECT_STREQ(CategoryOf(7010)->section, "LANDCONTENT");
  EXPECT_EQ(CategoryOf(7011), nullptr);
  EXPECT_EQ(CategoryOf(6999), nullptr);
}

TEST(LibraryCatalogue, PagingWrapsBothWays) {
  EXPECT_EQ(PreviousLibraryPage(1, 3), 3);
  EXPECT_EQ(PreviousLibraryPage(3, 3), 2);
  EXPECT_EQ(NextLibraryPage(3, 3), 1);
  EXPECT_EQ(NextLibraryPage(1, 3), 2);
  EXPECT_EQ(NextLibraryPage(1, 1), 1);
  EXPECT_EQ(PreviousLibraryPage(1, 1), 1);
  // A category without a page count has 256 pages; a count below 1 has one.
  EXPECT_EQ(PageCountOf(0, false), 256);
  EXPECT_EQ(PreviousLibraryPage(1, PageCountOf(0, false)), 256);
  EXPECT_EQ(PageCountOf(0, true), 1);
  EXPECT_EQ(PageCountOf(-4, true), 1);
  EXPECT_EQ(NextLibraryPage(1, 0), 1);
}

TEST(LibraryCatalogue, Keys) {
  char key[kItemKeySize];
  PageKey(2, key);
  EXPECT_STREQ(key, "G2");
  PressedPageKey(2, key);
  EXPECT_STREQ(key, "G2US");
  ItemKey(1, 6, key);
  EXPECT_STREQ(key, "G1C6");
  FrameWidthKey(-2147483647 - 1, -2147483647 - 1, key);
  EXPECT_STREQ(key, "G-2147483648C-2147483648W");
}
