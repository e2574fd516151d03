// The screen plan: where every element of the two layouts ("800" and "640") lies. The art,
// the layout file and the plan pictures all take their coordinates from here.
#pragma once

#include <string>
#include <vector>

namespace art {

struct Pt {
  int x, y;
};
struct Rc {
  int x, y, w, h;
  int r() const { return x + w; }
  int b() const { return y + h; }
};
inline Rc Offset(Rc r, Pt o) { return {r.x + o.x, r.y + o.y, r.w, r.h}; }
inline Rc Grow(Rc r, int by) { return {r.x - by, r.y - by, r.w + 2 * by, r.h + 2 * by}; }

// Sizes shared by both layouts (their bitmaps are read by keys without a layout digit).
constexpr int kToolW = 122, kToolH = 328;          // toolbox page and library tray
constexpr int kCellW = 56, kCellH = 46;            // one toolbox or category button
constexpr int kDeskBtn = 40;                       // new, exit, file page, undo
constexpr int kPanelW = 246, kPanelH = 76;         // tool option panel
constexpr int kLibPageW = 504, kLibPageH = 76;     // clip-art library page
constexpr int kColourW = 254, kColourH = 76;       // colour panel
constexpr int kPageBtnW = 116, kPageBtnH = 28;     // toolbox page button
constexpr int kTurnW = 80;                         // page-turn desk button (80 x 40)

// Toolbox button cell k (0..11): two columns, six rows, relative to the toolbox origin.
Pt ToolCell(int k);
Pt ToolPageButton();  // relative to the toolbox origin

// Colour panel geometry, relative to its origin.
constexpr int kSwatch = 35;
// A box's hit rectangle reaches one pixel past its size, so 23 makes a 24-pixel target; the two
// rows, the page buttons and the thumb's strip along the bottom touch without covering.
constexpr int kBoxX = 38, kBoxY = 3, kBoxW = 23, kBoxH = 23, kBoxDx = 24, kBoxDy = 25;
constexpr int kPageUpX = 230, kPageUpY = 3, kPageDownY = 28, kColourPageW = 24, kColourPageH = 24;
constexpr int kThumbW = 24, kThumbH = 24, kSizeMin = 33, kSizeMax = 222;

struct Plan {
  int variant;       // 800 or 640
  char digit;        // '8' or '6'
  int screenW, screenH;
  Rc canvas;         // PAPERORG and the visible paper size
  Rc sheet;          // the sheet of paper drawn around the canvas
  Rc paperBmp;       // PAPERCORD and the size of the paper-type bitmaps
  Pt badge;          // centre of the paper-change badge
  int badgeR;
  Rc rightWell;      // felt-lined compartment holding the toolbox, desk buttons, sound panel
  Rc bottomWell;     // felt-lined compartment holding colours and options, or the library
  Rc tool;           // TOOLCORD / GLIBCORD
  Rc colour;         // COLORCORD
  Rc panel;          // *_ORG of every option panel
  Rc library;        // library page position
  Rc sound;          // SOUNDCORD and the sound panel size
  Rc music, effects, disc;  // MUSICCORD, SEFFECTCORD, DISCCORD relative to SOUNDCORD
  Pt newBtn, filePageBtn, undoBtn, exitBtn;
  Rc turn;           // T2LUCORD / L2TUCORD
  Rc logo;           // free desk area used for decoration (may be empty)
  // File box (full-screen page)
  Rc boxCards, thumbs;                       // BOXRC, FILE_IN_BOX
  Pt dirLeft, dirRight, boxLeft, boxRight, boxNew, save, print;
  Rc bin;                                    // GABAGEA
};

const Plan& PlanFor(int variant);

// The file box's trays: a felt tray of the page has a wooden rim kTrayRim wide around it and may
// carry a name plate on its bottom rim, at the right; the bin stands on a tray kBinFelt larger.
constexpr int kTrayRim = 3, kBinFelt = 2;
Rc TrayLabel(Rc tray, const char* label);

// One thing drawn on one of a layout's three screens ("painting", "library", "file box"),
// with everything of its own that it draws around itself (a tray's rim and name plate).
struct PlanElement {
  const char* screen;
  std::string name;
  Rc at;
};
std::vector<PlanElement> PlanElements(const Plan& p);
// What is wrong with a layout: each element that does not lie wholly on its screen, each two
// elements of one screen that cover each other, each target smaller than kMinTarget either way,
// and each two targets that can be pressed at once. Empty when the layout is sound.
std::vector<std::string> PlanFaults(const Plan& p);

// What a child can press, screen by screen, as the layout file names it: buttons, colour boxes,
// the size bar's travel, library slots, cards, switches, the paper, and the corner where dwell
// clicking rests. Only one option panel and one kind of library page show at a time, so each
// holds its own screen, "painting/PENCIL" or "library/JLIB", seen with everything of "painting"
// or "library".
struct PlanTarget {
  std::string screen, name;
  Rc at;
};
std::vector<PlanTarget> PlanTargets(const Plan& p);
// The smallest target a shaky hand, a head pointer or a switch user's scanner can be sure of.
constexpr int kMinTarget = 24;
// The corner kept free for dwell clicking's resting place on every screen.
constexpr int kRestingPlace = 24;
// The card of both file box grids, and so the size of every box card and picture.
constexpr int kFileCardW = 148, kFileCardH = 116;

// Option panel buttons: key name (without _CORD) and rectangle relative to the panel origin.
struct PanelButton {
  const char* name;
  Rc rect;
};
struct PanelLayout {
  const char* panel;     // BRUSH, PENCIL, ...
  const char* origin;    // BRUSH_ORG, ...
  std::vector<PanelButton> buttons;
};
const std::vector<PanelLayout>& PanelLayouts();
const PanelLayout& PanelNamed(const std::string& panel);

// Extra panel elements, relative to the panel origin.
Rc SpecTrack();          // SPECCUR_CORD
constexpr int kKnobW = 20, kKnobH = 22;
Rc TypeFontField();      // TYPE_FONT_CORD
constexpr int kShapeCell = 42;   // JIW
constexpr int kStampCell = 64;   // HEAPW

// Library page slots relative to the page origin (GRLIB 5, JLIB 6, SMPLIB 4) and page buttons.
std::vector<Rc> LibrarySlots(int count);
Rc LibraryPageBack();
Rc LibraryPageForward();

}  // namespace art
