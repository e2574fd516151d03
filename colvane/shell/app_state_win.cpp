// The single application-state record.
#include "colvane/shell/app_state_win.h"

AppState& App() {
  static AppState state;
  return state;
}
