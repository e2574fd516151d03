// Screen areas whose modules are not in the program yet: they take no event and draw nothing,
// so the routers and the composition already call them in their final order.
#include "colvane/shell/app_state.h"
#include "colvane/shell/areas.h"

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

void FreeSoundPanel() {}
void ClearCartoons() {}
void FreeCartoons() {}
void FreeLibraryButtons() {}
void FreeClipArt() {}
void ChooseToolSound(int) {}
