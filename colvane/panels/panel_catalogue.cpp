// The static catalogue of the tool option panels and the pure rules of their extras.
#include "colvane/panels/panel_catalogue.h"

#include <cstdio>

#include "colvane/ids.h"

namespace {

using namespace cmd;

const PanelSpec kPanels[] = {
    {kBrush, "BRUSH", "BRUSHAREA", 0, 3,
     {{kBrushFree, "BRUSH_FREE"}, {kBrushLine, "BRUSH_LINE"}, {kBrushWater, "BRUSH_WATER"}}, 0, 1},
    {kPencil, "PENCIL", "PENCILAREA", 0, 2,
     {{kPencilFree, "PENCIL_FREE"}, {kPencilLine, "PENCIL_LINE"}}, 0, 1},
    {kMarker, "MAC", "MACAREA", 0, 2, {{kMarkerFree, "MAC_FREE"}, {kMarkerLine, "MAC_LINE"}}, 0, 1},
    {kCandle, "CAND", "CANDAREA", 0, 2, {{kCandleFree, "CAND_FREE"}, {kCandleLine, "CAND_LINE"}}, 0, 1},
    {kChalk, "CHALK", "CHALKAREA", 0, 2, {{kChalkFree, "CHALK_FREE"}, {kChalkLine, "CHALK_LINE"}}, 0, 1},
    {kSpray, "JET", "JETAREA", 0, 2, {{kToothpaste, "JET_PASTE"}, {kAirbrush, "JET_AIR"}}, 0, 1},
    {kFill, "TON", "TONAREA", 1, 3,
     {{kColourFill, "TON_FILL"}, {kGradientFill, "TON_RB"}, {kTextureFill, "TON_IMG"}}, 0, 1},
    {kEraser, "RUB", "RUBAREA", 1, 3,
     {{kSquareEraser, "RUB_CLEAR"}, {kSoftEraser, "RUB_BLUR"}, {kPictureEraser, "RUB_IMG"}}, 1, 1},
    {kShapes, "POLY", "POLYAREA", 0, 7,
     {{kShapeUp, "POLY_UP"}, {kShapeDown, "POLY_DOWN"}, {kShapeSlot1, "POLY_1"}, {kShapeSlot2, "POLY_2"},
      {kShapeSlot3, "POLY_3"}, {kShapeHollow, "POLY_HOLLOW"}, {kShapeFull, "POLY_FULL"}},
     2, 1},
    {kRope, "ROPE", "ROPEAREA", 0, 3,
     {{kRopeEllipse, "ROPE_SQUARE"}, {kRopeRectangle, "ROPE_CIRCLE"}, {kRopeFree, "ROPE_FREE"}}, 1, 1},
    {kEffects, "SPEC", "SPECAREA", 0, 4,
     {{kSharpen, "SPEC_CLEAR"}, {kBlur, "SPEC_BLUR"}, {kEmboss, "SPEC_EMBOSE"}, {kLens, "SPEC_SPEC"}}, -1, 0},
    // The typewriter's style buttons; its text state chooses the style, so opening sends nothing.
    {kTypewriter, "TYPE", "TYPEAREA", 0, 4,
     {{kTypeStandard, "TYPE_STAND"}, {kTypeBold, "TYPE_BOLD"}, {kTypeItalic, "TYPE_ITALY"},
      {kTypeUnderline, "TYPE_UNDER"}},
     0, 0},
    {kMagicStamp, "HEAP", "HEAPAREA", 0, 3,
     {{kStampNext, "HEAP_UP"}, {kStampPrevious, "HEAP_DOWN"}, {kStampSelect, "HEAP_SELECT"}}, 2, 1},
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
    case cmd::kShapeDown:  // the strip moves on while a further shape is hidden
      if (strip->offset < strip->count - 3) ++strip->offset;
      return 1;
    case cmd::kShapeUp:
      if (strip->offset > 0) --strip->offset;
      return 1;
    case cmd::kShapeSlot1:
    case cmd::kShapeSlot2:
    case cmd::kShapeSlot3:
      strip->slot = command - cmd::kShapeSlot1;
      strip->chosen = 1;
      return 1;
    case cmd::kShapeHollow: strip->hollow = 1; return 1;
    case cmd::kShapeFull: strip->hollow = 0; return 1;
    default: return 0;
  }
}


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
