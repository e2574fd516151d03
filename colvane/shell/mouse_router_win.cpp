// The six mouse routers: each offers an event to the screen areas shown, top first, until one
// takes it. The canvas, while shown, takes presses on the paper first, and the moves and the
// release of its strokes; areas get layout points, the canvas paper points.
#include "colvane/canvas/tool_dispatch_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/canvas/canvas_view_win.h"
#include "colvane/media/sound_effects_win.h"
#include "colvane/shell/exit_screen_win.h"
#include "colvane/shell/screen_areas_win.h"
#include "colvane/shell/shell_win.h"
#include "colvane/shell/synthetic_mouse_win.h"
#include "easelkit/easelkit_win.h"

namespace {

bool canvasPressed = false;  // from a left press on the paper until the left release is routed
// The window holds the mouse from a press on the paper until its release, so a release anywhere,
// even over another window, ends the stroke here.
bool strokeCapture = false;

void HoldMouse(HWND window) {
  SetCapture(window);
  strokeCapture = true;
}

void FreeMouse() {
  if (!strokeCapture) return;
  strokeCapture = false;
  ReleaseCapture();
}

struct RoutedPoints {
  POINT layout;
  POINT paper;
};

// lParam holds the client point as two unsigned 16-bit halves.
RoutedPoints PointsOf(LPARAM lParam) {
  POINT client{static_cast<LONG>(LOWORD(lParam)), static_cast<LONG>(HIWORD(lParam))};
  RoutedPoints r{client, client};
  ScreenToLayout(&r.layout);
  ScreenToPaper(&r.paper);
  return r;
}

// The first area shown, top down, whose handler in `member` takes the point.
const ScreenArea* Offer(AreaMouseHandler ScreenArea::*member, HWND window, POINT layout) {
  const ScreenAreas areas = ProgramAreas();
  for (int i = 0; i < areas.count; ++i)
    if (OfferToArea(*areas.rows[i], member, window, layout)) return areas.rows[i];
  return nullptr;
}

// A left release ends every area's drag, wherever it lands and whether the area is shown or not.
void EndAreaDrags(HWND window, POINT layout) {
  const ScreenAreas areas = ProgramAreas();
  for (int i = 0; i < areas.count; ++i)
    if (areas.rows[i]->endDrag) areas.rows[i]->endDrag(window, layout);
}

// Under the file box the canvas takes nothing, and the window never holds the mouse for it.
// Under a card or the grown-ups' screen the paper is out of reach.
bool CanvasShown() { return AreaShown(kCanvasArea) && !CoverShown(); }

}  // namespace

bool OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
  if (ExitScreenRunning()) return true;
  const RoutedPoints pt = PointsOf(lParam);
  if ((wParam & MK_LBUTTON) && CanvasShown() && (canvasPressed || CanvasTakesDragsWithoutPress())) {
    if (CanvasMove(window, pt.paper)) {
      CursorTakenByArea();
      return true;
    }
  }
  if (Offer(&ScreenArea::hover, window, pt.layout)) {
    CursorTakenByArea();
    return true;
  }
  if (!CanvasShown() || !IsOnPaper(pt.paper))
    ShowArrowCursor(window);
  else
    ShowToolCursorOnPaper(window, Session().choice.toolIconIndex);
  return false;
}

bool OnLeftPress(HWND window, WPARAM, LPARAM lParam) {
  if (ExitScreenRunning()) {
    DestroyWindow(window);
    return true;
  }
  const RoutedPoints pt = PointsOf(lParam);
  if (CanvasShown() && IsOnPaper(pt.paper)) {
    canvasPressed = true;
    HoldMouse(window);
    if (CanvasPress(window, pt.paper)) return true;
  }
  const ScreenArea* area = Offer(&ScreenArea::press, window, pt.layout);
  if (area && area->pressSound) PlaySoundEffect("butdown");
  return area != nullptr;
}

bool OnLeftRelease(HWND window, WPARAM, LPARAM lParam) {
  if (ExitScreenRunning()) return true;
  const RoutedPoints pt = PointsOf(lParam);
  EndAreaDrags(window, pt.layout);
  if (CanvasShown() && (IsOnPaper(pt.paper) || CursorHeld() || canvasPressed)) {
    if (CanvasRelease(window, pt.paper)) {
      canvasPressed = false;
      FreeMouse();
      return true;
    }
  }
  FreeMouse();
  if (isdelayon()) return false;  // button releases wait until the animation is over
  canvasPressed = false;
  return Offer(&ScreenArea::release, window, pt.layout) != nullptr;
}

bool OnLeftDoubleClick(HWND window, WPARAM, LPARAM lParam) {
  if (ExitScreenRunning()) return true;
  return Offer(&ScreenArea::doubleClick, window, PointsOf(lParam).layout) != nullptr;
}

bool OnRightPress(HWND window, WPARAM, LPARAM lParam) {
  if (ExitScreenRunning()) return true;
  const RoutedPoints pt = PointsOf(lParam);
  if (CanvasShown() && IsOnPaper(pt.paper) && CanvasPickColour(window, pt.paper)) return true;
  return Offer(&ScreenArea::rightPress, window, pt.layout) != nullptr;
}

bool OnRightRelease(HWND window, WPARAM, LPARAM lParam) {
  if (ExitScreenRunning()) return true;
  const RoutedPoints pt = PointsOf(lParam);
  return CanvasShown() && IsOnPaper(pt.paper) && CanvasPickColour(window, pt.paper);
}

bool OnRightDoubleClick(HWND window, WPARAM, LPARAM lParam) {
  if (ExitScreenRunning()) return true;
  return Offer(&ScreenArea::rightDoubleClick, window, PointsOf(lParam).layout) != nullptr;
}

void OnCaptureChanged(HWND window, HWND gaining) {
  if (!gaining || gaining == window) return;  // released by this window, or taken back
  strokeCapture = false;
  if (!canvasPressed) return;
  // The release will go to the other window: the stroke ends now, where the cursor stands.
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(window, &p);
  ScreenToPaper(&p);
  canvasPressed = false;
  CanvasRelease(window, p);
}

void OnStrokeTimer(HWND window) {
  POINT p;
  if (!MadePressHeld(&p)) {  // a stroke by keys or switches stands where they put the pointer
    GetCursorPos(&p);
    ScreenToClient(window, &p);
  }
  ScreenToPaper(&p);
  if (canvasPressed) CanvasMove(window, p);
}
