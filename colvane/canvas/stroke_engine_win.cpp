// The three canvas dispatchers: a press, drag or release on the paper goes to the tool of the
// current drawing mode. Modes whose tools are not in the program yet take nothing.
#include "colvane/canvas/stroke_engine_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/clip_art_win.h"
#include "colvane/canvas/effects_win.h"
#include "colvane/canvas/fill_tools_win.h"
#include "colvane/canvas/magic_stamp.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/canvas/shape_tool_win.h"
#include "colvane/canvas/square_eraser_win.h"
#include "colvane/canvas/stroke_walker.h"
#include "colvane/canvas/tool_state.h"
#include "colvane/panels/colour_state.h"
#include "colvane/panels/colour_state_win.h"
#include "colvane/shell/app_state.h"
#include "colvane/shell/areas.h"

namespace {

// Modes 4 and 6 behave like 1, 2 and 5 though no command sets them.
bool IsLineCapable(int mode) { return mode == 1 || mode == 2 || mode == 4 || mode == 5 || mode == 6; }
// Dab tools that always stroke freely.
bool IsFreeDabMode(int mode) { return mode == 3 || mode == 7 || mode == 8 || mode == 10 || mode == 20; }
bool IsRopeMode(int mode) { return mode == 13 || mode == 23 || mode == 24; }

void BeginFreeStroke(HWND window, POINT p) {
  TakeCanvasUndo();
  WalkAndFlush(window, p.x, p.y, p.x, p.y);
}

// The stamp's frame is centred on the cursor.
void StampAt(HWND window, POINT p) {
  CanvasImage& canvas = Canvas();
  FlushChangedRect(window, PaintMagicStamp(&Tools().magicStamp, CanvasView(canvas), CanvasClip(), p.x - 64,
                                           p.y - 64, &canvas.pictureModified));
}

void DrawRubberBand(HWND window, int x0, int y0, int x1, int y1) {
  const AppState& app = App();
  HDC dc = GetDC(window);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  int oldRop = SetROP2(dc, R2_NOT);
  MoveToEx(dc, app.paperOriginX + x0, app.paperOriginY + y0, nullptr);
  LineTo(dc, app.paperOriginX + x1, app.paperOriginY + y1);
  SetROP2(dc, oldRop);
  SelectObject(dc, oldPen);
  ReleaseDC(window, dc);
}

// The cursor stays on the whole 640 x 480 canvas while a line is drawn.
void ConfineCursorToCanvas(HWND window) {
  const AppState& app = App();
  POINT corner{app.paperOriginX, app.paperOriginY};
  ClientToScreen(window, &corner);
  RECT r{corner.x, corner.y, corner.x + kCanvasWidth, corner.y + kCanvasHeight};
  ClipCursor(&r);
}

}  // namespace

StrokeTarget CurrentStrokeTarget(int mode) {
  ToolState& tools = Tools();
  CanvasImage& canvas = Canvas();
  StrokeTarget t;
  t.canvas = CanvasView(canvas);
  t.clip = &CanvasClip();
  t.drawingMode = mode;
  t.foreground = Colours().foregroundColour;
  t.background = Colours().backgroundColour;
  t.texture = &tools.texture;
  t.areaPicture = tools.areaPicture.view.bits ? &tools.areaPicture.view : nullptr;
  t.pictureModified = &canvas.pictureModified;
  return t;
}

int InsideClip(int x, int y) { return CanvasClip().Contains(x, y) ? 1 : 0; }

void WalkAndFlush(HWND window, int x0, int y0, int x1, int y1) {
  ToolState& tools = Tools();
  FlushChangedRect(window, Walk(&tools.stroke, tools.masks, CurrentStrokeTarget(App().drawingMode), x0, y0,
                                x1, y1));
}

int LinePress(HWND window, POINT p) {
  if (!InsideClip(p.x, p.y)) return 0;
  TakeCanvasUndo();
  ToolState& tools = Tools();
  tools.lineStartX = tools.stroke.lastX = p.x;
  tools.lineStartY = tools.stroke.lastY = p.y;
  ConfineCursorToCanvas(window);
  return 1;
}

int LineDrag(HWND window, POINT p) {
  ToolState& tools = Tools();
  if (!InsideClip(tools.lineStartX, tools.lineStartY)) return 0;
  DrawRubberBand(window, tools.lineStartX, tools.lineStartY, tools.stroke.lastX, tools.stroke.lastY);
  DrawRubberBand(window, tools.lineStartX, tools.lineStartY, p.x, p.y);
  tools.stroke.lastX = p.x;
  tools.stroke.lastY = p.y;
  return 1;
}

