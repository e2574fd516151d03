// The screen plan: where every element of the two layouts ("800" and "640") lies.
#include "assets/screen_plan.h"

#include <cstdlib>

namespace art {

Pt ToolCell(int k) { return {3 + (k % 2) * (kCellW + 4), 4 + (k / 2) * (kCellH + 2)}; }

Pt ToolPageButton() { return {3, 296}; }

static Plan Make800() {
  Plan p{};
  p.variant = 800;
  p.digit = '8';
  p.screenW = 800;
  p.screenH = 600;
  p.canvas = {24, 22, 640, 480};
  p.sheet = {18, 16, 652, 492};
  p.paperBmp = {2, 2, 668, 506};
  p.badge = {13, 13};
  p.badgeR = 11;
  p.rightWell = {675, 4, 122, 494};
  p.bottomWell = {8, 514, 504, 76};
  p.tool = {675, 6, kToolW, kToolH};
  p.colour = {8, 514, kColourW, kColourH};
  p.panel = {266, 514, kPanelW, kPanelH};
  p.library = {8, 514, kLibPageW, kLibPageH};
  p.sound = {675, 430, 122, 64};
  p.music = {5, 4, 54, 34};
  p.effects = {63, 4, 54, 34};
  p.disc = {5, 42, 112, 18};
  p.newBtn = {676, 342};
  p.filePageBtn = {716, 342};
  p.undoBtn = {756, 342};
  p.turn = {676, 386, kTurnW, kDeskBtn};
  p.exitBtn = {756, 386};
  p.logo = {520, 508, 150, 90};
  p.boxCards = {20, 20, 640, 132};
  p.thumbs = {20, 168, 640, 424};
  p.dirLeft = {676, 24};
  p.boxNew = {716, 24};
  p.dirRight = {756, 24};
  p.boxLeft = {676, 200};
  p.boxRight = {756, 200};
  p.save = {676, 440};
  p.print = {756, 440};
  p.bin = {696, 500, 80, 90};
  return p;
}

static Plan Make640() {
  Plan p{};
  p.variant = 640;
  p.digit = '6';
  p.screenW = 640;
  p.screenH = 480;
  p.canvas = {22, 18, 482, 371};
  p.sheet = {16, 12, 494, 383};
  p.paperBmp = {2, 2, 508, 393};
  p.badge = {12, 12};
  p.badgeR = 10;
  p.rightWell = {515, 3, 122, 474};
  p.bottomWell = {4, 400, 504, 76};
  p.tool = {515, 4, kToolW, kToolH};
  p.colour = {4, 400, kColourW, kColourH};
  p.panel = {262, 400, kPanelW, kPanelH};
  p.library = {4, 400, kLibPageW, kLibPageH};
  p.sound = {515, 421, 122, 54};
  p.music = {5, 3, 54, 28};
  p.effects = {63, 3, 54, 28};
  p.disc = {5, 34, 112, 17};
  p.newBtn = {516, 336};
  p.filePageBtn = {556, 336};
  p.undoBtn = {596, 336};
  p.turn = {516, 378, kTurnW, kDeskBtn};
  p.exitBtn = {596, 378};
  p.logo = {0, 0, 0, 0};
  p.boxCards = {12, 12, 496, 132};
  p.thumbs = {12, 152, 496, 320};
  p.dirLeft = {516, 20};
  p.boxNew = {556, 20};
  p.dirRight = {596, 20};
  p.boxLeft = {516, 200};
  p.boxRight = {596, 200};
  p.save = {516, 270};
  p.print = {596, 270};
  p.bin = {556, 420, 80, 56};
  return p;
}

const Plan& PlanFor(int variant) {
  static const Plan wide = Make800(), small = Make640();
  return variant == 800 ? wide : small;
}

static std::vector<PanelButton> Two(const char* a, const char* b) {
  return {{a, {6, 6, 113, 64}}, {b, {127, 6, 113, 64}}};
}

static std::vector<PanelButton> Three(const char* a, const char* b, const char* c) {
  return {{a, {6, 6, 74, 64}}, {b, {86, 6, 74, 64}}, {c, {166, 6, 74, 64}}};
}

const std::vector<PanelLayout>& PanelLayouts() {
  static const std::vector<PanelLayout> layouts = {
      {"BRUSH", "BRUSH_ORG", Three("BRUSH_FREE", "BRUSH_LINE", "BRUSH_WATER")},
      {"PENCIL", "PENCIL_ORG", Two("PENCIL_FREE", "PENCIL_LINE")},
      {"MAC", "MAC_ORG", Two("MAC_FREE", "MAC_LINE")},
      {"CAND", "CAND_ORG", Two("CAND_FREE", "CAND_LINE")},
      {"CHALK", "CHALK_ORG", Two("CHALK_FREE", "CHALK_LINE")},
      {"JET", "JET_ORG", Two("JET_PASTE", "JET_AIR")},
      {"TON", "TON_ORG", Three("TON_FILL", "TON_RB", "TON_IMG")},
      {"RUB", "RUB_ORG", Three("RUB_CLEAR", "RUB_BLUR", "RUB_IMG")},
      {"POLY",
       "POLY_ORG",
       {{"POLY_UP", {4, 14, 18, 48}},
        {"POLY_DOWN", {182, 14, 18, 48}},
        {"POLY_1", {26, 14, 48, 48}},
        {"POLY_2", {78, 14, 48, 48}},
        {"POLY_3", {130, 14, 48, 48}},
        {"POLY_HOLLOW", {206, 4, 36, 33}},
        {"POLY_FULL", {206, 39, 36, 33}}}},
      {"ROPE", "ROPE_ORG", Three("ROPE_SQUARE", "ROPE_CIRCLE", "ROPE_FREE")},
      {"SPEC",
       "SPEC_ORG",
       {{"SPEC_CLEAR", {6, 4, 56, 42}},
        {"SPEC_BLUR", {66, 4, 56, 42}},
        {"SPEC_EMBOSE", {126, 4, 56, 42}},
        {"SPEC_SPEC", {186, 4, 54, 42}}}},
      {"TYPE",
       "TYPE_ORG",
       {{"TYPE_STAND", {6, 37, 55, 34}},
        {"TYPE_BOLD", {66, 37, 55, 34}},
        {"TYPE_ITALY", {126, 37, 55, 34}},
        {"TYPE_UNDER", {186, 37, 54, 34}}}},
      {"HEAP",
       "HEAP_ORG",
       {{"HEAP_UP", {176, 8, 64, 60}},
        {"HEAP_DOWN", {6, 8, 64, 60}},
        {"HEAP_SELECT", {87, 2, 72, 72}}}},
  };
  return layouts;
}

const PanelLayout& PanelNamed(const std::string& panel) {
  for (const PanelLayout& l : PanelLayouts())
    if (panel == l.panel) return l;
  std::abort();  // a name missing from the table above is a bug of the generator
}

Rc SpecTrack() { return {12, 50, 222, 22}; }
Rc TypeFontField() { return {6, 5, 234, 26}; }

std::vector<Rc> LibrarySlots(int count) {
  std::vector<Rc> slots;
  int span = 440 / count;
  for (int i = 0; i < count; ++i) slots.push_back({32 + i * span + 2, 4, span - 4, 68});
  return slots;
}

Rc LibraryPageBack() { return {4, 4, 24, 68}; }
Rc LibraryPageForward() { return {476, 4, 24, 68}; }

}  // namespace art
