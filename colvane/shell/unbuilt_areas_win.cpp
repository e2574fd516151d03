// Screen areas whose modules are not in the program yet: they take no event and draw nothing,
// so the routers and the composition already call them in their final order.
#include "colvane/shell/app_state.h"
#include "colvane/shell/areas.h"

int CanvasPress(HWND, POINT) { return 0; }
int CanvasMove(HWND, POINT) { return 0; }
int CanvasRelease(HWND, POINT) { return 0; }
int CanvasPickColour(HWND, POINT) { return 0; }
// Until the canvas exists the paper shows a blank white page.
void PaintCanvas(HWND, HDC dc) {
  const AppState& app = App();
  PatBlt(dc, app.paperOriginX, app.paperOriginY, app.paperWidth, app.paperHeight, WHITENESS);
}

int PanelHover(HWND, POINT) { return 0; }
int PanelPress(HWND, POINT) { return 0; }
int PanelRelease(HWND, POINT) { return 0; }
void PaintOptionPanel(HWND, HDC) {}

int ColourHover(HWND, POINT, int) { return 0; }
int ColourPress(HWND, POINT, int) { return 0; }
int ColourRelease(HWND, POINT, int) { return 0; }
int ColourDoubleClick(HWND, POINT) { return 0; }
int ColourRightPress(HWND, POINT) { return 0; }
int ColourRightDoubleClick(HWND, POINT) { return 0; }
void PaintColourPanel(HWND, HDC) {}

int ToolboxHover(HWND, POINT) { return 0; }
int ToolboxPress(HWND, POINT) { return 0; }
int ToolboxRelease(HWND, POINT) { return 0; }
void PaintToolbox(HWND, HDC) {}

int LibraryHover(HWND, POINT) { return 0; }
int LibraryPress(HWND, POINT) { return 0; }
int LibraryRelease(HWND, POINT) { return 0; }
int LibraryDragging() { return 0; }
void PaintLibrary(HWND, HDC) {}

int FileBoxHover(HWND, POINT) { return 0; }
int FileBoxPress(HWND, POINT) { return 0; }
int FileBoxRelease(HWND, POINT) { return 0; }
int FileBoxDoubleClick(HWND, POINT) { return 0; }
void FileBoxDeleteSelected(HWND) {}
void PaintFileBox(HWND, HDC) {}

int SoundPanelHover(HWND, POINT) { return 0; }
int SoundPanelPress(HWND, POINT) { return 0; }
void PaintSoundPanel(HWND, HDC) {}

void TypewriterChar(HWND, WPARAM) {}
void TypewriterCaretTick(HWND) {}

void CartoonTick(HWND) {}
int CartoonBusy() { return 0; }
void RopeFrameTick(HWND) {}

void PlaySoundEffect(const char*) {}
void MusicNotify(HWND, WPARAM) {}

void ExitScreenStep(HWND) {}
void FreeExitScreen(HWND window) { KillTimer(window, 10); }
void FreeSoundPanel() {}
void ClearCartoons() {}
void FreeCartoons() {}
void PrepareCanvas(HWND) {}
void SetCanvasPaperSize(int, int) {}
void FreeCanvas() {}
void LoadToolbox(HWND, HINSTANCE) {}
void FreeToolbox() {}
void FreeOptionPanels() {}
void FreeLibraryButtons() {}
void FreeClipArt() {}
void ChooseToolSound(int) {}
