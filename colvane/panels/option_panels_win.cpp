// The tool option panel under the toolbox: its art, the selected button, and the extras of
// some panels (texture choice, shape strip, stamp strip, lens slider).
#include <windows.h>

#include "colvane/canvas/tool_state.h"
#include "colvane/frame/blit.h"
#include "colvane/frame/frame_art.h"
#include "colvane/layout/layout_files.h"
#include "colvane/panels/option_panels_win.h"
#include "colvane/panels/panel_catalogue.h"
#include "colvane/shell/app_state.h"
#include "colvane/shell/areas.h"
#include "colvane/shell/shell.h"

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
ShapeStrip shapes;
int textures[2] = {0, 0};  // fill, eraser
int lensStrength = 0;

int IsPanel(int toolbarCommand) { return panel.spec && panel.spec->toolbarCommand == toolbarCommand; }

int* TextureOf(int toolbarCommand) {
  if (toolbarCommand == 1007) return &textures[0];
  if (toolbarCommand == 1008) return &textures[1];
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
  lensStrength = 0;
}

RECT KnobRect() {
  const int kx = SliderKnobLeft(slider.track.left, slider.track.right, slider.knobSize.cx, lensStrength);
  return RECT{kx, slider.track.top, kx + slider.knobSize.cx, slider.track.top + slider.knobSize.cy};
}

// Draws the part of a button's rectangle from one of the panel pictures.
void DrawButton(HWND window, HDC dc, int i, HBITMAP art) {
  if (!art || i < 0) return;
  RECT r = BoxRect(i);
  BlitPart(window, dc, art, POINT{r.left, r.top}, r.right - r.left, r.bottom - r.top,
           POINT{r.left - panel.origin.x, r.top - panel.origin.y}, App().palette);
}

// One cell of a strip centred in a button's rectangle.
void DrawCell(HWND window, HDC dc, HBITMAP art, int cellWidth, int cell, int button) {
  if (!art || cellWidth <= 0 || button < 0) return;
  SIZE s = BitmapSize(art);
  if (cell < 0 || static_cast<long long>(cell + 1) * cellWidth > s.cx) return;
  RECT r = BoxRect(button);
  POINT at{r.left + (r.right - r.left - cellWidth) / 2, r.top + (r.bottom - r.top - s.cy) / 2};
  BlitPart(window, dc, art, at, cellWidth, s.cy, POINT{cell * cellWidth, 0}, App().palette);
}

void DrawShapeExtras(HWND window, HDC dc) {
  const PanelSpec& spec = *panel.spec;
  DrawButton(window, dc, PanelButtonIndex(spec, shapes.hollow ? 31010 : 31011), panel.selectedArt);
  if (!shapeStripArt) return;
  for (int slot = 0; slot < 3; ++slot)
    DrawCell(window, dc, shapeStripArt, shapeCellWidth, shapes.offset + slot, PanelButtonIndex(spec, 31003 + slot));
}

void DrawSliderKnob(HWND window, HDC dc) {
  if (!slider.knob) return;
  RECT k = KnobRect();
  POINT at{k.left, k.top};
  LayoutToScreen(&at);
  BlitTransparentKeyed(window, dc, slider.knob, App().palette, at.x, at.y, slider.knobSize.cx,
                       slider.knobSize.cy, 0, 0);
}

void SendCommand(HWND window, int command) { SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0); }

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
  SetClassCursor(window, ToolCursor(2));
}

void DragKnob(HWND window, POINT p) {
  RECT before = KnobRect();
  const int nx = ClampKnobLeft(slider.track.left, slider.track.right, slider.knobSize.cx,
                               p.x - slider.pressX + slider.pressKnobLeft);
  lensStrength = SliderStrength(slider.track.left, slider.track.right, slider.knobSize.cx, nx);
  RECT after = KnobRect(), both;
  UnionRect(&both, &before, &after);
  RepaintLayoutRect(window, &both);
}

}  // namespace

