// The targets of the program's screen areas, by the area's place in the table: what keys and
// switches walk through.
#pragma once
#include <windows.h>

#include "colvane/frame/screen_area_win.h"

constexpr int kMaxAreaTargets = 64;

int ProgramAreaCount();
// The targets of row `area` now (none while it is hidden or out of range); `out` holds
// kMaxAreaTargets.
int TargetsOfArea(int area, AreaTarget* out);
POINT TargetCentre(const AreaTarget& target);
// A ring round target `target` of `area`, or at -1 round all its targets (a RingFinder).
bool FindTargetRing(int area, int target, RECT* ring, const char** areaName, const char** targetName);
