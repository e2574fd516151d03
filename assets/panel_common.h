// Tool option panels: a cream card holding big picture buttons, drawn twice (every button
// plain, and every button selected) so the program can show any one button selected.
#pragma once

#include <functional>
#include <string>

#include "assets/gen_context.h"

namespace art {

// Draws the picture of button `name` into its rectangle.
using PanelIcon = std::function<void(cairo_t*, const std::string& name, Rc r, bool selected)>;
// Draws what the panel has besides its buttons (wells, tracks), under the buttons.
using PanelExtra = std::function<void(cairo_t*, bool selected)>;

Image RenderPanel(const PanelLayout& layout, bool selected, const PanelIcon& icon,
                  const PanelExtra& extra = nullptr);
// Writes <key> and <key>S for the panel into DETAILTOOL.
void WritePanel(Gen& g, const std::string& key, const std::string& file, const PanelLayout& layout,
                const PanelIcon& icon, const PanelExtra& extra = nullptr);

// A white well whose border lights up when selected (shape slots, the stamp window).
void Well(cairo_t* cr, Rc r, bool selected);
// A paint stroke: a wavy freehand line or a straight one across the rectangle.
void StrokeSample(cairo_t* cr, Rc r, bool wavy, Col colour, double width);
// A small arrow pointing left (-1) or right (+1) centred in r.
void Arrow(cairo_t* cr, Rc r, int dir);

// The two panel groups.
void MakeStrokePanels(Gen& g);  // brush, pencil, marker, candle, chalk, spray
void MakeOtherPanels(Gen& g);   // fill, eraser, shapes, rope, effects, typewriter, stamp

}  // namespace art
