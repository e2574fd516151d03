// The command dispatcher: every screen button acts by sending its command id here. Areas are
// offered their own commands first; then one line per command, the work living in the module
// that owns it.
#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/effects.h"
#include "colvane/canvas/effects_win.h"
#include "colvane/canvas/texture_files.h"
#include "colvane/canvas/tool_select_win.h"
#include "colvane/files/file_box_win.h"
#include "colvane/files/picture_save_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/locks_win.h"
#include "colvane/frame/screen_area_win.h"
#include "colvane/frame/toolbox_win.h"
#include "colvane/ids.h"
#include "colvane/library/library_shelf_win.h"
#include "colvane/media/music_win.h"
#include "colvane/media/sound_effects_win.h"
#include "colvane/panels/tool_commands_win.h"
#include "colvane/shell/exit_screen_win.h"
#include "colvane/shell/grown_ups_win.h"
#include "colvane/shell/screen_areas_win.h"
#include "colvane/shell/shell_win.h"
#include "colvane/text/typewriter_win.h"

namespace {

// The next paper brings its grain, unless a crayon's grain is in use.
void ChangePaper(HWND window) {
  NextPaperType(window);
  const ToolState& tools = Session().tools;
  LoadStrokeTexture(GrainTextureNumber(tools.textureOn ? tools.textureIndex : CurrentPaperType()));
}

// The exit button, unless a grown-up's lock keeps the program open.
void ExitCommand(HWND window) {
  if (LockRefuses(window, PolicyKey::kNoQuit)) {
    NoteQuitRefused();
    return;
  }
  SayGoodbye(window);
}

// The library replaces the toolbox; text being typed is finished first.
void ToLibrary(HWND window) {
  EndTypewriterText();
  TurnToLibrary(window);
}

// Back to the tools: the toolbox again, with the tool chosen before the turn.
void ToTools(HWND window) {
  TurnToTools(window);
  LoadToolboxAndTools(window);
  DamageWholeScreen(window);
  UpdateWindow(window);
}

// Undo while typing also ends the text: the picture shown is no longer the one it was typed on.
void Undo(HWND window) {
  UndoCommand(window);
  if (Session().choice.drawingMode == kModeTypewriter) EndTypewriterText();
}

void Redo(HWND window) {
  RedoCommand(window);
  if (Session().choice.drawingMode == kModeTypewriter) EndTypewriterText();
}

bool OfferToAreas(HWND window, int id) {
  const ScreenAreas areas = ProgramAreas();
  for (int i = 0; i < areas.count; ++i)
    if (areas.rows[i]->command && areas.rows[i]->command(window, id)) return true;
  return false;
}

}  // namespace

// The goodbye: the music stops, the "end" jingle plays until the window closes, and the exit
// screen. A painting that could not be kept is not left behind unless the parent says so.
void SayGoodbye(HWND window) {
  if (!SaveBeforeLeaving(window)) return;  // nothing painted is lost on the way out
  StopTune();
  LoopJingle("end");
  StartExitScreen(window);
  DamageWholeScreen(window);
  UpdateWindow(window);
}

bool DispatchCommand(HWND window, WPARAM wParam) {
  const int id = static_cast<int>(wParam);
  if ((id == cmd::kRedo || id == cmd::kUndoAgain) && !UndoStepsKept()) return true;  // the toggle: nothing at all
  KillTimer(window, timer::kCaret);  // any command stops the text caret
  HideTypewriterCaret(window);
  if (OfferToAreas(window, id)) return true;
  // Every command but new picture and paper goes back to the paper's own grain first.
  if (id != cmd::kNewPicture && id != cmd::kPaper) ResetStrokeTexture();
  switch (id) {
    case cmd::kToolboxPage2: ShowToolboxPage(window, 2); break;
    case cmd::kToolboxPage1: ShowToolboxPage(window, 1); break;
    case cmd::kExit: ExitCommand(window); break;
    case cmd::kFilePage: EndTypewriterText(); OpenFileBox(window); break;  // keys then type nothing
    case cmd::kNewPicture: NewPicture(window); EndTypewriterText(); break;
    case cmd::kUndo: Undo(window); break;
    case cmd::kRedo: Redo(window); break;
    case cmd::kUndoAgain: Undo(window); break;
    case cmd::kToLibrary: ToLibrary(window); break;
    case cmd::kToTools: ToTools(window); break;
    case cmd::kPaper: ChangePaper(window); break;
    case cmd::kSharpen: PictureEffectCommand(window, kEffectSharpen); break;
    case cmd::kBlur: PictureEffectCommand(window, kEffectBlur); break;
    case cmd::kEmboss: PictureEffectCommand(window, kEffectEmboss); break;
    case cmd::kTypeStandard:
    case cmd::kTypeBold:
    case cmd::kTypeItalic:
    case cmd::kTypeUnderline: TypewriterStyleCommand(window, id); break;
    default: return ToolCommand(window, id);  // toolbox and option-panel buttons
  }
  return true;
}

bool UndoKey(HWND window, WPARAM code) {
  constexpr WPARAM kCtrlY = 25, kCtrlZ = 26;
  // The keys belong to the undo button: not without its steps, nor while the file box or the
  // goodbye hides it.
  if ((code != kCtrlZ && code != kCtrlY) || !UndoStepsKept() || DeskCovered() || ExitScreenRunning()) return false;
  DispatchCommand(window, code == kCtrlZ ? cmd::kUndo : cmd::kRedo);
  return true;
}
