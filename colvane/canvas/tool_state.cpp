// Resetting the tools' gesture points.
#include "colvane/canvas/tool_state.h"

void ResetLinePoints(ToolState* tools) {
  tools->lineStartX = tools->lineStartY = -1;
  tools->stroke.lastX = tools->stroke.lastY = -1;
}
