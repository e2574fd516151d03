// The command dispatcher: every screen button acts by sending its command id here. One line
// per command; the work lives in the module that owns it.
#include "colvane/shell/app_state.h"
#include "colvane/shell/areas.h"
#include "colvane/shell/shell.h"

void DispatchCommand(HWND window, WPARAM id) {
  switch (static_cast<UINT>(id)) {
    default:
      break;  // commands of modules not in the program yet
  }
}
