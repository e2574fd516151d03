// Flood fills on the canvas: the fill state, the colour and texture fills and the gradient.
#include "colvane/canvas/fill_tools_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/flood_fill.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/canvas/stroke_engine_win.h"
#include "colvane/canvas/tool_state.h"
#include "colvane/frame/wait_cursor_win.h"

namespace {

FillState fill;  // mask and spans kept from fill to fill

}  // namespace

bool FillPress(HWND window, POINT p) {
  TakeCanvasUndo();
  const AreaPicture& area = Session().tools.areaPicture;
  const PixelView* texture = Session().choice.drawingMode == kModeTextureFill && area.view.bits ? &area.view : nullptr;
  // The area grows only over the part of the picture that is shown.
  PixelView view = VisibleCanvasView();
  FlushChangedRect(window, FillAtPoint(&fill, &view, Session().clip, p.x, p.y, Session().colours.foregroundColour,
                                       texture));
  return true;
}

bool GradientRelease(HWND window, POINT p) {
  ToolState& tools = Session().tools;
  if (LineRelease(window)) {
    tools.stroke.lastX = p.x;
    tools.stroke.lastY = p.y;
    TakeCanvasUndo();
    WaitCursor wait(window);
    const GradientGesture gesture{tools.lineStartX, tools.lineStartY, p.x, p.y, Session().colours.foregroundColour,
                                  Session().colours.backgroundColour};
    PixelView view = VisibleCanvasView();
    FlushChangedRect(window, GradientFill(&fill, &view, Session().clip, gesture));
  }
  ResetLinePoints(&tools);
  return true;
}
