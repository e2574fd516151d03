// The 16 tool cursors and the upkeep of the main window's class cursor.
#include "colvane/frame/cursors_win.h"

#include "colvane/frame/coords_win.h"
#include "colvane/ids.h"

namespace {
// Resource name per tool icon index; index 16 is the system arrow, 17 shares "JETGUN".
const char* const kCursorNames[18] = {"ABSORB", "HAND1",  "HAND2",   "JETGUN", "FLOOD", "CHALK",
                                      "ENLARGE", "CANDLE", "MAGIC",  "MIKE",   "PENCIL", "POLYGEN",
                                      "RUBBER", "TYPEW",  "ROPE",    "BRUSH",  nullptr, "JETGUN"};
HCURSOR cursors[16];  // owned here: loaded at start-up, destroyed at shutdown

bool toolCursorShown = false;  // the class cursor is the current tool's (pointer over the paper)
bool arrowShown = false;       // the class cursor is the system arrow set here
bool held = false;             // a clip-art drag holds the cursor
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
  if (index == kIconArrow) return LoadCursorA(nullptr, IDC_ARROW);
  if (index == kIconToothpaste) return cursors[kIconAirbrush];
  return nullptr;
}

void SetClassCursor(HWND window, HCURSOR cursor) {
  SetClassLongPtrA(window, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(cursor));
}

void HoldCursor(bool h) { held = h; }
bool CursorHeld() { return held; }

void ShowArrowCursor(HWND window) {
  toolCursorShown = false;
  if (arrowShown || held) return;
  SetClassCursor(window, LoadCursorA(nullptr, IDC_ARROW));
  arrowShown = true;
}

void ShowToolCursorOnPaper(HWND window, ToolIcon toolIconIndex) {
  if (toolCursorShown) return;
  arrowShown = false;
  toolCursorShown = true;
  if (toolIconIndex >= 0 && !held) SetClassCursor(window, ToolCursor(toolIconIndex));
}

// An area set its own cursor: the next move onto the paper or the desk sets theirs again.
void CursorTakenByArea() {
  arrowShown = false;
  toolCursorShown = false;
}

void ShowToolCursorIfOnPaper(HWND window, ToolIcon toolIconIndex) {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(window, &p);
  ScreenToPaper(&p);
  toolCursorShown = false;
  if (IsOnPaper(p) && !held) {
    toolCursorShown = true;
    if (toolIconIndex >= 0) SetClassCursor(window, ToolCursor(toolIconIndex));
  }
}
