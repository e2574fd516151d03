// Upper-casing of ASCII letters that leaves double-byte characters alone.
#pragma once

#include "colvane/layout/lead_bytes.h"

// Every ASCII letter is upper-cased; a lead byte of the code page (`isLead`) and the byte after
// it are kept, and so is every other byte.
void UpperCaseAscii(char* text, LeadByteRule isLead);
