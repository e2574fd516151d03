// The file box: the full-screen page of boxes and pictures, one row of the screen's areas. Its
// lists, thumbnails and art live here and exist only while it is open.
#pragma once
#include <windows.h>

#include "colvane/frame/screen_area_win.h"

// Command 4001: saves the picture, loads the art, lists the boxes and the working box's pictures
// and raises the page over the desk.
void OpenFileBox(HWND window);
// Command 5008: the page goes and the desk comes back; everything the box held is freed.
void CloseFileBox(HWND window);
// The program ends with the box open: its art, thumbnails, lists and edit go, without the sound
// and the lowering page of a close.
void FreeFileBox();

// The screen-area row, shown while the box is open: it then takes every left-button event, and
// commands 5001-5009, 8010 and 8011.
extern const ScreenArea kFileBoxArea;
// A thumbnail is lifted and follows the pointer until the next left release.
bool FileBoxCarrying();
// Delete while the box is open throws the picked picture away; Enter is swallowed.
bool FileBoxKeyUp(HWND window, WPARAM key);
