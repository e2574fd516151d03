// The grown-ups' locks as a child meets them: a lock that holds shows its "not now" card.
#pragma once
#include <windows.h>

#include "colvane/layout/policy.h"

// True, with the card shown, when the policy holds `key` (NoQuit, NoExport, NoDelete, NoNewBox).
bool LockRefuses(HWND window, PolicyKey key);
