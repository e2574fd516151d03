// Parsing of layout values and the choice of the screen variant: pure, no Windows calls.
#pragma once

// Decimal number by the C atoi rules (leading blanks, optional sign, digits up to the first
// other character, 0 when none). Values past the 32-bit range are clamped instead of wrapping.
int LayoutAtoi(const char* text);

// Splits text on "," (empty fields skipped, as strtok does) and converts the first `count`
// tokens with LayoutAtoi. Returns how many tokens were found (at most count).
int ParseLayoutNumbers(const char* text, int* numbers, int count);

// A point "x,y": 1 and both numbers when two tokens exist; 0 and the defaults otherwise.
int ParseLayoutPoint(const char* text, int defaultX, int defaultY, int* x, int* y);

// A rectangle "left,top,right,bottom": 1 when four tokens exist; else 0 and the defaults.
int ParseLayoutRect(const char* text, const int defaults[4], int out[4]);

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
