// The single application-state record.
#include "colvane/shell/app_state.h"

AppState& App() {
  static AppState state;
  return state;
}
