// The single tool state of the program.
#include "colvane/canvas/tool_state.h"

ToolState& Tools() {
  static ToolState state;
  return state;
}

void ResetLinePoints(ToolState* tools) {
  tools->lineStartX = tools->lineStartY = -1;
  tools->stroke.lastX = tools->stroke.lastY = -1;
}
