// The file box grid: cell rectangles, the cell under a point and the paging of boxes and pictures.
#include "colvane/files/file_grid.h"

int PageCapacity(const FileGrid& grid) {
  if (grid.cellWidth <= 0 || grid.cellHeight <= 0) return 0;
  const int rows = (grid.area.bottom - grid.area.top - 16) / grid.cellHeight;
  const int columns = (grid.area.right - grid.area.left - 16) / grid.cellWidth;
  if (rows <= 0 || columns <= 0) return 0;
  return rows * columns;
}

bool GridCell(const FileGrid& grid, int k, GridRect* cell) {
  if (k < 0 || k >= PageCapacity(grid)) return false;
  int x = grid.area.left + 8, y = grid.area.top + 8;
  for (int i = 0;; ++i) {
    if (x + grid.cellWidth >= grid.area.right) {  // no room on this row: the next one
      if (x == grid.area.left + 8) return false;  // not even one card fits a row
      x = grid.area.left + 8;
      y += grid.cellHeight + 8;
    }
    if (y + grid.cellHeight >= grid.area.bottom) return false;
    if (i == k) break;
    x += grid.cellWidth + 8;
  }
  *cell = GridRect{x, y, x + grid.cellWidth, y + grid.cellHeight};
  return true;
}

int GridHit(const FileGrid& grid, int x, int y, int first, int count) {
  const int capacity = PageCapacity(grid);
  for (int k = 0; k < capacity; ++k) {
    GridRect c;
    if (!GridCell(grid, k, &c)) break;
    if (x >= c.left && x < c.right && y >= c.top && y < c.bottom) {
      const int index = first + k;
      return index >= 0 && index < count ? index : -1;
    }
  }
  return -1;
}

int PageBack(int first, int capacity) { return capacity > 0 && capacity <= first ? first - capacity : first; }

int BoxesPageForward(int first, int capacity, int count) {
  return capacity > 0 && first < count - capacity ? first + capacity : first;
}

int PicturesPageForward(int first, int capacity, int count) {
  return capacity > 0 && first <= count - capacity ? first + capacity : first;
}

int PageStartOf(int index, int capacity) {
  if (capacity <= 0 || index <= 0) return 0;
  return index / capacity * capacity;
}
