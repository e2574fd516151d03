// The walk with its flush and the straight-line gesture with its R2_NOT rubber band.
#include "colvane/canvas/stroke_engine_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/stroke_walker.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/screen_layout.h"

namespace {

void DrawRubberBand(HWND window, int x0, int y0, int x1, int y1) {
  const ScreenLayout& screen = Screen();
  HDC dc = GetDC(window);
  {
    SelectedObject black(dc, GetStockObject(BLACK_PEN));
    int oldRop = SetROP2(dc, R2_NOT);
    MoveToEx(dc, screen.paperOriginX + x0, screen.paperOriginY + y0, nullptr);
    LineTo(dc, screen.paperOriginX + x1, screen.paperOriginY + y1);
    SetROP2(dc, oldRop);
  }
  ReleaseDC(window, dc);
}

bool cursorConfined = false;  // set free at the release; freeing it when it isn't held costs time

// The cursor stays on the whole 640 x 480 canvas while a line is drawn.
void ConfineCursorToCanvas(HWND window) {
  cursorConfined = true;
  POINT corner{Screen().paperOriginX, Screen().paperOriginY};
  ClientToScreen(window, &corner);
  RECT r{corner.x, corner.y, corner.x + kCanvasWidth, corner.y + kCanvasHeight};
  ClipCursor(&r);
}

}  // namespace

void FreeCursorFromCanvas() {
  if (cursorConfined) ClipCursor(nullptr);
  cursorConfined = false;
}

StrokeTarget CurrentStrokeTarget(int mode) {
  StrokeTarget t = SessionStrokeTarget(&Session());
  t.drawingMode = mode;
  return t;
}

bool LinePress(HWND window, PaintSession& s, POINT p) {
  if (!s.clip.Contains(p.x, p.y)) return false;
  TakeCanvasUndo();
  ToolState& tools = s.tools;
  tools.lineStartX = tools.stroke.lastX = p.x;
  tools.lineStartY = tools.stroke.lastY = p.y;
  ConfineCursorToCanvas(window);
  return true;
}

bool LineDrag(HWND window, PaintSession& s, POINT p) {
  ToolState& tools = s.tools;
  if (!s.clip.Contains(tools.lineStartX, tools.lineStartY)) return false;
  DrawRubberBand(window, tools.lineStartX, tools.lineStartY, tools.stroke.lastX, tools.stroke.lastY);
  DrawRubberBand(window, tools.lineStartX, tools.lineStartY, p.x, p.y);
  tools.stroke.lastX = p.x;
  tools.stroke.lastY = p.y;
  return true;
}

bool LineRelease(HWND window, PaintSession& s) {
  ToolState& tools = s.tools;
  if (tools.lineStartX == -1 && tools.lineStartY == -1) return false;
  if (!s.clip.Contains(tools.lineStartX, tools.lineStartY)) return false;
  // The band goes before the final drawing, also where the drawing won't cover it.
  DrawRubberBand(window, tools.lineStartX, tools.lineStartY, tools.stroke.lastX, tools.stroke.lastY);
  return true;
}
