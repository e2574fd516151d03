// A screen area as the mouse routers and the composition see it: one row, owned by the module of
// the area; the shell lists the rows in z-order, top first. The routers offer events top-down;
// the composition paints bottom-up, so the two orders cannot drift apart.
#pragma once
#include <windows.h>

// Mouse handlers take a layout point and say whether the point was theirs. Any may be null.
using AreaMouseHandler = bool (*)(HWND window, POINT layout);

// What a key press on a target does: click it; pick up what a drag starts there (a size-bar thumb,
// a thumbnail) to carry it; or point inside it, as on the paper.
enum class TargetUse { kClick, kCarry, kPoint };

// A rectangle a child can press, in layout coordinates.
struct AreaTarget {
  RECT rect;
  const char* name;  // for logs and tests
  TargetUse use;
};

// Fills at most `capacity` targets, in reading order, and gives how many it filled.
using AreaTargetLister = int (*)(AreaTarget* out, int capacity);

struct ScreenArea {
  const char* name;
  bool (*shown)();                    // null: always; an area not shown is neither offered events nor painted
  AreaMouseHandler hover;             // a move with no canvas stroke under way
  AreaMouseHandler press;             // left press
  AreaMouseHandler release;           // left release
  AreaMouseHandler doubleClick;       // left double click
  AreaMouseHandler rightPress;
  AreaMouseHandler rightDoubleClick;
  void (*endDrag)(HWND window, POINT layout);  // every left release, wherever it lands, shown or not
  void (*paint)(HWND window, HDC dc);  // into the composition DC
  bool (*command)(HWND window, int id);  // commands this area takes before the dispatcher, shown or not
  bool pressSound;                    // the "butdown" sound when it takes a press
  AreaTargetLister targets;           // null: nothing to press here
  RECT (*bounds)();                   // where it paints, in layout coordinates; null: anywhere
  bool coversBounds;                  // it paints every pixel of its bounds: nothing beneath shows there
};

inline bool AreaShown(const ScreenArea& area) { return !area.shown || area.shown(); }

// The area's handler in `member` given the point, if the area is shown; whether it took it.
inline bool OfferToArea(const ScreenArea& area, AreaMouseHandler ScreenArea::*member, HWND window, POINT layout) {
  const AreaMouseHandler handler = area.*member;
  return handler && AreaShown(area) && handler(window, layout);
}

// The area's targets now: none while it is hidden.
inline int AreaTargets(const ScreenArea& area, AreaTarget* out, int capacity) {
  return area.targets && AreaShown(area) ? area.targets(out, capacity) : 0;
}

// One more target, if there is room and it is not empty.
inline void AddTarget(AreaTarget* out, int capacity, int* count, const RECT& rect, const char* name,
                      TargetUse use = TargetUse::kClick) {
  if (*count < capacity && rect.right > rect.left && rect.bottom > rect.top) out[(*count)++] = AreaTarget{rect, name, use};
}

struct ScreenAreas {
  const ScreenArea* const* rows;
  int count;
};

// The screen is composed bottom-up from the areas shown into one kept offscreen bitmap. A paint
// composes again only the client rectangles given (all of it the first time) and shows them.
void PaintScreen(HWND window, HDC paintDc, ScreenAreas areas, const RECT* rects, int count);
// All of it composed again and shown.
void ComposeScreen(HWND window, HDC paintDc, ScreenAreas areas);
// Gives the kept bitmap back to the offscreen pool (at shutdown, before the pool is freed).
void FreeKeptComposition();

// An area changed: its layout rectangle (or the whole window) is composed again at the next paint.
void DamageScreen(HWND window, const RECT& layoutRect);
void DamageWholeScreen(HWND window);
