// The tool option panels as program constants (buttons, commands, layout keys) and the pure
// rules of their extras: texture cycling, the shape strip and the effects slider.
#pragma once
#include "colvane/canvas/shape_strip.h"

constexpr int kMaxPanelButtons = 7;

struct PanelButtonSpec {
  int command;
  const char* name;  // layout key stem: "<name>_CORD<variant>"
};

struct PanelSpec {
  int toolbarCommand;
  const char* stem;      // "<stem>_ORG<variant>"
  const char* artKey;    // "<artKey>[texture][S]"
  int textured;          // 1: the art key takes the panel's texture number
  int buttonCount;
  PanelButtonSpec buttons[kMaxPanelButtons];
  int defaultIndex;      // -1: no button starts selected
  int sendsDefault;      // 0: opening the panel sends no command
};

// The panel of a toolbar command, or null (the absorber and unknown commands have none).
const PanelSpec* FindPanel(int toolbarCommand);
// Index of the button with that command in the panel, or -1.
int PanelButtonIndex(const PanelSpec& panel, int command);

// Layout keys; `out` holds at least 40 bytes. `variant` is "8" or "6".
void PanelOriginKey(const PanelSpec& panel, const char* variant, char* out, int size);
void PanelButtonKey(const PanelButtonSpec& button, const char* variant, char* out, int size);
void PanelArtKey(const PanelSpec& panel, int texture, int selected, char* out, int size);

struct ButtonBox {
  int left, top, right, bottom;
};
// First box holding the point (right and bottom edges excluded), or -1.
int ButtonAt(const ButtonBox* boxes, int count, int x, int y);

// Fill and eraser panels cycle through nine textures.
constexpr int kTextureCount = 9;
inline int NextTexture(int n) { return n < 0 || n + 1 >= kTextureCount ? 0 : n + 1; }

// Applies a shape-panel command (31001..31011) to the strip; 1 when it was one.
int ApplyShapeCommand(ShapeStrip* strip, int command);

// The effects slider: knob left edge for a strength -100..100 on the track [left, right], and
// the strength for a knob left edge (kept within the track).
int SliderKnobLeft(int left, int right, int knobWidth, int strength);
int ClampKnobLeft(int left, int right, int knobWidth, int x);
int SliderStrength(int left, int right, int knobWidth, int knobLeft);
