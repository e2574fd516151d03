// Rope gestures, the clip region made from them, and the striped frame that marches around it.
#include "colvane/canvas/rope_win.h"

#include <algorithm>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/region_rects_win.h"
#include "colvane/shell/app_state.h"
#include "colvane/shell/areas.h"

namespace {

constexpr int kModeFreeRope = 13;
constexpr int kModeEllipseRope = 23;
constexpr int kModeRectangleRope = 24;
constexpr UINT_PTR kFrameTimer = 3;

HRGN clipRegion = nullptr;     // owned here; canvas coordinates
ClipMask clip;                 // the pixels of clipRegion, or everything
int areaWidth = 640, areaHeight = 480;
std::vector<POINT> ropePoints;  // canvas coordinates; ellipse and rectangle keep two
POINT lastPreview{0, 0};        // window coordinates
int framePhase = 0;
int frameTimerOn = 0;
HBITMAP frameBitmap = nullptr;  // owned here: the "RgnBrush" pattern
HBRUSH frameBrush = nullptr;    // owned here

POINT ToWindow(POINT paper) {
  return POINT{paper.x + App().paperOriginX, paper.y + App().paperOriginY};
}

void RebuildClip() { ClipMaskFromRegion(clipRegion, areaWidth, areaHeight, &clip); }

void DropSelection() {
  if (clipRegion) DeleteObject(clipRegion);
  clipRegion = nullptr;
  RebuildClip();
}

// A window DC set up for the rope previews: R2_NOT, no fill, the default pen, clipped to the
// visible canvas.
HDC BeginPreview(HWND window) {
  HDC dc = GetDC(window);
  const AppState& app = App();
  IntersectClipRect(dc, app.paperOriginX, app.paperOriginY, app.paperOriginX + app.paperWidth,
                    app.paperOriginY + app.paperHeight);
  SetROP2(dc, R2_NOT);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  return dc;
}

void EndPreview(HWND window, HDC dc) { ReleaseDC(window, dc); }

// The ellipse or rectangle bounded by two window points; drawing it twice restores the screen.
void DrawRopeShape(HDC dc, int mode, POINT a, POINT b) {
  int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
  int right = std::max(a.x, b.x), bottom = std::max(a.y, b.y);
  if (mode == kModeEllipseRope)
    Ellipse(dc, left, top, right, bottom);
  else
    Rectangle(dc, left, top, right, bottom);
}

void DrawTrail(HDC dc) {
  for (size_t i = 1; i < ropePoints.size(); ++i) {
    POINT a = ToWindow(ropePoints[i - 1]), b = ToWindow(ropePoints[i]);
    MoveToEx(dc, a.x, a.y, nullptr);
    LineTo(dc, b.x, b.y);
  }
}

// Removes whatever preview the gesture left on the screen.
void ErasePreview(HWND window, int mode) {
  HDC dc = BeginPreview(window);
  if (mode == kModeFreeRope)
    DrawTrail(dc);
  else if (ropePoints.size() >= 2)
    DrawRopeShape(dc, mode, ToWindow(ropePoints[0]), ToWindow(ropePoints[1]));
  EndPreview(window, dc);
}

// The elliptic region whose pixels run from left..right and top..bottom inclusive. Some GDIs
// (Wine's among them) stop an elliptic region one pixel short of its right and bottom edges; the
// selection must still reach the corner where the drag ended.
HRGN EllipseThrough(int left, int top, int right, int bottom) {
  HRGN region = CreateEllipticRgn(left, top, right + 1, bottom + 1);
  RECT box;
  if (region && GetRgnBox(region, &box) != NULLREGION && (box.right <= right || box.bottom <= bottom)) {
    DeleteObject(region);
    region = CreateEllipticRgn(left, top, right + 2, bottom + 2);
  }
  return region;
}

HRGN MakeRegion(int mode) {
  if (mode == kModeFreeRope)
    return CreatePolygonRgn(ropePoints.data(), static_cast<int>(ropePoints.size()), WINDING);
  POINT a = ropePoints[0], b = ropePoints[1];
  int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
  int right = std::max(a.x, b.x), bottom = std::max(a.y, b.y);
  if (mode == kModeEllipseRope) return EllipseThrough(left, top, right, bottom);
  return CreateRectRgn(left, top, right, bottom);
}

bool IsEmpty(HRGN region) {
  RECT box;
  return GetRgnBox(region, &box) == NULLREGION;
}

}  // namespace

HRGN ClipRegion() { return clipRegion; }
const ClipMask& CanvasClip() { return clip; }

