// The notice card: a friendly card in the middle of the screen that says why something can't be
// done now ("not now"), gone at the next click or after a few seconds.
#pragma once
#include <windows.h>

#include "colvane/frame/screen_area_win.h"

void ShowNoticeCard(HWND window, const char* text);
void HideNoticeCard(HWND window);
bool NoticeCardShown();
// Counts every card shown and every card a click put away (not one that went by itself), so a
// caller can tell its card is the last one and no one answered it.
int NoticeCardSerial();
// The card's own timer (timer::kNoticeCard).
void NoticeCardTimer(HWND window);

extern const ScreenArea kNoticeCardArea;
