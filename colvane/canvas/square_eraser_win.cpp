// The square eraser: swept polygons made into GDI regions, wiped through their rectangles, and
// the outline drawn twice to take it away.
#include "colvane/canvas/square_eraser_win.h"

#include <algorithm>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/region_rects_win.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/canvas/square_eraser.h"
#include "colvane/canvas/tool_state.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/screen_layout.h"

namespace {

ClipMask swept;  // the last swept region's pixels; kept so its buffer is allocated once

// Draws or removes (the same call) the square outline around the paper point.
void SquareOutlineAt(HWND window, int cx, int cy) {
  const ScreenLayout& app = Screen();
  const ClipRect r = SquareOutline(CanvasPoint{cx, cy}, SquareHalfSize(Session().colours.sizeValue), app.paperWidth,
                                   app.paperHeight);
  HDC dc = GetDC(window);
  const int oldRop = SetROP2(dc, R2_NOT);
  {
    SelectedObject hollow(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, app.paperOriginX + r.left, app.paperOriginY + r.top, app.paperOriginX + r.right,
              app.paperOriginY + r.bottom);
  }
  SetROP2(dc, oldRop);
  ReleaseDC(window, dc);
}

}  // namespace

void SquareSweep(HWND window, POINT from, POINT to) {
  const ScreenLayout& app = Screen();
  CanvasPoint corners[6];
  const int n = SweptSquare(CanvasPoint{from.x, from.y}, CanvasPoint{to.x, to.y},
                            SquareHalfSize(Session().colours.sizeValue), corners);
  POINT points[6];
  for (int i = 0; i < n; ++i) points[i] = POINT{corners[i].x, corners[i].y};
  // GDI decides which pixels the polygon holds: its right and bottom edges are outside.
  HRGN region = CreatePolygonRgn(points, n, WINDING);
  if (!region) return;
  RECT box;
  if (GetRgnBox(region, &box) == NULLREGION) {
    DeleteObject(region);
    return;
  }
  ClipMaskFromRegion(region, app.paperWidth, app.paperHeight, &swept);
  DeleteObject(region);
  PixelView view = CanvasView(Session().canvas);
  WipeSwept(&view, Session().clip, swept, Session().colours.backgroundColour);
  ToolState& tools = Session().tools;
  if (tools.stroke.lastX >= 0 && tools.stroke.lastY >= 0)
    SquareOutlineAt(window, tools.stroke.lastX, tools.stroke.lastY);
  FlushCanvasRect(window, box.left, box.top, box.right - 1, box.bottom - 1);
  SquareOutlineAt(window, to.x, to.y);
  tools.stroke.lastX = to.x;
  tools.stroke.lastY = to.y;
}

bool SquarePress(HWND window, PaintSession& s, POINT p) {
  MarkPictureChanged(&s.canvas);
  TakeCanvasUndo();
  // No outline is on the screen before a press, whatever another tool left in the last point.
  ToolState& tools = s.tools;
  tools.stroke.lastX = tools.stroke.lastY = -1;
  SquareSweep(window, p, p);
  return true;
}

bool SquareDrag(HWND window, PaintSession& s, POINT p) {
  const ToolState& tools = s.tools;
  if (tools.stroke.lastX < 0 || tools.stroke.lastY < 0) return false;  // no press began the sweep
  SquareSweep(window, POINT{tools.stroke.lastX, tools.stroke.lastY}, p);
  return true;
}

bool SquareRelease(HWND window, PaintSession& s, POINT) {
  ToolState& tools = s.tools;
  // The outline is taken away where it is drawn, which need not be the release point.
  if (tools.stroke.lastX >= 0 && tools.stroke.lastY >= 0)
    SquareOutlineAt(window, tools.stroke.lastX, tools.stroke.lastY);
  ResetLinePoints(&tools);
  return true;
}
