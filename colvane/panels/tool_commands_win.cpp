// The tool command table: for each toolbox and option-panel button, the panel it shows and the
// mode, line mode, stroke size, grain and icon it chooses.
#include "colvane/panels/tool_commands_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/tool_select_win.h"
#include "colvane/ids.h"
#include "colvane/panels/option_panels_win.h"

namespace {

constexpr int kKeep = -1;  // the field is left as it is

struct ToolCommandRow {
  int id;
  bool panel;           // a toolbox button: its option panel replaces the one shown
  DrawingMode mode;     // kModeNone: unchanged (no command chooses mode 0)
  int lineMode;         // kKeep: unchanged
  int sizeOffset;       // stroke size = size value + 1 + offset; kKeep: size untouched
  int crayon;           // crayon grain number; kKeep: the paper's grain
  ToolIcon icon;        // kIconNone: unchanged
  void (*before)(HWND window);  // before the panel and the choice
  void (*after)(HWND window);   // after them
};

void CandleGrain(HWND) { UseCrayonTexture(1); }
void ChalkGrain(HWND) { Session().tools.textureOn = true; }
// The picture eraser and the texture fill tile the picture named for their panel's texture.
void EraserPicture(HWND) { LoadPanelAreaPicture("RUBAREA", Session().panel.eraserTexture); }
void FillPicture(HWND) { LoadPanelAreaPicture("TONAREA", Session().panel.fillTexture); }

// The size is set after the mode: the masks depend on the mode.
const ToolCommandRow kToolCommands[] = {
    // Toolbox page 1 and 2: the panel, which sends the command of its selected button.
    {cmd::kBrush, true, kModeNone, kKeep, kKeep, kKeep, kIconNone, nullptr, nullptr},
    {cmd::kPencil, true, kModeNone, kKeep, kKeep, kKeep, kIconNone, nullptr, nullptr},
    {cmd::kMarker, true, kModeNone, kKeep, kKeep, kKeep, kIconNone, nullptr, nullptr},
    {cmd::kCandle, true, kModeNone, kKeep, kKeep, kKeep, kIconNone, CandleGrain, nullptr},
    {cmd::kChalk, true, kModeNone, kKeep, kKeep, kKeep, kIconNone, ChalkGrain, nullptr},
    {cmd::kSpray, true, kModeNone, kKeep, kKeep, kKeep, kIconNone, nullptr, nullptr},
    {cmd::kFill, true, kModeNone, kKeep, kKeep, kKeep, kIconNone, nullptr, nullptr},
    {cmd::kEraser, true, kModeNone, kKeep, kKeep, kKeep, kIconNone, nullptr, nullptr},
    {cmd::kRope, true, kModeNone, kKeep, kKeep, kKeep, kIconNone, nullptr, nullptr},
    {cmd::kShapes, true, kModeShapes, kKeep, kKeep, kKeep, kIconShapes, nullptr, nullptr},
    {cmd::kAbsorber, true, kModeAbsorber, kKeep, kKeep, kKeep, kIconAbsorber, nullptr, nullptr},
    {cmd::kEffects, true, kModeEffectsPanel, kKeep, kKeep, kKeep, kIconArrow, nullptr, nullptr},
    {cmd::kTypewriter, true, kModeTypewriter, kKeep, kKeep, kKeep, kIconTypewriter, nullptr, nullptr},
    {cmd::kMagicStamp, true, kModeMagicStamp, 0, kKeep, kKeep, kIconMagicStamp, nullptr, LoadChosenStamp},
    // Option-panel buttons.
    {cmd::kBrushFree, false, kModeBrush, 0, 3, kKeep, kIconBrush, nullptr, nullptr},
    {cmd::kBrushLine, false, kModeBrush, 1, 3, kKeep, kIconBrush, nullptr, nullptr},
    {cmd::kBrushWater, false, kModeWaterBrush, kKeep, 3, kKeep, kIconBrush, nullptr, nullptr},
    {cmd::kPencilFree, false, kModePencil, 0, 1, kKeep, kIconPencil, nullptr, nullptr},
    {cmd::kPencilLine, false, kModePencil, 1, 1, kKeep, kIconPencil, nullptr, nullptr},
    {cmd::kMarkerFree, false, kModeMarker, 0, 1, kKeep, kIconMarker, nullptr, nullptr},
    {cmd::kMarkerLine, false, kModeMarker, 1, 1, kKeep, kIconMarker, nullptr, nullptr},
    {cmd::kCandleFree, false, kModeBrush, 0, 1, 0, kIconCandle, nullptr, nullptr},
    {cmd::kCandleLine, false, kModeBrush, 1, 0, 0, kIconCandle, nullptr, nullptr},  // one size smaller
    {cmd::kChalkFree, false, kModeBrush, 0, 1, 2, kIconChalk, nullptr, nullptr},
    {cmd::kChalkLine, false, kModeBrush, 1, 1, 2, kIconChalk, nullptr, nullptr},
    {cmd::kAirbrush, false, kModeAirbrush, kKeep, 3, kKeep, kIconAirbrush, nullptr, nullptr},
    {cmd::kToothpaste, false, kModeToothpaste, kKeep, 1, kKeep, kIconToothpaste, nullptr, nullptr},
    {cmd::kColourFill, false, kModeColourFill, kKeep, kKeep, kKeep, kIconFill, nullptr, nullptr},
    {cmd::kGradientFill, false, kModeGradientFill, kKeep, kKeep, kKeep, kIconFill, nullptr, nullptr},
    {cmd::kTextureFill, false, kModeTextureFill, kKeep, kKeep, kKeep, kIconFill, FillPicture, nullptr},
    {cmd::kSquareEraser, false, kModeSquareEraser, kKeep, 1, kKeep, kIconEraser, nullptr, nullptr},
    {cmd::kSoftEraser, false, kModeSoftEraser, kKeep, 1, kKeep, kIconEraser, nullptr, nullptr},
    {cmd::kPictureEraser, false, kModePictureEraser, kKeep, 1, kKeep, kIconEraser, EraserPicture, nullptr},
    {cmd::kLens, false, kModeLens, 0, kKeep, kKeep, kIconLens, nullptr, nullptr},
    {cmd::kRopeEllipse, false, kModeEllipseRope, kKeep, kKeep, kKeep, kIconRope, nullptr, nullptr},
    {cmd::kRopeRectangle, false, kModeRectangleRope, kKeep, kKeep, kKeep, kIconRope, nullptr, nullptr},
    {cmd::kRopeFree, false, kModeFreeRope, kKeep, kKeep, kKeep, kIconRope, nullptr, nullptr},
};

void Apply(HWND window, const ToolCommandRow& c) {
  if (c.before) c.before(window);
  if (c.panel) ShowOptionPanel(window, c.id);
  PaintSession& s = Session();
  if (c.crayon != kKeep) UseCrayonTexture(c.crayon);
  if (c.lineMode != kKeep) s.choice.lineMode = c.lineMode != 0;
  if (c.mode != kModeNone) ChooseDrawingMode(&s, c.mode);
  if (c.sizeOffset != kKeep) SetToolStrokeSize(StrokeSizeBase(s.colours) + c.sizeOffset);
  if (c.icon != kIconNone) SelectToolIcon(window, c.icon);
  if (c.after) c.after(window);
}

}  // namespace

bool ToolCommand(HWND window, int id) {
  for (const ToolCommandRow& c : kToolCommands) {
    if (c.id != id) continue;
    Apply(window, c);
    return true;
  }
  return false;
}
