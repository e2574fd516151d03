// The grown-ups' sheet: its lines and controls, and the steps of each value.
#include "colvane/shell/grown_ups_sheet.h"

namespace {

constexpr int kTop = 78, kPitch = 28, kRow = 24;

struct LineWords {
  PolicyKey key;
  const char* label;
  int step;  // numbers only
};

const LineWords kLeft[] = {
    {PolicyKey::kNoQuit, "No quitting", 0},
    {PolicyKey::kNoPrint, "No printing", 0},
    {PolicyKey::kPrintsPerDay, "Copies a day", 1},
    {PolicyKey::kMinutesBetweenPrints, "Minutes between prints", 5},
    {PolicyKey::kNoExport, "No export", 0},
    {PolicyKey::kNoDelete, "No deleting pictures", 0},
    {PolicyKey::kNoNewBox, "No new boxes", 0},
    {PolicyKey::kStartBlank, "Start on a blank page", 0},
    {PolicyKey::kSoundOff, "Sounds off at start", 0},
    {PolicyKey::kMusicOff, "Music off at start", 0},
    {PolicyKey::kUndoSteps, "Undo steps", 1},
};
const LineWords kRight[] = {
    {PolicyKey::kSwitches, "Switches", 1},
    {PolicyKey::kScanMs, "Scan time (ms)", 250},
    {PolicyKey::kAcceptMs, "Switch rest (ms)", 50},
    {PolicyKey::kSwitchKeys, "Switch keys", 0},
    {PolicyKey::kDwellMs, "Dwell click (ms)", 100},
    {PolicyKey::kDwellRadius, "Dwell radius (px)", 2},
};

int StepOf(PolicyKey key) {
  for (const LineWords& w : kLeft)
    if (w.key == key) return w.step;
  for (const LineWords& w : kRight)
    if (w.key == key) return w.step;
  return 1;
}

// The x of a column's label and of its less, value and more boxes.
struct Column {
  int label, labelEnd, less, value, valueEnd, more;
};
constexpr Column kLeftColumn{36, 236, 240, 266, 306, 308};
constexpr Column kRightColumn{356, 504, 506, 532, 580, 582};

void AddLine(const LineWords& w, const Column& c, int y, std::vector<SheetLine>* lines,
             std::vector<SheetControl>* controls) {
  SheetLine line{w.key, w.label, {c.label, y, c.labelEnd, y + kRow}, {c.value, y, c.valueEnd, y + kRow}};
  const PolicyValueKind kind = PolicyKeyDescription(w.key).kind;
  if (kind == PolicyValueKind::kFlag) {
    const int middle = (c.value + c.valueEnd) / 2;
    line.valueRect = SheetRect{middle - 12, y, middle + 12, y + kRow};
    controls->push_back(SheetControl{line.valueRect, SheetAction::kToggle, w.key});
  } else if (kind == PolicyValueKind::kNumber) {
    controls->push_back(SheetControl{{c.less, y, c.less + kRow, y + kRow}, SheetAction::kLess, w.key});
    controls->push_back(SheetControl{{c.more, y, c.more + kRow, y + kRow}, SheetAction::kMore, w.key});
  } else {
    line.valueRect = SheetRect{c.less, y, c.more + kRow, y + kRow};
  }
  lines->push_back(line);
}

struct Sheet {
  std::vector<SheetLine> lines;
  std::vector<SheetControl> controls;
  Sheet() {
    int y = kTop;
    for (const LineWords& w : kLeft) AddLine(w, kLeftColumn, (y += kPitch) - kPitch, &lines, &controls);
    y = kTop;
    for (const LineWords& w : kRight) AddLine(w, kRightColumn, (y += kPitch) - kPitch, &lines, &controls);
    // The library folder: its label, the folder on a line of its own, and its two buttons.
    lines.push_back(SheetLine{PolicyKey::kLibraryFolder, "Picture library", {356, y, 606, y + kRow},
                              {356, y + kPitch, 606, y + kPitch + kRow}});
    y += 2 * kPitch;
    controls.push_back(SheetControl{{356, y, 476, y + 28}, SheetAction::kChangeFolder, PolicyKey::kLibraryFolder});
    controls.push_back(SheetControl{{486, y, 606, y + 28}, SheetAction::kUsualFolder, PolicyKey::kLibraryFolder});
    controls.push_back(SheetControl{{36, 412, 196, 448}, SheetAction::kEnd, PolicyKey::kCount});
    controls.push_back(SheetControl{{356, 412, 476, 448}, SheetAction::kCancel, PolicyKey::kCount});
    controls.push_back(SheetControl{{486, 412, 606, 448}, SheetAction::kKeep, PolicyKey::kCount});
  }
};

const Sheet& TheSheet() {
  static const Sheet sheet;
  return sheet;
}

}  // namespace

const std::vector<SheetLine>& SheetLines() { return TheSheet().lines; }
const std::vector<SheetControl>& SheetControls() { return TheSheet().controls; }
SheetRect SheetFaultRect() { return SheetRect{356, 78 + 9 * kPitch + 8, 606, 404}; }

const SheetControl* SheetControlAt(int x, int y) {
  for (const SheetControl& c : SheetControls())
    if (SheetRectHolds(c.rect, x, y)) return &c;
  return nullptr;
}

PolicyValue StepPolicyValue(PolicyKey key, const PolicyValue& value, int direction) {
  const PolicyKeyInfo& info = PolicyKeyDescription(key);
  PolicyValue next = value;
  next.source = PolicySource::kUser;
  next.unreadable = false;
  next.raw.clear();
  if (info.kind == PolicyValueKind::kFlag) {
    next.number = value.number ? 0 : 1;
    return next;
  }
  if (info.kind != PolicyValueKind::kNumber || direction == 0) return next;
  const bool offBelow = info.absent == 0;  // 0 means "off" for this key
  const int step = StepOf(key);
  int n = value.number + direction * step;
  if (direction > 0 && value.number < info.low) n = info.low > step ? info.low : step;
  if (n > info.high) n = info.high;
  if (n < info.low) n = offBelow ? 0 : info.low;
  next.number = n;
  return next;
}

std::string ShownPolicyValue(PolicyKey key, const PolicyValue& value) {
  const PolicyKeyInfo& info = PolicyKeyDescription(key);
  if (value.unreadable) return "?";
  if (info.kind == PolicyValueKind::kFlag) return value.number ? "On" : "Off";
  if (info.kind == PolicyValueKind::kText) {
    if (!value.text.empty()) return value.text;
    return key == PolicyKey::kLibraryFolder ? "The usual place" : "Space, Enter";
  }
  if (value.number == 0) return key == PolicyKey::kPrintsPerDay ? "Any" : "Off";
  return std::to_string(value.number);
}
