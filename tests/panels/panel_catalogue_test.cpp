// The panel catalogue's keys and defaults, the hit test, and the shape strip and slider rules.
#include <gtest/gtest.h>

#include <string>

#include "colvane/panels/panel_catalogue.h"

TEST(PanelCatalogue, KeysCarryTheVariantOnlyOnPositions) {
  const PanelSpec* brush = FindPanel(1001);
  ASSERT_NE(brush, nullptr);
  char key[48];
  PanelOriginKey(*brush, "8", key, sizeof(key));
  EXPECT_EQ(std::string(key), "BRUSH_ORG8");
  PanelButtonKey(brush->buttons[1], "6", key, sizeof(key));
  EXPECT_EQ(std::string(key), "BRUSH_LINE_CORD6");
  PanelArtKey(*brush, 5, 1, key, sizeof(key));
  EXPECT_EQ(std::string(key), "BRUSHAREAS");
  const PanelSpec* fill = FindPanel(1007);
  ASSERT_NE(fill, nullptr);
  PanelArtKey(*fill, 3, 0, key, sizeof(key));
  EXPECT_EQ(std::string(key), "TONAREA3");
  PanelArtKey(*FindPanel(1008), 8, 1, key, sizeof(key));
  EXPECT_EQ(std::string(key), "RUBAREA8S");
}

TEST(PanelCatalogue, DefaultsAndPanelsWithoutOne) {
  const PanelSpec* eraser = FindPanel(1008);
  EXPECT_EQ(eraser->buttons[eraser->defaultIndex].command, 21002);  // the soft eraser
  const PanelSpec* spray = FindPanel(1006);
  EXPECT_EQ(spray->buttons[spray->defaultIndex].command, 60002);  // toothpaste
  const PanelSpec* shapes = FindPanel(2001);
  EXPECT_EQ(shapes->buttons[shapes->defaultIndex].command, 31003);
  EXPECT_EQ(FindPanel(2006)->buttons[FindPanel(2006)->defaultIndex].command, 43003);
  EXPECT_EQ(FindPanel(2002)->buttons[FindPanel(2002)->defaultIndex].command, 41002);
  EXPECT_EQ(FindPanel(2004)->sendsDefault, 0);
  EXPECT_EQ(FindPanel(2003), nullptr);  // the absorber has no panel
  EXPECT_EQ(FindPanel(0), nullptr);
  EXPECT_EQ(PanelButtonIndex(*shapes, 31011), 6);
  EXPECT_EQ(PanelButtonIndex(*shapes, 99), -1);
}

TEST(PanelCatalogue, HitTestTakesTheFirstBoxAndExcludesFarEdges) {
  const ButtonBox boxes[] = {{10, 10, 20, 20}, {15, 15, 30, 30}};
  EXPECT_EQ(ButtonAt(boxes, 2, 10, 10), 0);
  EXPECT_EQ(ButtonAt(boxes, 2, 16, 16), 0);
  EXPECT_EQ(ButtonAt(boxes, 2, 20, 20), 1);
  EXPECT_EQ(ButtonAt(boxes, 2, 30, 29), -1);
  EXPECT_EQ(ButtonAt(boxes, 0, 12, 12), -1);
}

TEST(PanelCatalogue, NinePressesOnTheTextureButtonComeBackToTheFirst) {
  int n = 0;
  for (int i = 0; i < 9; ++i) n = NextTexture(n);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(NextTexture(8), 0);
  EXPECT_EQ(NextTexture(-3), 0);
}

TEST(PanelCatalogue, ShapeStripPagesWithinItsShapes) {
  ShapeStrip s;
  s.count = 7;
  EXPECT_EQ(ChosenShape(s), 0);  // no slot chosen yet
  for (int i = 0; i < 10; ++i) ApplyShapeCommand(&s, 31001);
  EXPECT_EQ(s.offset, 4);  // slots show 4, 5, 6
  ApplyShapeCommand(&s, 31005);
  EXPECT_EQ(ChosenShape(s), 6);
  for (int i = 0; i < 10; ++i) ApplyShapeCommand(&s, 31002);
  EXPECT_EQ(s.offset, 0);
  EXPECT_EQ(ChosenShape(s), 2);
  ApplyShapeCommand(&s, 31011);
  EXPECT_EQ(s.hollow, 0);
  ApplyShapeCommand(&s, 31010);
  EXPECT_EQ(s.hollow, 1);
  EXPECT_EQ(ApplyShapeCommand(&s, 31006), 0);
  ShapeStrip few;
  few.count = 2;  // fewer shapes than slots: the strip does not move
  ApplyShapeCommand(&few, 31001);
  EXPECT_EQ(few.offset, 0);
}

TEST(PanelCatalogue, SliderEndsAndRoundTrip) {
  // Track 278..500, knob 22 wide: 200 pixels of travel.
  EXPECT_EQ(SliderKnobLeft(278, 500, 22, -100), 278);
  EXPECT_EQ(SliderKnobLeft(278, 500, 22, 100), 478);
  EXPECT_EQ(SliderKnobLeft(278, 500, 22, 0), 378);
  EXPECT_EQ(SliderKnobLeft(278, 500, 22, 500), 478);
  EXPECT_EQ(ClampKnobLeft(278, 500, 22, 600), 478);
  EXPECT_EQ(ClampKnobLeft(278, 500, 22, -5), 278);
  EXPECT_EQ(SliderStrength(278, 500, 22, 278), -100);
  EXPECT_EQ(SliderStrength(278, 500, 22, 478), 100);
  EXPECT_EQ(SliderStrength(278, 500, 22, 328), -50);
  // A track no wider than the knob cannot divide by zero.
  EXPECT_EQ(SliderStrength(10, 20, 10, 10), 0);
  EXPECT_EQ(SliderKnobLeft(10, 20, 30, 50), 10);
}
