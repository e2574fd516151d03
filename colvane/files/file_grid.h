// The grid of the file box, the same for box cards and thumbnails, and its paging. Pure.
#pragma once

struct GridRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct FileGrid {
  GridRect area;        // the thumbnail area or the card area, from the layout file
  int cellWidth = 0;    // the card picture's size
  int cellHeight = 0;
};

// ((area height - 16) / H) x ((area width - 16) / W); 0 when the area holds no card.
int PageCapacity(const FileGrid& grid);
// Cell k of a page: from (left + 8, top + 8) to the right in steps of W + 8, wrapping to a new
// row H + 8 lower when the right edge would reach the area's right edge. false when the cell
// doesn't exist (its bottom reaches the area's bottom, k is negative or beyond the capacity).
bool GridCell(const FileGrid& grid, int k, GridRect* cell);
// The entry index under (x, y) on the page starting at `first`, or -1: only existing cells and
// indices below `count` hit.
int GridHit(const FileGrid& grid, int x, int y, int first, int count);

// Paging, P = capacity, C = count, F = first visible index; each returns the new F.
// Back (boxes and pictures): if P <= F then F - P.
int PageBack(int first, int capacity);
// Boxes forward: if F < C - P then F + P (never onto an empty page).
int BoxesPageForward(int first, int capacity, int count);
// Pictures forward: if F <= C - P then F + P (an exactly full last page moves on to an empty one,
// where a new picture can be seen to be missing).
int PicturesPageForward(int first, int capacity, int count);
// The page holding entry `index`: its first index.
int PageStartOf(int index, int capacity);
