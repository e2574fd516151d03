// The shape choice: the shapes panel's strip of three slots and its hollow/full switch, kept in
// the painting session so the panel and the shapes tool read one record.
#pragma once

struct ShapeStrip {
  int count = 0;      // 0: no strip
  int offset = 0;     // shape shown in the first slot
  int slot = 0;       // 0..2
  bool chosen = false;  // once a slot was chosen
  bool hollow = true;   // hollow, else filled
};

// The shape the tool draws: slot + offset, 0 (the ellipse) before any slot was chosen.
inline int ChosenShape(const ShapeStrip& strip) { return strip.chosen ? strip.slot + strip.offset : 0; }
