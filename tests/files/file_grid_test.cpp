// The file box grid and paging: capacity, the cells of a page, hits, and the edges of paging.
#include <gtest/gtest.h>

#include "colvane/files/file_grid.h"

namespace {
// An area of 3 columns and 2 rows of 100 x 80 cards.
FileGrid ThreeByTwo() { return FileGrid{GridRect{10, 20, 10 + 16 + 3 * 108, 20 + 16 + 2 * 88}, 100, 80}; }
}  // namespace

TEST(FileGrid, CapacityAndCells) {
  const FileGrid g = ThreeByTwo();
  EXPECT_EQ(PageCapacity(g), 6);
  GridRect c;
  ASSERT_TRUE(GridCell(g, 0, &c));
  EXPECT_EQ(c.left, 18);
  EXPECT_EQ(c.top, 28);
  EXPECT_EQ(c.right, 118);
  EXPECT_EQ(c.bottom, 108);
  ASSERT_TRUE(GridCell(g, 2, &c));
  EXPECT_EQ(c.left, 18 + 2 * 108);
  ASSERT_TRUE(GridCell(g, 3, &c));  // the second row
  EXPECT_EQ(c.left, 18);
  EXPECT_EQ(c.top, 28 + 88);
  EXPECT_FALSE(GridCell(g, 6, &c));
  EXPECT_FALSE(GridCell(g, -1, &c));
  // An area smaller than a card holds nothing, and a zero-sized card never divides by zero.
  EXPECT_EQ(PageCapacity(FileGrid{GridRect{0, 0, 50, 50}, 100, 80}), 0);
  EXPECT_EQ(PageCapacity(FileGrid{GridRect{0, 0, 500, 500}, 0, 0}), 0);
  EXPECT_FALSE(GridCell(FileGrid{GridRect{0, 0, 50, 50}, 100, 80}, 0, &c));
}

// The capacity counts cards without their gaps; cells that would pass the area don't exist.
TEST(FileGrid, CapacityLargerThanTheCellsThatFit) {
  const FileGrid g{GridRect{0, 0, 16 + 3 * 100, 16 + 80}, 100, 80};  // 3 cards, not 3 gaps
  EXPECT_EQ(PageCapacity(g), 3);
  GridRect c;
  EXPECT_TRUE(GridCell(g, 1, &c));
  EXPECT_FALSE(GridCell(g, 2, &c));  // would wrap to a row below the area
  EXPECT_EQ(GridHit(g, 8 + 2 * 108 + 5, 10, 0, 3), -1);
}

TEST(FileGrid, Hits) {
  const FileGrid g = ThreeByTwo();
  EXPECT_EQ(GridHit(g, 18, 28, 0, 6), 0);
  EXPECT_EQ(GridHit(g, 117, 107, 0, 6), 0);
  EXPECT_EQ(GridHit(g, 118, 50, 0, 6), -1);  // the gap between cards
  EXPECT_EQ(GridHit(g, 18 + 108, 28 + 88, 0, 6), 4);
  EXPECT_EQ(GridHit(g, 18 + 108, 28 + 88, 6, 8), -1);  // only indices below the count
  EXPECT_EQ(GridHit(g, 18, 28, 6, 8), 6);
  EXPECT_EQ(GridHit(g, 0, 0, 0, 6), -1);
}

TEST(FileGrid, PagingEdges) {
  const int P = 6;
  EXPECT_EQ(PageBack(0, P), 0);
  EXPECT_EQ(PageBack(5, P), 5);
  EXPECT_EQ(PageBack(6, P), 0);
  // Exactly one full page: pictures move on to an empty page, boxes stay.
  EXPECT_EQ(PicturesPageForward(0, P, 6), 6);
  EXPECT_EQ(BoxesPageForward(0, P, 6), 0);
  EXPECT_EQ(PicturesPageForward(0, P, 5), 0);
  EXPECT_EQ(BoxesPageForward(0, P, 7), 6);
  EXPECT_EQ(PicturesPageForward(6, P, 12), 12);
  EXPECT_EQ(PicturesPageForward(12, P, 12), 12);
  EXPECT_EQ(BoxesPageForward(6, P, 12), 6);
  // A list that holds no card never pages.
  EXPECT_EQ(PicturesPageForward(0, 0, 3), 0);
  EXPECT_EQ(BoxesPageForward(0, 0, 3), 0);
  EXPECT_EQ(PageBack(3, 0), 3);
  EXPECT_EQ(PageStartOf(7, P), 6);
  EXPECT_EQ(PageStartOf(5, P), 0);
  EXPECT_EQ(PageStartOf(3, 0), 0);
}
