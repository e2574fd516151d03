// Keyboard access: the focus, the paper's crosshair and carrying, all through made mouse messages.
#include "colvane/shell/keyboard_win.h"

#include "colvane/frame/coords_win.h"
#include "colvane/shell/area_targets_win.h"
#include "colvane/shell/focus_marks_win.h"
#include "colvane/shell/synthetic_mouse_win.h"
#include "colvane/shell/target_walk.h"
#include "colvane/text/typewriter_win.h"

namespace {

enum class Mode { kTargets, kPointing, kCarrying };

struct KeyFocus {
  int area = -1, target = 0;
  Mode mode = Mode::kTargets;
  POINT pointer{0, 0};  // layout coordinates, while pointing or carrying
  WalkRect bounds;      // where the pointer may go
  bool held = false;    // a made press not yet released
  int repeats = 0;      // of the arrow held down
  POINT cursorAtShow{0, 0};  // the real pointer when the marks came
};
KeyFocus focus;

WalkRect ToWalk(const RECT& r) { return WalkRect{r.left, r.top, r.right, r.bottom}; }

constexpr int kMaxAreas = 32;

// How many targets each area has now; the number of areas. `scratch` holds kMaxAreaTargets.
int CountTargets(int* counts, AreaTarget* scratch) {
  const int areas = ProgramAreaCount() < kMaxAreas ? ProgramAreaCount() : kMaxAreas;
  for (int i = 0; i < areas; ++i) counts[i] = TargetsOfArea(i, scratch);
  return areas;
}

// The focus on a target that is there now: the first area with targets when its own has none.
int Resolve(AreaTarget* targets) {
  int counts[kMaxAreas];
  const int areas = CountTargets(counts, targets);
  if (focus.area < 0 || focus.area >= areas || counts[focus.area] == 0) {
    focus.area = StepArea(counts, areas, -1, +1);
    focus.target = 0;
  }
  const int n = TargetsOfArea(focus.area, targets);
  if (focus.target >= n) focus.target = 0;
  return n;
}

void Show(HWND window) {
  FocusMarks marks;
  marks.findRing = FindTargetRing;
  if (focus.mode == Mode::kTargets) {
    AreaTarget targets[kMaxAreaTargets];
    if (Resolve(targets) > 0) {
      marks.area = focus.area;
      marks.target = focus.target;
    }
  } else {
    marks.cross = true;
    marks.crossAt = focus.pointer;
  }
  if (!FocusMarksShown()) GetCursorPos(&focus.cursorAtShow);
  ShowFocusMarks(window, marks);
}

void MoveToArea(int step) {
  AreaTarget targets[kMaxAreaTargets];
  Resolve(targets);
  int counts[kMaxAreas];
  const int areas = CountTargets(counts, targets);
  const int next = StepArea(counts, areas, focus.area, step);
  if (next >= 0) focus.area = next;
  focus.target = 0;
}

// The next target in Tab order over every area: where a carried thing jumps to.
POINT NextTargetCentre(int step) {
  AreaTarget targets[kMaxAreaTargets];
  int n = Resolve(targets);
  focus.target += step;
  if (focus.target < 0 || focus.target >= n) {
    MoveToArea(step);
    n = TargetsOfArea(focus.area, targets);
    focus.target = step < 0 && n > 0 ? n - 1 : 0;
  }
  return n > 0 ? TargetCentre(targets[focus.target]) : focus.pointer;
}

WalkRect LayoutBounds(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  POINT a{0, 0}, b{client.right, client.bottom};
  ScreenToLayout(&a);
  ScreenToLayout(&b);
  return WalkRect{a.x, a.y, b.x, b.y};
}

void Release(HWND window) {
  if (!focus.held) return;
  focus.held = false;
  SendLeftRelease(window, focus.pointer);
}

void BackToTargets(HWND window) {
  Release(window);
  focus.mode = Mode::kTargets;
}

void Press(HWND window) {
  if (focus.mode == Mode::kCarrying) {
    BackToTargets(window);
    return;
  }
  if (focus.mode == Mode::kPointing) {
    if (focus.held) {
      Release(window);
      return;
    }
    focus.held = true;
    SendLeftPress(window, focus.pointer);
    if (TypewriterHasText()) Release(window);  // a text begun takes the keys from here
    return;
  }
  AreaTarget targets[kMaxAreaTargets];
  if (Resolve(targets) == 0) return;
  const AreaTarget& t = targets[focus.target];
  focus.pointer = TargetCentre(t);
  switch (t.use) {
    case TargetUse::kClick: SendClick(window, focus.pointer); break;
    case TargetUse::kPoint:
      focus.mode = Mode::kPointing;
      focus.bounds = ToWalk(t.rect);
      SendMouseMove(window, focus.pointer, false);
      break;
    case TargetUse::kCarry:
      focus.mode = Mode::kCarrying;
      focus.bounds = LayoutBounds(window);
      focus.held = true;
      SendLeftPress(window, focus.pointer);
      break;
  }
}

void Arrow(HWND window, WalkDirection d, bool repeated) {
  focus.repeats = repeated ? focus.repeats + 1 : 0;
  if (focus.mode == Mode::kTargets) {
    AreaTarget targets[kMaxAreaTargets];
    const int n = Resolve(targets);
    WalkRect rects[kMaxAreaTargets];
    for (int i = 0; i < n; ++i) rects[i] = ToWalk(targets[i].rect);
    if (FocusMarksShown()) focus.target = NearestTarget(rects, n, focus.target, d);
    return;
  }
  int x = focus.pointer.x, y = focus.pointer.y;
  MovePoint(&x, &y, d, PointerStep(focus.repeats), focus.bounds);
  focus.pointer = POINT{x, y};
  SendMouseMove(window, focus.pointer, focus.held);
}

void Tab(HWND window, int step) {
  if (TypewriterHasText()) EndTypewriterText();
  if (focus.mode == Mode::kCarrying) {
    focus.pointer = NextTargetCentre(step);
    SendMouseMove(window, focus.pointer, true);
    return;
  }
  if (focus.mode == Mode::kPointing) BackToTargets(window);
  if (FocusMarksShown()) MoveToArea(step);  // the first key only shows where the focus is
}

}  // namespace

