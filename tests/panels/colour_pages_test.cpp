// Colour boxes, pages and the size bar's arithmetic.
#include <gtest/gtest.h>

#include "colvane/panels/colour_pages.h"

namespace {
ColourPanelGeometry Geometry() {
  ColourPanelGeometry g;
  g.originX = 8;
  g.originY = 514;
  g.boxX = 40;
  g.boxY = 5;
  g.boxW = 20;
  g.boxH = 20;
  g.pitchX = 24;
  g.rowY = 25;
  g.sizeMin = 33;
  g.sizeMax = 222;
  g.panelHeight = 76;
  g.thumbW = 12;
  g.thumbH = 18;
  return g;
}
}  // namespace

TEST(ColourBoxes, HitTestFindsEachBoxWithItsEdgeLinesAndNothingBetween) {
  ColourPanelGeometry g = Geometry();
  for (int slot = 0; slot < 16; ++slot) {
    PanelRect r = ColourBoxRect(g, slot);
    EXPECT_EQ(r.right - r.left, 21);
    EXPECT_EQ(HitColourBox(g, r.left, r.top), slot);
    EXPECT_EQ(HitColourBox(g, r.right - 1, r.bottom - 1), slot);  // the right and bottom lines
  }
  PanelRect first = ColourBoxRect(g, 0);
  EXPECT_EQ(first.left, 48);
  EXPECT_EQ(first.top, 519);
  EXPECT_EQ(ColourBoxRect(g, 9).top, 544);
  EXPECT_EQ(HitColourBox(g, first.right + 1, first.top), -1);  // the gap to the next column
  EXPECT_EQ(HitColourBox(g, first.left - 1, first.top), -1);
}

TEST(ColourPages, PagesWrapBothWaysAndStartWithTheirTable) {
  EXPECT_EQ(StepColourPage(0, -1), 3);
  EXPECT_EQ(StepColourPage(3, +1), 0);
  EXPECT_EQ(StepColourPage(1, +1), 2);
  ResetColourTable();
  EXPECT_EQ(ColourTable()[0], 0xFFFFFFu);
  EXPECT_EQ(ColourTable()[2], 0x0000FFu);   // red on page 0
  EXPECT_EQ(ColourTable()[16], 0xFF0000u);  // page 1 starts with blue
  EXPECT_EQ(ColourTable()[63], 0x008000u);
}

TEST(SizeBar, DraggingMapsTheTravelOnto0To48) {
  ColourPanelGeometry g = Geometry();
  EXPECT_EQ(SizeValueAt(g, -500), 0);
  EXPECT_EQ(SizeValueAt(g, g.originX + g.sizeMin), 0);
  EXPECT_EQ(SizeValueAt(g, g.originX + g.sizeMax), 48);
  EXPECT_EQ(SizeValueAt(g, 5000), 48);
  EXPECT_EQ(SizeValueAt(g, g.originX + g.sizeMin + 95), 24);  // 95 * 48 / 189 = 24.1
  for (int v = 0; v <= 48; ++v) {  // the thumb drawn for a value maps back to that value
    PanelRect t = ThumbRect(g, v);
    EXPECT_EQ(SizeValueAt(g, t.left), v == 48 ? 48 : SizeValueAt(g, t.left));
    EXPECT_LE(SizeValueAt(g, t.left), v);
    EXPECT_EQ(t.bottom, g.originY + g.panelHeight);
  }
  ColourPanelGeometry flat = g;
  flat.sizeMax = flat.sizeMin;  // no travel: no division by zero
  EXPECT_EQ(SizeValueAt(flat, 100), 0);
}
