// The colour panel on the desk: the current colours, the 16 boxes of a colour page, the page
// buttons and the size bar. Handlers take layout points and return 1 when the point was theirs.
#include <windows.h>
#include <commdlg.h>

#include <initializer_list>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/colours_win.h"
#include "colvane/canvas/tool_select_win.h"
#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/ids.h"
#include "colvane/panels/colour_pages.h"
#include "colvane/panels/colour_panel_win.h"
#include "colvane/text/typewriter_win.h"
#include "colvane/canvas/tool_dispatch_win.h"

namespace {

int colourPage = 0;
bool hoverBoxes = false, hoverThumb = false, hoverPageButtons = false;
bool draggingThumb = false;
bool pageUpPressed = false, pageDownPressed = false;
// The thumb made transparent on its red key once, not on every paint (owned here).
HBITMAP thumbSource = nullptr, thumbImage = nullptr, thumbMask = nullptr;

void FreeThumbPair() {
  if (thumbImage) DeleteObject(thumbImage);
  if (thumbMask) DeleteObject(thumbMask);
  thumbSource = thumbImage = thumbMask = nullptr;
}

ColourPanelGeometry Geometry() {
  const FrameArt& f = Frame();
  ColourPanelGeometry g;
  g.originX = f.colorCord.x;
  g.originY = f.colorCord.y;
  g.boxX = f.palSBoxCord.left;
  g.boxY = f.palSBoxCord.top;
  g.boxW = f.palSBoxCord.right;  // the last two numbers are a size
  g.boxH = f.palSBoxCord.bottom;
  g.pitchX = f.palGBoxCord.x;
  g.rowY = f.palGBoxCord.y;
  g.sizeMin = f.sizeDomain.x;
  g.sizeMax = f.sizeDomain.y;
  g.panelHeight = BitmapSize(f.color).cy;
  SIZE thumb = BitmapSize(f.sizebar);
  g.thumbW = thumb.cx;
  g.thumbH = thumb.cy;
  return g;
}

RECT ToRect(const PanelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// Page button under a point: -1 page-up, +1 page-down, 0 none. Both buttons take the size of
// half the page-up picture.
RECT PageButtonRect(int which) {
  const FrameArt& f = Frame();
  SIZE up = BitmapSize(f.colorPageUp);
  const POINT at = which < 0 ? f.colorPageUpAt : f.colorPageDownAt;
  return RECT{at.x, at.y, at.x + up.cx / 2, at.y + up.cy};
}
int PageButtonAt(POINT p) {
  const RECT a = PageButtonRect(-1), b = PageButtonRect(+1);
  if (PtInRect(&a, p)) return -1;
  if (PtInRect(&b, p)) return +1;
  return 0;
}

// A page button from the left (up) or right (pressed) half of its picture, into dc or, with a
// null dc, onto the window.
void DrawPageButtonHalf(HWND window, HDC dc, int which, bool pressed) {
  const FrameArt& f = Frame();
  SIZE up = BitmapSize(f.colorPageUp);
  HBITMAP art = which < 0 ? f.colorPageUp : f.colorPageDown;
  POINT at = which < 0 ? f.colorPageUpAt : f.colorPageDownAt;
  const POINT source{pressed ? up.cx / 2 : 0, 0};
  if (dc)
    BlitPart(window, dc, art, at, up.cx / 2, up.cy, source, ScreenPalette());
  else
    BlitPartToWindow(window, art, at, up.cx / 2, up.cy, source, ScreenPalette());
}

void RepaintPanel(HWND window) {
  POINT o = Frame().colorCord;
  SIZE s = BitmapSize(Frame().color);
  RECT r{o.x, o.y, o.x + s.cx, o.y + s.cy};
  RepaintLayoutRect(window, &r);
}

void SetHoverCursor(HWND window, bool* flag, int cursorIndex) {
  if (*flag) return;
  *flag = true;
  SetClassCursor(window, ToolCursor(cursorIndex));
}

COLORREF SlotColour(int slot) { return ColourTable()[colourPage * kColoursPerPage + slot]; }

// Each box's pen and brush, kept while its colour stays: every paint of the panel would
// otherwise make and delete thirty-two of them.
struct BoxTools {
  COLORREF colour = CLR_INVALID;
  HPEN pen = nullptr;
  HBRUSH brush = nullptr;
};
BoxTools boxTools[16];

void FreeBoxTools() {
  for (BoxTools& t : boxTools) {
    if (t.pen) DeleteObject(t.pen);
    if (t.brush) DeleteObject(t.brush);
    t = BoxTools{};
  }
}

void FillBox(HDC dc, RECT r, int slot) {
  BoxTools& t = boxTools[slot];
  const COLORREF colour = SlotColour(slot);
  if (t.colour != colour || !t.pen || !t.brush) {
    if (t.pen) DeleteObject(t.pen);
    if (t.brush) DeleteObject(t.brush);
    t.pen = CreatePen(PS_SOLID, 1, colour);
    t.brush = CreateSolidBrush(colour);
    t.colour = colour;
  }
  SelectedObject penIn(dc, t.pen), brushIn(dc, t.brush);
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void DrawSwatchSquare(HDC dc, int x, int y, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  {
    SelectedObject brushIn(dc, brush), black(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, x, y, x + 16, y + 16);
  }
  DeleteObject(brush);
}

// Opens the system colour dialog on a slot, with the page's colours as custom colours.
int ChooseSlotColour(HWND window, int slot, COLORREF* chosen) {
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof(cc);
  cc.hwndOwner = window;
  cc.hInstance = reinterpret_cast<HWND>(GetModuleHandleA(nullptr));
  cc.rgbResult = ColourTable()[colourPage * kColoursPerPage + slot];
  cc.lpCustColors = reinterpret_cast<COLORREF*>(ColourTable() + colourPage * kColoursPerPage);
  cc.Flags = CC_RGBINIT;
  int ok = ChooseColorA(&cc);
  if (ok) *chosen = cc.rgbResult;
  return ok;
}

int SlotAt(POINT p) { return HitColourBox(Geometry(), p.x, p.y); }

// The thumb follows the pointer; the stroke size follows the bar.
void DragThumb(HWND window, POINT p) {
  ColourPanelGeometry g = Geometry();
  ColourState& colours = Session().colours;
  RECT before = ToRect(ThumbRect(g, colours.sizeValue));
  colours.sizeValue = SizeValueAt(g, p.x);
  CanvasSizeChanged(window);
  RECT after = ToRect(ThumbRect(g, colours.sizeValue)), both;
  UnionRect(&both, &before, &after);
  RepaintLayoutRect(window, &both);
}

}  // namespace

void FreeColourPanel() {
  FreeThumbPair();
  FreeBoxTools();
}

namespace {

void PaintColourPanel(HWND window, HDC dc) {
  const FrameArt& f = Frame();
  ColourPanelGeometry g = Geometry();
  SIZE panel = BitmapSize(f.color);
  BlitPart(window, dc, f.color, f.colorCord, panel.cx, panel.cy, POINT{0, 0}, ScreenPalette());
  POINT shift{0, 0};
  LayoutToScreen(&shift);
  for (int i = 0; i < 8; ++i) {
    for (int slot : {i, i + 8}) {
      RECT r = ToRect(ColourBoxRect(g, slot));
      OffsetRect(&r, shift.x, shift.y);
      FillBox(dc, r, slot);
    }
  }
  POINT o = f.colorCord;
  LayoutToScreen(&o);
  DrawSwatchSquare(dc, o.x + 7, o.y + 14, Session().colours.backgroundColour);
  DrawSwatchSquare(dc, o.x + 3, o.y + 8, Session().colours.foregroundColour);
}

void PaintSizeBar(HWND window, HDC dc) {
  const FrameArt& f = Frame();
  if (!f.sizebar) return;
  ColourPanelGeometry g = Geometry();
  PanelRect thumb = ThumbRect(g, Session().colours.sizeValue);
  POINT at{thumb.left, thumb.top};
  LayoutToScreen(&at);
  if (thumbSource != f.sizebar) {
    FreeThumbPair();
    MakeTransparentPair(window, f.sizebar, ScreenPalette(), RGB(255, 0, 0), &thumbImage, &thumbMask);
    thumbSource = f.sizebar;
  }
  BlitTransparentPair(window, dc, thumbImage, thumbMask, ScreenPalette(), at.x, at.y, g.thumbW, g.thumbH, 0, 0);
}

RECT ColourPanelBounds() {
  const POINT o = Frame().colorCord;
  const SIZE s = BitmapSize(Frame().color);
  return RECT{o.x, o.y, o.x + s.cx, o.y + s.cy};
}

// Where the marker can stand: along the size domain, at its height.
RECT SizeBarBounds() {
  const ColourPanelGeometry g = Geometry();
  const PanelRect smallest = ThumbRect(g, 0), largest = ThumbRect(g, kSizeValueMax);
  RECT a{smallest.left, smallest.top, smallest.left + g.thumbW, smallest.top + g.thumbH};
  RECT b{largest.left, largest.top, largest.left + g.thumbW, largest.top + g.thumbH}, both;
  UnionRect(&both, &a, &b);
  return both;
}

RECT ColourPagesBounds() {
  const FrameArt& f = Frame();
  const SIZE up = BitmapSize(f.colorPageUp);
  RECT a{f.colorPageUpAt.x, f.colorPageUpAt.y, f.colorPageUpAt.x + up.cx / 2, f.colorPageUpAt.y + up.cy};
  RECT b{f.colorPageDownAt.x, f.colorPageDownAt.y, f.colorPageDownAt.x + up.cx / 2, f.colorPageDownAt.y + up.cy}, both;
  UnionRect(&both, &a, &b);
  return both;
}

void PaintColourPageButtons(HWND window, HDC dc) {
  DrawPageButtonHalf(window, dc, -1, pageUpPressed);
  DrawPageButtonHalf(window, dc, +1, pageDownPressed);
}

bool ColourBoxHover(HWND window, POINT p) {
  if (LibraryShown()) return false;
  if (SlotAt(p) < 0) {
    hoverBoxes = false;  // the pointer left: the next entry sets the cursor again
    return false;
  }
  SetHoverCursor(window, &hoverBoxes, kIconAbsorber);
  return true;
}

bool ColourBoxPress(HWND window, POINT p) {
  if (LibraryShown()) return false;
  int slot = SlotAt(p);
  if (slot < 0) return false;
  SetForegroundColour(window, SlotColour(slot));
  TypewriterRerender(window);
  return true;
}

// A double click on a box opens the colour dialog on it; the chosen colour goes to `set`.
static bool ChooseForBox(HWND window, POINT p, void (*set)(HWND, COLORREF)) {
  if (LibraryShown()) return false;
  int slot = SlotAt(p);
  if (slot < 0) return false;
  COLORREF chosen;
  if (ChooseSlotColour(window, slot, &chosen)) set(window, chosen);
  RepaintPanel(window);
  return true;
}

// The typewriter's text takes the new foreground colour.
static void SetTextColourToo(HWND window, COLORREF colour) {
  SetForegroundColour(window, colour);
  TypewriterRerender(window);
}

bool ColourBoxDoubleClick(HWND window, POINT p) { return ChooseForBox(window, p, SetTextColourToo); }

bool ColourBoxRightPress(HWND window, POINT p) {
  if (LibraryShown()) return false;
  int slot = SlotAt(p);
  if (slot < 0) return false;
  SetBackgroundColour(window, SlotColour(slot));
  return true;
}

bool ColourBoxRightDoubleClick(HWND window, POINT p) { return ChooseForBox(window, p, SetBackgroundColour); }

bool SizeBarHover(HWND window, POINT p) {
  if (LibraryShown()) return false;
  if (draggingThumb) {
    DragThumb(window, p);
    return true;
  }
  RECT thumb = ToRect(ThumbRect(Geometry(), Session().colours.sizeValue));
  if (!PtInRect(&thumb, p)) {
    hoverThumb = false;  // the pointer left: the next entry sets the cursor again
    return false;
  }
  SetHoverCursor(window, &hoverThumb, kIconHand);
  return true;
}

bool SizeBarPress(HWND, POINT p) {
  if (LibraryShown()) return false;
  RECT thumb = ToRect(ThumbRect(Geometry(), Session().colours.sizeValue));
  if (!PtInRect(&thumb, p)) return false;
  draggingThumb = true;
  return true;
}

void SizeBarEndDrag(HWND, POINT) { draggingThumb = false; }

bool ColourPageHover(HWND window, POINT p) {
  if (LibraryShown()) return false;
  if (PageButtonAt(p) == 0) {
    hoverPageButtons = false;  // the pointer left: the next entry sets the cursor again
    return false;
  }
  SetHoverCursor(window, &hoverPageButtons, kIconGrab);
  return true;
}

// The pressed look stays until the release, also through the panel's repaint.
bool ColourPagePress(HWND window, POINT p) {
  if (LibraryShown()) return false;
  int step = PageButtonAt(p);
  if (step == 0) return false;
  colourPage = StepColourPage(colourPage, step);
  (step < 0 ? pageUpPressed : pageDownPressed) = true;
  DrawPageButtonHalf(window, nullptr, step, true);
  RepaintPanel(window);
  return true;
}

// The page buttons come up again; the release is not claimed.
bool ColourPageRelease(HWND window, POINT) {
  if (LibraryShown()) return false;
  if (pageUpPressed) DrawPageButtonHalf(window, nullptr, -1, false);
  if (pageDownPressed) DrawPageButtonHalf(window, nullptr, +1, false);
  pageUpPressed = pageDownPressed = false;
  return false;
}

int ColourBoxTargets(AreaTarget* out, int capacity) {
  static const char* const kNames[kColoursPerPage] = {"colour 1",  "colour 2",  "colour 3",  "colour 4",
                                                      "colour 5",  "colour 6",  "colour 7",  "colour 8",
                                                      "colour 9",  "colour 10", "colour 11", "colour 12",
                                                      "colour 13", "colour 14", "colour 15", "colour 16"};
  if (LibraryShown() || DeskCovered()) return 0;  // under the file box nothing here is pressed
  int n = 0;
  for (int slot = 0; slot < kColoursPerPage; ++slot)
    AddTarget(out, capacity, &n, ToRect(ColourBoxRect(Geometry(), slot)), kNames[slot]);
  return n;
}

int SizeBarTargets(AreaTarget* out, int capacity) {
  if (LibraryShown() || DeskCovered()) return 0;  // under the file box nothing here is pressed
  int n = 0;
  AddTarget(out, capacity, &n, ToRect(ThumbRect(Geometry(), Session().colours.sizeValue)), "size", TargetUse::kCarry);
  return n;
}

int ColourPageTargets(AreaTarget* out, int capacity) {
  if (LibraryShown() || DeskCovered()) return 0;  // under the file box nothing here is pressed
  int n = 0;
  AddTarget(out, capacity, &n, PageButtonRect(-1), "page up");
  AddTarget(out, capacity, &n, PageButtonRect(+1), "page down");
  return n;
}

}  // namespace

const ScreenArea kColourBoxesArea = {"colour boxes", nullptr, ColourBoxHover, ColourBoxPress, nullptr,
                                     ColourBoxDoubleClick, ColourBoxRightPress, ColourBoxRightDoubleClick,
                                     nullptr, PaintColourPanel, nullptr, false, ColourBoxTargets, ColourPanelBounds, false};
const ScreenArea kSizeBarArea = {"size bar", nullptr, SizeBarHover, SizeBarPress, nullptr, nullptr, nullptr, nullptr,
                                 SizeBarEndDrag, PaintSizeBar, nullptr, false, SizeBarTargets, SizeBarBounds, false};
const ScreenArea kColourPagesArea = {"colour pages", nullptr, ColourPageHover, ColourPagePress, ColourPageRelease,
                                     nullptr, nullptr, nullptr, nullptr, PaintColourPageButtons, nullptr, false,
                                     ColourPageTargets, ColourPagesBounds, false};

bool SizeBarDragging() { return draggingThumb; }
