// Choosing a painting tool: the tool-selection commands with the drawing mode, line mode,
// stroke size, grain and tool icon each sets, the stroke texture rules and the magic stamp.
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

// The option-panel commands of the freehand tools, fills, erasers, lens and rope; 1 when `id`
// was one of them.
int SelectToolCommand(HWND window, UINT id);

// Command 2006: the magic stamp tool with the stamp chosen on its panel.
void MagicStampCommand(HWND window);
// Commands 43001 and 43002: the next or previous stamp; 1 when `id` was one of them.
int StampPagingCommand(HWND window, UINT id);
