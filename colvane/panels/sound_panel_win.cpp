// The music and sound panel: loading, drawing and the press on its switches and disc.
#include "colvane/panels/sound_panel_win.h"

#include <cstdio>
#include <initializer_list>

#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/screen_bitmap_win.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/media/music_win.h"
#include "colvane/media/sound_effects_win.h"

namespace {

struct SoundPanel {
  HBITMAP on = nullptr;   // owned here: the panel with both switches on
  HBITMAP off = nullptr;  // owned here: the panel with both switches off
  HFONT font = nullptr;   // owned here: the tune's name on the disc
  HBITMAP composed = nullptr;  // owned here: the panel as shown, kept from paint to paint
  int composedState = -1;      // the switches it shows, or -1 before it shows any
  char composedTune[64] = "";  // the tune name it shows
  SIZE size{0, 0};
  POINT origin{0, 0};     // layout coordinates, like the rectangles
  RECT music{0, 0, 0, 0}, effects{0, 0, 0, 0}, disc{0, 0, 0, 0};
  bool handShown = false;
};
SoundPanel panel;

const char kSection[] = "CARTOON";

void VariantKey(char* key, size_t size, const char* name) { std::snprintf(key, size, "%s%s", name, VariantDigit()); }

// A rectangle of the panel relative to its own top-left corner.
RECT OnPanel(const RECT& r) {
  RECT local = r;
  OffsetRect(&local, -panel.origin.x, -panel.origin.y);
  return local;
}

// Copies a rectangle of `picture` (layout coordinates) into the panel bitmap selected in `dc`.
void CopyPart(HDC dc, HDC source, HBITMAP picture, const RECT& r) {
  const RECT local = OnPanel(r);
  SelectedObject held(source, picture);
  BitBlt(dc, local.left, local.top, local.right - local.left, local.bottom - local.top, source, local.left,
         local.top, SRCCOPY);
}

// The switch drawn straight to the window from the picture of its new state.
void ShowSwitch(HWND window, const RECT& r, bool on) {
  const RECT local = OnPanel(r);
  BlitPartToWindow(window, on ? panel.on : panel.off, POINT{r.left, r.top}, local.right - local.left,
                   local.bottom - local.top, POINT{local.left, local.top}, ScreenPalette());
}

void FreePictures() {
  for (HGDIOBJ* object : {reinterpret_cast<HGDIOBJ*>(&panel.on), reinterpret_cast<HGDIOBJ*>(&panel.off),
                          reinterpret_cast<HGDIOBJ*>(&panel.font), reinterpret_cast<HGDIOBJ*>(&panel.composed)}) {
    if (*object) DeleteObject(*object);
    *object = nullptr;
  }
  panel.size = SIZE{0, 0};
  panel.composedState = -1;
}

void LoadRect(const char* name, RECT* r) {
  char key[40];
  VariantKey(key, sizeof(key), name);
  GetLayoutRect(kSection, key, 0, 0, 0, 0, r);
}

}  // namespace

void LoadSoundPanel(HWND window) {
  FreePictures();
  char key[40];
  VariantKey(key, sizeof(key), "SOUNDON");
  panel.on = LoadLayoutBitmap(window, kSection, key);
  VariantKey(key, sizeof(key), "SOUNDOFF");
  panel.off = LoadLayoutBitmap(window, kSection, key);
  panel.size = BitmapSize(panel.on);
  VariantKey(key, sizeof(key), "SOUNDCORD");
  GetLayoutPoint(kSection, key, 0, 0, &panel.origin);
  LoadRect("MUSICCORD", &panel.music);
  LoadRect("SEFFECTCORD", &panel.effects);
  LoadRect("DISCCORD", &panel.disc);
  const int height = panel.disc.bottom - panel.disc.top;
  panel.font = CreateFontA(-(height * 3 / 4 > 8 ? height * 3 / 4 : 8), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                           ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           VARIABLE_PITCH | FF_SWISS, "Arial");
  panel.handShown = false;
  StartTune(window);
}

void FreeSoundPanel() {
  StopTune();
  FreePictures();
}

namespace {

bool Shown() { return panel.on && !DeskCovered(); }

// Composed off screen: the "on" picture, each switch from the picture of its state, the tune's
// name on the disc; then one blit.
void Paint(HWND window, HDC dc) {
  if (!panel.off) return;
  const int w = panel.size.cx, h = panel.size.cy;
  // Made once, and composed again only when a switch or the tune changed.
  if (!panel.composed) panel.composed = CreateScreenBitmap(dc, w, h);
  HBITMAP bitmap = panel.composed;
  if (!bitmap) return;
  const int state = (MusicOn() ? 1 : 0) | (EffectsOn() ? 2 : 0);
  if (state != panel.composedState || lstrcmpA(TuneName(), panel.composedTune) != 0) {
    MemoryDc composed(dc), source(dc);
    SelectedObject composedArt(composed, bitmap);
    {
      SelectedObject sourceArt(source, panel.on);
      BitBlt(composed, 0, 0, w, h, source, 0, 0, SRCCOPY);
    }
    CopyPart(composed, source, MusicOn() ? panel.on : panel.off, panel.music);
    CopyPart(composed, source, EffectsOn() ? panel.on : panel.off, panel.effects);
    // The name stands on the strip left of the little record at the disc's right end.
    RECT name = OnPanel(panel.disc);
    name.right -= name.bottom - name.top;
    SelectedObject font(composed, panel.font);
    SetBkMode(composed, TRANSPARENT);
    SetTextColor(composed, RGB(59, 42, 30));
    DrawTextA(composed, TuneName(), -1, &name, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    panel.composedState = state;
    lstrcpynA(panel.composedTune, TuneName(), sizeof(panel.composedTune));
  }
  BlitPart(window, dc, bitmap, panel.origin, w, h, POINT{0, 0}, ScreenPalette());
}

RECT Bounds() { return RECT{panel.origin.x, panel.origin.y, panel.origin.x + panel.size.cx, panel.origin.y + panel.size.cy}; }

bool Hover(HWND window, POINT p) {
  if (!PtInRect(&panel.music, p) && !PtInRect(&panel.effects, p) && !PtInRect(&panel.disc, p)) {
    panel.handShown = false;
    return false;
  }
  if (!panel.handShown && !CursorHeld()) SetClassCursor(window, ToolCursor(kIconHand));
  panel.handShown = true;
  return true;
}

bool Press(HWND window, POINT p) {
  if (PtInRect(&panel.music, p)) {
    ToggleMusic(window);
    ShowSwitch(window, panel.music, MusicOn());
    return true;
  }
  if (PtInRect(&panel.effects, p)) {
    ToggleEffects();
    ShowSwitch(window, panel.effects, EffectsOn());
    return true;
  }
  if (PtInRect(&panel.disc, p)) {
    StepTune(window);
    const RECT whole = Bounds();
    RepaintLayoutRect(window, &whole);
    return true;
  }
  return false;
}

int Targets(AreaTarget* out, int capacity) {
  int n = 0;
  AddTarget(out, capacity, &n, panel.music, "music");
  AddTarget(out, capacity, &n, panel.effects, "sounds");
  AddTarget(out, capacity, &n, panel.disc, "tune");
  return n;
}

}  // namespace

const ScreenArea kSoundPanelArea = {"sound panel", Shown, Hover, Press, nullptr, nullptr, nullptr, nullptr,
                                    nullptr, Paint, nullptr, true, Targets, Bounds, false};
