// The table of canvas tools: for each drawing mode what a press, drag and release on the paper do,
// the sound of the press, the points it keeps and how it follows the size bar.
#include "colvane/canvas/tool_dispatch_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/clip_art_win.h"
#include "colvane/canvas/colours_win.h"
#include "colvane/canvas/effects_win.h"
#include "colvane/canvas/fill_tools_win.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/canvas/shape_tool_win.h"
#include "colvane/canvas/square_eraser_win.h"
#include "colvane/canvas/stroke_engine_win.h"
#include "colvane/canvas/tool_select_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/screen_area_win.h"
#include "colvane/media/sound_effects_win.h"

namespace {

CanvasPoint At(POINT p) { return CanvasPoint{p.x, p.y}; }

bool Show(HWND window, const GestureResult& r) {
  ShowGestureResult(window, r);
  if (r.coloursChanged) RepaintColourSwatch(window);
  return r.taken;
}

bool FreePress(HWND window, PaintSession& s, POINT p) { return Show(window, FreeStrokePress(&s, At(p))); }
bool FreeDrag(HWND window, PaintSession& s, POINT p) { return Show(window, FreeStrokeDrag(&s, At(p))); }
bool Done(HWND, PaintSession&, POINT) { return true; }

// Modes that may draw straight lines: a line gesture in line mode, else a free stroke.
bool StrokePress(HWND window, PaintSession& s, POINT p) {
  return s.choice.lineMode ? LinePress(window, s, p) : FreePress(window, s, p);
}
bool StrokeDrag(HWND window, PaintSession& s, POINT p) {
  return s.choice.lineMode ? LineDrag(window, s, p) : FreeDrag(window, s, p);
}
bool StrokeRelease(HWND window, PaintSession& s, POINT p) {
  if (!s.choice.lineMode) return true;
  if (LineRelease(window, s)) Show(window, LineStrokeRelease(&s, At(p)));
  ResetLinePoints(&s.tools);
  return true;
}

// The soft eraser also wipes away a running cartoon it touches.
bool SoftEraserDrag(HWND window, PaintSession& s, POINT p) {
  FreeDrag(window, s, p);
  const CartoonHooks& hooks = CurrentCartoonHooks();
  if (hooks.eraseAt && hooks.eraseAt(window, p)) {
    DamageWholeScreen(window);
    UpdateWindow(window);
  }
  return true;
}

bool AbsorbPress(HWND window, PaintSession& s, POINT p) { return Show(window, AbsorbForeground(&s, At(p), true)); }
bool AbsorbRelease(HWND window, PaintSession& s, POINT p) {
  return Show(window, AbsorbForeground(&s, At(p), false));
}
bool StampPressAt(HWND window, PaintSession& s, POINT p) { return Show(window, StampPress(&s, At(p))); }
bool StampDragAt(HWND window, PaintSession& s, POINT p) { return Show(window, StampDrag(&s, At(p))); }

constexpr int kSmall = 0;  // stroke size = size value + 1
constexpr int kLarge = 2;  // stroke size = size value + 3

// mode, press, drag, release, drags without press, press sound, rope frame, keeps points,
// repeats while held, size offset, size handler. Modes 4 and 6 behave like 1, 2 and 5 though
// no command sets them; 18 (effects panel) takes nothing on the paper; 14 is the typewriter's.
const ToolRow kToolRows[] = {
    {kModePencil, StrokePress, StrokeDrag, StrokeRelease, false, nullptr, false, false, false, kSmall, nullptr},
    {kModeBrush, StrokePress, StrokeDrag, StrokeRelease, false, nullptr, false, false, false, kLarge, nullptr},
    {kModeWaterBrush, FreePress, FreeDrag, Done, false, nullptr, false, false, false, kLarge, nullptr},
    {kModeLineSpare4, StrokePress, StrokeDrag, StrokeRelease, false, nullptr, false, false, false, kLarge, nullptr},
    {kModeMarker, StrokePress, StrokeDrag, StrokeRelease, false, nullptr, false, false, false, kLarge, nullptr},
    {kModeLineSpare6, StrokePress, StrokeDrag, StrokeRelease, false, nullptr, false, false, false, kLarge, nullptr},
    {kModeToothpaste, FreePress, FreeDrag, Done, false, nullptr, false, false, true, kLarge, nullptr},
    {kModeAirbrush, FreePress, FreeDrag, Done, false, nullptr, false, false, true, kLarge, nullptr},
    {kModeColourFill, FillPress, nullptr, nullptr, false, nullptr, false, false, false, kLarge, nullptr},
    {kModeSoftEraser, FreePress, SoftEraserDrag, Done, false, nullptr, false, false, false, kSmall, nullptr},
    {kModeAbsorber, AbsorbPress, nullptr, AbsorbRelease, false, nullptr, false, false, false, kLarge, nullptr},
    {kModeMagicStamp, StampPressAt, StampDragAt, Done, false, nullptr, false, false, false, kLarge, nullptr},
    {kModeFreeRope, RopePress, RopeMove, RopeRelease, false, nullptr, true, false, false, kLarge, nullptr},
    {kModeLens, LensPress, nullptr, nullptr, false, "spec", false, false, false, kLarge, nullptr},
    {kModeSticker, nullptr, PlacementDrag, StickerRelease, true, nullptr, false, false, false, kLarge, nullptr},
    {kModeCartoon, nullptr, PlacementDrag, CartoonRelease, true, nullptr, false, false, false, kLarge, nullptr},
    {kModeSquareEraser, SquarePress, SquareDrag, SquareRelease, false, nullptr, false, false, false, kLarge, nullptr},
    {kModePictureEraser, FreePress, FreeDrag, Done, false, nullptr, false, false, false, kLarge, nullptr},
    {kModeTextureFill, FillPress, nullptr, nullptr, false, nullptr, false, false, false, kLarge, nullptr},
    {kModeGradientFill, LinePress, LineDrag, GradientRelease, false, nullptr, false, true, false, kLarge, nullptr},
    {kModeEllipseRope, RopePress, RopeMove, RopeRelease, false, nullptr, true, false, false, kLarge, nullptr},
    {kModeRectangleRope, RopePress, RopeMove, RopeRelease, false, nullptr, true, false, false, kLarge, nullptr},
    {kModeShapes, ShapePress, ShapeDrag, ShapeRelease, false, nullptr, false, true, false, kLarge, nullptr},
};

// The rows by mode: the table above, and the rows modules above the canvas register.
struct RowIndex {
  const ToolRow* byMode[kModeCount] = {};
  ToolRow registered[kModeCount];
  RowIndex() {
    for (const ToolRow& row : kToolRows) byMode[row.mode] = &row;
  }
};

RowIndex& Rows() {
  static RowIndex rows;
  return rows;
}

const ToolRow* RowOf(DrawingMode mode) {
  return mode >= 0 && mode < kModeCount ? Rows().byMode[mode] : nullptr;
}

// No tool acts while the file box covers the desk or before a picture exists.
bool CanvasReady(const PaintSession& s) { return !DeskCovered() && !s.canvas.canvasImage.Empty(); }

}  // namespace