int LineRelease(HWND window) {
  ToolState& tools = Tools();
  if (tools.lineStartX == -1 && tools.lineStartY == -1) return 0;
  if (!InsideClip(tools.lineStartX, tools.lineStartY)) return 0;
  // The band goes before the final drawing, also where the drawing won't cover it.
  DrawRubberBand(window, tools.lineStartX, tools.lineStartY, tools.stroke.lastX, tools.stroke.lastY);
  return 1;
}

int CanvasPress(HWND window, POINT p) {
  AppState& app = App();
  if (app.fileBoxOpen) return 0;
  const int mode = app.drawingMode;
  if (mode == 15)
    PlaySoundEffect("spec");  // the lens has its own sound
  else
    PlayToolSound();
  if (IsRopeMode(mode)) StartRopeFrame(window);
  if (mode < 1 || mode > 25 || Canvas().canvasImage.Empty()) return 0;
  if (mode == 22) return LinePress(window, p);  // the gradient's line
  if (IsLineCapable(mode)) {
    if (app.lineMode) return LinePress(window, p);
    BeginFreeStroke(window, p);
    return 1;
  }
  if (IsFreeDabMode(mode)) {
    BeginFreeStroke(window, p);
    return 1;
  }
  if (IsRopeMode(mode)) return RopePress(window, p);
  switch (mode) {
    case 11:
      TakeCanvasUndo();
      SetForegroundColour(window, ReadCanvasPixel(Canvas(), p.x, p.y));
      return 1;
    case 12:
      TakeCanvasUndo();
      StampAt(window, p);
      return 1;
    case 9:
    case 21:
      return FillPress(window, p);
    case 15:
      return LensPress(window, p);
    case 19:
      return SquarePress(window, p);
    case 25:
      return ShapePress(window, p);
    default:
      return 0;  // typewriter; placement waits for the drag
  }
}

int CanvasMove(HWND window, POINT p) {
  const AppState& app = App();
  const int mode = app.drawingMode;
  if (app.fileBoxOpen || mode < 1 || mode > 25 || Canvas().canvasImage.Empty()) return 0;
  if ((IsLineCapable(mode) && app.lineMode) || mode == 22) return LineDrag(window, p);
  if (IsLineCapable(mode) || IsFreeDabMode(mode)) {
    ToolState& tools = Tools();
    WalkAndFlush(window, tools.stroke.lastX, tools.stroke.lastY, p.x, p.y);
    // The soft eraser also wipes away a running cartoon it touches.
    if (mode == 10 && RemoveCartoonAt(window, p)) {
      InvalidateRect(window, nullptr, FALSE);
      UpdateWindow(window);
    }
    return 1;
  }
  if (IsRopeMode(mode)) return RopeMove(window, p);
  switch (mode) {
    case 12:
      StampAt(window, p);
      return 1;
    case 16:
    case 17:
      return PlacementDrag(window, p);
    case 19:
      return SquareDrag(window, p);
    case 25:
      return ShapeDrag(window, p);
    default:
      return 0;
  }
}

int CanvasRelease(HWND window, POINT p) {
  const AppState& app = App();
  if (app.fileBoxOpen) return 0;
  ClipCursor(nullptr);
  const int mode = app.drawingMode;
  ToolState& tools = Tools();
  // The square's outline goes before the last point that says where it is.
  if (mode == 19) SquareRelease(window, p);
  if (!app.lineMode && mode != 22 && mode != 25) ResetLinePoints(&tools);
  if (mode != 15) StopSoundEffects();
  if (Canvas().canvasImage.Empty()) return 0;
  if (IsLineCapable(mode)) {
    if (LineRelease(window)) WalkAndFlush(window, tools.lineStartX, tools.lineStartY, p.x, p.y);
    ResetLinePoints(&tools);
    return 1;
  }
  if (IsFreeDabMode(mode) || mode == 12) return 1;
  if (IsRopeMode(mode)) return RopeRelease(window, p);
  switch (mode) {
    case 11:
      SetForegroundColour(window, ReadCanvasPixel(Canvas(), p.x, p.y));
      return 1;
    case 16:
      return StickerRelease(window, p);
    case 17:
      return CartoonRelease(window, p);
    case 19:
      return 1;  // the outline went above
    case 22:
      return GradientRelease(window, p);
    case 25:
      return ShapeRelease(window, p);
    default:
      return 0;  // fills, typewriter, lens
  }
}

int CanvasPickColour(HWND window, POINT p) {
  const AppState& app = App();
  if (app.fileBoxOpen || app.drawingMode != 11 || Canvas().canvasImage.Empty()) return 0;
  SetBackgroundColour(window, ReadCanvasPixel(Canvas(), p.x, p.y));
  return 1;
}
