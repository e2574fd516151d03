// The painting session's shared rules and the gestures that need no window.
#include "colvane/canvas/paint_session.h"

#include "colvane/canvas/magic_stamp.h"
#include "colvane/canvas/stroke_walker.h"

void SetSessionPaperSize(PaintSession* s, int width, int height) { s->clip.SetAll(width, height); }

void ChooseDrawingMode(PaintSession* s, DrawingMode mode) { s->choice.drawingMode = mode; }

void ResetStrokeSize(PaintSession* s) {
  s->colours.sizeValue = kStartSizeValue;
  SetSessionStrokeSize(s, kStartSizeValue);
}

void SetSessionStrokeSize(PaintSession* s, int size) {
  SetStrokeSize(&s->tools.masks, size, s->choice.drawingMode);
}

StrokeTarget SessionStrokeTarget(PaintSession* s) {
  StrokeTarget t;
  t.canvas = CanvasView(s->canvas);
  t.clip = &s->clip;
  t.drawingMode = s->choice.drawingMode;
  t.foreground = s->colours.foregroundColour;
  t.background = s->colours.backgroundColour;
  t.texture = &s->tools.texture;
  t.areaPicture = s->tools.areaPicture.view.bits ? &s->tools.areaPicture.view : nullptr;
  t.pictureModified = &s->canvas.pictureModified;
  return t;
}

namespace {

GestureResult Taken(ChangedRect changed, bool undo) {
  GestureResult r;
  r.taken = true;
  r.undoTaken = undo;
  r.changed = changed;
  return r;
}

// The stamp's frame is centred on the point.
ChangedRect Stamp(PaintSession* s, CanvasPoint p) {
  return PaintMagicStamp(&s->tools.magicStamp, CanvasView(s->canvas), s->clip, p.x - 64, p.y - 64,
                         &s->canvas.pictureModified);
}

}  // namespace

GestureResult FreeStrokePress(PaintSession* s, CanvasPoint p) {
  TakeUndoSnapshot(&s->canvas);
  return Taken(BeginStroke(&s->tools.stroke, s->tools.masks, SessionStrokeTarget(s), p.x, p.y), true);
}

GestureResult FreeStrokeDrag(PaintSession* s, CanvasPoint p) {
  return Taken(ContinueStroke(&s->tools.stroke, s->tools.masks, SessionStrokeTarget(s), p.x, p.y), false);
}

GestureResult LineStrokeRelease(PaintSession* s, CanvasPoint p) {
  ToolState& t = s->tools;
  GestureResult r =
      Taken(Walk(&t.stroke, t.masks, SessionStrokeTarget(s), t.lineStartX, t.lineStartY, p.x, p.y), false);
  ResetLinePoints(&t);
  return r;
}

GestureResult StampPress(PaintSession* s, CanvasPoint p) {
  TakeUndoSnapshot(&s->canvas);
  return Taken(Stamp(s, p), true);
}

GestureResult StampDrag(PaintSession* s, CanvasPoint p) { return Taken(Stamp(s, p), false); }

GestureResult AbsorbForeground(PaintSession* s, CanvasPoint p, bool takeUndo) {
  if (takeUndo) TakeUndoSnapshot(&s->canvas);
  s->colours.foregroundColour = ReadCanvasPixel(s->canvas, p.x, p.y);
  GestureResult r = Taken(ChangedRect{}, takeUndo);
  r.coloursChanged = true;
  return r;
}

GestureResult AbsorbBackground(PaintSession* s, CanvasPoint p) {
  s->colours.backgroundColour = ReadCanvasPixel(s->canvas, p.x, p.y);
  GestureResult r = Taken(ChangedRect{}, false);
  r.coloursChanged = true;
  return r;
}
