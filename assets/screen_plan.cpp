// The screen plan: where every element of the two layouts ("800" and "640") lies.
#include "assets/screen_plan.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

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
  p.music = {5, 3, 54, 33};
  p.effects = {63, 3, 54, 33};
  p.disc = {5, 38, 112, 24};
  p.newBtn = {676, 342};
  p.filePageBtn = {716, 342};
  p.undoBtn = {756, 342};
  p.turn = {676, 386, kTurnW, kDeskBtn};
  p.exitBtn = {756, 386};
  p.logo = {520, 508, 150, 90};
  p.boxCards = {20, 20, 640, 132};
  p.thumbs = {20, 168, 640, 380};  // three rows of cards
  p.dirLeft = {676, 24};
  p.boxNew = {716, 24};
  p.dirRight = {756, 24};
  p.boxLeft = {676, 200};
  p.boxRight = {756, 200};
  p.save = {676, 440};
  p.print = {756, 440};
  p.bin = {696, 512, 80, 56};  // below the felt of the right side, as wide as its art
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
  p.music = {5, 3, 54, 25};
  p.effects = {63, 3, 54, 25};
  p.disc = {5, 29, 92, 24};  // short of the screen's corner, dwell clicking's resting place
  p.newBtn = {516, 336};
  p.filePageBtn = {556, 336};
  p.undoBtn = {596, 336};
  p.turn = {516, 378, kTurnW, kDeskBtn};
  p.exitBtn = {596, 378};
  p.logo = {0, 0, 0, 0};
  p.boxCards = {12, 12, 496, 132};
  p.thumbs = {12, 162, 496, 256};  // two rows of cards
  p.dirLeft = {516, 20};
  p.boxNew = {556, 20};
  p.dirRight = {596, 20};
  p.boxLeft = {516, 172};
  p.boxRight = {596, 172};
  p.save = {516, 222};
  p.print = {596, 222};
  p.bin = {548, 272, 80, 56};  // between the buttons and the desk's, clear of the screen's edge
  return p;
}

const Plan& PlanFor(int variant) {
  static const Plan wide = Make800(), small = Make640();
  return variant == 800 ? wide : small;
}

Rc TrayLabel(Rc tray, const char* label) {
  const int w = 12 + static_cast<int>(std::strlen(label) * 15 + 1) / 2;
  return {tray.r() - w - 14, tray.b() - 2, w, 14};
}

// A tray with its rim, reaching down to its name plate.
static Rc TrayWithLabel(Rc tray, const char* label) {
  Rc rim = Grow(tray, kTrayRim), plate = TrayLabel(tray, label);
  rim.h = std::max(rim.b(), plate.b()) - rim.y;
  return rim;
}

std::vector<PlanElement> PlanElements(const Plan& p) {
  auto button = [](Pt at) { return Rc{at.x, at.y, kDeskBtn, kDeskBtn}; };
  std::vector<PlanElement> e;
  for (const char* screen : {"painting", "library", "file box"}) {
    const bool fileBox = std::strcmp(screen, "file box") == 0;
    e.push_back({screen, "page turn", p.turn});  // the desk's first button shows on every screen
    e.push_back({screen, "exit", button(p.exitBtn)});
    e.push_back({screen, "file page", button(p.filePageBtn)});
    if (fileBox) continue;
    e.push_back({screen, "paper", p.paperBmp});
    e.push_back({screen, "new picture", button(p.newBtn)});
    e.push_back({screen, "undo", button(p.undoBtn)});
    e.push_back({screen, "toolbox", p.tool});
    e.push_back({screen, "sound panel", p.sound});
    if (p.logo.w > 0) e.push_back({screen, "logo", p.logo});
    if (std::strcmp(screen, "library") == 0) {
      e.push_back({screen, "library page", p.library});
    } else {
      e.push_back({screen, "colour panel", p.colour});
      e.push_back({screen, "option panel", p.panel});
    }
  }
  const char* fb = "file box";
  e.push_back({fb, "boxes tray", TrayWithLabel(p.boxCards, "boxes")});
  e.push_back({fb, "pictures tray", TrayWithLabel(p.thumbs, "pictures")});
  e.push_back({fb, "bin", Grow(p.bin, kBinFelt + kTrayRim)});
  const std::pair<const char*, Pt> buttons[] = {{"boxes back", p.dirLeft},     {"new box", p.boxNew},
                                                {"boxes on", p.dirRight},      {"pictures back", p.boxLeft},
                                                {"pictures on", p.boxRight},   {"export", p.save},
                                                {"print", p.print}};
  for (const auto& [name, at] : buttons) e.push_back({fb, name, button(at)});
  return e;
}