void SetClipArea(int width, int height) {
  areaWidth = width;
  areaHeight = height;
  if (clipRegion) {
    HRGN canvasRect = CreateRectRgn(0, 0, width, height);
    CombineRgn(clipRegion, clipRegion, canvasRect, RGN_AND);
    DeleteObject(canvasRect);
  }
  RebuildClip();
}

void StartRopeFrame(HWND window) {
  if (!frameTimerOn) frameTimerOn = SetTimer(window, kFrameTimer, 100, nullptr) != 0;
  if (!frameBrush) {
    if (!frameBitmap) frameBitmap = LoadBitmapA(App().instance, "RgnBrush");
    if (frameBitmap) frameBrush = CreatePatternBrush(frameBitmap);
  }
}

int RopePress(HWND window, POINT paper) {
  ropePoints.clear();
  if (clipRegion) {
    // Wipe the frame off the screen: the selection's box comes back from the canvas bitmap.
    RECT box;
    GetRgnBox(clipRegion, &box);
    HBITMAP canvasBitmap = CanvasBitmap();
    if (canvasBitmap) {
      const AppState& app = App();
      HDC dc = GetDC(window);
      IntersectClipRect(dc, app.paperOriginX, app.paperOriginY, app.paperOriginX + kCanvasWidth,
                        app.paperOriginY + kCanvasHeight);
      HDC memory = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(memory, canvasBitmap);
      BitBlt(dc, app.paperOriginX + box.left, app.paperOriginY + box.top, box.right - box.left,
             box.bottom - box.top, memory, box.left, box.top, SRCCOPY);
      SelectObject(memory, old);
      DeleteDC(memory);
      ReleaseDC(window, dc);
    }
    DropSelection();
  }
  ropePoints.push_back(paper);
  lastPreview = ToWindow(paper);
  return 1;
}

int RopeMove(HWND window, POINT paper) {
  if (ropePoints.empty()) return 0;
  const int mode = App().drawingMode;
  if (mode == kModeFreeRope || ropePoints.size() < 2)
    ropePoints.push_back(paper);
  else
    ropePoints[1] = paper;
  const POINT current = ToWindow(paper);
  HDC dc = BeginPreview(window);
  if (mode == kModeFreeRope) {
    MoveToEx(dc, lastPreview.x, lastPreview.y, nullptr);
    LineTo(dc, current.x, current.y);
  } else {
    const POINT anchor = ToWindow(ropePoints[0]);
    DrawRopeShape(dc, mode, anchor, lastPreview);
    DrawRopeShape(dc, mode, anchor, current);
  }
  EndPreview(window, dc);
  lastPreview = current;
  return 1;
}

int RopeRelease(HWND window, POINT) {
  const int mode = App().drawingMode;
  const size_t needed = mode == kModeFreeRope ? 3 : 2;
  if (ropePoints.size() < needed) {
    if (mode != kModeFreeRope) ErasePreview(window, mode);
    DropSelection();
    ropePoints.clear();
    return 1;
  }
  ErasePreview(window, mode);
  DropSelection();
  HRGN region = MakeRegion(mode);
  if (!region) return 1;
  if (IsEmpty(region)) {
    DeleteObject(region);
    ropePoints.clear();
    return 1;
  }
  HRGN canvasRect = CreateRectRgn(0, 0, areaWidth, areaHeight);
  int kind = CombineRgn(region, region, canvasRect, RGN_AND);
  DeleteObject(canvasRect);
  // A selection wholly off the paper would stop every tool without showing a frame.
  if (kind == NULLREGION || kind == ERROR) {
    DeleteObject(region);
    ropePoints.clear();
    return 1;
  }
  clipRegion = region;
  RebuildClip();
  return 1;
}

void RopeFrameTick(HWND window) {
  if (!clipRegion || !frameBrush) return;
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  if (!copy) return;
  CombineRgn(copy, clipRegion, nullptr, RGN_COPY);
  OffsetRgn(copy, App().paperOriginX, App().paperOriginY);
  HDC dc = GetDC(window);
  UnrealizeObject(frameBrush);
  SetBrushOrgEx(dc, framePhase, 0, nullptr);
  framePhase = (framePhase + 1) % 8;
  FrameRgn(dc, copy, frameBrush, 1, 1);
  ReleaseDC(window, dc);
  DeleteObject(copy);
}

void FreeRope(HWND window) {
  if (frameTimerOn && window) KillTimer(window, kFrameTimer);
  frameTimerOn = 0;
  if (frameBrush) DeleteObject(frameBrush);
  frameBrush = nullptr;
  if (frameBitmap) DeleteObject(frameBitmap);
  frameBitmap = nullptr;
  ropePoints.clear();
  ropePoints.shrink_to_fit();
  DropSelection();
}
