// The tool option panel under the toolbox: its art, the selected button, and the extras of
// some panels (texture choice, shape strip, stamp strip, lens slider).
#include <windows.h>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/tool_select_win.h"
#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/screen_area_win.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/panels/option_panels_win.h"
#include "colvane/panels/panel_catalogue.h"
#include "colvane/text/face_list_win.h"
#include "colvane/text/typewriter_win.h"

namespace {

const char kSection[] = "DETAILTOOL";

struct OpenPanel {
  const PanelSpec* spec = nullptr;
  POINT origin{0, 0};
  HBITMAP art = nullptr, selectedArt = nullptr;
  SIZE artSize{0, 0};
  ButtonBox boxes[kMaxPanelButtons]{};
  int selected = -1;
  int selectedCommand = -1;
  int pressedPaging = -1;  // stamp paging button held down
  RECT faceField{0, 0, 0, 0};  // the typewriter's face name (layout coordinates)
  HFONT faceFont = nullptr;    // the face name's font, made at its first paint
};

struct Slider {
  HBITMAP knob = nullptr;
  RECT track{0, 0, 0, 0};
  SIZE knobSize{0, 0};
  int dragging = 0, hover = 0;
  int pressX = 0, pressKnobLeft = 0;
};

OpenPanel panel;
Slider slider;
HBITMAP shapeStripArt = nullptr;
int shapeCellWidth = 0;
HBITMAP stampStripArt = nullptr;
int stampCellWidth = 0;

int IsPanel(int toolbarCommand) { return panel.spec && panel.spec->toolbarCommand == toolbarCommand; }

int* TextureOf(int toolbarCommand) {
  PanelChoices& choices = Session().panel;
  if (toolbarCommand == cmd::kFill) return &choices.fillTexture;
  if (toolbarCommand == cmd::kEraser) return &choices.eraserTexture;
  return nullptr;
}

void FreeBitmap(HBITMAP* b) {
  if (*b) DeleteObject(*b);
  *b = nullptr;
}

void FreeExtras() {
  FreeBitmap(&slider.knob);
  slider = Slider{};
  FreeBitmap(&shapeStripArt);
  FreeBitmap(&stampStripArt);
  shapeCellWidth = stampCellWidth = 0;
}

RECT BoxRect(int i) {
  const ButtonBox& b = panel.boxes[i];
  return RECT{b.left, b.top, b.right, b.bottom};
}

RECT PanelRect() {
  return RECT{panel.origin.x, panel.origin.y, panel.origin.x + panel.artSize.cx, panel.origin.y + panel.artSize.cy};
}

void RepaintButton(HWND window, int i) {
  if (i < 0 || !panel.spec || i >= panel.spec->buttonCount) return;
  RECT r = BoxRect(i);
  RepaintLayoutRect(window, &r);
}

void SendCommand(HWND window, int command) { SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0); }

// Reads the origin, the buttons and the two pictures of the panel.
void LoadPanel(HWND window, const PanelSpec& spec) {
  const char* variant = VariantDigit();
  char key[48];
  PanelOriginKey(spec, variant, key, sizeof(key));
  GetLayoutPoint(kSection, key, 0, 0, &panel.origin);
  for (int i = 0; i < spec.buttonCount; ++i) {
    RECT r{0, 0, 0, 0};
    PanelButtonKey(spec.buttons[i], variant, key, sizeof(key));
    GetLayoutRect(kSection, key, 0, 0, 0, 0, &r);
    panel.boxes[i] = ButtonBox{r.left, r.top, r.right, r.bottom};
  }
  const int* texture = TextureOf(spec.toolbarCommand);
  PanelArtKey(spec, texture ? *texture : 0, 0, key, sizeof(key));
  panel.art = LoadLayoutBitmap(window, kSection, key);
  PanelArtKey(spec, texture ? *texture : 0, 1, key, sizeof(key));
  panel.selectedArt = LoadLayoutBitmap(window, kSection, key);
  panel.artSize = BitmapSize(panel.art);
  if (spec.toolbarCommand == cmd::kTypewriter) {
    wsprintfA(key, "TYPE_FONT_CORD%s", variant);
    GetLayoutRect(kSection, key, 0, 0, 0, 0, &panel.faceField);
  }
}

