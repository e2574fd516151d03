// The tool-selection commands: one table row per option-panel button.
#include "colvane/canvas/tool_select_win.h"

#include "colvane/canvas/tool_state.h"
#include "colvane/frame/blit.h"
#include "colvane/frame/desk.h"
#include "colvane/frame/frame_art.h"
#include "colvane/layout/layout_files.h"
#include "colvane/panels/colour_state.h"
#include "colvane/shell/app_state.h"
#include "colvane/shell/areas.h"
#include "colvane/shell/shell.h"

namespace {

constexpr int kKeep = -1;  // the field is left as it is

struct ToolCommand {
  UINT id;
  int mode;
  int lineMode;    // kKeep: unchanged
  int sizeOffset;  // stroke size = size value + 1 + offset; kKeep: size untouched
  int crayon;      // crayon grain number; kKeep: the paper's grain
  int icon;
};

// The size is set after the mode: the masks depend on the mode.
const ToolCommand kToolCommands[] = {
    {10001, 2, 0, 3, kKeep, 15},      // brush, free
    {10002, 2, 1, 3, kKeep, 15},      // brush, line
    {10003, 3, kKeep, 3, kKeep, 15},  // water brush
    {20001, 1, 0, 1, kKeep, 10},      // pencil, free
    {20002, 1, 1, 1, kKeep, 10},      // pencil, line
    {30001, 5, 0, 1, kKeep, 9},       // marker, free
    {30002, 5, 1, 1, kKeep, 9},       // marker, line
    {40001, 2, 0, 1, 0, 7},           // candle, free
    {40002, 2, 1, 0, 0, 7},           // candle, line: one size smaller
    {50001, 2, 0, 1, 2, 5},           // chalk, free
    {50002, 2, 1, 1, 2, 5},           // chalk, line
    {60001, 8, kKeep, 3, kKeep, 3},   // airbrush
    {60002, 7, kKeep, 1, kKeep, 17},  // toothpaste
    {11001, 9, kKeep, kKeep, kKeep, 4},    // colour fill
    {11002, 22, kKeep, kKeep, kKeep, 4},   // gradient fill
    {21001, 19, kKeep, 1, kKeep, 12},      // square eraser
    {21002, 10, kKeep, 1, kKeep, 12},      // soft eraser
    {42004, 15, 0, kKeep, kKeep, 6},       // magnifying lens
    {41001, 23, kKeep, kKeep, kKeep, 14},  // rope, ellipse
    {41002, 24, kKeep, kKeep, kKeep, 14},  // rope, rectangle
    {41003, 13, kKeep, kKeep, kKeep, 14},  // rope, free outline
};

void ApplyToolCommand(HWND window, const ToolCommand& c) {
  AppState& app = App();
  if (c.crayon != kKeep) UseCrayonTexture(c.crayon);
  if (c.lineMode != kKeep) app.lineMode = c.lineMode;
  app.drawingMode = c.mode;
  if (c.sizeOffset != kKeep) SetToolStrokeSize(StrokeSizeBase() + c.sizeOffset);
  SelectToolIcon(window, c.icon);
}

// The area picture named for a panel's texture number: key <prefix><n>A of "DETAILTOOL". A
// picture that cannot be read leaves none.
void LoadPanelAreaPicture(const char* prefix, int toolbarCommand) {
  char key[32], name[80] = "", path[MAX_PATH] = "";
  wsprintfA(key, "%s%dA", prefix, PanelTextureNumber(toolbarCommand));
  GetLayoutString("DETAILTOOL", key, "", name, sizeof(name));
  if (name[0]) AssetPath(name, path);
  ToolState& tools = Tools();
  if (!path[0] || !LoadAreaPictureFile(&tools.areaPicture, path)) FreeAreaPicture(&tools.areaPicture);
}

// The picture eraser tiles the picture named for the eraser panel's texture number.
void PictureEraserCommand(HWND window) {
  LoadPanelAreaPicture("RUBAREA", 1008);
  App().drawingMode = 20;
  SetToolStrokeSize(StrokeSizeBase() + 1);
  SelectToolIcon(window, 12);
}

// How many stamps the stamp strip holds: its width over one cell's ("HEAPW"); 0 without a strip.
int StampCount(HWND window) {
  static int count = -1;
  if (count < 0) {
    int cell = static_cast<int>(GetLayoutInt("DETAILTOOL", "HEAPW", 0));
    count = 0;
    if (cell > 0) {
      HBITMAP strip = LoadLayoutBitmap(window, "DETAILTOOL", "HEAP");
      count = BitmapSize(strip).cx / cell;
      if (strip) DeleteObject(strip);
    }
  }
  return count;
}

int LoadCurrentStamp() {
  char folder[MAX_PATH];
  ProgramFolder(folder);
  ToolState& tools = Tools();
  return LoadMagicStamp(&tools.magicStamp, folder, tools.stampIndex + 1);
}

}  // namespace

void SetToolStrokeSize(int size) { SetStrokeSize(&Tools().masks, size, App().drawingMode); }

void LoadStrokeTexture(int n) {
  char folder[MAX_PATH];
  ProgramFolder(folder);
  LoadPaperTexture(&Tools().texture, folder, n);
}

void ResetStrokeTexture() {
  LoadStrokeTexture((CurrentPaperType() + 1) % 10);
  Tools().textureOn = 0;
}

void UseCrayonTexture(int t) {
  ToolState& tools = Tools();
  tools.textureOn = 1;
  tools.textureIndex = t;
  LoadStrokeTexture((t + 1) % 10);
}

int SelectToolCommand(HWND window, UINT id) {
  if (id == 21003) {
    PictureEraserCommand(window);
    return 1;
  }
  if (id == 11003) {
    // The texture fill tiles the picture named for the fill panel's texture number.
    LoadPanelAreaPicture("TONAREA", 1007);
    App().drawingMode = 21;
    SelectToolIcon(window, 4);
    return 1;
  }
  for (const ToolCommand& c : kToolCommands) {
    if (c.id != id) continue;
    ApplyToolCommand(window, c);
    return 1;
  }
  return 0;
}

void MagicStampCommand(HWND window) {
  App().lineMode = 0;
  FreeOptionPanels();
  ShowOptionPanel(window, 2006);
  SelectToolIcon(window, 8);
  App().drawingMode = 12;
  LoadCurrentStamp();  // a stamp that fails here paints nothing, without a word
}

int StampPagingCommand(HWND window, UINT id) {
  if (id != 43001 && id != 43002) return 0;
  ToolState& tools = Tools();
  const int count = StampCount(window) > 0 ? StampCount(window) : 1;
  if (id == 43001)
    tools.stampIndex = tools.stampIndex + 1 >= count ? 0 : tools.stampIndex + 1;
  else
    tools.stampIndex = tools.stampIndex <= 0 ? count - 1 : tools.stampIndex - 1;
  RedrawOptionPanel(window);
  if (!LoadCurrentStamp()) MessageBoxA(nullptr, "Data Error. Call engineer!", "WARNING", MB_ICONEXCLAMATION);
  return 1;
}
