// The picture effects and the lens on the canvas image and the screen.
#include "colvane/canvas/effects_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/effects.h"
#include "colvane/canvas/lens.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/panels/colour_state.h"
#include "colvane/shell/areas.h"
#include "colvane/shell/wait_cursor_win.h"

void PictureEffectCommand(HWND window, int effect) {
  WaitCursor wait(window);
  // Played once: a looping tool sound would run on until the next stroke ends.
  PlaySoundEffect("spec");
  if (effect < kEffectBlur || effect > kEffectEmboss) return;
  TakeCanvasUndo();
  PixelView snapshot = UndoSnapshotView();
  PixelView view = CanvasView(Canvas());
  if (!snapshot.bits || !view.bits) return;  // no snapshot to read from: nothing changes
  ApplyPictureEffect(effect, &view, snapshot, CanvasClip());
  ShowWholeCanvas(window);
}

int LensPress(HWND window, POINT p) {
  TakeCanvasUndo();
  PixelView snapshot = UndoSnapshotView();
  PixelView view = CanvasView(Canvas());
  if (!snapshot.bits || !view.bits) return 0;
  const ChangedRect changed = ApplyLens(&view, snapshot, CanvasClip(), p.x, p.y, LensStrength(),
                                        Colours().sizeValue + 1);
  FlushChangedRect(window, changed);
  return changed.changed;
}
