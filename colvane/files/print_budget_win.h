// The print budget on this computer: the policy's numbers, this user's record in the user's
// settings file, the local clock, and the card that says "not now".
#pragma once
#include <windows.h>

#include "colvane/files/print_budget.h"

PrintAnswer AskPrintBudget();
void CountPrintedCopies(int printed);
void TellNotNow(HWND window, const PrintAnswer& answer);
