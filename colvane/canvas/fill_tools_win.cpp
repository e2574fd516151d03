// Flood fills on the canvas: the fill state, the colour and texture fills and the gradient.
#include "colvane/canvas/fill_tools_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/flood_fill.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/canvas/stroke_engine_win.h"
#include "colvane/canvas/tool_state.h"
#include "colvane/panels/colour_state.h"
#include "colvane/shell/app_state.h"
#include "colvane/shell/wait_cursor_win.h"

namespace {

FillState fill;  // mask and spans kept from fill to fill

}  // namespace

int FillPress(HWND window, POINT p) {
  TakeCanvasUndo();
  const AreaPicture& area = Tools().areaPicture;
  const PixelView* texture = App().drawingMode == 21 && area.view.bits ? &area.view : nullptr;
  // The area grows only over the part of the picture that is shown.
  PixelView view = VisibleCanvasView();
  FlushChangedRect(window, FillAtPoint(&fill, &view, CanvasClip(), p.x, p.y, Colours().foregroundColour,
                                       texture));
  return 1;
}

int GradientRelease(HWND window, POINT p) {
  ToolState& tools = Tools();
  if (LineRelease(window)) {
    tools.stroke.lastX = p.x;
    tools.stroke.lastY = p.y;
    TakeCanvasUndo();
    WaitCursor wait(window);
    const GradientGesture gesture{tools.lineStartX, tools.lineStartY, p.x, p.y, Colours().foregroundColour,
                                  Colours().backgroundColour};
    PixelView view = VisibleCanvasView();
    FlushChangedRect(window, GradientFill(&fill, &view, CanvasClip(), gesture));
  }
  ResetLinePoints(&tools);
  return 1;
}
