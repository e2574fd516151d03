// The order of the file box's lists: names compared as a person reads them.
#pragma once

#include "colvane/layout/lead_bytes.h"

// Whether `a` comes before `b`: runs of digits compare by their value (Sample2 before Sample10),
// ASCII letters without case, other bytes by value; a lead byte of the code page (`isLead`) and
// the byte after it form one double-byte character and are never folded. Names equal in that order (Pic1 and PIC01)
// fall back to their bytes, so the order is total and the same on every listing.
bool NaturalLess(const char* a, const char* b, LeadByteRule isLead);
