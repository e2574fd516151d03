// Start-up of the main window (every asset is loaded before the first paint) and the orderly
// shutdown that frees everything in a fixed order.
#include <windows.h>

#include <cstdio>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/clip_art_win.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/canvas/texture_files.h"
#include "colvane/canvas/tool_select_win.h"
#include "colvane/files/file_box_win.h"
#include "colvane/files/picture_save_win.h"
#include "colvane/frame/bitmap_file_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/message_box_win.h"
#include "colvane/frame/offscreen_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/frame/toolbox_win.h"
#include "colvane/ids.h"
#include "colvane/media/sound_drivers_win.h"
#include "colvane/media/music_win.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/layout/policy_win.h"
#include "colvane/layout/profile_reads_win.h"
#include "colvane/library/cartoons_win.h"
#include "colvane/library/library_page_win.h"
#include "colvane/library/library_shelf_win.h"
#include "colvane/media/sound_effects_win.h"
#include "colvane/panels/colour_panel_win.h"
#include "colvane/panels/option_panels_win.h"
#include "colvane/panels/sound_panel_win.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/shell/dwell_win.h"
#include "colvane/shell/exit_screen_win.h"
#include "colvane/shell/shell_win.h"
#include "colvane/shell/switch_scan_win.h"
#include "colvane/text/face_list_win.h"
#include "colvane/text/typewriter_win.h"

namespace {
bool toolboxLoadedOnce = false;

// Settings naming an asset folder that isn't there: the program runs from its own folder, and the
// parent learns which line to correct (the box waits until the window is on the screen).
void TellAboutWrongAssetFolder(HWND window) {
  char named[144], settings[MAX_PATH], own[MAX_PATH], text[1536];
  if (!AssetFolderSettingIsWrong(named)) return;
  SettingsFilePath(settings);
  ProgramFolder(own);
  std::snprintf(text, sizeof(text),
            "The settings file \"%s\" names the folder \"%s\" for Colvane's pictures and art "
            "(the line PATH under [FILE]), but there is no such folder.\n\n"
            "Colvane is using its own folder \"%s\" instead, and keeps new pictures there. To use "
            "the other folder, create it or correct that line, then start Colvane again.",
            settings, named, own);
  ShowProgramMessageA(window, text, "Colvane", MB_OK | MB_ICONINFORMATION);
}
}  // namespace

void LoadToolboxAndTools(HWND window) {
  LoadToolbox(window);
  int panel = cmd::kBrush, button = cmd::kBrushFree;  // the first load selects the free brush
  if (toolboxLoadedOnce) {
    panel = OpenPanelCommand();
    button = SelectedPanelCommand();
  }
  toolboxLoadedOnce = true;
  if (panel >= 0) SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(panel), 0);
  if (button >= 0) SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(button), 0);
}

bool StartUp(HWND window) {
  AppState& app = App();
  ProfileReadScope manyReads;  // start-up reads a few hundred keys of the same three files
  LoadPolicy();
  // The switches first: the "start" jingle is an effect like any other.
  LoadSoundSettings();
  LoopJingle("start");  // heard only while loading
  SetCapture(window);
  HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  app.palette = CreatePaletteFromResource(window, "PAL", app.instance);
  if (!app.palette) {  // nothing can be drawn: the program says so and ends
    StopSoundEffects();
    ReleaseCapture();
    SetCursor(previous);
    // Shown now, owned by no window: the main window is never made.
    ShowProgramMessageA(nullptr,
                        "Colvane cannot start: its colours could not be prepared (the program file may be "
                        "damaged, or the computer is short of memory).\nPlease close other programs and start "
                        "Colvane again, or ask a grown-up to install it again.",
                        "Colvane", MB_OK | MB_ICONSTOP);
    PostQuitMessage(0);
    return false;
  }
  app.mainWindow = window;
  SetMessageBoxOwner(window);
  SetScreenPalette(app.palette);
  TellAboutWrongAssetFolder(window);

  SetupScreenGeometry();
  // The start picture is read only from inside the picture library, whatever the settings say.
  LoadPictureNames();
  char startPicture[MAX_PATH];
  CurrentPicturePath(startPicture, sizeof(startPicture));
  const PictureOpenResult start = PrepareCanvas(window, startPicture);
  NotePictureOpened(start);  // a start picture that could not be read is never written over
  RecoverAtStartUp(window);  // a picture a crash took is back, still to be saved
  InstallCartoonHooks();
  PictureKeeper keeper;
  keeper.before = KeepPictureBeforeSample;
  keeper.after = NoteFreshSample;
  SetPictureKeeper(keeper);
  if (start == kPictureOpened) ReadCartoonsOfCurrentPicture(window);
  SetClipArea(Screen().paperWidth, Screen().paperHeight);
  LoadFrameArt(window);
  LoadToolCursors(app.instance);
  ResetToolStrokeSize();
  InstallTypewriter();
  LoadSoundPanel(window);

  LoadDesk(window, ToolboxPage());
  LoadStrokeTexture(GrainTextureNumber(CurrentPaperType()));  // the paper's own grain
  LoadToolboxAndTools(window);
  app.listBrush = CreateSolidBrush(RGB(200, 190, 153));
  ReleaseCapture();
  SetCursor(previous);
  StopSoundEffects();
  if (CurrentPictureLeftAlone()) PostMessageA(window, kStartPictureNotice, 0, 0);
  ApplyPolicyNow(window);
  // A grown-up's blank start: the last picture stays kept as it is, and a new page begins.
  if (PolicyHolds(PolicyKey::kStartBlank)) PostMessageA(window, WM_COMMAND, cmd::kNewPicture, 0);
  StartDwell(window);
  StartSwitchScanning(window);
  return true;
}

void ApplyPolicyNow(HWND) { SetUndoStepLimit(&Session().canvas, PolicyUndoSteps(CurrentPolicy())); }

void ShowStartPictureNotice(HWND window) { TellPictureLeftAlone(window); }

void ShutDown(HWND window) {
  AppState& app = App();
  if (!app.palette) return;  // start-up stopped before loading anything, and has ended the program
  FreeDwell(window);
  FreeFileBox();  // the program may end from inside the file box
  CloseFaceList();  // while the text and the canvas it renders into are still there
  SetMessageBoxOwner(nullptr);  // the boxes it owned are gone with it; no new one may appear
  if (app.listBrush) DeleteObject(app.listBrush);
  app.listBrush = nullptr;

  KillTimer(window, timer::kRecovery);
  StopSwitchScanning(window);
  if (!Session().canvas.pictureModified) DropRecoveryCopy();  // a picture not kept keeps its copy
  FreeRope(window);
  FreeCartoons(window);
  FreeLibraryButtons();
  FreeLibraryPage();
  FreeClipArtPicture();
  FreeTypewriter();
  FreeCanvas(window);
  FreeExitScreen(window);
  DestroyToolCursors();
  FreeFrameArt();
  FreeDesk();
  FreeToolbox();
  FreeOptionPanels();
  FreeColourPanel();
  FreeSoundPanel();
  FreeKeptComposition();
  FreeOffscreens();

  SetScreenPalette(nullptr);
  if (app.palette) DeleteObject(app.palette);
  app.palette = nullptr;
  StopSoundEffects();
  FreeSoundDrivers();
  PostQuitMessage(0);
}
