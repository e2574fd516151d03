// The library page: the items of a category, a page at a time, in the compartment below the
// paper while the library lies where the toolbox was. A press takes a sticker, a cartoon or a
// sample picture.
#pragma once
#include <windows.h>

#include "colvane/frame/screen_area_win.h"

// Commands 7000..7010 (a category, page 1), 7011 (page back) and 7012 (page forward); true when
// `id` was one of them.
bool LibraryCommand(HWND window, int id);
// The page shown (1..) and its category's layout section; 0 and null before a category is chosen.
int LibraryPageNumber();
const char* LibrarySection();
// Where the page is drawn (layout point): the category button's drawer lands there.
void SetLibraryPagePosition(POINT layout);
// The screen-area row, shown while the library lies where the toolbox was, a category is open and
// the file box does not cover it. It never takes the release: the page buttons come up, and a
// cartoon taken but not placed goes. Its commands are those of LibraryCommand.
extern const ScreenArea kLibraryPageArea;
// The page pictures and the category (on the way back to the tools and at shutdown).
void FreeLibraryPage();

// Before a sample picture replaces the canvas the picture there is kept and the sample becomes a
// new picture of its own; after, the sample is noted as not painted on yet. The shell installs
// what does both.
struct PictureKeeper {
  void (*before)(HWND window) = nullptr;
  void (*after)(HWND window) = nullptr;
};
void SetPictureKeeper(const PictureKeeper& keeper);
