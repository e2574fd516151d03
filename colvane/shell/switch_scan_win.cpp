// Switch scanning driven by a timer: what each phase offers, what a choice does, what is shown.
#include "colvane/shell/switch_scan_win.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "colvane/ids.h"
#include "colvane/layout/policy.h"
#include "colvane/layout/policy_win.h"
#include "colvane/shell/area_targets_win.h"
#include "colvane/shell/focus_marks_win.h"
#include "colvane/shell/switch_scan.h"
#include "colvane/shell/synthetic_mouse_win.h"

namespace {

constexpr int kMaxAreas = 32;

struct Scanner {
  ScanSettings settings;
  UINT keys[2] = {VK_SPACE, VK_RETURN};
  ScanState state;
  int areas[kMaxAreas] = {};  // the rows with targets when the phase began
  int areaCount = 0;
  int area = -1;              // the area chosen
  RECT paper{0, 0, 0, 0};     // the paper chosen, layout coordinates
  POINT point{0, 0};          // on the paper
  int direction = 0;
  bool carrying = false;      // a press is held, to be let go at the next choice
} scan;

UINT KeyCode(const std::string& name) {
  if (name == "Space") return VK_SPACE;
  if (name == "Enter") return VK_RETURN;
  if (name == "Tab") return VK_TAB;
  if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f') && std::isdigit(static_cast<unsigned char>(name[1])))
    return VK_F1 + static_cast<UINT>(std::atoi(name.c_str() + 1)) - 1;
  if (name.size() == 1) return static_cast<UINT>(std::toupper(static_cast<unsigned char>(name[0])));
  return 0;
}

POINT StrokeEnd() {
  int dx = 0, dy = 0;
  ScanDirection(scan.direction, &dx, &dy);
  const int length = ScanLength(scan.state.index);
  const POINT& p = scan.point;
  return POINT{std::clamp<LONG>(p.x + dx * length, scan.paper.left, scan.paper.right - 1),
               std::clamp<LONG>(p.y + dy * length, scan.paper.top, scan.paper.bottom - 1)};
}

void Show(HWND window) {
  FocusMarks marks;
  marks.findRing = FindTargetRing;
  const ScanState& s = scan.state;
  marks.lineBounds = scan.paper;
  switch (s.phase) {
    case ScanPhase::kAreas:
      if (s.index < scan.areaCount) marks.area = scan.areas[s.index];
      break;
    case ScanPhase::kTargets:
      marks.area = scan.area;
      marks.target = s.index;
      break;
    case ScanPhase::kRows: marks.rowY = ScanSpot(s.index, kScanRows, scan.paper.top, scan.paper.bottom); break;
    case ScanPhase::kColumns:
      marks.rowY = scan.point.y;
      marks.columnX = ScanSpot(s.index, kScanColumns, scan.paper.left, scan.paper.right);
      break;
    case ScanPhase::kDirections:
    case ScanPhase::kLengths: {
      marks.cross = true;
      marks.crossAt = scan.point;
      marks.segment = true;
      marks.from = scan.point;
      if (s.phase == ScanPhase::kDirections) {
        int dx = 0, dy = 0;
        ScanDirection(s.index, &dx, &dy);
        marks.to = POINT{scan.point.x + dx * 32, scan.point.y + dy * 32};
      } else {
        marks.to = StrokeEnd();
      }
      break;
    }
  }
  ShowFocusMarks(window, marks);
}

void ListAreas() {
  AreaTarget targets[kMaxAreaTargets];
  scan.areaCount = 0;
  const int rows = ProgramAreaCount();
  for (int i = 0; i < rows && scan.areaCount < kMaxAreas; ++i)
    if (TargetsOfArea(i, targets) > 0) scan.areas[scan.areaCount++] = i;
}

void BeginAreas() {
  ListAreas();
  BeginScanPhase(&scan.state, ScanPhase::kAreas, scan.areaCount, GetTickCount());
}

// Each round of the areas starts from the screen as it is now (a box opened, a page turned).
void Stepped(HWND window) {
  if (scan.state.phase == ScanPhase::kAreas && scan.state.index == 0) {
    ListAreas();
    scan.state.choices = scan.areaCount;
  }
  Show(window);
}

void BeginPaper(const RECT& paper) {
  scan.paper = paper;
  BeginScanPhase(&scan.state, ScanPhase::kRows, kScanRows, GetTickCount());
}

// A point chosen: a carried thing is put down there; otherwise a stroke is planned from it.
void PointChosen(HWND window) {
  if (scan.carrying) {
    SendMouseMove(window, scan.point, true);
    SendLeftRelease(window, scan.point);
    scan.carrying = false;
    BeginAreas();
    return;
  }
  BeginScanPhase(&scan.state, ScanPhase::kDirections, kScanDirections, GetTickCount());
}

// The stroke as a hand would paint it: a press, moves every few pixels, a release.
void PaintStroke(HWND window) {
  const POINT from = scan.point, to = StrokeEnd();
  SendMouseMove(window, from, false);
  SendLeftPress(window, from);
  const int steps = std::max(1L, std::max(std::labs(to.x - from.x), std::labs(to.y - from.y)) / 4);
  for (int i = 1; i <= steps; ++i)
    SendMouseMove(window, POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps}, true);
  SendLeftRelease(window, to);
}

