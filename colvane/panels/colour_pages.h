// The colour panel's geometry and pages: four pages of 16 colours, the box rectangles, the page
// buttons' stepping and the size bar's mapping between thumb position and size value.
#pragma once
#include <cstdint>

struct PanelRect {
  int left, top, right, bottom;  // right and bottom exclusive
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// Layout values of the panel (layout coordinates).
struct ColourPanelGeometry {
  int originX = 0, originY = 0;            // COLORCORD
  int boxX = 0, boxY = 0, boxW = 0, boxH = 0;  // PALSBOXCORD: first box offset, box size
  int pitchX = 0, rowY = 0;                // PALGBOXCORD
  int sizeMin = 0, sizeMax = 0;            // SIZEDOMAIN, relative to the origin's x
  int panelHeight = 0;                     // height of the "COLOR" picture
  int thumbW = 0, thumbH = 0;              // size of the "sizebar" marker
};

constexpr int kColourPages = 4;
constexpr int kColoursPerPage = 16;
constexpr int kSizeValueMax = 48;

// The 64 colours (COLORREF), page p slot s at 16p + s; the colour dialog may change them.
uint32_t* ColourTable();
// Restores the table to the colours the program starts with.
void ResetColourTable();

// Box of slot 0..15 (0..7 upper row, 8..15 lower row), including its right and bottom lines.
PanelRect ColourBoxRect(const ColourPanelGeometry& g, int slot);
// Slot under a point, upper row before lower row for each column; -1 between boxes.
int HitColourBox(const ColourPanelGeometry& g, int x, int y);

// Page after pressing page-up (-1) or page-down (+1): 0..3, wrapping.
int StepColourPage(int page, int delta);

// Size value 0..48 for a thumb dragged to x (clamped to the travel).
int SizeValueAt(const ColourPanelGeometry& g, int x);
// The thumb's rectangle for a size value.
PanelRect ThumbRect(const ColourPanelGeometry& g, int sizeValue);
