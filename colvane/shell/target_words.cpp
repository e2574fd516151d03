// One table from the layout's button keys to words a child hears.
#include "colvane/shell/target_words.h"

#include <cstring>

namespace {

struct Words {
  const char* key;
  const char* words;
};

const Words kWords[] = {
    {"BRUSH", "Brush"}, {"PENC", "Pencil"}, {"MAC", "Marker"}, {"CAND", "Crayon"}, {"CHALK", "Chalk"},
    {"JET", "Spray"}, {"FLOOD", "Fill"}, {"RUBBER", "Eraser"}, {"POLYG", "Shapes"}, {"ROPE", "Cut out"},
    {"DRILL", "Colour picker"}, {"ENLARGE", "Effects"}, {"TYPER", "Typewriter"}, {"MAGIC", "Magic stamp"},
    {"BRUSH_FREE", "Paint freely"}, {"BRUSH_LINE", "Straight line"}, {"BRUSH_WATER", "Water colour"},
    {"PENCIL_FREE", "Draw freely"}, {"PENCIL_LINE", "Straight line"}, {"MAC_FREE", "Draw freely"},
    {"MAC_LINE", "Straight line"}, {"CAND_FREE", "Draw freely"}, {"CAND_LINE", "Straight line"},
    {"CHALK_FREE", "Draw freely"}, {"CHALK_LINE", "Straight line"}, {"JET_PASTE", "Toothpaste"},
    {"JET_AIR", "Airbrush"}, {"TON_FILL", "Fill with colour"}, {"TON_RB", "Fill with a rainbow"},
    {"TON_IMG", "Fill with a pattern"}, {"RUB_CLEAR", "Square eraser"}, {"RUB_BLUR", "Soft eraser"},
    {"RUB_IMG", "Picture eraser"}, {"POLY_UP", "Shapes up"}, {"POLY_DOWN", "Shapes down"}, {"POLY_1", "Shape 1"},
    {"POLY_2", "Shape 2"}, {"POLY_3", "Shape 3"}, {"POLY_HOLLOW", "Hollow shape"}, {"POLY_FULL", "Filled shape"},
    {"ROPE_SQUARE", "Cut out a circle"}, {"ROPE_CIRCLE", "Cut out a square"}, {"ROPE_FREE", "Cut out freely"},
    {"SPEC_CLEAR", "Sharpen"}, {"SPEC_BLUR", "Blur"}, {"SPEC_EMBOSE", "Emboss"}, {"SPEC_SPEC", "Magnifier"},
    {"TYPE_STAND", "Plain letters"}, {"TYPE_BOLD", "Bold letters"}, {"TYPE_ITALY", "Slanted letters"},
    {"TYPE_UNDER", "Underlined letters"}, {"HEAP_UP", "Next stamp"}, {"HEAP_DOWN", "Previous stamp"},
    {"HEAP_SELECT", "Choose stamp"}, {"EXITCORD", "Exit"}, {"FILEPAGECORD", "Back to painting"},
    {"DIRLEFTCORD", "Boxes back"}, {"DIRRIGHTCORD", "Boxes forward"}, {"BOXLEFTCORD", "Pictures back"},
    {"BOXRIGHTCORD", "Pictures forward"}, {"BOXNEWCORD", "New box"}, {"SAVECORD", "Export"},
    {"PRINTCORD", "Print"}, {"GABAGEA", "Rubbish bin"},
};

}  // namespace

const char* TargetWords(const char* name) {
  if (!name) return "";
  for (const Words& w : kWords)
    if (std::strcmp(w.key, name) == 0) return w.words;
  return name;
}
