// The table of canvas tools: for each drawing mode what a press, drag and release on the paper do.
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
#include "colvane/frame/desk_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/media/sound_effects_win.h"

namespace {

using ToolHandler = bool (*)(HWND window, POINT paper);

CanvasPoint At(POINT p) { return CanvasPoint{p.x, p.y}; }

ToolHandler typewriterPress = nullptr;  // the typewriter's, set at start-up
bool TypewriterPress(HWND window, POINT p) { return typewriterPress && typewriterPress(window, p); }

bool Show(HWND window, const GestureResult& r) {
  ShowGestureResult(window, r);
  if (r.coloursChanged) RepaintColourSwatch(window);
  return r.taken;
}

bool FreePress(HWND window, POINT p) { return Show(window, FreeStrokePress(&Session(), At(p))); }
bool FreeDrag(HWND window, POINT p) { return Show(window, FreeStrokeDrag(&Session(), At(p))); }
bool Done(HWND, POINT) { return true; }

// Modes that may draw straight lines: a line gesture in line mode, else a free stroke.
bool StrokePress(HWND window, POINT p) {
  return Session().choice.lineMode ? LinePress(window, p) : FreePress(window, p);
}
bool StrokeDrag(HWND window, POINT p) {
  return Session().choice.lineMode ? LineDrag(window, p) : FreeDrag(window, p);
}
bool StrokeRelease(HWND window, POINT p) {
  PaintSession& s = Session();
  if (!s.choice.lineMode) return true;
  if (LineRelease(window)) Show(window, LineStrokeRelease(&s, At(p)));
  ResetLinePoints(&s.tools);
  return true;
}

// The soft eraser also wipes away a running cartoon it touches.
bool SoftEraserDrag(HWND window, POINT p) {
  FreeDrag(window, p);
  const CartoonHooks& hooks = CurrentCartoonHooks();
  if (hooks.eraseAt && hooks.eraseAt(window, p)) {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
  }
  return true;
}

bool AbsorbPress(HWND window, POINT p) { return Show(window, AbsorbForeground(&Session(), At(p), true)); }
bool AbsorbRelease(HWND window, POINT p) { return Show(window, AbsorbForeground(&Session(), At(p), false)); }
bool StampPressAt(HWND window, POINT p) { return Show(window, StampPress(&Session(), At(p))); }
bool StampDragAt(HWND window, POINT p) { return Show(window, StampDrag(&Session(), At(p))); }

struct ToolRow {
  int mode;
  ToolHandler press, drag, release;
  bool dragsWithoutPress;  // pictures dragged in from the library
};

// Modes 4 and 6 behave like 1, 2 and 5 though no command sets them; 18 (effects panel) takes
// nothing on the paper.
const ToolRow kToolRows[] = {
    {kModePencil, StrokePress, StrokeDrag, StrokeRelease, false},
    {kModeBrush, StrokePress, StrokeDrag, StrokeRelease, false},
    {kModeWaterBrush, FreePress, FreeDrag, Done, false},
    {kModeLineSpare4, StrokePress, StrokeDrag, StrokeRelease, false},
    {kModeMarker, StrokePress, StrokeDrag, StrokeRelease, false},
    {kModeLineSpare6, StrokePress, StrokeDrag, StrokeRelease, false},
    {kModeToothpaste, FreePress, FreeDrag, Done, false},
    {kModeAirbrush, FreePress, FreeDrag, Done, false},
    {kModeColourFill, FillPress, nullptr, nullptr, false},
    {kModeSoftEraser, FreePress, SoftEraserDrag, Done, false},
    {kModeAbsorber, AbsorbPress, nullptr, AbsorbRelease, false},
    {kModeMagicStamp, StampPressAt, StampDragAt, Done, false},
    {kModeFreeRope, RopePress, RopeMove, RopeRelease, false},
    {kModeTypewriter, TypewriterPress, nullptr, nullptr, false},
    {kModeLens, LensPress, nullptr, nullptr, false},
    {kModeSticker, nullptr, PlacementDrag, StickerRelease, true},
    {kModeCartoon, nullptr, PlacementDrag, CartoonRelease, true},
    {kModeSquareEraser, SquarePress, SquareDrag, SquareRelease, false},
    {kModePictureEraser, FreePress, FreeDrag, Done, false},
    {kModeTextureFill, FillPress, nullptr, nullptr, false},
    {kModeGradientFill, LinePress, LineDrag, GradientRelease, false},
    {kModeEllipseRope, RopePress, RopeMove, RopeRelease, false},
    {kModeRectangleRope, RopePress, RopeMove, RopeRelease, false},
    {kModeShapes, ShapePress, ShapeDrag, ShapeRelease, false},
};

const ToolRow* CurrentRow() {
  const int mode = Session().choice.drawingMode;
  for (const ToolRow& row : kToolRows)
    if (row.mode == mode) return &row;
  return nullptr;
}

// No tool acts while the file box covers the desk or before a picture exists.
bool CanvasReady() { return !DeskCovered() && !Session().canvas.canvasImage.Empty(); }

}  // namespace

bool CanvasPress(HWND window, POINT p) {
  if (DeskCovered()) return false;
  const int mode = Session().choice.drawingMode;
  if (mode == kModeLens)
    PlaySoundEffect("spec");  // the lens has its own sound
  else
    PlayToolSound();
  if (IsRopeMode(mode)) StartRopeFrame(window);
  const ToolRow* row = CurrentRow();
  if (!row || !row->press || !CanvasReady()) return false;
  return row->press(window, p);
}

bool CanvasMove(HWND window, POINT p) {
  const ToolRow* row = CurrentRow();
  if (!row || !row->drag || !CanvasReady()) return false;
  return row->drag(window, p);
}

bool CanvasRelease(HWND window, POINT p) {
  if (DeskCovered()) return false;
  ClipCursor(nullptr);
  PaintSession& s = Session();
  const int mode = s.choice.drawingMode;
  if (mode != kModeLens) StopSoundEffects();
  const ToolRow* row = CurrentRow();
  const bool taken = row && row->release && CanvasReady() && row->release(window, p);
  // Free strokes end here; line, gradient and shape gestures keep their points to the end.
  if (!s.choice.lineMode && mode != kModeGradientFill && mode != kModeShapes) ResetLinePoints(&s.tools);
  return taken;
}

bool CanvasTakesDragsWithoutPress() {
  const ToolRow* row = CurrentRow();
  return row && row->dragsWithoutPress;
}

void SetTypewriterPress(bool (*press)(HWND window, POINT paper)) { typewriterPress = press; }

bool CanvasPickColour(HWND window, POINT p) {
  PaintSession& s = Session();
  if (s.choice.drawingMode != kModeAbsorber || !CanvasReady()) return false;
  return Show(window, AbsorbBackground(&s, At(p)));
}
