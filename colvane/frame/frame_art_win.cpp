// Screen variant and the frame bitmaps.
#include "colvane/frame/frame_art.h"

#include <initializer_list>

#include "colvane/frame/bitmap_file.h"
#include "colvane/layout/layout_files.h"
#include "colvane/layout/layout_values.h"
#include "colvane/shell/app_state.h"

FrameArt& Frame() {
  static FrameArt art;
  return art;
}

void AssetPath(const char* name, char* path) {
  char folder[144];
  GetAssetFolder(folder);
  if (!JoinFolderPath(folder, name, path, MAX_PATH)) path[0] = '\0';
}

HBITMAP LoadLayoutBitmap(HWND window, const char* section, const char* key) {
  char name[80] = "";
  GetLayoutString(section, key, "", name, sizeof(name));
  if (!name[0]) return nullptr;
  char path[MAX_PATH];
  AssetPath(name, path);
  return path[0] ? LoadBitmapFile(window, path, App().palette) : nullptr;
}

void SetupScreenGeometry() {
  AppState& app = App();
  ScreenGeometry g = ChooseScreenGeometry(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  app.wideLayout = g.wideLayout;
  app.screenOriginX = g.screenOriginX;
  app.screenOriginY = g.screenOriginY;
  app.paperWidth = g.paperWidth;
  app.paperHeight = g.paperHeight;
  const char* section = VariantSection();
  // The layout must give PAPERORG; without it the paper sits at the layout origin.
  POINT paper;
  GetLayoutPoint(section, "PAPERORG", 0, 0, &paper);
  app.paperOriginX = app.screenOriginX + paper.x;
  app.paperOriginY = app.screenOriginY + paper.y;

  FrameArt& f = Frame();
  GetLayoutPoint(section, "TOOLCORD", 0, 0, &f.toolCord);
  GetLayoutPoint(section, "GLIBCORD", 0, 0, &f.glibCord);
  GetLayoutPoint(section, "COLORCORD", 0, 0, &f.colorCord);
  GetLayoutRect(section, "PALSBOXCORD", 0, 0, 0, 0, &f.palSBoxCord);
  GetLayoutPoint(section, "PALGBOXCORD", 0, 0, &f.palGBoxCord);
  GetLayoutPoint(section, "SIZEDOMAIN", 0, 0, &f.sizeDomain);
  GetLayoutPoint(section, "POSCOLORPAGEUP", 0, 0, &f.colorPageUpAt);
  GetLayoutPoint(section, "POSCOLORPAGEDOWN", 0, 0, &f.colorPageDownAt);
}

void LoadFrameArt(HWND window) {
  FrameArt& f = Frame();
  const char* section = VariantSection();
  f.draw = LoadLayoutBitmap(window, section, "DRAW");
  f.lib = LoadLayoutBitmap(window, "800", "Lib");  // one library picture serves both variants
  f.tool = LoadLayoutBitmap(window, section, "TOOL");
  f.tool1 = LoadLayoutBitmap(window, section, "TOOL1");
  f.color = LoadLayoutBitmap(window, section, "COLOR");
  f.sizebar = LoadLayoutBitmap(window, section, "sizebar");
  f.colorPageUp = LoadLayoutBitmap(window, section, "colorpageup");
  f.colorPageDown = LoadLayoutBitmap(window, section, "colorpagedown");
}

void FreeFrameArt() {
  FrameArt& f = Frame();
  for (HBITMAP* b : {&f.draw, &f.lib, &f.tool, &f.tool1, &f.color, &f.sizebar, &f.colorPageUp,
                     &f.colorPageDown}) {
    if (*b) DeleteObject(*b);
    *b = nullptr;
  }
}
