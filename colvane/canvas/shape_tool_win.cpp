// The shapes tool: previews on the window, polygon regions read back from GDI, the outline
// laid with the brush dab and the soft-edged ellipse.
#include "colvane/canvas/shape_tool_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/region_rects_win.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/canvas/stroke_engine_win.h"
#include "colvane/canvas/tool_state.h"
#include "colvane/frame/screen_area_win.h"
#include "colvane/frame/screen_layout.h"

namespace {

ClipMask regionPixels;  // the last filled region's pixels; its buffer is kept

// A window DC for the previews: R2_NOT, no fill, clipped to the visible canvas.
HDC BeginPreview(HWND window) {
  const ScreenLayout& app = Screen();
  HDC dc = GetDC(window);
  IntersectClipRect(dc, app.paperOriginX, app.paperOriginY, app.paperOriginX + app.paperWidth,
                    app.paperOriginY + app.paperHeight);
  SetROP2(dc, R2_NOT);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  return dc;
}

// Draws or removes (the same call) the preview of `shape` from the anchor to the point.
void DrawPreview(HWND window, int shape, CanvasPoint anchor, CanvasPoint point) {
  const ScreenLayout& app = Screen();
  const int ox = app.paperOriginX, oy = app.paperOriginY;
  HDC dc = BeginPreview(window);
  if (shape == 0) {
    Ellipse(dc, ox + anchor.x, oy + anchor.y, ox + point.x, oy + point.y);
  } else {
    CanvasPoint v[kMaxShapeVertices];
    const int n = ShapeVertices(shape, anchor, point, v);
    if (n > 0) {
      MoveToEx(dc, ox + v[0].x, oy + v[0].y, nullptr);
      for (int i = 1; i < n; ++i) LineTo(dc, ox + v[i].x, oy + v[i].y);
      LineTo(dc, ox + v[0].x, oy + v[0].y);
    }
  }
  ReleaseDC(window, dc);
}

// The end of every final drawing: no line gesture left, the whole canvas on the screen.
void FinishShape(HWND window) {
  ResetLinePoints(&Session().tools);
  ShowWholeCanvas(window);
}

}  // namespace

bool ShapePress(HWND, PaintSession& s, POINT p) {
  TakeCanvasUndo();
  ToolState& tools = s.tools;
  tools.shapeAnchor = tools.shapeLastPoint = CanvasPoint{p.x, p.y};
  tools.shapeGesture = true;
  return true;
}

bool ShapeDrag(HWND window, PaintSession& s, POINT p) {
  ToolState& tools = s.tools;
  if (!tools.shapeGesture) return false;
  const int shape = ChosenShape(s.panel.shapes);
  DrawPreview(window, shape, tools.shapeAnchor, tools.shapeLastPoint);
  tools.shapeLastPoint = CanvasPoint{p.x, p.y};
  DrawPreview(window, shape, tools.shapeAnchor, tools.shapeLastPoint);
  return true;
}

bool ShapeRelease(HWND window, PaintSession& s, POINT p) {
  ToolState& tools = s.tools;
  if (!tools.shapeGesture) return false;  // a release without a press on the paper draws nothing
  tools.shapeGesture = false;
  const int shape = ChosenShape(s.panel.shapes);
  // The panel's flag is 1 for hollow.
  const int filled = s.panel.shapes.hollow ? 0 : 1;
  DrawPreview(window, shape, tools.shapeAnchor, tools.shapeLastPoint);
  if (shape == 0) {
    DrawShapeEllipse(window, POINT{tools.shapeAnchor.x, tools.shapeAnchor.y}, p, filled);
  } else {
    CanvasPoint v[kMaxShapeVertices];
    const int n = ShapeVertices(shape, tools.shapeAnchor, CanvasPoint{p.x, p.y}, v);
    if (n > 0) DrawShapePolygon(window, v, n, filled);
  }
  DamageWholeScreen(window);
  return true;
}

void FillCanvasRegion(HRGN region, COLORREF colour) {
  const ScreenLayout& app = Screen();
  ClipMaskFromRegion(region, app.paperWidth, app.paperHeight, &regionPixels);
  PixelView view = CanvasView(Session().canvas);
  FillRegion(&view, Session().clip, regionPixels, colour);
}

void DrawShapePolygon(HWND window, const CanvasPoint* vertices, int count, int filled) {
  if (count <= 0 || count > kMaxShapeVertices) return;
  MarkPictureChanged(&Session().canvas);
  if (filled) {
    POINT points[kMaxShapeVertices];
    for (int i = 0; i < count; ++i) points[i] = POINT{vertices[i].x, vertices[i].y};
    HRGN region = CreatePolygonRgn(points, count, WINDING);
    if (!region) return;  // no region: neither the inside nor the outline is drawn
    FillCanvasRegion(region, Session().colours.foregroundColour);
    DeleteObject(region);
  }
  ToolState& tools = Session().tools;
  BrushOutline brush{&tools.stroke, &tools.masks, CurrentStrokeTarget(kModeShapes)};
  DrawPolygonOutline(vertices, count, tools.masks.spacing, &tools.stroke.carried, Session().clip,
                     BrushOutlineDab(&brush));
  FinishShape(window);
}

void DrawShapeEllipse(HWND window, POINT from, POINT to, int filled) {
  PixelView view = CanvasView(Session().canvas);
  MarkPictureChanged(&Session().canvas);
  DrawEllipse(&view, Session().clip,
              EllipseDrawing{from.x, from.y, to.x, to.y, Session().colours.sizeValue + 1, filled,
                             Session().colours.foregroundColour});
  FinishShape(window);
}
