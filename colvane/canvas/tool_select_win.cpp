// The tool-selection commands: one table row per option-panel button.
#include "colvane/canvas/tool_select_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/blit_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/message_box_win.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/media/sound_effects_win.h"

namespace {

constexpr int kKeep = -1;  // the field is left as it is

struct ToolCommand {
  int id;
  int mode;
  int lineMode;    // kKeep: unchanged
  int sizeOffset;  // stroke size = size value + 1 + offset; kKeep: size untouched
  int crayon;      // crayon grain number; kKeep: the paper's grain
  int icon;
};

// The size is set after the mode: the masks depend on the mode.
const ToolCommand kToolCommands[] = {
    {cmd::kBrushFree, kModeBrush, 0, 3, kKeep, kIconBrush},
    {cmd::kBrushLine, kModeBrush, 1, 3, kKeep, kIconBrush},
    {cmd::kBrushWater, kModeWaterBrush, kKeep, 3, kKeep, kIconBrush},
    {cmd::kPencilFree, kModePencil, 0, 1, kKeep, kIconPencil},
    {cmd::kPencilLine, kModePencil, 1, 1, kKeep, kIconPencil},
    {cmd::kMarkerFree, kModeMarker, 0, 1, kKeep, kIconMarker},
    {cmd::kMarkerLine, kModeMarker, 1, 1, kKeep, kIconMarker},
    {cmd::kCandleFree, kModeBrush, 0, 1, 0, kIconCandle},
    {cmd::kCandleLine, kModeBrush, 1, 0, 0, kIconCandle},  // one size smaller
    {cmd::kChalkFree, kModeBrush, 0, 1, 2, kIconChalk},
    {cmd::kChalkLine, kModeBrush, 1, 1, 2, kIconChalk},
    {cmd::kAirbrush, kModeAirbrush, kKeep, 3, kKeep, kIconAirbrush},
    {cmd::kToothpaste, kModeToothpaste, kKeep, 1, kKeep, kIconToothpaste},
    {cmd::kColourFill, kModeColourFill, kKeep, kKeep, kKeep, kIconFill},
    {cmd::kGradientFill, kModeGradientFill, kKeep, kKeep, kKeep, kIconFill},
    {cmd::kSquareEraser, kModeSquareEraser, kKeep, 1, kKeep, kIconEraser},
    {cmd::kSoftEraser, kModeSoftEraser, kKeep, 1, kKeep, kIconEraser},
    {cmd::kLens, kModeLens, 0, kKeep, kKeep, kIconLens},
    {cmd::kRopeEllipse, kModeEllipseRope, kKeep, kKeep, kKeep, kIconRope},
    {cmd::kRopeRectangle, kModeRectangleRope, kKeep, kKeep, kKeep, kIconRope},
    {cmd::kRopeFree, kModeFreeRope, kKeep, kKeep, kKeep, kIconRope},
};

void ApplyToolCommand(HWND window, const ToolCommand& c) {
  ToolChoice& choice = Session().choice;
  if (c.crayon != kKeep) UseCrayonTexture(c.crayon);
  if (c.lineMode != kKeep) choice.lineMode = c.lineMode;
  choice.drawingMode = c.mode;
  if (c.sizeOffset != kKeep) SetToolStrokeSize(StrokeSizeBase(Session().colours) + c.sizeOffset);
  SelectToolIcon(window, c.icon);
}

// The area picture named for a panel's texture number: key <prefix><n>A of "DETAILTOOL". A
// picture that cannot be read leaves none.
void LoadPanelAreaPicture(const char* prefix, int textureNumber) {
  char key[32], name[80] = "", path[MAX_PATH] = "";
  wsprintfA(key, "%s%dA", prefix, textureNumber);
  GetLayoutString("DETAILTOOL", key, "", name, sizeof(name));
  if (name[0]) AssetPath(name, path);
  ToolState& tools = Session().tools;
  if (!path[0] || !LoadAreaPictureFile(&tools.areaPicture, path)) FreeAreaPicture(&tools.areaPicture);
}

// The picture eraser tiles the picture named for the eraser panel's texture number.
void PictureEraserCommand(HWND window) {
  LoadPanelAreaPicture("RUBAREA", Session().panel.eraserTexture);
  Session().choice.drawingMode = kModePictureEraser;
  SetToolStrokeSize(StrokeSizeBase(Session().colours) + 1);
  SelectToolIcon(window, kIconEraser);
}

}  // namespace

int MagicStampCount(HWND window) {
  static int count = -1;  // read once: the strip and its cell width do not change while running
  if (count < 0) {
    const int cell = static_cast<int>(GetLayoutInt("DETAILTOOL", "HEAPW", 0));
    count = 0;
    if (cell > 0) {
      HBITMAP strip = LoadLayoutBitmap(window, "DETAILTOOL", "HEAP");
      count = BitmapSize(strip).cx / cell;
      if (strip) DeleteObject(strip);
    }
  }
  return count;
}

int LoadCurrentStamp(HWND window, int step) {
  char folder[MAX_PATH];
  ProgramFolder(folder);
  ToolState& tools = Session().tools;
  const int found = FindLoadableStamp(tools.stampIndex, step, MagicStampCount(window), [&](int i) {
    return LoadMagicStamp(&tools.magicStamp, folder, i + 1);
  });
  if (found < 0) return 0;
  tools.stampIndex = found;
  return 1;
}

void WarnNoStamp(HWND window) {
  ShowProgramMessageA(window, "Data Error. Call engineer!", "WARNING", MB_ICONEXCLAMATION);
}

void SetToolStrokeSize(int size) { SetSessionStrokeSize(&Session(), size); }

void LoadStrokeTexture(int n) {
  char folder[MAX_PATH];
  ProgramFolder(folder);
  LoadPaperTexture(&Session().tools.texture, folder, n);
}

void ResetStrokeTexture() {
  LoadStrokeTexture((CurrentPaperType() + 1) % 10);
  Session().tools.textureOn = 0;
}

void UseCrayonTexture(int t) {
  ToolState& tools = Session().tools;
  tools.textureOn = 1;
  tools.textureIndex = t;
  LoadStrokeTexture((t + 1) % 10);
}

bool SelectToolCommand(HWND window, int id) {
  if (id == cmd::kPictureEraser) {
    PictureEraserCommand(window);
    return true;
  }
  if (id == cmd::kTextureFill) {
    // The texture fill tiles the picture named for the fill panel's texture number.
    LoadPanelAreaPicture("TONAREA", Session().panel.fillTexture);
    Session().choice.drawingMode = kModeTextureFill;
    SelectToolIcon(window, kIconFill);
    return true;
  }
  for (const ToolCommand& c : kToolCommands) {
    if (c.id != id) continue;
    ApplyToolCommand(window, c);
    return true;
  }
  return false;
}

void SelectToolIcon(HWND window, int index) {
  ChooseToolSound(index);
  Session().choice.toolIconIndex = index;
  ShowToolCursorIfOnPaper(window, index);
}

void MagicStampCommand(HWND window) {
  ToolChoice& choice = Session().choice;
  choice.lineMode = 0;
  SelectToolIcon(window, kIconMagicStamp);
  choice.drawingMode = kModeMagicStamp;
  // Stamps whose files are missing or empty are passed over; only a series without a single
  // stamp leaves the tool unable to paint, and then it says so at once.
  if (!LoadCurrentStamp(window, 1)) WarnNoStamp(window);
}

