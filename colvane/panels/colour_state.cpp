// The single colour state of the program.
#include "colvane/panels/colour_state.h"

ColourState& Colours() {
  static ColourState state;
  return state;
}

int StrokeSizeBase() { return Colours().sizeValue + 1; }
