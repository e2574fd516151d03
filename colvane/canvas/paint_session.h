// The painting session: everything a press on the paper works with (the canvas and its undo, the
// clip mask, the tools' running state, the colours, the tool choice and the option-panel
// choices), and the gestures that need no window. Gestures take the session and a canvas point
// and say what happened; the caller flushes rows, repaints and plays sounds.
#pragma once
#include <cstdint>

#include "colvane/canvas/canvas_image.h"
#include "colvane/canvas/changed_rect.h"
#include "colvane/canvas/clip_mask.h"
#include "colvane/canvas/shape_strip.h"
#include "colvane/canvas/colour_state.h"
#include "colvane/canvas/stroke_target.h"
#include "colvane/canvas/tool_state.h"
#include "colvane/ids.h"

// What a press on the paper does. Written only through ChooseDrawingMode and the tool icon's
// selection, so a mode cannot be passed as an icon.
struct ToolChoice {
  DrawingMode drawingMode = kModeNone;
  bool lineMode = false;  // a straight line from press to release (modes 1, 2, 4, 5, 6)
  ToolIcon toolIconIndex = kIconNone;
};

// Choices made on the option panels that the tools read.
struct PanelChoices {
  int fillTexture = 0;    // 0..8, the fill panel's picture
  int eraserTexture = 0;  // 0..8, the eraser panel's picture
  int lensStrength = 0;   // -100..100, the effects slider
  ShapeStrip shapes;      // the shapes panel's strip and its hollow/full choice
};

struct PaintSession {
  CanvasImage canvas;
  ClipMask clip;  // the selection's pixels, or the whole shown canvas without one
  ToolState tools;
  ColourState colours;
  ToolChoice choice;
  PanelChoices panel;
};

struct GestureResult {
  bool taken = false;
  bool undoTaken = false;   // a change began: the snapshot was taken
  ChangedRect changed;      // canvas pixels to push to the screen
  bool wholeRepaint = false;
  bool coloursChanged = false;
};

// The shown part of the canvas (the clip's size): the clip is reset to all of it.
void SetSessionPaperSize(PaintSession* s, int width, int height);
// The one writer of the drawing mode.
void ChooseDrawingMode(PaintSession* s, DrawingMode mode);
// The size value and the stroke size a session starts with.
void ResetStrokeSize(PaintSession* s);
// The stroke size for the current mode: masks rebuilt.
void SetSessionStrokeSize(PaintSession* s, int size);
// What a stroke in the current mode paints into and with.
StrokeTarget SessionStrokeTarget(PaintSession* s);

// A free stroke: the press lays one dab at the point (after the undo snapshot), a drag walks from
// the last point.
GestureResult FreeStrokePress(PaintSession* s, CanvasPoint p);
GestureResult FreeStrokeDrag(PaintSession* s, CanvasPoint p);
// The straight line of a line gesture, from its start to p; the line points end at -1.
GestureResult LineStrokeRelease(PaintSession* s, CanvasPoint p);
// The magic stamp's current frame centred on p (the press also takes the snapshot).
GestureResult StampPress(PaintSession* s, CanvasPoint p);
GestureResult StampDrag(PaintSession* s, CanvasPoint p);
// The absorber: the canvas pixel under p becomes the foreground colour (the press also takes the
// snapshot) or, with the right button, the background colour.
GestureResult AbsorbForeground(PaintSession* s, CanvasPoint p, bool takeUndo);
GestureResult AbsorbBackground(PaintSession* s, CanvasPoint p);
