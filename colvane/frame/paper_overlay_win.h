// The paper laid over every element drawn on the desk where the element reaches under it.
#pragma once
#include <windows.h>

#include <vector>

#include "colvane/frame/cover_bands.h"
#include "colvane/frame/cover_runs.h"

struct PaperArt {
  HBITMAP bitmap = nullptr;  // owned by the desk
  // The paper with its red key made black, and its mask: made once per paper, because every
  // element drawn on the desk lays the paper over itself.
  HBITMAP image = nullptr;   // owned by the desk
  HBITMAP mask = nullptr;    // owned by the desk
  POINT position{0, 0};      // layout coordinates (the paper corner's point)
  SIZE size{0, 0};
  // Where the paper covers anything, in its own pixels: most of it is see-through, and only these
  // parts are laid over the screen.
  std::vector<BandRect> covers;
  CoverRuns runs;  // its pixels that are not the key, for laying straight into 32-bit pictures
};

// Finds the parts of paper.bitmap that are not its red key (all of it when they can't be read).
void FindPaperCovers(PaperArt* paper);
// Lays the part of the paper from (sourceX, sourceY), width x height, at (x, y) of dc.
void BlitPaperPart(HDC dc, const PaperArt& paper, int x, int y, int width, int height, int sourceX, int sourceY);

// The paper every element drawn on the desk lays over itself (set by the desk; null: none, as
// while the file box covers the desk).
void SetOverlaidPaper(const PaperArt* paper);
// Lays the overlaid paper over an element drawn in elementDc whose corner is at the layout point.
void OverlayPaper(HWND window, HDC elementDc, POINT elementPosition);
