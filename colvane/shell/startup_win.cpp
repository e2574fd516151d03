// Start-up of the main window (every asset is loaded before the first paint) and the orderly
// shutdown that frees everything in a fixed order.
#include <windows.h>
#include <mmsystem.h>

#include "colvane/canvas/tool_select_win.h"
#include "colvane/frame/bitmap_file.h"
#include "colvane/frame/desk.h"
#include "colvane/frame/frame_art.h"
#include "colvane/panels/colour_state.h"
#include "colvane/shell/app_state.h"
#include "colvane/shell/areas.h"
#include "colvane/shell/shell.h"

void StopSoundEffects() { sndPlaySoundA(nullptr, SND_ASYNC | SND_NODEFAULT); }

void StartUp(HWND window) {
  AppState& app = App();
  PlaySoundEffect("start");
  SetCapture(window);
  HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  app.mainWindow = window;
  app.palette = CreatePaletteFromResource(window, "PAL", app.instance);
  if (!app.palette) return;  // nothing else can be drawn: the window stays empty
  ClearCartoons();

  SetupScreenGeometry();
  PrepareCanvas(window);
  LoadFrameArt(window);
  LoadToolCursors(app.instance);
  Colours().sizeValue = 20;
  SetToolStrokeSize(20);

  LoadToolbox(window, app.instance);
  LoadDesk(window, app.instance);
  SetCanvasPaperSize(app.paperWidth, app.paperHeight);
  app.listBrush = CreateSolidBrush(RGB(200, 190, 153));
  ReleaseCapture();
  SetCursor(previous);
  StopSoundEffects();
}

void ShutDown(HWND window) {
  AppState& app = App();
  if (app.listBrush) DeleteObject(app.listBrush);
  app.listBrush = nullptr;

  FreeCanvas();
  FreeExitScreen(window);
  DestroyToolCursors();
  FreeFrameArt();
  if (app.closingSnapshot) DeleteObject(app.closingSnapshot);
  app.closingSnapshot = nullptr;
  FreeSoundPanel();

  FreeDesk();
  FreeToolbox();
  FreeOptionPanels();
  FreeLibraryButtons();
  FreeClipArt();

  if (app.palette) DeleteObject(app.palette);
  app.palette = nullptr;
  FreeCanvas();
  FreeCartoons();
  StopSoundEffects();
  PostQuitMessage(0);
}
