// Screen variant and the frame bitmaps.
#include "colvane/frame/frame_art_win.h"

#include <initializer_list>

#include "colvane/frame/bitmap_file_win.h"
#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/layout/layout_values.h"
#include "colvane/frame/screen_layout.h"

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
  return path[0] ? LoadBitmapFile(window, path, ScreenPalette()) : nullptr;
}

void SetupScreenGeometry() {
  const ScreenGeometry g = ChooseScreenGeometry(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  SetLayoutVariant(g.wideLayout != 0);
  const char* section = VariantSection();
  // The layout must give PAPERORG; without a usable one the paper sits at the layout origin.
  POINT paper;
  GetLayoutPoint(section, "PAPERORG", 0, 0, &paper);
  SetScreenLayout(MakeScreenLayout(g, paper.x, paper.y));

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

namespace {

void PaintBackdrop(HWND window, HDC dc) {
  const FrameArt& f = Frame();
  const SIZE s = BitmapSize(f.draw);
  BlitPart(window, dc, f.draw, POINT{0, 0}, s.cx, s.cy, POINT{0, 0}, ScreenPalette());
}

}  // namespace

const ScreenArea kBackdropArea = {"backdrop", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  PaintBackdrop, nullptr, false, nullptr, nullptr, false};

// The swatch is the 35 x 35 square at the colour panel's origin.
void RepaintColourSwatch(HWND window) {
  const POINT o = Frame().colorCord;
  RECT swatch{o.x, o.y, o.x + 35, o.y + 35};
  RepaintLayoutRect(window, &swatch);
}
