// The targets of the program's screen areas, looked up in the shell's table.
#include "colvane/shell/area_targets_win.h"

#include "colvane/shell/screen_areas_win.h"

int ProgramAreaCount() { return ProgramAreas().count; }

int TargetsOfArea(int area, AreaTarget* out) {
  const ScreenAreas areas = ProgramAreas();
  if (area < 0 || area >= areas.count || RowCovered(area)) return 0;
  return AreaTargets(*areas.rows[area], out, kMaxAreaTargets);
}

POINT TargetCentre(const AreaTarget& target) {
  return POINT{(target.rect.left + target.rect.right) / 2, (target.rect.top + target.rect.bottom) / 2};
}

bool FindTargetRing(int area, int target, RECT* ring, const char** areaName, const char** targetName) {
  AreaTarget targets[kMaxAreaTargets];
  const int n = TargetsOfArea(area, targets);
  if (n == 0 || target >= n) return false;
  *areaName = ProgramAreas().rows[area]->name;
  if (target >= 0) {
    *ring = targets[target].rect;
    *targetName = targets[target].name;
    return true;
  }
  *ring = targets[0].rect;
  for (int i = 1; i < n; ++i) UnionRect(ring, ring, &targets[i].rect);
  *targetName = "";
  return true;
}
