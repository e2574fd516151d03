// Entry points of the screen areas, as the shell's routers and the composition call them.
// Each mouse handler takes a layout point (paper point for the canvas) and returns 1 when the
// point was its own; each paint routine draws into the composition DC.
#pragma once
#include <windows.h>

// Canvas (paper point).
int CanvasPress(HWND window, POINT paper);
int CanvasMove(HWND window, POINT paper);
int CanvasRelease(HWND window, POINT paper);
void PaintCanvas(HWND window, HDC dc);
// Right-button colour pick on the paper; 1 when it acted.
int CanvasPickColour(HWND window, POINT paper);

// Tool option panel.
// Shows the panel of a toolbar command (the caller has freed the previous panel's art); the
// panel then sends the command of its selected button.
void ShowOptionPanel(HWND window, int toolbarCommand);
void RedrawOptionPanel(HWND window);
// Texture number (0..8) of the fill (1007) or eraser (1008) panel.
int PanelTextureNumber(int toolbarCommand);
// The shapes panel's shape (0 ellipse, 1..6 polygons) and fill-style flag (1 hollow, 0 full).
int SelectedShape();
int ShapeFillStyle();
// The special-effects slider's lens strength, -100..100.
int LensStrength();
int ShapePanelCommand(HWND window, UINT id);
int PanelHover(HWND window, POINT layout);
int PanelPress(HWND window, POINT layout);
int PanelRelease(HWND window, POINT layout);
void PaintOptionPanel(HWND window, HDC dc);

// Colour panel: swatches, page buttons, size bar.
int ColourHover(HWND window, POINT layout, int which);        // which: 0..2
int ColourPress(HWND window, POINT layout, int which);        // which: 0..2
int ColourRelease(HWND window, POINT layout, int which);      // which: 0..1
int ColourDoubleClick(HWND window, POINT layout);
int ColourRightPress(HWND window, POINT layout);
int ColourRightDoubleClick(HWND window, POINT layout);
void PaintColourPanel(HWND window, HDC dc);

// Toolbox buttons.
int ToolboxHover(HWND window, POINT layout);
int ToolboxPress(HWND window, POINT layout);
int ToolboxRelease(HWND window, POINT layout);
void PaintToolbox(HWND window, HDC dc);

// Clip-art library.
int LibraryHover(HWND window, POINT layout);
int LibraryPress(HWND window, POINT layout);
int LibraryRelease(HWND window, POINT layout);
int LibraryDragging();
int LibraryCommand(HWND window, UINT id);
void PaintLibrary(HWND window, HDC dc);

// File box.
int FileBoxHover(HWND window, POINT layout);
int FileBoxPress(HWND window, POINT layout);
int FileBoxRelease(HWND window, POINT layout);
int FileBoxDoubleClick(HWND window, POINT layout);
void FileBoxDeleteSelected(HWND window);
int FileBoxCommand(HWND window, UINT id);
void PaintFileBox(HWND window, HDC dc);

// Music and sound panel.
int SoundPanelHover(HWND window, POINT layout);
int SoundPanelPress(HWND window, POINT layout);
void PaintSoundPanel(HWND window, HDC dc);

// Typewriter.
void TypewriterChar(HWND window, WPARAM ch);
void TypewriterCaretTick(HWND window);
// Drops the typewriter's pending line.
void EndTypewriterText(HWND window);

// Cartoons and rope selection timers.
void CartoonTick(HWND window);
int CartoonBusy();
// Removes a running cartoon under the paper point; 1 when one was removed.
int RemoveCartoonAt(HWND window, POINT paper);
// The cartoon being placed: its preview at the paper point (last: where it was shown), and the
// end of its drag, placed at the point (place 1) or discarded.
void CartoonDragPreview(HWND window, POINT paper, POINT last);
void CartoonDragEnd(HWND window, POINT paper, int place);
void RopeFrameTick(HWND window);

// Sounds.
void PlaySoundEffect(const char* name);
// Starts the current tool's looping sound (StopSoundEffects silences it).
void PlayToolSound();
void StopSoundEffects();
void MusicNotify(HWND window, WPARAM code);

// Exit screen: freezes and darkens the screen and starts the goodbye picture (command 4002);
// one scroll step of the picture (timer 10).
void StartExitScreen(HWND window);
void ExitScreenStep(HWND window);
// Frees what the exit screen holds (its picture and mask, its timer).
void FreeExitScreen(HWND window);
// Music and sound panel art, freed at shutdown.
void FreeSoundPanel();
// Cartoon table: cleared at start-up, stopped and freed at shutdown.
void ClearCartoons();
void FreeCartoons();
// Canvas buffers; freeing twice is harmless.
void PrepareCanvas(HWND window);
void SetCanvasPaperSize(int width, int height);
void FreeCanvas();
// Toolbox, option panel and library art.
void LoadToolbox(HWND window, HINSTANCE instance);
void FreeToolbox();
void FreeOptionPanels();
void FreeLibraryButtons();
void FreeClipArt();
// Tool sound for a tool icon index.
void ChooseToolSound(int index);