void TargetChosen(HWND window, const AreaTarget& t) {
  const POINT centre = TargetCentre(t);
  if (t.use == TargetUse::kPoint) {
    BeginPaper(t.rect);
    return;
  }
  if (scan.carrying) {
    SendMouseMove(window, centre, true);
    SendLeftRelease(window, centre);
    scan.carrying = false;
  } else if (t.use == TargetUse::kCarry) {
    SendLeftPress(window, centre);
    scan.carrying = true;
  } else {
    SendClick(window, centre);
  }
  BeginAreas();
}

void Choose(HWND window) {
  AreaTarget targets[kMaxAreaTargets];
  const ScanState& s = scan.state;
  switch (s.phase) {
    case ScanPhase::kAreas: {
      scan.area = scan.areas[s.index];
      const int n = TargetsOfArea(scan.area, targets);
      if (n == 1 && targets[0].use == TargetUse::kPoint)
        BeginPaper(targets[0].rect);
      else
        BeginScanPhase(&scan.state, ScanPhase::kTargets, n, GetTickCount());
      break;
    }
    case ScanPhase::kTargets:
      if (s.index < TargetsOfArea(scan.area, targets)) TargetChosen(window, targets[s.index]);
      else BeginAreas();
      break;
    case ScanPhase::kRows:
      scan.point.y = ScanSpot(s.index, kScanRows, scan.paper.top, scan.paper.bottom);
      BeginScanPhase(&scan.state, ScanPhase::kColumns, kScanColumns, GetTickCount());
      break;
    case ScanPhase::kColumns:
      scan.point.x = ScanSpot(s.index, kScanColumns, scan.paper.left, scan.paper.right);
      PointChosen(window);
      break;
    case ScanPhase::kDirections:
      scan.direction = s.index;
      BeginScanPhase(&scan.state, ScanPhase::kLengths, kScanLengths, GetTickCount());
      break;
    case ScanPhase::kLengths:
      PaintStroke(window);
      BeginAreas();
      break;
  }
}

}  // namespace

void StartSwitchScanning(HWND window) {
  const Policy& policy = CurrentPolicy();
  scan = Scanner{};
  scan.settings.switches = PolicyNumber(policy, PolicyKey::kSwitches);
  if (scan.settings.switches != 1 && scan.settings.switches != 2) {
    scan.settings.switches = 0;
    return;
  }
  scan.settings.scanMs = static_cast<uint32_t>(PolicyNumber(policy, PolicyKey::kScanMs));
  scan.settings.acceptMs = static_cast<uint32_t>(PolicyNumber(policy, PolicyKey::kAcceptMs));
  std::vector<std::string> names;
  if (SwitchKeyNames(PolicyText(policy, PolicyKey::kSwitchKeys), &names))
    for (size_t i = 0; i < names.size() && i < 2; ++i)
      if (UINT code = KeyCode(names[i])) scan.keys[i] = code;
  BeginAreas();
  SetTimer(window, timer::kSwitchScan, timer::kSwitchScanMs, nullptr);
  Show(window);
}

void StopSwitchScanning(HWND window) {
  if (!scan.settings.switches) return;
  KillTimer(window, timer::kSwitchScan);
  scan.settings.switches = 0;
}

bool SwitchScanning() { return scan.settings.switches != 0; }

bool SwitchKeyDown(HWND window, WPARAM key, LPARAM flags) {
  if (!SwitchScanning()) return false;
  const int which = key == scan.keys[0] ? 0 : key == scan.keys[1] ? 1 : -1;
  if (which < 0 || (scan.settings.switches == 1 && which != 0)) return false;
  if (flags & (1L << 30)) return true;  // a switch held down is one press
  const ScanOutcome outcome = ScanKey(&scan.state, scan.settings, which, GetTickCount());
  if (outcome == ScanOutcome::kChosen) {
    Choose(window);
    Show(window);
  } else if (outcome == ScanOutcome::kStepped) {
    Stepped(window);
  }
  return true;
}

void SwitchScanTick(HWND window) {
  if (!SwitchScanning()) return;
  if (scan.state.phase == ScanPhase::kAreas && scan.areaCount == 0) {  // nothing to offer yet: look again
    BeginAreas();
    if (scan.areaCount > 0) Show(window);
  }
  if (ScanTime(&scan.state, scan.settings, GetTickCount()) == ScanOutcome::kStepped) Stepped(window);
}
