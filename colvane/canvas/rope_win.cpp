// Rope gestures, the clip region made from them, and the dashed frame that marches around it.
#include "colvane/canvas/rope_win.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/region_rects_win.h"
#include "colvane/canvas/rope_outline.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/ids.h"

namespace {

HRGN clipRegion = nullptr;     // owned here; canvas coordinates; its pixels are the session's clip
std::vector<POINT> ropePoints;  // canvas coordinates; ellipse and rectangle keep two
POINT lastPreview{0, 0};        // window coordinates
int framePhase = 0;
bool frameTimerOn = false;
// The frame: the selection's edge pixels in order along the edge, dashed by distance along it
// with the colours of the "RgnBrush" pattern's top row (four white, four black), so the dashes
// are as even on a slant as across. A pattern brush fixed to the screen, as FrameRgn lays it,
// shows one colour for the whole of a slanted side.
std::vector<OutlinePixel> outline;
COLORREF dashColours[8] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0};
bool dashColoursLoaded = false;

POINT ToWindow(POINT paper) {
  return POINT{paper.x + Screen().paperOriginX, paper.y + Screen().paperOriginY};
}

// The clip keeps the size of the shown paper it was given by SetClipArea.
void RebuildClip() {
  ClipMask& clip = Session().clip;
  ClipMaskFromRegion(clipRegion, clip.Width(), clip.Height(), &clip);
  outline = clipRegion ? TraceOutline(clip) : std::vector<OutlinePixel>();
}

// The dash colours from the top row of the "RgnBrush" resource; white and black without it.
void LoadDashColours() {
  HBITMAP pattern = LoadBitmapA(GetModuleHandleA(nullptr), "RgnBrush");
  if (!pattern) return;
  BITMAP size{};
  GetObjectA(pattern, sizeof(size), &size);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 8;
  info.bmiHeader.biHeight = -8;  // top-down, so the top row comes first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  uint8_t rows[8 * 8 * 4];
  HDC dc = GetDC(nullptr);
  if (size.bmWidth == 8 && size.bmHeight == 8 && GetDIBits(dc, pattern, 0, 8, rows, &info, DIB_RGB_COLORS) == 8)
    for (int i = 0; i < 8; ++i) dashColours[i] = RGB(rows[4 * i + 2], rows[4 * i + 1], rows[4 * i]);
  ReleaseDC(nullptr, dc);
  DeleteObject(pattern);
}

void DropSelection() {
  if (clipRegion) DeleteObject(clipRegion);
  clipRegion = nullptr;
  RebuildClip();
}

// A window DC set up for the rope previews: R2_NOT, no fill, the default pen, clipped to the
// visible canvas.
HDC BeginPreview(HWND window) {
  HDC dc = GetDC(window);
  const ScreenLayout& app = Screen();
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

void SetClipArea(int width, int height) {
  SetSessionPaperSize(&Session(), width, height);
  if (clipRegion) {
    HRGN canvasRect = CreateRectRgn(0, 0, width, height);
    CombineRgn(clipRegion, clipRegion, canvasRect, RGN_AND);
    DeleteObject(canvasRect);
  }
  RebuildClip();
}

void StartRopeFrame(HWND window) {
  if (!frameTimerOn) frameTimerOn = SetTimer(window, timer::kRopeFrame, timer::kRopeFrameMs, nullptr) != 0;
  if (!dashColoursLoaded) LoadDashColours();
  dashColoursLoaded = true;
}

bool RopePress(HWND window, PaintSession&, POINT paper) {
  ropePoints.clear();
  if (clipRegion) {
    // Wipe the frame off the screen: the selection's box comes back from the canvas bitmap.
    RECT box;
    GetRgnBox(clipRegion, &box);
    ShowCanvasRect(window, box);
    DropSelection();
  }
  ropePoints.push_back(paper);
  lastPreview = ToWindow(paper);
  return true;
}

bool RopeMove(HWND window, PaintSession& s, POINT paper) {
  if (ropePoints.empty()) return false;
  const DrawingMode mode = s.choice.drawingMode;
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
  return true;
}

bool RopeRelease(HWND window, PaintSession& s, POINT) {
  const DrawingMode mode = s.choice.drawingMode;
  const size_t needed = mode == kModeFreeRope ? 3 : 2;
  if (ropePoints.size() < needed) {
    if (mode != kModeFreeRope) ErasePreview(window, mode);
    DropSelection();
    ropePoints.clear();
    return true;
  }
  ErasePreview(window, mode);
  DropSelection();
  HRGN region = MakeRegion(mode);
  if (!region) return true;
  if (IsEmpty(region)) {
    DeleteObject(region);
    ropePoints.clear();
    return true;
  }
  HRGN canvasRect = CreateRectRgn(0, 0, s.clip.Width(), s.clip.Height());
  int kind = CombineRgn(region, region, canvasRect, RGN_AND);
  DeleteObject(canvasRect);
  // A selection wholly off the paper would stop every tool without showing a frame.
  if (kind == NULLREGION || kind == ERROR) {
    DeleteObject(region);
    ropePoints.clear();
    return true;
  }
  clipRegion = region;
  RebuildClip();
  return true;
}

// Each step moves the dashes one pixel along the edge; they repeat every 8 steps.
void RopeFrameTick(HWND window) {
  if (!clipRegion || outline.empty()) return;
  const int ox = Screen().paperOriginX, oy = Screen().paperOriginY;
  HDC dc = GetDC(window);
  for (const OutlinePixel& p : outline) SetPixelV(dc, ox + p.x, oy + p.y, dashColours[DashIndex(p.along, framePhase)]);
  framePhase = (framePhase + 1) % 8;
  ReleaseDC(window, dc);
}

void FreeRope(HWND window) {
  if (frameTimerOn && window) KillTimer(window, timer::kRopeFrame);
  frameTimerOn = false;
  ropePoints.clear();
  ropePoints.shrink_to_fit();
  DropSelection();
}
