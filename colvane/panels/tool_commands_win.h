// The commands that choose a tool: the toolbox buttons (which show their option panel) and the
// option panels' buttons, one table row per command.
#pragma once
#include <windows.h>

// Acts on a tool-choosing command; false when `id` is not one.
bool ToolCommand(HWND window, int id);
