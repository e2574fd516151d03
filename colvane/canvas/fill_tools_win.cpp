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

bool FillPress(HWND window, PaintSession& s, POINT p) {
  TakeCanvasUndo();
  const AreaPicture& area = s.tools.areaPicture;
  const PixelView* texture = s.choice.drawingMode == kModeTextureFill && area.view.bits ? &area.view : nullptr;
  // The area grows only over the part of the picture that is shown.
  PixelView view = VisibleCanvasView();
  FlushChangedRect(window, FillAtPoint(&fill, &view, s.clip, p.x, p.y, s.colours.foregroundColour, texture));
  return true;
}

bool GradientRelease(HWND window, PaintSession& s, POINT p) {
  ToolState& tools = s.tools;
  if (LineRelease(window, s)) {
    tools.stroke.lastX = p.x;
    tools.stroke.lastY = p.y;
    TakeCanvasUndo();
    WaitCursor wait(window);
    const GradientGesture gesture{tools.lineStartX, tools.lineStartY, p.x, p.y, s.colours.foregroundColour,
                                  s.colours.backgroundColour};
    PixelView view = VisibleCanvasView();
    FlushChangedRect(window, GradientFill(&fill, &view, s.clip, gesture));
  }
  ResetLinePoints(&tools);
  return true;
}
