// Button states as filmstrips: loading, drawing one frame and playing an animation.
#pragma once
#include <windows.h>

// One state of a button: a filmstrip of frames `frameWidth` wide.
struct StripRecord {
  int forward = 1;             // direction the animation plays in
  HBITMAP bitmap = nullptr;    // owned by the module that loaded the button
  int frameWidth = 256;
  int height = 0;
  POINT origin{0, 0};          // layout coordinates
};

// Loads a strip from the layout file: bitmap key, width key (default 256), origin key.
void LoadStrip(HWND window, StripRecord* strip, const char* section, const char* bitmapKey,
               const char* widthKey, const char* originKey);
void FreeStrip(StripRecord* strip);

int DrawStripFrame(HWND window, HDC dc, const StripRecord* strip, int frame, int count,
                   POINT destination, HPALETTE palette);
// 1 while PlayFilmstrip runs (its Delay dispatches other messages).
bool FilmstripPlaying();
int PlayFilmstrip(HWND window, const StripRecord* strip, int first, int count, POINT destination,
                  HPALETTE palette, int forward, int interruptible, const RECT* area,
                  UINT startingMessage);
