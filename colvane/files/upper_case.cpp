// Upper-casing of ASCII letters that leaves double-byte characters alone.
#include "colvane/files/upper_case.h"

void UpperCaseAscii(char* text, LeadByteRule isLead) {
  if (!text) return;
  for (unsigned char* p = reinterpret_cast<unsigned char*>(text); *p; ++p) {
    if (isLead(*p)) {
      // A lead byte and its trail byte form one character; the trail may look like a letter.
      if (!p[1]) break;
      ++p;
      continue;
    }
    if (*p >= 'a' && *p <= 'z') *p = static_cast<unsigned char>(*p - 'a' + 'A');
  }
}
