// Timing of painting on the screen under Wine: a 100-pixel brush stroke at the largest stroke
// size (S = 52) given as ten drag events, each a walk, a push of the changed rows into the canvas
// bitmap (OutputDIB2BMP) and a blit to the window; with and without a free-form rope selection;
// the undo command's whole-canvas refresh, and a typewriter keystroke. Prints like compose_bench.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "bench/support/wine_timing_win.h"
#include "colvane/canvas/canvas_view_win.h"
#include "colvane/canvas/rope_win.h"
#include "colvane/canvas/tool_dispatch_win.h"
#include "colvane/canvas/tool_select_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/shell/app_state_win.h"
#include "colvane/text/typewriter_win.h"

namespace {
std::vector<double> Strokes(HWND window, int count) {
  std::vector<double> times;
  for (int i = 0; i < count; ++i) {
    const int y = 100 + (i % 30) * 10;
    double t0 = Now();
    CanvasPress(window, POINT{200, y});
    for (int x = 210; x <= 300; x += 10) CanvasMove(window, POINT{x, y});
    CanvasRelease(window, POINT{300, y});
    GdiFlush();
    times.push_back(Now() - t0);
  }
  return times;
}
}  // namespace

int main() {
  AppState& app = App();
  app.instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = app.instance;
  wc.lpszClassName = "PaintBench";
  RegisterClassA(&wc);
  HWND window = CreateWindowExA(0, "PaintBench", "paint bench", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600,
                                nullptr, nullptr, app.instance, nullptr);
  if (!window) return 1;
  app.mainWindow = window;
  ScreenLayout screen;
  screen.paperOriginX = screen.paperOriginY = 20;
  SetScreenLayout(screen);
  PrepareCanvas(window);
  OpenCanvasPicture(window, "C:\\no\\such\\picture.sam");
  SetClipArea(640, 480);
  ToolChoice& choice = Session().choice;
  choice.drawingMode = kModeBrush;
  choice.lineMode = 0;
  SetToolStrokeSize(52);

  Report("Stroke100px_S52", Strokes(window, 60));
  // A free-form selection: a star-like outline over most of the paper.
  choice.drawingMode = kModeFreeRope;
  const POINT outline[] = {{320, 20}, {380, 200}, {620, 240}, {380, 280}, {320, 460}, {260, 280},
                           {20, 240},  {260, 200}, {320, 20}};
  RopePress(window, Session(), outline[0]);
  for (const POINT& p : outline) RopeMove(window, Session(), p);
  RopeRelease(window, Session(), outline[8]);
  choice.drawingMode = kModeBrush;
  Report("Stroke100px_S52_FreeRope", Strokes(window, 60));

  std::vector<double> undo;
  for (int i = 0; i < 30; ++i) {
    double t0 = Now();
    UndoCommand(window);
    GdiFlush();
    undo.push_back(Now() - t0);
  }
  Report("UndoWholeCanvas", undo);

  // One keystroke at the end of a line at the largest size: the whole block again. Twenty letters
  // reach past the paper, so the last key lands off it; ten leave it on the paper.
  InstallTypewriter();
  choice.drawingMode = kModeTypewriter;
  Session().colours.sizeValue = 48;
  const auto keystroke = [&](const char* line) {
    std::vector<double> keys;
    for (int i = 0; i < 30; ++i) {
      CanvasPress(window, POINT{10, 100});
      for (const char* k = line; *k; ++k) TypewriterChar(window, static_cast<uint8_t>(*k));
      double t0 = Now();
      TypewriterChar(window, 'W');
      GdiFlush();
      keys.push_back(Now() - t0);
    }
    return keys;
  };
  Report("TypewriterKey_20Chars_Largest", keystroke("Twenty letters here."));
  Report("TypewriterKey_10Chars_Largest", keystroke("Ten letter"));
  FreeCanvas(App().mainWindow);
  DestroyWindow(window);
  return 0;
}