static Rc Button(Pt at) { return {at.x, at.y, kDeskBtn, kDeskBtn}; }

// The cells of a file box grid (the rule of the program's grid: 8 pixels in from the area's
// corner, then steps of the card and 8, while a cell fits).
static std::vector<Rc> GridCells(Rc area, int w, int h) {
  std::vector<Rc> cells;
  for (int y = area.y + 8; y + h < area.b(); y += h + 8)
    for (int x = area.x + 8; x + w < area.r(); x += w + 8) cells.push_back({x, y, w, h});
  return cells;
}

std::vector<PlanTarget> PlanTargets(const Plan& p) {
  std::vector<PlanTarget> t;
  const Rc resting = {p.screenW - kRestingPlace, p.screenH - kRestingPlace, kRestingPlace, kRestingPlace};
  for (const char* screen : {"painting", "library"}) {
    const bool library = std::strcmp(screen, "library") == 0;
    t.push_back({screen, "paper", p.canvas});
    t.push_back({screen, "paper change", {p.paperBmp.x, p.paperBmp.y, 55, 46}});
    t.push_back({screen, "page turn", p.turn});
    t.push_back({screen, "exit", Button(p.exitBtn)});
    t.push_back({screen, "file page", Button(p.filePageBtn)});
    t.push_back({screen, "new picture", Button(p.newBtn)});
    t.push_back({screen, "undo", Button(p.undoBtn)});
    for (int k = 0; k < (library ? 11 : 12); ++k) {
      const Pt c = ToolCell(k);
      t.push_back({screen, (library ? "category " : "tool ") + std::to_string(k + 1),
                   {p.tool.x + c.x, p.tool.y + c.y, kCellW, kCellH}});
    }
    const Pt s = {p.sound.x, p.sound.y};
    t.push_back({screen, "music switch", Offset(p.music, s)});
    t.push_back({screen, "sounds switch", Offset(p.effects, s)});
    t.push_back({screen, "tune disc", Offset(p.disc, s)});
    t.push_back({screen, "dwell resting place", resting});
  }
  const char* paint = "painting";
  const Pt pg = ToolPageButton();
  t.push_back({paint, "toolbox page", {p.tool.x + pg.x, p.tool.y + pg.y, kPageBtnW, kPageBtnH}});
  for (int i = 0; i < 16; ++i)  // each box reaches one pixel past its size, over its edge lines
    t.push_back({paint, "colour box " + std::to_string(i + 1),
                 {p.colour.x + kBoxX + (i % 8) * kBoxDx, p.colour.y + kBoxY + (i / 8) * kBoxDy, kBoxW + 1, kBoxH + 1}});
  t.push_back({paint, "colour page up", {p.colour.x + kPageUpX, p.colour.y + kPageUpY, kColourPageW, kColourPageH}});
  t.push_back({paint, "colour page down", {p.colour.x + kPageUpX, p.colour.y + kPageDownY, kColourPageW, kColourPageH}});
  // The thumb's whole travel, as high as the thumb: it may stand anywhere along it.
  t.push_back({paint, "size bar", {p.colour.x + kSizeMin, p.colour.b() - kThumbH, kSizeMax - kSizeMin + kThumbW, kThumbH}});
  const Pt o = {p.panel.x, p.panel.y};
  for (const PanelLayout& l : PanelLayouts()) {
    const std::string screen = std::string("painting/") + l.panel;
    for (const PanelButton& b : l.buttons) t.push_back({screen, b.name, Offset(b.rect, o)});
  }
  t.push_back({"painting/SPEC", "size track", Offset(SpecTrack(), o)});
  t.push_back({"painting/TYPE", "face field", Offset(TypeFontField(), o)});
  const Pt lo = {p.library.x, p.library.y};
  for (int count : {4, 5, 6}) {
    const std::string screen = "library/" + std::to_string(count) + " slots";
    const std::vector<Rc> slots = LibrarySlots(count);
    for (size_t i = 0; i < slots.size(); ++i)
      t.push_back({screen, "slot " + std::to_string(i + 1), Offset(slots[i], lo)});
  }
  t.push_back({"library", "page back", Offset(LibraryPageBack(), lo)});
  t.push_back({"library", "page forward", Offset(LibraryPageForward(), lo)});
  const char* fb = "file box";
  t.push_back({fb, "exit", Button(p.exitBtn)});
  t.push_back({fb, "file page", Button(p.filePageBtn)});
  const std::pair<const char*, Pt> buttons[] = {{"boxes back", p.dirLeft},   {"new box", p.boxNew},
                                                {"boxes on", p.dirRight},    {"pictures back", p.boxLeft},
                                                {"pictures on", p.boxRight}, {"export", p.save},
                                                {"print", p.print}};
  for (const auto& [name, at] : buttons) t.push_back({fb, name, Button(at)});
  t.push_back({fb, "bin", p.bin});
  t.push_back({fb, "dwell resting place", resting});
  int n = 0;
  for (const Rc& cell : GridCells(p.boxCards, kFileCardW, kFileCardH)) t.push_back({fb, "box card " + std::to_string(++n), cell});
  n = 0;
  for (const Rc& cell : GridCells(p.thumbs, kFileCardW, kFileCardH)) t.push_back({fb, "picture " + std::to_string(++n), cell});
  return t;
}

