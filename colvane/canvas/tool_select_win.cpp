// Choosing a tool on the canvas side: the mode and icon, the stroke size and grain, the area
// picture of the fills and erasers, and the magic stamp series.
#include "colvane/canvas/tool_select_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/message_box_win.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/media/sound_effects_win.h"

void LoadPanelAreaPicture(const char* prefix, int textureNumber) {
  char key[32], name[80] = "", path[MAX_PATH] = "";
  wsprintfA(key, "%s%dA", prefix, textureNumber);
  GetLayoutString("DETAILTOOL", key, "", name, sizeof(name));
  if (name[0]) AssetPath(name, path);
  ToolState& tools = Session().tools;
  if (!path[0] || !LoadAreaPictureFile(&tools.areaPicture, path)) FreeAreaPicture(&tools.areaPicture);
}

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
  LoadStrokeTexture(GrainTextureNumber(CurrentPaperType()));
  Session().tools.textureOn = false;
}

void UseCrayonTexture(int t) {
  ToolState& tools = Session().tools;
  tools.textureOn = true;
  tools.textureIndex = t;
  LoadStrokeTexture(GrainTextureNumber(t));
}

void SelectToolIcon(HWND window, ToolIcon icon) {
  ChooseToolSound(icon);
  Session().choice.toolIconIndex = icon;
  ShowToolCursorIfOnPaper(window, icon);
}

void ChooseTool(HWND window, DrawingMode mode, ToolIcon icon) {
  ChooseDrawingMode(&Session(), mode);
  SelectToolIcon(window, icon);
}

void ResetToolStrokeSize() { ResetStrokeSize(&Session()); }

void LoadChosenStamp(HWND window) {
  // Stamps whose files are missing or empty are passed over; only a series without a single
  // stamp leaves the tool unable to paint, and then it says so at once.
  if (!LoadCurrentStamp(window, 1)) WarnNoStamp(window);
}
