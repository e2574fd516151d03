// The picture effects and the lens on the canvas image and the screen.
#include "colvane/canvas/effects_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/effects.h"
#include "colvane/canvas/lens.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/frame/wait_cursor_win.h"
#include "colvane/media/sound_effects_win.h"

void PictureEffectCommand(HWND window, int effect) {
  WaitCursor wait(window);
  // Played once: a looping tool sound would run on until the next stroke ends.
  PlaySoundEffect("spec");
  if (effect < kEffectBlur || effect > kEffectEmboss) return;
  TakeCanvasUndo();
  PixelView snapshot = UndoSnapshotView();
  PixelView view = CanvasView(Session().canvas);
  if (!snapshot.bits || !view.bits) return;  // no snapshot to read from: nothing changes
  ApplyPictureEffect(effect, &view, snapshot, Session().clip);
  ShowWholeCanvas(window);
}

bool LensPress(HWND window, PaintSession& s, POINT p) {
  TakeCanvasUndo();
  PixelView snapshot = UndoSnapshotView();
  PixelView view = CanvasView(s.canvas);
  if (!snapshot.bits || !view.bits) return false;
  const ChangedRect changed =
      ApplyLens(&view, snapshot, s.clip, p.x, p.y, s.panel.lensStrength, StrokeSizeBase(s.colours));
  FlushChangedRect(window, changed);
  return changed.changed != 0;
}
