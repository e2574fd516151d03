// The cartoons running on the picture: their strips as sprite and mask, the 150 ms tick that
// plays and walks them on the screen (never into the canvas), placing, removing, pausing, and
// the cartoon file beside the picture.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "colvane/frame/screen_area_win.h"
#include "colvane/library/cartoon_table.h"

// A new cartoon from a strip file (red is transparent) with frames `frameWidth` wide, from item
// `number` of page `group` of the cartoon category; its index, or -1 when ten run already, the
// width is 0, or the file is missing or is not a picture.
int LoadCartoon(HWND window, const char* stripPath, int frameWidth, int group, int number);
// Gives a cartoon its one-point path and starts the timer.
void PlaceCartoon(HWND window, int index, POINT paper);
void RemoveCartoon(HWND window, int index);
void RemoveAllCartoons(HWND window);
int CartoonCount();
const CartoonTable& Cartoons();
// A cartoon's strip with black where it is transparent, and its monochrome mask (white there).
HBITMAP CartoonSprite(int index);
HBITMAP CartoonMask(int index);
// The first cartoon (lowest index) whose current frame covers the paper point; -1 none.
int CartoonAt(POINT paper);

// The cartoon taken from the library and not yet placed: -1 none.
void SetPickedCartoon(int index);
int PickedCartoon();
void RemovePickedCartoon(HWND window);

// Timer 2. Does nothing while a tick runs, while paused, while the file box covers the desk or a
// button animation plays.
void CartoonTick(HWND window);
bool CartoonsBusy();
void PauseCartoons(HWND window);
void ResumeCartoons(HWND window);

// The screen-area row: the cartoons where they were last shown, into the composition DC (cut to
// the canvas); not shown while the file box covers the desk.
extern const ScreenArea kCartoonsArea;

// The canvas's drag preview, drop and soft-eraser hit for cartoons; set once at start-up.
void InstallCartoonHooks();

// The cartoon file beside a picture: the file's cartoons replace the running ones. 0, keeping
// the running ones, when the file cannot be opened; a damaged file leaves none.
int ReadCartoonFile(HWND window, const char* path);
// The bytes of the cartoon file for the cartoons placed now.
std::vector<uint8_t> CartoonFileBytes();
// The child removed a cartoon since the cartoon file was last read or written: a picture left
// with none has to lose its old cartoon file too.
bool CartoonsRemovedSinceFile();
void CartoonFileWritten();
void FreeCartoons(HWND window);
