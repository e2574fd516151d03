// The system's rule for the active ANSI code page.
#pragma once
#include <windows.h>

#include "colvane/layout/lead_bytes.h"

bool SystemLeadByte(uint8_t byte);
