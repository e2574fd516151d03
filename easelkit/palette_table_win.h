// Read access to the colour table InitPalette fills (for tests of the library itself).
#pragma once
#include <windows.h>

const COLORREF* PaletteTable(unsigned* count);
