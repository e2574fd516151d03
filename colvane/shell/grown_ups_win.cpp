// The grown-ups' screen and the chord that reaches it, drawn in the program's own colours over
// the whole screen.
#include "colvane/frame/screen_area_win.h"
#include "colvane/shell/grown_ups_win.h"

#include <shlobj.h>

#include <string>

#include "colvane/files/file_box_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/message_box_win.h"
#include "colvane/frame/notice_card_win.h"
#include "colvane/frame/screen_layout.h"
#include "colvane/ids.h"
#include "colvane/layout/policy_win.h"
#include "colvane/shell/grown_ups_sheet.h"
#include "colvane/shell/shell_win.h"
#include "colvane/text/typewriter_win.h"

namespace {

constexpr DWORD kChordHoldMs = 3000;
constexpr DWORD kQuitChordWindowMs = 60000;

struct GrownUps {
  bool shown = false;
  PolicyValue values[kPolicyKeyCount];  // the user's file as edited
  bool chordTiming = false;
  DWORD chordStart = 0;
  bool quitRefused = false;
  DWORD quitRefusedAt = 0;
  int quitCard = 0;  // the card that said no; answered or replaced, the chord opens the screen
};
GrownUps grownUps;

bool Held(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }
bool ChordHeld() { return Held('G') && Held(VK_CONTROL) && Held(VK_SHIFT); }

// The sheet's top-left corner in layout coordinates: the middle of either layout.
POINT SheetOrigin() {
  const int width = Screen().wideLayout ? 800 : 640, height = Screen().wideLayout ? 600 : 480;
  return POINT{(width - kSheetWidth) / 2, (height - kSheetHeight) / 2};
}

RECT ScreenRectOf(const SheetRect& r) {
  const POINT o = SheetOrigin();
  POINT a{o.x + r.left, o.y + r.top}, b{o.x + r.right, o.y + r.bottom};
  LayoutToScreen(&a);
  LayoutToScreen(&b);
  return RECT{a.x, a.y, b.x, b.y};
}

const PolicyValue& ShownValue(PolicyKey key) {
  const Policy& policy = CurrentPolicy();
  return PolicyLocked(policy, key) ? policy.values[static_cast<int>(key)] : grownUps.values[static_cast<int>(key)];
}

class Fonts {
 public:
  HFONT Font(int height, int weight) {
    for (Made& m : fonts_)
      if (m.height == height && m.weight == weight) return m.font;
    HFONT font = CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
    if (count_ == kFonts) DeleteObject(fonts_[--count_].font);  // never more than the sheet's few sizes
    fonts_[count_++] = Made{height, weight, font};
    return font;
  }
  ~Fonts() {
    for (int i = 0; i < count_; ++i) DeleteObject(fonts_[i].font);
  }

