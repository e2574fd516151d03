// Coordinate conversions, blits, transparent pairs, the offscreen pool and filmstrips.
#pragma once
#include <windows.h>

// The program's palette (owned by the shell, lent here at start-up), or null.
HPALETTE ScreenPalette();
void SetScreenPalette(HPALETTE palette);
// A paper point on the shown paper.
bool IsOnPaper(POINT paper);

void LayoutToScreen(POINT* p);
void ScreenToLayout(POINT* p);
void PaperToScreen(POINT* p);
void ScreenToPaper(POINT* p);
void RepaintLayoutRect(HWND window, const RECT* layoutRect);

int BlitPart(HWND window, HDC dc, HBITMAP bitmap, POINT destination, int width, int height,
             POINT source, HPALETTE palette);
int BlitPartToWindow(HWND window, HBITMAP bitmap, POINT destination, int width, int height,
                     POINT source, HPALETTE palette);
void OverlayPaper(HWND window, HDC elementDc, POINT elementPosition);
void MakeTransparentPair(HWND window, HBITMAP bitmap, HPALETTE palette, COLORREF key,
                         HBITMAP* image, HBITMAP* mask);
void BlitTransparentKeyed(HWND window, HDC destination, HBITMAP bitmap, HPALETTE palette, int x,
                          int y, int width, int height, int sourceX, int sourceY);
void BlitTransparentPair(HWND window, HDC destination, HBITMAP image, HBITMAP mask,
                         HPALETTE palette, int x, int y, int width, int height, int sourceX,
                         int sourceY);

HDC AcquireOffscreen(HDC dc, int width, int height);
int PresentOffscreen(HDC destination, int x, int y, HDC memoryDc);
int ReleaseOffscreen(HDC memoryDc);
// Frees the bitmaps the pool keeps between compositions (at shutdown).
void FreeOffscreens();

struct PaperArt {
  HBITMAP bitmap = nullptr;  // owned by the desk
  // The paper with its red key made black, and its mask: made once per paper, because every
  // element drawn on the desk lays the paper over itself.
  HBITMAP image = nullptr;   // owned by the desk
  HBITMAP mask = nullptr;    // owned by the desk
  POINT position{0, 0};      // layout coordinates (the paper corner's point)
  SIZE size{0, 0};
};

// The paper every element drawn on the desk lays over itself (set by the desk; null: none, as
// while the file box covers the desk).
void SetOverlaidPaper(const PaperArt* paper);

// While the whole screen is composed, the paper is painted last, over everything: blits into the
// composition draw their art as it is, without laying the paper over it each time.
struct CompositionScope {
  CompositionScope();
  ~CompositionScope();
  CompositionScope(const CompositionScope&) = delete;
  CompositionScope& operator=(const CompositionScope&) = delete;
};

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

// Bitmap size helper; 0 x 0 for a null bitmap.
SIZE BitmapSize(HBITMAP bitmap);
