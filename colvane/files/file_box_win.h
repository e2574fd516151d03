// The file box: the full-screen page of boxes and pictures, one row of the screen's areas. Its
// lists, thumbnails and art live here and exist only while it is open.
#pragma once
#include <windows.h>

// Command 4001: saves the picture, loads the art, lists the boxes and the working box's pictures
// and raises the page over the desk.
void OpenFileBox(HWND window);
// Command 5008: the page goes and the desk comes back; everything the box held is freed.
void CloseFileBox(HWND window);

// The screen-area row (layout points; each takes every event while the box is open).
bool FileBoxHover(HWND window, POINT layout);
bool FileBoxPress(HWND window, POINT layout);
bool FileBoxRelease(HWND window, POINT layout);
bool FileBoxDoubleClick(HWND window, POINT layout);
void FileBoxEndDrag(HWND window);
void PaintFileBox(HWND window, HDC dc);
// Commands 5001-5009, 8010 and 8011 while the box is open.
bool FileBoxCommand(HWND window, int id);
// Delete while the box is open throws the picked picture away; Enter is swallowed.
bool FileBoxKeyUp(HWND window, WPARAM key);
