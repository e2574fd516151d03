// The command dispatcher: every screen button acts by sending its command id here. One line
// per command; the work lives in the module that owns it.
#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/effects_win.h"
#include "colvane/canvas/tool_select_win.h"
#include "colvane/canvas/tool_state.h"
#include "colvane/frame/desk.h"
#include "colvane/frame/toolbox.h"
#include "colvane/shell/app_state.h"
#include "colvane/shell/areas.h"
#include "colvane/shell/shell.h"

namespace {

// The panel of a toolbar button replaces the one shown so far.
void Panel(HWND window, int command) {
  FreeOptionPanels();
  ShowOptionPanel(window, command);
}

// The next paper brings its grain, unless a crayon's grain is in use.
void ChangePaper(HWND window) {
  NextPaperType(window);
  if (Tools().textureOn) UseCrayonTexture(Tools().textureIndex);
}

// Commands that act before the stroke texture is reset.
int OfferToAreas(HWND window, UINT id) {
  return FileBoxCommand(window, id) || ShapePanelCommand(window, id) || StampPagingCommand(window, id) ||
         LibraryCommand(window, id);
}

// The goodbye: the "end" sound and the exit screen; music stops with the sound panel's own Free.
void ExitCommand(HWND window) {
  PlaySoundEffect("end");
  StartExitScreen(window);
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

}  // namespace

void DispatchCommand(HWND window, WPARAM wParam) {
  const UINT id = static_cast<UINT>(wParam);
  KillTimer(window, 0);  // any command stops the text caret
  if (OfferToAreas(window, id)) return;
  // Every command but new picture and paper goes back to the paper's own grain first.
  if (id != 4004 && id != 4005) ResetStrokeTexture();
  AppState& app = App();
  switch (id) {
    case 1001: Panel(window, 1001); break;                        // brush
    case 1002: Panel(window, 1002); break;                        // pencil
    case 1003: Panel(window, 1003); break;                        // marker
    case 1004: UseCrayonTexture(1); Panel(window, 1004); break;   // candle
    case 1005: Tools().textureOn = 1; Panel(window, 1005); break; // chalk
    case 1006: Panel(window, 1006); break;                        // spray
    case 1007: Panel(window, 1007); break;                        // fill
    case 1008: Panel(window, 1008); break;                        // eraser
    case 1009: ShowToolboxPage(window, 2); break;                 // toolbox page 2
    case 1010: ShowToolboxPage(window, 1); break;                 // toolbox page 1
    case 2001: Panel(window, 2001); app.drawingMode = 25; SelectToolIcon(window, 11); break;  // shapes
    case 2002: Panel(window, 2002); break;                        // rope
    case 2003: app.drawingMode = 11; SelectToolIcon(window, 0); Panel(window, 2003); break;  // absorber
    case 2004: Panel(window, 2004); SelectToolIcon(window, 16); app.drawingMode = 18; break;  // effects
    case 2006: MagicStampCommand(window); break;                  // magic stamp
    case 4002: ExitCommand(window); break;                        // exit
    case 4003: UndoCommand(window); break;                        // undo
    case 4005: ChangePaper(window); break;                        // paper
    case 42001: PictureEffectCommand(window, 2); break;           // sharpen
    case 42002: PictureEffectCommand(window, 1); break;           // blur
    case 42003: PictureEffectCommand(window, 3); break;           // emboss
    default: SelectToolCommand(window, id); break;                // option-panel buttons
  }
}