// The typewriter's face name in its field, on the panel's own background.
void DrawFaceName(HDC dc) {
  RECT field = panel.faceField;
  POINT a{field.left, field.top}, b{field.right, field.bottom};
  LayoutToScreen(&a);
  LayoutToScreen(&b);
  RECT r{a.x + 6, a.y, b.x - 4, b.y};
  if (!panel.faceFont) {
    LOGFONTA f{};
    f.lfHeight = -(r.bottom - r.top) * 2 / 3;
    f.lfWeight = FW_BOLD;
    f.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynA(f.lfFaceName, "Arial", LF_FACESIZE);
    panel.faceFont = CreateFontIndirectA(&f);
  }
  SelectedObject font(dc, panel.faceFont);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, RGB(60, 40, 20));
  DrawTextA(dc, TypewriterFace(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

// The typewriter panel: style buttons that add up (plain clears them) and the face name that
// opens the face list. An open list first gives its face to the text and closes.
bool TypewriterPanelPress(HWND window, POINT p) {
  if (FaceListOpen()) {
    TypewriterRerender(window);
    CloseFaceList();
  }
  const int hit = ButtonAt(panel.boxes, panel.spec->buttonCount, p.x, p.y);
  if (hit >= 0) {
    SendCommand(window, panel.spec->buttons[hit].command);
    RedrawOptionPanel(window);
    return true;
  }
  if (!PtInRect(&panel.faceField, p)) return false;
  POINT a{panel.faceField.left, panel.faceField.top}, b{panel.faceField.right, panel.faceField.bottom};
  LayoutToScreen(&a);
  LayoutToScreen(&b);
  OpenFaceList(window, RECT{a.x, a.y, b.x, b.y});
  return true;
}

// A strip of cells named by a bitmap key and a cell-width key; none when the width is 0.
void LoadCellStrip(HWND window, const char* bitmapKey, const char* widthKey, HBITMAP* art, int* cellWidth) {
  int cell = static_cast<int>(GetLayoutInt(kSection, widthKey, 0));
  if (cell <= 0) return;
  *art = LoadLayoutBitmap(window, kSection, bitmapKey);
  if (*art) *cellWidth = cell;
}

void SetUpSlider(HWND window) {
  char key[48];
  wsprintfA(key, "SPECCUR_CORD%s", VariantDigit());
  GetLayoutRect(kSection, key, 0, 0, 0, 0, &slider.track);
  slider.knob = LoadLayoutBitmap(window, kSection, "SPECCUR");
  slider.knobSize = BitmapSize(slider.knob);
  Session().panel.lensStrength = 0;
}

RECT KnobRect() {
  const int kx = SliderKnobLeft(slider.track.left, slider.track.right, slider.knobSize.cx, Session().panel.lensStrength);
  return RECT{kx, slider.track.top, kx + slider.knobSize.cx, slider.track.top + slider.knobSize.cy};
}

// Draws the part of a button's rectangle from one of the panel pictures.
void DrawButton(HWND window, HDC dc, int i, HBITMAP art) {
  if (!art || i < 0) return;
  RECT r = BoxRect(i);
  BlitPart(window, dc, art, POINT{r.left, r.top}, r.right - r.left, r.bottom - r.top,
           POINT{r.left - panel.origin.x, r.top - panel.origin.y}, ScreenPalette());
}

// One cell of a strip centred in a button's rectangle.
void DrawCell(HWND window, HDC dc, HBITMAP art, int cellWidth, int cell, int button) {
  if (!art || cellWidth <= 0 || button < 0) return;
  SIZE s = BitmapSize(art);
  if (cell < 0 || static_cast<long long>(cell + 1) * cellWidth > s.cx) return;
  RECT r = BoxRect(button);
  POINT at{r.left + (r.right - r.left - cellWidth) / 2, r.top + (r.bottom - r.top - s.cy) / 2};
  BlitPart(window, dc, art, at, cellWidth, s.cy, POINT{cell * cellWidth, 0}, ScreenPalette());
}

void DrawShapeExtras(HWND window, HDC dc) {
  const PanelSpec& spec = *panel.spec;
  DrawButton(window, dc, PanelButtonIndex(spec, Session().panel.shapes.hollow ? cmd::kShapeHollow : cmd::kShapeFull),
             panel.selectedArt);
  if (!shapeStripArt) return;
  for (int slot = 0; slot < 3; ++slot)
    DrawCell(window, dc, shapeStripArt, shapeCellWidth, Session().panel.shapes.offset + slot, PanelButtonIndex(spec, cmd::kShapeSlot1 + slot));
}

void DrawSliderKnob(HWND window, HDC dc) {
  if (!slider.knob) return;
  RECT k = KnobRect();
  POINT at{k.left, k.top};
  LayoutToScreen(&at);
  BlitTransparentKeyed(window, dc, slider.knob, ScreenPalette(), at.x, at.y, slider.knobSize.cx,
                       slider.knobSize.cy, 0, 0);
}

void Reopen(HWND window, int toolbarCommand) {
  FreeOptionPanels();
  const PanelSpec* spec = FindPanel(toolbarCommand);
  if (!spec) return;
  panel.spec = spec;
  LoadPanel(window, *spec);
}

int SliderPress(POINT p) {
  if (!slider.knob) return 0;
  RECT k = KnobRect();
  if (!PtInRect(&k, p)) return 0;
  slider.pressX = p.x;
  slider.pressKnobLeft = k.left;
  slider.dragging = 1;
  return 1;
}

void SetGrabCursor(HWND window) {
  if (slider.hover) return;
  slider.hover = 1;
  SetClassCursor(window, ToolCursor(kIconGrab));
}

void DragKnob(HWND window, POINT p) {
  RECT before = KnobRect();
  const int nx = ClampKnobLeft(slider.track.left, slider.track.right, slider.knobSize.cx,
                               p.x - slider.pressX + slider.pressKnobLeft);
  Session().panel.lensStrength = SliderStrength(slider.track.left, slider.track.right, slider.knobSize.cx, nx);
  RECT after = KnobRect(), both;
  UnionRect(&both, &before, &after);
  RepaintLayoutRect(window, &both);
}

}  // namespace

void ShowOptionPanel(HWND window, int toolbarCommand) {
  if (panel.spec) DamageScreen(window, PanelRect());  // where the old panel was
  FreeOptionPanels();
  const PanelSpec* spec = FindPanel(toolbarCommand);
  panel = OpenPanel{};
  if (!spec) {
    // The absorber shows no panel: the old one must leave the screen.
    UpdateWindow(window);
    return;
  }
  panel.spec = spec;
  LoadPanel(window, *spec);
  if (toolbarCommand == cmd::kShapes) {
    LoadCellStrip(window, "JI", "JIW", &shapeStripArt, &shapeCellWidth);
    Session().panel.shapes.count = shapeCellWidth > 0 ? BitmapSize(shapeStripArt).cx / shapeCellWidth : 0;
  }
  if (toolbarCommand == cmd::kMagicStamp) LoadCellStrip(window, "HEAP", "HEAPW", &stampStripArt, &stampCellWidth);
  if (toolbarCommand == cmd::kEffects) SetUpSlider(window);
  panel.selected = spec->defaultIndex;
  panel.selectedCommand = panel.selected >= 0 ? spec->buttons[panel.selected].command : -1;
  if (panel.selected >= 0 && spec->sendsDefault) SendCommand(window, panel.selectedCommand);
  DamageScreen(window, PanelRect());
  UpdateWindow(window);
}

void RedrawOptionPanel(HWND window) {
  if (!panel.spec) return;
  RECT r = PanelRect();
  RepaintLayoutRect(window, &r);
}

static bool ShapePanelCommand(HWND window, int id) {
  if (id < cmd::kShapeFirst || id > cmd::kShapeLast) return false;
  if (!ApplyShapeCommand(&Session().panel.shapes, static_cast<int>(id))) return false;
  if (IsPanel(cmd::kShapes)) RedrawOptionPanel(window);
  return true;
}

static bool StampPagingCommand(HWND window, int id) {
  if (id != cmd::kStampNext && id != cmd::kStampPrevious) return false;
  int& index = Session().tools.stampIndex;
  const int count = MagicStampCount(window) > 0 ? MagicStampCount(window) : 1;
  const int step = id == cmd::kStampNext ? 1 : -1;
  if (id == cmd::kStampNext)
    index = index + 1 >= count ? 0 : index + 1;
  else
    index = index <= 0 ? count - 1 : index - 1;
  const bool loaded = LoadCurrentStamp(window, step);  // passes over stamps that cannot paint
  RedrawOptionPanel(window);
  if (!loaded) WarnNoStamp(window);
  return true;
}

int OpenPanelCommand() { return panel.spec && !IsPanel(cmd::kEffects) ? panel.spec->toolbarCommand : -1; }
int SelectedPanelCommand() { return panel.spec && !IsPanel(cmd::kEffects) ? panel.selectedCommand : -1; }

namespace {

bool Uncovered() { return !DeskCovered(); }

bool Hover(HWND window, POINT p) {
  if (!slider.knob) return 0;
  if (!slider.dragging) {
    RECT k = KnobRect();
    if (!PtInRect(&k, p)) {
      slider.hover = 0;  // the pointer left: the next entry sets the cursor again
      return false;
    }
    SetGrabCursor(window);
    return 1;
  }
  DragKnob(window, p);
  SetGrabCursor(window);
  return 1;
}

bool Press(HWND window, POINT p) {
  if (LibraryShown() || !panel.spec) return false;
  const PanelSpec& spec = *panel.spec;
  if (IsPanel(cmd::kTypewriter)) return TypewriterPanelPress(window, p);
  const int hit = ButtonAt(panel.boxes, spec.buttonCount, p.x, p.y);
  if (SliderPress(p)) return 1;
  if (hit < 0) return 0;
  const int command = spec.buttons[hit].command;
  if (IsPanel(cmd::kShapes) && (command == cmd::kShapeDown || command == cmd::kShapeUp ||
                                command == cmd::kShapeHollow || command == cmd::kShapeFull)) {
    ShapePanelCommand(window, static_cast<UINT>(command));
    return 1;
  }
  if (IsPanel(cmd::kMagicStamp) && (command == cmd::kStampNext || command == cmd::kStampPrevious)) {
    panel.pressedPaging = hit;
    RepaintButton(window, hit);
    return 1;
  }
  int* texture = TextureOf(spec.toolbarCommand);
  const int before = panel.selected;
  panel.selected = hit;
  panel.selectedCommand = command;  // set before the repaint: the effects panel draws by it
  if (hit == before && texture && (command == cmd::kTextureFill || command == cmd::kPictureEraser)) {
    // Pressing the picture button again shows the next texture in the panel's picture.
    *texture = NextTexture(*texture);
    Reopen(window, spec.toolbarCommand);
    RedrawOptionPanel(window);
  } else if (hit != before) {
    RepaintButton(window, before);
    RepaintButton(window, hit);
  }
  SendCommand(window, command);
  return 1;
}

void EndDrag(HWND, POINT) { slider.dragging = 0; }

bool Release(HWND window, POINT) {
  slider.dragging = 0;
  if (panel.pressedPaging >= 0 && panel.spec) {
    const int button = panel.pressedPaging;
    panel.pressedPaging = -1;
    RepaintButton(window, button);
    SendCommand(window, panel.spec->buttons[button].command);
  }
  return 0;
}

void Paint(HWND window, HDC dc) {
  if (!panel.spec || !panel.art) return;
  const PanelSpec& spec = *panel.spec;
  BlitPart(window, dc, panel.art, panel.origin, panel.artSize.cx, panel.artSize.cy, POINT{0, 0}, ScreenPalette());
  if (IsPanel(cmd::kTypewriter)) {
    for (int i = 0; i < spec.buttonCount; ++i)
      if (TypewriterStyleShown(spec.buttons[i].command)) DrawButton(window, dc, i, panel.selectedArt);
    DrawFaceName(dc);
    return;
  }
  const int effects = IsPanel(cmd::kEffects);
  if (panel.selected >= 0 && (!effects || panel.selectedCommand == cmd::kLens))
    DrawButton(window, dc, panel.selected, panel.selectedArt);
  if (panel.pressedPaging >= 0) DrawButton(window, dc, panel.pressedPaging, panel.selectedArt);
  if (IsPanel(cmd::kShapes)) DrawShapeExtras(window, dc);
  if (stampStripArt)
    DrawCell(window, dc, stampStripArt, stampCellWidth, Session().tools.stampIndex, PanelButtonIndex(spec, cmd::kStampSelect));
  if (effects) DrawSliderKnob(window, dc);
}

bool Command(HWND window, int id) { return ShapePanelCommand(window, id) || StampPagingCommand(window, id); }

int Targets(AreaTarget* out, int capacity) {
  if (LibraryShown() || !panel.spec) return 0;
  int n = 0;
  for (int i = 0; i < panel.spec->buttonCount; ++i) AddTarget(out, capacity, &n, BoxRect(i), panel.spec->buttons[i].name);
  if (IsPanel(cmd::kTypewriter)) AddTarget(out, capacity, &n, panel.faceField, "face");
  if (slider.knob) AddTarget(out, capacity, &n, KnobRect(), "strength", TargetUse::kCarry);
  return n;
}

}  // namespace

const ScreenArea kOptionPanelArea = {"option panel", Uncovered, Hover, Press, Release, nullptr, nullptr, nullptr,
                                     EndDrag, Paint, Command, true, Targets, PanelRect, false};

void FreeOptionPanels() {
  FreeExtras();
  FreeBitmap(&panel.art);
  FreeBitmap(&panel.selectedArt);
  if (panel.faceFont) DeleteObject(panel.faceFont);
  const PanelSpec* keep = panel.spec;
  const int selected = panel.selected, command = panel.selectedCommand;
  panel = OpenPanel{};
  // The panel stays "open" for the routing until the next one is shown.
  panel.spec = keep;
  panel.selected = selected;
  panel.selectedCommand = command;
}
