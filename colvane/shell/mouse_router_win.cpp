// The six mouse routers: each offers an event to the screen areas in a fixed order until one
// takes it. Areas get layout points; the canvas gets paper points.
#include "colvane/frame/blit.h"
#include "colvane/frame/desk.h"
#include "colvane/shell/app_state.h"
#include "colvane/shell/areas.h"
#include "colvane/shell/shell.h"
#include "easelkit/easelkit.h"

namespace {

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

void ShowArrow(HWND window) {
  SetClassCursor(window, LoadCursorA(nullptr, IDC_ARROW));
  App().arrowShown = 1;
}

}  // namespace

int IsOnPaper(POINT p) {
  const AppState& app = App();
  return p.x >= 0 && p.y >= 0 && p.x < app.paperWidth && p.y < app.paperHeight;
}

int OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
  AppState& app = App();
  if (app.closingSnapshot) return 1;
  RoutedPoints pt = PointsOf(lParam);
  if ((wParam & MK_LBUTTON) && (app.canvasPressed || app.drawingMode == 16 || app.drawingMode == 17)) {
    if (CanvasMove(window, pt.paper)) {
      app.arrowShown = 0;
      return 1;
    }
  }
  const POINT p = pt.layout;
  if (DeskHover(window, p) || SoundPanelHover(window, p) || LibraryHover(window, p) ||
      FileBoxHover(window, p) || ToolboxHover(window, p) || PanelHover(window, p) ||
      ColourHover(window, p, 0) || ColourHover(window, p, 1) || ColourHover(window, p, 2)) {
    app.arrowShown = 0;
    return 1;
  }
  const int dragging = LibraryDragging();
  if (app.fileBoxOpen) {
    if (!app.arrowShown && !dragging) ShowArrow(window);
    return 0;
  }
  const int onPaper = IsOnPaper(pt.paper);
  if (onPaper && !app.toolCursorShown) {
    app.arrowShown = 0;
    app.toolCursorShown = 1;
    if (app.toolIconIndex >= 0 && !dragging) SetClassCursor(window, ToolCursor(app.toolIconIndex));
    return 0;
  }
  if (onPaper) return 0;
  app.toolCursorShown = 0;
  if (!app.arrowShown && !dragging) ShowArrow(window);
  return 0;
}

int OnLeftPress(HWND window, WPARAM, LPARAM lParam) {
  AppState& app = App();
  if (app.closingSnapshot) {
    DestroyWindow(window);
    return 1;
  }
  RoutedPoints pt = PointsOf(lParam);
  if (IsOnPaper(pt.paper)) {
    app.canvasPressed = 1;
    if (CanvasPress(window, pt.paper)) return 1;
  }
  const POINT p = pt.layout;
  if (SoundPanelPress(window, p)) {
    PlaySoundEffect("butdown");
    return 1;
  }
  if (LibraryPress(window, p)) return 1;
  if (FileBoxPress(window, p) || DeskPress(window, p)) {
    PlaySoundEffect("butdown");
    return 1;
  }
  if (ToolboxPress(window, p)) return 1;
  if (PanelPress(window, p)) {
    PlaySoundEffect("butdown");
    return 1;
  }
  return ColourPress(window, p, 0) || ColourPress(window, p, 1) || ColourPress(window, p, 2);
}

int OnLeftRelease(HWND window, WPARAM, LPARAM lParam) {
  AppState& app = App();
  if (app.closingSnapshot) return 1;
  RoutedPoints pt = PointsOf(lParam);
  if (IsOnPaper(pt.paper) || LibraryDragging() || app.canvasPressed) {
    if (CanvasRelease(window, pt.paper)) {
      app.canvasPressed = 0;
      return 1;
    }
  }
  if (isdelayon()) return 0;  // button releases wait until the animation is over
  app.canvasPressed = 0;
  const POINT p = pt.layout;
  return LibraryRelease(window, p) || FileBoxRelease(window, p) || DeskRelease(window, p) ||
         ToolboxRelease(window, p) || PanelRelease(window, p) || ColourRelease(window, p, 0) ||
         ColourRelease(window, p, 1);
}

int OnLeftDoubleClick(HWND window, WPARAM, LPARAM lParam) {
  if (App().closingSnapshot) return 1;
  RoutedPoints pt = PointsOf(lParam);
  return FileBoxDoubleClick(window, pt.layout) || ColourDoubleClick(window, pt.layout);
}

int OnRightPress(HWND window, WPARAM, LPARAM lParam) {
  if (App().closingSnapshot) return 1;
  RoutedPoints pt = PointsOf(lParam);
  if (IsOnPaper(pt.paper) && CanvasPickColour(window, pt.paper)) return 1;
  return ColourRightPress(window, pt.layout);
}

int OnRightRelease(HWND window, WPARAM, LPARAM lParam) {
  if (App().closingSnapshot) return 1;
  RoutedPoints pt = PointsOf(lParam);
  return IsOnPaper(pt.paper) && CanvasPickColour(window, pt.paper);
}

int OnRightDoubleClick(HWND window, WPARAM, LPARAM lParam) {
  if (App().closingSnapshot) return 1;
  return ColourRightDoubleClick(window, PointsOf(lParam).layout);
}

void OnStrokeTimer(HWND window) {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(window, &p);
  ScreenToPaper(&p);
  if (App().canvasPressed) CanvasMove(window, p);
}
