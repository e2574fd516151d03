// Export as PNG: a library picture encoded through Windows Imaging Component.
#pragma once
#include <windows.h>

// Reads the bitmap file `source` with the picture reader and writes it to `target` as a 24-bit
// PNG. False when the picture cannot be read, encoded or written: a failed encode leaves `target`
// as it was, a failed write removes the partial file.
bool ExportPngFile(const char* source, const char* target);
