// Names compared with numbers by value and letters without case.
#include "colvane/files/natural_order.h"

#include <cstring>

namespace {

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
unsigned char Fold(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c; }

// <0, 0 or >0 as `a` comes before, with or after `b` in the natural order.
int NaturalCompare(const unsigned char* a, const unsigned char* b, LeadByteRule isLead) {
  while (*a && *b) {
    if (IsDigit(*a) && IsDigit(*b)) {
      // Leading zeros add nothing to the value; then the longer run is the larger number, and
      // runs of one length compare digit by digit.
      while (*a == '0' && IsDigit(a[1])) ++a;
      while (*b == '0' && IsDigit(b[1])) ++b;
      size_t na = 0, nb = 0;
      while (IsDigit(a[na])) ++na;
      while (IsDigit(b[nb])) ++nb;
      if (na != nb) return na < nb ? -1 : 1;
      const int digits = std::memcmp(a, b, na);
      if (digits) return digits;
      a += na;
      b += nb;
      continue;
    }
    const int width = isLead(*a) && a[1] ? 2 : 1;  // a double-byte character compares whole
    for (int i = 0; i < width; ++i) {
      const unsigned char ca = i ? a[i] : Fold(a[i]), cb = i ? b[i] : Fold(b[i]);
      if (ca != cb) return ca < cb ? -1 : 1;
    }
    a += width;
    b += width;
  }
  return (*a != 0) - (*b != 0);
}

}  // namespace

bool NaturalLess(const char* a, const char* b, LeadByteRule isLead) {
  const int natural =
      NaturalCompare(reinterpret_cast<const unsigned char*>(a), reinterpret_cast<const unsigned char*>(b), isLead);
  if (natural) return natural < 0;
  return std::strcmp(a, b) < 0;
}