bool CanvasPress(HWND window, POINT p) {
  if (DeskCovered()) return false;
  PaintSession& s = Session();
  const ToolRow* row = RowOf(s.choice.drawingMode);
  if (row && row->pressSound)
    PlaySoundEffect(row->pressSound);
  else
    PlayToolSound();
  if (row && row->ropeFrame) StartRopeFrame(window);
  if (!row || !row->press || !CanvasReady(s)) return false;
  if (row->repeatsWhileHeld) SetTimer(window, timer::kStrokeRepeat, timer::kStrokeRepeatMs, nullptr);
  return row->press(window, s, p);
}

bool CanvasMove(HWND window, POINT p) {
  PaintSession& s = Session();
  const ToolRow* row = RowOf(s.choice.drawingMode);
  if (!row || !row->drag || !CanvasReady(s)) return false;
  return row->drag(window, s, p);
}

bool CanvasRelease(HWND window, POINT p) {
  if (DeskCovered()) return false;
  FreeCursorFromCanvas();
  PaintSession& s = Session();
  const ToolRow* row = RowOf(s.choice.drawingMode);
  if (!row || !row->pressSound) StopSoundEffects();
  KillTimer(window, timer::kStrokeRepeat);
  const bool taken = row && row->release && CanvasReady(s) && row->release(window, s, p);
  // Free strokes end here; line, gradient and shape gestures keep their points to the end.
  if (!s.choice.lineMode && !(row && row->keepsPoints)) ResetLinePoints(&s.tools);
  return taken;
}

bool CanvasTakesDragsWithoutPress() {
  const ToolRow* row = RowOf(Session().choice.drawingMode);
  return row && row->dragsWithoutPress;
}

bool CanvasToolDrags() {
  const ToolRow* row = RowOf(Session().choice.drawingMode);
  return row && row->drag;
}

bool CanvasPickColour(HWND window, POINT p) {
  PaintSession& s = Session();
  if (s.choice.drawingMode != kModeAbsorber || !CanvasReady(s)) return false;
  return Show(window, AbsorbBackground(&s, At(p)));
}

void CanvasSizeChanged(HWND window) {
  const ToolRow* row = RowOf(Session().choice.drawingMode);
  if (row && row->sizeChanged) {
    row->sizeChanged(window);
    return;
  }
  SetToolStrokeSize(StrokeSizeBase(Session().colours) + (row ? row->sizeOffset : kLarge));
}

void RegisterToolRow(const ToolRow& row) {
  if (row.mode < 0 || row.mode >= kModeCount) return;
  RowIndex& rows = Rows();
  rows.registered[row.mode] = row;
  rows.byMode[row.mode] = &rows.registered[row.mode];
}
