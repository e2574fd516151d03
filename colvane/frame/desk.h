// The desk around the paper: the desk buttons and the paper bitmap of the current paper type.
#pragma once
#include <windows.h>

#include "colvane/frame/blit.h"

struct PaperArt {
  HBITMAP bitmap = nullptr;  // owned by the desk
  // The paper with its red key made black, and its mask: made once per paper, because every
  // element drawn on the desk lays the paper over itself.
  HBITMAP image = nullptr;   // owned by the desk
  HBITMAP mask = nullptr;    // owned by the desk
  POINT position{0, 0};      // layout coordinates (the paper corner's point)
  SIZE size{0, 0};
};

struct DeskButton {
  int id = 0;
  StripRecord states[3];  // 1: up look, 2: pressed look, 4: animation
  RECT hit{0, 0, 0, 0};   // layout coordinates
};

const PaperArt& CurrentPaperArt();
int CurrentPaperType();

void LoadDesk(HWND window, HINSTANCE instance);
void FreeDesk();
void PaintDesk(HWND window, HDC dc);

// Desk mouse handlers (layout point); 1 when the point was a desk button's.
int DeskHover(HWND window, POINT layout);
int DeskPress(HWND window, POINT layout);
int DeskRelease(HWND window, POINT layout);

// Command 4005: the next of the ten paper types, its paper bitmap and its grain; remembered in
// the settings file.
void NextPaperType(HWND window);