bool KeyboardKeyDown(HWND window, WPARAM key, LPARAM flags) {
  const bool repeated = (flags & (1L << 30)) != 0;
  const bool typing = TypewriterHasText();
  switch (key) {
    case VK_TAB: Tab(window, GetKeyState(VK_SHIFT) < 0 ? -1 : +1); break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
      if (typing) return false;
      const WalkDirection d = key == VK_LEFT    ? WalkDirection::kLeft
                              : key == VK_RIGHT ? WalkDirection::kRight
                              : key == VK_UP    ? WalkDirection::kUp
                                                : WalkDirection::kDown;
      Arrow(window, d, repeated);
      break;
    }
    case VK_SPACE:
    case VK_RETURN:
      if (typing) return false;
      if (repeated) return true;  // a held key presses once
      if (!FocusMarksShown() && focus.mode == Mode::kTargets) break;  // nothing unseen is pressed
      if (key == VK_RETURN && focus.mode == Mode::kTargets) {
        AreaTarget targets[kMaxAreaTargets];
        if (Resolve(targets) > 0 && targets[focus.target].use == TargetUse::kCarry) {
          SendDoubleClick(window, TargetCentre(targets[focus.target]));  // a picture opens
          break;
        }
      }
      Press(window);
      break;
    case VK_ESCAPE:
      if (focus.mode == Mode::kTargets) return false;
      BackToTargets(window);
      break;
    default: return false;
  }
  Show(window);
  return true;
}

void KeyboardPointerUsed(HWND window, bool press) {
  if (!FocusMarksShown()) return;
  POINT now;
  GetCursorPos(&now);
  if (!press && now.x == focus.cursorAtShow.x && now.y == focus.cursorAtShow.y) return;
  if (focus.held) {  // the mouse takes over: what keys held is let go where it is
    focus.held = false;
    SendLeftRelease(window, focus.pointer);
  }
  focus.mode = Mode::kTargets;
  HideFocusMarks(window);
}
