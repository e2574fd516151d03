// easelkit.dll: run path, message recorder and delay, palette table, transparent edit and the
// DIB band copy. Every export is WINAPI and exported undecorated (easelkit.def).
#pragma once
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// Folder of a loaded module, without a trailing backslash. buffer holds at least 80 chars.
// 1 when found; 0 with an empty buffer when the folder needs more than 80 chars (it is never
// cut), 0 with the module name when that holds no backslash.
int WINAPI GetRunPath(HMODULE module, LPSTR buffer);

// One-message store and the pumping delay used by button animations. A left release given to
// InPutMessage is kept (result 1) only behind a stored left press, and OutPutMessage posts it after
// the press, so a quick click made during an animation comes back whole.
int WINAPI isdelayon(void);
int WINAPI InPutMessage(UINT message, WPARAM wParam, LPARAM lParam);
int WINAPI IsIntMessage(UINT* message, WPARAM* wParam, LPARAM* lParam);
int WINAPI OutPutMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void WINAPI ClearMessage(void);
int WINAPI Echo_the_Window(HWND window);
void WINAPI Delay(HWND window, int milliseconds);

// Colour table of a palette, sorted ascending.
void WINAPI InitPalette(HPALETTE palette);
void WINAPI ClosePalette(void);

// A borderless edit field that hands its text back with WM_COMMAND 8010 (Enter) or 8011 (Esc).
HWND WINAPI CreateTransparentEdit(HINSTANCE module, HWND parent, int x, int y, int width,
                                  int height, LPSTR text);

// Copies picture rows y .. y+rows-1 (counted from the top) of a bottom-up DIB into target.
HBITMAP WINAPI OutputDIB2BMP(HDC dc, const BITMAPINFOHEADER* info, const BYTE* bits, int x, int y,
                             int width, int rows, HBITMAP target, int dibHeight, int stride);


#ifdef __cplusplus
}
#endif