void ShowOptionPanel(HWND window, int toolbarCommand) {
  KillTimer(window, 1);
  FreeOptionPanels();
  const PanelSpec* spec = FindPanel(toolbarCommand);
  panel = OpenPanel{};
  if (!spec) return;  // the absorber shows no panel
  panel.spec = spec;
  LoadPanel(window, *spec);
  if (toolbarCommand == 1006) SetTimer(window, 1, 100, nullptr);
  if (toolbarCommand == 2001) {
    LoadCellStrip(window, "JI", "JIW", &shapeStripArt, &shapeCellWidth);
    shapes.count = shapeCellWidth > 0 ? BitmapSize(shapeStripArt).cx / shapeCellWidth : 0;
  }
  if (toolbarCommand == 2006) LoadCellStrip(window, "HEAP", "HEAPW", &stampStripArt, &stampCellWidth);
  if (toolbarCommand == 2004) SetUpSlider(window);
  panel.selected = spec->defaultIndex;
  panel.selectedCommand = panel.selected >= 0 ? spec->buttons[panel.selected].command : -1;
  if (panel.selected >= 0 && spec->sendsDefault) SendCommand(window, panel.selectedCommand);
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

void RedrawOptionPanel(HWND window) {
  if (!panel.spec) return;
  RECT r = PanelRect();
  RepaintLayoutRect(window, &r);
}

int PanelTextureNumber(int toolbarCommand) {
  const int* t = TextureOf(toolbarCommand);
  return t ? *t : 0;
}

int SelectedShape() { return ChosenShape(shapes); }
int ShapeFillStyle() { return shapes.hollow; }
int LensStrength() { return lensStrength; }

int ShapePanelCommand(HWND window, UINT id) {
  if (id < 31001 || id > 31011) return 0;
  if (!ApplyShapeCommand(&shapes, static_cast<int>(id))) return 0;
  if (IsPanel(2001)) RedrawOptionPanel(window);
  return 1;
}

int OpenPanelCommand() { return panel.spec && !IsPanel(2004) ? panel.spec->toolbarCommand : -1; }
int SelectedPanelCommand() { return panel.spec && !IsPanel(2004) ? panel.selectedCommand : -1; }
int SelectedPanelButton() { return panel.selected; }

int PanelHover(HWND window, POINT p) {
  if (!slider.knob) return 0;
  if (!slider.dragging) {
    RECT k = KnobRect();
    if (!PtInRect(&k, p)) return slider.hover = 0;
    SetGrabCursor(window);
    return 1;
  }
  DragKnob(window, p);
  SetGrabCursor(window);
  return 1;
}

int PanelPress(HWND window, POINT p) {
  const AppState& app = App();
  if (app.fileBoxOpen || app.libraryPage || !panel.spec) return 0;
  const PanelSpec& spec = *panel.spec;
  const int hit = ButtonAt(panel.boxes, spec.buttonCount, p.x, p.y);
  if (SliderPress(p)) return 1;
  if (hit < 0) return 0;
  const int command = spec.buttons[hit].command;
  if (IsPanel(2001) && (command == 31001 || command == 31002 || command == 31010 || command == 31011)) {
    ShapePanelCommand(window, static_cast<UINT>(command));
    return 1;
  }
  if (IsPanel(2006) && (command == 43001 || command == 43002)) {
    panel.pressedPaging = hit;
    RepaintButton(window, hit);
    return 1;
  }
  int* texture = TextureOf(spec.toolbarCommand);
  const int before = panel.selected;
  panel.selected = hit;
  panel.selectedCommand = command;  // set before the repaint: the effects panel draws by it
  if (hit == before && texture && (command == 11003 || command == 21003)) {
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

int PanelRelease(HWND window, POINT) {
  slider.dragging = 0;
  if (panel.pressedPaging >= 0 && panel.spec) {
    const int button = panel.pressedPaging;
    panel.pressedPaging = -1;
    RepaintButton(window, button);
    SendCommand(window, panel.spec->buttons[button].command);
  }
  return 0;
}

void PaintOptionPanel(HWND window, HDC dc) {
  if (!panel.spec || !panel.art) return;
  const PanelSpec& spec = *panel.spec;
  BlitPart(window, dc, panel.art, panel.origin, panel.artSize.cx, panel.artSize.cy, POINT{0, 0}, App().palette);
  const int effects = IsPanel(2004);
  if (panel.selected >= 0 && (!effects || panel.selectedCommand == 42004))
    DrawButton(window, dc, panel.selected, panel.selectedArt);
  if (panel.pressedPaging >= 0) DrawButton(window, dc, panel.pressedPaging, panel.selectedArt);
  if (IsPanel(2001)) DrawShapeExtras(window, dc);
  if (stampStripArt)
    DrawCell(window, dc, stampStripArt, stampCellWidth, Tools().stampIndex, PanelButtonIndex(spec, 43003));
  if (effects) DrawSliderKnob(window, dc);
}

void FreeOptionPanels() {
  FreeExtras();
  FreeBitmap(&panel.art);
  FreeBitmap(&panel.selectedArt);
  const PanelSpec* keep = panel.spec;
  const int selected = panel.selected, command = panel.selectedCommand;
  panel = OpenPanel{};
  // The panel stays "open" for the routing until the next one is shown.
  panel.spec = keep;
  panel.selected = selected;
  panel.selectedCommand = command;
}
