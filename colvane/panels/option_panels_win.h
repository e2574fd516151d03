// What the rest of the program asks of the open tool option panel beyond areas.h.
#pragma once

// The open panel's toolbar command and its selected button's command; both -1 while the
// special-effects panel (or no panel) is open.
int OpenPanelCommand();
int SelectedPanelCommand();
// Selected button index of the open panel (-1 when none), for the drawing and its checks.
int SelectedPanelButton();
