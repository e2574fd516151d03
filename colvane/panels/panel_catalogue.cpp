// The static catalogue of the tool option panels and the pure rules of their extras.
#include "colvane/panels/panel_catalogue.h"

#include <cstdio>

namespace {

const PanelSpec kPanels[] = {
    {1001, "BRUSH", "BRUSHAREA", 0, 3, {{10001, "BRUSH_FREE"}, {10002, "BRUSH_LINE"}, {10003, "BRUSH_WATER"}}, 0, 1},
    {1002, "PENCIL", "PENCILAREA", 0, 2, {{20001, "PENCIL_FREE"}, {20002, "PENCIL_LINE"}}, 0, 1},
    {1003, "MAC", "MACAREA", 0, 2, {{30001, "MAC_FREE"}, {30002, "MAC_LINE"}}, 0, 1},
    {1004, "CAND", "CANDAREA", 0, 2, {{40001, "CAND_FREE"}, {40002, "CAND_LINE"}}, 0, 1},
    {1005, "CHALK", "CHALKAREA", 0, 2, {{50001, "CHALK_FREE"}, {50002, "CHALK_LINE"}}, 0, 1},
    {1006, "JET", "JETAREA", 0, 2, {{60002, "JET_PASTE"}, {60001, "JET_AIR"}}, 0, 1},
    {1007, "TON", "TONAREA", 1, 3, {{11001, "TON_FILL"}, {11002, "TON_RB"}, {11003, "TON_IMG"}}, 0, 1},
    {1008, "RUB", "RUBAREA", 1, 3, {{21001, "RUB_CLEAR"}, {21002, "RUB_BLUR"}, {21003, "RUB_IMG"}}, 1, 1},
    {2001, "POLY", "POLYAREA", 0, 7,
     {{31002, "POLY_UP"}, {31001, "POLY_DOWN"}, {31003, "POLY_1"}, {31004, "POLY_2"}, {31005, "POLY_3"},
      {31010, "POLY_HOLLOW"}, {31011, "POLY_FULL"}},
     2, 1},
    {2002, "ROPE", "ROPEAREA", 0, 3, {{41001, "ROPE_SQUARE"}, {41002, "ROPE_CIRCLE"}, {41003, "ROPE_FREE"}}, 1, 1},
    {2004, "SPEC", "SPECAREA", 0, 4,
     {{42001, "SPEC_CLEAR"}, {42002, "SPEC_BLUR"}, {42003, "SPEC_EMBOSE"}, {42004, "SPEC_SPEC"}}, -1, 0},
    // The typewriter's style buttons; its text state chooses the style, so opening sends nothing.
    {2005, "TYPE", "TYPEAREA", 0, 4,
     {{44001, "TYPE_STAND"}, {44002, "TYPE_BOLD"}, {44003, "TYPE_ITALY"}, {44004, "TYPE_UNDER"}}, 0, 0},
    {2006, "HEAP", "HEAPAREA", 0, 3, {{43001, "HEAP_UP"}, {43002, "HEAP_DOWN"}, {43003, "HEAP_SELECT"}}, 2, 1},
};

}  // namespace

const PanelSpec* FindPanel(int toolbarCommand) {
  for (const PanelSpec& p : kPanels)
    if (p.toolbarCommand == toolbarCommand) return &p;
  return nullptr;
}

int PanelButtonIndex(const PanelSpec& panel, int command) {
  for (int i = 0; i < panel.buttonCount; ++i)
    if (panel.buttons[i].command == command) return i;
  return -1;
}

void PanelOriginKey(const PanelSpec& panel, const char* variant, char* out, int size) {
  std::snprintf(out, static_cast<size_t>(size), "%s_ORG%s", panel.stem, variant);
}

void PanelButtonKey(const PanelButtonSpec& button, const char* variant, char* out, int size) {
  std::snprintf(out, static_cast<size_t>(size), "%s_CORD%s", button.name, variant);
}

void PanelArtKey(const PanelSpec& panel, int texture, int selected, char* out, int size) {
  if (panel.textured)
    std::snprintf(out, static_cast<size_t>(size), "%s%d%s", panel.artKey, texture, selected ? "S" : "");
  else
    std::snprintf(out, static_cast<size_t>(size), "%s%s", panel.artKey, selected ? "S" : "");
}

int ButtonAt(const ButtonBox* boxes, int count, int x, int y) {
  for (int i = 0; i < count; ++i) {
    const ButtonBox& b = boxes[i];
    if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) return i;
  }
  return -1;
}

int ApplyShapeCommand(ShapeStrip* strip, int command) {
  switch (command) {
    case 31001:  // down: the strip moves on while a further shape is hidden
      if (strip->offset < strip->count - 3) ++strip->offset;
      return 1;
    case 31002:
      if (strip->offset > 0) --strip->offset;
      return 1;
    case 31003:
    case 31004:
    case 31005:
      strip->slot = command - 31003;
      strip->chosen = 1;
      return 1;
    case 31010: strip->hollow = 1; return 1;
    case 31011: strip->hollow = 0; return 1;
    default: return 0;
  }
}

int ChosenShape(const ShapeStrip& strip) { return strip.chosen ? strip.slot + strip.offset : 0; }

int SliderKnobLeft(int left, int right, int knobWidth, int strength) {
  if (strength < -100) strength = -100;
  if (strength > 100) strength = 100;
  const long long span = static_cast<long long>(right) - left - knobWidth;
  if (span <= 0) return left;
  return left + static_cast<int>(span * (strength + 100) / 200);
}

int ClampKnobLeft(int left, int right, int knobWidth, int x) {
  const int last = right - knobWidth;
  if (x > last) x = last;
  if (x < left) x = left;
  return x;
}

int SliderStrength(int left, int right, int knobWidth, int knobLeft) {
  const long long span = static_cast<long long>(right) - left - knobWidth;
  if (span <= 0) return 0;
  const long long v = 200LL * (static_cast<long long>(knobLeft) - left) / span - 100;
  return v < -100 ? -100 : v > 100 ? 100 : static_cast<int>(v);
}