 private:
  struct Made {
    int height, weight;
    HFONT font;
  };
  static constexpr int kFonts = 8;
  Made fonts_[kFonts]{};
  int count_ = 0;
};

void FillRound(HDC dc, const RECT& r, COLORREF fill, COLORREF edge, int edgeWidth, int corner) {
  HBRUSH brush = CreateSolidBrush(fill);
  HPEN pen = CreatePen(PS_SOLID, edgeWidth, edge);
  {
    SelectedObject b(dc, brush), p(dc, pen);
    RoundRect(dc, r.left, r.top, r.right, r.bottom, corner, corner);
  }
  DeleteObject(brush);
  DeleteObject(pen);
}

void Text(HDC dc, HFONT font, COLORREF colour, const std::string& text, RECT r, UINT format) {
  SelectedObject held(dc, font);
  SetTextColor(dc, colour);
  DrawTextA(dc, text.c_str(), -1, &r, format | DT_NOPREFIX);
}

// A small padlock beside a value the computer's policy decides.
void Padlock(HDC dc, int x, int y) {
  const RECT body{x, y + 8, x + 14, y + 20};
  FillRound(dc, body, RGB(150, 120, 80), RGB(90, 70, 40), 1, 4);
  HPEN pen = CreatePen(PS_SOLID, 2, RGB(90, 70, 40));
  {
    SelectedObject p(dc, pen), b(dc, GetStockObject(NULL_BRUSH));
    Arc(dc, x + 2, y + 1, x + 12, y + 15, x + 12, y + 8, x + 2, y + 8);
  }
  DeleteObject(pen);
}

void PaintButton(HDC dc, Fonts& fonts, const RECT& r, const char* words, COLORREF fill, bool enabled) {
  FillRound(dc, r, enabled ? fill : RGB(214, 206, 190), RGB(120, 80, 40), 2, 14);
  Text(dc, fonts.Font(r.bottom - r.top > 30 ? 18 : 16, FW_BOLD), enabled ? RGB(60, 30, 10) : RGB(150, 140, 120),
       words, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

const char* ButtonWords(SheetAction action) {
  switch (action) {
    case SheetAction::kLess: return "-";
    case SheetAction::kMore: return "+";
    case SheetAction::kChangeFolder: return "Choose...";
    case SheetAction::kUsualFolder: return "Usual place";
    case SheetAction::kKeep: return "Keep";
    case SheetAction::kCancel: return "Cancel";
    case SheetAction::kEnd: return "End Colvane";
    case SheetAction::kToggle: return "";
  }
  return "";
}

void PaintToggle(HDC dc, const RECT& r, bool on, bool enabled) {
  FillRound(dc, r, enabled ? RGB(255, 255, 255) : RGB(226, 220, 206), RGB(120, 80, 40), 2, 8);
  if (!on) return;
  HPEN tick = CreatePen(PS_SOLID, 4, enabled ? RGB(40, 150, 60) : RGB(120, 140, 120));
  {
    SelectedObject p(dc, tick);
    MoveToEx(dc, r.left + 5, (r.top + r.bottom) / 2, nullptr);
    LineTo(dc, r.left + 10, r.bottom - 6);
    LineTo(dc, r.right - 5, r.top + 5);
  }
  DeleteObject(tick);
}

void Paint(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  HBRUSH wood = CreateSolidBrush(RGB(176, 128, 80));
  FillRect(dc, &client, wood);
  DeleteObject(wood);
  HPEN grain = CreatePen(PS_SOLID, 1, RGB(160, 112, 68));
  {
    SelectedObject p(dc, grain);
    for (int y = client.top + 7; y < client.bottom; y += 23) {
      MoveToEx(dc, client.left, y, nullptr);
      LineTo(dc, client.right, y + (y / 23 % 3) - 1);
    }
  }
  DeleteObject(grain);
  SetBkMode(dc, TRANSPARENT);
  Fonts fonts;
  FillRound(dc, ScreenRectOf({12, 10, 628, 470}), RGB(255, 250, 236), RGB(236, 140, 40), 5, 30);
  Text(dc, fonts.Font(30, FW_BOLD), RGB(200, 90, 20), "For grown-ups", ScreenRectOf({36, 18, 604, 52}),
       DT_LEFT | DT_SINGLELINE | DT_VCENTER);
  Text(dc, fonts.Font(13, FW_NORMAL), RGB(90, 70, 50),
       "Kept for this user. A padlock: this computer's policy decides it.", ScreenRectOf({36, 50, 604, 70}),
       DT_LEFT | DT_SINGLELINE);
  const Policy& policy = CurrentPolicy();
  for (const SheetLine& line : SheetLines()) {
    const bool locked = PolicyLocked(policy, line.key);
    const COLORREF ink = locked ? RGB(140, 125, 105) : RGB(60, 35, 15);
    Text(dc, fonts.Font(16, FW_BOLD), ink, line.label, ScreenRectOf(line.labelRect),
         DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    if (locked) {
      const RECT label = ScreenRectOf(line.labelRect);
      SIZE extent{};
      SelectedObject held(dc, fonts.Font(16, FW_BOLD));
      GetTextExtentPoint32A(dc, line.label, lstrlenA(line.label), &extent);
      Padlock(dc, label.left + extent.cx + 6, label.top + 1);
    }
    const PolicyValue& value = ShownValue(line.key);
    if (PolicyKeyDescription(line.key).kind == PolicyValueKind::kFlag) {
      PaintToggle(dc, ScreenRectOf(line.valueRect), value.number != 0, !locked);
      continue;
    }
    Text(dc, fonts.Font(line.key == PolicyKey::kLibraryFolder ? 14 : 16, FW_BOLD), ink,
         ShownPolicyValue(line.key, value), ScreenRectOf(line.valueRect),
         (line.key == PolicyKey::kLibraryFolder ? DT_LEFT | DT_PATH_ELLIPSIS : DT_CENTER) | DT_SINGLELINE |
             DT_VCENTER);
  }
  for (const SheetControl& control : SheetControls()) {
    if (control.action == SheetAction::kToggle) continue;
    const bool enabled = control.key == PolicyKey::kCount || !PolicyLocked(policy, control.key);
    const COLORREF fill = control.action == SheetAction::kKeep ? RGB(150, 220, 130)
                          : control.action == SheetAction::kEnd ? RGB(250, 180, 150)
                                                                : RGB(255, 214, 120);
    PaintButton(dc, fonts, ScreenRectOf(control.rect), ButtonWords(control.action), fill, enabled);
  }
  if (!policy.faults.empty()) {
    std::string words = "Could not read:";
    for (size_t i = 0; i < policy.faults.size() && i < 4; ++i) words += "\n" + policy.faults[i];
    if (policy.faults.size() > 4) words += "\n...";
    Text(dc, fonts.Font(12, FW_NORMAL), RGB(190, 30, 30), words, ScreenRectOf(SheetFaultRect()),
         DT_LEFT | DT_WORDBREAK | DT_END_ELLIPSIS);
  }
}

void Repaint(HWND window) {
  DamageWholeScreen(window);
  UpdateWindow(window);
}

void Open(HWND window) {
  if (AreaShown(kFileBoxArea)) CloseFileBox(window);
  EndTypewriterText();
  HideNoticeCard(window);
  const Policy user = ReadUserPolicy();
  for (int i = 0; i < kPolicyKeyCount; ++i) grownUps.values[i] = user.values[i];
  grownUps.shown = true;
  Repaint(window);
}

void Close(HWND window) {
  grownUps.shown = false;
  Repaint(window);
}

void ChooseFolder(HWND window) {
  char chosen[MAX_PATH] = "";
  BROWSEINFOA browse{};
  browse.hwndOwner = window;
  browse.pszDisplayName = chosen;
  browse.lpszTitle = "The folder for the picture library";
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  LPITEMIDLIST item = SHBrowseForFolderA(&browse);
  if (!item) return;
  const bool found = SHGetPathFromIDListA(item, chosen) != 0;
  CoTaskMemFree(item);
  if (!found) return;
  const PolicyKeyInfo& info = PolicyKeyDescription(PolicyKey::kLibraryFolder);
  if (info.textValid && !info.textValid(chosen)) {
    ShowProgramMessageA(window, "That folder can't hold the picture library. Please choose a folder on a drive.",
                        "For grown-ups", MB_OK | MB_ICONINFORMATION);
    return;
  }
  PolicyValue& value = grownUps.values[static_cast<int>(PolicyKey::kLibraryFolder)];
  value.text = chosen;
  value.source = PolicySource::kUser;
  value.unreadable = false;
}

void Act(HWND window, const SheetControl& control) {
  if (control.key != PolicyKey::kCount && PolicyLocked(CurrentPolicy(), control.key)) return;
  PolicyValue* value = control.key == PolicyKey::kCount ? nullptr : &grownUps.values[static_cast<int>(control.key)];
  switch (control.action) {
    case SheetAction::kToggle: *value = StepPolicyValue(control.key, *value, 0); break;
    case SheetAction::kLess: *value = StepPolicyValue(control.key, *value, -1); break;
    case SheetAction::kMore: *value = StepPolicyValue(control.key, *value, +1); break;
    case SheetAction::kChangeFolder: ChooseFolder(window); break;
    case SheetAction::kUsualFolder:
      value->text.clear();
      value->source = PolicySource::kUser;
      value->unreadable = false;
      break;
    case SheetAction::kKeep:
      if (!KeepUserPolicy(grownUps.values)) {
        ShowProgramMessageA(window, "The settings could not be kept: the user's settings folder can't be written.",
                            "For grown-ups", MB_OK | MB_ICONINFORMATION);
        return;
      }
      ApplyPolicyNow(window);
      Close(window);
      return;
    case SheetAction::kCancel: Close(window); return;
    case SheetAction::kEnd:
      Close(window);
      SayGoodbye(window);
      return;
  }
  Repaint(window);
}

bool Press(HWND window, POINT layout) {
  const POINT o = SheetOrigin();
  if (const SheetControl* control = SheetControlAt(layout.x - o.x, layout.y - o.y)) Act(window, *control);
  return true;
}
bool Swallow(HWND, POINT) { return true; }
bool Shown() { return grownUps.shown; }

int Targets(AreaTarget* out, int capacity) {
  const POINT o = SheetOrigin();
  int n = 0;
  for (const SheetControl& c : SheetControls()) {
    const RECT r{o.x + c.rect.left, o.y + c.rect.top, o.x + c.rect.right, o.y + c.rect.bottom};
    const char* name = c.key == PolicyKey::kCount ? ButtonWords(c.action) : PolicyKeyDescription(c.key).name;
    AddTarget(out, capacity, &n, r, name);
  }
  return n;
}

}  // namespace

bool GrownUpsKeyDown(HWND window, WPARAM key) {
  if (grownUps.shown && key == VK_ESCAPE) {
    Close(window);
    return true;
  }
  if (key != 'G' || !Held(VK_CONTROL) || !Held(VK_SHIFT)) return false;
  if (!grownUps.chordTiming) {  // a held key repeats: the first press starts the wait
    grownUps.chordTiming = true;
    grownUps.chordStart = GetTickCount();
    SetTimer(window, timer::kGrownUpsChord, timer::kGrownUpsChordMs, nullptr);
  }
  return true;
}

void GrownUpsChordTick(HWND window) {
  if (!ChordHeld()) {
    grownUps.chordTiming = false;
    KillTimer(window, timer::kGrownUpsChord);
    return;
  }
  if (GetTickCount() - grownUps.chordStart < kChordHoldMs) return;
  grownUps.chordTiming = false;
  KillTimer(window, timer::kGrownUpsChord);
  if (grownUps.quitRefused && NoticeCardSerial() == grownUps.quitCard &&
      GetTickCount() - grownUps.quitRefusedAt < kQuitChordWindowMs) {
    grownUps.quitRefused = false;
    HideNoticeCard(window);
    SayGoodbye(window);
    return;
  }
  if (!grownUps.shown) Open(window);
}

void NoteQuitRefused() {
  grownUps.quitRefused = true;
  grownUps.quitRefusedAt = GetTickCount();
  grownUps.quitCard = NoticeCardSerial();
}

bool GrownUpsShown() { return grownUps.shown; }

const ScreenArea kGrownUpsArea = {"grown-ups", Shown, Swallow, Press, Swallow, Press, Swallow, Swallow,
                                  nullptr, Paint, nullptr, false, Targets, nullptr, false};
