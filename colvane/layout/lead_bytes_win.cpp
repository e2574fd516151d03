// The system's rule for the active ANSI code page.
#include "colvane/layout/lead_bytes_win.h"

bool SystemLeadByte(uint8_t byte) { return IsDBCSLeadByte(byte) != FALSE; }