// Whether targets of these two screens can show together: one screen, or a panel's or page's
// screen ("painting/PENCIL") with its parent's.
static bool ShowTogether(const std::string& a, const std::string& b) {
  auto parent = [](const std::string& s) { return s.substr(0, s.find('/')); };
  return a == b || (a.find('/') == std::string::npos && a == parent(b)) ||
         (b.find('/') == std::string::npos && b == parent(a));
}

// Targets meant to lie one over the other: the paper takes presses before any area, so the
// paper-change button's fixed 55 x 46 rectangle at the paper picture's corner is pressed only
// where the paper is not.
static bool Stacked(const PlanTarget& a, const PlanTarget& b) {
  return (a.name == "paper" && b.name == "paper change") || (a.name == "paper change" && b.name == "paper");
}

static void TargetFaults(const Plan& p, const std::string& layout, std::vector<std::string>* faults) {
  const std::vector<PlanTarget> t = PlanTargets(p);
  for (size_t i = 0; i < t.size(); ++i) {
    const Rc& a = t[i].at;
    if (a.w < kMinTarget || a.h < kMinTarget)
      faults->push_back(layout + t[i].screen + ": " + t[i].name + " is smaller than " + std::to_string(kMinTarget) +
                        " x " + std::to_string(kMinTarget) + " (" + std::to_string(a.w) + " x " + std::to_string(a.h) + ")");
    if (a.x < 0 || a.y < 0 || a.r() > p.screenW || a.b() > p.screenH)
      faults->push_back(layout + t[i].screen + ": " + t[i].name + " leaves the screen");
    for (size_t j = i + 1; j < t.size(); ++j) {
      const Rc& b = t[j].at;
      if (ShowTogether(t[i].screen, t[j].screen) && !Stacked(t[i], t[j]) && a.x < b.r() && b.x < a.r() &&
          a.y < b.b() && b.y < a.b())
        faults->push_back(layout + t[i].screen + ": targets " + t[i].name + " and " + t[j].name + " overlap");
    }
  }
  // The thumb itself, wherever it stands on the size bar's travel.
  if (kThumbW < kMinTarget || kThumbH < kMinTarget)
    faults->push_back(layout + "painting: the size bar's thumb is smaller than " + std::to_string(kMinTarget) + " x " +
                      std::to_string(kMinTarget));
}

std::vector<std::string> PlanFaults(const Plan& p) {
  std::vector<std::string> faults;
  const std::string layout = std::to_string(p.variant) + " layout, ";
  const std::vector<PlanElement> e = PlanElements(p);
  for (size_t i = 0; i < e.size(); ++i) {
    const Rc& a = e[i].at;
    if (a.x < 0 || a.y < 0 || a.r() > p.screenW || a.b() > p.screenH)
      faults.push_back(layout + e[i].screen + ": " + e[i].name + " leaves the screen");
    for (size_t j = i + 1; j < e.size(); ++j) {
      const Rc& b = e[j].at;
      if (std::strcmp(e[i].screen, e[j].screen) == 0 && a.x < b.r() && b.x < a.r() && a.y < b.b() && b.y < a.b())
        faults.push_back(layout + e[i].screen + ": " + e[i].name + " and " + e[j].name + " cover each other");
    }
  }
  TargetFaults(p, layout, &faults);
  return faults;
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
       {{"POLY_UP", {2, 14, 24, 48}},
        {"POLY_DOWN", {180, 14, 24, 48}},
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

Rc SpecTrack() { return {12, 48, 222, 24}; }
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
