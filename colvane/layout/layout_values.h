// Parsing of layout values and the choice of the screen variant: pure, no Windows calls.
#pragma once

// Decimal number by the C atoi rules (leading blanks, optional sign, digits up to the first
// other character, 0 when none). Values past the 32-bit range are clamped instead of wrapping.
int LayoutAtoi(const char* text);

// Splits text on "," (empty fields skipped, as strtok does) and converts the first `count`
// tokens with LayoutAtoi. Returns how many tokens were found (at most count).
int ParseLayoutNumbers(const char* text, int* numbers, int count);

// Every number of a layout point or rectangle is a position, an offset or a size on the screen.
// One whose magnitude passes the reach cannot put anything on the screen, and adding it to the
// screen origin (or summing a few of them) could leave the 32-bit range. The reach is the
// screen's larger side, at least the 800 x 600 layout's own width and at most 65536, so that
// origin + a handful of in-reach numbers always stays far inside int.
constexpr int kMinLayoutReach = 800;
constexpr int kMaxLayoutReach = 65536;
int LayoutReach(int screenWidth, int screenHeight);

// A point "x,y": 1 and both numbers when two tokens exist and both lie within +-reach; 0 and
// the defaults otherwise (missing, malformed or out of reach).
int ParseLayoutPoint(const char* text, int defaultX, int defaultY, int reach, int* x, int* y);

// A rectangle "left,top,right,bottom": 1 when four tokens exist and all lie within +-reach;
// else 0 and the defaults. A rectangle whose right is left of its left, or of zero area, is
// given as it stands: its users clip it and never size anything by it.
int ParseLayoutRect(const char* text, const int defaults[4], int reach, int out[4]);

struct ScreenGeometry {
  int wideLayout;
  int screenOriginX, screenOriginY;
  int paperWidth, paperHeight;
};

// The layout variant and origins for a screen of width x height pixels.
ScreenGeometry ChooseScreenGeometry(int width, int height);

// folder + "\" (unless it already ends in one) + name, cut to fit size bytes with a terminator.
// Returns 1 when the whole path fitted.
int JoinFolderPath(const char* folder, const char* name, char* out, int size);
