// Thumbnails of the file box: a picture scaled onto a card from a bounded read, and the card
// shown for a picture that can't be shown.
#pragma once
#include <windows.h>

// The picture at `path` scaled to width x height; null, with no message, for a file that gets no
// thumbnail (not a picture, damaged, or larger than the canvas).
HBITMAP LoadThumbnail(HWND owner, const char* path, HPALETTE palette, int width, int height);
// The broken-picture sign at width x height: a torn sheet with a question mark on a light card.
HBITMAP MakeBrokenPictureCard(HWND owner, int width, int height);
