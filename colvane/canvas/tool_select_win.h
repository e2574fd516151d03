// Choosing a painting tool: the tool-selection commands with the drawing mode, line mode, stroke
// size, grain and tool icon each sets, the stroke texture rules and the magic stamp.
#pragma once
#include <windows.h>

// Rebuilds the dab masks for stroke size `size` and the current drawing mode.
void SetToolStrokeSize(int size);

// Loads texture number n (0: no grain; 1..9: p<n>.dat of the program's data folder).
void LoadStrokeTexture(int n);
// Before a command acts: the current paper's grain, no crayon grain in use.
void ResetStrokeTexture();
// A crayon grain t is in use: texture number (t + 1) mod 10.
void UseCrayonTexture(int t);

// The option-panel commands of the freehand tools, fills, erasers, lens and rope; true when `id`
// was one of them.
bool SelectToolCommand(HWND window, int id);
// The tool icon: the tool's sound, and its cursor at once when the pointer is on the paper.
void SelectToolIcon(HWND window, int index);

// Command 2006 after its panel is shown: the magic stamp tool with the stamp chosen on the panel.
void MagicStampCommand(HWND window);
// Stamps on the stamp panel's strip: its width over the cell width "HEAPW" (0 without a strip).
int MagicStampCount(HWND window);
// Loads stamp file pat<stamp index + 1>.dat, or when that one is missing or holds no whole
// frame, the next one that loads going `step` (+1 on, -1 back, wrapping); the stamp index
// follows. 0, with no stamp loaded and the index unchanged, when no stamp of the series loads.
int LoadCurrentStamp(HWND window, int step);
// "Data Error. Call engineer!": no stamp of the series can be loaded.
void WarnNoStamp(HWND window);
