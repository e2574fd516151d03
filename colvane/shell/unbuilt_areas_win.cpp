// Screen areas whose modules are not in the program yet: they take no event and draw nothing,
// so the routers and the composition already call them in their final order.
#include "colvane/shell/app_state.h"
#include "colvane/shell/areas.h"

// Until the option panels exist, showing one does only what the canvas relies on: the spray
// panel's stroke timer, and the command of the panel's default button.
void ShowOptionPanel(HWND window, int toolbarCommand) {
  KillTimer(window, 1);
  if (toolbarCommand == 1006) SetTimer(window, 1, 100, nullptr);
  static const int kDefaultButton[][2] = {{1001, 10001}, {1002, 20001}, {1003, 30001}, {1004, 40001},
                                          {1005, 50001}, {1006, 60002}, {1007, 11001}, {1008, 21002},
                                          {2001, 31003}, {2002, 41002}, {2006, 43003}};
  for (const auto& b : kDefaultButton)
    if (b[0] == toolbarCommand) SendMessageA(window, WM_COMMAND, b[1], 0);
}
void RedrawOptionPanel(HWND) {}
int PanelTextureNumber(int) { return 0; }
// Until the shapes panel exists the tool draws the hollow ellipse.
int SelectedShape() { return 0; }
int ShapeFillStyle() { return 1; }
int LensStrength() { return 0; }
int ShapePanelCommand(HWND, UINT) { return 0; }
int PanelHover(HWND, POINT) { return 0; }
int PanelPress(HWND, POINT) { return 0; }
int PanelRelease(HWND, POINT) { return 0; }
void PaintOptionPanel(HWND, HDC) {}


int LibraryHover(HWND, POINT) { return 0; }
int LibraryPress(HWND, POINT) { return 0; }
int LibraryRelease(HWND, POINT) { return 0; }
int LibraryDragging() { return 0; }
int LibraryCommand(HWND, UINT) { return 0; }
void PaintLibrary(HWND, HDC) {}

int FileBoxHover(HWND, POINT) { return 0; }
int FileBoxPress(HWND, POINT) { return 0; }
int FileBoxRelease(HWND, POINT) { return 0; }
int FileBoxDoubleClick(HWND, POINT) { return 0; }
void FileBoxDeleteSelected(HWND) {}
int FileBoxCommand(HWND, UINT) { return 0; }
void PaintFileBox(HWND, HDC) {}

int SoundPanelHover(HWND, POINT) { return 0; }
int SoundPanelPress(HWND, POINT) { return 0; }
void PaintSoundPanel(HWND, HDC) {}

void TypewriterChar(HWND, WPARAM) {}
void TypewriterCaretTick(HWND) {}
void EndTypewriterText(HWND) {}

void CartoonTick(HWND) {}
int CartoonBusy() { return 0; }
int RemoveCartoonAt(HWND, POINT) { return 0; }
void CartoonDragPreview(HWND, POINT, POINT) {}
void CartoonDragEnd(HWND, POINT, int) {}

void PlaySoundEffect(const char*) {}
void PlayToolSound() {}
void MusicNotify(HWND, WPARAM) {}

void ExitScreenStep(HWND) {}
void FreeExitScreen(HWND window) { KillTimer(window, 10); }
void FreeSoundPanel() {}
void ClearCartoons() {}
void FreeCartoons() {}
void FreeOptionPanels() {}
void FreeLibraryButtons() {}
void FreeClipArt() {}
void ChooseToolSound(int) {}
