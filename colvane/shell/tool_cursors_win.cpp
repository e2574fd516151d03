// The 16 tool cursors and the choice of the current tool icon.
#include "colvane/frame/blit.h"
#include "colvane/shell/app_state.h"
#include "colvane/shell/areas.h"
#include "colvane/shell/shell.h"

namespace {
// Resource name per tool icon index; index 16 is the system arrow, 17 shares "JETGUN".
const char* const kCursorNames[18] = {"ABSORB", "HAND1",  "HAND2",   "JETGUN", "FLOOD", "CHALK",
                                      "ENLARGE", "CANDLE", "MAGIC",  "MIKE",   "PENCIL", "POLYGEN",
                                      "RUBBER", "TYPEW",  "ROPE",    "BRUSH",  nullptr, "JETGUN"};
HCURSOR cursors[16];  // owned here: loaded at start-up, destroyed at shutdown
}  // namespace

void LoadToolCursors(HINSTANCE instance) {
  for (int i = 0; i < 16; ++i) cursors[i] = LoadCursorA(instance, kCursorNames[i]);
}

void DestroyToolCursors() {
  for (HCURSOR& c : cursors) {
    if (c) DestroyCursor(c);
    c = nullptr;
  }
}

HCURSOR ToolCursor(int index) {
  if (index >= 0 && index < 16) return cursors[index];
  if (index == 16) return LoadCursorA(nullptr, IDC_ARROW);
  if (index == 17) return cursors[3];
  return nullptr;
}

void SetClassCursor(HWND window, HCURSOR cursor) {
  SetClassLongPtrA(window, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(cursor));
}

void SelectToolIcon(HWND window, int index) {
  AppState& app = App();
  ChooseToolSound(index);
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(window, &p);
  ScreenToPaper(&p);
  app.toolCursorShown = 0;
  app.toolIconIndex = index;
  if (IsOnPaper(p) && !LibraryDragging()) {
    app.toolCursorShown = 1;
    if (index >= 0 && !LibraryDragging())
      SetClassCursor(window, ToolCursor(index));
  }
}
