// Choosing a painting tool on the canvas side: the drawing mode and tool icon, the stroke size,
// the stroke texture rules, the area pictures of the texture fill and picture eraser, and the
// magic stamp series. Which command chooses what is the option panels' tool command table.
#pragma once
#include <windows.h>

#include "colvane/ids.h"

// Rebuilds the dab masks for stroke size `size` and the current drawing mode.
void SetToolStrokeSize(int size);
// The size value and stroke size of a new session.
void ResetToolStrokeSize();

// Loads texture number n (0: no grain; 1..9: p<n>.dat of the program's data folder).
void LoadStrokeTexture(int n);
// Before a command acts: the current paper's grain, no crayon grain in use.
void ResetStrokeTexture();
// A crayon grain t is in use.
void UseCrayonTexture(int t);

// The tool icon: the tool's sound, and its cursor at once when the pointer is on the paper.
void SelectToolIcon(HWND window, ToolIcon icon);
// The drawing mode and the tool icon together: how every module chooses a tool.
void ChooseTool(HWND window, DrawingMode mode, ToolIcon icon);

// The area picture named for a panel's texture number: key <prefix><n>A of "DETAILTOOL". A
// picture that cannot be read leaves none.
void LoadPanelAreaPicture(const char* prefix, int textureNumber);

// Stamps on the stamp panel's strip: its width over the cell width "HEAPW" (0 without a strip).
int MagicStampCount(HWND window);
// Loads stamp file pat<stamp index + 1>.dat, or when that one is missing or holds no whole
// frame, the next one that loads going `step` (+1 on, -1 back, wrapping); the stamp index
// follows. 0, with no stamp loaded and the index unchanged, when no stamp of the series loads.
int LoadCurrentStamp(HWND window, int step);
// "Data Error. Call engineer!": no stamp of the series can be loaded.
void WarnNoStamp(HWND window);
// The stamp chosen on the stamp panel, or the warning when no stamp of the series loads.
void LoadChosenStamp(HWND window);
